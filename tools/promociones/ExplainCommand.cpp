// explicar: why each candidate promotion of a lookup did or did not apply.
// One table per group of candidates (a row per candidate, a column per
// condition in the lookup's order: ✓ holds, ✗ fails, ? cannot be decided,
// the row's value beside the mark), then the winners and why; --json gives
// the same as data.
#include <ostream>

#include "Commands.h"
#include "HostSession.h"
#include "Json.h"
#include "RecordJson.h"
#include "MessageText.h"
#include "Table.h"
#include "promocionesQEX/Explicacion.h"
#include "promocionesQEX/Variant.h"

namespace promociones_cli {
namespace {

using namespace promocionesQEX;

// Row values may be long texts: a cell keeps a readable width.
constexpr std::size_t kCellBytes = 40;
constexpr std::size_t kCommentBytes = 72;

DateTime fecha_of(const LookupOptions& o) {
  return o.fecha.empty() ? DateTime::now() : parse_fecha(o.fecha, "--fecha");
}

std::string mark(const tCondicion& c) {
  switch (c.Resultado) {
    case Veredicto::Cumple:
      return "✓";
    case Veredicto::No_Cumple:
      return "✗ " + abbreviated(c.Valor, kCellBytes);
    case Veredicto::No_Evaluable:
      return "? " + abbreviated(c.Valor, kCellBytes);
  }
  return "";
}

// The winner's mark in the first column: "gana", or the times earned.
std::string winner_mark(const tExplicacion& e, std::size_t group,
                        std::size_t candidate) {
  for (const tGanador& g : e.Ganadores) {
    if (g.Grupo != group || g.Candidato != candidate) continue;
    if (e.Consulta.find("_Pv_") == std::string::npos) return "gana";
    return std::to_string(g.Veces) + (g.Veces == 1 ? " vez" : " veces");
  }
  return "";
}

void print_group(std::ostream& out, const tExplicacion& e, std::size_t index) {
  const tGrupoExplicado& group = e.Grupos[index];
  out << "\nCandidatos de " << group.Clave;
  if (!group.Importe.empty()) out << ", importe " << group.Importe;
  out << " (" << group.Candidatos.size() << "):\n";
  if (group.Candidatos.empty()) {
    out << "  Ninguno.\n";
    return;
  }
  // Every candidate has the same conditions; the first names the columns
  // and gives what the sale brings to each.
  const std::vector<tCondicion>& first = group.Candidatos.front().Condiciones;
  std::vector<std::pair<std::string, std::string>> sale;
  for (const tCondicion& c : first)
    sale.emplace_back(c.Nombre, c.Nombre == "ambito" && !e.Niveles.empty()
                                    ? e.Niveles + " (el del nivel del renglón)"
                                    : c.Venta);
  out << "Lo que trae la venta:\n";
  print_fields(out, sale);
  Table t{{"", "Folio", "Nivel"}, {}};
  for (const tCondicion& c : first) t.headers.push_back(c.Nombre);
  t.headers.push_back("Comentario");
  for (std::size_t i = 0; i < group.Candidatos.size(); ++i) {
    const tCandidato& c = group.Candidatos[i];
    std::vector<std::string> row{winner_mark(e, index, i), c.Folio, c.Nivel};
    for (const tCondicion& condition : c.Condiciones)
      row.push_back(mark(condition));
    std::string comment = abbreviated(c.Comentario, kCommentBytes);
    if (!c.Nota.empty()) comment += " [" + c.Nota + "]";
    row.push_back(comment);
    t.rows.push_back(std::move(row));
  }
  print_table(out, t);
}

void print_text(std::ostream& out, const tExplicacion& e) {
  if (!e.Situacion.empty()) out << "Situación: " << e.Situacion << '\n';
  for (std::size_t i = 0; i < e.Grupos.size(); ++i) print_group(out, e, i);
  if (!e.Ganadores.empty()) {
    out << "\nGanadores:\n";
    for (const tGanador& g : e.Ganadores)
      out << "  folio " << g.Folio << ": " << g.Razon << '\n';
  }
  out << "\nResumen: " << e.Resumen << '\n';
  if (e.Error_Numero != 0)
    out << "Error de la consulta: " << e.Error_Numero << ": " << e.Error
        << '\n';
}

std::string candidate_json(const tCandidato& c) {
  JsonArray conditions;
  for (const tCondicion& condition : c.Condiciones)
    conditions.raw(JsonObject()
                       .text("nombre", condition.Nombre)
                       .text("resultado", texto_veredicto(condition.Resultado))
                       .text("valor", condition.Valor)
                       .text("venta", condition.Venta)
                       .str());
  return JsonObject()
      .text("folio", c.Folio)
      .text("comentario", c.Comentario)
      .text("nivel", c.Nivel)
      .boolean("cumple", c.Cumple)
      .number("veces", static_cast<double>(c.Veces))
      .text("nota", c.Nota)
      .raw("condiciones", conditions.str())
      .str();
}

std::string answer_json(const tExplicacion& e) {
  if (e.Consulta == "Get_Promocion") return promocion_json(e.Promocion);
  if (e.Consulta == "Get_Promocion_Clasificador")
    return categoria_json(e.Categoria);
  return json_string(e.Lista_Pv);
}

std::string explanation_json(const tExplicacion& e) {
  JsonArray groups;
  for (const tGrupoExplicado& g : e.Grupos) {
    JsonArray candidates;
    for (const tCandidato& c : g.Candidatos) candidates.raw(candidate_json(c));
    groups.raw(JsonObject()
                   .text("clave", g.Clave)
                   .text("importe", g.Importe)
                   .raw("candidatos", candidates.str())
                   .str());
  }
  JsonArray winners;
  for (const tGanador& g : e.Ganadores)
    winners.raw(JsonObject()
                    .number("grupo", static_cast<double>(g.Grupo))
                    .number("candidato", static_cast<double>(g.Candidato))
                    .text("folio", g.Folio)
                    .text("nivel", g.Nivel)
                    .number("veces", static_cast<double>(g.Veces))
                    .text("razon", g.Razon)
                    .str());
  return JsonObject()
      .text("consulta", e.Consulta)
      .text("situacion", e.Situacion)
      .text("niveles", e.Niveles)
      .raw("grupos", groups.str())
      .raw("ganadores", winners.str())
      .text("resumen", e.Resumen)
      .raw("respuesta", answer_json(e))
      .number("error_numero", static_cast<double>(e.Error_Numero))
      .text("error", e.Error)
      .str();
}

tExplicacion explain(Explained what, const LookupOptions& o,
                     const DateTime& fecha) {
  Explicacion explicacion;
  switch (what) {
    case Explained::Promocion:
      return explicacion.Explica_Promocion(
          fecha, o.sucursal, o.cliente, required(o.producto, "--producto"),
          o.talla, o.color,
          parse_cantidad(required(o.cantidad, "--cantidad"), "--cantidad"),
          required(o.unidad, "--unidad"));
    case Explained::Clasificador:
      return explicacion.Explica_Promocion_Clasificador(
          fecha, o.cliente, o.sucursal, required(o.linea, "--linea"));
    case Explained::PvCantidad:
      return explicacion.Explica_Promocion_Pv_Cantidad(
          fecha, o.sucursal, o.cliente, required(o.producto, "--producto"),
          parse_cantidad(required(o.cantidad, "--cantidad"), "--cantidad"));
    case Explained::PvImporte:
      return explicacion.Explica_Promocion_Pv_Importe(
          fecha, o.sucursal, o.cliente, required(o.ppv_id, "--ppv-id"));
  }
  throw UsageError("consulta desconocida");
}

}  // namespace

int run_explicar(Explained what, const CommonOptions& common,
                 const LookupOptions& o, std::ostream& out) {
  const DateTime fecha = fecha_of(o);
  // The quantity is checked before the database is opened.
  if (!o.cantidad.empty()) parse_cantidad(o.cantidad, "--cantidad");
  HostSession session(common, true);
  const tExplicacion e = explain(what, o, fecha);
  if (common.json) {
    out << explanation_json(e) << '\n';
    return 0;
  }
  out << "Por qué aplica o no cada promoción de " << e.Consulta << ", cliente "
      << o.cliente << ", sucursal " << o.sucursal << ", "
      << fecha.iso_text() << ":\n";
  print_text(out, e);
  return 0;
}

}  // namespace promociones_cli
