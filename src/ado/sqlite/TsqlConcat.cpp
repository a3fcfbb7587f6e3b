#include "ado/sqlite/TsqlConcat.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

#include "ado/sqlite/TsqlErrors.h"

namespace promocionesQEX::sqlite {
namespace {

enum class Type { Unknown, Text, Number };

bool in_list(const Token& word, std::initializer_list<std::string_view> list) {
  return std::any_of(list.begin(), list.end(),
                     [&](std::string_view w) { return word.is_word(w); });
}

// Words that end an operand instead of being one.
bool is_keyword(const Token& t) {
  return in_list(
      t, {"SELECT",  "FROM",      "WHERE",  "AND",    "OR",      "NOT",
          "BETWEEN", "LIKE",      "IN",     "IS",     "AS",      "ON",
          "JOIN",    "INNER",     "LEFT",   "RIGHT",  "FULL",    "OUTER",
          "CROSS",   "GROUP",     "ORDER",  "BY",     "HAVING",  "UNION",
          "ALL",     "DISTINCT",  "TOP",    "ASC",    "DESC",    "INSERT",
          "INTO",    "VALUES",    "UPDATE", "SET",    "DELETE",  "WHEN",
          "THEN",    "ELSE",      "END",    "ESCAPE", "COLLATE", "EXISTS",
          "EXCEPT",  "INTERSECT", "WITH",   "LIMIT",  "OFFSET"});
}

Type function_type(const Token& name) {
  if (in_list(name,
              {"LTRIM", "RTRIM", "TRIM", "STR", "UPPER", "LOWER", "SUBSTRING",
               "SUBSTR", "LEFT", "RIGHT", "REPLACE", "REPLICATE", "SPACE",
               "CHAR", "NCHAR", "CONCAT", "REVERSE", "STUFF", "QUOTENAME"})) {
    return Type::Text;
  }
  if (in_list(name,
              {"LEN",       "DATALENGTH", "DATEPART", "DATEDIFF", "PATINDEX",
               "CHARINDEX", "COUNT",      "SUM",      "AVG",      "ABS",
               "ROUND",     "FLOOR",      "CEILING",  "YEAR",     "MONTH",
               "DAY",       "ASCII",      "UNICODE",  "SIGN",     "POWER",
               "SQRT"})) {
    return Type::Number;
  }
  return Type::Unknown;
}

// A recursive walk over the significant tokens: expressions are chains of
// terms joined by '+'/'-', terms are operands joined by '*', '/', '%'.
class ConcatPass {
 public:
  explicit ConcatPass(std::vector<Token>& tokens)
      : tokens_(tokens), sig_(significant_positions(tokens)) {}

  void run() { sequence(""); }

 private:
  const Token* peek(std::size_t ahead = 0) const {
    return p_ + ahead < sig_.size() ? &tokens_[sig_[p_ + ahead]] : nullptr;
  }
  bool next_is_symbol(std::string_view s, std::size_t ahead = 0) const {
    return peek(ahead) && peek(ahead)->is_symbol(s);
  }

  bool starts_operand() const {
    const Token* t = peek();
    if (!t) return false;
    switch (t->kind) {
      case Token::Kind::String:
      case Token::Kind::Number:
      case Token::Kind::QuotedName:
      case Token::Kind::Variable:
        return true;
      case Token::Kind::Word:
        // LEFT and RIGHT are functions too: LEFT(x, 2) + 'a'.
        return !is_keyword(*t) || t->is_word("CASE") ||
               ((t->is_word("LEFT") || t->is_word("RIGHT")) &&
                next_is_symbol("(", 1));
      case Token::Kind::Symbol:
        return t->is_symbol("(") || t->is_symbol("+") || t->is_symbol("-");
      default:
        return false;
    }
  }

