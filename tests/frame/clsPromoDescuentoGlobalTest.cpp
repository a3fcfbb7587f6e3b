// The global-discount record: 31 independent properties that return exactly
// what was stored.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "promocionesQEX/clsPromoDescuentoGlobal.h"

namespace promocionesQEX {
namespace {

using Record = clsPromoDescuentoGlobal;

struct TextProperty {
  const char* name;
  void (Record::*put)(const std::string&);
  const std::string& (Record::*get)() const;
};

struct NumberProperty {
  const char* name;
  void (Record::*put)(const double&);
  double (Record::*get)() const;
};

#define QEX_PROPERTY(name) \
  { #name, &Record::put_##name, &Record::get_##name }

const std::array<TextProperty, 15> kText{{
    QEX_PROPERTY(Folio),
    QEX_PROPERTY(Tabla),
    QEX_PROPERTY(ID),
    QEX_PROPERTY(Condicion_Venta),
    QEX_PROPERTY(Sucursal),
    QEX_PROPERTY(Almacen),
    QEX_PROPERTY(Ubicacion_Almacen),
    QEX_PROPERTY(Cliente),
    QEX_PROPERTY(Vendedor),
    QEX_PROPERTY(Moneda),
    QEX_PROPERTY(Producto),
    QEX_PROPERTY(Talla),
    QEX_PROPERTY(Color),
    QEX_PROPERTY(Unidad),
    QEX_PROPERTY(Unidad_Costo),
}};

const std::array<NumberProperty, 16> kNumber{{
    QEX_PROPERTY(Tipo_Cambio),
    QEX_PROPERTY(Cuota_Fija),
    QEX_PROPERTY(Cantidad),
    QEX_PROPERTY(Cantidad_Costo),
    QEX_PROPERTY(Costo),
    QEX_PROPERTY(Costo_Importe),
    QEX_PROPERTY(Precio_Lista),
    QEX_PROPERTY(Precio_Lista_Importe),
    QEX_PROPERTY(Descuento_Factor),
    QEX_PROPERTY(Descuento_Importe),
    QEX_PROPERTY(Precio_Descontado),
    QEX_PROPERTY(Precio_Descontado_Importe),
    QEX_PROPERTY(Impuesto_Factor),
    QEX_PROPERTY(Impuesto_Importe),
    QEX_PROPERTY(Precio_Neto),
    QEX_PROPERTY(Precio_Neto_Importe),
}};

#undef QEX_PROPERTY

void expect_all_default_except(const Record& r, const char* changed) {
  for (const TextProperty& p : kText) {
    if (std::string(p.name) != changed) {
      EXPECT_EQ((r.*p.get)(), "") << p.name;
    }
  }
  for (const NumberProperty& p : kNumber) {
    if (std::string(p.name) != changed) {
      EXPECT_EQ((r.*p.get)(), 0) << p.name;
    }
  }
}

TEST(clsPromoDescuentoGlobal, NewRecordIsEmptyAndZero) {
  const Record r;
  expect_all_default_except(r, "");
}

TEST(clsPromoDescuentoGlobal, SettingOnePropertyChangesNoOther) {
  for (const TextProperty& p : kText) {
    Record r;
    (r.*p.put)("x'y");
    EXPECT_EQ((r.*p.get)(), "x'y");
    expect_all_default_except(r, p.name);
  }
  for (const NumberProperty& p : kNumber) {
    Record r;
    (r.*p.put)(-0.000001);
    EXPECT_EQ((r.*p.get)(), -0.000001);
    expect_all_default_except(r, p.name);
  }
}

}  // namespace
}  // namespace promocionesQEX
