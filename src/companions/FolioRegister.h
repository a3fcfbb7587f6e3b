// Used folios: Folio_Usado keeps every (sequence, folio, ID) recorded once.
#pragma once

#include <string>

#include "promocionesQEX/Connection.h"
#include "promocionesQEX/DateTime.h"

namespace promocionesQEX::companions {

std::string register_folio_statement(const std::string& consecutivo,
                                     const std::string& folio,
                                     const std::string& id,
                                     const DateTime& fecha);

// Records the folio as used at `fecha`. Returns "" when recorded (now or
// before), else why not: an empty folio, or the database's own message.
// Never leaves a partial row: the insert is one statement.
std::string register_folio(Connection& connection,
                           const std::string& consecutivo,
                           const std::string& folio, const std::string& id,
                           const DateTime& fecha);

}  // namespace promocionesQEX::companions
