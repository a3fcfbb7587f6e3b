#include "ado/sqlite/TsqlLexer.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#include "ado/sqlite/TsqlErrors.h"

namespace promocionesQEX::sqlite {
namespace {

// Character classes by byte. Only ASCII letters are letters, as in SQLite's
// own names; every byte from 0x80 belongs to a name (UTF-8 names).
enum : std::uint8_t {
  kSpace = 1,
  kNameStart = 2,
  kNameChar = 4,
  kDigit = 8,
  kHexDigit = 16,
};

constexpr std::array<std::uint8_t, 256> kClasses = [] {
  std::array<std::uint8_t, 256> classes{};
  for (const char c : std::string_view(" \t\n\v\f\r")) {
    classes[static_cast<unsigned char>(c)] = kSpace;
  }
  for (int c = 0; c < 256; ++c) {
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    const bool digit = c >= '0' && c <= '9';
    if (letter || c == '_' || c == '#' || c >= 0x80) {
      classes[c] |= kNameStart | kNameChar;
    }
    if (digit || c == '$' || c == '@') classes[c] |= kNameChar;
    if (digit) classes[c] |= kDigit;
    if (digit || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f')) {
      classes[c] |= kHexDigit;
    }
  }
  return classes;
}();

bool has_class(char c, std::uint8_t mask) {
  return (kClasses[static_cast<unsigned char>(c)] & mask) != 0;
}

struct KeywordName {
  std::string_view name;  // in upper case
  Keyword keyword;
};

// In alphabetical order, for the reader; the look-up groups them itself.
constexpr KeywordName kKeywords[] = {
    {"ABS", Keyword::Abs},
    {"ALL", Keyword::All},
    {"AND", Keyword::And},
    {"AS", Keyword::As},
    {"ASC", Keyword::Asc},
    {"ASCII", Keyword::Ascii},
    {"AVG", Keyword::Avg},
    {"BEGIN", Keyword::Begin},
    {"BETWEEN", Keyword::Between},
    {"BY", Keyword::By},
    {"CASE", Keyword::Case},
    {"CEILING", Keyword::Ceiling},
    {"CHAR", Keyword::Char},
    {"CHARINDEX", Keyword::Charindex},
    {"COLLATE", Keyword::Collate},
    {"CONCAT", Keyword::Concat},
    {"COUNT", Keyword::Count},
    {"CROSS", Keyword::Cross},
    {"DATALENGTH", Keyword::Datalength},
    {"DATEDIFF", Keyword::Datediff},
    {"DATEFIRST", Keyword::Datefirst},
    {"DATEPART", Keyword::Datepart},
    {"DAY", Keyword::Day},
    {"DELETE", Keyword::Delete},
    {"DESC", Keyword::Desc},
    {"DISTINCT", Keyword::Distinct},
    {"ELSE", Keyword::Else},
    {"END", Keyword::End},
    {"ESCAPE", Keyword::Escape},
    {"EXCEPT", Keyword::Except},
    {"EXISTS", Keyword::Exists},
    {"FLOOR", Keyword::Floor},
    {"FROM", Keyword::From},
    {"FULL", Keyword::Full},
    {"GROUP", Keyword::Group},
    {"HAVING", Keyword::Having},
    {"IN", Keyword::In},
    {"INNER", Keyword::Inner},
    {"INSERT", Keyword::Insert},
    {"INTERSECT", Keyword::Intersect},
    {"INTO", Keyword::Into},
    {"IS", Keyword::Is},
    {"JOIN", Keyword::Join},
    {"LEFT", Keyword::Left},
    {"LEN", Keyword::Len},
    {"LIKE", Keyword::Like},
    {"LIMIT", Keyword::Limit},
    {"LOWER", Keyword::Lower},
    {"LTRIM", Keyword::Ltrim},
    {"MONTH", Keyword::Month},
    {"NCHAR", Keyword::Nchar},
    {"NOT", Keyword::Not},
    {"OFFSET", Keyword::Offset},
    {"ON", Keyword::On},
    {"OR", Keyword::Or},
    {"ORDER", Keyword::Order},
    {"OUTER", Keyword::Outer},
    {"PATINDEX", Keyword::Patindex},
    {"POWER", Keyword::Power},
    {"QUOTENAME", Keyword::Quotename},
    {"REPLACE", Keyword::Replace},
    {"REPLICATE", Keyword::Replicate},
    {"REVERSE", Keyword::Reverse},
    {"RIGHT", Keyword::Right},
    {"ROUND", Keyword::Round},
    {"RTRIM", Keyword::Rtrim},
    {"SELECT", Keyword::Select},
    {"SET", Keyword::Set},
    {"SIGN", Keyword::Sign},
    {"SPACE", Keyword::Space},
    {"SQRT", Keyword::Sqrt},
    {"STR", Keyword::Str},
    {"STUFF", Keyword::Stuff},
    {"SUBSTR", Keyword::Substr},
    {"SUBSTRING", Keyword::Substring},
    {"SUM", Keyword::Sum},
    {"THEN", Keyword::Then},
    {"TOP", Keyword::Top},
    {"TRAN", Keyword::Tran},
    {"TRANSACTION", Keyword::Transaction},
    {"TRIM", Keyword::Trim},
    {"UNICODE", Keyword::Unicode},
    {"UNION", Keyword::Union},
    {"UPDATE", Keyword::Update},
    {"UPPER", Keyword::Upper},
    {"VALUES", Keyword::Values},
    {"WHEN", Keyword::When},
    {"WHERE", Keyword::Where},
    {"WITH", Keyword::With},
    {"YEAR", Keyword::Year},
};

constexpr std::size_t kShortestKeyword = 2;
constexpr std::size_t kLongestKeyword = 11;

constexpr bool keywords_are_well_formed() {
  for (std::size_t i = 0; i < std::size(kKeywords); ++i) {
    const std::string_view name = kKeywords[i].name;
    if (name.size() < kShortestKeyword || name.size() > kLongestKeyword) {
      return false;
    }
    for (const char c : name) {
      if (c < 'A' || c > 'Z') return false;
    }
    if (i > 0 && !(kKeywords[i - 1].name < name)) return false;  // no twins
  }
  return true;
}
static_assert(keywords_are_well_formed(),
              "keywords: upper-case letters, sorted, within the lengths");

// The keywords grouped by initial and length, and where each group lies:
// a word is compared only with the few keywords of its own shape.
constexpr auto kKeywordsByShape = [] {
  auto sorted = std::to_array(kKeywords);
  std::sort(sorted.begin(), sorted.end(),
            [](const KeywordName& a, const KeywordName& b) {
              if (a.name[0] != b.name[0]) return a.name[0] < b.name[0];
              return a.name.size() < b.name.size();
            });
  return sorted;
}();

struct KeywordGroup {
  std::uint8_t begin = 0;
  std::uint8_t end = 0;
};

using KeywordGroups =
    std::array<std::array<KeywordGroup, kLongestKeyword + 1>, 26>;

constexpr KeywordGroups kKeywordGroups = [] {
  KeywordGroups groups{};
  for (std::size_t k = 0; k < kKeywordsByShape.size(); ++k) {
    const std::string_view name = kKeywordsByShape[k].name;
    KeywordGroup& group = groups[name[0] - 'A'][name.size()];
    if (group.begin == group.end) group.begin = static_cast<std::uint8_t>(k);
    group.end = static_cast<std::uint8_t>(k + 1);
  }
  return groups;
}();

// Clearing bit 5 upper-cases an ASCII letter, and maps no other byte onto an
// upper-case letter, so this is a case-blind compare against a name made of
// upper-case letters only. The first letters are known to match.
bool equals_upper(std::string_view word, std::string_view upper) {
  for (std::size_t i = 1; i < upper.size(); ++i) {
    if ((word[i] & ~0x20) != upper[i]) return false;
  }
  return true;
}

class Lexer {
 public:
  explicit Lexer(std::string_view sql)
      : sql_(sql), pos_(sql.data()), end_(sql.data() + sql.size()) {}

