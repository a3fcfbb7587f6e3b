#include "promocionesQEX/DateTime.h"

#include <charconv>
#include <cstdio>
#include <ctime>

namespace promocionesQEX {
namespace {

bool is_leap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int days_in_month(int y, int m) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && is_leap(y) ? 29 : kDays[m - 1];
}

// Reads min_width to max_width decimal digits into `out`.
bool read_digits(std::string_view& s, int min_width, int max_width, int& out) {
  std::size_t n = 0;
  while (n < s.size() && n < static_cast<std::size_t>(max_width) &&
         s[n] >= '0' && s[n] <= '9')
    ++n;
  if (n < static_cast<std::size_t>(min_width)) return false;
  std::from_chars(s.data(), s.data() + n, out);
  s.remove_prefix(n);
  return true;
}

bool eat(std::string_view& s, char c) {
  if (s.empty() || s.front() != c) return false;
  s.remove_prefix(1);
  return true;
}

bool read_date(std::string_view& s, DateTime& d) {
  if (s.size() >= 8 && s[4] != '-') {  // YYYYMMDD
    return read_digits(s, 4, 4, d.year) && read_digits(s, 2, 2, d.month) &&
           read_digits(s, 2, 2, d.day);
  }
  return read_digits(s, 4, 4, d.year) && eat(s, '-') &&
         read_digits(s, 1, 2, d.month) && eat(s, '-') &&
         read_digits(s, 1, 2, d.day);
}

bool read_time(std::string_view& s, DateTime& d) {
  if (!read_digits(s, 1, 2, d.hour) || !eat(s, ':') ||
      !read_digits(s, 1, 2, d.minute))
    return false;
  if (eat(s, ':') && !read_digits(s, 1, 2, d.second)) return false;
  if (eat(s, '.')) {
    std::size_t n = 0;
    while (n < s.size() && s[n] >= '0' && s[n] <= '9') ++n;
    if (n == 0) return false;
    int ms = 0;
    for (std::size_t i = 0; i < 3; ++i)
      ms = ms * 10 + (i < n ? s[i] - '0' : 0);
    d.millisecond = ms;
    s.remove_prefix(n);
  }
  return true;
}

}  // namespace

DateTime DateTime::now() {
  std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  return DateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                  local.tm_hour,        local.tm_min,     local.tm_sec, 0};
}

std::optional<DateTime> DateTime::parse(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  DateTime d{};
  d.hour = d.minute = d.second = d.millisecond = 0;
  if (!read_date(text, d)) return std::nullopt;
  if (!text.empty()) {
    if (!eat(text, 'T') && !eat(text, ' ')) return std::nullopt;
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    if (!read_time(text, d) || !text.empty()) return std::nullopt;
  }
  if (!d.is_valid()) return std::nullopt;
  return d;
}

bool DateTime::is_valid() const {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
         day <= days_in_month(year, month) && hour >= 0 && hour < 24 &&
         minute >= 0 && minute < 60 && second >= 0 && second < 60 &&
         millisecond >= 0 && millisecond < 1000;
}

int DateTime::iso_weekday() const {
  // Sakamoto's method gives 0 = Sunday.
  static constexpr int kOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  int y = month < 3 ? year - 1 : year;
  int w = (y + y / 4 - y / 100 + y / 400 + kOffsets[month - 1] + day) % 7;
  return w == 0 ? 7 : w;
}

namespace {

// Writes `value` in `width` digits at `out` when it fits (0 to 10^width - 1),
// as printf's %0<width>d would.
bool put_digits(char* out, int value, int width) {
  int limit = 1;
  for (int i = 0; i < width; ++i) limit *= 10;
  if (value < 0 || value >= limit) return false;
  for (int i = width - 1; i >= 0; --i, value /= 10) out[i] = char('0' + value % 10);
  return true;
}

// "a<sep>b<sep>c" with a in `first_width` digits and b, c in two; empty
// when a field does not fit, for printf to write as it always did.
std::string three_fields(int a, int first_width, int b, int c, char sep) {
  char buf[12];
  const int w = first_width;
  if (!put_digits(buf, a, w) || !put_digits(buf + w + 1, b, 2) ||
      !put_digits(buf + w + 4, c, 2))
    return {};
  buf[w] = buf[w + 3] = sep;
  return std::string(buf, static_cast<std::size_t>(w) + 6);
}

}  // namespace

// The texts go into every lookup's statements: digits are written by hand,
// printf only for a field out of its usual range.
std::string DateTime::date_text() const {
  std::string text = three_fields(year, 4, month, day, '-');
  if (!text.empty()) return text;
  char buf[48];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", year, month, day);
  return buf;
}

std::string DateTime::time_text() const {
  std::string text = three_fields(hour, 2, minute, second, ':');
  if (!text.empty()) return text;
  char buf[48];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", hour, minute, second);
  return buf;
}

std::string DateTime::iso_text() const {
  return date_text() + ' ' + time_text();
}

std::string DateTime::compact_date() const {
  char buf[48];
  if (put_digits(buf, year, 4) && put_digits(buf + 4, month, 2) &&
      put_digits(buf + 6, day, 2))
    return std::string(buf, 8);
  std::snprintf(buf, sizeof buf, "%04d%02d%02d", year, month, day);
  return buf;
}

}  // namespace promocionesQEX
