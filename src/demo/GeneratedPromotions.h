// The bulk of the demo's promotions, and of the benchmark databases: rows
// spread over products, lines, brands and scope levels as a chain's history
// holds them (most expired, some in force, a few to come). They target the
// scopes of customers other than the showcase's, so the showcase's answers
// do not depend on how many are generated.
#pragma once

#include <cstdint>

#include "DemoWorld.h"
#include "PromotionRows.h"

namespace promocionesQEX::demo {

struct FolioStart {
  long quantity = 1;  // first folio of Promocion_1x
  long classifier = 1;
  long pv = 1;
};

// `options.promotions_per_table` rows in each of Promocion_1x,
// Promocion_Clasificador and Promocion_Pv (with its classifier rows and
// details), then the `options.everyone_pv_in_force` Pv promotions for every
// customer, handed to `sink` in the same order for the same options.
void generate_promotions(const DemoWorld& world, const DemoOptions& options,
                         FolioStart first, PromotionSink& sink);

void write_everyone_pv(const DemoWorld& world, int count, long first_folio,
                       PromotionSink& sink);

}  // namespace promocionesQEX::demo
