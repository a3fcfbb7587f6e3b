// Promociones: starting a global-discount document and recording its lines.
#include <memory>

#include "discount/CatalogueCheck.h"
#include "discount/DocumentHeader.h"
#include "discount/DocumentLine.h"
#include "discount/InsertStatement.h"
#include "frame/ErrorConvention.h"
#include "frame/Publico.h"
#include "promocionesQEX/Promociones.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX {

void Promociones::Nuevo_Gescuento_Global() {
  moDetalle_Descuento_Global = std::make_shared<clsPromoDescuentoGlobal>();
  miRenglon = 0;
  mbFolio_Obtenido = false;
}

bool Promociones::Add_Promocion_Descuento_Global() {
  bool grabado = false;
  const auto rechaza = [this](const std::string& motivo) {
    msError = error_text(kPrefixAddPromocionDescuentoGlobal, motivo);
  };
  run_catching(msError, kPrefixAddPromocionDescuentoGlobal, [&] {
    if (!moDetalle_Descuento_Global) throw RuntimeError::ObjectNotSet();
    clsPromoDescuentoGlobal& registro = *moDetalle_Descuento_Global;
    clsServicios& servicios = *publico().goServicios;

    // The header is checked once per document: until it has passed, or
    // again when the host empties the folio to start over.
    if (registro.get_Folio().empty() || !mbFolio_Obtenido) {
      if (auto motivo = discount::open_document(registro, servicios))
        return rechaza(*motivo);
      miRenglon = 0;
      mbFolio_Obtenido = true;
    }
    if (auto motivo = discount::line_refusal(registro, servicios))
      return rechaza(*motivo);

    // The number is used up before the row is written: a line whose insert
    // or registration fails keeps it, and the next line gets a new one.
    miRenglon = discount::next_line(miRenglon);
    registro.put_ID(discount::line_id(miRenglon));
    if (!Inserta_Promocion_Descuento_Global()) return;
    if (!servicios.Registra_Folio(discount::kConsecutivo, registro.get_Folio(),
                                  registro.get_ID()))
      return rechaza(servicios.Get_Ultimo_Error());  // the row stays
    grabado = true;
  });
  return grabado;
}

bool Promociones::Inserta_Promocion_Descuento_Global() {
  clsPromoDescuentoGlobal& registro = *moDetalle_Descuento_Global;
  Publico& modulo = publico();

  // Outside this function's handler on purpose: a failing lookup here is
  // reported by Add_Promocion_Descuento_Global, under its own prefix.
  if (miRenglon == 1 &&
      discount::catalogue_has(*modulo.goServicios, discount::kLineaGuardada,
                              registro.get_Folio(), registro.get_ID())) {
    msError = error_text(kPrefixInsertaPromocionDescuentoGlobal,
                         "El folio: " + registro.get_Folio() + ", ya existe");
    return false;
  }
  return run_catching(msError, kPrefixInsertaPromocionDescuentoGlobal, [&] {
    modulo.gsSQL = discount::insert_statement(registro);
    modulo.goSesionDatos->Conexion()->execute(modulo.gsSQL);
  });
}

}  // namespace promocionesQEX
