#include "GeneratedPromotions.h"

#include <array>
#include <cmath>

#include "DemoRandom.h"

namespace promocionesQEX::demo {
namespace {

constexpr std::uint64_t kPromotionStream = 0x5EED0002;

// Scope levels in lookup order, with how often a chain uses each.
constexpr std::array<int, 5> kLevelWeights = {25, 20, 15, 15, 25};
constexpr std::array<const char*, 5> kQuantityCodes = {"CL", "CA", "GR", "RU",
                                                       "SE"};
constexpr std::array<const char*, 5> kPvQuantityCodes = {"CL", "CA", "GR", "RU",
                                                         "SG"};
constexpr std::array<const char*, 5> kPvAmountCodes = {"CL", "CC", "GC", "RT",
                                                       "SG"};

// When a row's validity falls: drawn as a chain's history holds it, or
// imposed (stores of different history sizes sharing their rows in force).
enum class Era { Drawn, InForce, Expired };

class Generator {
 public:
  Generator(const DemoWorld& world, std::uint32_t seed)
      : world_(world), random_(seed ^ kPromotionStream) {}

  QuantityPromotion quantity_promotion(Era era);
  ClassifierPromotion classifier_promotion(Era era);
  PvPromotion pv_promotion(Era era);

 private:
  int level();
  std::string scope_value(int level);
  Schedule schedule(Era era);
  const Product& product() { return random_.pick(world_.products); }
  PvClassifier pv_classifier(bool by_amount);
  PvDetail pv_detail();