  void run(TokenizedText& out) {
    out.tokens.clear();
    out.significant.clear();
    out.dialect_quoting = false;
    out.keywords.reset();
    out.symbols.reset();
    // Tokens average several characters and a space in the library's
    // statements; growing past this estimate is rare and cheap.
    out.tokens.reserve(sql_.size() / 4 + 8);
    out.significant.reserve(sql_.size() / 4 + 8);
    while (true) {
      skip_class(kSpace);
      if (pos_ == end_) break;
      const char* start = pos_;
      const Token::Kind kind = scan();
      const Token token = make_token(kind, start);
      note(out, token);
      out.tokens.push_back(token);
    }
  }

 private:
  char at(std::size_t offset = 0) const {
    return offset < static_cast<std::size_t>(end_ - pos_) ? pos_[offset] : '\0';
  }

  // The token from `start` to the lexer's position, classified here once
  // for every pass.
  Token make_token(Token::Kind kind, const char* start) {
    const std::string_view text(start, static_cast<std::size_t>(pos_ - start));
    const Keyword keyword =
        kind == Token::Kind::Word ? keyword_of(text) : Keyword::None;
    const char symbol =
        kind == Token::Kind::Symbol && text.size() == 1 ? text[0] : '\0';
    if (symbol == ')') --depth_;
    const auto offset = static_cast<std::size_t>(start - sql_.data());
    const Token token{kind, keyword, symbol, depth_, text, offset, text.size()};
    if (symbol == '(') ++depth_;
    return token;
  }

