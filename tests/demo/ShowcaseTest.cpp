// The demo database at its moment, with a bulk of generated promotions
// around the showcase's keys: each lookup finds the hand-placed rows and
// nothing generated; the query planner answers every statement the lookups
// send with index searches, never a scan; and the connection's kept
// statements answer as the literal texts do, with the same rows and the
// same plans, for the lookups' own statements with every kind of key and
// for statements where SQLite reads a literal differently from a bound
// value.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "FakeCompanions.h"
#include "TempDatabase.h"
#include "ado/sqlite/SqliteConnection.h"
#include "ado/sqlite/TsqlCollations.h"
#include "ado/sqlite/TsqlFunctions.h"
#include "ado/sqlite/TsqlRewriter.h"
#include "demo/DemoData.h"
#include "promocionesQEX/Promociones.h"
#include "promocionesQEX/PvList.h"

namespace promocionesQEX::testing {
namespace {

using sqlite::SqliteConnection;
using ::testing::ElementsAre;
using ::testing::StartsWith;

// The names of the text's columns, then its rows.
std::vector<std::string> rows_of(Connection& connection,
                                 const std::string& text) {
  Recordset rs = connection.execute(text);
  std::vector<std::string> out(1);
  for (std::size_t c = 0; c < rs.field_count(); ++c)
    out[0] += rs.field_name(c) + "|";
  for (std::string& row : rows(std::move(rs))) out.push_back(std::move(row));
  return out;
}

// The folios of a Pv promotion list, one per time earned.
std::string folios(const std::string& list) {
  std::string out;
  for (const PvRecord& record : split_pv_list(list))
    out += (out.empty() ? "" : " ") + record[kPvPpFolio];
  return out;
}

// The database with the dialect's collations and functions, for the
// planner's own account of a statement.
class Planner {
 public:
  explicit Planner(const std::string& path) {
    sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr);
    sqlite::register_tsql_collations(db_);
    sqlite::register_tsql_functions(db_,
                                    std::make_shared<sqlite::TsqlSession>());
    binder_ = std::make_unique<sqlite::StatementCache>(db_, 0);
  }
  ~Planner() {
    binder_.reset();
    sqlite3_close(db_);
  }

  // EXPLAIN QUERY PLAN of `sql` with `values` bound to its parameters.
  std::string plan(const std::string& sql,
                   const std::vector<sqlite::LiftedValue>& values = {}) {
    sqlite3_stmt* statement = nullptr;
    const std::string text = "EXPLAIN QUERY PLAN " + sql;
    if (sqlite3_prepare_v2(db_, text.c_str(), -1, &statement, nullptr) !=
        SQLITE_OK) {
      return sqlite3_errmsg(db_);
    }
    binder_->bind(statement, values);
    std::string out;
    while (sqlite3_step(statement) == SQLITE_ROW) {
      out += reinterpret_cast<const char*>(sqlite3_column_text(statement, 3));
      out += "\n";
    }
    sqlite3_finalize(statement);
    return out;
  }

