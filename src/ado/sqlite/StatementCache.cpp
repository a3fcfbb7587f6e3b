#include "ado/sqlite/StatementCache.h"

#include <cctype>

#include "ado/sqlite/TsqlLexer.h"

namespace promocionesQEX::sqlite {
namespace {

// Where in a statement the lexer is: a search condition, whose compared
// literals may be lifted, or anywhere else.
enum class Region : std::uint8_t { Other, Search };

bool is_comparison(const Token& t) {
  if (t.kind != Token::Kind::Symbol) return false;
  const std::string_view s = t.text;
  return s == "=" || s == "<" || s == ">" || s == "<=" || s == ">=" ||
         s == "<>" || s == "!=";
}

std::string lower(std::string_view name) {
  std::string out(name);
  for (char& c : out) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return out;
}

// An operator whose operand type the dialect's rewriter decides on ('+' over
// texts) or that binds tighter than a comparison: its literal operands stay.
bool is_arithmetic(const Token& t) {
  if (t.kind != Token::Kind::Symbol) return false;
  const std::string_view s = t.text;
  return s == "+" || s == "-" || s == "*" || s == "/" || s == "%" ||
         s == "||" || s == "&" || s == "|" || s == "^" || s == "~";
}

bool same_name(std::string_view name, const std::string& lower_name) {
  if (name.size() != lower_name.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(name[i])) != lower_name[i]) {
      return false;
    }
  }
  return true;
}

bool is_name(const Token& t) {
  return (t.kind == Token::Kind::Word && t.keyword == Keyword::None) ||
         t.kind == Token::Kind::QuotedName;
}

// The value a compared literal is bound as; empty when it stays in the text.
std::optional<LiftedValue> value_of(const Token& t) {
  LiftedValue value;
  if (t.kind == Token::Kind::String) {
    value.type = LiftedValue::Type::Text;
    const std::size_t open = t.text.front() == '\'' ? 1 : 2;  // 'x' or N'x'
    const std::string_view inside =
        t.text.substr(open, t.text.size() - open - 1);
    value.text.reserve(inside.size());
    for (std::size_t i = 0; i < inside.size(); ++i) {
      value.text += inside[i];
      if (inside[i] == '\'') ++i;  // '' stands for one quote
    }
    return value;
  }
  // Numbers: plain decimals of at most 15 digits, which fit an integer or
  // read exactly as SQLite reads them.
  int digits = 0;
  bool point = false;
  for (const char c : t.text) {
    if (c >= '0' && c <= '9') {
      ++digits;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return std::nullopt;  // hex, exponent
    }
  }
  if (digits == 0 || digits > 15) return std::nullopt;
  if (point) {
    value.type = LiftedValue::Type::Real;
    value.text = std::string(t.text);
  } else {
    value.type = LiftedValue::Type::Integer;
    for (const char c : t.text) value.integer = value.integer * 10 + (c - '0');
  }
  return value;
}

}  // namespace

