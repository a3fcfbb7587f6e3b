// T-SQL joins texts with '+'; SQLite's '+' adds numbers and turns '%' + 'x'
// into 0 without a word. This pass finds each chain of '+' whose operands
// include a text (a string literal, or a call of a function that returns
// text such as LTRIM, STR or SUBSTRING) and writes its '+' as '||'.
//
// Operands whose type the text does not show (columns, CASE, CAST) leave a
// chain as it is: a chain of columns only is added, as SQLite would. A chain
// that mixes a text with a number literal, a numeric function, '-' or
// '*'/'/' is refused, since SQL Server would convert the text to a number
// there and fail.
#pragma once

#include <vector>

#include "ado/sqlite/TsqlLexer.h"

namespace promocionesQEX::sqlite {

// Rewrites the '+' tokens in place. Throws RuntimeError for a refused chain.
void rewrite_string_concatenation(TokenizedText& text);

}  // namespace promocionesQEX::sqlite
