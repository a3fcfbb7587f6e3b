// The demo's stored sales: drawn across every customer and product, with
// lines that earn a quantity promotion and lines that earn nothing, as a
// till sees them. The benchmarks replay them line by line.
#pragma once

#include <cstdint>
#include <vector>

#include "DemoWorld.h"
#include "GeneratedPromotions.h"

namespace promocionesQEX::demo {

// `options.sales` sales of `options.lines_per_sale` lines over the world
// the options build (the same options give the same sales).
std::vector<DemoSale> generate_sales(const DemoWorld& world,
                                     const DemoOptions& options);

// Their Promocion_Pv_Venta rows, one a line, dated at the world's moment.
void write_sales(Connection& connection, const DemoWorld& world,
                 const std::vector<DemoSale>& sales);

}  // namespace promocionesQEX::demo
