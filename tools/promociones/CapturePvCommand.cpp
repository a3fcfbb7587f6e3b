// capturar-pv: the Pv promotion capture run for real; and the pictures of
// the Pv window, its pick list and its series dialog for `capturas`.
#include <filesystem>

#include "CaptureCommands.h"
#include "HostSession.h"
#include "Json.h"
#include "Table.h"
// The demo generator's declarations: in demo/DemoData.h where the build has
// moved them out of the public headers, in Database.h before.
#include "promocionesQEX/Database.h"
#if __has_include("demo/DemoData.h")
#include "demo/DemoData.h"
#endif
#include "promocionesQEX/Promociones.h"
#include "promocionesQEX/PvList.h"
#include "promocionesQEX/Ventanas.h"

namespace promociones_cli {
namespace {

using namespace promocionesQEX;

// The field names of a Pv list record, in record order.
constexpr const char* kPvFields[kPvFieldCount] = {
    "Pp_Folio",     "Pp_Comentario", "Ppd_ID",      "Pr_Cve_Producto",
    "Tl_Cve_Talla", "Cl_Cve_Color",  "Pp_Cantidad", "Pp_Precio",
    "Pp_Descuento", "Sr_Cve_Serie",  "Lt_Cve_Lote", "Ppd_Tipo",
    "Pr_Tipo_Producto", "Pp_Aplicado", "Referencia"};

std::string records_json(const std::string& list) {
  JsonArray records;
  for (const PvRecord& r : split_pv_list(list)) {
    JsonObject o;
    for (std::size_t f = 0; f < kPvFieldCount; ++f) o.text(kPvFields[f], r[f]);
    records.raw(o.str());
  }
  return records.str();
}

std::string sql_text(const std::string& value) {
  std::string out;
  for (char ch : value) {
    out += ch;
    if (ch == '\'') out += '\'';
  }
  return out;
}

void replace_all(std::string& text, const std::string& from,
                 const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

// The showcase line's Pv promotions (the serialized telephone's folio among
// them) with each record's first detail chosen, as the user would leave them
// before giving series.
std::string showcase_list(HostSession& session, Promociones& promociones,
                          const DemoShowcase& s, const DateTime& moment) {
  std::string list = promociones.Get_Promocion_Pv_Cantidad(
      moment, s.branch, s.customer, s.product, s.quantity);
  std::string filled;
  for (PvRecord r : split_pv_list(list)) {
    Recordset rs = session.connection().execute(
        "SELECT Ppd.Ppd_ID, Ppd.Ppd_Tipo, Ppd.Ppd_Producto, Ppd.Ppd_Valor, "
        "Producto.Pr_Tipo_Producto FROM Promocion_Pv_Detalle Ppd INNER JOIN "
        "Producto ON Producto.Pr_Cve_Producto = Ppd.Ppd_Producto WHERE "
        "Ppd.Pp_Folio = '" + sql_text(r[kPvPpFolio]) + "' ORDER BY Ppd.Ppd_ID");
    if (!rs.eof()) {
      const std::string tipo = rs.field("Ppd_Tipo").as_text();
      const std::string valor = rs.field("Ppd_Valor").as_text();
      r[kPvPpdId] = rs.field("Ppd_ID").as_text();
      r[kPvPrCveProducto] = rs.field("Ppd_Producto").as_text();
      r[kPvTlCveTalla] = r[kPvClCveColor] = "00";
      r[kPvPpCantidad] = tipo == "02" ? valor : "1";
      r[kPvPpPrecio] = tipo == "01" ? valor : "0";
      r[kPvPpDescuento] = tipo == "03" ? valor : "0";
      // A list handed in carries the product kind at 12, the detail kind at
      // 13: the grid loads them into those columns.
      r[kPvPpdTipo] = rs.field("Pr_Tipo_Producto").as_text();
      r[kPvPrTipoProducto] = tipo;
    }
    rs.close();
    append_pv_record(filled, r);
  }
  return filled;
}

}  // namespace

int run_capturar_pv(const CommonOptions& common, const LookupOptions& o,
                    const CaptureOptions& c, std::ostream& out) {
  required(c.promociones, "--promociones");
  require_display();
  HostSession session(common, true);
  Promociones promociones;
  const std::string resultado =
      promociones.Capturar_Promociones_Pv(c.promociones, o.sucursal, c.almacen);
  const std::string& error = promociones.get_Error();
  if (common.json) {
    out << JsonObject()
               .text("resultado", resultado)
               .raw("registros", records_json(resultado))
               .text("error", error)
               .str()
        << '\n';
  } else {
    out << "Resultado: "
        << (!resultado.empty() ? "aceptada"
                               : error.empty() ? "cancelada" : "fallida")
        << '\n';
    Table t{{"#", "Folio", "ID", "Producto", "Cantidad", "Precio", "Descuento",
             "Serie", "Lote", "Referencia"},
            {}};
    for (const PvRecord& r : split_pv_list(resultado))
      t.rows.push_back({std::to_string(t.rows.size() + 1), r[kPvPpFolio],
                        r[kPvPpdId], r[kPvPrCveProducto], r[kPvPpCantidad],
                        r[kPvPpPrecio], r[kPvPpDescuento], r[kPvSrCveSerie],
                        r[kPvLtCveLote], r[kPvReferencia]});
    if (!resultado.empty()) print_table(out, t);
    if (!error.empty()) out << "Error:\n" << error << '\n';
  }
  return error.empty() ? 0 : 1;
}

void write_pv_pictures(HostSession& session, const std::string& directory,
                       std::ostream& out) {
  namespace fs = std::filesystem;
  const DemoOptions demo;
  const DemoShowcase s = demo_showcase(demo);
  Promociones promociones;
  const std::string list = showcase_list(session, promociones, s, demo.moment);

  const std::string window =
      (fs::path(directory) / "frmCapturarPromocionPv.png").string();
  capture_picture_to(window);
  promociones.Capturar_Promociones_Pv(list, s.branch, s.warehouse);
  capture_picture_to("");
  if (!promociones.get_Error().empty())
    throw std::runtime_error(promociones.get_Error());
  out << "frmCapturarPromocionPv: " << window << " ("
      << split_pv_list(list).size() << " promociones de la venta)\n";

  clsServicios& servicios = *session.servicios();
  std::string query = servicios.Get_Consulta("PROMOCION_PV_DETALLE");
  replace_all(query, "{FOLIO}", sql_text(s.pv_folio));
  replace_all(query, "{PARAMETROS}",
              "Existencia.Sc_Cve_Sucursal = '" + sql_text(s.branch) +
                  "' AND Existencia.Al_Cve_Almacen = '" + sql_text(s.warehouse) +
                  "' ");
  const std::string pick = (fs::path(directory) / "Muestra_Busqueda.png").string();
  capture_picture_to(pick);
  servicios.Muestra_Busqueda(query, 100, "");
  out << "Muestra_Busqueda: " << pick << " (detalles del folio " << s.pv_folio
      << ")\n";

  const std::string filter =
      "Existencia_Serie.Sc_Cve_Sucursal = '" + sql_text(s.branch) +
      "' AND Existencia_Serie.Al_Cve_Almacen = '" + sql_text(s.warehouse) +
      "' AND Existencia_Serie.Pr_Cve_Producto = '" +
      sql_text(s.serialized_product) + "' ";
  Recordset first = session.connection().execute(
      "SELECT MIN(Sr_Cve_Serie) AS Sr_Cve_Serie FROM Existencia_Serie WHERE " +
      filter + "AND Es_Cve_Estado <> 'BA'");
  const std::string serie =
      first.eof() || first.field("Sr_Cve_Serie").is_null()
          ? std::string()
          : first.field("Sr_Cve_Serie").as_text();
  first.close();
  const std::string series =
      (fs::path(directory) / "clsCapturaSeries.png").string();
  capture_picture_to(series);
  auto component = make_default_captura_series();
  component->Producto(s.serialized_product);
  component->Capturar_Series(1, serie, "", filter);
  capture_picture_to("");
  out << "clsCapturaSeries: " << series << " (" << s.serialized_product
      << ")\n";
}

}  // namespace promociones_cli
