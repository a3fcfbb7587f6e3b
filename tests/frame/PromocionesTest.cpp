// The object's texts start empty, and the global-discount record is the
// host's own object, not a copy, until the host replaces it.
#include <gtest/gtest.h>

#include <memory>

#include "FakeCompanions.h"
#include "promocionesQEX/Promociones.h"
#include "promocionesQEX/clsPromoDescuentoGlobal.h"

namespace promocionesQEX {
namespace {

TEST(Promociones, TextsStartEmptyAndDetalleIsTheHostsOwnRecord) {
  testing::FakeCompanionsGuard fakes;
  Promociones p;
  EXPECT_EQ(p.get_Error() + p.get_Promociones() + p.get_Mensaje(), "");
  EXPECT_EQ(p.get_Detalle_Descuento_Global(), nullptr);
  auto host = std::make_shared<clsPromoDescuentoGlobal>();
  p.put_Detalle_Descuento_Global(host);
  host->put_Cliente("C002");
  EXPECT_EQ(p.get_Detalle_Descuento_Global()->get_Cliente(), "C002");
  p.get_Detalle_Descuento_Global()->put_Folio("0000000042");
  EXPECT_EQ(host->get_Folio(), "0000000042");
  p.put_Detalle_Descuento_Global(nullptr);
  EXPECT_EQ(p.get_Detalle_Descuento_Global(), nullptr);
  EXPECT_EQ(host.use_count(), 1);  // the object kept no reference
}

}  // namespace
}  // namespace promocionesQEX
