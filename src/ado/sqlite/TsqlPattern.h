// PATINDEX as SQL Server answers it under the suite's case-insensitive
// default collation: the pattern uses the LIKE wildcards % (any run of
// characters), _ (one character), [abc] and [a-z] (one of a set) and [^x]
// (one not in a set); positions count characters, from 1.
#pragma once

#include <string_view>

namespace promocionesQEX::sqlite {

// The 1-based position where the first match of the pattern starts, 0 when
// there is none. A pattern that does not start with % must match from the
// first character, one that does not end with % up to the last. Throws
// std::invalid_argument for a pattern with an unclosed or empty [ ] set.
long patindex(std::string_view pattern, std::string_view text);

}  // namespace promocionesQEX::sqlite
