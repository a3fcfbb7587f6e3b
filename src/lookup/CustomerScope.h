// The customer's scope levels: the customer itself, then its commercial
// chain, commercial group, route and segment, in the order the lookups try
// them. Each lookup family stores its own codes for the levels.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace promocionesQEX::lookup {

// Codes of the five levels, customer first, segment last.
using ScopeCodes = std::array<std::string_view, 5>;

// Promocion_1x and Promocion_Clasificador.
inline constexpr ScopeCodes kPromotionScopeCodes{"CL", "CA", "GR", "RU", "SE"};
// Promocion_Pv searched by quantity.
inline constexpr ScopeCodes kPvQuantityScopeCodes{"CL", "CA", "GR", "RU", "SG"};
// Promocion_Pv searched by amount.
inline constexpr ScopeCodes kPvAmountScopeCodes{"CL", "CC", "GC", "RT", "SG"};

struct ScopeLevel {
  std::string_view code;
  std::string value;
};

using ScopeLevels = std::array<ScopeLevel, 5>;

// The statement reading the customer's chain, segment, group and route.
std::string customer_scope_statement(std::string_view cliente);

// Runs the statement and pairs `codes` with the customer key and the four
// keys read (as text: a NULL key fails with 94). Empty when the customer is
// not in Cliente.
std::optional<ScopeLevels> read_customer_scope(const std::string& cliente,
                                               const ScopeCodes& codes);

}  // namespace promocionesQEX::lookup
