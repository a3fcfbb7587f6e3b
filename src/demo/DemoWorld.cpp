#include "DemoWorld.h"

#include <algorithm>
#include <array>

#include "DemoRandom.h"
#include "SqlLiteral.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::demo {
namespace {

constexpr int kSubfamilies = 64;  // 4 categories, each level splits in two
constexpr std::uint64_t kWorldStream = 0x5EED0001;

struct LineInfo {
  const char* description;
  const char* noun;
};

constexpr std::array<const char*, 4> kCategories = {"Ropa", "Calzado",
                                                    "Electrónica", "Hogar"};
constexpr std::array<const char*, 8> kDepartments = {
    "Dama",      "Caballero", "Deportivo", "Vestir",
    "Telefonía", "Audio",     "Cocina",    "Blancos"};
constexpr std::array<LineInfo, 16> kLines = {{
    {"Blusas y camisas de dama", "Blusa"},
    {"Pantalones de dama", "Pantalón"},
    {"Camisas de caballero", "Camisa"},
    {"Pantalones de caballero", "Pantalón"},
    {"Tenis para correr", "Tenis"},
    {"Tenis urbanos", "Tenis"},
    {"Zapato de vestir", "Zapato"},
    {"Botas", "Bota"},
    {"Teléfonos", "Teléfono"},
    {"Tabletas", "Tableta"},
    {"Audífonos", "Audífonos"},
    {"Bocinas", "Bocina"},
    {"Baterías de cocina", "Sartén"},
    {"Electrodomésticos menores", "Licuadora"},
    {"Toallas", "Toalla"},
    {"Sábanas", "Juego de sábanas"},
}};
constexpr std::array<const char*, 8> kBrands = {"Altamar", "Bravo",    "Cumbre",
                                                "Delta",   "Estrella", "Faro",
                                                "Granito", "Horizonte"};
constexpr std::array<const char*, 4> kSegments = {
    "Mayoreo", "Menudeo", "Institucional", "Público general"};
constexpr std::array<const char*, 6> kBranchNames = {
    "Centro", "Norte", "Sur", "Oriente", "Poniente", "Aeropuerto"};
constexpr std::array<const char*, 6> kTrades = {"Abarrotes", "Boutique",
                                                "Comercial", "Distribuidora",
                                                "Tienda",    "Almacenes"};
constexpr std::array<const char*, 10> kSurnames = {
    "López",  "García", "Hernández", "Martínez", "Ramírez",
    "Torres", "Flores", "Vázquez",   "Morales",  "Castillo"};

void add_tree(DemoWorld& world) {
  for (int c = 0; c < 4; ++c) {
    world.categories.push_back(
        {numbered_key("CT", c + 1, 2), kCategories[c], ""});
  }
  for (int d = 0; d < 8; ++d) {
    world.departments.push_back({numbered_key("DP", d + 1, 2), kDepartments[d],
                                 world.categories[d / 2].key});
  }
  for (int l = 0; l < 16; ++l) {
    world.lines.push_back({numbered_key("LN", l + 1, 2), kLines[l].description,
                           world.departments[l / 2].key});
  }
  for (int f = 0; f < 32; ++f) {
    const auto& line = world.lines[f / 2];
    world.families.push_back(
        {numbered_key("FM", f + 1, 2),
         line.description + (f % 2 ? ", línea premium" : ", línea básica"),
         line.key});
  }
  for (int s = 0; s < kSubfamilies; ++s) {
    const auto& family = world.families[s / 2];
    world.subfamilies.push_back(
        {numbered_key("SF", s + 1, 2),
         family.description + (s % 2 ? ", permanente" : ", de temporada"),
         family.key});
  }
  for (int b = 0; b < 8; ++b) {
    world.brands.push_back({numbered_key("MR", b + 1, 2), kBrands[b], ""});
  }
}

void add_branches(DemoWorld& world, int count) {
  for (int b = 1; b <= count; ++b) {
    std::string key = "S" + std::to_string(b);
    std::string name = b <= 6 ? kBranchNames[b - 1] : std::to_string(b);
    world.branches.push_back({key, "Sucursal " + name, ""});
    world.warehouses.push_back({"A1", "Piso de venta " + name, key});
    world.warehouses.push_back({"A2", "Bodega " + name, key});
  }
}

// Sizes, colours and unit of a product by its category (0 to 3).
void dress(Product& product, int category, int line, int number) {
  static const std::array<const char*, 4> kGarmentColours = {"BL", "NG", "RJ",
                                                             "AZ"};
  product.sizes = {"00"};
  product.colours = {"00"};
  product.unit = "PZA";
  if (category == 0) {
    product.sizes = {"CH", "MD", "GD"};
    product.colours = {kGarmentColours[(number - 1) % 4],
                       kGarmentColours[number % 4]};
  } else if (category == 1) {
    product.sizes = {"25", "26", "27"};
    product.colours = {number % 2 ? "NG" : "CF"};
    product.unit = "PAR";
  } else if (line == 14) {
    product.unit = "CJA";
  } else if (line == 15) {
    product.unit = "JGO";
  }
}

double price_for(int category, DemoRandom& random) {
  static const std::array<int, 4> kLow = {250, 600, 1500, 150};
  static const std::array<int, 4> kHigh = {900, 2500, 15000, 1800};
  int pesos = random.between(kLow[category], kHigh[category]);
  return pesos + (random.chance(50) ? 0.90 : 0.0);
}

void add_products(DemoWorld& world, int count, DemoRandom& random) {
  int width = key_width(count, 4);
  for (int n = 1; n <= count; ++n) {
    int s = (n - 1) % kSubfamilies;
    int line = s / 4;
    int category = s / 16;
    Product product;
    product.key = numbered_key("PR", n, width);
    product.subfamily = world.subfamilies[s].key;
    product.family = world.families[s / 2].key;
    product.line = world.lines[line].key;
    product.department = world.departments[s / 8].key;
    product.category = world.categories[category].key;
    int brand = random.below(8);
    product.brand = world.brands[brand].key;
    product.type = s / 8 == 4 ? "03" : "01";  // telephony is serialized
    dress(product, category, line, n);
    product.price = price_for(category, random);
    product.description = std::string(kLines[line].noun) + " " +
                          kBrands[brand] + " " + std::to_string(n);
    world.products.push_back(std::move(product));
  }
  world.products.back().status = "BA";
}

std::vector<CatalogueEntry> numbered(const std::string& prefix,
                                     const std::string& description,
                                     int count) {
  std::vector<CatalogueEntry> entries;
  int width = key_width(count, 2);
  for (int n = 1; n <= count; ++n) {
    entries.push_back({numbered_key(prefix, n, width),
                       description + " " + std::to_string(n), ""});
  }
  return entries;
}

void add_customers(DemoWorld& world, int count, DemoRandom& random) {
  world.chains = numbered("CC", "Cadena comercial", std::max(3, count / 10));
  world.groups = numbered("GC", "Grupo comercial", std::max(2, count / 20));
  world.routes = numbered("RT", "Ruta", std::max(3, count / 12));
  for (int s = 0; s < 4; ++s) {
    world.segments.push_back({numbered_key("SG", s + 1, 2), kSegments[s], ""});
  }
  int width = key_width(count, 4);
  for (int n = 1; n <= count; ++n) {
    Customer customer;
    customer.key = numbered_key("CL", n, width);
    customer.description = std::string(kTrades[random.below(6)]) + " " +
                           kSurnames[random.below(10)] + " " +
                           std::to_string(n);
    // The first customer is the showcase's: the first key of every scope.
    customer.chain =
        n == 1 ? world.chains[0].key : random.pick(world.chains).key;
    customer.group =
        n == 1 ? world.groups[0].key : random.pick(world.groups).key;
    customer.route =
        n == 1 ? world.routes[0].key : random.pick(world.routes).key;
    customer.segment =
        n == 1 ? world.segments[0].key : random.pick(world.segments).key;
    world.customers.push_back(std::move(customer));
  }
  world.customers.back().status = "BA";
}

}  // namespace

void check_options(const DemoOptions& options) {
  auto refuse = [](const std::string& what) {
    throw RuntimeError(
        5, "Opciones de la base de demostración no válidas: " + what);
  };
  if (options.branches < 2) refuse("se necesitan al menos 2 sucursales");
  if (options.products < 100) refuse("se necesitan al menos 100 productos");
  if (options.customers < 10) refuse("se necesitan al menos 10 clientes");
  if (options.promotions_per_table < 0 || options.everyone_pv_in_force < 0 ||
      options.in_force_per_table < -1) {
    refuse("el número de promociones no puede ser negativo");
  }
  if (options.sales < 0 || options.lines_per_sale < 1 ||
      options.lines_per_sale > 1000) {
    refuse("ventas: un número no negativo de 1 a 1000 renglones");
  }
  if (!options.moment.is_valid()) refuse("el momento de la demostración");
}

DemoWorld build_world(const DemoOptions& options) {
  check_options(options);
  DemoRandom random(options.seed ^ kWorldStream);
  DemoWorld world;
  world.moment = options.moment;
  add_tree(world);
  add_branches(world, options.branches);
  add_products(world, options.products, random);
  add_customers(world, options.customers, random);
  return world;
}

}  // namespace promocionesQEX::demo
