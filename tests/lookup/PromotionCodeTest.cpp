// The promotion code string: what Codifica_Promocion writes and refuses,
// what Decodifica_Promocion reads and where it fails, under the user's
// decimal separator.
#include <gtest/gtest.h>
#include <langinfo.h>
#include <locale.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "FakeCompanions.h"
#include "promocionesQEX/Promociones.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX {
namespace {

// Points LC_ALL at a locale for one test, and back.
class ScopedLocale {
 public:
  explicit ScopedLocale(const char* name) {
    if (const char* old = std::getenv("LC_ALL")) old_ = old;
    setenv("LC_ALL", name, 1);
  }
  ~ScopedLocale() {
    if (old_) {
      setenv("LC_ALL", old_->c_str(), 1);
    } else {
      unsetenv("LC_ALL");
    }
  }

 private:
  std::optional<std::string> old_;
};

// An installed locale whose decimal separator is ',' (es_MX writes '.').
std::optional<std::string> comma_decimal_locale() {
  for (const char* name :
       {"es_ES.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8", "pt_BR.UTF-8"}) {
    locale_t loc = newlocale(LC_NUMERIC_MASK, name, static_cast<locale_t>(0));
    if (!loc) continue;
    const bool comma = std::string(nl_langinfo_l(RADIXCHAR, loc)) == ",";
    freelocale(loc);
    if (comma) return name;
  }
  return std::nullopt;
}

tPromocion goods(std::string product, std::string size, std::string colour,
                 double quantity, std::string unit) {
  tPromocion p;
  p.Pr_Cve_Producto = std::move(product);
  p.Tl_Cve_Talla = std::move(size);
  p.Cl_Cve_Color = std::move(colour);
  p.Pr_Cantidad = quantity;
  p.Pr_Unidad = std::move(unit);
  return p;
}

class PromotionCode : public ::testing::Test {
 protected:
  // Puts a known text in Error through a refused encoding.
  void set_error_to_unit_message() {
    p_.Codifica_Promocion({goods("A1", "00", "00", 1, "")});
    ASSERT_EQ(p_.get_Error(), "La unidad es incorrecta!!!");
  }

  // Runs `decode` and returns the error it raised (number, description).
  std::pair<long, std::string> decode_error(const std::string& code) {
    try {
      p_.Decodifica_Promocion(code);
    } catch (const RuntimeError& e) {
      return {e.number(), e.description()};
    }
    return {0, "no error"};
  }

  ScopedLocale c_locale_{"C.UTF-8"};
  testing::FakeCompanionsGuard fakes_;
  Promociones p_;
};

// --- Encoding ----------------------------------------------------------------

TEST_F(PromotionCode, EncodesFiveFieldsPerLineJoinedByCrLf) {
  EXPECT_EQ(p_.Codifica_Promocion({goods("A1", "00", "00", 2, "PZA"),
                                   goods("B7", "M", "RJ", 1.5, "KG")}),
            "A1\t00\t00\t2\tPZA\r\nB7\tM\tRJ\t1.5\tKG");
  EXPECT_EQ(p_.get_Error(), "");
}

TEST_F(PromotionCode, WritesQuantitiesInTheGeneralNumberFormat) {
  auto line = [&](double q) {
    return p_.Codifica_Promocion({goods("A", "0", "0", q, "U")});
  };
  EXPECT_EQ(line(0.25), "A\t0\t0\t0.25\tU");
  EXPECT_EQ(line(0), "A\t0\t0\t0\tU");
  EXPECT_EQ(line(-3), "A\t0\t0\t-3\tU");
  EXPECT_EQ(line(0.1 + 0.2), "A\t0\t0\t0.3\tU");
  EXPECT_EQ(line(1234567.125), "A\t0\t0\t1234567.125\tU");
  EXPECT_EQ(line(1e20), "A\t0\t0\t1E+20\tU");
}

TEST_F(PromotionCode, SkipsRecordsWithoutProductLeavingErrorAlone) {
  set_error_to_unit_message();
  EXPECT_EQ(p_.Codifica_Promocion({}), "");
  EXPECT_EQ(p_.Codifica_Promocion({tPromocion{}, goods("", "", "", 3, "")}),
            "");
  EXPECT_EQ(p_.Codifica_Promocion(
                {goods("", "", "", 1, ""), goods("A1", "00", "00", 2, "PZA")}),
            "A1\t00\t00\t2\tPZA");
  EXPECT_EQ(p_.get_Error(), "La unidad es incorrecta!!!");
}

TEST_F(PromotionCode, ChecksUnitThenSizeThenColour) {
  EXPECT_EQ(p_.Codifica_Promocion({goods("A1", "", "", 1, "")}), "");
  EXPECT_EQ(p_.get_Error(), "La unidad es incorrecta!!!");
  EXPECT_EQ(p_.Codifica_Promocion({goods("A1", "", "", 1, "PZA")}), "");
  EXPECT_EQ(p_.get_Error(), "La talla no puede ser vacía!!!");
  EXPECT_EQ(p_.Codifica_Promocion({goods("A1", "00", "", 1, "PZA")}), "");
  EXPECT_EQ(p_.get_Error(), "El color no puede ser vacío!");
}

TEST_F(PromotionCode, StopsAtTheFirstInvalidRecordReturningNothing) {
  EXPECT_EQ(p_.Codifica_Promocion({goods("A1", "00", "00", 2, "PZA"),
                                   goods("B7", "", "RJ", 1, "KG"),
                                   goods("C3", "L", "AZ", 1, "")}),
            "");
  EXPECT_EQ(p_.get_Error(), "La talla no puede ser vacía!!!");
}

TEST_F(PromotionCode, SuccessDoesNotClearAnEarlierMessage) {
  set_error_to_unit_message();
  EXPECT_EQ(p_.Codifica_Promocion({goods("A1", "00", "00", 2, "PZA")}),
            "A1\t00\t00\t2\tPZA");
  EXPECT_EQ(p_.get_Error(), "La unidad es incorrecta!!!");
}

TEST_F(PromotionCode, RefusesTextFieldsHoldingASeparator) {
  try {
    p_.Codifica_Promocion(
        {goods("A1", "00", "00", 1, "PZA"), goods("B\t7", "M", "RJ", 1, "KG")});
    FAIL() << "a TAB inside a product should be refused";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), 5);
    EXPECT_EQ(e.description(),
              "Invalid procedure call or argument: oPromo(1).Pr_Cve_Producto "
              "holds a TAB or CR LF");
  }
  EXPECT_THROW(p_.Codifica_Promocion({goods("A1", "00", "00", 1, "P\r\nZA")}),
               RuntimeError);
  // A lone CR or LF cannot end a line, so it travels as it stands.
  EXPECT_EQ(p_.Codifica_Promocion({goods("A\n1", "00", "00", 1, "PZA\r")}),
            "A\n1\t00\t00\t1\tPZA\r");
  EXPECT_EQ(p_.get_Error(), "");
}

