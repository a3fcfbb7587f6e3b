// The demo database at its moment, with a bulk of generated promotions
// around the showcase's keys: each lookup finds the hand-placed rows and
// nothing generated, and the query planner answers every statement the
// lookups send with index searches, never a scan.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "FakeCompanions.h"
#include "TempDatabase.h"
#include "demo/DemoData.h"
#include "promocionesQEX/Promociones.h"
#include "promocionesQEX/PvList.h"

namespace promocionesQEX::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::StartsWith;

class Showcase : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    db_ = std::make_unique<TempDatabase>();
    DemoOptions options;
    options.promotions_per_table = 400;
    k_ = create_demo_data(*db_->connection(), options).showcase;
    moment_ = options.moment;
  }
  static void TearDownTestSuite() { db_.reset(); }

  Showcase()
      : recording(std::make_shared<RecordingConnection>(db_->connection())) {
    fakes.sesion->conexion = recording;
    fakes.sesion->parametros["VEN_PROMOCION_IMPORTE_AGRUPADOR"] = "CT,DP,LN";
    fakes.servicios->ahora = moment_;
  }

  std::string quantity_folio(const DateTime& at, const std::string& branch,
                             const std::string& size, double quantity) {
    return p
        .Get_Promocion(at, branch, k_.customer, k_.product, size, k_.colour,
                       quantity, k_.unit)
        .Prm_Folio;
  }
  // The folios of a Pv promotion list, one per time earned.
  static std::string folios(const std::string& list) {
    std::string out;
    for (const PvRecord& record : split_pv_list(list))
      out += (out.empty() ? "" : " ") + record[kPvPpFolio];
    return out;
  }

 public:
  static std::string column(const std::string& sql) {
    std::string text;
    for (Recordset rs = db_->exec(sql); !rs.eof(); rs.move_next())
      text += (text.empty() ? "" : " ") + rs.field(std::size_t{0}).as_text();
    return text;
  }

 protected:
  static std::unique_ptr<TempDatabase> db_;
  static DemoShowcase k_;
  static DateTime moment_;
  FakeCompanionsGuard fakes;
  std::shared_ptr<RecordingConnection> recording;
  Promociones p;
};

std::unique_ptr<TempDatabase> Showcase::db_;
DemoShowcase Showcase::k_;
DateTime Showcase::moment_;

TEST_F(Showcase, LookupsFindTheHandPlacedRows) {
  EXPECT_EQ(quantity_folio(moment_, k_.branch, k_.size, k_.quantity),
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
  // Out of hours, for a larger size and quantity, at another branch.
  DateTime evening = moment_;
  evening.hour = 16;
  EXPECT_EQ(quantity_folio(evening, k_.branch, k_.size, k_.quantity),
            "00000003");
  EXPECT_EQ(quantity_folio(moment_, k_.branch, "GD", 12), "00000007");
  EXPECT_EQ(quantity_folio(moment_, k_.other_branch, k_.size, k_.quantity),
            "00000005");
}

// The pick-list query of the Pv details, with the stock at the branch.
std::string pick_list_sql(const DemoShowcase& k) {
  std::string text = Showcase::column(
      "SELECT Co_Texto FROM Consulta WHERE Co_Nombre = 'PROMOCION_PV_DETALLE'");
  text.replace(text.find("{FOLIO}"), 7, k.pv_folio);
  text.replace(text.find("{PARAMETROS}"), 12,
               "Existencia.Sc_Cve_Sucursal = '" + k.branch +
                   "' AND Existencia.Al_Cve_Almacen = '" + k.warehouse + "' ");
  return text;
}

TEST_F(Showcase, PickListQueryListsTheDetailsWithTheirStock) {
  std::vector<std::string> rows;
  for (Recordset rs = db_->exec(pick_list_sql(k_)); !rs.eof(); rs.move_next()) {
    std::string row;
    for (const char* c :
         {"Ppd_ID", "Ppd_Producto", "Ppd_Tipo", "Ppd_Valor", "Ex_Existencia"})
      row += rs.field(c).as_text() + " ";
    rows.push_back(row);
  }
  EXPECT_THAT(rows,
              ElementsAre("0000000001 " + k_.serialized_product + " 02 1 3 ",
                          StartsWith("0000000002 " + k_.product + " 03 15 ")));
}

// Every statement the lookups send, and the pick list, is answered by index
// searches, so its cost grows with the logarithm of the promotion tables,
// not with their size.
TEST_F(Showcase, EveryStatementSearchesAnIndex) {
  p.Get_Promocion(moment_, k_.branch, k_.customer, k_.product, k_.size,
                  k_.colour, k_.quantity, k_.unit);
  p.Get_Promocion_Clasificador(moment_, k_.customer, k_.branch, k_.line, 1);
  p.Get_Promocion_Vigentes(moment_, k_.customer, k_.branch, "LN");
  p.Get_Promocion_Pv_Cantidad(moment_, k_.branch, k_.customer, k_.product, 7);
  p.Get_Promocion_Pv_Importe(moment_, k_.branch, k_.customer, k_.sale_id);
  std::vector<std::string> statements = recording->statements();
  statements.push_back(pick_list_sql(k_));
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

}  // namespace
}  // namespace promocionesQEX::testing
