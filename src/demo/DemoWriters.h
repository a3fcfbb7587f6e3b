// The parts of the demo database, each written by its own module in batched
// INSERTs on the caller's connection (inside the caller's transaction).
#pragma once

#include <cstdint>

#include "DemoWorld.h"
#include "promocionesQEX/Connection.h"

namespace promocionesQEX::demo {

// Branches, warehouses, currencies, salespeople, units, sizes, colours, the
// classification tree and the customers' scope catalogues.
void write_catalogues(Connection& connection, const DemoWorld& world);

void write_products(Connection& connection, const DemoWorld& world);
void write_customers(Connection& connection, const DemoWorld& world);

// Stock of every product variant in every branch and warehouse, and the
// series in stock of the serialized products. Returns the Existencia rows.
long write_stock(Connection& connection, const DemoWorld& world,
                 std::uint32_t seed);

// Parameters, users and permissions, folio sequences, the stored query.
void write_companion_data(Connection& connection);

// The sale stored for the amount lookup.
void write_showcase_sale(Connection& connection, const DemoWorld& world);

}  // namespace promocionesQEX::demo