 private:
  sqlite3* db_ = nullptr;
  std::unique_ptr<sqlite::StatementCache> binder_;
};

class Showcase : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    db_ = std::make_unique<TempDatabase>();
    DemoOptions options;
    options.promotions_per_table = 400;
    k_ = create_demo_data(*db_->connection(), options).showcase;
    moment_ = options.moment;
    // Customers like the showcase's whose keys hold a quote, accents, and
    // a '%'.
    db_->exec(
        "INSERT INTO Cliente (Cl_Cve_Cliente, Cc_Cve_Cadena_Comercial, "
        "Sg_Cve_Segmento, Gc_Cve_Grupo_Comercial, Rt_Cve_Ruta) SELECT k, "
        "Cc_Cve_Cadena_Comercial, Sg_Cve_Segmento, Gc_Cve_Grupo_Comercial, "
        "Rt_Cve_Ruta FROM Cliente, (SELECT 'O''Brien' AS k UNION ALL SELECT "
        "'Peña Ñandú' UNION ALL SELECT '50%') WHERE Cl_Cve_Cliente = '" +
        k_.customer + "'");
  }
  static void TearDownTestSuite() { db_.reset(); }

  Showcase() {
    plain->set_statement_cache_capacity(0);
    fakes.sesion->conexion = plain;
    fakes.sesion->parametros["VEN_PROMOCION_IMPORTE_AGRUPADOR"] = "CT,DP,LN";
    fakes.servicios->ahora = moment_;
  }

  // What the five lookups answer for `customer` and `product` through
  // `connection`; the texts they send are added to `texts`.
  std::string lookups(const std::shared_ptr<Connection>& connection,
                      const std::string& customer, const std::string& product,
                      std::vector<std::string>& texts) {
    auto recording = std::make_shared<RecordingConnection>(connection);
    fakes.sesion->conexion = recording;
    Promociones promo;
    const tPromocion q =
        promo.Get_Promocion(moment_, k_.branch, customer, product, k_.size,
                            k_.colour, k_.quantity, k_.unit);
    const tCategoria c = promo.Get_Promocion_Clasificador(
        moment_, customer, k_.branch, k_.line, 1);
    std::string answer = q.Prm_Folio + "/" + q.Pr_Cve_Producto + "/" +
                         std::to_string(q.Pr_Cantidad) + " " + c.Ct_Folio +
                         "/" + std::to_string(c.Ct_Porcentaje_Promocion);
    if (auto rs = promo.Get_Promocion_Vigentes(moment_, customer, k_.branch,
                                               k_.classifier_type)) {
      for (const std::string& row : rows(std::move(*rs))) answer += " " + row;
    }
    answer += " " + promo.Get_Promocion_Pv_Cantidad(
                        moment_, k_.branch, customer, product, k_.quantity);
    answer += " " + promo.Get_Promocion_Pv_Importe(moment_, k_.branch, customer,
                                                   k_.sale_id);
    answer += " " + promo.get_Error();
    const std::vector<std::string> sent = recording->statements();
    texts.insert(texts.end(), sent.begin(), sent.end());
    return answer;
  }

  // The same rows through the cache (kept, then reused) as without it, and
  // the same plan for the kept shape as for the literal text.
  void expect_as_literal(const std::string& text) {
    SCOPED_TRACE(text);
    const std::vector<std::string> expected = rows_of(*plain, text);
    EXPECT_EQ(rows_of(*cached, text), expected);
    EXPECT_EQ(rows_of(*cached, text), expected);
    const std::string sql = sqlite::rewrite_tsql(text).sql;
    const auto lifted = sqlite::lift_literals(text, {"es_cve_estado"});
    if (!lifted) return;
    EXPECT_EQ(
        planner.plan(sqlite::rewrite_tsql(lifted->shape).sql, lifted->values),
        planner.plan(sql));
  }

  // The pick-list query of the Pv details, with the stock at the branch.
  std::string pick_list_sql() {
    std::string text = rows(db_->exec("SELECT Co_Texto FROM Consulta WHERE "
                                      "Co_Nombre = 'PROMOCION_PV_DETALLE'"))
                           .at(0);
    text.replace(text.find("{FOLIO}"), 7, k_.pv_folio);
    text.replace(text.find("{PARAMETROS}"), 12,
                 "Existencia.Sc_Cve_Sucursal = '" + k_.branch +
                     "' AND Existencia.Al_Cve_Almacen = '" + k_.warehouse +
                     "' ");
    return text;
  }

  static std::unique_ptr<TempDatabase> db_;
  static DemoShowcase k_;
  static DateTime moment_;
  std::shared_ptr<SqliteConnection> cached =
      std::make_shared<SqliteConnection>(db_->connection_text());
  std::shared_ptr<SqliteConnection> plain =
      std::make_shared<SqliteConnection>(db_->connection_text());
  Planner planner{db_->connection_text()};
  FakeCompanionsGuard fakes;
  Promociones p;
};

std::unique_ptr<TempDatabase> Showcase::db_;
DemoShowcase Showcase::k_;
DateTime Showcase::moment_;

