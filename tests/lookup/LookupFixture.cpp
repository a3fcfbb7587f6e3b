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
  db.exec("INSERT INTO " + table + " (" + columns + ") VALUES (" + list + ")");
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

void LookupTest::add(const Promo1x& r) {
  insert("Promocion_1x",
         "Prm_Folio, Prm_Tipo, Prm_Valor_Busqueda, Prm_Sucursal, "
         "Prm_Producto_Venta, Prm_Unidad_Venta, Prm_Talla_Venta, "
         "Prm_Color_Venta, Prm_Cantidad_Venta, Prm_Producto_Promocion, "
         "Prm_Unidad_Promocion, Prm_Talla_Promocion, Prm_Color_Promocion, "
         "Prm_Cantidad_Promocion, Prm_Comentario, Prm_Fecha_Inicial, "
         "Prm_Fecha_Final, Prm_Hora_Inicial, Prm_Hora_Final, "
         "Prm_Dias_Aplicacion, Es_Cve_Estado",
         // clang-format off
         {r.folio, r.tipo, r.valor, r.sucursal, r.producto_venta,
          r.unidad_venta, r.talla_venta, r.color_venta, r.cantidad_venta,
          r.producto_promocion, r.unidad_promocion, r.talla_promocion,
          r.color_promocion, r.cantidad_promocion, r.comentario,
          r.fecha_inicial, r.fecha_final, r.hora_inicial, r.hora_final, r.dias,
          r.estado});
  // clang-format on
}

void LookupTest::add(const PromoClasificador& r) {
  insert("Promocion_Clasificador",
         "Pc_Folio, Pc_Tipo_Clasificador, Pc_Valor_Clasificador, Pc_Tipo, "
         "Pc_Valor_Busqueda, Pc_Sucursal, Pc_Cantidad, Pc_Cantidad_Promocion, "
         "Pc_Porcentaje_promocion, Pc_Fecha_Inicial, Pc_Fecha_Final, "
         "Pc_Hora_Inicial, Pc_Hora_Final, Pc_Dias_Aplicacion, Es_Cve_Estado",
         {r.folio, r.tipo_clasificador, r.valor_clasificador, r.tipo, r.valor,
          r.sucursal, r.cantidad, r.cantidad_promocion, r.porcentaje,
          r.fecha_inicial, r.fecha_final, r.hora_inicial, r.hora_final, r.dias,
          r.estado});
}

void LookupTest::add(const PromoPv& r) {
  insert("Promocion_Pv",
         "Pp_Folio, Pp_Comentario, Pp_Tipo, Pp_Tipo_Valor, Pp_Aplicar, "
         "Pp_Aplicar_Valor, Pp_Sucursal, Pp_Fecha_Inicial, Pp_Fecha_Final, "
         "Pp_Hora_Inicial, Pp_Hora_Final, Pp_Dias_Aplicacion, Es_Cve_Estado",
         {r.folio, r.comentario, r.tipo, r.tipo_valor, r.aplicar,
          r.aplicar_valor, r.sucursal, r.fecha_inicial, r.fecha_final,
          r.hora_inicial, r.hora_final, r.dias, r.estado});
  std::vector<std::string> values{r.folio};
  values.insert(values.end(), r.clasificador.begin(), r.clasificador.end());
  insert("Promocion_Pv_Clasificador",
         "Pp_Folio, Ppc_Categoria, Ppc_Departamento, Ppc_Marca, Ppc_Linea, "
         "Ppc_Familia, Ppc_SubFamilia, Ppc_Producto",
         values);
}

void LookupTest::forget_calls() {
  recording->clear();
  fakes.sesion->calls.clear();
  fakes.servicios->calls.clear();
}

}  // namespace promocionesQEX::testing
