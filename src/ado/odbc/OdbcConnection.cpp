#include "ado/odbc/OdbcConnection.h"

#include <algorithm>
#include <cctype>

#include "ado/odbc/OdbcDiagnostics.h"
#include "ado/odbc/OdbcResult.h"
#include "ado/odbc/OdbcText.h"
#include "ado/sqlite/TsqlLexer.h"
#include "ado/sqlite/TsqlRewriter.h"

namespace promocionesQEX::odbc {
namespace {

constexpr long kBadArguments = 3001;  // as the connection text's other errors

std::string lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = char(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return "";
  return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

// SQL Server reads a batch of several statements where the library means
// one; refuse a second statement after ';' here, before anything runs, as
// the embedded engine does.
void require_one_statement(const std::string& text) {
  const sqlite::TokenizedText lexed = sqlite::lex(text);
  bool after_semicolon = false;
  for (const std::size_t position : lexed.significant) {
    const sqlite::Token& t = lexed.tokens[position];
    if (t.is_symbol(';')) {
      after_semicolon = true;
    } else if (after_semicolon) {
      throw RuntimeError(kCommandError,
                         "The text holds more than one statement (something "
                         "follows ';'); execute one statement at a time. "
                         "Nothing was run.");
    }
  }
}

// The SQLite ODBC driver decides from a statement's first word whether it
// answers rows, so the rows of an INSERT, UPDATE or DELETE ... RETURNING
// (the folio sequence's atomic take) would be dropped. A common table
// expression in front is still the same statement to SQLite, and starts
// with a word the driver reads as a query.
std::string with_rows_reported(std::string sql) {
  const sqlite::TokenizedText lexed = sqlite::lex(sql);
  if (lexed.significant.empty()) return sql;
  const sqlite::Token& first = lexed.tokens[lexed.significant.front()];
  if (!first.is(sqlite::Keyword::Update) &&
      !first.is(sqlite::Keyword::Insert) &&
      !first.is(sqlite::Keyword::Delete))
    return sql;
  for (const std::size_t position : lexed.significant)
    if (lexed.tokens[position].kind == sqlite::Token::Kind::Word &&
        lower(lexed.tokens[position].text) == "returning")
      return "WITH qex_filas AS (SELECT 1) " + sql;
  return sql;
}

// Frees a statement handle on every path.
struct StatementHandle {
  SQLHSTMT handle = SQL_NULL_HSTMT;
  ~StatementHandle() {
    if (handle != SQL_NULL_HSTMT) SQLFreeHandle(SQL_HANDLE_STMT, handle);
  }
};

}  // namespace

OdbcOptions parse_odbc_options(std::string_view connection_string) {
  OdbcOptions options;
  std::size_t start = 0;
  while (start <= connection_string.size()) {
    std::size_t end = connection_string.find(';', start);
    // A braced value ({...}) may hold ';'.
    const std::size_t brace = connection_string.find('{', start);
    if (brace < end) end = connection_string.find(';', connection_string.find('}', brace));
    if (end == std::string_view::npos) end = connection_string.size();
    const std::string_view pair = connection_string.substr(start, end - start);
    const std::size_t equals = pair.find('=');
    if (equals != std::string_view::npos &&
        lower(trimmed(pair.substr(0, equals))) == "statementtimeout") {
      const std::string value = trimmed(pair.substr(equals + 1));
      if (value.empty() || value.size() > 6 ||
          !std::all_of(value.begin(), value.end(),
                       [](unsigned char c) { return std::isdigit(c); }))
        throw RuntimeError(kBadArguments,
                           "StatementTimeout must be a whole number of "
                           "seconds, not \"" + value + "\"");
      options.timeout_seconds = std::stoul(value);
    } else if (!trimmed(pair).empty()) {
      if (!options.driver_string.empty()) options.driver_string += ';';
      options.driver_string += pair;
    }
    start = end + 1;
  }
  return options;
}

OdbcConnection::OdbcConnection(const std::string& connection_string) {
  OdbcOptions options = parse_odbc_options(connection_string);
  driver_string_ = std::move(options.driver_string);
  timeout_seconds_ = options.timeout_seconds;
  if (driver_string_.empty())
    throw RuntimeError(kBadArguments,
                       "The connection text odbc: names no data source: give "
                       "a DSN (odbc:DSN=...) or a driver string "
                       "(odbc:Driver=...;Server=...)");
  connect();
}

OdbcConnection::~OdbcConnection() { disconnect(); }

void OdbcConnection::connect() {
  if (!SQL_SUCCEEDED(
          SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &environment_)))
    throw RuntimeError(kConnectionError, "ODBC: no environment handle");
  SQLSetEnvAttr(environment_, SQL_ATTR_ODBC_VERSION,
                reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
  if (!SQL_SUCCEEDED(
          SQLAllocHandle(SQL_HANDLE_DBC, environment_, &connection_))) {
    disconnect();
    throw RuntimeError(kConnectionError, "ODBC: no connection handle");
  }
  WideText text = to_wide(driver_string_);
  const SQLRETURN rc = SQLDriverConnectW(
      connection_, nullptr, text.data(), SQLSMALLINT(text.size()), nullptr, 0,
      nullptr, SQL_DRIVER_NOPROMPT);
  if (!SQL_SUCCEEDED(rc)) {
    auto records = diagnostics(SQL_HANDLE_DBC, connection_);
    disconnect();
    throw odbc_error(kConnectionError, "Cannot connect through ODBC", records);
  }
  SQLWCHAR dbms[64] = {};
  SQLSMALLINT length = 0;
  SQLGetInfoW(connection_, SQL_DBMS_NAME, dbms, sizeof dbms, &length);
  const std::string name =
      to_utf8(dbms, std::min<std::size_t>(length / sizeof(SQLWCHAR), 63));
  engine_ = lower(name).find("sqlite") != std::string::npos ? "sqlite"
                                                             : "sqlserver";
  try {
    if (engine_ == "sqlserver") {
      // The library's time-of-day literals are 'yyyy-mm-dd hh:mm:ss', which
      // SQL Server reads by the login language's date order unless told.
      run("SET DATEFORMAT ymd");
    } else {
      // Without the extension the T-SQL functions would be missing and
      // every lookup would fail later with a less helpful message.
      run("SELECT QEX_SET_DATEFIRST(7)");
    }
  } catch (const RuntimeError& e) {
    disconnect();
    if (engine_ == "sqlite")
      throw RuntimeError(kConnectionError,
                         "The SQLite ODBC driver did not load the T-SQL "
                         "dialect: add LoadExt=<path of libqex_tsql_ext.so> "
                         "to the connection text (" + e.description() + ")");
    throw;
  }
}

void OdbcConnection::disconnect() noexcept {
  if (connection_ != SQL_NULL_HDBC) {
    SQLDisconnect(connection_);
    SQLFreeHandle(SQL_HANDLE_DBC, connection_);
    connection_ = SQL_NULL_HDBC;
  }
  if (environment_ != SQL_NULL_HENV) {
    SQLFreeHandle(SQL_HANDLE_ENV, environment_);
    environment_ = SQL_NULL_HENV;
  }
}

Recordset OdbcConnection::execute(const std::string& text) {
  if (connection_ == SQL_NULL_HDBC) connect();  // the link was lost before
  if (engine_ == "sqlite") {
    const sqlite::RewrittenStatement statement = sqlite::rewrite_tsql(text);
    if (statement.datefirst) {
      run("SELECT QEX_SET_DATEFIRST(" + std::to_string(*statement.datefirst) +
          ")");
      return Recordset::from_rows({}, {});
    }
    return run(with_rows_reported(statement.sql));
  }
  require_one_statement(text);
  return run(text);
}

Recordset OdbcConnection::run(const std::string& sql) {
  StatementHandle statement;
  if (!SQL_SUCCEEDED(
          SQLAllocHandle(SQL_HANDLE_STMT, connection_, &statement.handle))) {
    auto records = diagnostics(SQL_HANDLE_DBC, connection_);
    if (connection_lost(records)) disconnect();
    throw odbc_error(kConnectionError, "ODBC: no statement handle", records);
  }
  if (timeout_seconds_ > 0)
    SQLSetStmtAttr(statement.handle, SQL_ATTR_QUERY_TIMEOUT,
                   reinterpret_cast<SQLPOINTER>(timeout_seconds_), 0);
  const TextCalls calls = engine_ == "sqlite" ? TextCalls::Utf8 : TextCalls::Wide;
  SQLRETURN rc;
  if (calls == TextCalls::Wide) {
    WideText text = to_wide(sql);
    rc = SQLExecDirectW(statement.handle, text.data(), SQLINTEGER(text.size()));
  } else {
    std::string text = sql;  // the driver's narrow calls take UTF-8
    rc = SQLExecDirect(statement.handle,
                       reinterpret_cast<SQLCHAR*>(text.data()),
                       SQLINTEGER(text.size()));
  }
  // SQL_NO_DATA: an UPDATE or DELETE that touched no row.
  if (!SQL_SUCCEEDED(rc) && rc != SQL_NO_DATA) {
    auto records = diagnostics(SQL_HANDLE_STMT, statement.handle);
    if (connection_lost(records)) {
      SQLFreeHandle(SQL_HANDLE_STMT, statement.handle);
      statement.handle = SQL_NULL_HSTMT;
      disconnect();
      throw odbc_error(kConnectionError,
                       "The connection to the database was lost; the next "
                       "call connects again",
                       records);
    }
    throw odbc_error(kCommandError, "The database refused the statement",
                     records);
  }
  if (rc == SQL_NO_DATA) return Recordset::from_rows({}, {});
  return read_result(statement.handle, calls);
}

}  // namespace promocionesQEX::odbc
