// Prepared statements kept by a connection, so that a lookup that sends the
// same statement with other keys does not pay SQLite's parse and plan again
// (preparing is most of the work of a one-row lookup).
//
// A statement is kept under its *shape*: the statement text with the
// literals compared in its search conditions (WHERE, ON, HAVING) lifted into
// `?` parameters, which are bound to the literals' values before each run.
// The shape is taken from the text as sent, so a statement met again skips
// the dialect's rewriter too; the shape itself is rewritten once, when it is
// first prepared. A literal stays in the shape wherever SQLite reads a
// literal differently from a bound value, or the rewriter reads it, so the
// plan a kept statement runs is the plan of the literal text:
//   - outside search conditions: the select list (a literal names its
//     column), ORDER BY and GROUP BY (a number is a column position), LIMIT
//     and OFFSET (the planner reads a constant limit);
//   - a LIKE, GLOB, MATCH or REGEXP pattern and an ESCAPE character;
//   - a literal followed by COLLATE, or an operand of '+' and the other
//     arithmetic operators (the rewriter tells '+' over texts by them);
//     DATEPART's part name and date;
//   - a blob (X'..') and a number that is not a plain decimal of at most 15
//     digits (hex, exponents: SQLite and strtod could read them apart);
//   - a literal beside a column that a partial index's WHERE names (the
//     planner uses a partial index only when it sees the literal it needs).
// Only SELECT statements are kept; a text with a parameter of its own is
// never kept (the connection refuses it as before).
#pragma once

#include <sqlite3.h>

#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace promocionesQEX::sqlite {

// One lifted literal, in the type SQLite gives the literal itself.
struct LiftedValue {
  enum class Type : std::uint8_t { Text, Integer, Real };
  Type type;
  std::string text;  // Text: the string without its quotes, '' undoubled;
                     // Real: the literal as written
  std::int64_t integer = 0;
};

struct LiftedStatement {
  std::string shape;                // the text with `?` for each lifted literal
  std::vector<LiftedValue> values;  // in the order of the `?`s
};

// The shape of a SELECT text (T-SQL as sent, or SQLite's) and its lifted
// values; empty for a statement that is not kept. `kept_columns` are the column names (lower case) whose literals
// stay in the text.
std::optional<LiftedStatement> lift_literals(
    std::string_view sql, const std::unordered_set<std::string>& kept_columns);

class StatementCache;

// A statement the cache holds: handed to one cursor at a time.
struct CachedStatement {
  std::string shape;
  sqlite3_stmt* statement = nullptr;
  bool busy = false;     // a cursor holds it
  bool evicted = false;  // dropped from the cache while busy: finalized when
                         // its cursor gives it back
};

// What a cursor holds of a cached statement: gives it back to the cache when
// the cursor goes, or finalizes it when the cache went first.
class StatementLease {
 public:
  StatementLease(std::weak_ptr<StatementCache> cache,
                 std::shared_ptr<CachedStatement> entry)
      : cache_(std::move(cache)), entry_(std::move(entry)) {}
  ~StatementLease();
  StatementLease(const StatementLease&) = delete;
  StatementLease& operator=(const StatementLease&) = delete;

 private:
  std::weak_ptr<StatementCache> cache_;
  std::shared_ptr<CachedStatement> entry_;
};

// At most `capacity` prepared statements, the least recently used dropped
// first. A statement whose cursor is still open is not handed out again:
// a second run of its shape meanwhile is prepared on its own.
class StatementCache {
 public:
  StatementCache(sqlite3* db, std::size_t capacity);
  ~StatementCache();
  StatementCache(const StatementCache&) = delete;
  StatementCache& operator=(const StatementCache&) = delete;

  std::size_t capacity() const { return capacity_; }
  void set_capacity(std::size_t capacity);
  std::size_t size() const;

  // The idle statement kept under `shape`, now busy; null when there is none.
  std::shared_ptr<CachedStatement> acquire(const std::string& shape);
  // Keeps a statement just prepared for `shape`, busy; null when it cannot
  // be kept (capacity 0, or the shape is held by an open cursor).
  std::shared_ptr<CachedStatement> keep(const std::string& shape,
                                        sqlite3_stmt* statement);
  // Takes a statement back from its cursor: reset, unbound, idle.
  void give_back(const std::shared_ptr<CachedStatement>& entry);

  // Binds the lifted values to the statement's parameters, in order. A
  // decimal is read by SQLite's own number reader, as the literal would be.
  int bind(sqlite3_stmt* statement, const std::vector<LiftedValue>& values);

  // The columns named in the WHERE of the database's partial indexes, read
  // again when the schema may have changed; lower case.
  const std::unordered_set<std::string>& kept_columns() const {
    return kept_columns_;
  }
  void read_partial_index_columns();
  // Drops every idle statement (after a schema change on this connection).
  void clear();

 private:
  void trim();  // drops least recently used statements past the capacity

  sqlite3* db_;
  std::size_t capacity_;
  mutable std::mutex mutex_;  // a recordset may go on another thread
  std::list<std::shared_ptr<CachedStatement>> recent_;  // most recent first
  std::unordered_map<std::string_view,
                     std::list<std::shared_ptr<CachedStatement>>::iterator>
      by_shape_;
  std::unordered_set<std::string> kept_columns_;
  sqlite3_stmt* real_reader_ = nullptr;  // SELECT CAST(?1 AS REAL)
};

}  // namespace promocionesQEX::sqlite
