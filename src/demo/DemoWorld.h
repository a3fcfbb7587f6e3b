// The generated store before it is written: branches, the classification
// tree, products and customers with their scope keys. Built from the demo
// options alone, so the same options give the same store.
#pragma once

#include <string>
#include <vector>

#include "demo/DemoData.h"

namespace promocionesQEX::demo {

struct CatalogueEntry {
  std::string key;
  std::string description;
  std::string parent;  // key one level up the tree, "" at the top
};

struct Product {
  std::string key;
  std::string description;
  std::string category;
  std::string department;
  std::string brand;
  std::string line;
  std::string family;
  std::string subfamily;
  std::string type;  // '01' ordinary, '03' serialized
  std::string unit;
  std::vector<std::string> sizes;    // "00" when sold without size
  std::vector<std::string> colours;  // "00" when sold without colour
  double price = 0;
  std::string status = "LI";
};

struct Customer {
  std::string key;
  std::string description;
  std::string chain;
  std::string group;
  std::string route;
  std::string segment;
  std::string status = "LI";
};

struct DemoWorld {
  DateTime moment;
  std::vector<CatalogueEntry> branches;
  std::vector<CatalogueEntry> warehouses;  // parent: the branch
  std::vector<CatalogueEntry> categories;
  std::vector<CatalogueEntry> departments;
  std::vector<CatalogueEntry> lines;
  std::vector<CatalogueEntry> families;
  std::vector<CatalogueEntry> subfamilies;
  std::vector<CatalogueEntry> brands;
  std::vector<CatalogueEntry> chains;
  std::vector<CatalogueEntry> groups;
  std::vector<CatalogueEntry> routes;
  std::vector<CatalogueEntry> segments;
  std::vector<Product> products;
  std::vector<Customer> customers;

  // The product of the numbered series (1-based), as the showcase names it.
  const Product& product(int number) const { return products.at(number - 1); }
  const Customer& customer(int number) const {
    return customers.at(number - 1);
  }
};

// Fails with error 5 when the options cannot make the demo's store.
void check_options(const DemoOptions& options);

DemoWorld build_world(const DemoOptions& options);

}  // namespace promocionesQEX::demo
