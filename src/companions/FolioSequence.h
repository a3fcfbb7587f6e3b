// Folio sequences: one counter per sequence name in Folio_Consecutivo, whose
// Fc_Siguiente is the next number to hand out. The counter belongs to the
// database, not to a branch: documents of every branch share the folio
// space (the duplicate check and the used-folio register ignore the
// branch), so each branch drawing from a counter of its own would hand out
// folios that collide.
//
// Taking a number is one UPDATE that advances the counter and answers the
// value it had (SQLite: RETURNING, SQL Server: OUTPUT deleted.), so the
// engine's own row lock makes it atomic across threads and processes: two
// callers can never read the same value. A sequence seen for the first time
// is created starting at 1 by an insert that does nothing when a concurrent
// caller created it first.
#pragma once

#include <string>
#include <string_view>

#include "promocionesQEX/Connection.h"

namespace promocionesQEX::companions {

// The statements, in the dialect of `engine` ("sqlite" or "sqlserver";
// another engine fails with 5). All answer one column, Fc_Folio.
std::string create_sequence_statement(std::string_view engine,
                                      const std::string& consecutivo);
std::string take_folio_statement(std::string_view engine,
                                 const std::string& consecutivo);
std::string peek_folio_statement(const std::string& consecutivo);

// The next number of the sequence, taken (advanced) when `advance`, else
// only read. Creates the sequence when missing. Database errors propagate;
// a counter that cannot be read as a whole number fails with 13.
long long next_folio(Connection& connection, const std::string& consecutivo,
                     bool advance);

// Fails with 5 unless 1 <= length <= kMaxFolioLength; checked before a
// number is taken, so a bad length wastes none.
inline constexpr long kMaxFolioLength = 30;
void check_folio_length(long length);

// The number zero-padded to `length` digits. Fails with 6 "Overflow" when
// it needs more digits (never truncated), with 5 for a bad length or a
// negative number.
std::string padded_folio(long long number, long length);

}  // namespace promocionesQEX::companions