  // Records the token in what `out` says the text holds. Its position is
  // the next in out.tokens.
  void note(TokenizedText& out, const Token& token) {
    switch (token.kind) {
      case Token::Kind::Comment:
        out.dialect_quoting = out.dialect_quoting || nested_comment_;
        nested_comment_ = false;
        return;
      case Token::Kind::Word:
        out.keywords.set(static_cast<std::size_t>(token.keyword));
        break;
      case Token::Kind::String:
      case Token::Kind::QuotedName:
        out.dialect_quoting = out.dialect_quoting || token.text[0] == 'N' ||
                              token.text[0] == 'n' || token.text[0] == '[';
        break;
      case Token::Kind::Symbol:
        out.symbols.set(static_cast<unsigned char>(token.text[0]));
        break;
      default:
        break;
    }
    out.significant.push_back(out.tokens.size());
  }

  void skip_class(std::uint8_t mask) {
    // A local cursor: the member could alias the characters read, which
    // would make the compiler store it on every step.
    const char* p = pos_;
    while (p < end_ && has_class(*p, mask)) ++p;
    pos_ = p;
  }

  // One token from the lexer's position, which is not a space.
  Token::Kind scan() {
    const char c = *pos_;
    if (has_class(c, kNameStart)) {
      if ((c == 'N' || c == 'n') && at(1) == '\'') {
        ++pos_;
        return quoted('\'', Token::Kind::String, "string");
      }
      skip_class(kNameChar);
      return Token::Kind::Word;
    }
    if (has_class(c, kDigit) || (c == '.' && has_class(at(1), kDigit))) {
      return number();
    }
    switch (c) {
      case '\'':
        return quoted('\'', Token::Kind::String, "string");
      case '[':
        return quoted(']', Token::Kind::QuotedName, "[name]");
      case '"':
        return quoted('"', Token::Kind::QuotedName, "\"name\"");
      case '@':
        ++pos_;
        skip_class(kNameChar);
        return Token::Kind::Variable;
      case '-':
        if (at(1) != '-') break;
        pos_ = find('\n', pos_ + 2);
        return Token::Kind::Comment;
      case '/':
        if (at(1) != '*') break;
        return block_comment();
      default:
        break;
    }
    return symbol();
  }

  // The first `c` from `from` on, or the end.
  const char* find(char c, const char* from) const {
    const void* found =
        std::memchr(from, c, static_cast<std::size_t>(end_ - from));
    return found ? static_cast<const char*>(found) : end_;
  }

  // From the opening delimiter to the closing one; a doubled closing
  // delimiter inside stands for itself.
  Token::Kind quoted(char close, Token::Kind kind, const char* what) {
    const char* p = pos_ + 1;
    while (true) {
      p = find(close, p);
      if (p == end_) {
        throw dialect_error(std::string("Unterminated ") + what +
                            " in the statement text");
      }
      if (p + 1 == end_ || p[1] != close) break;
      p += 2;
    }
    pos_ = p + 1;
    return kind;
  }

