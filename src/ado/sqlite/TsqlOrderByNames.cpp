#include "ado/sqlite/TsqlOrderByNames.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <string>

namespace promocionesQEX::sqlite {
namespace {

bool is_name(const Token& t) {
  return t.kind == Token::Kind::Word || t.kind == Token::Kind::QuotedName;
}

std::string folded(std::string name) {
  for (char& c : name) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return name;
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
  explicit OrderByNamesPass(std::vector<Token>& tokens)
      : tokens_(tokens), sig_(significant_positions(tokens)) {
    int depth = 0;
    for (const std::size_t position : sig_) {
      const Token& t = tokens_[position];
      if (t.is_symbol(")")) --depth;
      depth_.push_back(depth);
      if (t.is_symbol("(")) ++depth;
    }
  }

  void run() {
    for (std::size_t i = 0; i < sig_.size(); ++i) {
      if (!at(i).is_word("SELECT")) continue;
      const SelectScope scope = scope_of(i);
      if (scope.has_order_by && !scope.compound) name_items(scope);
    }
  }

 private:
  const Token& at(std::size_t i) const { return tokens_[sig_[i]]; }

  SelectScope scope_of(std::size_t select) const {
    SelectScope scope;
    const int depth = depth_[select];
    scope.depth = depth;
    std::size_t i = select + 1;
    while (i < sig_.size() &&
           (at(i).is_word("DISTINCT") || at(i).is_word("ALL")))
      ++i;
    if (i < sig_.size() && at(i).is_word("TOP")) i += 2;
    scope.list_begin = i;
    scope.list_end = sig_.size();
    for (; i < sig_.size() && depth_[i] >= depth; ++i) {
      if (depth_[i] != depth) continue;
      const Token& t = at(i);
      if (t.is_word("FROM") && scope.list_end == sig_.size())
        scope.list_end = i;
      if (t.is_word("ORDER") && i + 1 < sig_.size() &&
          at(i + 1).is_word("BY")) {
        scope.has_order_by = true;
      }
      if (t.is_word("UNION") || t.is_word("EXCEPT") || t.is_word("INTERSECT")) {
        scope.compound = true;
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
      if (i == scope.list_end || (depth_[i] == depth && at(i).is_symbol(","))) {
        if (i > first) items.emplace_back(first, i - 1);
        first = i + 1;
      }
    }
    std::map<std::string, int> uses;
    for (const auto& [b, e] : items) ++uses[folded(output_name(b, e))];
    for (const auto& [b, e] : items) {
      if (is_qualified_name(b, e) && uses[folded(output_name(b, e))] == 1) {
        tokens_[sig_[e]].text += " AS " + at(e).text;
      }
    }
  }

  // qualifier.name or schema.table.name, nothing else.
  bool is_qualified_name(std::size_t b, std::size_t e) const {
    if (e == b || (e - b) % 2 != 0) return false;
    for (std::size_t i = b; i <= e; ++i) {
      const bool ok = (i - b) % 2 == 0 ? is_name(at(i)) : at(i).is_symbol(".");
      if (!ok) return false;
    }
    return true;
  }

  // The name the item's column gets: its alias, or its last name.
  std::string output_name(std::size_t b, std::size_t e) const {
    if (!is_name(at(e))) return "";
    if (e > b && at(e - 1).is_symbol(".")) return name_of(at(e));
    if (e > b &&
        (at(e - 1).is_word("AS") || is_name(at(e - 1)) ||
         at(e - 1).kind == Token::Kind::String || at(e - 1).is_symbol(")"))) {
      return name_of(at(e));
    }
    return e == b ? name_of(at(e)) : "";
  }

  std::vector<Token>& tokens_;
  std::vector<std::size_t> sig_;
  std::vector<int> depth_;  // parenthesis depth of each significant token
};

}  // namespace

void name_qualified_select_items(std::vector<Token>& tokens) {
  OrderByNamesPass(tokens).run();
}

}  // namespace promocionesQEX::sqlite