  // Expressions and the tokens between them up to the closing token (")" or
  // END) or the end; the type of the whole when it is one expression.
  Type sequence(std::string_view closing) {
    int expressions = 0;
    bool other_tokens = false;
    Type type = Type::Unknown;
    while (const Token* t = peek()) {
      if (!closing.empty() && (t->is_symbol(closing) || t->is_word(closing))) {
        break;
      }
      if (starts_operand()) {
        type = chain();
        ++expressions;
      } else {
        other_tokens = true;
        ++p_;
      }
    }
    return expressions == 1 && !other_tokens ? type : Type::Unknown;
  }

  Type chain() {
    std::vector<Type> terms;
    std::vector<std::size_t> pluses;
    bool minus = false;
    bool arithmetic = false;
    while (true) {
      terms.push_back(term(arithmetic));
      if (!(next_is_symbol("+") || next_is_symbol("-")) ||
          !starts_operand_after_operator()) {
        break;
      }
      if (peek()->is_symbol("+")) {
        pluses.push_back(sig_[p_]);
      } else {
        minus = true;
      }
      ++p_;
    }
    const bool text =
        std::find(terms.begin(), terms.end(), Type::Text) != terms.end();
    if (!text) {
      return std::find(terms.begin(), terms.end(), Type::Number) != terms.end()
                 ? Type::Number
                 : Type::Unknown;
    }
    if (terms.size() == 1) return Type::Text;
    if (minus || arithmetic ||
        std::find(terms.begin(), terms.end(), Type::Number) != terms.end()) {
      throw dialect_error(
          "An expression adds a number to a text with '+' (or mixes text with "
          "'-', '*' or '/'); SQL Server would try to convert the text to a "
          "number. Write the number as text or convert it with STR.");
    }
    for (std::size_t position : pluses) tokens_[position].text = "||";
    return Type::Text;
  }

  // Whether the token after a '+'/'-' at p_ can begin an operand.
  bool starts_operand_after_operator() {
    ++p_;
    const bool ok = starts_operand();
    --p_;
    return ok;
  }

  // Operands joined by '*', '/', '%', each with optional signs in front.
  Type term(bool& arithmetic) {
    Type type = signed_operand();
    while (
        (next_is_symbol("*") || next_is_symbol("/") || next_is_symbol("%")) &&
        starts_operand_after_operator()) {
      ++p_;
      signed_operand();
      arithmetic = true;
      type = Type::Number;
    }
    return type;
  }

  Type signed_operand() {
    bool sign = false;
    while (next_is_symbol("+") || next_is_symbol("-")) {
      sign = true;
      ++p_;
    }
    const Type type = operand();
    return sign && type != Type::Number ? Type::Unknown : type;
  }

  Type operand() {
    if (!starts_operand()) return Type::Unknown;  // a sign before nothing
    const Token& t = *peek();
    ++p_;
    switch (t.kind) {
      case Token::Kind::String:
        return Type::Text;
      case Token::Kind::Number:
        return Type::Number;
      case Token::Kind::Symbol:  // '('
        return group(")");
      default:
        break;
    }
    if (t.is_word("CASE")) {
      group("END");
      return Type::Unknown;
    }
    const Token* name = &t;
    while (next_is_symbol(".") && peek(1) &&
           peek(1)->kind != Token::Kind::Symbol) {
      name = peek(1);
      p_ += 2;
    }
    if (next_is_symbol("(")) {
      ++p_;
      group(")");
      return function_type(*name);
    }
    return Type::Unknown;
  }

  // The inside of ( ) or CASE ... END, and its closing token.
  Type group(std::string_view closing) {
    const Type type = sequence(closing);
    if (peek()) ++p_;
    return type;
  }

  std::vector<Token>& tokens_;
  std::vector<std::size_t> sig_;
  std::size_t p_ = 0;
};

}  // namespace

void rewrite_string_concatenation(std::vector<Token>& tokens) {
  ConcatPass(tokens).run();
}

}  // namespace promocionesQEX::sqlite
