// The lookup subcommands: each reads its options, makes one call on a
// Promociones object and prints the answer as a table or as JSON.
#include <optional>

#include "Commands.h"
#include "HostSession.h"
#include "Json.h"
#include "RecordJson.h"
#include "Table.h"
#include "promocionesQEX/Promociones.h"
#include "promocionesQEX/PvList.h"
#include "promocionesQEX/Variant.h"

namespace promociones_cli {
namespace {

using namespace promocionesQEX;

DateTime fecha_of(const LookupOptions& o) {
  return o.fecha.empty() ? DateTime::now() : parse_fecha(o.fecha, "--fecha");
}

std::string num(double v) { return general_number(v); }


// The answer of a Pv lookup, as the host reads it after the call.
struct PvAnswer {
  std::string resultado, mensaje, error, leyenda;
  bool with_leyenda = false;
};

void print_pv(std::ostream& out, const CommonOptions& common,
              const PvAnswer& a) {
  if (common.json) {
    JsonObject o;
    o.text("resultado", a.resultado)
        .text("mensaje", a.mensaje)
        .text("error", a.error);
    // Get_Promocion_Pv_Importe has no Leyenda: null says so.
    if (a.with_leyenda)
      o.text("leyenda", a.leyenda);
    else
      o.null("leyenda");
    out << o.str() << '\n';
    return;
  }
  Table t{{"#", "Folio", "Promoción"}, {}};
  for (const PvRecord& record : split_pv_list(a.resultado))
    t.rows.push_back({std::to_string(t.rows.size() + 1), record[kPvPpFolio],
                      record[kPvPpComentario]});
  out << "Promociones ganadas (un renglón por cada vez):\n";
  print_table(out, t);
  if (!a.mensaje.empty()) out << "\nMensaje:\n" << a.mensaje << '\n';
  if (!a.error.empty()) out << "\nError:\n" << a.error << '\n';
}

}  // namespace

int run_promocion(const CommonOptions& common, const LookupOptions& o,
                  std::ostream& out) {
  const DateTime fecha = fecha_of(o);
  const double cantidad =
      parse_cantidad(required(o.cantidad, "--cantidad"), "--cantidad");
  required(o.producto, "--producto");
  required(o.unidad, "--unidad");
  HostSession session(common, true);
  Promociones promociones;
  const tPromocion p =
      promociones.Get_Promocion(fecha, o.sucursal, o.cliente, o.producto,
                                o.talla, o.color, cantidad, o.unidad);
  if (common.json) {
    out << promocion_json(p) << '\n';
    return 0;
  }
  out << "Promoción por cantidad para " << o.producto << " (" << num(cantidad)
      << ' ' << o.unidad << "), cliente " << o.cliente << ", sucursal "
      << o.sucursal << ", " << fecha.iso_text() << ":\n";
  if (p.Pr_Cve_Producto.empty()) {
    out << "  Sin promoción.\n";
    return 0;
  }
  print_fields(out, {{"Folio", p.Prm_Folio},
                     {"Regala", p.Pr_Cve_Producto + " talla " + p.Tl_Cve_Talla +
                                    " color " + p.Cl_Cve_Color},
                     {"Cantidad", num(p.Pr_Cantidad) + ' ' + p.Pr_Unidad},
                     {"Regla", "por cada " + p.Prm_Cantidad_Venta + " regala " +
                                   p.Prm_Cantidad_Promocion},
                     {"Comentario", p.Prm_Comentario}});
  return 0;
}

int run_clasificador(const CommonOptions& common, const LookupOptions& o,
                     std::ostream& out) {
  const DateTime fecha = fecha_of(o);
  const double cantidad =
      o.cantidad.empty() ? 0 : parse_cantidad(o.cantidad, "--cantidad");
  required(o.linea, "--linea");
  HostSession session(common, true);
  Promociones promociones;
  const tCategoria c = promociones.Get_Promocion_Clasificador(
      fecha, o.cliente, o.sucursal, o.linea, cantidad);
  if (common.json) {
    out << categoria_json(c) << '\n';
    return 0;
  }
  out << "Promoción de la línea " << o.linea << ", cliente " << o.cliente
      << ", sucursal " << o.sucursal << ", " << fecha.iso_text() << ":\n";
  if (c.Ct_Folio.empty()) {
    out << "  Sin promoción.\n";
    return 0;
  }
  print_fields(out, {{"Folio", c.Ct_Folio},
                     {"A partir de", num(c.Ct_Cantidad)},
                     {"Cantidad en promoción", num(c.Ct_Cantidad_Promocion)},
                     {"Porcentaje", num(c.Ct_Porcentaje_Promocion) + " %"}});
  return 0;
}

// The columns a person reads in the table of promotions in force; --json
// gives every column.
static constexpr const char* kVigentesColumns[][2] = {
    {"Pc_Folio", "Folio"},
    {"Pc_Valor_Clasificador", "Línea"},
    {"Pc_Tipo", "Alcance"},
    {"Pc_Valor_Busqueda", "Para"},
    {"Pc_Sucursal", "Sucursal"},
    {"Pc_Cantidad", "Desde"},
    {"Pc_Cantidad_Promocion", "Regala"},
    {"Pc_Porcentaje_promocion", "%"},
    {"Pc_Dias_Aplicacion", "Días"},
    {"Pc_Comentario", "Comentario"},
};

static std::string cell(const Variant& v) {
  return v.is_null() ? "NULL" : v.as_text();
}

int run_vigentes(const CommonOptions& common, const LookupOptions& o,
                 std::ostream& out) {
  const DateTime fecha = fecha_of(o);
  HostSession session(common, true);
  Promociones promociones;
  std::optional<Recordset> rs = promociones.Get_Promocion_Vigentes(
      fecha, o.cliente, o.sucursal, o.tipo_clasificador);
  Table t;
  for (const auto& column : kVigentesColumns) t.headers.push_back(column[1]);
  JsonArray rows;
  for (; rs && !rs->eof(); rs->move_next()) {
    JsonObject row;
    for (std::size_t i = 0; i < rs->field_count(); ++i)
      row.variant(rs->field_name(i), rs->field(i));
    rows.raw(row.str());
    std::vector<std::string> cells;
    for (const auto& column : kVigentesColumns)
      cells.push_back(cell(rs->field(column[0])));
    t.rows.push_back(std::move(cells));
  }
  if (rs) rs->close();
  if (common.json) {
    out << rows.str() << '\n';
    return 0;
  }
  out << "Promociones de clasificador " << o.tipo_clasificador
      << " vigentes en la sucursal " << o.sucursal << ", " << fecha.iso_text()
      << ":\n";
  if (!rs) {
    out << "  Ninguna.\n";
    return 0;
  }
  print_table(out, t);
  return 0;
}

int run_pv_cantidad(const CommonOptions& common, const LookupOptions& o,
                    std::ostream& out) {
  const DateTime fecha = fecha_of(o);
  const double cantidad =
      parse_cantidad(required(o.cantidad, "--cantidad"), "--cantidad");
  required(o.producto, "--producto");
  HostSession session(common, true);
  Promociones promociones;
  PvAnswer a;
  a.with_leyenda = true;
  a.leyenda = o.leyenda;
  a.resultado = promociones.Get_Promocion_Pv_Cantidad(
      fecha, o.sucursal, o.cliente, o.producto, cantidad, a.leyenda);
  a.mensaje = promociones.get_Mensaje();
  a.error = promociones.get_Error();
  print_pv(out, common, a);
  return a.error.empty() ? 0 : 1;
}

int run_pv_importe(const CommonOptions& common, const LookupOptions& o,
                   std::ostream& out) {
  const DateTime fecha = fecha_of(o);
  required(o.ppv_id, "--ppv-id");
  HostSession session(common, true);
  Promociones promociones;
  PvAnswer a;
  a.resultado = promociones.Get_Promocion_Pv_Importe(fecha, o.sucursal,
                                                     o.cliente, o.ppv_id);
  a.mensaje = promociones.get_Mensaje();
  a.error = promociones.get_Error();
  print_pv(out, common, a);
  return a.error.empty() ? 0 : 1;
}

}  // namespace promociones_cli