TEST_F(Showcase, LookupsFindTheHandPlacedRows) {
  EXPECT_EQ(p.Get_Promocion(moment_, k_.branch, k_.customer, k_.product,
                            k_.size, k_.colour, k_.quantity, k_.unit)
                .Prm_Folio,
            "00000002");  // segment level, the greater of two folios
  EXPECT_EQ(p.Get_Promocion_Clasificador(moment_, k_.customer, k_.branch,
                                         k_.line, k_.quantity)
                .Ct_Folio,
            "00000001");  // customer level, before a segment-level 00000002
  std::set<std::string> in_force;
  std::optional<Recordset> rows =
      p.Get_Promocion_Vigentes(moment_, k_.customer, k_.branch, "LN");
  for (; rows && !rows->eof(); rows->move_next()) {
    const std::string folio = rows->field("Pc_Folio").as_text();
    if (folio <= "00000009") in_force.insert(folio);  // the hand-placed ones
  }
  EXPECT_THAT(in_force, ElementsAre("00000001", "00000002", "00000004",
                                    "00000006", "00000008"));
  // Levels CL, CA and SG; the customer's promotion earned twice.
  EXPECT_EQ(folios(p.Get_Promocion_Pv_Cantidad(moment_, k_.branch, k_.customer,
                                               k_.product, k_.quantity)),
            "00000001 00000001 00000002 00000005");
  // Groups LN01 (1250: CL twice, CC twice), LN02 (300: none) and LN09 (2400:
  // CC, SG).
  EXPECT_EQ(folios(p.Get_Promocion_Pv_Importe(moment_, k_.branch, k_.customer,
                                              k_.sale_id)),
            "00000011 00000011 00000012 00000012 00000012 00000019");
  EXPECT_EQ(p.get_Error(), "");
}

TEST_F(Showcase, PickListQueryListsTheDetailsWithTheirStock) {
  EXPECT_THAT(rows(db_->exec("SELECT Ppd_ID, Ppd_Producto, Ppd_Tipo, "
                             "Ppd_Valor, Ex_Existencia FROM (" +
                             pick_list_sql() + ")")),
              ElementsAre("0000000001|" + k_.serialized_product + "|02|1|3",
                          StartsWith("0000000002|" + k_.product + "|03|15|")));
}

// Every statement the lookups send, and the pick list, is answered by index
// searches, so its cost grows with the logarithm of the promotion tables,
// not with their size.
TEST_F(Showcase, EveryStatementSearchesAnIndex) {
  std::vector<std::string> statements;
  lookups(plain, k_.customer, k_.product, statements);
  statements.push_back(pick_list_sql());
  std::set<std::string> reads;
  for (const std::string& sql : statements) {
    if (!sql.starts_with("SELECT")) continue;  // SET DATEFIRST
    for (Recordset rs = db_->exec("EXPLAIN QUERY PLAN " + sql); !rs.eof();
         rs.move_next()) {
      const std::string line = rs.field("detail").as_text();
      if (line.starts_with("SEARCH") || line.starts_with("SCAN"))
        reads.insert(line.substr(0, line.find(" (")));
    }
  }
  // "value OR '%'" on one column is searched as a list of two keys.
  EXPECT_THAT(
      reads,
      ElementsAre(
          "SEARCH Cliente USING INDEX sqlite_autoindex_Cliente_1",
          "SEARCH Existencia USING INDEX IX_Existencia_Producto",
          "SEARCH Pp USING INDEX IX_Promocion_Pv_Busqueda",
          "SEARCH Ppc USING INDEX IX_Promocion_Pv_Clasificador_Folio",
          "SEARCH Ppd USING INDEX sqlite_autoindex_Promocion_Pv_Detalle_1",
          "SEARCH Producto USING INDEX sqlite_autoindex_Producto_1",
          "SEARCH Promocion_1x USING INDEX IX_Promocion_1x_Busqueda",
          "SEARCH Promocion_Clasificador USING INDEX "
          "IX_Promocion_Clasificador_Busqueda",
          "SEARCH Promocion_Clasificador USING INDEX "
          "IX_Promocion_Clasificador_Vigencia",
          "SEARCH Promocion_Pv_Venta USING INDEX IX_Promocion_Pv_Venta_ID"));
}

