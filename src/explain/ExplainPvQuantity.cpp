// Explica_Promocion_Pv_Cantidad: the quantity Pv promotions (type '02')
// whose classifier fits the product sold, judged condition by condition as
// Get_Promocion_Pv_Cantidad's statement judges them, the times each is
// earned and the list the lookup returns.
#include "explain/Customer.h"
#include "explain/PvEarned.h"
#include "explain/ScheduleRules.h"
#include "explain/Verdicts.h"
#include "frame/Publico.h"
#include "lookup/ProductClassification.h"
#include "lookup/PvPromotionStatement.h"
#include "promocionesQEX/Explicacion.h"

namespace promocionesQEX {
namespace {

using namespace explain;

std::string keys_text(const lookup::PvClassification& k) {
  return k.categoria + "/" + k.departamento + "/" + k.marca + "/" + k.linea +
         "/" + k.familia + "/" + k.subfamilia;
}

void fail(tExplicacion& e, const RuntimeError& failure,
          const std::string& what) {
  e.Error_Numero = failure.number();
  e.Error = failure.description();
  e.Situacion = what + " (" + failure.description() + ")";
}

}  // namespace

tExplicacion Explicacion::Explica_Promocion_Pv_Cantidad(
    const DateTime& Fecha, const std::string& Sc_Cve_Sucursal,
    const std::string& Cl_Cve_Cliente, const std::string& Pr_Cve_Producto,
    double Cantidad) {
  tExplicacion e;
  e.Consulta = "Get_Promocion_Pv_Cantidad";
  const Customer customer =
      read_customer(Cl_Cve_Cliente, lookup::kPvQuantityScopeCodes);
  show_customer(customer, e);
  std::optional<lookup::PvClassification> keys;
  if (customer.levels) {
    try {
      keys = lookup::read_product_classification(Pr_Cve_Producto);
      if (!keys)
        e.Situacion = "el producto " + Pr_Cve_Producto +
                      " no está en Producto o está dado de baja";
    } catch (const RuntimeError& failure) {
      fail(e, failure,
           "el producto " + Pr_Cve_Producto + " tiene una clave nula");
    }
  }
  if (!keys) {
    summarize_pv(e);
    return e;
  }
  const DateTime clock = publico().goServicios->Get_Fecha_Hora();
  const StatementDates dates = start_statements(Fecha);
  const std::string& weekday_date = dates.weekday;
  const std::string& validity_date = dates.validity;

  CandidateQuery q;
  add_pv_rules(q,
               {Cantidad, "cantidad", Fecha, clock, Sc_Cve_Sucursal,
                weekday_date, validity_date},
               customer, lookup::kPvQuantityScopeCodes);
  const std::string classification = fragment([&](std::string& s) {
    lookup::append_pv_classification(s, *keys);
    lookup::append_pv_product(s, Pr_Cve_Producto);
  });
  const StoredRows rows =
      read_all(q.statement(kPvColumns, pv_candidates_from("02", classification),
                           lookup::kPvPromotionOrder));
  std::vector<Candidate> candidates = q.read(rows);
  add_earned(candidates, rows, Cantidad, 0, lookup::kPvQuantityScopeCodes, e);
  tGrupoExplicado& group = e.Grupos.emplace_back();
  group.Clave = Pr_Cve_Producto + " (" + keys_text(*keys) + ")";
  for (Candidate& c : candidates) group.Candidatos.push_back(std::move(c.shown));
  summarize_pv(e);
  return e;
}

}  // namespace promocionesQEX
