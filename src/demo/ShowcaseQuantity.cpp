// The showcase's quantity and classifier promotions. For the showcase sale
// line the quantity lookup walks the levels CL, CA, GR and RU without a row
// that applies and answers at SE, where two rows apply and the greater folio
// wins; the classifier lookup answers at CL although an SE row with a
// greater folio applies too.
#include "Showcase.h"

namespace promocionesQEX::demo {
namespace {

QuantityPromotion buy_get(const Product& product, double quantity,
                          const Product& gift, double gift_quantity) {
  QuantityPromotion p;
  p.product = product.key;
  p.unit = product.unit;
  p.quantity = quantity;
  p.gift_product = gift.key;
  p.gift_unit = gift.unit;
  p.gift_size = gift.sizes[1 % gift.sizes.size()];
  p.gift_colour = gift.colours[0];
  p.gift_quantity = gift_quantity;
  return p;
}

}  // namespace

long write_showcase_quantity(PromotionWriter& writer, const DemoWorld& world) {
  const DateTime& m = world.moment;
  const Customer& c = world.customer(1);
  const Product& sold = world.product(1);
  const Product& gift = world.product(2);
  struct Row {
    const char* scope;
    std::string value;
    Schedule schedule;
    double quantity;
    const Product& gift;
    double gift_quantity;
    std::string size;
    const char* comment;
  };
  const Row rows[] = {
      {"SE", c.segment, in_force(m), 2, sold, 3, "%",
       "Mayoreo: compra 2 y llévate 3 más"},
      {"SE", c.segment, in_force(m), 3, gift, 1, "%",
       "Mayoreo: compra 3 y llévate 1 de regalo"},
      {"CL", c.key, another_hour(m), 2, gift, 1, "%", "Cliente: por la tarde"},
      {"CA", c.chain, another_day(m), 2, gift, 1, "%", "Cadena: otro día"},
      {"GR", c.group, only_branch(m, world.branches[1].key), 2, gift, 1, "%",
       "Grupo: en otra sucursal"},
      {"RU", c.route, deactivated(m), 2, gift, 1, "%", "Ruta: dada de baja"},
      {"CL", c.key, in_force(m), 2, gift, 1, "GD",
       "Cliente: solo talla grande"},
      {"CA", c.chain, in_force(m), 12, gift, 4, "%",
       "Cadena: compra 12 y llévate 4"},
  };
  long folio = 0;
  for (const auto& row : rows) {
    QuantityPromotion p =
        buy_get(sold, row.quantity, row.gift, row.gift_quantity);
    p.folio = promotion_folio(++folio);
    p.scope = row.scope;
    p.scope_value = row.value;
    p.schedule = row.schedule;
    p.size = row.size;
    p.comment = row.comment;
    writer.add(p);
  }
  return folio;
}

long write_showcase_classifier(PromotionWriter& writer,
                               const DemoWorld& world) {
  const DateTime& m = world.moment;
  const Customer& c = world.customer(1);
  const Product& sold = world.product(1);
  const std::string other_line = world.product(5).line;
  struct Row {
    const char* type;
    std::string value;
    const char* scope;
    std::string scope_value;
    Schedule schedule;
    double quantity, gift_quantity, percentage;
    const char* comment;
  };
  const Row rows[] = {
      {"LN", sold.line, "CL", c.key, in_force(m), 12, 2, 5,
       "Cliente: 12 piezas de la línea, 2 más y 5%"},
      {"LN", sold.line, "SE", c.segment, in_force(m), 6, 1, 10,
       "Mayoreo: 6 piezas de la línea, 1 más y 10%"},
      {"LN", sold.line, "CA", c.chain, another_hour(m), 6, 1, 8,
       "Cadena: por la tarde"},
      {"LN", sold.line, "GR", c.group, another_day(m), 6, 1, 7,
       "Grupo: otro día de la semana"},
      {"LN", sold.line, "RU", c.route, deactivated(m), 6, 1, 6,
       "Ruta: dada de baja"},
      {"LN", sold.line, "SE", world.segments[1].key, in_force(m), 10, 1, 4,
       "Menudeo: 10 piezas de la línea, 1 más y 4%"},
      {"LN", sold.line, "CL", c.key, only_branch(m, world.branches[1].key), 6,
       1, 3, "Cliente: en otra sucursal"},
      {"LN", other_line, "CL", c.key, in_force(m), 4, 1, 15,
       "Cliente: 4 piezas de otra línea, 1 más y 15%"},
      {"MR", sold.brand, "CL", c.key, in_force(m), 3, 1, 20,
       "Cliente: 3 piezas de la marca, 1 más y 20%"},
  };
  long folio = 0;
  for (const auto& row : rows) {
    ClassifierPromotion p;
    p.folio = promotion_folio(++folio);
    p.classifier_type = row.type;
    p.classifier_value = row.value;
    p.scope = row.scope;
    p.scope_value = row.scope_value;
    p.schedule = row.schedule;
    p.quantity = row.quantity;
    p.gift_quantity = row.gift_quantity;
    p.percentage = row.percentage;
    p.comment = row.comment;
    writer.add(p);
  }
  return folio;
}

}  // namespace promocionesQEX::demo
