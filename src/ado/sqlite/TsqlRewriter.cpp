#include "ado/sqlite/TsqlRewriter.h"

#include <vector>

#include "ado/sqlite/TsqlConcat.h"
#include "ado/sqlite/TsqlErrors.h"
#include "ado/sqlite/TsqlLexer.h"
#include "ado/sqlite/TsqlOrderByNames.h"

namespace promocionesQEX::sqlite {
namespace {

// Refuses a text that holds anything but spaces, comments and ';' after
// its first ';'.
void require_one_statement(const std::vector<Token>& tokens,
                           const std::vector<std::size_t>& sig) {
  bool after_semicolon = false;
  for (const std::size_t position : sig) {
    const Token& t = tokens[position];
    if (t.is_symbol(";")) {
      after_semicolon = true;
    } else if (after_semicolon) {
      throw dialect_error(
          "The text holds more than one statement (something follows ';'); "
          "execute one statement at a time. Nothing was run.");
    }
  }
  if (sig.empty() || tokens[sig.front()].is_symbol(";")) {
    throw dialect_error("The statement text is empty");
  }
}

// SET DATEFIRST n [;] as a setting; any other SET refused.
int read_set_datefirst(const std::vector<Token>& tokens,
                       const std::vector<std::size_t>& sig) {
  const auto at = [&](std::size_t i) -> const Token* {
    return i < sig.size() ? &tokens[sig[i]] : nullptr;
  };
  const bool shape = at(1) && at(1)->is_word("DATEFIRST") && at(2) &&
                     at(2)->kind == Token::Kind::Number &&
                     (!at(3) || at(3)->is_symbol(";"));
  if (!shape) {
    throw dialect_error(
        "Only SET DATEFIRST n is supported by the embedded engine; this SET "
        "statement cannot be run: " +
        (at(1) ? at(1)->text : std::string("(nothing to set)")));
  }
  const std::string& value = at(2)->text;
  if (value.size() != 1 || value[0] < '1' || value[0] > '7') {
    throw dialect_error(
        "SET DATEFIRST: the value must be between 1 and 7, not " + value);
  }
  return value[0] - '0';
}

// N'..' to '..'; [name] to "name", the form SQLite reads everywhere.
void normalize_quoting(std::vector<Token>& tokens) {
  for (Token& t : tokens) {
    if (t.kind == Token::Kind::String && t.text.front() != '\'') {
      t.text.erase(0, 1);
    } else if (t.kind == Token::Kind::QuotedName && t.text.front() == '[') {
      std::string quoted = "\"";
      for (char c : name_of(t)) {
        quoted += c;
        if (c == '"') quoted += '"';
      }
      t.text = quoted + "\"";
    } else if (t.kind == Token::Kind::Comment && t.text.starts_with("/*") &&
               t.text.find("/*", 2) != std::string::npos) {
      t.text = " ";  // SQLite's comments do not nest
    }
  }
}

// DATEPART(weekday, x): the bare part name becomes 'weekday'.
void quote_date_parts(std::vector<Token>& tokens,
                      const std::vector<std::size_t>& sig) {
  for (std::size_t i = 0; i + 3 < sig.size(); ++i) {
    if (tokens[sig[i]].is_word("DATEPART") &&
        tokens[sig[i + 1]].is_symbol("(") &&
        tokens[sig[i + 2]].kind == Token::Kind::Word &&
        tokens[sig[i + 3]].is_symbol(",")) {
      Token& part = tokens[sig[i + 2]];
      part.kind = Token::Kind::String;
      part.text = "'" + part.text + "'";
    }
  }
}

}  // namespace

RewrittenStatement rewrite_tsql(std::string_view text) {
  std::vector<Token> tokens = tokenize(text);
  const std::vector<std::size_t> sig = significant_positions(tokens);
  require_one_statement(tokens, sig);
  if (tokens[sig.front()].is_word("SET")) {
    return {"", read_set_datefirst(tokens, sig)};
  }
  normalize_quoting(tokens);
  quote_date_parts(tokens, sig);
  rewrite_string_concatenation(tokens);
  name_qualified_select_items(tokens);
  RewrittenStatement result;
  for (const Token& t : tokens) result.sql += t.text;
  return result;
}

}  // namespace promocionesQEX::sqlite
