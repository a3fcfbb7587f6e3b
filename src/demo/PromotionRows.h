// The rows of the promotion tables as the generator describes them, and the
// writer that inserts them in batches.
#pragma once

#include <string>
#include <vector>

#include "BatchInsert.h"
#include "Schedule.h"

namespace promocionesQEX::demo {

// A row of Promocion_1x: buy `quantity` of a product, get `gift_quantity`.
struct QuantityPromotion {
  std::string folio;
  std::string scope;  // CL, CA, GR, RU, SE
  std::string scope_value;
  Schedule schedule;
  std::string product;
  std::string unit;
  std::string size = "%";
  std::string colour = "%";
  double quantity = 1;
  std::string gift_product;
  std::string gift_unit;
  std::string gift_size = "00";
  std::string gift_colour = "00";
  double gift_quantity = 1;
  std::string comment;
};

// A row of Promocion_Clasificador.
struct ClassifierPromotion {
  std::string folio;
  std::string classifier_type = "LN";
  std::string classifier_value;
  std::string scope;  // CL, CA, GR, RU, SE
  std::string scope_value;
  Schedule schedule;
  double quantity = 0;
  double gift_quantity = 0;
  double percentage = 0;
  std::string comment;
};

// A row of Promocion_Pv_Clasificador: each level a key or '%'.
struct PvClassifier {
  std::string category = "%";
  std::string department = "%";
  std::string brand = "%";
  std::string line = "%";
  std::string family = "%";
  std::string subfamily = "%";
  std::string product = "%";
};

// A row of Promocion_Pv_Detalle; the ID is its number within the folio.
struct PvDetail {
  std::string kind;  // '01' price, '02' quantity, '03' discount
  std::string product;
  double value = 0;
};

// A Pv promotion with its classifier rows and details.
struct PvPromotion {
  std::string folio;
  std::string comment;
  std::string kind;  // '01' amount, '02' quantity
  double threshold = 0;
  std::string scope;  // '02': CL CA GR RU SG; '01': CL CC GC RT SG
  std::string scope_value;
  Schedule schedule;
  std::vector<PvClassifier> classifiers;
  std::vector<PvDetail> details;
};

// The ten-digit ID of the n-th detail of a folio (1-based).
std::string detail_id(int number);

// The folio of the n-th promotion of a table.
std::string promotion_folio(long number);

// Where generated rows go: the database's writer, or a reader that keeps
// only what it needs (the sales generator keeps the quantity promotions in
// force).
class PromotionSink {
 public:
  virtual ~PromotionSink() = default;
  virtual void add(const QuantityPromotion& promotion) = 0;
  virtual void add(const ClassifierPromotion& promotion) = 0;
  virtual void add(const PvPromotion& promotion) = 0;
};

class PromotionWriter : public PromotionSink {
 public:
  explicit PromotionWriter(Connection& connection);

  void add(const QuantityPromotion& promotion) override;
  void add(const ClassifierPromotion& promotion) override;
  void add(const PvPromotion& promotion) override;
  void flush();

  // Rows of Promocion_1x, Promocion_Clasificador and Promocion_Pv.
  long promotions() const;

 private:
  BatchInsert quantity_;
  BatchInsert classifier_;
  BatchInsert pv_;
  BatchInsert pv_classifier_;
  BatchInsert pv_detail_;
};

}  // namespace promocionesQEX::demo
