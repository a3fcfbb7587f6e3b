// A lookup's WHERE fragment turned into a verdict the database computes on
// every candidate row: 1 when the condition holds, 0 when it does not, NULL
// when it cannot be decided (a NULL compared). The fragment's text is the
// lookup's own, so the engine tests each row exactly as the lookup's
// statement would, collations, weekday numbering and all.
#pragma once

#include <string>
#include <string_view>

#include "promocionesQEX/Explicacion.h"
#include "promocionesQEX/Variant.h"

namespace promocionesQEX::explain {

// The text a fragment builder appends, e.g.
// fragment([&](std::string& s) { lookup::append_in_force(s); }).
template <class Append>
std::string fragment(Append&& append) {
  std::string text;
  append(text);
  return text;
}

// The fragment as a condition of its own: its trailing AND (the statements
// write "AND" or "and") dropped, the rest in parentheses.
std::string as_condition(std::string_view fragment);

// ", CASE WHEN <condition> THEN 1 WHEN NOT <condition> THEN 0 END AS <alias>"
void append_verdict_column(std::string& sql, std::string_view condition,
                           std::string_view alias);

// 1 → Cumple, 0 → No_Cumple, NULL → No_Evaluable.
Veredicto verdict_of(const Variant& value);

}  // namespace promocionesQEX::explain
