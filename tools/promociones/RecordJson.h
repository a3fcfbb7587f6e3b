// The lookups' records as the --json output writes them, field by field
// under the records' own names; shared by the lookups and their
// explanations so that both write one record the same way.
#pragma once

#include <string>

#include "promocionesQEX/Records.h"

namespace promociones_cli {

std::string promocion_json(const promocionesQEX::tPromocion& p);
std::string categoria_json(const promocionesQEX::tCategoria& c);

}  // namespace promociones_cli
