// A generated store (branches, catalogue, customers, stock, promotions) for
// the demo, the tests and the benchmarks. Built into qex_demo, which the
// command-line tool, the tests and the benchmarks link; not part of the
// library's installed headers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "promocionesQEX/Connection.h"
#include "promocionesQEX/Database.h"
#include "promocionesQEX/DateTime.h"

namespace promocionesQEX {

struct DemoOptions {
  std::uint32_t seed = 20261205;
  int branches = 3;  // each with two warehouses
  int products = 200;
  int customers = 100;
  // Promotion rows per promotion table (Promocion_1x, Promocion_Clasificador,
  // Promocion_Pv); the demo's hand-placed promotions (36) come on top. A
  // benchmark database of N promotion rows takes N / 3. Larger stores for
  // benchmarks also raise products and customers (the promotions spread over
  // them).
  int promotions_per_table = 60;
  // -1: each generated row's validity is drawn as a chain's history holds
  // it (a few rows in a hundred in force). n >= 0: exactly the first n
  // rows of each table are in force and the rest have expired, so that
  // stores of different history sizes share the same rows in force.
  int in_force_per_table = -1;
  // Pv promotions by quantity for every customer ('%'), in force at the
  // moment, for the retired product: rows every Pv quantity lookup visits
  // without a match.
  int everyone_pv_in_force = 0;
  // Stored sales drawn across the customers and products, each of
  // `lines_per_sale` lines (Promocion_Pv_Venta rows); about a third of the
  // lines buy enough of a product whose quantity promotion is in force for
  // the sale's customer, the rest buy whatever. The showcase sale comes on
  // top.
  int sales = 10;
  int lines_per_sale = 20;
  // The moment the demo's schedules are built around: some promotions apply
  // then, others do not (another day, hour or branch, or deactivated).
  DateTime moment{2026, 12, 5, 11, 30, 0, 0};
};

// The keys the demo's walk-through uses. At the demo's moment the generated
// promotions answer them as follows (and never otherwise: the generated
// bulk of promotions targets other customers' scopes):
//  - quantity promotion (customer, product, size, colour, unit, quantity at
//    the branch): the segment-level row, the rows of the other four levels
//    being out of hours, out of day, for another branch, deactivated, for
//    another size or for a larger quantity;
//  - classifier promotion (line): the customer-level row, although a
//    segment-level row with a greater folio is in force too;
//  - Pv by quantity: three promotions, at the levels CL ('%'), CA and SG;
//  - Pv by amount (sale_id): promotions at the levels CL, CC and SG.
struct DemoShowcase {
  std::string branch;        // where the sale happens
  std::string warehouse;     // of that branch
  std::string other_branch;  // some promotions are for this one only
  std::string customer;
  std::string chain;  // the customer's scope keys
  std::string group;
  std::string route;
  std::string segment;
  std::string product;  // a garment sold in sizes and colours
  std::string size;
  std::string colour;
  std::string unit;
  double quantity = 0;                // bought on the sale line
  std::string line;                   // the product's line
  std::string classifier_type;        // "LN"
  std::string sale_id;                // Ppv_ID of the stored sale
  std::string serialized_product;     // with series in stock at the branch
  std::string retired_product;        // status 'BA'
  std::string pv_folio;               // a Pv promotion whose details include a
                                      // serialized product
  std::string transaction;            // of the permissions
  std::string user_with_permissions;  // holds PROM01 and PROM02
  std::string user_without_permissions;  // holds neither
  std::string currency;
  std::string salesperson;
};

// A generated sale as a till would ask about it: who buys where, and each
// line's product with the keys the lookups take.
struct DemoSaleLine {
  std::string product;
  std::string size;
  std::string colour;
  std::string unit;
  std::string line;  // the product's line
  double quantity = 0;
  double amount = 0;
};

struct DemoSale {
  std::string id;  // Ppv_ID of its stored rows
  std::string branch;
  std::string customer;
  std::vector<DemoSaleLine> lines;
};

struct DemoSummary {
  long branches = 0;
  long warehouses = 0;
  long products = 0;
  long customers = 0;
  long promotions = 0;  // rows over the three promotion tables
  long stock_rows = 0;
  DemoShowcase showcase;
};

// Fills a database that holds the schema and nothing else, in one
// transaction. Deterministic: the same options give the same rows. Options
// below the demo's needs (fewer than 2 branches, 100 products or 10
// customers, a negative promotion count, an invalid moment) fail with error
// 5 before anything is written.
DemoSummary create_demo_data(Connection& connection,
                             const DemoOptions& options);

// The showcase keys create_demo_data gives for these options, without
// touching a database (for a demo database made earlier).
DemoShowcase demo_showcase(const DemoOptions& options);

// The generated sales create_demo_data stores for these options, without
// touching a database.
std::vector<DemoSale> demo_sales(const DemoOptions& options);

}  // namespace promocionesQEX
