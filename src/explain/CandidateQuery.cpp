#include "explain/CandidateQuery.h"

#include "explain/Verdicts.h"
#include "lookup/FieldText.h"
#include "lookup/SqlValue.h"

namespace promocionesQEX::explain {
namespace {

constexpr std::string_view kLevelAlias = "Qex_Nivel";
constexpr std::string_view kScopeAlias = "Qex_Ambito";

std::string verdict_alias(std::size_t index) {
  return "Qex_V" + std::to_string(index);
}

// Dates of validity are kept at midnight and windows on 1899-12-30: the part
// that does not count is left out.
std::string shown_part(const Variant& value, Shown how) {
  std::string text = shown(value);
  if (how == Shown::TimeRange && text.rfind("1899-12-30 ", 0) == 0)
    return text.substr(11);
  if (how == Shown::DateRange && text.size() == 19 &&
      text.compare(10, 9, " 00:00:00") == 0)
    return text.substr(0, 10);
  return text;
}

tCondicion judge(const ConditionRule& rule, const StoredRows& rows,
                 std::size_t row, std::size_t index) {
  tCondicion c{std::string(rule.name),
               verdict_of(rows.at(row, verdict_alias(index))), "", rule.venta};
  for (const std::string& column : rule.columns) {
    if (!c.Valor.empty()) c.Valor += " a ";
    c.Valor += shown_part(rows.at(row, column), rule.shown);
  }
  return c;
}

// The row's level: the code it names among the five, then its value.
void judge_scope(const ScopeRule& scope, const StoredRows& rows,
                 std::size_t row, Candidate& candidate) {
  const Variant& type = rows.at(row, scope.type_field);
  tCondicion level{"nivel", Veredicto::No_Cumple, shown(type), ""};
  for (std::string_view code : *scope.codes)
    level.Venta += (level.Venta.empty() ? "" : ", ") + std::string(code);
  tCondicion value{"ambito", Veredicto::No_Evaluable,
                   shown(rows.at(row, scope.value_field)), ""};
  if (!scope.levels) {
    level.Resultado = Veredicto::No_Evaluable;
    level.Venta = value.Venta = scope.unavailable;
  } else {
    const Variant& index = rows.at(row, kLevelAlias);
    if (!index.is_null()) {
      candidate.level = static_cast<int>(index.as_number());
      const lookup::ScopeLevel& at = (*scope.levels)[candidate.level];
      level.Resultado = Veredicto::Cumple;
      candidate.shown.Nivel = std::string(at.code);
      value.Resultado = verdict_of(rows.at(row, kScopeAlias));
      value.Venta = at.value + std::string(scope.value_suffix);
    } else if (type.is_null()) {
      level.Resultado = Veredicto::No_Evaluable;
    }
  }
  candidate.shown.Condiciones.push_back(std::move(level));
  candidate.shown.Condiciones.push_back(std::move(value));
}

void append_scope_columns(std::string& sql, const ScopeRule& scope) {
  if (!scope.levels) return;
  sql.append(", CASE");
  std::string any;
  for (std::size_t k = 0; k < scope.levels->size(); ++k) {
    const lookup::ScopeLevel& level = (*scope.levels)[k];
    sql.append(" WHEN ").append(scope.type_column).append(" = '");
    lookup::append_sql_value(sql, level.code);
    sql.append("' THEN ").append(std::to_string(k));
    any.append(any.empty() ? "" : " OR ")
        .append(as_condition(scope.fragment(level)));
  }
  sql.append(" END AS ").append(kLevelAlias);
  append_verdict_column(sql, "(" + any + ")", kScopeAlias);
}

}  // namespace

std::string shown(const Variant& value) {
  return value.is_null() ? "NULL" : value.as_text();
}

std::string CandidateQuery::statement(std::string_view select,
                                      std::string_view from_where,
                                      std::string_view order) const {
  std::string sql(select);
  std::size_t index = 0;
  for (const ConditionRule& rule : before)
    append_verdict_column(sql, rule.condition, verdict_alias(index++));
  append_scope_columns(sql, scope);
  for (const ConditionRule& rule : after)
    append_verdict_column(sql, rule.condition, verdict_alias(index++));
  sql.append(" ").append(from_where).append(" ORDER BY ").append(order);
  return sql;
}

std::vector<Candidate> CandidateQuery::read(const StoredRows& rows) const {
  std::vector<Candidate> candidates;
  for (std::size_t row = 0; row < rows.rows.size(); ++row) {
    Candidate& c = candidates.emplace_back();
    c.row = row;
    c.shown.Folio = lookup::text_or_empty(rows.at(row, folio_field));
    c.shown.Comentario = lookup::text_or_empty(rows.at(row, comment_field));
    std::size_t index = 0;
    for (const ConditionRule& rule : before)
      c.shown.Condiciones.push_back(judge(rule, rows, row, index++));
    judge_scope(scope, rows, row, c);
    for (const ConditionRule& rule : after)
      c.shown.Condiciones.push_back(judge(rule, rows, row, index++));
    c.shown.Cumple = true;
    for (const tCondicion& condition : c.shown.Condiciones)
      c.shown.Cumple &= condition.Resultado == Veredicto::Cumple;
  }
  return candidates;
}

}  // namespace promocionesQEX::explain