TEST_F(Showcase, LookupsAnswerAsWithoutTheCacheForEveryKeyKind) {
  std::string upper_product = k_.product;
  for (char& ch : upper_product) ch = static_cast<char>(std::tolower(ch));
  const std::vector<std::pair<std::string, std::string>> keys = {
      {k_.customer, k_.product},        // the showcase's promotions
      {"O'Brien", k_.product},          // a quote
      {"Peña Ñandú", k_.product},       // accents
      {"peña ñandú  ", upper_product},  // other case, trailing spaces
      {"50%", "%"},                     // '%' as a key
      {"%", k_.product},                // not a customer
  };
  std::vector<std::string> texts;
  for (const auto& [customer, product] : keys) {
    SCOPED_TRACE(customer + " " + product);
    std::vector<std::string> plain_texts;
    std::vector<std::string> cached_texts;
    const std::string expected = lookups(plain, customer, product, plain_texts);
    EXPECT_EQ(lookups(cached, customer, product, cached_texts), expected);
    EXPECT_EQ(lookups(cached, customer, product, cached_texts), expected);
    EXPECT_EQ(cached_texts.size(), 2 * plain_texts.size());
    texts.insert(texts.end(), plain_texts.begin(), plain_texts.end());
  }
  EXPECT_GE(cached->cached_statements(), 8u);
  for (const std::string& text : texts) expect_as_literal(text);
}

// Literals SQLite reads apart from bound values, and the dialect's own
// comparisons: each runs and plans as its literal text.
TEST_F(Showcase, StatementsAnswerAndPlanAsTheirLiteralTexts) {
  const std::string key =
      "SELECT Cl_Cve_Cliente FROM Cliente WHERE Cl_Cve_Cliente ";
  for (const std::string& text : std::vector<std::string>{
           key + "= '" + k_.customer + "'",
           key + "= 'o''brien  '",
           key + "= N'PEÑA ÑANDÚ'",
           key + "= '%'",
           key + "LIKE 'cl%' ORDER BY 1 DESC",
           key + "= 'X' COLLATE BINARY OR Cl_Cve_Cliente = X'41' OR EXISTS "
                 "(SELECT 1 FROM Cliente WHERE 'a' = 'A')",
           "SELECT 'x' + Cl_Cve_Cliente, 1, 2.5 FROM Cliente WHERE "
           "Cl_Cve_Cliente >= 'P' ORDER BY 1",
           "SELECT Ppv_ID, COUNT(*) FROM Promocion_Pv_Venta WHERE Ppv_Importe "
           "> 0.1 GROUP BY 1 HAVING COUNT(*) >= 1 ORDER BY 2 DESC, 1 LIMIT 3",
           "SELECT Ppv_Importe FROM Promocion_Pv_Venta WHERE Ppv_Importe = 100 "
           "OR Ppv_Importe = 1e2 OR Ppv_Importe = 0x64 OR Ppv_ID = 100",
           "SELECT Pc_Folio FROM Promocion_Clasificador WHERE '20261205 11:30' "
           "BETWEEN Pc_Fecha_Inicial AND Pc_Fecha_Final AND Pc_Hora_Inicial <= "
           "'1899-12-30 9:5:0.000' AND DATEPART(weekday, '2026-12-05') = 6 "
           "ORDER BY Pc_Folio",
           "SELECT Pdg_Folio FROM Promocion_Descuento_Global WHERE Pdg_Folio = "
           "'1' AND Es_Cve_Estado <> 'BA'",
       }) {
    expect_as_literal(text);
  }
}

// The cache keeps at most its capacity, and a statement whose recordset is
// still open is not handed to a second run meanwhile.
TEST_F(Showcase, HoldsItsBoundAndNeverSharesAnOpenStatement) {
  cached->set_statement_cache_capacity(2);
  const std::string head = "SELECT Cl_Cve_Cliente FROM Cliente WHERE ";
  for (const char* column :
       {"Cl_Cve_Cliente", "Sg_Cve_Segmento", "Rt_Cve_Ruta"}) {
    cached->execute(head + column + " = 'x'");
  }
  EXPECT_EQ(cached->cached_statements(), 2u);

  Recordset first = cached->execute(head + "Cl_Cve_Cliente >= 'O' ORDER BY 1");
  Recordset second = cached->execute(head + "Cl_Cve_Cliente >= 'P' ORDER BY 1");
  EXPECT_EQ(first.field(std::size_t{0}).as_text(), "O'Brien");
  EXPECT_EQ(second.field(std::size_t{0}).as_text(), "Peña Ñandú");
  cached.reset();  // the recordsets outlive their connection
  first.move_next();
  EXPECT_EQ(first.field(std::size_t{0}).as_text(), "Peña Ñandú");
}

}  // namespace
}  // namespace promocionesQEX::testing
