#include "ado/sqlite/TsqlPattern.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ado/sqlite/Utf8Text.h"

namespace promocionesQEX::sqlite {
namespace {

// One element of a compiled pattern.
struct Element {
  enum class Kind { AnyRun, AnyOne, Set, Literal };
  explicit Element(Kind k, char32_t c = 0) : kind(k), literal(c) {}

  Kind kind;
  char32_t literal;
  bool negated = false;
  std::vector<std::pair<char32_t, char32_t>> ranges;  // for Set

  bool matches(char32_t c) const {
    switch (kind) {
      case Kind::AnyOne:
        return true;
      case Kind::Literal:
        return c == literal;
      case Kind::Set: {
        bool inside = false;
        for (const auto& [low, high] : ranges) {
          inside = inside || (c >= low && c <= high);
        }
        return inside != negated;
      }
      case Kind::AnyRun:
        break;
    }
    return false;
  }
};

// Reads "[...]" starting after the '['; `i` ends past the ']'.
Element compile_set(const std::u32string& p, std::size_t& i) {
  Element set(Element::Kind::Set);
  if (i < p.size() && p[i] == U'^') {
    set.negated = true;
    ++i;
  }
  while (i < p.size() && p[i] != U']') {
    char32_t low = p[i++];
    char32_t high = low;
    if (i + 1 < p.size() && p[i] == U'-' && p[i + 1] != U']') {
      high = p[i + 1];
      i += 2;
    }
    set.ranges.emplace_back(low, high);
  }
  if (i >= p.size()) {
    throw std::invalid_argument("PATINDEX: the pattern has a '[' without ']'");
  }
  ++i;  // the ']'
  if (set.ranges.empty()) {
    throw std::invalid_argument("PATINDEX: the pattern has an empty '[]' set");
  }
  return set;
}

std::vector<Element> compile(const std::u32string& p) {
  std::vector<Element> elements;
  for (std::size_t i = 0; i < p.size();) {
    const char32_t c = p[i++];
    if (c == U'%') {
      if (elements.empty() || elements.back().kind != Element::Kind::AnyRun) {
        elements.emplace_back(Element::Kind::AnyRun);
      }
    } else if (c == U'_') {
      elements.emplace_back(Element::Kind::AnyOne);
    } else if (c == U'[') {
      elements.push_back(compile_set(p, i));
    } else {
      elements.emplace_back(Element::Kind::Literal, c);
    }
  }
  return elements;
}

// Whether the elements from `first` match the whole of text[start..]: the
// usual wildcard walk, going back to the last % when a later element fails.
bool matches_rest(const std::vector<Element>& pattern, std::size_t first,
                  const std::u32string& text, std::size_t start) {
  std::size_t pi = first;
  std::size_t ti = start;
  std::size_t run_at = std::u32string::npos;  // element after the last %
  std::size_t run_text = 0;                   // text where that % resumes
  while (ti < text.size()) {
    if (pi < pattern.size() && pattern[pi].kind == Element::Kind::AnyRun) {
      run_at = ++pi;
      run_text = ti;
    } else if (pi < pattern.size() && pattern[pi].matches(text[ti])) {
      ++pi;
      ++ti;
    } else if (run_at != std::u32string::npos) {
      pi = run_at;
      ti = ++run_text;
    } else {
      return false;
    }
  }
  while (pi < pattern.size() && pattern[pi].kind == Element::Kind::AnyRun) ++pi;
  return pi == pattern.size();
}

bool is_ascii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) & 0x80) return false;
  }
  return true;
}

char folded_ascii(char c) { return c >= 'A' && c <= 'Z' ? c + 0x20 : c; }

// "%run%" with a run of plain characters, over ASCII texts: where the run
// first occurs, case folded, which is what the general walk below answers
// for such a pattern, without compiling it or decoding either text. The
// lookups' weekday test ("%6%" against "1234567") runs once a row. Empty
// when the pattern or the text is of another kind.
std::optional<long> plain_run_position(std::string_view pattern,
                                       std::string_view text) {
  if (pattern.size() < 3 || pattern.front() != '%' || pattern.back() != '%') {
    return std::nullopt;
  }
  const std::string_view run = pattern.substr(1, pattern.size() - 2);
  if (run.find_first_of("%_[") != std::string_view::npos || !is_ascii(run) ||
      !is_ascii(text)) {
    return std::nullopt;
  }
  for (std::size_t start = 0; start + run.size() <= text.size(); ++start) {
    std::size_t i = 0;
    while (i < run.size() &&
           folded_ascii(text[start + i]) == folded_ascii(run[i])) {
      ++i;
    }
    if (i == run.size()) return static_cast<long>(start) + 1;
  }
  return 0;
}

}  // namespace

long patindex(std::string_view pattern, std::string_view text) {
  if (const auto position = plain_run_position(pattern, text)) return *position;
  const std::vector<Element> elements = compile(folded_chars(pattern));
  const std::u32string chars = folded_chars(text);
  const bool floating =
      !elements.empty() && elements.front().kind == Element::Kind::AnyRun;
  if (!floating) return matches_rest(elements, 0, chars, 0) ? 1 : 0;
  if (elements.size() == 1) return 1;  // "%" matches from the start
  for (std::size_t start = 0; start < chars.size(); ++start) {
    if (matches_rest(elements, 1, chars, start)) {
      return static_cast<long>(start) + 1;
    }
  }
  return 0;
}

}  // namespace promocionesQEX::sqlite
