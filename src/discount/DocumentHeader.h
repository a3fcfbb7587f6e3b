// The header pass of a global-discount document: the record's header data
// checked against the catalogues, then the document's folio.
#pragma once

#include <optional>
#include <string>

#include "promocionesQEX/Companions.h"
#include "promocionesQEX/clsPromoDescuentoGlobal.h"

namespace promocionesQEX::discount {

// The sequence global-discount folios are taken from, and registered under.
inline constexpr const char* kConsecutivo = "PROMOCION_DESCUENTO_GLOBAL";

// Checks currency, exchange rate, branch, warehouse (of that branch),
// salesperson and customer in that order, then settles the folio: the
// record's own, or the next of the branch's sequence written into the
// record. Returns the message of the first refusal (the folio's included);
// nullopt when the header is accepted. Lookup errors reach the caller.
std::optional<std::string> open_document(clsPromoDescuentoGlobal& registro,
                                         clsServicios& servicios);

// A number as the messages show it: the general number form with '.', so
// that an Error text reads the same whatever the machine's locale.
std::string message_number(double value);

}  // namespace promocionesQEX::discount
