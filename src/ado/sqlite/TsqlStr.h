// STR as SQL Server writes a number: right-justified in a field of `length`
// characters (10 by default) with `decimals` places (0 by default, at most
// 16), rounded half away from zero. When the places do not fit they are
// reduced; when the whole part does not fit the field is all '*'.
#pragma once

#include <optional>
#include <string>

namespace promocionesQEX::sqlite {

inline constexpr int kStrDefaultLength = 10;
inline constexpr int kStrMaxLength = 8000;
inline constexpr int kStrMaxDecimals = 16;

// Empty (SQL NULL) for a length outside 1..8000 or negative decimals, as SQL
// Server answers NULL for them.
std::optional<std::string> tsql_str(double value,
                                    int length = kStrDefaultLength,
                                    int decimals = 0);

}  // namespace promocionesQEX::sqlite
