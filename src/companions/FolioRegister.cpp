#include "companions/FolioRegister.h"

#include "companions/SqlText.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::companions {

namespace {

bool is_registered(Connection& connection, const std::string& consecutivo,
                   const std::string& folio, const std::string& id) {
  auto rs = connection.execute(
      "SELECT 1 AS Registrado FROM Folio_Usado WHERE Fc_Consecutivo = " +
      sql_quoted(consecutivo) + " AND Fu_Folio = " + sql_quoted(folio) +
      " AND Fu_ID = " + sql_quoted(id));
  bool found = !rs.eof();
  rs.close();
  return found;
}

std::string describe(const std::string& consecutivo, const std::string& folio,
                     const std::string& id) {
  return "el folio " + folio + " (ID " + id + ") del consecutivo " +
         consecutivo;
}

}  // namespace

std::string register_folio_statement(const std::string& consecutivo,
                                     const std::string& folio,
                                     const std::string& id,
                                     const DateTime& fecha) {
  // 'YYYYMMDD HH:MM:SS' reads the same under every SQL Server date format.
  return "INSERT INTO Folio_Usado (Fc_Consecutivo, Fu_Folio, Fu_ID, "
         "Fu_Fecha) VALUES (" +
         sql_quoted(consecutivo) + ", " + sql_quoted(folio) + ", " +
         sql_quoted(id) + ", " +
         sql_quoted(fecha.compact_date() + " " + fecha.time_text()) + ")";
}

std::string register_folio(Connection& connection,
                           const std::string& consecutivo,
                           const std::string& folio, const std::string& id,
                           const DateTime& fecha) {
  if (folio.empty()) {
    return "No se puede registrar un folio vacío del consecutivo " +
           consecutivo;
  }
  try {
    connection.execute(register_folio_statement(consecutivo, folio, id, fecha))
        .close();
    return "";
  } catch (const RuntimeError& e) {
    // The key refuses a repeat. A folio used again after its lines were
    // deactivated ('BA') is still a used folio, so a repeat is recorded
    // already, not a failure; tell it apart from other failures by looking,
    // so the answer does not depend on each engine's error number.
    if (is_registered(connection, consecutivo, folio, id)) return "";
    return "No se pudo registrar " + describe(consecutivo, folio, id) + ": " +
           e.description();
  }
}

}  // namespace promocionesQEX::companions
