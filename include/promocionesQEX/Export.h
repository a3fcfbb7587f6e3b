// What libpromocionesQEX.so shows its hosts. The library is built with
// hidden visibility: only declarations marked PROMOCIONESQEX_API are in its
// dynamic symbol table, everything else stays inside it.
#pragma once

#if defined(__GNUC__) || defined(__clang__)
#define PROMOCIONESQEX_API __attribute__((visibility("default")))
#else
#define PROMOCIONESQEX_API
#endif
