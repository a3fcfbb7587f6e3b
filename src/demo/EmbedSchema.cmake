# Writes OUTPUT_FILE: a C++ source holding the two schema files as raw
# string literals. Run at build time whenever either file changes.
set(delimiter "qexsql")
foreach(var SQLITE_FILE SQLSERVER_FILE OUTPUT_FILE)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "EmbedSchema.cmake: ${var} is not set")
  endif()
endforeach()

file(READ ${SQLITE_FILE} sqlite_text)
file(READ ${SQLSERVER_FILE} sqlserver_text)
foreach(text sqlite_text sqlserver_text)
  string(FIND "${${text}}" ")${delimiter}\"" clash)
  if(NOT clash EQUAL -1)
    message(FATAL_ERROR "EmbedSchema.cmake: a schema file holds )${delimiter}\"")
  endif()
endforeach()

file(WRITE ${OUTPUT_FILE}
"// Generated from db/schema.sqlite.sql and db/schema.sqlserver.sql by
// EmbedSchema.cmake. Do not edit.
#include \"SchemaSources.h\"

namespace promocionesQEX::demo {

const char* const kSqliteSchema = R\"${delimiter}(${sqlite_text})${delimiter}\";

const char* const kSqlServerSchema = R\"${delimiter}(${sqlserver_text})${delimiter}\";

}  // namespace promocionesQEX::demo
")
