#include "ado/sqlite/TsqlOrderByNames.h"

#include <algorithm>
#include <string>
#include <utility>

namespace promocionesQEX::sqlite {
namespace {

bool is_name(const Token& t) {
  return t.kind == Token::Kind::Word || t.kind == Token::Kind::QuotedName;
}

char ascii_lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Names compare as SQLite compares them: ASCII letters without case.
bool same_name(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return ascii_lower(x) == ascii_lower(y);
  });
}

// One SELECT at one nesting depth, as positions into the significant tokens.
struct SelectScope {
  int depth = 0;               // parenthesis depth of the SELECT
  std::size_t list_begin = 0;  // first token of the select list
  std::size_t list_end = 0;    // its FROM (or the scope's end)
  bool has_order_by = false;
  bool compound = false;  // UNION and the like: left alone
};

class OrderByNamesPass {
 public:
  OrderByNamesPass(std::vector<Token>& tokens,
                   const std::vector<std::size_t>& sig, RewrittenTexts& texts)
      : tokens_(tokens), sig_(sig), texts_(texts) {}

  void run() {
    for (std::size_t i = 0; i < sig_.size(); ++i) {
      if (!at(i).is(Keyword::Select)) continue;
      const SelectScope scope = scope_of(i);
      if (scope.has_order_by && !scope.compound) name_items(scope);
    }
  }

 private:
  const Token& at(std::size_t i) const { return tokens_[sig_[i]]; }

  SelectScope scope_of(std::size_t select) const {
    SelectScope scope;
    const int depth = at(select).depth;
    scope.depth = depth;
    std::size_t i = select + 1;
    while (i < sig_.size() &&
           (at(i).is(Keyword::Distinct) || at(i).is(Keyword::All)))
      ++i;
    if (i < sig_.size() && at(i).is(Keyword::Top)) i += 2;
    scope.list_begin = i;
    scope.list_end = sig_.size();
    for (; i < sig_.size() && at(i).depth >= depth; ++i) {
      const Token& t = at(i);
      if (at(i).depth != depth || t.kind != Token::Kind::Word) continue;
      switch (t.keyword) {
        case Keyword::From:
          if (scope.list_end == sig_.size()) scope.list_end = i;
          break;
        case Keyword::Order:
          if (i + 1 < sig_.size() && at(i + 1).is(Keyword::By)) {
            scope.has_order_by = true;
          }
          break;
        case Keyword::Union:
        case Keyword::Except:
        case Keyword::Intersect:
          scope.compound = true;
          break;
        default:
          break;
      }
    }
    return scope;
  }

  void name_items(const SelectScope& scope) {
    const int depth = scope.depth;
    // Each item: [first, last] of its significant tokens.
    std::vector<std::pair<std::size_t, std::size_t>> items;
    std::size_t first = scope.list_begin;
    for (std::size_t i = scope.list_begin; i <= scope.list_end; ++i) {
      if (i == scope.list_end ||
          (at(i).depth == depth && at(i).is_symbol(','))) {
        if (i > first) items.emplace_back(first, i - 1);
        first = i + 1;
      }
    }
    std::vector<std::string> names;
    names.reserve(items.size());
    for (const auto& [b, e] : items) names.push_back(output_name(b, e));
    for (std::size_t k = 0; k < items.size(); ++k) {
      const auto [b, e] = items[k];
      if (is_qualified_name(b, e) && is_unique(names, k)) {
        const std::string_view name = at(e).text;
        std::string aliased;
        aliased.reserve(2 * name.size() + 4);
        aliased.append(name).append(" AS ").append(name);
        tokens_[sig_[e]].text = texts_.keep(std::move(aliased));
      }
    }
  }

  static bool is_unique(const std::vector<std::string>& names, std::size_t k) {
    for (std::size_t other = 0; other < names.size(); ++other) {
      if (other != k && same_name(names[other], names[k])) return false;
    }
    return true;
  }

  // qualifier.name or schema.table.name, nothing else.
  bool is_qualified_name(std::size_t b, std::size_t e) const {
    if (e == b || (e - b) % 2 != 0) return false;
    for (std::size_t i = b; i <= e; ++i) {
      const bool ok = (i - b) % 2 == 0 ? is_name(at(i)) : at(i).is_symbol('.');
      if (!ok) return false;
    }
    return true;
  }

  // The name the item's column gets: its alias, or its last name.
  std::string output_name(std::size_t b, std::size_t e) const {
    if (!is_name(at(e))) return "";
    if (e > b && at(e - 1).is_symbol('.')) return name_of(at(e));
    if (e > b &&
        (at(e - 1).is(Keyword::As) || is_name(at(e - 1)) ||
         at(e - 1).kind == Token::Kind::String || at(e - 1).is_symbol(')'))) {
      return name_of(at(e));
    }
    return e == b ? name_of(at(e)) : "";
  }

  std::vector<Token>& tokens_;
  const std::vector<std::size_t>& sig_;
  RewrittenTexts& texts_;
};

}  // namespace

void name_qualified_select_items(TokenizedText& text, RewrittenTexts& texts) {
  // Only a SELECT with an ORDER BY gets aliases.
  if (text.holds(Keyword::Order)) {
    OrderByNamesPass(text.tokens, text.significant, texts).run();
  }
}

}  // namespace promocionesQEX::sqlite
