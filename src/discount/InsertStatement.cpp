#include "discount/InsertStatement.h"

#include "promocionesQEX/Variant.h"

namespace promocionesQEX::discount {
namespace {

// Each value carries its own separator: texts " 'x', ", numbers "n, ".
// Two numbers end differently (Cantidad " , ", the last ") "), so the
// number fragment takes its ending.
// A quote inside a value is doubled, so no value can end its literal early
// and change the statement.
void text_value(std::string& sql, const std::string& value) {
  sql.append(" '");
  for (char c : value) {
    if (c == '\'') sql.push_back('\'');
    sql.push_back(c);
  }
  sql.append("', ");
}

void number_value(std::string& sql, double value, const char* ending = ", ") {
  sql.append(general_number(value, '.')).append(ending);
}

constexpr const char* kColumns =
    "INSERT INTO Promocion_Descuento_Global(  "
    " Pdg_Folio, "
    " Pdg_ID, "
    " Pdg_Tabla, "
    " Pdg_Condicion_Venta, "
    " Sc_Cve_Sucursal, "
    " Al_Cve_Almacen, "
    " Cl_Cve_Cliente, "
    " Vn_Cve_Vendedor, "
    " Mn_Cve_Moneda, "
    " Pdg_Tipo_Cambio, "
    " Pr_Cve_Producto, "
    " Tl_Cve_Talla, "
    " Cl_Cve_Color, "
    " Pdg_Cantidad, "
    " Pdg_Unidad, "
    " Pdg_Cantidad_Costo, "
    " Pdg_Unidad_Costo, "
    " Pdg_Costo, "
    " Pdg_Costo_Importe, "
    " Pdg_Precio_Lista, "
    " Pdg_Precio_Lista_Importe, "
    " Pdg_Descuento_Factor, "
    " Pdg_Descuento_Importe, "
    " Pdg_Precio_Descontado, "
    " Pdg_Precio_Descontado_Importe, "
    " Pdg_Impuesto_Factor, "
    " Pdg_Impuesto_Importe, "
    " Pdg_Precio_Neto, "
    " Pdg_Precio_Neto_Importe, "
    " Pdg_Ubicacion, "
    " Pdg_Cuota_Fija  "
    ")VALUES(  ";

// Values 1 to 17: the keys of the line, through its quantity and units.
void key_values(std::string& sql, const clsPromoDescuentoGlobal& r) {
  text_value(sql, r.get_Folio());
  text_value(sql, r.get_ID());
  text_value(sql, r.get_Tabla());
  text_value(sql, r.get_Condicion_Venta());
  text_value(sql, r.get_Sucursal());
  text_value(sql, r.get_Almacen());
  text_value(sql, r.get_Cliente());
  text_value(sql, r.get_Vendedor());
  text_value(sql, r.get_Moneda());
  number_value(sql, r.get_Tipo_Cambio());
  text_value(sql, r.get_Producto());
  text_value(sql, r.get_Talla());
  text_value(sql, r.get_Color());
  number_value(sql, r.get_Cantidad(), " , ");
  text_value(sql, r.get_Unidad());
  number_value(sql, r.get_Cantidad_Costo());
  text_value(sql, r.get_Unidad_Costo());
}

// Values 18 to 31: the host's figures, the location and the fixed fee.
void amount_values(std::string& sql, const clsPromoDescuentoGlobal& r) {
  number_value(sql, r.get_Costo());
  number_value(sql, r.get_Costo_Importe());
  number_value(sql, r.get_Precio_Lista());
  number_value(sql, r.get_Precio_Lista_Importe());
  number_value(sql, r.get_Descuento_Factor());
  number_value(sql, r.get_Descuento_Importe());
  number_value(sql, r.get_Precio_Descontado());
  number_value(sql, r.get_Precio_Descontado_Importe());
  number_value(sql, r.get_Impuesto_Factor());
  number_value(sql, r.get_Impuesto_Importe());
  number_value(sql, r.get_Precio_Neto());
  number_value(sql, r.get_Precio_Neto_Importe());
  text_value(sql, r.get_Ubicacion_Almacen());
  number_value(sql, r.get_Cuota_Fija(), ") ");
}

}  // namespace

std::string insert_statement(const clsPromoDescuentoGlobal& registro) {
  std::string sql = kColumns;
  key_values(sql, registro);
  amount_values(sql, registro);
  return sql;
}

}  // namespace promocionesQEX::discount