TEST_F(PromotionCode, MoreRecordsThanASixteenBitIndexReachesOverflow) {
  EXPECT_EQ(p_.Codifica_Promocion(std::vector<tPromocion>(32768)), "");
  try {
    p_.Codifica_Promocion(std::vector<tPromocion>(32769));
    FAIL() << "expected an overflow";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), 6);
    EXPECT_EQ(e.description(), "Overflow");
  }
}

// --- Decoding ----------------------------------------------------------------

TEST_F(PromotionCode, RoundTripKeepsTheFirstFiveFields) {
  std::vector<tPromocion> in{goods("A1", "00", "00", 2, "PZA"),
                             goods("B7", "M", "RJ", 1.5, "KG"),
                             goods("C3", "XL", "AZ", 0.125, "LT")};
  in[0].Prm_Folio = "F1";
  in[1].Prm_Comentario = "2x1";
  const std::vector<tPromocion> out =
      p_.Decodifica_Promocion(p_.Codifica_Promocion(in));
  in[0].Prm_Folio = "";
  in[1].Prm_Comentario = "";
  EXPECT_EQ(out, in);
}

TEST_F(PromotionCode, EmptyCodeDecodesToOneEmptyRecord) {
  EXPECT_EQ(p_.Decodifica_Promocion(""), std::vector<tPromocion>(1));
}

TEST_F(PromotionCode, FieldsPastTheFifthAreIgnored) {
  EXPECT_EQ(p_.Decodifica_Promocion("A1\t00\t00\t 2 \tPZA\textra\tmore"),
            std::vector<tPromocion>{goods("A1", "00", "00", 2, "PZA")});
}

TEST_F(PromotionCode, ShortLinesFailWithSubscriptOutOfRange) {
  const std::pair<long, std::string> subscript{9, "Subscript out of range"};
  EXPECT_EQ(decode_error("A1\t00\t00\t2\tPZA\r\n"), subscript);
  EXPECT_EQ(decode_error("A1\t00\t00\t2"), subscript);
  EXPECT_EQ(decode_error("A1\t00\t00"), subscript);
  EXPECT_EQ(decode_error("A1\t00\t00\t2\tPZA\r\n\r\nB7\tM\tRJ\t1\tKG"),
            subscript);
}

TEST_F(PromotionCode, QuantityThatIsNotANumberFailsWithTypeMismatch) {
  const std::pair<long, std::string> mismatch{13, "Type mismatch"};
  EXPECT_EQ(decode_error("A1\t00\t00\tdos\tPZA"), mismatch);
  EXPECT_EQ(decode_error("A1\t00\t00\t\tPZA"), mismatch);
  // The quantity is read before the unit is looked for.
  EXPECT_EQ(decode_error("A1\t00\t00\tdos"), mismatch);
}

TEST_F(PromotionCode, FailedDecodingLeavesErrorAlone) {
  set_error_to_unit_message();
  EXPECT_THROW(p_.Decodifica_Promocion("A1"), RuntimeError);
  EXPECT_EQ(p_.get_Error(), "La unidad es incorrecta!!!");
}

TEST_F(PromotionCode, RoundTripUnderACommaDecimalLocale) {
  const std::optional<std::string> comma = comma_decimal_locale();
  if (!comma)
    GTEST_SKIP() << "no locale with ',' as decimal separator is installed; "
                    "scripts/setup.sh generates es_ES.UTF-8";
  ScopedLocale with_comma(comma->c_str());
  const std::string code = p_.Codifica_Promocion(
      {goods("A1", "00", "00", 1.5, "KG"), goods("B7", "M", "RJ", 2, "PZA")});
  EXPECT_EQ(code, "A1\t00\t00\t1,5\tKG\r\nB7\tM\tRJ\t2\tPZA");
  EXPECT_EQ(p_.Decodifica_Promocion(code),
            (std::vector<tPromocion>{goods("A1", "00", "00", 1.5, "KG"),
                                     goods("B7", "M", "RJ", 2, "PZA")}));
  EXPECT_EQ(p_.Decodifica_Promocion("A1\t00\t00\t0,25\tKG")[0].Pr_Cantidad,
            0.25);
}

}  // namespace
}  // namespace promocionesQEX
