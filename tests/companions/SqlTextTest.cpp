#include <gtest/gtest.h>

#include "companions/CompanionErrors.h"
#include "companions/SqlText.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::companions {
namespace {

TEST(SqlText, QuotesValuesDoublingEveryQuote) {
  EXPECT_EQ(sql_quoted(""), "''");
  EXPECT_EQ(sql_quoted("MXN"), "'MXN'");
  EXPECT_EQ(sql_quoted("O'Brien"), "'O''Brien'");
  EXPECT_EQ(sql_quoted("''"), "''''''");
}

TEST(SqlText, IdentifiersArePlainAsciiNames) {
  EXPECT_TRUE(is_identifier("Mn_Cve_Moneda"));
  EXPECT_TRUE(is_identifier("_x9"));
  EXPECT_FALSE(is_identifier(""));
  EXPECT_FALSE(is_identifier("9Tabla"));
  EXPECT_FALSE(is_identifier("dbo.Moneda"));
  EXPECT_FALSE(is_identifier("Moneda;DROP"));
  EXPECT_FALSE(is_identifier("[Moneda]"));
  EXPECT_FALSE(is_identifier("Año"));
}

TEST(SqlText, CheckedIdentifierNamesWhatItRefused) {
  EXPECT_EQ(checked_identifier("Moneda", "tabla"), "Moneda");
  try {
    checked_identifier("Moneda m", "tabla");
    FAIL();
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), kInvalidArgument);
    EXPECT_NE(e.description().find("tabla"), std::string::npos);
    EXPECT_NE(e.description().find("\"Moneda m\""), std::string::npos);
  }
}

}  // namespace
}  // namespace promocionesQEX::companions