std::optional<LiftedStatement> lift_literals(
    std::string_view sql, const std::unordered_set<std::string>& kept_columns) {
  thread_local TokenizedText lexed;
  lex(sql, lexed);
  const std::vector<Token>& tokens = lexed.tokens;
  const std::vector<std::size_t>& sig = lexed.significant;
  if (sig.empty() || !tokens[sig.front()].is(Keyword::Select)) {
    return std::nullopt;
  }
  // A parameter of the text's own is refused by the connection, as before.
  if (lexed.holds_symbol('?') || lexed.holds_symbol(':') ||
      lexed.holds_symbol('$')) {
    return std::nullopt;
  }
  const auto at = [&](std::size_t i) -> const Token* {
    return i < sig.size() ? &tokens[sig[i]] : nullptr;
  };
  const auto beside_kept_column = [&](std::size_t i) {
    if (kept_columns.empty()) return false;
    const std::size_t first = i >= 4 ? i - 4 : 0;
    for (std::size_t j = first; j <= i + 4 && j < sig.size(); ++j) {
      const Token& t = tokens[sig[j]];
      if (!is_name(t)) continue;
      const std::string_view name =
          t.kind == Token::Kind::Word ? t.text
                                      : t.text.substr(1, t.text.size() - 2);
      for (const std::string& kept : kept_columns) {
        if (same_name(name, kept)) return true;
      }
    }
    return false;
  };

  LiftedStatement lifted;
  lifted.shape.reserve(sql.size());
  std::size_t copied = 0;  // sql before this is in the shape
  std::vector<Region> outer;
  Region region = Region::Other;
  for (std::size_t i = 0; i < sig.size(); ++i) {
    const Token& t = tokens[sig[i]];
    switch (t.kind) {
      case Token::Kind::Variable:
        return std::nullopt;
      case Token::Kind::Symbol:
        if (t.is_symbol('(')) {
          outer.push_back(region);
        } else if (t.is_symbol(')') && !outer.empty()) {
          region = outer.back();
          outer.pop_back();
        }
        continue;
      case Token::Kind::Word:
        switch (t.keyword) {
          case Keyword::Where:
          case Keyword::On:
          case Keyword::Having:
            region = Region::Search;
            break;
          case Keyword::Select:
          case Keyword::From:
          case Keyword::Group:
          case Keyword::Order:
          case Keyword::Limit:
          case Keyword::Offset:
          case Keyword::Union:
          case Keyword::Intersect:
          case Keyword::Except:
          case Keyword::Values:
            region = Region::Other;
            break;
          default:
            break;
        }
        continue;
      case Token::Kind::String:
      case Token::Kind::Number:
        break;
      default:
        continue;
    }
    if (region != Region::Search) continue;
    const Token* before = i > 0 ? at(i - 1) : nullptr;
    const Token* after = at(i + 1);
    const bool compared = (before && (is_comparison(*before) ||
                                      before->is(Keyword::Between))) ||
                          (after && (is_comparison(*after) ||
                                     after->is(Keyword::Between)));
    if (!compared || (after && after->is(Keyword::Collate)) ||
        (before && is_arithmetic(*before)) ||
        (after && is_arithmetic(*after)) || beside_kept_column(i)) {
      continue;
    }
    std::optional<LiftedValue> value = value_of(t);
    if (!value) continue;
    lifted.shape.append(sql, copied, t.offset - copied);
    lifted.shape += '?';
    copied = t.offset + t.source_size;
    lifted.values.push_back(std::move(*value));
  }
  lifted.shape.append(sql, copied, std::string_view::npos);
  return lifted;
}

StatementLease::~StatementLease() {
  if (auto cache = cache_.lock()) {
    cache->give_back(entry_);
  } else {
    sqlite3_finalize(entry_->statement);
  }
}

StatementCache::StatementCache(sqlite3* db, std::size_t capacity)
    : db_(db), capacity_(capacity) {}

StatementCache::~StatementCache() {
  // Statements still held by cursors are finalized by their leases.
  for (const auto& entry : recent_) {
    if (!entry->busy) sqlite3_finalize(entry->statement);
  }
  sqlite3_finalize(real_reader_);
}

void StatementCache::set_capacity(std::size_t capacity) {
  std::lock_guard lock(mutex_);
  capacity_ = capacity;
  trim();
}

std::size_t StatementCache::size() const {
  std::lock_guard lock(mutex_);
  return by_shape_.size();
}

std::shared_ptr<CachedStatement> StatementCache::acquire(
    const std::string& shape) {
  std::lock_guard lock(mutex_);
  const auto found = by_shape_.find(shape);
  if (found == by_shape_.end() || (*found->second)->busy) return nullptr;
  recent_.splice(recent_.begin(), recent_, found->second);
  (*found->second)->busy = true;
  return *found->second;
}

