// descuento-global: records one global-discount document from a CSV file
// whose header names the record's properties, one row per line. The whole
// file is checked before the first line is recorded.
#include <algorithm>
#include <functional>
#include <map>

#include "Commands.h"
#include "Csv.h"
#include "HostSession.h"
#include "Json.h"
#include "Table.h"
#include "promocionesQEX/Promociones.h"
#include "promocionesQEX/RuntimeError.h"
#include "promocionesQEX/Variant.h"

namespace promociones_cli {
namespace {

using promocionesQEX::clsPromoDescuentoGlobal;
using Record = clsPromoDescuentoGlobal;

using TextSetter = void (Record::*)(const std::string&);
using NumberSetter = void (Record::*)(const double&);

struct Property {
  TextSetter text = nullptr;
  NumberSetter number = nullptr;
  bool header = false;  // the same for every line of the document
};

const std::map<std::string, Property>& properties() {
  static const std::map<std::string, Property> table = {
      {"Folio", {&Record::put_Folio, nullptr, true}},
      {"Tabla", {&Record::put_Tabla, nullptr, false}},
      {"Condicion_Venta", {&Record::put_Condicion_Venta, nullptr, false}},
      {"Sucursal", {&Record::put_Sucursal, nullptr, true}},
      {"Almacen", {&Record::put_Almacen, nullptr, true}},
      {"Ubicacion_Almacen", {&Record::put_Ubicacion_Almacen, nullptr, false}},
      {"Cliente", {&Record::put_Cliente, nullptr, true}},
      {"Vendedor", {&Record::put_Vendedor, nullptr, true}},
      {"Moneda", {&Record::put_Moneda, nullptr, true}},
      {"Tipo_Cambio", {nullptr, &Record::put_Tipo_Cambio, true}},
      {"Producto", {&Record::put_Producto, nullptr, false}},
      {"Talla", {&Record::put_Talla, nullptr, false}},
      {"Color", {&Record::put_Color, nullptr, false}},
      {"Cuota_Fija", {nullptr, &Record::put_Cuota_Fija, false}},
      {"Cantidad", {nullptr, &Record::put_Cantidad, false}},
      {"Unidad", {&Record::put_Unidad, nullptr, false}},
      {"Cantidad_Costo", {nullptr, &Record::put_Cantidad_Costo, false}},
      {"Unidad_Costo", {&Record::put_Unidad_Costo, nullptr, false}},
      {"Costo", {nullptr, &Record::put_Costo, false}},
      {"Costo_Importe", {nullptr, &Record::put_Costo_Importe, false}},
      {"Precio_Lista", {nullptr, &Record::put_Precio_Lista, false}},
      {"Precio_Lista_Importe",
       {nullptr, &Record::put_Precio_Lista_Importe, false}},
      {"Descuento_Factor", {nullptr, &Record::put_Descuento_Factor, false}},
      {"Descuento_Importe", {nullptr, &Record::put_Descuento_Importe, false}},
      {"Precio_Descontado", {nullptr, &Record::put_Precio_Descontado, false}},
      {"Precio_Descontado_Importe",
       {nullptr, &Record::put_Precio_Descontado_Importe, false}},
      {"Impuesto_Factor", {nullptr, &Record::put_Impuesto_Factor, false}},
      {"Impuesto_Importe", {nullptr, &Record::put_Impuesto_Importe, false}},
      {"Precio_Neto", {nullptr, &Record::put_Precio_Neto, false}},
      {"Precio_Neto_Importe",
       {nullptr, &Record::put_Precio_Neto_Importe, false}},
  };
  return table;
}

// Folio may be left out (the sequence gives one); ID is always the module's.
bool optional_column(const std::string& name) { return name == "Folio"; }

// A line ready to be set on the record: one setter call per column.
using Line = std::vector<std::function<void(Record&)>>;

std::vector<Line> check_document(const CsvFile& csv) {
  for (std::size_t i = 0; i < csv.header.size(); ++i) {
    const std::string& name = csv.header[i];
    if (std::find(csv.header.begin(), csv.header.begin() + i, name) !=
        csv.header.begin() + i)
      throw UsageError("CSV: la columna \"" + name + "\" está repetida");
    if (name == "ID")
      throw UsageError("CSV: la columna ID la asigna el registro, quítela");
    if (!properties().count(name))
      throw UsageError("CSV: columna desconocida \"" + name + "\"");
  }
  for (const auto& [name, p] : properties())
    if (!optional_column(name) &&
        std::find(csv.header.begin(), csv.header.end(), name) ==
            csv.header.end())
      throw UsageError("CSV: falta la columna \"" + name + "\"");
  if (csv.rows.empty()) throw UsageError("CSV: el documento no tiene líneas");

  std::vector<Line> lines;
  for (std::size_t r = 0; r < csv.rows.size(); ++r) {
    Line line;
    for (std::size_t c = 0; c < csv.header.size(); ++c) {
      const std::string& name = csv.header[c];
      const std::string& value = csv.rows[r][c];
      const Property& p = properties().at(name);
      if (p.header && value != csv.rows[0][c])
        throw UsageError("CSV renglón " + std::to_string(r + 1) + ": " + name +
                         " difiere de la primera línea; un documento tiene "
                         "un solo encabezado");
      if (p.text) {
        line.push_back([s = p.text, value](Record& rec) { (rec.*s)(value); });
        continue;
      }
      double number;
      try {
        number = promocionesQEX::parse_number(value);
      } catch (const promocionesQEX::RuntimeError&) {
        throw UsageError("CSV renglón " + std::to_string(r + 1) + ": " + name +
                         " \"" + value + "\" no es un número");
      }
      line.push_back([s = p.number, number](Record& rec) { (rec.*s)(number); });
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace

int run_descuento_global(const CommonOptions& common,
                         const std::string& csv_file, std::ostream& out) {
  const std::vector<Line> lines = check_document(read_csv(csv_file));
  HostSession session(common, true);
  promocionesQEX::Promociones promociones;
  promociones.Nuevo_Gescuento_Global();
  auto record = promociones.get_Detalle_Descuento_Global();

  std::vector<std::string> ids;
  std::string error;
  for (std::size_t i = 0; i < lines.size() && error.empty(); ++i) {
    const std::string folio = record->get_Folio();
    for (const auto& set : lines[i]) set(*record);
    if (i > 0) record->put_Folio(folio);  // the document keeps its folio
    if (promociones.Add_Promocion_Descuento_Global())
      ids.push_back(record->get_ID());
    else
      error = promociones.get_Error();
  }

  if (common.json) {
    JsonArray recorded;
    for (const auto& id : ids) recorded.raw(json_string(id));
    JsonObject o;
    o.text("folio", record->get_Folio()).raw("lineas", recorded.str());
    if (error.empty())
      o.null("error").null("linea_fallida");
    else
      o.text("error", error).number("linea_fallida", double(ids.size() + 1));
    out << o.str() << '\n';
  } else {
    out << "Folio: " << record->get_Folio() << '\n';
    Table t{{"Línea", "ID"}, {}};
    for (std::size_t i = 0; i < ids.size(); ++i)
      t.rows.push_back({std::to_string(i + 1), ids[i]});
    out << "Líneas registradas:\n";
    print_table(out, t);
    if (!error.empty())
      out << "\nLa línea " << ids.size() + 1 << " no se registró:\n"
          << error << '\n';
  }
  return error.empty() ? 0 : 1;
}

}  // namespace promociones_cli
