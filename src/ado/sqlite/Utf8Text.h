// Text as the suite's default collation sees it: UTF-8 read as characters,
// letters folded to one case (ASCII and the Latin-1 letters, so that ñ/Ñ and
// á/Á are the same letter while á and a stay different), and trailing spaces
// ignored when two texts are compared.
#pragma once

#include <string>
#include <string_view>

namespace promocionesQEX::sqlite {

// Reads the character starting at `pos` and moves `pos` past it. A byte that
// does not start a well-formed UTF-8 sequence is a character of its own
// (kStrayByteBase + the byte), so every text reads and orders the same way
// every time.
inline constexpr char32_t kStrayByteBase = 0x110000;
char32_t next_char(std::string_view text, std::size_t& pos);

// The lower-case form of an ASCII or Latin-1 letter; other characters as
// they are.
char32_t fold_case(char32_t c);

// The characters of the text, case-folded.
std::u32string folded_chars(std::string_view text);

// Orders two texts as the case-insensitive collation does: character by
// character after folding, the shorter text compared as if padded with
// spaces. Negative, zero or positive, like memcmp. A total order: texts are
// equal exactly when they differ only in letter case and trailing spaces.
int compare_case_insensitive(std::string_view a, std::string_view b);

}  // namespace promocionesQEX::sqlite
