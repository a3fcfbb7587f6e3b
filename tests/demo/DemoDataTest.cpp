// The generated store: its size follows the options, the same seed gives
// the same rows, it holds what the companions and lookups need, and it is
// written in batched statements inside one transaction.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "Raised.h"
#include "TempDatabase.h"
#include "demo/BatchInsert.h"
#include "demo/DemoData.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsSupersetOf;

DemoOptions small_options(std::uint32_t seed = 7) {
  DemoOptions options;
  options.seed = seed;
  options.branches = 4;
  options.products = 150;
  options.customers = 30;
  options.promotions_per_table = 40;
  return options;
}

long count(const TempDatabase& db, const std::string& sql) {
  return std::stol(rows(db.exec(sql)).at(0));
}

TEST(DemoData, SizesFollowTheOptionsAndRowsAreConsistent) {
  TempDatabase db;
  const DemoSummary summary =
      create_demo_data(*db.connection(), small_options());
  // As asked, reported and stored: 4 branches of 2 warehouses, 150
  // products, 30 customers, and 156 promotion rows (40 generated per table
  // on top of the showcase's 8, 9 and 19).
  EXPECT_EQ(std::tuple(summary.branches, summary.warehouses, summary.products,
                       summary.customers, summary.promotions),
            std::tuple(4L, 8L, 150L, 30L, 156L));
  EXPECT_EQ(rows(db.exec(
                "SELECT (SELECT COUNT(*) FROM Sucursal), (SELECT COUNT(*) FROM "
                "Almacen), (SELECT COUNT(*) FROM Producto), (SELECT COUNT(*) "
                "FROM Cliente), (SELECT COUNT(*) FROM Promocion_1x) + (SELECT "
                "COUNT(*) FROM Promocion_Clasificador) + (SELECT COUNT(*) FROM "
                "Promocion_Pv)")),
            std::vector<std::string>{"4|8|150|30|156"});
  EXPECT_EQ(summary.stock_rows, count(db, "SELECT COUNT(*) FROM Existencia"));
  const std::pair<const char*, long> counts[] = {
      // Every product is stocked at every warehouse of the 4 branches.
      {"SELECT COUNT(*) FROM (SELECT DISTINCT Sc_Cve_Sucursal, Al_Cve_Almacen,"
       " Pr_Cve_Producto FROM Existencia)",
       8 * 150},
      // Stock of a serialized product = its series in force at that place.
      {"SELECT COUNT(*) FROM Existencia e JOIN Producto p ON "
       "p.Pr_Cve_Producto = e.Pr_Cve_Producto WHERE p.Pr_Tipo_Producto = '03' "
       "AND e.Ex_Existencia <> (SELECT COUNT(*) FROM Existencia_Serie s WHERE "
       "s.Sc_Cve_Sucursal = e.Sc_Cve_Sucursal AND s.Al_Cve_Almacen = "
       "e.Al_Cve_Almacen AND s.Pr_Cve_Producto = e.Pr_Cve_Producto AND "
       "s.Es_Cve_Estado = 'LI')",
       0},
      // Every Pv promotion has details and classifier rows.
      {"SELECT COUNT(*) FROM Promocion_Pv p WHERE NOT EXISTS (SELECT 1 FROM "
       "Promocion_Pv_Detalle d WHERE d.Pp_Folio = p.Pp_Folio) OR NOT EXISTS "
       "(SELECT 1 FROM Promocion_Pv_Clasificador c WHERE c.Pp_Folio = "
       "p.Pp_Folio)",
       0},
      // The global-discount sequence exists and starts at 1.
      {"SELECT COUNT(*) > 0 AND MIN(Fc_Siguiente) = 1 AND MAX(Fc_Siguiente) = "
       "1 FROM Folio_Consecutivo WHERE Fc_Consecutivo = "
       "'PROMOCION_DESCUENTO_GLOBAL'",
       1},
  };
  for (const auto& [sql, expected] : counts)
    EXPECT_EQ(count(db, sql), expected) << sql;
  // Promotions use every scope level of each lookup.
  auto codes = [&](const std::string& sql) {
    return rows(db.exec("SELECT DISTINCT " + sql + " ORDER BY 1"));
  };
  const auto quantity = ElementsAre("CA", "CL", "GR", "RU", "SE");
  EXPECT_THAT(codes("Prm_Tipo FROM Promocion_1x"), quantity);
  EXPECT_THAT(codes("Pc_Tipo FROM Promocion_Clasificador"), quantity);
  EXPECT_THAT(codes("Pp_Aplicar FROM Promocion_Pv WHERE Pp_Tipo = '02'"),
              IsSupersetOf({"CL", "CA", "GR", "RU", "SG"}));
  EXPECT_THAT(codes("Pp_Aplicar FROM Promocion_Pv WHERE Pp_Tipo = '01'"),
              IsSupersetOf({"CL", "CC", "GC", "RT", "SG"}));
  EXPECT_THAT(rows(db.exec("SELECT Pa_Nombre, Pa_Tipo, Pa_Valor FROM Parametro "
                           "ORDER BY 1")),
              ElementsAre("PED_VALIDAR_DISPONIBILIDAD_PARA_PROMOCION|B|1",
                          "VEN_PROMOCION_IMPORTE_AGRUPADOR|T|CT,DP,LN"));
  const DemoShowcase keys = demo_showcase(small_options());
  auto permissions = [&](const std::string& user) {
    return rows(
        db.exec("SELECT Pe_Cve_Permiso FROM Usuario_Permiso WHERE "
                "Us_Cve_Usuario = '" +
                user + "' AND Tr_Cve_Transaccion = '" + keys.transaction +
                "' ORDER BY 1"));
  };
  EXPECT_THAT(permissions(keys.user_with_permissions),
              ElementsAre("PROM01", "PROM02"));
  EXPECT_THAT(permissions(keys.user_without_permissions), ElementsAre());
}