std::shared_ptr<CachedStatement> StatementCache::keep(const std::string& shape,
                                                      sqlite3_stmt* statement) {
  std::lock_guard lock(mutex_);
  if (capacity_ == 0 || by_shape_.count(shape)) return nullptr;
  auto entry = std::make_shared<CachedStatement>();
  entry->shape = shape;
  entry->statement = statement;
  entry->busy = true;
  recent_.push_front(entry);
  by_shape_.emplace(entry->shape, recent_.begin());
  trim();
  return entry;
}

void StatementCache::give_back(const std::shared_ptr<CachedStatement>& entry) {
  std::lock_guard lock(mutex_);
  if (entry->evicted) {
    sqlite3_finalize(entry->statement);
    return;
  }
  sqlite3_reset(entry->statement);
  sqlite3_clear_bindings(entry->statement);
  entry->busy = false;
}

void StatementCache::trim() {
  while (by_shape_.size() > capacity_) {
    const std::shared_ptr<CachedStatement> last = recent_.back();
    by_shape_.erase(last->shape);
    recent_.pop_back();
    if (last->busy) {
      last->evicted = true;  // its lease finalizes it
    } else {
      sqlite3_finalize(last->statement);
    }
  }
}

void StatementCache::clear() {
  std::lock_guard lock(mutex_);
  const std::size_t capacity = capacity_;
  capacity_ = 0;
  trim();
  capacity_ = capacity;
}

void StatementCache::read_partial_index_columns() {
  kept_columns_.clear();
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db_,
                         "SELECT sql FROM sqlite_schema WHERE type = 'index' "
                         "AND sql IS NOT NULL",
                         -1, &statement, nullptr) != SQLITE_OK) {
    return;
  }
  while (sqlite3_step(statement) == SQLITE_ROW) {
    const auto* text =
        reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    try {
      const std::vector<Token> tokens = tokenize(text ? text : "");
      bool in_where = false;
      for (const Token& t : tokens) {
        if (t.is(Keyword::Where) && t.depth == 0) in_where = true;
        if (in_where && is_name(t)) kept_columns_.insert(lower(name_of(t)));
      }
    } catch (...) {
      // A schema text the dialect's lexer cannot read has no part here.
    }
  }
  sqlite3_finalize(statement);
}

int StatementCache::bind(sqlite3_stmt* statement,
                         const std::vector<LiftedValue>& values) {
  int parameter = 0;
  for (const LiftedValue& value : values) {
    ++parameter;
    int rc = SQLITE_OK;
    switch (value.type) {
      case LiftedValue::Type::Text:
        rc = sqlite3_bind_text(statement, parameter, value.text.data(),
                               static_cast<int>(value.text.size()),
                               SQLITE_TRANSIENT);
        break;
      case LiftedValue::Type::Integer:
        rc = sqlite3_bind_int64(statement, parameter, value.integer);
        break;
      case LiftedValue::Type::Real: {
        // CAST reads the text with the reader the parser uses for a
        // literal, so the bound double is the literal's to the last bit.
        if (!real_reader_) {
          rc = sqlite3_prepare_v3(db_, "SELECT CAST(?1 AS REAL)", -1,
                                  SQLITE_PREPARE_PERSISTENT, &real_reader_,
                                  nullptr);
          if (rc != SQLITE_OK) return rc;
        }
        sqlite3_bind_text(real_reader_, 1, value.text.data(),
                          static_cast<int>(value.text.size()), SQLITE_STATIC);
        rc = sqlite3_step(real_reader_);
        const double real = sqlite3_column_double(real_reader_, 0);
        sqlite3_reset(real_reader_);
        if (rc != SQLITE_ROW) return rc;
        rc = sqlite3_bind_double(statement, parameter, real);
        break;
      }
    }
    if (rc != SQLITE_OK) return rc;
  }
  return SQLITE_OK;
}

}  // namespace promocionesQEX::sqlite
