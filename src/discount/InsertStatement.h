// The statement that writes one global-discount line.
#pragma once

#include <string>

#include "promocionesQEX/clsPromoDescuentoGlobal.h"

namespace promocionesQEX::discount {

// INSERT INTO Promocion_Descuento_Global of the record's 31 values. The
// text, spacing and separators included, is the one the suite's databases
// have always received (traces and replication filters match it), so it is
// built fragment by fragment exactly so. Text values go between single
// quotes with each quote doubled; numbers in the general number form with
// '.', whatever the locale.
std::string insert_statement(const clsPromoDescuentoGlobal& registro);

}  // namespace promocionesQEX::discount