TEST(DemoData, SameSeedSameRowsAnotherSeedOtherPromotions) {
  TempDatabase first, second, other;
  create_demo_data(*first.connection(), small_options(7));
  create_demo_data(*second.connection(), small_options(7));
  create_demo_data(*other.connection(), small_options(8));
  auto dump = [](const TempDatabase& db) {
    std::vector<std::string> all;
    for (const auto& table :
         rows(db.exec("SELECT name FROM sqlite_master WHERE "
                      "type = 'table' ORDER BY name")))
      for (const auto& row :
           rows(db.exec("SELECT * FROM " + table + " ORDER BY 1, 2")))
        all.push_back(table + "|" + row);
    return all;
  };
  const auto dumped = dump(first);
  EXPECT_EQ(dumped, dump(second));
  EXPECT_GT(dumped.size(), 1000u);
  const std::string promotions =
      "SELECT Prm_Producto_Venta || Prm_Valor_Busqueda"
      " FROM Promocion_1x ORDER BY Prm_ID";
  EXPECT_NE(rows(first.exec(promotions)), rows(other.exec(promotions)));
}

TEST(DemoData, RefusedOrFailedGenerationWritesNothing) {
  TempDatabase db;
  const std::function<void(DemoOptions&)> too_small[] = {
      [](DemoOptions& o) { o.branches = 1; },
      [](DemoOptions& o) { o.products = 99; },
      [](DemoOptions& o) { o.customers = 9; },
      [](DemoOptions& o) { o.promotions_per_table = -1; },
      [](DemoOptions& o) { o.moment.month = 13; },
  };
  for (const auto& change : too_small) {
    DemoOptions options = small_options();
    change(options);
    const RuntimeError e =
        raised([&] { create_demo_data(*db.connection(), options); });
    EXPECT_EQ(e.number(), 5);
    EXPECT_THAT(e.description(), ::testing::HasSubstr("no válidas"));
  }
  EXPECT_EQ(count(db, "SELECT COUNT(*) FROM Sucursal"), 0);
  // A clash halfway through rolls every row back.
  db.exec(
      "INSERT INTO Parametro (Pa_Nombre, Pa_Valor) VALUES "
      "('VEN_PROMOCION_IMPORTE_AGRUPADOR', 'LN')");
  EXPECT_THROW(create_demo_data(*db.connection(), small_options()),
               RuntimeError);
  EXPECT_EQ(count(db, "SELECT COUNT(*) FROM Producto"), 0);
  EXPECT_EQ(count(db, "SELECT COUNT(*) FROM Parametro"), 1);
}

// The statements the generator sends, to the character: batched INSERTs
// (texts quoted with quotes doubled, numbers plain) inside one transaction,
// rolled back when not committed.
TEST(BatchInsert, SendsOneStatementPerBatchInsideTheTransaction) {
  TempDatabase db;
  RecordingConnection recording(db.connection());
  for (bool commit : {true, false}) {
    demo::Transaction transaction(recording);
    demo::BatchInsert batch(recording, "Promocion_Pv_Venta",
                            {"Ppv_ID", "Ppv_Importe"}, 2);
    batch.row().text("MXN").number(1250.5).end();
    batch.row().text("D'olar").number(-2).end();
    batch.row().text("EUR").number(1e20).end();
    batch.flush();
    EXPECT_EQ(batch.rows(), 3);
    if (commit) transaction.commit();
  }
  const std::string first =
      "INSERT INTO Promocion_Pv_Venta (Ppv_ID, Ppv_Importe) VALUES "
      "('MXN', 1250.5), ('D''olar', -2)";
  const std::string second =
      "INSERT INTO Promocion_Pv_Venta (Ppv_ID, Ppv_Importe) VALUES "
      "('EUR', 100000000000000000000)";
  EXPECT_THAT(
      recording.statements(),
      ElementsAre("BEGIN TRANSACTION", first, second, "COMMIT TRANSACTION",
                  "BEGIN TRANSACTION", first, second, "ROLLBACK TRANSACTION"));
  EXPECT_EQ(db.exec("SELECT COUNT(*) FROM Promocion_Pv_Venta")
                .field(std::size_t{0})
                .as_number(),
            3);
}

}  // namespace
}  // namespace promocionesQEX::testing
