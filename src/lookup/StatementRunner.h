// How every lookup runs a statement: the text is kept in the thread's gsSQL
// and executed on the data-access session's connection, fetched anew for
// each statement as the session expects.
#pragma once

#include <string>

#include "promocionesQEX/Recordset.h"

namespace promocionesQEX::lookup {

// Stores `text` in gsSQL and executes it. A session that hands back no
// connection fails with 91 instead of crashing.
Recordset execute_statement(std::string text);

// Makes the database number weekdays from Monday = 1 for the statements
// that follow on the same connection.
void set_monday_first();

}  // namespace promocionesQEX::lookup
