// Turns one T-SQL statement text as the library writes it into the SQLite
// statement that answers it the same way, or into a session setting:
//   - SET DATEFIRST n becomes a setting and no statement; any other SET is
//     refused;
//   - a text holding a second statement after ';' is refused;
//   - N'..' becomes '..' and [name] becomes "name";
//   - the bare date part of DATEPART(weekday, x) becomes a text;
//   - '+' chains over texts become '||' (see TsqlConcat.h);
//   - qualified select items get an alias where ORDER BY may name them (see
//     TsqlOrderByNames.h).
// Everything else is left as written, comments included.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace promocionesQEX::sqlite {

struct RewrittenStatement {
  std::string sql;               // empty when there is nothing to run
  std::optional<int> datefirst;  // set by SET DATEFIRST n
};

// Throws RuntimeError (number 1) for what the dialect refuses: two
// statements, an unsupported SET, an empty text, unterminated strings and
// comments, a text added to a number.
RewrittenStatement rewrite_tsql(std::string_view text);

}  // namespace promocionesQEX::sqlite
