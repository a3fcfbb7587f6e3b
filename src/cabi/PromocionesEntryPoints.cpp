// The operations and properties of promocionesQEX.Promociones, and the
// records they exchange, as C functions over the C++ facade.
#include <cstdlib>
#include <vector>

#include "cabi/Objects.h"

using namespace promocionesQEX;
using namespace promocionesQEX::cabi;

namespace {

void clear(qex_tPromocion& r) {
  for (char** field : {&r.Pr_Cve_Producto, &r.Tl_Cve_Talla, &r.Cl_Cve_Color,
                       &r.Pr_Unidad, &r.Prm_Folio, &r.Prm_Cantidad_Venta,
                       &r.Prm_Cantidad_Promocion, &r.Prm_Comentario}) {
    std::free(*field);
    *field = nullptr;
  }
  r.Pr_Cantidad = 0;
}

// Fills `out` (whose fields the caller has not set) with copies.
void fill(qex_tPromocion& out, const tPromocion& in) {
  out = {};
  try {
    out.Pr_Cve_Producto = c_text(in.Pr_Cve_Producto);
    out.Tl_Cve_Talla = c_text(in.Tl_Cve_Talla);
    out.Cl_Cve_Color = c_text(in.Cl_Cve_Color);
    out.Pr_Cantidad = in.Pr_Cantidad;
    out.Pr_Unidad = c_text(in.Pr_Unidad);
    out.Prm_Folio = c_text(in.Prm_Folio);
    out.Prm_Cantidad_Venta = c_text(in.Prm_Cantidad_Venta);
    out.Prm_Cantidad_Promocion = c_text(in.Prm_Cantidad_Promocion);
    out.Prm_Comentario = c_text(in.Prm_Comentario);
  } catch (...) {
    clear(out);
    throw;
  }
}

tPromocion record(const qex_tPromocion& in) {
  return {text(in.Pr_Cve_Producto),    text(in.Tl_Cve_Talla),
          text(in.Cl_Cve_Color),       in.Pr_Cantidad,
          text(in.Pr_Unidad),          text(in.Prm_Folio),
          text(in.Prm_Cantidad_Venta), text(in.Prm_Cantidad_Promocion),
          text(in.Prm_Comentario)};
}

// Sets *out to a copy of `value`; *out is NULL until then.
template <class Get>
long text_result(qex_object* self, char** out, const char* member, Get get) {
  return guarded([&] {
    PromocionesHandle& h = promociones(self, member);
    require(out, "value");
    *out = nullptr;
    *out = c_text(get(h.object));
  });
}

}  // namespace

