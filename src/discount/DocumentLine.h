// The line pass of a global-discount document: the line's own checks and
// its number within the document.
#pragma once

#include <optional>
#include <string>

#include "promocionesQEX/Companions.h"
#include "promocionesQEX/clsPromoDescuentoGlobal.h"

namespace promocionesQEX::discount {

// Checks the unit against its catalogue, then that the cost is not
// negative. The message of the first refusal; nullopt when the line passes.
std::optional<std::string> line_refusal(const clsPromoDescuentoGlobal& registro,
                                        clsServicios& servicios);

// The counter after one more line. The counter is a 16-bit number, as the
// hosts' own: past 32767 it fails with 6 "Overflow" and is left as it was.
short next_line(short renglon);

// The line number as stored: six digits with leading zeros ("000001").
std::string line_id(short renglon);

}  // namespace promocionesQEX::discount
