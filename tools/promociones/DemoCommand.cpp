// demo: creates the demo database when it is missing, then walks the demo's
// sale through every lookup, the code string and a global-discount document
// and ends with the explanation of the sale line's quantity promotion,
// printing each call's inputs and answers as the suite's users read them.
#include <filesystem>

#include <sstream>

#include "Commands.h"
#include "HostSession.h"
#include "Json.h"
#include "Table.h"
#include "demo/DemoData.h"
#include "promocionesQEX/Connection.h"
#include "promocionesQEX/Promociones.h"
#include "promocionesQEX/Variant.h"

namespace promociones_cli {
namespace {

using namespace promocionesQEX;

constexpr const char* kDefaultDemoDatabase = "promociones-demo.db";

void heading(std::ostream& out, const std::string& title) {
  out << "\n== " << title << " ==\n";
}

void create_demo(const std::string& connection_text, std::ostream& out) {
  auto connection = open_connection(connection_text);
  create_schema(*connection);
  const auto summary = create_demo_data(*connection, DemoOptions{});
  out << "Base de demostración creada en " << connection_text << ":\n";
  print_fields(out, {{"Sucursales", std::to_string(summary.branches)},
                     {"Almacenes", std::to_string(summary.warehouses)},
                     {"Productos", std::to_string(summary.products)},
                     {"Clientes", std::to_string(summary.customers)},
                     {"Promociones", std::to_string(summary.promotions)},
                     {"Existencias", std::to_string(summary.stock_rows)}});
}

void describe_sale(std::ostream& out, const DemoShowcase& s,
                   const DateTime& moment) {
  heading(out, "La venta");
  print_fields(
      out,
      {{"Momento", moment.iso_text() + " (sábado)"},
       {"Sucursal / almacén", s.branch + " / " + s.warehouse},
       {"Cliente", s.customer + " (cadena " + s.chain + ", grupo " + s.group +
                       ", ruta " + s.route + ", segmento " + s.segment + ")"},
       {"Renglón", general_number(s.quantity) + " " + s.unit + " de " +
                       s.product + " talla " + s.size + " color " + s.colour},
       {"Línea del producto", s.line},
       {"Venta guardada (Ppv_ID)", s.sale_id}});
}

// The code string with its separators made visible.
std::string visible(const std::string& code) {
  std::string out;
  for (char c : code) {
    if (c == '\t')
      out += "→";
    else if (c == '\r')
      out += "␍";
    else if (c == '\n')
      out += "␊";
    else
      out += c;
  }
  return out;
}

void walk_code_string(std::ostream& out, const CommonOptions& common,
                      const DemoShowcase& s, const DateTime& moment) {
  HostSession session(common, true);
  Promociones promociones;
  const tPromocion p =
      promociones.Get_Promocion(moment, s.branch, s.customer, s.product, s.size,
                                s.colour, s.quantity, s.unit);
  const std::string code = promociones.Codifica_Promocion({p});
  out << "Codifica_Promocion: \"" << visible(code) << "\"\n";
  const auto back = promociones.Decodifica_Promocion(code);
  out << "Decodifica_Promocion: " << back.size() << " renglón(es); el primero "
      << back.front().Pr_Cve_Producto << ", "
      << general_number(back.front().Pr_Cantidad) << ' '
      << back.front().Pr_Unidad << '\n';
}

int walk_discount(std::ostream& out, const CommonOptions& common,
                  const DemoShowcase& s) {
  HostSession session(common, true);
  Promociones promociones;
  promociones.Nuevo_Gescuento_Global();
  auto d = promociones.get_Detalle_Descuento_Global();
  d->put_Sucursal(s.branch);
  d->put_Almacen(s.warehouse);
  d->put_Cliente(s.customer);
  d->put_Vendedor(s.salesperson);
  d->put_Moneda(s.currency);
  d->put_Tipo_Cambio(1);
  d->put_Producto(s.product);
  d->put_Talla(s.size);
  d->put_Color(s.colour);
  d->put_Unidad(s.unit);
  d->put_Unidad_Costo(s.unit);
  Table t{{"Línea", "ID", "Cantidad", "Precio lista", "Descuento", "Neto"}, {}};
  for (int line = 1; line <= 2; ++line) {
    const double cantidad = line, precio = 250, factor = 0.1;
    d->put_Cantidad(cantidad);
    d->put_Cantidad_Costo(cantidad);
    d->put_Costo(120);
    d->put_Costo_Importe(120 * cantidad);
    d->put_Precio_Lista(precio);
    d->put_Precio_Lista_Importe(precio * cantidad);
    d->put_Descuento_Factor(factor);
    d->put_Descuento_Importe(precio * cantidad * factor);
    d->put_Precio_Descontado(precio * (1 - factor));
    d->put_Precio_Descontado_Importe(precio * cantidad * (1 - factor));
    d->put_Precio_Neto(precio * (1 - factor));
    d->put_Precio_Neto_Importe(precio * cantidad * (1 - factor));
    if (!promociones.Add_Promocion_Descuento_Global()) {
      out << "No se registró la línea " << line << ":\n"
          << promociones.get_Error() << '\n';
      return 1;
    }
    t.rows.push_back({std::to_string(line), d->get_ID(),
                      general_number(cantidad), general_number(precio),
                      general_number(precio * cantidad * factor),
                      general_number(precio * cantidad * (1 - factor))});
  }
  out << "Folio del documento: " << d->get_Folio() << '\n';
  print_table(out, t);
  return 0;
}

using Lookup = int (*)(const CommonOptions&, const LookupOptions&,
                      std::ostream&);

// --json: one document, each lookup's own JSON answer under its name (the
// walk's readable sections, the code string and the discount document are
// for people and stay out of it).
int run_demo_json(const CommonOptions& options, const LookupOptions& o,
                  bool created, std::ostream& out) {
  JsonObject document;
  document.text("base", options.bd).boolean("creada", created);
  int failures = 0;
  // The last member: why each candidate of the sale line's quantity
  // promotion applied or not.
  const Lookup explicacion = [](const CommonOptions& c, const LookupOptions& l,
                                std::ostream& out) {
    return run_explicar(Explained::Promocion, c, l, out);
  };
  const std::pair<const char*, Lookup> lookups[] = {
      {"promocion", run_promocion},       {"clasificador", run_clasificador},
      {"vigentes", run_vigentes},         {"pv_cantidad", run_pv_cantidad},
      {"pv_importe", run_pv_importe},     {"explicacion", explicacion},
  };
  for (const auto& [name, lookup] : lookups) {
    std::ostringstream answer;
    failures += lookup(options, o, answer);
    std::string json = answer.str();
    while (!json.empty() && json.back() == '\n') json.pop_back();
    if (json.empty()) json = "null";
    document.raw(name, json);
  }
  out << document.str() << '\n';
  return failures == 0 ? 0 : 1;
}

}  // namespace

int run_demo(const CommonOptions& common, std::ostream& out) {
  CommonOptions options = common;
  if (options.bd.empty()) options.bd = kDefaultDemoDatabase;
  const std::string path = sqlite_path(options.bd);
  const bool create = path.empty() || !std::filesystem::exists(path);
  std::ostringstream quiet;  // --json prints the document only
  std::ostream& text = options.json ? quiet : out;
  if (create)
    create_demo(options.bd, text);
  else
    text << "Base de demostración: " << options.bd << '\n';

  const DemoOptions demo;
  const DemoShowcase s = demo_showcase(demo);
  // The Pv lookups read the time of day from the services' clock: the demo
  // replays its sale at the demo's moment unless told otherwise.
  if (options.reloj.empty()) options.reloj = demo.moment.iso_text();

  LookupOptions o;
  o.fecha = demo.moment.iso_text();
  o.sucursal = s.branch;
  o.cliente = s.customer;
  o.producto = s.product;
  o.talla = s.size;
  o.color = s.colour;
  o.cantidad = general_number(s.quantity);
  o.unidad = s.unit;
  o.linea = s.line;
  o.tipo_clasificador = s.classifier_type;
  o.ppv_id = s.sale_id;
  if (options.json) return run_demo_json(options, o, create, out);

  describe_sale(out, s, demo.moment);
  int failures = 0;
  heading(out, "Get_Promocion: promoción por cantidad");
  failures += run_promocion(options, o, out);
  walk_code_string(out, options, s, demo.moment);
  heading(out, "Get_Promocion_Clasificador: promoción de la línea");
  failures += run_clasificador(options, o, out);
  heading(out, "Get_Promocion_Vigentes: promociones de línea vigentes");
  failures += run_vigentes(options, o, out);
  heading(out, "Get_Promocion_Pv_Cantidad: promociones Pv del renglón");
  failures += run_pv_cantidad(options, o, out);
  heading(out, "Get_Promocion_Pv_Importe: promociones Pv de la venta");
  failures += run_pv_importe(options, o, out);
  heading(out, "Add_Promocion_Descuento_Global: documento de descuento");
  failures += walk_discount(out, options, s);
  // The rows of the sale line's product at the customer's other levels did
  // not apply: the explanation names the condition that stopped each one.
  heading(out, "Explicación: por qué no aplicaron las otras promociones del "
               "renglón");
  failures += run_explicar(Explained::Promocion, options, o, out);
  return failures == 0 ? 0 : 1;
}

}  // namespace promociones_cli
