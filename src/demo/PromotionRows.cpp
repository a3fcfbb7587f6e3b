#include "PromotionRows.h"

#include "SqlLiteral.h"

namespace promocionesQEX::demo {

std::string detail_id(int number) { return numbered_key("", number, 10); }

std::string promotion_folio(long number) { return numbered_key("", number, 8); }

PromotionWriter::PromotionWriter(Connection& connection)
    : quantity_(connection, "Promocion_1x",
                {"Prm_Folio",
                 "Prm_Tipo",
                 "Prm_Valor_Busqueda",
                 "Prm_Sucursal",
                 "Prm_Producto_Venta",
                 "Prm_Unidad_Venta",
                 "Prm_Talla_Venta",
                 "Prm_Color_Venta",
                 "Prm_Cantidad_Venta",
                 "Prm_Producto_Promocion",
                 "Prm_Unidad_Promocion",
                 "Prm_Talla_Promocion",
                 "Prm_Color_Promocion",
                 "Prm_Cantidad_Promocion",
                 "Prm_Comentario",
                 "Prm_Fecha_Inicial",
                 "Prm_Fecha_Final",
                 "Prm_Hora_Inicial",
                 "Prm_Hora_Final",
                 "Prm_Dias_Aplicacion",
                 "Es_Cve_Estado",
                 "Prm_Fecha_Alta"}),
      classifier_(connection, "Promocion_Clasificador",
                  {"Pc_Folio", "Pc_Tipo_Clasificador", "Pc_Valor_Clasificador",
                   "Pc_Tipo", "Pc_Valor_Busqueda", "Pc_Sucursal", "Pc_Cantidad",
                   "Pc_Cantidad_Promocion", "Pc_Porcentaje_promocion",
                   "Pc_Comentario", "Pc_Fecha_Inicial", "Pc_Fecha_Final",
                   "Pc_Hora_Inicial", "Pc_Hora_Final", "Pc_Dias_Aplicacion",
                   "Es_Cve_Estado", "Pc_Fecha_Alta"}),
      pv_(connection, "Promocion_Pv",
          {"Pp_Folio", "Pp_Comentario", "Pp_Tipo", "Pp_Tipo_Valor",
           "Pp_Aplicar", "Pp_Aplicar_Valor", "Pp_Sucursal", "Pp_Fecha_Inicial",
           "Pp_Fecha_Final", "Pp_Hora_Inicial", "Pp_Hora_Final",
           "Pp_Dias_Aplicacion", "Es_Cve_Estado", "Pp_Fecha_Alta"}),
      pv_classifier_(
          connection, "Promocion_Pv_Clasificador",
          {"Pp_Folio", "Ppc_Categoria", "Ppc_Departamento", "Ppc_Marca",
           "Ppc_Linea", "Ppc_Familia", "Ppc_SubFamilia", "Ppc_Producto"}),
      pv_detail_(
          connection, "Promocion_Pv_Detalle",
          {"Pp_Folio", "Ppd_ID", "Ppd_Tipo", "Ppd_Producto", "Ppd_Valor"}) {}

namespace {

// The schedule's columns, in the order every promotion table lists them
// here: first and last day, opening and closing time, days, status, and
// the day the promotion was registered (ten days before it starts).
BatchInsert::Row& schedule_values(BatchInsert::Row& row, const Schedule& s) {
  return row.date_time(s.first_day)
      .date_time(s.last_day)
      .date_time(s.opens)
      .date_time(s.closes)
      .text(s.days)
      .text(s.status)
      .date_time(add_days(s.first_day, -10));
}

}  // namespace

void PromotionWriter::add(const QuantityPromotion& p) {
  auto row = quantity_.row();
  row.text(p.folio)
      .text(p.scope)
      .text(p.scope_value)
      .text(p.schedule.branch)
      .text(p.product)
      .text(p.unit)
      .text(p.size)
      .text(p.colour)
      .number(p.quantity)
      .text(p.gift_product)
      .text(p.gift_unit)
      .text(p.gift_size)
      .text(p.gift_colour)
      .number(p.gift_quantity)
      .text(p.comment);
  schedule_values(row, p.schedule).end();
}

void PromotionWriter::add(const ClassifierPromotion& p) {
  auto row = classifier_.row();
  row.text(p.folio)
      .text(p.classifier_type)
      .text(p.classifier_value)
      .text(p.scope)
      .text(p.scope_value)
      .text(p.schedule.branch)
      .number(p.quantity)
      .number(p.gift_quantity)
      .number(p.percentage)
      .text(p.comment);
  schedule_values(row, p.schedule).end();
}

void PromotionWriter::add(const PvPromotion& p) {
  auto row = pv_.row();
  row.text(p.folio)
      .text(p.comment)
      .text(p.kind)
      .number(p.threshold)
      .text(p.scope)
      .text(p.scope_value)
      .text(p.schedule.branch);
  schedule_values(row, p.schedule).end();
  for (const auto& c : p.classifiers) {
    pv_classifier_.row()
        .text(p.folio)
        .text(c.category)
        .text(c.department)
        .text(c.brand)
        .text(c.line)
        .text(c.family)
        .text(c.subfamily)
        .text(c.product)
        .end();
  }
  int number = 0;
  for (const auto& d : p.details) {
    pv_detail_.row()
        .text(p.folio)
        .text(detail_id(++number))
        .text(d.kind)
        .text(d.product)
        .number(d.value)
        .end();
  }
}

void PromotionWriter::flush() {
  quantity_.flush();
  classifier_.flush();
  pv_.flush();
  pv_classifier_.flush();
  pv_detail_.flush();
}

long PromotionWriter::promotions() const {
  return quantity_.rows() + classifier_.rows() + pv_.rows();
}

}  // namespace promocionesQEX::demo
