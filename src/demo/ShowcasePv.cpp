// The showcase's Pv promotions. By quantity, the showcase sale line earns
// the folios 1 (level CL with '%', twice), 2 (CA) and 5 (SG); by amount, the
// stored sale summed by line earns 11 (CL, twice, on the showcase line),
// 12 (CC, once on that line and twice on the telephones' line) and 19 (SG,
// once on the telephones' line). Every other row misses for one reason.
#include "Showcase.h"

namespace promocionesQEX::demo {
namespace {

PvClassifier category_of(const Product& p) {
  PvClassifier c;
  c.category = p.category;
  return c;
}

PvClassifier product_only(const Product& p) {
  PvClassifier c;
  c.product = p.key;
  return c;
}

PvClassifier line_of(const Product& p) {
  PvClassifier c;
  c.category = p.category;
  c.department = p.department;
  c.line = p.line;
  return c;
}

PvClassifier brand_of(const Product& p) {
  PvClassifier c;
  c.brand = p.brand;
  return c;
}

struct PvRow {
  const char* kind;
  const char* scope;
  std::string value;
  Schedule schedule;
  double threshold;
  std::vector<PvClassifier> classifiers;
  std::vector<PvDetail> details;
  const char* comment;
};

std::vector<PvRow> quantity_rows(const DemoWorld& w) {
  const DateTime& m = w.moment;
  const Customer& c = w.customer(1);
  const Product& sold = w.product(1);
  const std::string other_branch = w.branches[1].key;
  const PvDetail gift{"02", w.product(2).key, 1};
  return {
      {"02",
       "CL",
       "%",
       in_force(m),
       3,
       {category_of(sold)},
       {gift, {"01", w.product(3).key, 99.5}, {"03", sold.key, 10}},
       "Ropa: por cada 3 piezas, un regalo"},
      {"02",
       "CA",
       c.chain,
       in_force(m),
       5,
       {product_only(sold)},
       {{"02", w.product(33).key, 1}, {"03", sold.key, 15}},
       "Cadena: por cada 5 blusas, un teléfono de regalo"},
      {"02",
       "GR",
       c.group,
       in_force(m),
       1,
       {line_of(w.product(5))},
       {gift},
       "Grupo: solo pantalones"},
      {"02",
       "RU",
       c.route,
       another_day(m),
       1,
       {PvClassifier{}},
       {gift},
       "Ruta: otro día de la semana"},
      {"02",
       "SG",
       c.segment,
       in_force(m),
       6,
       {PvClassifier{}, category_of(sold)},
       {{"02", w.product(4).key, 2}},
       "Mayoreo: por cada 6 piezas, 2 de regalo"},
      {"02",
       "SG",
       c.segment,
       only_branch(m, other_branch),
       1,
       {PvClassifier{}},
       {gift},
       "Mayoreo: en otra sucursal"},
      {"02",
       "CL",
       c.key,
       another_hour(m),
       1,
       {PvClassifier{}},
       {gift},
       "Cliente: por la tarde"},
      {"02",
       "CL",
       c.key,
       deactivated(m),
       1,
       {PvClassifier{}},
       {gift},
       "Cliente: dada de baja"},
      {"02",
       "SE",
       c.segment,
       in_force(m),
       1,
       {PvClassifier{}},
       {gift},
       "Mayoreo con el código de otra tabla"},
      {"02",
       "CL",
       c.key,
       in_force(m),
       10,
       {PvClassifier{}},
       {gift},
       "Cliente: desde 10 piezas"},
  };
}

std::vector<PvRow> amount_rows(const DemoWorld& w) {
  const DateTime& m = w.moment;
  const Customer& c = w.customer(1);
  const Product& sold = w.product(1);
  const PvDetail gift{"02", w.product(10).key, 1};
  return {
      {"01",
       "CL",
       c.key,
       in_force(m),
       500,
       {line_of(sold)},
       {{"03", sold.key, 5}, {"01", w.product(2).key, 199}},
       "Cliente: por cada $500 en la línea, un descuento"},
      {"01",
       "CC",
       c.chain,
       in_force(m),
       1000,
       {PvClassifier{}},
       {{"02", w.product(34).key, 1}, {"01", w.product(10).key, 49.9}},
       "Cadena: por cada $1,000 de compra, un regalo"},
      {"01",
       "GC",
       c.group,
       in_force(m),
       5000,
       {PvClassifier{}},
       {gift},
       "Grupo: compras desde $5,000"},
      {"01",
       "RT",
       c.route,
       another_hour(m),
       100,
       {PvClassifier{}},
       {gift},
       "Ruta: por la tarde"},
      {"01",
       "SG",
       c.segment,
       deactivated(m),
       100,
       {PvClassifier{}},
       {gift},
       "Mayoreo: dada de baja"},
      {"01",
       "SG",
       "%",
       only_branch(m, w.branches[1].key),
       100,
       {PvClassifier{}},
       {gift},
       "Todos los segmentos: en otra sucursal"},
      {"01",
       "CA",
       c.chain,
       in_force(m),
       100,
       {PvClassifier{}},
       {gift},
       "Cadena con el código de las promociones por cantidad"},
      {"01",
       "CL",
       c.key,
       in_force(m),
       100,
       {brand_of(sold)},
       {gift},
       "Cliente: solo una marca"},
      {"01",
       "SG",
       c.segment,
       in_force(m),
       2000,
       {product_only(w.product(99))},
       {{"02", w.product(35).key, 1}},
       "Mayoreo: por cada $2,000, un teléfono de regalo"},
  };
}

}  // namespace

long write_showcase_pv(PromotionWriter& writer, const DemoWorld& world) {
  long folio = 0;
  for (const auto& rows : {quantity_rows(world), amount_rows(world)}) {
    for (const auto& row : rows) {
      PvPromotion p;
      p.folio = promotion_folio(++folio);
      p.comment = row.comment;
      p.kind = row.kind;
      p.threshold = row.threshold;
      p.scope = row.scope;
      p.scope_value = row.value;
      p.schedule = row.schedule;
      p.classifiers = row.classifiers;
      p.details = row.details;
      writer.add(p);
    }
  }
  return folio;
}

}  // namespace promocionesQEX::demo
