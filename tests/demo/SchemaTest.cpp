// The schema: created on an empty database, its defaults fill what an
// insert leaves out, keys ignore case and trailing spaces, and the SQLite
// and SQL Server scripts describe the same tables; the scripts are split
// into the statements a connection runs one at a time.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "Raised.h"
#include "TempDatabase.h"
#include "demo/SqlScript.h"
#include "promocionesQEX/Database.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX {
namespace {

using testing::rows;
using testing::TempDatabase;

TEST(Schema, DefaultsFillWhatAnInsertLeavesOutAndKeysIgnoreCase) {
  TempDatabase db;
  db.exec("INSERT INTO Parametro (Pa_Nombre, Pa_Valor) VALUES ('d', 'v')");
  db.exec(
      "INSERT INTO Folio_Usado (Fc_Consecutivo, Fu_Folio, Fu_ID) VALUES "
      "('C', '1', 'x')");
  db.exec(
      "INSERT INTO Promocion_Pv (Pp_Folio, Pp_Fecha_Inicial) VALUES "
      "('p1 ', '20261205')");
  const std::pair<const char*, const char*> cases[] = {
      {"SELECT Pa_Tipo || '|' || Pa_Descripcion FROM Parametro", "T|"},
      {"SELECT length(Fu_Fecha) FROM Folio_Usado", "19"},
      {"SELECT typeof(Pp_Fecha_Inicial) || Es_Cve_Estado FROM Promocion_Pv "
       "WHERE Pp_Folio = 'P1'",
       "textLI"},
      // Every catalogue and promotion table starts its rows in force.
      {"SELECT COUNT(*) FROM sqlite_master m, pragma_table_info(m.name) c "
       "WHERE m.type = 'table' AND c.name = 'Es_Cve_Estado' AND "
       "c.dflt_value = '''LI''' AND c.\"notnull\"",
       "27"},
  };
  for (const auto& [sql, expected] : cases)
    EXPECT_EQ(rows(db.exec(sql)), std::vector<std::string>{expected}) << sql;
  // A key differing only in case and trailing spaces is the same key.
  EXPECT_THROW(db.exec("INSERT INTO Promocion_Pv (Pp_Folio) VALUES ('P1')"),
               RuntimeError);
  // Creating it again is refused and loses no row.
  EXPECT_THROW(create_schema(*db.connection()), RuntimeError);
  EXPECT_EQ(rows(db.exec("SELECT * FROM Parametro")).size(), 1u);
}

struct Shape {
  // table -> column -> "N" (NOT NULL) and/or "D" (DEFAULT), or "K" (key)
  std::map<std::string, std::map<std::string, std::string>> tables;
  std::map<std::string, std::string> indexes;  // name -> "table(columns)..."
};

std::string squeezed(std::string text) {
  std::erase_if(text, [](char c) { return c == ' ' || c == '\n'; });
  return text;
}

Shape shape_of(const std::string& script) {
  Shape shape;
  for (const auto& s : demo::split_statements(script)) {
    std::istringstream words(s);
    std::string create, kind, name;
    words >> create >> kind >> name;
    if (kind == "UNIQUE") words >> name;  // CREATE UNIQUE INDEX name
    if (kind != "TABLE") {
      shape.indexes[name] = kind + squeezed(s.substr(s.find(" ON ") + 4));
      continue;
    }
    // The top-level items of "CREATE TABLE name ( item, item, ... )".
    std::vector<std::string> items(1);
    int depth = 0;
    for (char c : s.substr(s.find('(') + 1, s.rfind(')') - s.find('(') - 1)) {
      depth += (c == '(') - (c == ')');
      if (c == ',' && depth == 0) {
        items.emplace_back();
      } else {
        items.back() += c;
      }
    }
    for (const auto& item : items) {
      std::string column, flags;
      std::istringstream(item) >> column;
      if (column == "PRIMARY") {
        shape.tables[name]["(key)"] = squeezed(item);
        continue;
      }
      if (item.find("NOT NULL") != std::string::npos) flags += "N";
      if (item.find("DEFAULT") != std::string::npos) flags += "D";
      // A key is never null, whether the script says so or not.
      if (item.find("PRIMARY KEY") != std::string::npos) flags = "K";
      shape.tables[name][column] = flags;
    }
  }
  return shape;
}

TEST(Schema, ScriptsOfBothEnginesDescribeTheSameTablesAndNoOther) {
  const Shape sqlite = shape_of(schema_text("sqlite"));
  const Shape sqlserver = shape_of(schema_text("sqlserver"));
  TempDatabase db;
  EXPECT_EQ(
      sqlite.tables.size(),
      rows(db.exec("SELECT 1 FROM sqlite_master WHERE type = 'table'")).size());
  EXPECT_EQ(sqlite.tables, sqlserver.tables);
  EXPECT_EQ(sqlite.indexes, sqlserver.indexes);
  EXPECT_GE(sqlite.indexes.size(), 7u);
  const RuntimeError e = testing::raised([] { schema_text("oracle"); });
  EXPECT_EQ(e.number(), 5);
  EXPECT_THAT(e.description(), ::testing::HasSubstr("oracle"));
}

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
    EXPECT_EQ(demo::split_statements(script), statements) << script;
  }
}

TEST(SplitStatements, RefusesWhatIsLeftOpen) {
  for (const char* script : {"SELECT 'abc", "SELECT [abc", "SELECT 1 /* x"}) {
    const RuntimeError e =
        testing::raised([&] { demo::split_statements(script); });
    EXPECT_EQ(e.number(), 5) << script;
    EXPECT_THAT(e.description(), ::testing::HasSubstr("sin cerrar"));
  }
}

}  // namespace
}  // namespace promocionesQEX
