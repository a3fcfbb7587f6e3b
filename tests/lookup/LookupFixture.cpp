#include "LookupFixture.h"

namespace promocionesQEX::testing {

std::string sql_literal(const std::string& text) {
  if (text == kNull) return "NULL";
  std::string out = "'";
  for (char c : text) {
    out += c;
    if (c == '\'') out += '\'';
  }
  return out + "'";
}

LookupTest::LookupTest()
    : recording(std::make_shared<RecordingConnection>(db.connection())) {
  fakes.sesion->conexion = recording;
  promociones = std::make_unique<Promociones>();
  add_customer({"C1", "CAD1", "GRU1", "RUT1", "SEG1"});
}

void LookupTest::insert(const std::string& table, const std::string& columns,
                        const std::vector<std::string>& values) {
  std::string list;
  for (const std::string& value : values) {
    list += (list.empty() ? "" : ", ") + sql_literal(value);
  }
  db.exec("INSERT INTO " + table +
          (columns.empty() ? "" : " (" + columns + ")") + " VALUES (" + list +
          ")");
}

void LookupTest::add_customer(const std::vector<std::string>& values) {
  insert("Cliente",
         "Cl_Cve_Cliente, Cc_Cve_Cadena_Comercial, Gc_Cve_Grupo_Comercial, "
         "Rt_Cve_Ruta, Sg_Cve_Segmento",
         values);
}

void LookupTest::add_product(const std::string& producto,
                             const std::vector<std::string>& clasificacion,
                             const std::string& estado) {
  std::vector<std::string> values{producto};
  values.insert(values.end(), clasificacion.begin(), clasificacion.end());
  values.push_back(estado);
  insert("Producto",
         "Pr_Cve_Producto, Ct_Cve_Categoria, Dp_Cve_Departamento, "
         "Mr_Cve_Marca, Ln_Cve_Linea, Fm_Cve_Familia, Sf_Cve_SubFamilia, "
         "Es_Cve_Estado",
         values);
}

// The promotion rows give every column in the schema's order: NULL for an
// identity column (the next number), kAlta for the date of entry.
const std::string kAlta = "2026-11-30 08:00:00";

void LookupTest::add(const Promo1x& r) {
  insert("Promocion_1x", "",
         // clang-format off
         {kNull, r.folio, r.tipo, r.valor, r.sucursal, r.producto_venta,
          r.unidad_venta, r.talla_venta, r.color_venta, r.cantidad_venta,
          r.producto_promocion, r.unidad_promocion, r.talla_promocion,
          r.color_promocion, r.cantidad_promocion, r.comentario,
          r.fecha_inicial, r.fecha_final, r.hora_inicial, r.hora_final, r.dias,
          kAlta, r.estado});
  // clang-format on
}

void LookupTest::add(const PromoClasificador& r) {
  insert("Promocion_Clasificador", "",
         {kNull, r.folio, r.tipo_clasificador, r.valor_clasificador, r.tipo,
          r.valor, r.sucursal, r.cantidad, r.cantidad_promocion, r.porcentaje,
          "", r.fecha_inicial, r.fecha_final, r.hora_inicial, r.hora_final,
          r.dias, kAlta, r.estado});
}

void LookupTest::add(const PromoPv& r) {
  insert("Promocion_Pv", "",
         {r.folio, r.comentario, r.tipo, r.tipo_valor, r.aplicar,
          r.aplicar_valor, r.sucursal, r.fecha_inicial, r.fecha_final,
          r.hora_inicial, r.hora_final, r.dias, kAlta, r.estado});
  std::vector<std::string> values{kNull, r.folio};
  values.insert(values.end(), r.clasificador.begin(), r.clasificador.end());
  values.push_back("LI");
  insert("Promocion_Pv_Clasificador", "", values);
}

void LookupTest::forget_calls() {
  recording->clear();
  fakes.sesion->calls.clear();
  fakes.servicios->calls.clear();
}

}  // namespace promocionesQEX::testing
