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
#include "MessageText.h"
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

// Line numbers are 16-bit: "032767" is the last a document can have.
constexpr std::size_t kMaxLines = 32767;
// A value longer than this is shown cut in messages.
constexpr std::size_t kMaxValueBytes = 80;
constexpr std::size_t kMaxMessageBytes = 2000;

std::string where(std::size_t row, const std::string& column) {
  return "CSV renglón " + std::to_string(row) + ": " + column;
}

// The number in a numeric column, refused here when the recording would
// refuse it anyway (a negative cost, an exchange rate not above 0): such a
// document is turned away before anything is written.
double checked_number(const std::string& name, const std::string& value,
                      std::size_t row) {
  double number;
  try {
    number = promocionesQEX::parse_number(value);
  } catch (const promocionesQEX::RuntimeError&) {
    throw UsageError(where(row, name) + " \"" +
                     abbreviated(value, kMaxValueBytes) +
                     "\" no es un número");
  }
  if (name == "Costo" && number < 0)
    throw UsageError(where(row, name) + " " +
                     abbreviated(value, kMaxValueBytes) +
                     " no puede ser negativo");
  if (name == "Tipo_Cambio" && !(number > 0))
    throw UsageError(where(row, name) + " " +
                     abbreviated(value, kMaxValueBytes) +
                     " debe ser mayor que cero");
  return number;
}

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
  std::string missing;  // every missing column at once, not one per run
  for (const auto& [name, p] : properties())
    if (!optional_column(name) &&
        std::find(csv.header.begin(), csv.header.end(), name) ==
            csv.header.end())
      missing += (missing.empty() ? "\"" : ", \"") + name + "\"";
  if (!missing.empty())
    throw UsageError(missing.find(',') == std::string::npos
                         ? "CSV: falta la columna " + missing
                         : "CSV: faltan las columnas " + missing);
  if (csv.rows.empty()) throw UsageError("CSV: el documento no tiene líneas");
  if (csv.rows.size() > kMaxLines)
    throw UsageError("CSV: " + std::to_string(csv.rows.size()) +
                     " líneas; un documento tiene a lo más " +
                     std::to_string(kMaxLines) + " (su número de línea)");

  std::vector<Line> lines;
  for (std::size_t r = 0; r < csv.rows.size(); ++r) {
    Line line;
    for (std::size_t c = 0; c < csv.header.size(); ++c) {
      const std::string& name = csv.header[c];
      const std::string& value = csv.rows[r][c];
      const Property& p = properties().at(name);
      if (p.header && value != csv.rows[0][c])
        throw UsageError(where(r + 1, name) +
                         " difiere de la primera línea; un documento tiene "
                         "un solo encabezado");
      if (p.text) {
        if (value.find('\0') != std::string::npos)
          throw UsageError(where(r + 1, name) +
                           " contiene un carácter nulo (byte 0)");
        line.push_back([s = p.text, value](Record& rec) { (rec.*s)(value); });
        continue;
      }
      const double number = checked_number(name, value, r + 1);
      line.push_back([s = p.number, number](Record& rec) { (rec.*s)(number); });
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

// A document is recorded in one transaction on the connection every
// companion shares, folio included: a process stopped at any moment (kill,
// power cut) leaves all its lines or none, and a folio is printed only once
// its document is in the database.
class DocumentTransaction {
 public:
  explicit DocumentTransaction(promocionesQEX::Connection& connection)
      : connection_(connection) {
    connection_.execute("BEGIN TRANSACTION").close();
  }
  ~DocumentTransaction() {
    if (!open_) return;
    try {
      connection_.execute("ROLLBACK TRANSACTION").close();
    } catch (const promocionesQEX::RuntimeError&) {
      // The engine already undid it (a failed statement can end it).
    }
  }
  DocumentTransaction(const DocumentTransaction&) = delete;
  DocumentTransaction& operator=(const DocumentTransaction&) = delete;

  void commit() {
    connection_.execute("COMMIT TRANSACTION").close();
    open_ = false;
  }

 private:
  promocionesQEX::Connection& connection_;
  bool open_ = true;
};

// The library's message, and on the next line the reason the services give
// when it could not take a folio (its own message does not say why).
std::string failure_text(const std::string& error, HostSession& session) {
  std::string text = error;
  const std::string folio_failure =
      "Error al intentar obtener el folio de la venta!";
  if (error.ends_with(folio_failure) && session.servicios()) {
    const std::string reason = session.servicios()->Get_Ultimo_Error();
    if (!reason.empty()) text += "\nMotivo: " + reason;
  }
  return abbreviated(text, kMaxMessageBytes);
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
  {
    DocumentTransaction transaction(session.connection());
    for (std::size_t i = 0; i < lines.size() && error.empty(); ++i) {
      const std::string folio = record->get_Folio();
      for (const auto& set : lines[i]) set(*record);
      if (i > 0) record->put_Folio(folio);  // the document keeps its folio
      if (promociones.Add_Promocion_Descuento_Global())
        ids.push_back(record->get_ID());
      else
        error = failure_text(promociones.get_Error(), session);
    }
    if (error.empty()) transaction.commit();
  }

  if (common.json) {
    JsonObject o;
    if (error.empty()) {
      JsonArray recorded;
      for (const auto& id : ids) recorded.raw(json_string(id));
      o.text("folio", record->get_Folio()).raw("lineas", recorded.str());
      o.null("error").null("linea_fallida");
    } else {
      o.null("folio").raw("lineas", "[]");
      o.text("error", error).number("linea_fallida", double(ids.size() + 1));
    }
    out << o.str() << std::endl;
  } else if (error.empty()) {
    out << "Folio: " << record->get_Folio() << '\n';
    Table t{{"Línea", "ID"}, {}};
    for (std::size_t i = 0; i < ids.size(); ++i)
      t.rows.push_back({std::to_string(i + 1), ids[i]});
    out << "Líneas registradas:\n";
    print_table(out, t);
    out.flush();
  } else {
    out << "El documento no se registró: ninguna de sus líneas quedó "
           "guardada.\nLa línea "
        << ids.size() + 1 << " falló:\n"
        << error << std::endl;
  }
  return error.empty() ? 0 : 1;
}

}  // namespace promociones_cli
