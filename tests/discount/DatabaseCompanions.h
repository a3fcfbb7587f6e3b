// The default companions working on a test database, made the current
// thread's for the life of the object.
#pragma once

#include <memory>
#include <string>

#include "DiscountFixture.h"
#include "TempDatabase.h"
#include "companions/CommonServices.h"
#include "companions/DataSession.h"
#include "frame/Publico.h"

namespace promocionesQEX::discount_tests {

class DatabaseCompanions {
 public:
  explicit DatabaseCompanions(testing::TempDatabase& db)
      : servicios(std::make_shared<companions::CommonServices>(
            open_connection(db.connection_text()))) {
    for (const char* row : kCatalogueRows) db.exec(row);
    auto sesion = std::make_shared<companions::DataSession>(
        open_connection(db.connection_text()), "PRUEBAS");
    CompanionFactories factories;
    factories.sesion_datos = [sesion] { return sesion; };
    factories.servicios = [s = servicios] { return s; };
    install_companions(std::move(factories));
    discard_thread_module();
  }
  ~DatabaseCompanions() {
    reset_companions();
    discard_thread_module();
  }
  DatabaseCompanions(const DatabaseCompanions&) = delete;
  DatabaseCompanions& operator=(const DatabaseCompanions&) = delete;

  std::shared_ptr<companions::CommonServices> servicios;
};

// How many rows the statement's single column counts.
inline long count(testing::TempDatabase& db, const std::string& sql) {
  return static_cast<long>(db.connection()->execute(sql).field(0).as_number());
}

}  // namespace promocionesQEX::discount_tests
