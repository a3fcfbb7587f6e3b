// The suite's database as the library knows it: its schema, and a generated
// store (branches, catalogue, customers, stock, promotions) for demos and
// benchmarks.
#pragma once

#include <cstdint>
#include <string>

#include "promocionesQEX/Connection.h"
#include "promocionesQEX/DateTime.h"

namespace promocionesQEX {

// Creates every table and index of the library and its companions in an
// empty database, in the connection's engine dialect. Fails with the
// engine's error when a table already exists.
void create_schema(Connection& connection);

// The SQL text of the schema for an engine ("sqlite" or "sqlserver").
const std::string& schema_text(std::string_view engine);

struct DemoOptions {
  std::uint32_t seed = 20261205;
  int branches = 3;                // each with two warehouses
  int products = 200;
  int customers = 100;
  // Promotion rows per promotion table (Promocion_1x, Promocion_Clasificador,
  // Promocion_Pv); the demo's hand-placed promotions come on top.
  int promotions_per_table = 60;
  // The moment the demo's schedules are built around: some promotions apply
  // then, others do not (another day, hour or branch, or deactivated).
  DateTime moment{2026, 12, 5, 11, 30, 0, 0};
};

struct DemoSummary {
  long branches = 0;
  long warehouses = 0;
  long products = 0;
  long customers = 0;
  long promotions = 0;  // rows over the three promotion tables
  long stock_rows = 0;
};

// Fills a database that holds the schema and nothing else. Deterministic: the
// same options give the same rows.
DemoSummary create_demo_data(Connection& connection, const DemoOptions& options);

}  // namespace promocionesQEX
