#include "ado/sqlite/TsqlLexer.h"

#include <cctype>

#include "ado/sqlite/TsqlErrors.h"

namespace promocionesQEX::sqlite {
namespace {

bool is_name_start(char c) {
  const auto u = static_cast<unsigned char>(c);
  return std::isalpha(u) || c == '_' || c == '#' || u >= 0x80;
}

bool is_name_char(char c) {
  const auto u = static_cast<unsigned char>(c);
  return is_name_start(c) || std::isdigit(u) || c == '$' || c == '@';
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

class Lexer {
 public:
  explicit Lexer(std::string_view sql) : sql_(sql) {}

  std::vector<Token> run() {
    std::vector<Token> tokens;
    while (pos_ < sql_.size()) {
      const std::size_t start = pos_;
      const Token::Kind kind = scan();
      tokens.push_back({kind, std::string(sql_.substr(start, pos_ - start))});
    }
    return tokens;
  }

 private:
  char at(std::size_t offset = 0) const {
    return pos_ + offset < sql_.size() ? sql_[pos_ + offset] : '\0';
  }

  Token::Kind scan() {
    const char c = at();
    if (std::isspace(static_cast<unsigned char>(c))) {
      while (pos_ < sql_.size() &&
             std::isspace(static_cast<unsigned char>(at())))
        ++pos_;
      return Token::Kind::Space;
    }
    if (c == '-' && at(1) == '-') {
      while (pos_ < sql_.size() && at() != '\n') ++pos_;
      return Token::Kind::Comment;
    }
    if (c == '/' && at(1) == '*') return block_comment();
    if (c == '\'') return quoted('\'', Token::Kind::String, "string");
    if ((c == 'N' || c == 'n') && at(1) == '\'') {
      ++pos_;
      return quoted('\'', Token::Kind::String, "string");
    }
    if (c == '[') return quoted(']', Token::Kind::QuotedName, "[name]");
    if (c == '"') return quoted('"', Token::Kind::QuotedName, "\"name\"");
    if (is_digit(c) || (c == '.' && is_digit(at(1)))) return number();
    if (c == '@') {
      ++pos_;
      while (is_name_char(at())) ++pos_;
      return Token::Kind::Variable;
    }
    if (is_name_start(c)) {
      while (is_name_char(at())) ++pos_;
      return Token::Kind::Word;
    }
    return symbol();
  }

  // From the opening delimiter to the closing one; a doubled closing
  // delimiter inside stands for itself.
  Token::Kind quoted(char close, Token::Kind kind, const char* what) {
    ++pos_;
    while (true) {
      if (pos_ >= sql_.size()) {
        throw dialect_error(std::string("Unterminated ") + what +
                            " in the statement text");
      }
      if (at() == close) {
        if (at(1) != close) break;
        ++pos_;
      }
      ++pos_;
    }
    ++pos_;
    return kind;
  }

  Token::Kind block_comment() {
    int depth = 0;
    do {
      if (pos_ >= sql_.size()) {
        throw dialect_error("Unterminated /* comment in the statement text");
      }
      if (at() == '/' && at(1) == '*') {
        ++depth;
        pos_ += 2;
      } else if (at() == '*' && at(1) == '/') {
        --depth;
        pos_ += 2;
      } else {
        ++pos_;
      }
    } while (depth > 0);
    return Token::Kind::Comment;
  }

  Token::Kind number() {
    if (at() == '0' && (at(1) == 'x' || at(1) == 'X')) {
      pos_ += 2;
      while (std::isxdigit(static_cast<unsigned char>(at()))) ++pos_;
      return Token::Kind::Number;
    }
    while (is_digit(at())) ++pos_;
    if (at() == '.') ++pos_;
    while (is_digit(at())) ++pos_;
    if ((at() == 'e' || at() == 'E') &&
        (is_digit(at(1)) ||
         ((at(1) == '+' || at(1) == '-') && is_digit(at(2))))) {
      pos_ += 2;
      while (is_digit(at())) ++pos_;
    }
    return Token::Kind::Number;
  }

  Token::Kind symbol() {
    static constexpr std::string_view kPairs[] = {
        "<=", ">=", "<>", "!=", "!<", "!>", "||", "::"};
    for (std::string_view pair : kPairs) {
      if (sql_.substr(pos_, 2) == pair) {
        pos_ += 2;
        return Token::Kind::Symbol;
      }
    }
    ++pos_;
    return Token::Kind::Symbol;
  }

  std::string_view sql_;
  std::size_t pos_ = 0;
};

}  // namespace

bool Token::is_word(std::string_view upper) const {
  if (kind != Kind::Word || text.size() != upper.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(text[i])) != upper[i]) {
      return false;
    }
  }
  return true;
}

std::vector<Token> tokenize(std::string_view sql) { return Lexer(sql).run(); }

std::vector<std::size_t> significant_positions(
    const std::vector<Token>& tokens) {
  std::vector<std::size_t> positions;
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    if (tokens[i].is_significant()) positions.push_back(i);
  }
  return positions;
}

std::string name_of(const Token& token) {
  if (token.kind != Token::Kind::QuotedName) return token.text;
  const char close = token.text.front() == '[' ? ']' : '"';
  std::string name;
  for (std::size_t i = 1; i + 1 < token.text.size(); ++i) {
    name += token.text[i];
    if (token.text[i] == close) ++i;  // a doubled delimiter
  }
  return name;
}

}  // namespace promocionesQEX::sqlite
