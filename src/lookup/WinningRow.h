// What the quantity and classifier lookups read from their winning row,
// shared with the lookups' explanation so that both answer alike.
#pragma once

#include "promocionesQEX/Records.h"
#include "promocionesQEX/Recordset.h"

namespace promocionesQEX::lookup {

// The goods of the winning Promocion_1x row for the quantity sold: whole
// applications in 16 bits (6 on overflow, 11 for a zero quantity to buy)
// times the quantity given; fields read in the lookup's order, so a NULL
// fails (94) at the same field.
void fill_quantity_goods(const Recordset& row, double cantidad,
                         tPromocion& goods);

// The winning Promocion_Clasificador row as the record hosts receive.
tCategoria read_category(const Recordset& row);

}  // namespace promocionesQEX::lookup
