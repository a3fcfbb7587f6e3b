#include "explain/Verdicts.h"

namespace promocionesQEX::explain {

std::string as_condition(std::string_view fragment) {
  auto trim_right = [](std::string_view& text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  };
  trim_right(fragment);
  if (fragment.size() >= 3) {
    const std::string_view tail = fragment.substr(fragment.size() - 3);
    if (tail == "AND" || tail == "and") {
      fragment.remove_suffix(3);
      trim_right(fragment);
    }
  }
  std::string condition = "(";
  condition.append(fragment).append(")");
  return condition;
}

void append_verdict_column(std::string& sql, std::string_view condition,
                           std::string_view alias) {
  sql.append(", CASE WHEN ")
      .append(condition)
      .append(" THEN 1 WHEN NOT ")
      .append(condition)
      .append(" THEN 0 END AS ")
      .append(alias);
}

Veredicto verdict_of(const Variant& value) {
  if (value.is_null()) return Veredicto::No_Evaluable;
  return value.as_number() != 0 ? Veredicto::Cumple : Veredicto::No_Cumple;
}

}  // namespace promocionesQEX::explain
