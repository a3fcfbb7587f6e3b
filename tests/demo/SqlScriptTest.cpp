// Splitting the schema scripts into the statements a connection runs one
// at a time.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "demo/SqlScript.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::demo {
namespace {

using ::testing::ElementsAre;

TEST(SplitStatements, SplitsAtSemicolonsAndTrimsEachStatement) {
  EXPECT_THAT(split_statements("CREATE TABLE a (x TEXT);\n\n  CREATE INDEX "
                               "i ON a (x) ;\nSELECT 1"),
              ElementsAre("CREATE TABLE a (x TEXT)", "CREATE INDEX i ON a (x)",
                          "SELECT 1"));
}

TEST(SplitStatements, DropsCommentsAndStatementsLeftEmpty) {
  EXPECT_THAT(split_statements("-- heading; with a semicolon\n"
                               "CREATE TABLE a (\n"
                               "  x TEXT,  -- a key; really\n"
                               "  y REAL /* amount; */\n"
                               ");\n;\n-- trailing comment\n"),
              ElementsAre("CREATE TABLE a (\n  x TEXT,   \n  y REAL  \n)"));
}

TEST(SplitStatements, KeepsSemicolonsAndCommentMarkersInsideQuotes) {
  EXPECT_THAT(
      split_statements("INSERT INTO t VALUES ('a;b', 'it''s -- no', "
                       "\"c;d\", [e;f]);SELECT '/* x */'"),
      ElementsAre("INSERT INTO t VALUES ('a;b', 'it''s -- no', \"c;d\", [e;f])",
                  "SELECT '/* x */'"));
}

TEST(SplitStatements, RefusesWhatIsLeftOpen) {
  for (const char* script : {"SELECT 'abc", "SELECT [abc", "SELECT 1 /* x"}) {
    try {
      split_statements(script);
      ADD_FAILURE() << "accepted: " << script;
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.number(), 5) << script;
      EXPECT_THAT(error.description(), ::testing::HasSubstr("sin cerrar"));
    }
  }
}

TEST(SplitStatements, EmptyScriptHasNoStatements) {
  EXPECT_TRUE(split_statements("").empty());
  EXPECT_TRUE(split_statements("  ;\n -- nothing\n").empty());
}

}  // namespace
}  // namespace promocionesQEX::demo
