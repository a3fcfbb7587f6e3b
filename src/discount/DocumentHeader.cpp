#include "discount/DocumentHeader.h"

#include "discount/CatalogueCheck.h"
#include "promocionesQEX/Variant.h"

namespace promocionesQEX::discount {
namespace {

// Folio length asked of the sequence, and -1: take the number, not just
// peek at it.
constexpr long kLongitudFolio = 10;
constexpr long kIncrementa = -1;

// The six checks; the wording (accents, "dada"/"dado") is the one hosts
// already show and match, so it is kept as it stands.
std::optional<std::string> header_refusal(const clsPromoDescuentoGlobal& r,
                                          clsServicios& s) {
  if (!catalogue_has(s, kMoneda, r.get_Moneda()))
    return "La moneda: " + r.get_Moneda() + ", no existe o está dada de baja";
  if (!(r.get_Tipo_Cambio() > 0))  // NaN is refused as well
    return "el tipo de cambio: " + message_number(r.get_Tipo_Cambio()) +
           ", no es válido";
  if (!catalogue_has(s, kSucursal, r.get_Sucursal()))
    return "la sucursal: " + r.get_Sucursal() +
           ", no existe o esta dado de baja";
  if (!catalogue_has(s, kAlmacen, r.get_Almacen(), r.get_Sucursal()))
    return "el almacén: " + r.get_Almacen() +
           ", de la sucursal: " + r.get_Sucursal() +
           ", no existe o esta dado de baja";
  if (!catalogue_has(s, kVendedor, r.get_Vendedor()))
    return "El vendedor: " + r.get_Vendedor() +
           ", no existe o está dada de baja";
  if (!catalogue_has(s, kCliente, r.get_Cliente()))
    return "El cliente: " + r.get_Cliente() + ", no existe o está dada de baja";
  return std::nullopt;
}

// The record's folio, or the next of the sequence. The record takes what
// the sequence answered even when that is "" (no number obtained).
std::string settle_folio(clsPromoDescuentoGlobal& r, clsServicios& s) {
  if (!r.get_Folio().empty()) return r.get_Folio();
  // A Null answer fails with "Invalid use of Null", as assigning it to a
  // text would.
  std::string folio =
      s.Get_Folio(r.get_Sucursal(), kConsecutivo, kLongitudFolio, kIncrementa)
          .as_text();
  r.put_Folio(folio);
  return folio;
}

}  // namespace

std::optional<std::string> open_document(clsPromoDescuentoGlobal& registro,
                                         clsServicios& servicios) {
  if (auto refusal = header_refusal(registro, servicios)) return refusal;
  if (settle_folio(registro, servicios).empty())
    return "Error al intentar obtener el folio de la venta!";
  return std::nullopt;
}

std::string message_number(double value) { return general_number(value, '.'); }

}  // namespace promocionesQEX::discount
