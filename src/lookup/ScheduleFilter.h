// The conditions that Promocion_1x and Promocion_Clasificador rows share in
// their WHERE clauses: daily time window, weekday, branch, scope type and
// value, validity dates and status. Both tables name the columns alike
// after their own prefix ("Prm_" or "Pc_"); each statement picks the order
// in which it appends them.
#pragma once

#include <string>
#include <string_view>

#include "promocionesQEX/DateTime.h"

namespace promocionesQEX::lookup {

// Inclusive daily window; the time of `fecha` is written as HH:MM:SS on the
// day the windows are stored on.
void append_time_window(std::string& sql, std::string_view prefix,
                        const DateTime& fecha);
// The date's weekday (under SET DATEFIRST 1) among the row's day digits.
void append_weekday(std::string& sql, std::string_view prefix,
                    std::string_view date_literal);
// The branch itself or every branch ('%').
void append_branch(std::string& sql, std::string_view prefix,
                   std::string_view sucursal);
void append_scope(std::string& sql, std::string_view prefix,
                  std::string_view code, std::string_view value);
// Inclusive validity dates.
void append_validity(std::string& sql, std::string_view prefix,
                     std::string_view date_literal);
// Rows in force only; always the last condition.
void append_in_force(std::string& sql);

}  // namespace promocionesQEX::lookup
