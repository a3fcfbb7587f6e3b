// The hand-placed part of the demo: the keys the walk-through uses, and the
// promotions built around them so that, at the demo's moment, some rows
// apply and their neighbours miss for one reason each. Each writer numbers
// its table's folios from 1 and returns how many it wrote; the generated
// promotions are numbered after them.
#pragma once

#include "DemoWorld.h"
#include "PromotionRows.h"

namespace promocionesQEX::demo {

DemoShowcase showcase_keys(const DemoWorld& world);

long write_showcase_quantity(PromotionWriter& writer, const DemoWorld& world);
long write_showcase_classifier(PromotionWriter& writer, const DemoWorld& world);
// Pv promotions by quantity, then by amount, in one folio series.
long write_showcase_pv(PromotionWriter& writer, const DemoWorld& world);

}  // namespace promocionesQEX::demo
