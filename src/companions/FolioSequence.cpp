#include "companions/FolioSequence.h"

#include <cmath>
#include <optional>

#include "companions/CompanionErrors.h"
#include "companions/SqlText.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::companions {

namespace {

std::string sequence_key(const std::string& consecutivo) {
  return " WHERE Fc_Consecutivo = " + sql_quoted(consecutivo);
}

bool is_sql_server(std::string_view engine) {
  if (engine == "sqlserver") return true;
  if (engine == "sqlite") return false;
  throw RuntimeError(kInvalidArgument,
                     "Motor de base de datos no soportado para folios: " +
                         std::string(engine));
}

// Reads the single Fc_Folio the statement answers; nothing when no row.
std::optional<long long> run_for_folio(Connection& connection,
                                       const std::string& sql) {
  auto rs = connection.execute(sql);
  std::optional<long long> folio;
  if (!rs.eof()) {
    double value = rs.field("Fc_Folio").as_number();
    if (value != std::floor(value) || std::fabs(value) > 9.0e15) {
      throw RuntimeError(RuntimeError::kTypeMismatch,
                         "El consecutivo no es un número entero");
    }
    folio = static_cast<long long>(value);
  }
  // Closed at once: on SQLite an unfinished statement keeps the write lock.
  rs.close();
  return folio;
}

}  // namespace

std::string create_sequence_statement(std::string_view engine,
                                      const std::string& consecutivo) {
  if (is_sql_server(engine)) {
    // UPDLOCK, HOLDLOCK: two first callers cannot both see the row missing.
    return "INSERT INTO Folio_Consecutivo (Fc_Consecutivo, Fc_Siguiente) "
           "SELECT " +
           sql_quoted(consecutivo) +
           ", 1 WHERE NOT EXISTS (SELECT 1 FROM Folio_Consecutivo WITH "
           "(UPDLOCK, HOLDLOCK)" +
           sequence_key(consecutivo) + ")";
  }
  return "INSERT INTO Folio_Consecutivo (Fc_Consecutivo, Fc_Siguiente) "
         "VALUES (" +
         sql_quoted(consecutivo) + ", 1) ON CONFLICT DO NOTHING";
}

std::string take_folio_statement(std::string_view engine,
                                 const std::string& consecutivo) {
  if (is_sql_server(engine)) {
    return "UPDATE Folio_Consecutivo SET Fc_Siguiente = Fc_Siguiente + 1 "
           "OUTPUT deleted.Fc_Siguiente AS Fc_Folio" +
           sequence_key(consecutivo);
  }
  return "UPDATE Folio_Consecutivo SET Fc_Siguiente = Fc_Siguiente + 1" +
         sequence_key(consecutivo) + " RETURNING Fc_Siguiente - 1 AS Fc_Folio";
}

std::string peek_folio_statement(const std::string& consecutivo) {
  return "SELECT Fc_Siguiente AS Fc_Folio FROM Folio_Consecutivo" +
         sequence_key(consecutivo);
}

long long next_folio(Connection& connection, const std::string& consecutivo,
                     bool advance) {
  auto engine = connection.engine();
  std::string sql = advance ? take_folio_statement(engine, consecutivo)
                            : peek_folio_statement(consecutivo);
  // The sequence usually exists: try first, create only when it answered
  // nothing, then try again.
  if (auto folio = run_for_folio(connection, sql)) return *folio;
  connection.execute(create_sequence_statement(engine, consecutivo)).close();
  if (auto folio = run_for_folio(connection, sql)) return *folio;
  throw RuntimeError(kNotFound,
                     "No se pudo crear el consecutivo " + consecutivo);
}

void check_folio_length(long length) {
  if (length < 1 || length > kMaxFolioLength) {
    throw RuntimeError(kInvalidArgument, "Longitud de folio no válida: " +
                                             std::to_string(length));
  }
}

std::string padded_folio(long long number, long length) {
  check_folio_length(length);
  if (number < 0) {
    throw RuntimeError(kInvalidArgument,
                       "El consecutivo es negativo: " + std::to_string(number));
  }
  std::string digits = std::to_string(number);
  if (digits.size() > static_cast<std::size_t>(length)) {
    throw RuntimeError(RuntimeError::kOverflow,
                       "El folio " + digits + " no cabe en " +
                           std::to_string(length) + " dígitos");
  }
  return std::string(static_cast<std::size_t>(length) - digits.size(), '0') +
         digits;
}

}  // namespace promocionesQEX::companions
