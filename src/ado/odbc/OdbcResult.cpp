#include "ado/odbc/OdbcResult.h"

#include <optional>
#include <vector>

#include "ado/odbc/OdbcDiagnostics.h"
#include "ado/odbc/OdbcText.h"
#include "promocionesQEX/DateTime.h"

namespace promocionesQEX::odbc {
namespace {

enum class Kind { Number, Moment, Text };

Kind kind_of(SQLSMALLINT sql_type) {
  switch (sql_type) {
    case SQL_BIT:
    case SQL_TINYINT:
    case SQL_SMALLINT:
    case SQL_INTEGER:
    case SQL_BIGINT:
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_DECIMAL:
    case SQL_NUMERIC:
      return Kind::Number;
    case SQL_TYPE_DATE:
    case SQL_TYPE_TIME:
    case SQL_TYPE_TIMESTAMP:
    case SQL_DATETIME:
      return Kind::Moment;
    default:
      return Kind::Text;
  }
}

void check(SQLRETURN rc, SQLHSTMT statement, const char* what) {
  if (!SQL_SUCCEEDED(rc))
    throw odbc_error(kCommandError, what,
                     diagnostics(SQL_HANDLE_STMT, statement));
}

// A text of any length, read in pieces until the driver has no more.
template <typename Char>
std::optional<std::basic_string<Char>> read_pieces(SQLHSTMT statement,
                                                   SQLUSMALLINT column,
                                                   SQLSMALLINT c_type) {
  std::basic_string<Char> text;
  Char piece[2048];
  for (;;) {
    SQLLEN indicator = 0;
    const SQLRETURN rc =
        SQLGetData(statement, column, c_type, piece, sizeof piece, &indicator);
    if (rc == SQL_NO_DATA) break;
    check(rc, statement, "Reading a text column");
    if (indicator == SQL_NULL_DATA) return std::nullopt;
    const std::size_t capacity = std::size(piece) - 1;  // less the NUL
    const std::size_t got =
        indicator == SQL_NO_TOTAL || indicator < 0 ||
                static_cast<std::size_t>(indicator) / sizeof(Char) > capacity
            ? capacity
            : static_cast<std::size_t>(indicator) / sizeof(Char);
    text.append(piece, got);
    if (rc == SQL_SUCCESS) break;  // SUCCESS_WITH_INFO: more to come
  }
  return text;
}

Variant read_text(SQLHSTMT statement, SQLUSMALLINT column, TextCalls calls) {
  if (calls == TextCalls::Utf8) {
    auto text = read_pieces<char>(statement, column, SQL_C_CHAR);
    return text ? Variant(std::move(*text)) : Variant();
  }
  auto text = read_pieces<SQLWCHAR>(statement, column, SQL_C_WCHAR);
  return text ? Variant(to_utf8(*text)) : Variant();
}

Variant read_value(SQLHSTMT statement, SQLUSMALLINT column, Kind kind,
                   TextCalls calls) {
  SQLLEN indicator = 0;
  if (kind == Kind::Number) {
    double number = 0;
    check(SQLGetData(statement, column, SQL_C_DOUBLE, &number, 0, &indicator),
          statement, "Reading a number column");
    return indicator == SQL_NULL_DATA ? Variant() : Variant(number);
  }
  if (kind == Kind::Moment) {
    SQL_TIMESTAMP_STRUCT t{};
    check(SQLGetData(statement, column, SQL_C_TYPE_TIMESTAMP, &t, sizeof t,
                     &indicator),
          statement, "Reading a date-time column");
    if (indicator == SQL_NULL_DATA) return Variant();
    return Variant(DateTime{t.year, t.month, t.day, t.hour, t.minute,
                            t.second, static_cast<int>(t.fraction / 1000000)});
  }
  return read_text(statement, column, calls);
}

}  // namespace

Recordset read_result(SQLHSTMT statement, TextCalls calls) {
  SQLSMALLINT count = 0;
  check(SQLNumResultCols(statement, &count), statement, "Reading the result");
  if (count == 0) return Recordset::from_rows({}, {});

  std::vector<std::string> names;
  std::vector<Kind> kinds;
  for (SQLUSMALLINT c = 1; c <= count; ++c) {
    SQLWCHAR name[256] = {};
    SQLSMALLINT name_length = 0, type = 0, decimals = 0, nullable = 0;
    SQLULEN size = 0;
    check(SQLDescribeColW(statement, c, name, SQLSMALLINT(std::size(name)),
                          &name_length, &type, &size, &decimals, &nullable),
          statement, "Describing the result");
    names.push_back(to_utf8(
        name, std::min<std::size_t>(name_length, std::size(name) - 1)));
    kinds.push_back(kind_of(type));
  }

  std::vector<std::vector<Variant>> rows;
  for (;;) {
    const SQLRETURN rc = SQLFetch(statement);
    if (rc == SQL_NO_DATA) break;
    check(rc, statement, "Reading a row");
    std::vector<Variant>& row = rows.emplace_back();
    row.reserve(count);
    for (SQLUSMALLINT c = 1; c <= count; ++c)
      row.push_back(read_value(statement, c, kinds[c - 1], calls));
  }
  return Recordset::from_rows(std::move(names), std::move(rows));
}

}  // namespace promocionesQEX::odbc
