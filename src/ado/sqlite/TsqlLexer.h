// The tokens of a T-SQL statement text, as much as the dialect rewriter
// needs: strings (with doubled quotes, and the N'..' form), names (bare,
// [bracketed] or "double-quoted"), numbers, @variables, comments (-- to the
// end of the line, and /* */, which nest in T-SQL) and symbols.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace promocionesQEX::sqlite {

struct Token {
  enum class Kind {
    Space,
    Comment,
    String,  // '...' or N'...', quotes included
    Number,
    Word,        // a bare name or keyword
    QuotedName,  // [name] or "name", delimiters included
    Variable,    // @name
    Symbol,      // operators and punctuation, "<=" and "||" as one token
  };
  Kind kind;
  std::string text;

  bool is_significant() const {
    return kind != Kind::Space && kind != Kind::Comment;
  }
  bool is_symbol(std::string_view s) const {
    return kind == Kind::Symbol && text == s;
  }
  // A bare word equal to `upper` (given in upper case) in any letter case.
  bool is_word(std::string_view upper) const;
};

// Splits the text into tokens whose texts, joined, give the text back.
// Throws RuntimeError for an unterminated string, name or comment.
std::vector<Token> tokenize(std::string_view sql);

// The positions of the tokens that are neither spaces nor comments.
std::vector<std::size_t> significant_positions(
    const std::vector<Token>& tokens);

// The name a Word or QuotedName token stands for, without delimiters.
std::string name_of(const Token& token);

}  // namespace promocionesQEX::sqlite
