// Reading what an executed ODBC statement answered into a recordset, the
// whole result at once: the statement handle is freed before the caller
// sees a row, so several recordsets may be open on one connection (SQL
// Server allows one active result per connection otherwise).
#pragma once

#include <sql.h>
#include <sqlext.h>

#include "promocionesQEX/Recordset.h"

namespace promocionesQEX::odbc {

// How texts cross: in wide characters (UTF-16, what SQL Server drivers get
// right), or as the driver's own bytes when those are already UTF-8 (the
// SQLite ODBC driver, whose wide calls garble characters past U+07FF).
enum class TextCalls { Wide, Utf8 };

// Numbers (integer, decimal, floating, bit) become numbers; dates and times
// date-times; everything else text; SQL NULL is Null. A statement without a
// result (an INSERT) gives an open recordset without columns or rows.
// Driver failures raise odbc_error.
Recordset read_result(SQLHSTMT statement, TextCalls calls);

}  // namespace promocionesQEX::odbc
