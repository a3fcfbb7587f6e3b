#include "ado/sqlite/Utf8Text.h"

namespace promocionesQEX::sqlite {
namespace {

// The number of continuation bytes a lead byte announces, or -1 when the
// byte cannot start a sequence.
int continuation_count(unsigned char lead) {
  if (lead < 0x80) return 0;
  if (lead >= 0xC2 && lead <= 0xDF) return 1;
  if (lead >= 0xE0 && lead <= 0xEF) return 2;
  if (lead >= 0xF0 && lead <= 0xF4) return 3;
  return -1;
}

bool in_range(char32_t c, int length) {
  static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
  if (c < kMin[length]) return false;  // overlong form
  if (c >= 0xD800 && c <= 0xDFFF) return false;
  return c <= 0x10FFFF;
}

}  // namespace

char32_t next_char(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  const int extra = continuation_count(lead);
  if (extra == 0) {
    ++pos;
    return lead;
  }
  if (extra > 0 && pos + extra < text.size()) {
    char32_t c = lead & (0x3F >> extra);
    bool well_formed = true;
    for (int i = 1; well_formed && i <= extra; ++i) {
      const auto byte = static_cast<unsigned char>(text[pos + i]);
      well_formed = (byte & 0xC0) == 0x80;
      c = (c << 6) | (byte & 0x3F);
    }
    if (well_formed && in_range(c, extra)) {
      pos += extra + 1;
      return c;
    }
  }
  ++pos;
  return kStrayByteBase + lead;
}

char32_t fold_case(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 0x20;
  // À..Þ except × (U+00D7) pair with à..þ.
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
  if (c == 0x178)
    return 0xFF;  // Ÿ, the one Latin-1 letter whose capital is
                  // outside Latin-1
  return c;
}

std::u32string folded_chars(std::string_view text) {
  std::u32string chars;
  chars.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    chars.push_back(fold_case(next_char(text, pos)));
  }
  return chars;
}

int compare_case_insensitive(std::string_view a, std::string_view b) {
  // Keys and codes are nearly always ASCII: while both texts are, a byte is
  // a character and folding is one comparison, so the loop below, which
  // decodes UTF-8, takes over only from the first other byte (or at the end
  // of the shorter text, for the padding).
  const std::size_t common = a.size() < b.size() ? a.size() : b.size();
  std::size_t ascii = 0;
  for (; ascii < common; ++ascii) {
    auto ca = static_cast<unsigned char>(a[ascii]);
    auto cb = static_cast<unsigned char>(b[ascii]);
    if ((ca | cb) & 0x80) break;
    if (ca == cb) continue;
    if (ca >= 'A' && ca <= 'Z') ca += 0x20;
    if (cb >= 'A' && cb <= 'Z') cb += 0x20;
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  std::size_t pa = ascii;
  std::size_t pb = ascii;
  while (pa < a.size() || pb < b.size()) {
    const char32_t ca = pa < a.size() ? fold_case(next_char(a, pa)) : U' ';
    const char32_t cb = pb < b.size() ? fold_case(next_char(b, pb)) : U' ';
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return 0;
}

}  // namespace promocionesQEX::sqlite
