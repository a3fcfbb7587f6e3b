// The recording against a real database through the default companions:
// the warehouse check and a refused registration as the suite's tables
// answer them.
#include <gtest/gtest.h>

#include "DatabaseCompanions.h"

namespace promocionesQEX::discount_tests {
namespace {

class DiscountDatabase : public ::testing::Test {
 protected:
  DiscountDatabase() { promo.put_Detalle_Descuento_Global(registro); }

  testing::TempDatabase db;
  DatabaseCompanions companions{db};
  std::shared_ptr<clsPromoDescuentoGlobal> registro = sample_record();
  Promociones promo;
};

TEST_F(DiscountDatabase, WarehouseOfAnotherBranchIsRefused) {
  registro->put_Almacen("A2");  // exists under branch 02 only
  EXPECT_FALSE(promo.Add_Promocion_Descuento_Global());
  EXPECT_EQ(promo.get_Error(), kAddPrefix +
                                   "el almacén: A2, de la sucursal: 01, no "
                                   "existe o esta dado de baja");
  registro->put_Sucursal("02");
  EXPECT_TRUE(promo.Add_Promocion_Descuento_Global()) << promo.get_Error();
}

TEST_F(DiscountDatabase, RefusedRegistrationLeavesTheRowInPlace) {
  db.exec(
      "INSERT INTO Folio_Usado (Fc_Consecutivo, Fu_Folio, Fu_ID) VALUES "
      "('PROMOCION_DESCUENTO_GLOBAL', '0000000001', '000001')");
  EXPECT_FALSE(promo.Add_Promocion_Descuento_Global());
  const std::string motivo = companions.servicios->Get_Ultimo_Error();
  EXPECT_FALSE(motivo.empty());
  EXPECT_EQ(promo.get_Error(), kAddPrefix + motivo);
  EXPECT_EQ(count(db,
                  "SELECT COUNT(*) FROM Promocion_Descuento_Global WHERE "
                  "Pdg_Folio = '0000000001' AND Pdg_ID = '000001'"),
            1);
}

}  // namespace
}  // namespace promocionesQEX::discount_tests