  Token::Kind block_comment() {
    int depth = 0;
    do {
      if (pos_ >= end_) {
        throw dialect_error("Unterminated /* comment in the statement text");
      }
      if (at() == '/' && at(1) == '*') {
        ++depth;
        nested_comment_ = nested_comment_ || depth > 1;
        pos_ += 2;
      } else if (at() == '*' && at(1) == '/') {
        --depth;
        pos_ += 2;
      } else {
        ++pos_;
      }
    } while (depth > 0);
    return Token::Kind::Comment;
  }

  Token::Kind number() {
    if (at() == '0' && (at(1) == 'x' || at(1) == 'X')) {
      pos_ += 2;
      skip_class(kHexDigit);
      return Token::Kind::Number;
    }
    skip_class(kDigit);
    if (at() == '.') ++pos_;
    skip_class(kDigit);
    if ((at() == 'e' || at() == 'E') &&
        (has_class(at(1), kDigit) ||
         ((at(1) == '+' || at(1) == '-') && has_class(at(2), kDigit)))) {
      pos_ += 2;
      skip_class(kDigit);
    }
    return Token::Kind::Number;
  }

  Token::Kind symbol() {
    static constexpr std::string_view kPairs[] = {
        "<=", ">=", "<>", "!=", "!<", "!>", "||", "::"};
    const char next = at(1);
    for (std::string_view pair : kPairs) {
      if (pair[0] == *pos_ && pair[1] == next) {
        pos_ += 2;
        return Token::Kind::Symbol;
      }
    }
    ++pos_;
    return Token::Kind::Symbol;
  }

  std::string_view sql_;
  const char* pos_;
  const char* end_;
  int depth_ = 0;                // parentheses open
  bool nested_comment_ = false;  // in the block comment just scanned
};

}  // namespace

Keyword keyword_of(std::string_view word) {
  if (word.size() < kShortestKeyword || word.size() > kLongestKeyword) {
    return Keyword::None;
  }
  const unsigned letter =
      static_cast<unsigned>(static_cast<unsigned char>(word[0] & ~0x20)) - 'A';
  if (letter >= 26) return Keyword::None;  // not an ASCII letter
  const KeywordGroup group = kKeywordGroups[letter][word.size()];
  for (std::size_t k = group.begin; k < group.end; ++k) {
    if (equals_upper(word, kKeywordsByShape[k].name)) {
      return kKeywordsByShape[k].keyword;
    }
  }
  return Keyword::None;
}

TokenizedText lex(std::string_view sql) {
  TokenizedText out;
  Lexer(sql).run(out);
  return out;
}

void lex(std::string_view sql, TokenizedText& out) { Lexer(sql).run(out); }

std::vector<Token> tokenize(std::string_view sql) {
  return std::move(lex(sql).tokens);
}

std::vector<std::size_t> significant_positions(
    const std::vector<Token>& tokens) {
  std::vector<std::size_t> positions;
  positions.reserve(tokens.size());
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    if (tokens[i].is_significant()) positions.push_back(i);
  }
  return positions;
}

std::string name_of(const Token& token) {
  if (token.kind != Token::Kind::QuotedName) return std::string(token.text);
  const char close = token.text.front() == '[' ? ']' : '"';
  std::string name;
  for (std::size_t i = 1; i + 1 < token.text.size(); ++i) {
    name += token.text[i];
    if (token.text[i] == close) ++i;  // a doubled delimiter
  }
  return name;
}

std::string joined(std::string_view sql, const std::vector<Token>& tokens) {
  std::string out;
  out.reserve(sql.size() + 64);
  std::size_t run_begin = 0;  // first character of the untouched run
  for (const Token& t : tokens) {
    const bool untouched = t.text.data() == sql.data() + t.offset &&
                           t.text.size() == t.source_size;
    if (!untouched) {
      out.append(sql.substr(run_begin, t.offset - run_begin));
      out.append(t.text);
      run_begin = t.offset + t.source_size;
    }
  }
  out.append(sql.substr(run_begin));
  return out;
}

}  // namespace promocionesQEX::sqlite
