// The object's simple properties and the global-discount record it shares
// with the host.
#include <gtest/gtest.h>

#include <memory>

#include "FakeCompanions.h"
#include "promocionesQEX/Promociones.h"
#include "promocionesQEX/clsPromoDescuentoGlobal.h"

namespace promocionesQEX {
namespace {

TEST(Promociones, NewObjectHasEmptyTextsAndNoRecord) {
  testing::FakeCompanionsGuard fakes;
  Promociones p;
  EXPECT_EQ(p.get_Error(), "");
  EXPECT_EQ(p.get_Promociones(), "");
  EXPECT_EQ(p.get_Mensaje(), "");
  EXPECT_EQ(p.get_Detalle_Descuento_Global(), nullptr);
}

TEST(Promociones, DetalleIsTheHostsOwnRecordUntilReplaced) {
  testing::FakeCompanionsGuard fakes;
  Promociones p;
  auto host = std::make_shared<clsPromoDescuentoGlobal>();
  p.put_Detalle_Descuento_Global(host);
  EXPECT_EQ(p.get_Detalle_Descuento_Global(), host);
  host->put_Cliente("C002");
  EXPECT_EQ(p.get_Detalle_Descuento_Global()->get_Cliente(), "C002");
  p.get_Detalle_Descuento_Global()->put_Folio("0000000042");
  EXPECT_EQ(host->get_Folio(), "0000000042");

  p.put_Detalle_Descuento_Global(nullptr);
  EXPECT_EQ(p.get_Detalle_Descuento_Global(), nullptr);
  EXPECT_EQ(host.use_count(), 1);  // the object kept no reference
  EXPECT_EQ(p.get_Error(), "");
}

}  // namespace
}  // namespace promocionesQEX
