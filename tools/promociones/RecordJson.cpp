#include "RecordJson.h"

#include "Json.h"

namespace promociones_cli {

std::string promocion_json(const promocionesQEX::tPromocion& p) {
  return JsonObject()
      .text("Pr_Cve_Producto", p.Pr_Cve_Producto)
      .text("Tl_Cve_Talla", p.Tl_Cve_Talla)
      .text("Cl_Cve_Color", p.Cl_Cve_Color)
      .number("Pr_Cantidad", p.Pr_Cantidad)
      .text("Pr_Unidad", p.Pr_Unidad)
      .text("Prm_Folio", p.Prm_Folio)
      .text("Prm_Cantidad_Venta", p.Prm_Cantidad_Venta)
      .text("Prm_Cantidad_Promocion", p.Prm_Cantidad_Promocion)
      .text("Prm_Comentario", p.Prm_Comentario)
      .str();
}

std::string categoria_json(const promocionesQEX::tCategoria& c) {
  return JsonObject()
      .number("Ct_Cantidad", c.Ct_Cantidad)
      .number("Ct_Cantidad_Promocion", c.Ct_Cantidad_Promocion)
      .number("Ct_Porcentaje_Promocion", c.Ct_Porcentaje_Promocion)
      .text("Ct_Folio", c.Ct_Folio)
      .str();
}

}  // namespace promociones_cli
