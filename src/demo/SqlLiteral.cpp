#include "SqlLiteral.h"

#include <array>
#include <charconv>

namespace promocionesQEX::demo {

std::string quoted(std::string_view text) {
  std::string result;
  result.reserve(text.size() + 2);
  result.push_back('\'');
  for (char c : text) {
    if (c == '\'') result.push_back('\'');
    result.push_back(c);
  }
  result.push_back('\'');
  return result;
}

std::string number_text(double value) {
  std::array<char, 400> buffer{};
  auto [end, error] =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                    std::chars_format::fixed);
  (void)error;  // the buffer holds any finite double in fixed form
  return std::string(buffer.data(), end);
}

std::string date_time_literal(const DateTime& value) {
  return "'" + value.iso_text() + "'";
}

std::string numbered_key(std::string_view prefix, long number, int width) {
  std::string digits = std::to_string(number);
  std::string key(prefix);
  if (static_cast<int>(digits.size()) < width) {
    key.append(static_cast<std::size_t>(width) - digits.size(), '0');
  }
  return key + digits;
}

int key_width(long count, int minimum) {
  int width = 1;
  for (long limit = 10; limit <= count; limit *= 10) ++width;
  return width < minimum ? minimum : width;
}

}  // namespace promocionesQEX::demo
