// The schema files of db/, embedded into the library at build time.
#pragma once

namespace promocionesQEX::demo {

extern const char* const kSqliteSchema;
extern const char* const kSqlServerSchema;

}  // namespace promocionesQEX::demo
