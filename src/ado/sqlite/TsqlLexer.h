// The tokens of a T-SQL statement text, as much as the dialect rewriter
// needs: strings (with doubled quotes, and the N'..' form), names (bare,
// [bracketed] or "double-quoted"), numbers, @variables, comments (-- to the
// end of the line, and /* */, which nest in T-SQL) and symbols.
//
// Tokens view the statement text rather than copy it, and the lexer tells
// the words the rewriter acts on once, so that the passes compare small
// enums instead of texts: the rewriter runs before every statement.
#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <forward_list>
#include <string>
#include <string_view>
#include <vector>

namespace promocionesQEX::sqlite {

// The words the rewriter looks for, in any letter case: clause keywords and
// the functions whose result type decides how '+' is written.
enum class Keyword : std::uint8_t {
  None,
  // Clause keywords.
  All,
  And,
  As,
  Asc,
  Begin,
  Between,
  By,
  Case,
  Collate,
  Cross,
  Datefirst,
  Delete,
  Desc,
  Distinct,
  Else,
  End,
  Escape,
  Except,
  Exists,
  From,
  Full,
  Group,
  Having,
  In,
  Inner,
  Insert,
  Intersect,
  Into,
  Is,
  Join,
  Left,
  Like,
  Limit,
  Not,
  Offset,
  On,
  Or,
  Order,
  Outer,
  Right,
  Select,
  Set,
  Then,
  Top,
  Tran,
  Transaction,
  Union,
  Update,
  Values,
  When,
  Where,
  With,
  // Functions.
  Abs,
  Ascii,
  Avg,
  Ceiling,
  Char,
  Charindex,
  Concat,
  Count,
  Datalength,
  Datediff,
  Datepart,
  Day,
  Floor,
  Len,
  Lower,
  Ltrim,
  Month,
  Nchar,
  Patindex,
  Power,
  Quotename,
  Replace,
  Replicate,
  Reverse,
  Round,
  Rtrim,
  Sign,
  Space,
  Sqrt,
  Str,
  Stuff,
  Substr,
  Substring,
  Sum,
  Trim,
  Unicode,
  Upper,
  Year,
};

// The keyword a bare word is, in any letter case; None for other words.
Keyword keyword_of(std::string_view word);

// Spaces between tokens are not tokens: they stay in the statement text,
// between one token's end and the next one's offset.
struct Token {
  enum class Kind : std::uint8_t {
    Comment,
    String,  // '...' or N'...', quotes included
    Number,
    Word,        // a bare name or keyword
    QuotedName,  // [name] or "name", delimiters included
    Variable,    // @name
    Symbol,      // operators and punctuation, "<=" and "||" as one token
  };
  Kind kind;
  Keyword keyword;  // for a Word; None for every other kind
  char symbol;      // for a one-character Symbol, that character; else '\0'
  // How many parentheses are open around the token; a parenthesis belongs to
  // the level outside it.
  int depth;
  // What the token reads as: a view of the statement text, or of a text a
  // rewriting pass wrote in its place (see RewrittenTexts).
  std::string_view text;
  std::size_t offset;       // where it begins in the statement text
  std::size_t source_size;  // its length in the statement text

  bool is_significant() const { return kind != Kind::Comment; }
  bool is_symbol(char c) const { return symbol == c; }
  bool is(Keyword k) const { return kind == Kind::Word && keyword == k; }
};

// A statement text as tokens, with what the passes ask of all of them noted
// while lexing, so that a pass with nothing to do costs no walk.
struct TokenizedText {
  std::vector<Token> tokens;             // see joined()
  std::vector<std::size_t> significant;  // positions of the tokens that are
                                         // not comments
  // A N'..' string, a [name] or a nested /* */ comment: forms SQLite does
  // not read.
  bool dialect_quoting = false;
  std::bitset<256> keywords;  // by Keyword value
  std::bitset<256> symbols;   // by first character

  bool holds(Keyword k) const { return keywords[static_cast<std::size_t>(k)]; }
  // Whether a symbol token begins with `c`.
  bool holds_symbol(char c) const {
    return symbols[static_cast<unsigned char>(c)];
  }
};

// Splits the text into tokens. The tokens view `sql`, which must outlive
// them. Throws RuntimeError for an unterminated string, name or comment.
TokenizedText lex(std::string_view sql);

// The same into `out`, whose buffers are reused: a caller that lexes every
// statement keeps one TokenizedText and allocates nothing once it has grown.
void lex(std::string_view sql, TokenizedText& out);

// The tokens alone.
std::vector<Token> tokenize(std::string_view sql);

// The positions of the tokens that are not comments.
std::vector<std::size_t> significant_positions(
    const std::vector<Token>& tokens);

// The name a Word or QuotedName token stands for, without delimiters.
std::string name_of(const Token& token);

// Keeps the texts passes write in place of tokens' own. Each text stays where
// it is while more are added, so tokens can view it.
class RewrittenTexts {
 public:
  std::string_view keep(std::string text) {
    return texts_.emplace_front(std::move(text));
  }

 private:
  std::forward_list<std::string> texts_;  // allocates nothing until used
};

// The statement text `sql` was split into, with each token's current text
// and the spaces between tokens as they were: the runs of untouched tokens
// are copied from `sql` whole.
std::string joined(std::string_view sql, const std::vector<Token>& tokens);

}  // namespace promocionesQEX::sqlite
