// Error numbers the default companions raise besides the engine's own. They
// follow the host language's and ADO's numbering so that hosts written
// against the suite's own components read them the same way.
#pragma once

namespace promocionesQEX::companions {

// "Invalid procedure call or argument": a name that is not a plain
// identifier, an unknown parameter type.
inline constexpr long kInvalidArgument = 5;
// ADO's "connection cannot be used": no connection text configured.
inline constexpr long kNotConfigured = 3709;
// ADO's "item cannot be found": a stored query that does not exist.
inline constexpr long kNotFound = 3265;

}  // namespace promocionesQEX::companions