  const DemoWorld& world_;
  DemoRandom random_;
};

int Generator::level() {
  int roll = random_.below(100);
  for (int level = 0; level < 4; ++level) {
    if (roll < kLevelWeights[level]) return level;
    roll -= kLevelWeights[level];
  }
  return 4;
}

// A key of the level other than the showcase customer's (the first of each
// catalogue is the showcase customer's own).
std::string Generator::scope_value(int level) {
  auto other = [this](const std::vector<CatalogueEntry>& entries) {
    return entries[1 + random_.below(int(entries.size()) - 1)].key;
  };
  switch (level) {
    case 0:
      return world_
          .customers[1 + random_.below(int(world_.customers.size()) - 1)]
          .key;
    case 1:
      return other(world_.chains);
    case 2:
      return other(world_.groups);
    case 3:
      return other(world_.routes);
    default:
      return other(world_.segments);
  }
}

Schedule Generator::schedule(Era era) {
  const DateTime& m = world_.moment;
  Schedule s;
  // A chain keeps years of history: of every hundred rows, four are in
  // force around the moment, one is still to come and the rest expired
  // within the last five years.
  const int drawn = era == Era::InForce   ? 0
                    : era == Era::Expired ? 50
                                          : random_.below(100);
  if (drawn < 4) {  // in force around the moment
    s.first_day = add_days(m, -random_.between(0, 30));
    s.last_day = add_days(m, random_.between(1, 60));
  } else if (drawn < 99) {  // expired
    s.last_day = add_days(m, -random_.between(1, 5 * 365));
    s.first_day = add_days(s.last_day, -random_.between(7, 90));
  } else {  // to come
    s.first_day = add_days(m, random_.between(1, 60));
    s.last_day = add_days(s.first_day, random_.between(7, 60));
  }
  s.opens = time_of_day(0, 0, 0);
  s.closes = time_of_day(23, 59, 59);
  if (random_.chance(30)) {
    int opens = random_.between(7, 15);
    s.opens = time_of_day(opens, 0, 0);
    s.closes = time_of_day(opens + random_.between(2, 6), 0, 0);
  }
  int days = random_.below(100);
  s.days = days < 70 ? "1234567" : days < 85 ? "12345" : "67";
  if (random_.chance(40)) s.branch = random_.pick(world_.branches).key;
  if (random_.chance(5)) s.status = "BA";
  return s;
}

QuantityPromotion Generator::quantity_promotion(Era era) {
  const Product& sold = product();
  const Product& gift = random_.chance(50) ? sold : product();
  QuantityPromotion p;
  int lvl = level();
  p.scope = kQuantityCodes[lvl];
  p.scope_value = scope_value(lvl);
  p.schedule = schedule(era);
  p.product = sold.key;
  p.unit = sold.unit;
  if (random_.chance(30)) {
    p.size = random_.pick(sold.sizes);
    p.colour = random_.pick(sold.colours);
  }
  p.quantity = random_.between(2, 12);
  p.gift_product = gift.key;
  p.gift_unit = gift.unit;
  p.gift_size = random_.pick(gift.sizes);
  p.gift_colour = random_.pick(gift.colours);
  p.gift_quantity = random_.between(1, 3);
  p.comment = "Compra " + std::to_string(int(p.quantity)) + " y llévate " +
              std::to_string(int(p.gift_quantity)) + " de " + gift.description;
  return p;
}

ClassifierPromotion Generator::classifier_promotion(Era era) {
  ClassifierPromotion p;
  const CatalogueEntry& line = random_.pick(world_.lines);
  p.classifier_value = line.key;
  std::string what = line.description;
  if (random_.chance(10)) {
    const CatalogueEntry& brand = random_.pick(world_.brands);
    p.classifier_type = "MR";
    p.classifier_value = brand.key;
    what = "Marca " + brand.description;
  }
  int lvl = level();
  p.scope = kQuantityCodes[lvl];
  p.scope_value = scope_value(lvl);
  p.schedule = schedule(era);
  p.quantity = random_.between(2, 50);
  p.gift_quantity = random_.between(1, 5);
  p.percentage = 5.0 * random_.between(1, 6);
  p.comment = what + ": desde " + std::to_string(int(p.quantity)) + " piezas";
  return p;
}

// One classifier row: a product, or a node of the tree with its ancestors,
// or a brand. Amount promotions never name a product (the amount lookup
// does not test it), so they take the product's line instead.
PvClassifier Generator::pv_classifier(bool by_amount) {
  const Product& p = product();
  PvClassifier c;
  int roll = random_.below(100);
  int depth = 0;  // 1 category .. 5 subfamily
  if (roll < 35) {
    if (!by_amount) {
      c.product = p.key;
      return c;
    }
    depth = 3;
  } else if (roll < 50) {
    depth = 5;
  } else if (roll < 60) {
    depth = 4;
  } else if (roll < 75) {
    depth = 3;
  } else if (roll < 85) {
    c.brand = p.brand;
    return c;
  } else {
    depth = roll < 95 ? 2 : 1;
  }
  c.category = p.category;
  if (depth >= 2) c.department = p.department;
  if (depth >= 3) c.line = p.line;
  if (depth >= 4) c.family = p.family;
  if (depth >= 5) c.subfamily = p.subfamily;
  return c;
}

PvDetail Generator::pv_detail() {
  const Product& p = product();
  switch (random_.below(3)) {
    case 0:
      return {"01", p.key, std::floor(p.price * 0.7) + 0.9};
    case 1:
      return {"02", p.key, double(random_.between(1, 3))};
    default:
      return {"03", p.key, 5.0 * random_.between(1, 6)};
  }
}

PvPromotion Generator::pv_promotion(Era era) {
  PvPromotion p;
  bool by_amount = random_.chance(40);
  int lvl = level();
  p.kind = by_amount ? "01" : "02";
  p.scope = by_amount ? kPvAmountCodes[lvl] : kPvQuantityCodes[lvl];
  // A few promotions were for every customer of the level; all of those
  // have expired.
  bool everyone = random_.chance(2);
  p.scope_value = everyone ? "%" : scope_value(lvl);
  p.schedule = schedule(everyone ? Era::Expired : era);
  p.threshold = by_amount ? 100.0 * random_.between(2, 50)
                          : double(random_.between(1, 12));
  p.classifiers.push_back(pv_classifier(by_amount));
  if (random_.chance(20)) p.classifiers.push_back(pv_classifier(by_amount));
  int details = random_.between(1, 3);
  for (int d = 0; d < details; ++d) p.details.push_back(pv_detail());
  p.comment = by_amount ? "Por cada $" + std::to_string(int(p.threshold)) +
                              " de compra, un beneficio"
                        : "Por cada " + std::to_string(int(p.threshold)) +
                              " piezas, un beneficio";
  return p;
}

}  // namespace

void generate_promotions(const DemoWorld& world, const DemoOptions& options,
                         FolioStart first, PromotionSink& sink) {
  Generator generator(world, options.seed);
  const int imposed = options.in_force_per_table;
  for (int n = 0; n < options.promotions_per_table; ++n) {
    const Era era = imposed < 0  ? Era::Drawn
                    : n < imposed ? Era::InForce
                                  : Era::Expired;
    QuantityPromotion quantity = generator.quantity_promotion(era);
    quantity.folio = promotion_folio(first.quantity + n);
    sink.add(quantity);
    ClassifierPromotion classifier = generator.classifier_promotion(era);
    classifier.folio = promotion_folio(first.classifier + n);
    sink.add(classifier);
    PvPromotion pv = generator.pv_promotion(era);
    pv.folio = promotion_folio(first.pv + n);
    sink.add(pv);
  }
  write_everyone_pv(world, options.everyone_pv_in_force,
                    first.pv + options.promotions_per_table, sink);
}

// Pv promotions by quantity for every customer, in force all day every day
// in every branch, for the retired product: every Pv quantity lookup visits
// each of them and none matches a sale.
void write_everyone_pv(const DemoWorld& world, int count, long first_folio,
                       PromotionSink& sink) {
  const Product& retired = world.products.back();
  for (int n = 0; n < count; ++n) {
    PvPromotion p;
    p.folio = promotion_folio(first_folio + n);
    p.kind = "02";
    p.scope = "CL";
    p.scope_value = "%";
    p.schedule = in_force(world.moment);
    p.schedule.opens = time_of_day(0, 0, 0);
    p.schedule.closes = time_of_day(23, 59, 59);
    p.threshold = 1;
    PvClassifier only_retired;
    only_retired.product = retired.key;
    p.classifiers.push_back(only_retired);
    p.details.push_back({"02", retired.key, 1});
    p.comment = "Para todos los clientes: " + retired.description;
    sink.add(p);
  }
}

}  // namespace promocionesQEX::demo
