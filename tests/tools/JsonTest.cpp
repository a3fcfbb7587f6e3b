// --json output stays JSON whatever bytes the arguments and the store hold.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "Json.h"

namespace promociones_cli {
namespace {

TEST(JsonString, EscapesControlsAndReplacesBrokenUtf8) {
  const std::string fffd = "\xEF\xBF\xBD";
  const std::pair<std::string, std::string> cases[] = {
      // in, out
      {"\"\\\n\x01\x1f\x7f", "\\\"\\\\\\n\\u0001\\u001f\x7f"},
      {"ñ€\xF0\x9F\x98\x80", "ñ€\xF0\x9F\x98\x80"},  // 2, 3 and 4 bytes
      {"a\xFF"
       "b",
       "a" + fffd + "b"},
      {"\x80", fffd},      // a lone continuation
      {"\xE2\x82", fffd},  // cut at the end: one
      {"\xE2\x82"
       "A",
       fffd + "A"},                                     // cut before ASCII
      {"\xC0\xAF", fffd + fffd},                        // overlong '/'
      {"\xED\xA0\x80", fffd + fffd + fffd},             // a surrogate
      {"\xF4\x90\x80\x80", fffd + fffd + fffd + fffd},  // past U+10FFFF
  };
  for (const auto& [in, out] : cases)
    EXPECT_EQ(json_string(in), "\"" + out + "\"") << in;
}

TEST(JsonString, AnInfiniteNumberIsNull) {
  EXPECT_EQ(JsonObject().number("n", INFINITY).number("m", -1.5).str(),
            "{\"n\":null,\"m\":-1.5}");
}

}  // namespace
}  // namespace promociones_cli
