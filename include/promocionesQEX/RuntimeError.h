// The one exception type of the library: a number and a description, as the
// host language's runtime errors carry them. Errors of the database engine
// have numbers of their own, which never coincide with the runtime errors'
// (see kSqliteErrorBase); the engine's code and message are in the
// description.
#pragma once

#include <stdexcept>
#include <string>

#include "promocionesQEX/Export.h"

namespace promocionesQEX {

class PROMOCIONESQEX_API RuntimeError : public std::runtime_error {
 public:
  // Numbers of the runtime errors the library raises itself.
  static constexpr long kOverflow = 6;
  static constexpr long kSubscriptOutOfRange = 9;
  static constexpr long kDivisionByZero = 11;
  static constexpr long kTypeMismatch = 13;
  static constexpr long kObjectNotSet = 91;
  static constexpr long kInvalidUseOfNull = 94;

  // The embedded engine's errors: this base plus SQLite's primary result
  // code ("database is locked", SQLite's 5, is kSqliteErrorBase + 5), with
  // the description "[SQLite <extended code>] <SQLite's message>". The base
  // lies in the range a component keeps for its own errors (vbObjectError,
  // 0x80040000, + 0x1000), apart from the runtime errors above and from the
  // provider errors of the ODBC connection (0x80040E14, 0x80004005).
  static constexpr long kSqliteErrorBase = -2147217408;  // 0x80041000
  static constexpr bool is_sqlite_error(long number) {
    return number >= kSqliteErrorBase && number < kSqliteErrorBase + 256;
  }

  RuntimeError(long number, std::string description)
      : std::runtime_error(description),
        number_(number),
        description_(std::move(description)) {}

  long number() const noexcept { return number_; }
  const std::string& description() const noexcept { return description_; }

  static RuntimeError Overflow() { return {kOverflow, "Overflow"}; }
  static RuntimeError SubscriptOutOfRange() {
    return {kSubscriptOutOfRange, "Subscript out of range"};
  }
  static RuntimeError DivisionByZero() {
    return {kDivisionByZero, "Division by zero"};
  }
  static RuntimeError TypeMismatch() {
    return {kTypeMismatch, "Type mismatch"};
  }
  static RuntimeError ObjectNotSet() {
    return {kObjectNotSet, "Object variable or With block variable not set"};
  }
  static RuntimeError InvalidUseOfNull() {
    return {kInvalidUseOfNull, "Invalid use of Null"};
  }

 private:
  long number_;
  std::string description_;
};

}  // namespace promocionesQEX
