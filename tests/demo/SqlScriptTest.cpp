// Splitting the schema scripts into the statements a connection runs one
// at a time.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "demo/SqlScript.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::demo {
namespace {

TEST(SplitStatements, SplitsTrimsAndDropsCommentsButNotQuotedText) {
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"CREATE TABLE a (x TEXT);\n\n  CREATE INDEX i ON a (x) ;\nSELECT 1",
       {"CREATE TABLE a (x TEXT)", "CREATE INDEX i ON a (x)", "SELECT 1"}},
      {"-- heading; with a semicolon\nCREATE TABLE a (\n  x TEXT,  -- a key; "
       "really\n  y REAL /* amount; */\n);\n;\n-- trailing comment\n",
       {"CREATE TABLE a (\n  x TEXT,   \n  y REAL  \n)"}},
      {"INSERT INTO t VALUES ('a;b', 'it''s -- no', \"c;d\", [e;f]);"
       "SELECT '/* x */'",
       {"INSERT INTO t VALUES ('a;b', 'it''s -- no', \"c;d\", [e;f])",
        "SELECT '/* x */'"}},
      {"", {}},
      {"  ;\n -- nothing\n", {}},
  };
  for (const auto& [script, statements] : cases) {
    EXPECT_EQ(split_statements(script), statements) << script;
  }
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

}  // namespace
}  // namespace promocionesQEX::demo
