// The recording against a real database through the default companions:
// catalogue checks, the duplicate check and registration as the suite's
// tables answer them.
#include <gtest/gtest.h>

#include "DatabaseCompanions.h"

namespace promocionesQEX::discount_tests {
namespace {

class DiscountDatabase : public ::testing::Test {
 protected:
  DiscountDatabase() { promo.put_Detalle_Descuento_Global(registro); }

  long lines(const std::string& folio) {
    return count(db,
                 "SELECT COUNT(*) FROM Promocion_Descuento_Global "
                 "WHERE Pdg_Folio = '" +
                     folio + "'");
  }

  testing::TempDatabase db;
  DatabaseCompanions companions{db};
  std::shared_ptr<clsPromoDescuentoGlobal> registro = sample_record();
  Promociones promo;
};

TEST_F(DiscountDatabase, DocumentLinesAreStoredAndRegistered) {
  for (int i = 0; i < 3; ++i)
    ASSERT_TRUE(promo.Add_Promocion_Descuento_Global()) << promo.get_Error();
  EXPECT_EQ(registro->get_Folio(), "0000000001");
  EXPECT_EQ(lines("0000000001"), 3);
  EXPECT_EQ(count(db,
                  "SELECT COUNT(*) FROM Folio_Usado WHERE Fu_Folio = "
                  "'0000000001' AND Fu_ID IN ('000001', '000002', "
                  "'000003')"),
            3);
}

TEST_F(DiscountDatabase, WarehouseOfAnotherBranchIsRefused) {
  registro->put_Almacen("A2");  // exists under branch 02 only
  EXPECT_FALSE(promo.Add_Promocion_Descuento_Global());
  EXPECT_EQ(promo.get_Error(), kAddPrefix +
                                   "el almacén: A2, de la sucursal: 01, no "
                                   "existe o esta dado de baja");
  registro->put_Sucursal("02");
  EXPECT_TRUE(promo.Add_Promocion_Descuento_Global()) << promo.get_Error();
}

TEST_F(DiscountDatabase, ExistingFirstLineRefusesTheHostFolio) {
  db.exec(
      "INSERT INTO Promocion_Descuento_Global (Pdg_Folio, Pdg_ID) "
      "VALUES ('F1', '000001')");
  registro->put_Folio("F1");
  EXPECT_FALSE(promo.Add_Promocion_Descuento_Global());
  EXPECT_EQ(promo.get_Error(), kInsertaPrefix + "El folio: F1, ya existe");
  EXPECT_EQ(lines("F1"), 1);
}

TEST_F(DiscountDatabase, DeactivatedLinePassesTheCheckButNotTheKey) {
  db.exec(
      "INSERT INTO Promocion_Descuento_Global (Pdg_Folio, Pdg_ID, "
      "Es_Cve_Estado) VALUES ('F1', '000001', 'BA')");
  registro->put_Folio("F1");
  EXPECT_FALSE(promo.Add_Promocion_Descuento_Global());
  EXPECT_TRUE(promo.get_Error().starts_with(kInsertaPrefix))
      << promo.get_Error();
  EXPECT_GT(promo.get_Error().size(), kInsertaPrefix.size());
  // The number is used up: the next line is the second.
  ASSERT_TRUE(promo.Add_Promocion_Descuento_Global()) << promo.get_Error();
  EXPECT_EQ(registro->get_ID(), "000002");
}

TEST_F(DiscountDatabase, RefusedRegistrationLeavesTheRowInPlace) {
  db.exec(
      "INSERT INTO Folio_Usado (Fc_Consecutivo, Fu_Folio, Fu_ID) VALUES "
      "('PROMOCION_DESCUENTO_GLOBAL', '0000000001', '000001')");
  EXPECT_FALSE(promo.Add_Promocion_Descuento_Global());
  const std::string motivo = companions.servicios->Get_Ultimo_Error();
  EXPECT_FALSE(motivo.empty());
  EXPECT_EQ(promo.get_Error(), kAddPrefix + motivo);
  EXPECT_EQ(lines("0000000001"), 1);
}

}  // namespace
}  // namespace promocionesQEX::discount_tests
