#include "ado/sqlite/TsqlDateText.h"

#include <string>

namespace promocionesQEX::sqlite {
namespace {

// A left-to-right reader of the literal's digits and separators.
class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  bool at_end() const { return pos_ == text_.size(); }
  char peek() const { return at_end() ? '\0' : text_[pos_]; }
  bool is_digit() const { return peek() >= '0' && peek() <= '9'; }

  bool skip(char c) {
    if (peek() != c) return false;
    ++pos_;
    return true;
  }
  void skip_spaces() {
    while (peek() == ' ') ++pos_;
  }
  // Reads between `min` and `max` digits; false when there are fewer.
  bool digits(int min, int max, int& value, int* count = nullptr) {
    int n = 0;
    value = 0;
    while (n < max && is_digit()) {
      value = value * 10 + (text_[pos_++] - '0');
      ++n;
    }
    if (count) *count = n;
    return n >= min;
  }
  std::size_t digit_run() const {
    std::size_t n = 0;
    while (pos_ + n < text_.size() && text_[pos_ + n] >= '0' &&
           text_[pos_ + n] <= '9') {
      ++n;
    }
    return n;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

bool is_leap(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int days_in_month(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30,
                                  31, 31, 30, 31, 30, 31};
  return month == 2 && is_leap(year) ? 29 : kDays[month - 1];
}

bool read_date(Reader& in, DateParts& d) {
  if (in.digit_run() == 8) {  // YYYYMMDD
    int ymd = 0;
    in.digits(8, 8, ymd);
    d.year = ymd / 10000;
    d.month = ymd / 100 % 100;
    d.day = ymd % 100;
  } else {
    if (!in.digits(4, 4, d.year)) return false;
    const char separator = in.peek();
    if (separator != '-' && separator != '/') return false;
    in.skip(separator);
    if (!in.digits(1, 2, d.month) || !in.skip(separator)) return false;
    if (!in.digits(1, 2, d.day)) return false;
  }
  return d.year >= 1 && d.month >= 1 && d.month <= 12 && d.day >= 1 &&
         d.day <= days_in_month(d.year, d.month);
}

bool read_time(Reader& in, DateParts& d) {
  if (!in.digits(1, 2, d.hour) || !in.skip(':')) return false;
  if (!in.digits(1, 2, d.minute)) return false;
  if (in.skip(':')) {
    if (!in.digits(1, 2, d.second)) return false;
    if (in.skip('.')) {
      int fraction = 0;
      int count = 0;
      if (!in.digits(1, 7, fraction, &count)) return false;
      for (; count < 7; ++count) fraction *= 10;
      d.ticks = fraction;
    }
  }
  return d.hour <= 23 && d.minute <= 59 && d.second <= 59;
}

// Days from 1970-01-01 to the civil date (proleptic Gregorian).
long days_from_civil(int year, int month, int day) {
  year -= month <= 2;
  const long era = (year >= 0 ? year : year - 399) / 400;
  const long yoe = year - era * 400;
  const long doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

// The forms the store and the lookups write, read at fixed places:
// "YYYYMMDD", "YYYY-MM-DD" and "YYYY-MM-DD HH:MM:SS" (also with '/'). False
// when the text has another form, which the general reader then reads; a
// text of these forms that names no date-time is no date here either.
bool read_fixed_form(std::string_view t, DateParts& d, bool& is_date) {
  const auto digit = [&](std::size_t i) {
    return static_cast<unsigned>(t[i] - '0') <= 9;
  };
  const auto two = [&](std::size_t i) { return (t[i] - '0') * 10 + t[i + 1] - '0'; };
  std::size_t time_at = 0;
  if (t.size() == 8) {
    for (std::size_t i = 0; i < 8; ++i) {
      if (!digit(i)) return false;
    }
    d.year = two(0) * 100 + two(2);
    d.month = two(4);
    d.day = two(6);
  } else if (t.size() == 10 || t.size() == 19) {
    const char separator = t[4];
    if ((separator != '-' && separator != '/') || t[7] != separator) {
      return false;
    }
    for (const std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
      if (!digit(i)) return false;
    }
    d.year = two(0) * 100 + two(2);
    d.month = two(5);
    d.day = two(8);
    if (t.size() == 19) {
      if (t[10] != ' ' || t[13] != ':' || t[16] != ':') return false;
      for (const std::size_t i : {11, 12, 14, 15, 17, 18}) {
        if (!digit(i)) return false;
      }
      time_at = 11;
    }
  } else {
    return false;
  }
  is_date = d.year >= 1 && d.month >= 1 && d.month <= 12 && d.day >= 1 &&
            d.day <= days_in_month(d.year, d.month);
  if (time_at) {
    d.hour = two(time_at);
    d.minute = two(time_at + 3);
    d.second = two(time_at + 6);
    is_date = is_date && d.hour <= 23 && d.minute <= 59 && d.second <= 59;
  }
  return true;
}

// Any form SQL Server reads from text (see TsqlDateText.h).
std::optional<DateParts> read_general_form(std::string_view text) {
  DateParts d;
  Reader in(text);
  in.skip_spaces();
  // A time alone is two digits at most before its colon.
  const bool time_only = in.digit_run() <= 2 && in.digit_run() > 0;
  if (time_only) {
    if (!read_time(in, d)) return std::nullopt;
  } else {
    if (!read_date(in, d)) return std::nullopt;
    if (in.skip('T')) {
      if (!read_time(in, d)) return std::nullopt;
    } else {
      in.skip_spaces();
      if (!in.at_end() && !read_time(in, d)) return std::nullopt;
    }
  }
  in.skip_spaces();
  if (!in.at_end()) return std::nullopt;
  return d;
}

}  // namespace

std::optional<DateParts> parse_date_text(std::string_view text) {
  DateParts d;
  bool is_date = false;
  if (read_fixed_form(text, d, is_date)) {
    return is_date ? std::optional<DateParts>(d) : std::nullopt;
  }
  // The general reader costs several times the fixed forms, and a
  // statement compares one literal of another form (a time of day written
  // without padding, say) against row after row: the last text read that
  // way is kept with its answer.
  thread_local std::string last_text;
  thread_local std::optional<DateParts> last_answer;
  thread_local bool has_last = false;
  if (has_last && text == last_text) return last_answer;
  last_answer = read_general_form(text);
  last_text.assign(text);
  has_last = true;
  return last_answer;
}

int iso_weekday(const DateParts& date) {
  const long days = days_from_civil(date.year, date.month, date.day);
  // 1970-01-01 was a Thursday (4).
  const long weekday = ((days % 7) + 7 + 3) % 7;  // 0 = Monday
  return static_cast<int>(weekday) + 1;
}

int tsql_weekday(const DateParts& date, int datefirst) {
  return (iso_weekday(date) - datefirst + 7) % 7 + 1;
}

int compare_date_texts(std::string_view a, std::string_view b) {
  const auto da = parse_date_text(a);
  const auto db = parse_date_text(b);
  if (da && db) {
    const auto order = *da <=> *db;
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
  }
  if (da) return -1;  // dates before every other text
  if (db) return 1;
  const int order = a.compare(b);  // byte order, as memcmp
  return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

}  // namespace promocionesQEX::sqlite
