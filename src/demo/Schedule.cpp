#include "Schedule.h"

#include <algorithm>

namespace promocionesQEX::demo {
namespace {

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
long days_from_civil(int year, int month, int day) {
  year -= month <= 2;
  const long era = (year >= 0 ? year : year - 399) / 400;
  const long year_of_era = year - era * 400;
  const long day_of_year =
      (153L * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long day_of_era =
      year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

DateTime civil_from_days(long days) {
  days += 719468;
  const long era = (days >= 0 ? days : days - 146096) / 146097;
  const long day_of_era = days - era * 146097;
  const long year_of_era = (day_of_era - day_of_era / 1460 +
                            day_of_era / 36524 - day_of_era / 146096) /
                           365;
  const long day_of_year =
      day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const long mp = (5 * day_of_year + 2) / 153;
  DateTime date;
  date.day = static_cast<int>(day_of_year - (153 * mp + 2) / 5 + 1);
  date.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  date.year = static_cast<int>(year_of_era + era * 400 + (date.month <= 2));
  date.hour = date.minute = date.second = date.millisecond = 0;
  return date;
}

}  // namespace

DateTime add_days(const DateTime& date, int days) {
  return civil_from_days(days_from_civil(date.year, date.month, date.day) +
                         days);
}

DateTime time_of_day(int hour, int minute, int second) {
  return DateTime{1899, 12, 30, hour, minute, second, 0};
}

bool applies_at(const Schedule& schedule, const DateTime& moment,
                const std::string& branch) {
  const DateTime day = add_days(moment, 0);
  const DateTime clock = time_of_day(moment.hour, moment.minute, moment.second);
  return schedule.status == "LI" && schedule.first_day <= day &&
         day <= schedule.last_day && schedule.opens <= clock &&
         clock <= schedule.closes &&
         schedule.days.find(static_cast<char>('0' + moment.iso_weekday())) !=
             std::string::npos &&
         (schedule.branch == "%" || schedule.branch == branch);
}

Schedule in_force(const DateTime& moment) {
  Schedule schedule;
  schedule.first_day = add_days(moment, -4);
  schedule.last_day = add_days(moment, 26);
  schedule.opens = time_of_day(std::max(moment.hour - 2, 0), 0, 0);
  schedule.closes = moment.hour + 3 <= 23 ? time_of_day(moment.hour + 3, 0, 0)
                                          : time_of_day(23, 59, 59);
  return schedule;
}

Schedule another_day(const DateTime& moment) {
  Schedule schedule = in_force(moment);
  schedule.days.erase(
      schedule.days.find(static_cast<char>('0' + moment.iso_weekday())), 1);
  return schedule;
}

Schedule another_hour(const DateTime& moment) {
  Schedule schedule = in_force(moment);
  if (moment.hour < 12) {
    schedule.opens = time_of_day(moment.hour + 4, 0, 0);
    schedule.closes = time_of_day(moment.hour + 8, 0, 0);
  } else {
    schedule.opens = time_of_day(moment.hour - 8, 0, 0);
    schedule.closes = time_of_day(moment.hour - 4, 0, 0);
  }
  return schedule;
}

Schedule only_branch(const DateTime& moment, const std::string& branch) {
  Schedule schedule = in_force(moment);
  schedule.branch = branch;
  return schedule;
}

Schedule deactivated(const DateTime& moment) {
  Schedule schedule = in_force(moment);
  schedule.status = "BA";
  return schedule;
}

}  // namespace promocionesQEX::demo
