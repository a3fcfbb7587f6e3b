// When and where a promotion row applies: validity dates, a daily time
// window, weekdays and a branch, plus its status. The demo builds its
// schedules around one moment, so that some rows apply then and others miss
// it for one reason each.
#pragma once

#include <string>

#include "promocionesQEX/DateTime.h"

namespace promocionesQEX::demo {

struct Schedule {
  DateTime first_day;  // validity, both days included
  DateTime last_day;
  DateTime opens;  // daily window, on 1899-12-30, both ends included
  DateTime closes;
  std::string days = "1234567";  // weekday digits, 1 Monday to 7 Sunday
  std::string branch = "%";
  std::string status = "LI";
};

// The date `days` days after (or before, when negative) `date`, at 00:00.
DateTime add_days(const DateTime& date, int days);

// The time of day on 1899-12-30, the day time windows are stored on.
DateTime time_of_day(int hour, int minute, int second);

// Whether the row applies at `moment` in `branch`: live, valid that day, on
// that weekday, inside its daily window, for that branch or every branch.
bool applies_at(const Schedule& schedule, const DateTime& moment,
                const std::string& branch);

// In force at `moment` in every branch: valid from 4 days before to 26 days
// after it, every day, from two hours before its hour to three hours after.
Schedule in_force(const DateTime& moment);
// As in_force, on every weekday but the moment's.
Schedule another_day(const DateTime& moment);
// As in_force, with a daily window that does not hold the moment's time.
Schedule another_hour(const DateTime& moment);
// As in_force, for one branch only.
Schedule only_branch(const DateTime& moment, const std::string& branch);
// As in_force, deactivated.
Schedule deactivated(const DateTime& moment);

}  // namespace promocionesQEX::demo
