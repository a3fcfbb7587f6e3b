// The command-line host's subcommands. Each returns the process exit code:
// 0 done (an empty answer included), 1 the operation failed, 2 bad usage.
#pragma once

#include <ostream>
#include <string>

#include "Arguments.h"

namespace promociones_cli {

int run_promocion(const CommonOptions&, const LookupOptions&, std::ostream&);
int run_clasificador(const CommonOptions&, const LookupOptions&, std::ostream&);
int run_vigentes(const CommonOptions&, const LookupOptions&, std::ostream&);
int run_pv_cantidad(const CommonOptions&, const LookupOptions&, std::ostream&);
int run_pv_importe(const CommonOptions&, const LookupOptions&, std::ostream&);

// explicar: every candidate of the lookup, condition by condition, and the
// winners (ExplainCommand.cpp). Exit 0 whenever the explanation is made,
// even when it shows the lookup failing.
enum class Explained { Promocion, Clasificador, PvCantidad, PvImporte };
int run_explicar(Explained, const CommonOptions&, const LookupOptions&,
                 std::ostream&);

int run_init(const CommonOptions&, std::ostream&);
int run_demo(const CommonOptions&, std::ostream&);
int run_descuento_global(const CommonOptions&, const std::string& csv_file,
                         std::ostream&);

}  // namespace promociones_cli