extern "C" {

void qex_tPromocion_clear(qex_tPromocion* record) {
  if (record) clear(*record);
}

void qex_tCategoria_clear(qex_tCategoria* record) {
  if (!record) return;
  std::free(record->Ct_Folio);
  *record = {};
}

void qex_tPromocion_free_array(qex_tPromocion* records, size_t count) {
  if (!records) return;
  for (size_t i = 0; i < count; ++i) clear(records[i]);
  std::free(records);
}

long qex_get_Promociones(qex_object* self, char** value) {
  return text_result(self, value, "Promociones",
                     [](Promociones& p) { return p.get_Promociones(); });
}

long qex_get_Error(qex_object* self, char** value) {
  return text_result(self, value, "Error",
                     [](Promociones& p) { return p.get_Error(); });
}

long qex_get_Mensaje(qex_object* self, char** value) {
  return text_result(self, value, "Mensaje",
                     [](Promociones& p) { return p.get_Mensaje(); });
}

long qex_put_Sucursal(qex_object* self, const char* value) {
  return guarded(
      [&] { promociones(self, "Sucursal").object.put_Sucursal(text(value)); });
}

long qex_put_Almacen(qex_object* self, const char* value) {
  return guarded(
      [&] { promociones(self, "Almacen").object.put_Almacen(text(value)); });
}

long qex_get_Detalle_Descuento_Global(qex_object* self, qex_object** record) {
  return guarded([&] {
    PromocionesHandle& h = promociones(self, "Detalle_Descuento_Global");
    require(record, "record");
    *record = nullptr;
    auto held = h.object.get_Detalle_Descuento_Global();
    if (!held) return;
    auto* made = new DescuentoHandle(std::move(held));
    adopt(made);
    *record = reinterpret_cast<qex_object*>(made);
  });
}

long qex_put_Detalle_Descuento_Global(qex_object* self, qex_object* record) {
  return guarded([&] {
    PromocionesHandle& h = promociones(self, "Detalle_Descuento_Global");
    std::shared_ptr<clsPromoDescuentoGlobal> value;
    if (record) {
      Handle* given = find(record);
      if (given && given->kind != Kind::Descuento)
        throw RuntimeError::TypeMismatch();
      value = descuento(record, "Detalle_Descuento_Global").record;
    }
    h.object.put_Detalle_Descuento_Global(std::move(value));
  });
}

long qex_Codifica_Promocion(qex_object* self, const qex_tPromocion* oPromo,
                            size_t count, char** result) {
  return guarded([&] {
    PromocionesHandle& h = promociones(self, "Codifica_Promocion");
    require(result, "result");
    *result = nullptr;
    if (count > 0) require(oPromo, "oPromo");
    std::vector<tPromocion> records;
    records.reserve(count);
    for (size_t i = 0; i < count; ++i) records.push_back(record(oPromo[i]));
    *result = c_text(h.object.Codifica_Promocion(records));
  });
}

long qex_Decodifica_Promocion(qex_object* self, const char* sCodigo,
                              qex_tPromocion** result, size_t* count) {
  return guarded([&] {
    PromocionesHandle& h = promociones(self, "Decodifica_Promocion");
    require(result, "result");
    require(count, "count");
    *result = nullptr;
    *count = 0;
    const std::vector<tPromocion> records =
        h.object.Decodifica_Promocion(text(sCodigo));
    if (records.empty()) return;
    auto* array = static_cast<qex_tPromocion*>(
        std::calloc(records.size(), sizeof(qex_tPromocion)));
    if (!array) throw std::bad_alloc();
    try {
      for (size_t i = 0; i < records.size(); ++i) fill(array[i], records[i]);
    } catch (...) {
      qex_tPromocion_free_array(array, records.size());
      throw;
    }
    *result = array;
    *count = records.size();
  });
}

long qex_Get_Promocion(qex_object* self, const qex_DateTime* Fecha,
                       const char* Sc_Cve_Sucursal, const char* Cl_Cve_Cliente,
                       const char* Pr_Cve_Producto, const char* Tl_Cve_Talla,
                       const char* Cl_Cve_Color, double Cantidad,
                       const char* Un_Cve_Unidad, qex_tPromocion* result) {
  return guarded([&] {
    PromocionesHandle& h = promociones(self, "Get_Promocion");
    require(result, "result");
    *result = {};
    const tPromocion found = h.object.Get_Promocion(
        date(Fecha), text(Sc_Cve_Sucursal), text(Cl_Cve_Cliente),
        text(Pr_Cve_Producto), text(Tl_Cve_Talla), text(Cl_Cve_Color), Cantidad,
        text(Un_Cve_Unidad));
    fill(*result, found);
  });
}

long qex_Get_Promocion_Clasificador(qex_object* self, const qex_DateTime* Fecha,
                                    const char* Cl_Cve_Cliente,
                                    const char* Sc_Cve_Sucursal,
                                    const char* Linea, double Cantidad,
                                    qex_tCategoria* result) {
  return guarded([&] {
    PromocionesHandle& h = promociones(self, "Get_Promocion_Clasificador");
    require(result, "result");
    *result = {};
    const tCategoria found = h.object.Get_Promocion_Clasificador(
        date(Fecha), text(Cl_Cve_Cliente), text(Sc_Cve_Sucursal), text(Linea),
        Cantidad);
    result->Ct_Folio = c_text(found.Ct_Folio);
    result->Ct_Cantidad = found.Ct_Cantidad;
    result->Ct_Cantidad_Promocion = found.Ct_Cantidad_Promocion;
    result->Ct_Porcentaje_Promocion = found.Ct_Porcentaje_Promocion;
  });
}

long qex_Get_Promocion_Vigentes(qex_object* self, const qex_DateTime* Fecha,
                                const char* Cl_Cve_Cliente,
                                const char* Sc_Cve_Sucursal,
                                const char* Tipo_Clasificador,
                                qex_cursor** rows) {
  return guarded([&] {
    PromocionesHandle& h = promociones(self, "Get_Promocion_Vigentes");
    require(rows, "rows");
    *rows = nullptr;
    std::optional<Recordset> found = h.object.Get_Promocion_Vigentes(
        date(Fecha), text(Cl_Cve_Cliente), text(Sc_Cve_Sucursal),
        text(Tipo_Clasificador));
    if (!found) return;
    auto* made = new CursorHandle(std::move(*found));
    adopt(made);
    *rows = reinterpret_cast<qex_cursor*>(made);
  });
}

long qex_Get_Promocion_Pv_Cantidad(qex_object* self, const qex_DateTime* Fecha,
                                   const char* Sc_Cve_Sucursal,
                                   const char* Cl_Cve_Cliente,
                                   const char* Pr_Cve_Producto, double Cantidad,
                                   const char* Leyenda, char** Leyenda_result,
                                   char** result) {
  return guarded([&] {
    PromocionesHandle& h = promociones(self, "Get_Promocion_Pv_Cantidad");
    require(result, "result");
    *result = nullptr;
    if (Leyenda_result) *Leyenda_result = nullptr;
    std::string leyenda = text(Leyenda);
    const std::string found = h.object.Get_Promocion_Pv_Cantidad(
        date(Fecha), text(Sc_Cve_Sucursal), text(Cl_Cve_Cliente),
        text(Pr_Cve_Producto), Cantidad, leyenda);
    char* list = c_text(found);
    if (Leyenda_result) {
      try {
        *Leyenda_result = c_text(leyenda);
      } catch (...) {
        std::free(list);
        throw;
      }
    }
    *result = list;
  });
}

long qex_Get_Promocion_Pv_Importe(qex_object* self, const qex_DateTime* Fecha,
                                  const char* Sc_Cve_Sucursal,
                                  const char* Cl_Cve_Cliente,
                                  const char* Ppv_ID, char** result) {
  return guarded([&] {
    PromocionesHandle& h = promociones(self, "Get_Promocion_Pv_Importe");
    require(result, "result");
    *result = nullptr;
    *result = c_text(
        h.object.Get_Promocion_Pv_Importe(date(Fecha), text(Sc_Cve_Sucursal),
                                          text(Cl_Cve_Cliente), text(Ppv_ID)));
  });
}

long qex_Capturar_Promociones(
    qex_object* self, const qex_DateTime* Fecha, const char* Sc_Cve_Sucursal,
    const char* Cl_Cve_Cliente, const char* Pr_Cve_Producto,
    const char* Tl_Cve_Talla, const char* Cl_Cve_Color, double Cantidad,
    const char* Un_Cve_Unidad, const char* Transaccion, int Edicion,
    const char* Promociones, int* result) {
  return guarded([&] {
    PromocionesHandle& h = promociones(self, "Capturar_Promociones");
    require(result, "result");
    *result = 0;
    *result = h.object.Capturar_Promociones(
                  date(Fecha), text(Sc_Cve_Sucursal), text(Cl_Cve_Cliente),
                  text(Pr_Cve_Producto), text(Tl_Cve_Talla), text(Cl_Cve_Color),
                  Cantidad, text(Un_Cve_Unidad), text(Transaccion),
                  Edicion != 0, text(Promociones))
                  ? 1
                  : 0;
  });
}

long qex_Capturar_Promociones_Pv(qex_object* self, const char* Promociones,
                                 const char* Sucursal, const char* Almacen,
                                 char** result) {
  return guarded([&] {
    PromocionesHandle& h = promociones(self, "Capturar_Promociones_Pv");
    require(result, "result");
    *result = nullptr;
    *result = c_text(h.object.Capturar_Promociones_Pv(
        text(Promociones), text(Sucursal), text(Almacen)));
  });
}

long qex_Nuevo_Gescuento_Global(qex_object* self) {
  return guarded([&] {
    promociones(self, "Nuevo_Gescuento_Global").object.Nuevo_Gescuento_Global();
  });
}

long qex_Add_Promocion_Descuento_Global(qex_object* self, int* result) {
  return guarded([&] {
    PromocionesHandle& h = promociones(self, "Add_Promocion_Descuento_Global");
    require(result, "result");
    *result = 0;
    *result = h.object.Add_Promocion_Descuento_Global() ? 1 : 0;
  });
}

}  // extern "C"
