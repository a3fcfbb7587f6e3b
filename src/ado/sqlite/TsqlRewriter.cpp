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
    if (t.is_symbol(';')) {
      after_semicolon = true;
    } else if (after_semicolon) {
      throw dialect_error(
          "The text holds more than one statement (something follows ';'); "
          "execute one statement at a time. Nothing was run.");
    }
  }
  if (sig.empty() || tokens[sig.front()].is_symbol(';')) {
    throw dialect_error("The statement text is empty");
  }
}

// SET DATEFIRST n [;] as a setting; any other SET refused.
int read_set_datefirst(const std::vector<Token>& tokens,
                       const std::vector<std::size_t>& sig) {
  const auto at = [&](std::size_t i) -> const Token* {
    return i < sig.size() ? &tokens[sig[i]] : nullptr;
  };
  const bool shape = at(1) && at(1)->is(Keyword::Datefirst) && at(2) &&
                     at(2)->kind == Token::Kind::Number &&
                     (!at(3) || at(3)->is_symbol(';'));
  if (!shape) {
    throw dialect_error(
        "Only SET DATEFIRST n is supported by the embedded engine; this SET "
        "statement cannot be run: " +
        std::string(at(1) ? at(1)->text : "(nothing to set)"));
  }
  const std::string_view value = at(2)->text;
  if (value.size() != 1 || value[0] < '1' || value[0] > '7') {
    throw dialect_error(
        "SET DATEFIRST: the value must be between 1 and 7, not " +
        std::string(value));
  }
  return value[0] - '0';
}

// BEGIN TRAN[SACTION] [;]. SQL Server takes a transaction's locks as it
// needs them and waits for them; SQLite's default (deferred) transaction
// that reads first fails at once when it then writes after another writer
// committed. Taking the write lock at the start makes writers queue behind
// one another (the busy timeout) as they do on SQL Server.
bool is_begin_transaction(const std::vector<Token>& tokens,
                          const std::vector<std::size_t>& sig) {
  return sig.size() >= 2 && sig.size() <= 3 &&
         tokens[sig[0]].is(Keyword::Begin) &&
         (tokens[sig[1]].is(Keyword::Tran) ||
          tokens[sig[1]].is(Keyword::Transaction)) &&
         (sig.size() == 2 || tokens[sig[2]].is_symbol(';'));
}

// N'..' to '..'; [name] to "name", the form SQLite reads everywhere.
void normalize_quoting(std::vector<Token>& tokens, RewrittenTexts& texts) {
  for (Token& t : tokens) {
    if (t.kind == Token::Kind::String && t.text.front() != '\'') {
      t.text.remove_prefix(1);
    } else if (t.kind == Token::Kind::QuotedName && t.text.front() == '[') {
      std::string quoted = "\"";
      for (char c : name_of(t)) {
        quoted += c;
        if (c == '"') quoted += '"';
      }
      quoted += '"';
      t.text = texts.keep(std::move(quoted));
    } else if (t.kind == Token::Kind::Comment && t.text.starts_with("/*") &&
               t.text.find("/*", 2) != std::string_view::npos) {
      t.text = " ";  // SQLite's comments do not nest
    }
  }
}

// DATEPART(weekday, x): the bare part name becomes 'weekday'.
void quote_date_parts(std::vector<Token>& tokens,
                      const std::vector<std::size_t>& sig,
                      RewrittenTexts& texts) {
  for (std::size_t i = 0; i + 3 < sig.size(); ++i) {
    if (tokens[sig[i]].is(Keyword::Datepart) &&
        tokens[sig[i + 1]].is_symbol('(') &&
        tokens[sig[i + 2]].kind == Token::Kind::Word &&
        tokens[sig[i + 3]].is_symbol(',')) {
      Token& part = tokens[sig[i + 2]];
      part.kind = Token::Kind::String;
      part.keyword = Keyword::None;
      part.text = texts.keep("'" + std::string(part.text) + "'");
    }
  }
}

}  // namespace

RewrittenStatement rewrite_tsql(std::string_view text) {
  // Every statement a thread runs comes through here: its tokens reuse the
  // thread's buffers rather than allocate a few kilobytes each time.
  thread_local TokenizedText lexed;
  lex(text, lexed);
  std::vector<Token>& tokens = lexed.tokens;
  const std::vector<std::size_t>& sig = lexed.significant;
  require_one_statement(tokens, sig);
  if (tokens[sig.front()].is(Keyword::Set)) {
    return {"", read_set_datefirst(tokens, sig)};
  }
  if (is_begin_transaction(tokens, sig)) {
    return {"BEGIN IMMEDIATE TRANSACTION", std::nullopt};
  }
  RewrittenTexts texts;  // the tokens may view these until joined
  if (lexed.dialect_quoting) normalize_quoting(tokens, texts);
  if (lexed.holds(Keyword::Datepart)) quote_date_parts(tokens, sig, texts);
  rewrite_string_concatenation(lexed);
  name_qualified_select_items(lexed, texts);
  return {joined(text, tokens), std::nullopt};
}

}  // namespace promocionesQEX::sqlite
