// The SQLite C API as the dialect's functions and collations see it. The same
// sources are built into the library, where they call SQLite directly, and
// into the loadable extension, where every call goes through the routine
// table SQLite hands the extension when it is loaded.
#pragma once

#ifdef QEX_TSQL_EXTENSION
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT3
#else
#include <sqlite3.h>
#endif
