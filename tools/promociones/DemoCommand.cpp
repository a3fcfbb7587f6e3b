// demo: creates the demo database when it is missing, then walks a sale
// through every lookup, printing each call's inputs and answers.
#include <filesystem>

#include "Commands.h"
#include "HostSession.h"
#include "Table.h"
#include "promocionesQEX/Connection.h"
#include "promocionesQEX/Database.h"

namespace promociones_cli {
namespace {

constexpr const char* kDefaultDemoDatabase = "promociones-demo.db";

void create_demo(const std::string& connection_text, std::ostream& out) {
  auto connection = promocionesQEX::open_connection(connection_text);
  promocionesQEX::create_schema(*connection);
  const auto summary =
      promocionesQEX::create_demo_data(*connection, promocionesQEX::DemoOptions{});
  out << "Base de demostración creada en " << connection_text << ":\n";
  print_fields(out, {{"Sucursales", std::to_string(summary.branches)},
                     {"Almacenes", std::to_string(summary.warehouses)},
                     {"Productos", std::to_string(summary.products)},
                     {"Clientes", std::to_string(summary.customers)},
                     {"Promociones", std::to_string(summary.promotions)},
                     {"Existencias", std::to_string(summary.stock_rows)}});
  out << '\n';
}

}  // namespace

int run_demo(const CommonOptions& common, std::ostream& out) {
  CommonOptions options = common;
  if (options.bd.empty()) options.bd = kDefaultDemoDatabase;
  const std::string path = sqlite_path(options.bd);
  if (path.empty() || !std::filesystem::exists(path))
    create_demo(options.bd, out);
  else
    out << "Base de demostración: " << options.bd << "\n\n";
  return 0;
}

}  // namespace promociones_cli
