// The object's simple properties and the global-discount record it shares
// with the host.
#include <gtest/gtest.h>

#include <memory>

#include "FakeCompanions.h"
#include "promocionesQEX/Promociones.h"
#include "promocionesQEX/clsPromoDescuentoGlobal.h"

namespace promocionesQEX {
namespace {

class PromocionesTest : public ::testing::Test {
 protected:
  testing::FakeCompanionsGuard fakes_;
  Promociones p_;
};

TEST_F(PromocionesTest, NewObjectHasEmptyTextsAndNoRecord) {
  EXPECT_EQ(p_.get_Error(), "");
  EXPECT_EQ(p_.get_Promociones(), "");
  EXPECT_EQ(p_.get_Mensaje(), "");
  EXPECT_EQ(p_.get_Detalle_Descuento_Global(), nullptr);
}

TEST_F(PromocionesTest, DetalleSetterKeepsTheHostsOwnRecord) {
  auto host = std::make_shared<clsPromoDescuentoGlobal>();
  host->put_Cliente("C001");
  p_.put_Detalle_Descuento_Global(host);

  EXPECT_EQ(p_.get_Detalle_Descuento_Global(), host);
  host->put_Cliente("C002");
  EXPECT_EQ(p_.get_Detalle_Descuento_Global()->get_Cliente(), "C002");
  p_.get_Detalle_Descuento_Global()->put_Folio("0000000042");
  EXPECT_EQ(host->get_Folio(), "0000000042");
  EXPECT_EQ(p_.get_Error(), "");
}

TEST_F(PromocionesTest, DetalleSetterKeepsTheLastRecordAndAcceptsNone) {
  auto first = std::make_shared<clsPromoDescuentoGlobal>();
  auto second = std::make_shared<clsPromoDescuentoGlobal>();
  p_.put_Detalle_Descuento_Global(first);
  p_.put_Detalle_Descuento_Global(second);
  EXPECT_EQ(p_.get_Detalle_Descuento_Global(), second);
  p_.put_Detalle_Descuento_Global(nullptr);
  EXPECT_EQ(p_.get_Detalle_Descuento_Global(), nullptr);
  EXPECT_EQ(second.use_count(), 1);
}

}  // namespace
}  // namespace promocionesQEX
