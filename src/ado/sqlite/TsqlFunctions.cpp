#include "ado/sqlite/TsqlFunctions.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <string>
#include <string_view>

#include "ado/sqlite/TsqlDateText.h"
#include "ado/sqlite/TsqlPattern.h"
#include "ado/sqlite/TsqlStr.h"

namespace promocionesQEX::sqlite {
namespace {

std::string_view text_of(sqlite3_value* value) {
  const auto* text = sqlite3_value_text(value);
  return {reinterpret_cast<const char*>(text),
          static_cast<std::size_t>(sqlite3_value_bytes(value))};
}

void result_text(sqlite3_context* context, const std::string& text) {
  sqlite3_result_text(context, text.data(), static_cast<int>(text.size()),
                      SQLITE_TRANSIENT);
}

void result_error(sqlite3_context* context, const std::string& message) {
  sqlite3_result_error(context, message.data(),
                       static_cast<int>(message.size()));
}

bool any_null(int argc, sqlite3_value** argv) {
  return std::any_of(argv, argv + argc, [](sqlite3_value* v) {
    return sqlite3_value_type(v) == SQLITE_NULL;
  });
}

// PATINDEX(pattern, expression)
void patindex_function(sqlite3_context* context, int argc,
                       sqlite3_value** argv) {
  if (any_null(argc, argv)) return sqlite3_result_null(context);
  try {
    sqlite3_result_int64(context, patindex(text_of(argv[0]), text_of(argv[1])));
  } catch (const std::invalid_argument& e) {
    result_error(context, e.what());
  }
}

std::string lower(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// The value of one date part, or -1 for a part DATEPART does not answer here.
int date_part(const std::string& part, const DateParts& d, int datefirst) {
  if (part == "weekday" || part == "dw" || part == "w") {
    return tsql_weekday(d, datefirst);
  }
  if (part == "year" || part == "yy" || part == "yyyy") return d.year;
  if (part == "month" || part == "mm" || part == "m") return d.month;
  if (part == "day" || part == "dd" || part == "d") return d.day;
  if (part == "hour" || part == "hh") return d.hour;
  if (part == "minute" || part == "mi" || part == "n") return d.minute;
  if (part == "second" || part == "ss" || part == "s") return d.second;
  return -1;
}

// DATEPART(part, date): the statement names the part bare, as T-SQL does;
// the rewriter hands it over as a text.
void datepart_function(sqlite3_context* context, int /*argc*/,
                       sqlite3_value** argv) {
  const std::string part = lower(text_of(argv[0]));
  if (sqlite3_value_type(argv[1]) == SQLITE_NULL) {
    return sqlite3_result_null(context);
  }
  if (sqlite3_value_type(argv[1]) != SQLITE_TEXT) {
    return result_error(context,
                        "DATEPART: the date must be a date-time text such as "
                        "'YYYYMMDD' or 'YYYY-MM-DD HH:MM:SS'");
  }
  const auto date = parse_date_text(text_of(argv[1]));
  if (!date) {
    return result_error(context,
                        "Conversion failed when converting date and/or time "
                        "from character string: '" +
                            std::string(text_of(argv[1])) + "'");
  }
  const auto* session = static_cast<const std::shared_ptr<TsqlSession>*>(
      sqlite3_user_data(context));
  const int value = date_part(part, *date, (*session)->datefirst.load());
  if (value < 0) {
    return result_error(context, "DATEPART: the date part '" + part +
                                     "' is not supported (weekday, year, "
                                     "month, day, hour, minute, second)");
  }
  sqlite3_result_int(context, value);
}

// STR(number [, length [, decimals]])
void str_function(sqlite3_context* context, int argc, sqlite3_value** argv) {
  if (argc < 1 || argc > 3) {
    return result_error(context, "STR takes one to three arguments");
  }
  if (any_null(argc, argv)) return sqlite3_result_null(context);
  for (int i = 0; i < argc; ++i) {
    const int type = sqlite3_value_numeric_type(argv[i]);
    if (type != SQLITE_INTEGER && type != SQLITE_FLOAT) {
      return result_error(context,
                          "Error converting data type varchar to float: STR "
                          "needs numbers, got '" +
                              std::string(text_of(argv[i])) + "'");
    }
  }
  const int length = argc > 1 ? sqlite3_value_int(argv[1]) : kStrDefaultLength;
  const int decimals = argc > 2 ? sqlite3_value_int(argv[2]) : 0;
  const auto text = tsql_str(sqlite3_value_double(argv[0]), length, decimals);
  if (!text) return sqlite3_result_null(context);
  result_text(context, *text);
}

// QEX_SET_DATEFIRST(n): SET DATEFIRST n for a client that reaches SQLite
// without the library's rewriter in front (the ODBC backend over the SQLite
// ODBC driver, which loads the dialect as an extension). Answers n.
void set_datefirst_function(sqlite3_context* context, int /*argc*/,
                            sqlite3_value** argv) {
  const int value = sqlite3_value_int(argv[0]);
  if (sqlite3_value_numeric_type(argv[0]) != SQLITE_INTEGER || value < 1 ||
      value > 7) {
    return result_error(context,
                        "SET DATEFIRST: the value must be between 1 and 7");
  }
  const auto* session = static_cast<const std::shared_ptr<TsqlSession>*>(
      sqlite3_user_data(context));
  (*session)->datefirst = value;
  sqlite3_result_int(context, value);
}

void destroy_session(void* session) {
  delete static_cast<std::shared_ptr<TsqlSession>*>(session);
}

}  // namespace

int register_tsql_functions(sqlite3* db, std::shared_ptr<TsqlSession> session) {
  constexpr int kPure = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
  int rc =
      sqlite3_create_function_v2(db, "PATINDEX", 2, kPure, nullptr,
                                 patindex_function, nullptr, nullptr, nullptr);
  if (rc == SQLITE_OK) {
    rc = sqlite3_create_function_v2(db, "STR", -1, kPure, nullptr, str_function,
                                    nullptr, nullptr, nullptr);
  }
  if (rc == SQLITE_OK) {
    // The answer follows the session's SET DATEFIRST, which changes only
    // between statements: within one run of a statement DATEPART of a
    // constant is a constant, and declaring it deterministic lets SQLite
    // compute it once a run instead of once a row (it does so again on
    // every run, after a SET DATEFIRST too). SQLite calls destroy_session
    // when the function goes away, and also when registering fails, so the
    // copy never leaks.
    rc = sqlite3_create_function_v2(
        db, "DATEPART", 2, kPure,
        new std::shared_ptr<TsqlSession>(session), datepart_function, nullptr,
        nullptr, destroy_session);
  }
  if (rc == SQLITE_OK) {
    rc = sqlite3_create_function_v2(
        db, "QEX_SET_DATEFIRST", 1, SQLITE_UTF8 | SQLITE_DIRECTONLY,
        new std::shared_ptr<TsqlSession>(std::move(session)),
        set_datefirst_function, nullptr, nullptr, destroy_session);
  }
  return rc;
}

}  // namespace promocionesQEX::sqlite
