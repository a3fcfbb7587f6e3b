// The classification of a product that Pv promotions are matched against:
// category, department, brand, line, family and subfamily keys.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace promocionesQEX::lookup {

struct PvClassification {
  std::string categoria;
  std::string departamento;
  std::string marca;
  std::string linea;
  std::string familia;
  std::string subfamilia;
};

// The statement reading a product's classification unless it is
// deactivated ('BA').
std::string product_classification_statement(std::string_view producto);

// Runs the statement and reads the six keys as text (a NULL key fails with
// 94). Empty when the product is missing or deactivated.
std::optional<PvClassification> read_product_classification(
    const std::string& producto);

}  // namespace promocionesQEX::lookup
