#include "explain/ScheduleRules.h"

#include <array>

#include "explain/Verdicts.h"
#include "frame/Publico.h"
#include "lookup/PvPromotionStatement.h"
#include "lookup/ScheduleFilter.h"
#include "lookup/StatementRunner.h"
#include "promocionesQEX/Variant.h"

namespace promocionesQEX::explain {
namespace {

std::string column(std::string_view prefix, std::string_view name) {
  return std::string(prefix) + std::string(name);
}

}  // namespace

StatementDates start_statements(const DateTime& fecha) {
  clsServicios& servicios = *publico().goServicios;
  lookup::set_monday_first();
  StatementDates dates;
  dates.weekday = servicios.Fecha_SQL(fecha);
  dates.validity = servicios.Fecha_SQL(fecha);
  return dates;
}

std::string weekday_text(const DateTime& fecha) {
  static constexpr std::array<const char*, 7> kNames = {
      "lunes", "martes", "miércoles", "jueves", "viernes", "sábado", "domingo"};
  const int day = fecha.iso_weekday();
  return std::to_string(day) + " (" + kNames[day - 1] + ")";
}

ConditionRule time_window_rule(std::string_view prefix, const DateTime& fecha) {
  return {"horario",
          as_condition(fragment([&](std::string& s) {
            lookup::append_time_window(s, prefix, fecha);
          })),
          {column(prefix, "Hora_Inicial"), column(prefix, "Hora_Final")},
          Shown::TimeRange,
          fecha.time_text()};
}

ConditionRule weekday_rule(std::string_view prefix, const DateTime& fecha,
                           std::string_view weekday_date) {
  return {"dia",
          as_condition(fragment([&](std::string& s) {
            lookup::append_weekday(s, prefix, weekday_date);
          })),
          {column(prefix, "Dias_Aplicacion")},
          Shown::Value,
          weekday_text(fecha)};
}

ConditionRule branch_rule(std::string_view prefix, std::string_view sucursal) {
  return {"sucursal",
          as_condition(fragment([&](std::string& s) {
            lookup::append_branch(s, prefix, sucursal);
          })),
          {column(prefix, "Sucursal")},
          Shown::Value,
          std::string(sucursal)};
}

ScopeRule scope_rule(std::string_view prefix, const Customer& customer,
                     const lookup::ScopeCodes& codes) {
  ScopeRule scope;
  scope.type_column = scope.type_field = column(prefix, "Tipo");
  scope.value_field = column(prefix, "Valor_Busqueda");
  scope.codes = &codes;
  scope.levels = customer.levels;
  scope.unavailable = customer.unavailable;
  const std::string p(prefix);
  scope.fragment = [p](const lookup::ScopeLevel& level) {
    return fragment([&](std::string& s) {
      lookup::append_scope(s, p, level.code, level.value);
    });
  };
  return scope;
}

ConditionRule validity_rule(std::string_view prefix, const DateTime& fecha,
                            std::string_view validity_date) {
  return {"vigencia",
          as_condition(fragment([&](std::string& s) {
            lookup::append_validity(s, prefix, validity_date);
          })),
          {column(prefix, "Fecha_Inicial"), column(prefix, "Fecha_Final")},
          Shown::DateRange,
          fecha.date_text()};
}

ConditionRule in_force_rule() {
  return {"estado",
          as_condition(fragment(lookup::append_in_force)),
          {"Es_Cve_Estado"},
          Shown::Value,
          "LI"};
}

void add_pv_rules(CandidateQuery& query, const PvRuleInput& in,
                  const Customer& customer, const lookup::ScopeCodes& codes) {
  using namespace lookup;
  query.before = {
      {in.name,
       as_condition(fragment([&](std::string& s) {
         append_pv_threshold(s, in.reached);
       })),
       {"Pp_Tipo_Valor"},
       Shown::Value,
       general_number(in.reached)},
      {"horario",
       as_condition(fragment([&](std::string& s) {
         append_pv_time_window(s, in.clock);
       })),
       {"Pp_Hora_Inicial", "Pp_Hora_Final"},
       Shown::TimeRange,
       in.clock.time_text() + " (reloj)"},
      {"dia",
       as_condition(fragment([&](std::string& s) {
         append_pv_weekday(s, in.weekday_date);
       })),
       {"Pp_Dias_Aplicacion"},
       Shown::Value,
       weekday_text(in.fecha)},
      {"sucursal",
       as_condition(fragment([&](std::string& s) {
         append_pv_branch(s, in.sucursal);
       })),
       {"Pp_Sucursal"},
       Shown::Value,
       std::string(in.sucursal)},
  };
  ScopeRule& scope = query.scope;
  scope.type_column = "Pp.Pp_Aplicar";
  scope.type_field = "Pp_Aplicar";
  scope.value_field = "Pp_Aplicar_Valor";
  scope.codes = &codes;
  scope.levels = customer.levels;
  scope.unavailable = customer.unavailable;
  scope.fragment = [](const ScopeLevel& level) {
    return fragment([&](std::string& s) { append_pv_scope(s, level); });
  };
  scope.value_suffix = " o %";
  query.after = {
      {"vigencia",
       as_condition(fragment([&](std::string& s) {
         append_pv_validity(s, in.validity_date);
       })),
       {"Pp_Fecha_Inicial", "Pp_Fecha_Final"},
       Shown::DateRange,
       in.fecha.date_text()},
      {"estado",
       as_condition(fragment(append_pv_in_force)),
       {"Es_Cve_Estado"},
       Shown::Value,
       "LI"},
  };
  query.folio_field = "Pp_Folio";
  query.comment_field = "Pp_Comentario";
}

}  // namespace promocionesQEX::explain

