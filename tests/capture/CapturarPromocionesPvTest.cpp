// Capturar_Promociones_Pv on the demo store, its window driven by keys and
// clicks: loading and the result, the typed and picked details, the accept
// check and the series.
#include <gmock/gmock.h>

#include "CaptureFixture.h"
#include "capture/frmCapturarPromocionPv.h"
#include "promocionesQEX/PvList.h"

namespace promocionesQEX::testing {
namespace {

using capture::frmCapturarPromocionPv;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Script = std::function<void(frmCapturarPromocionPv&)>;

const std::string kPrefix =
    "promocionesQex.dll - Capturar_Promociones_Pv()\r\n";

struct FakeSeries : clsCapturaSeries {
  std::vector<std::string> calls;
  std::string respuesta;
  long cantidad = 0;
  bool falla = false;
  void Producto(const std::string& v) override { calls.push_back(v); }
  std::string Capturar_Series(long m, const std::string& s,
                              const std::string& r,
                              const std::string& f) override {
    calls.push_back(std::to_string(m) + "|" + s + "|" + r + "|" + f);
    if (falla) throw RuntimeError(5, "sin lector de series");
    return respuesta;
  }
  long Cantidad_Series() override { return cantidad; }
};

// A record as the lookups write it, with `fields` set over it.
std::string record(std::vector<std::pair<PvField, std::string>> fields = {}) {
  std::string list;
  append_pv_lookup_record(list, "00000001", "Ropa");
  PvRecord r = split_pv_list(list).at(0);
  for (auto& [at, value] : fields) r[at] = value;
  list.clear();
  append_pv_record(list, r);
  return list;
}

// Enter goes through Envia_Teclas, which the fake services only record:
// typed IDs are left with Tab.
void type_id(frmCapturarPromocionPv& w, const QString& text) {
  type_cell(w, 0, "Ppd_ID", text, Qt::Key_Tab);
}

class PvCaptureTest : public WindowTest {
 protected:
  void SetUp() override {
    series_ = std::make_shared<FakeSeries>();
    CompanionFactories outside;
    outside.captura_series = [s = series_] { return s; };
    start(std::move(outside));
  }

  std::string capturar(const std::string& list, const Script& script,
                       const std::string& sucursal = "S1") {
    return run_modal<frmCapturarPromocionPv>(script, [&] {
      return promociones_->Capturar_Promociones_Pv(list, sucursal, "A1");
    });
  }

  std::shared_ptr<FakeSeries> series_;
};

TEST_F(PvCaptureTest, AcceptedRowsComeBackInListOrderWithKindsSwapped) {
  const std::string lookup = record();
  const std::string kinds = record(
      {{kPvPpdTipo, "K12"}, {kPvPrTipoProducto, "K13"}, {kPvLtCveLote, "L1"}});
  const std::string swapped = record(
      {{kPvPpdTipo, "K13"}, {kPvPrTipoProducto, "K12"}, {kPvLtCveLote, "L1"}});
  const std::pair<std::string, std::string> cases[] = {
      // input, expected
      // As the lookups send it: back unchanged, reference included.
      {lookup, lookup},
      // Empty pieces and a 14-field record are skipped; past 15 is lost.
      {"{|}" + lookup + "{|}{|}" + lookup.substr(0, lookup.rfind("<@>")) +
           "{|}" + kinds + "<@>extra{|}",
       lookup + "{|}" + swapped},
      // Fields 12 and 13 swap places on each round trip.
      {swapped, kinds},
      // A TAB in a value spreads it over two cells: the description column
      // takes the product's second half, the rest moves right.
      {record({{kPvPrCveProducto, "P\tQ"}}),
       "00000001<@>Ropa<@><@>P<@><@><@><@>0<@>0<@>0<@><@><@><@><@>"},
  };
  for (const auto& [input, expected] : cases)
    EXPECT_EQ(capturar(input, aceptar), expected) << input;
  EXPECT_THAT(fakes_->sesion->mensajes, IsEmpty());
}

TEST_F(PvCaptureTest, FailuresLeaveTheirReasonBehindThePrefix) {
  const std::pair<std::string, std::string> cases[] = {
      // input, error
      {"", "No se especificaron promociones"},
      {"a<@>b{|}{|}", "Las promociones encontradas son invalidas"},
  };
  for (const auto& [input, error] : cases) {
    EXPECT_EQ(promociones_->Capturar_Promociones_Pv(input, "S1", "A1"), "");
    EXPECT_EQ(promociones_->get_Error(), kPrefix + error);
  }
  // Cancelling does not touch Error.
  EXPECT_EQ(capturar(record(), cancelar), "");
  EXPECT_EQ(promociones_->get_Error(),
            kPrefix + "Las promociones encontradas son invalidas");
  // The product's description fails: no window, its reason in Error.
  fakes_->servicios->failures.emplace("Get_Descripcion",
                                      RuntimeError(3265, "sin catálogo"));
  EXPECT_EQ(promociones_->Capturar_Promociones_Pv(record(), "S1", "A1"), "");
  EXPECT_EQ(promociones_->get_Error(), kPrefix + "sin catálogo");
}

TEST_F(PvCaptureTest, TypedIdsAreResolvedWithinTheRowsFolio) {
  const std::string kDetail =
      "SELECT Ppd.Ppd_ID,    Ppd.Ppd_Tipo,    Ppd.Ppd_Producto,    "
      "Producto.Pr_Tipo_Producto,    Producto.Pr_Descripcion,    "
      "CASE WHEN Ppd.Ppd_Tipo = '02' THEN Ppd.Ppd_Valor ELSE 1 END as "
      "Ppd_Cantidad,    CASE WHEN Ppd.Ppd_Tipo = '01' THEN Ppd.Ppd_Valor "
      "ELSE 0 END as Ppd_Precio,    CASE WHEN Ppd.Ppd_Tipo = '03' THEN "
      "Ppd.Ppd_Valor ELSE 0 END as Ppd_Descuento FROM Promocion_Pv_Detalle "
      "Ppd    INNER JOIN Producto ON Producto.Pr_Cve_Producto = "
      "Ppd.Ppd_Producto WHERE Ppd.Pp_Folio = '";
  // Typed; then ID, kind, size, quantity (as shown), price, discount and
  // series: the series stays whatever happens to the detail.
  const std::vector<QStringList> cases = {
      {"123", "0000000123", "02", "00", "3.00", "0", "0", "S1"},
      {"1", "0000000001", "02", "00", "1.00", "0", "0", "S1"},
      {"2.4", "0000000002", "01", "00", "1.00", "99.5", "0", "S1"},
      {"3", "0000000003", "03", "00", "1.00", "0", "10", "S1"},
      {"99", "0000000099", "", "", ".00", "0", "0", "S1"},
      {"", "", "", "", ".00", "0", "0", "S1"},
      {"x1", "x1", "", "", ".00", "0", "0", "S1"},
  };
  for (const QStringList& c : cases) {
    QStringList row = {c[0]};
    capturar(record({{kPvPpdId, "0000000042"},
                     {kPvSrCveSerie, "S1"},
                     {kPvPpCantidad, "5"}}),
             [&](frmCapturarPromocionPv& w) {
               type_id(w, c[0]);
               for (const char* f :
                    {"Ppd_ID", "Ppd_Tipo", "Tl_Cve_Talla", "Pp_Cantidad",
                     "Pp_Precio", "Pp_Descuento", "Sr_Cve_Serie"}) {
                 const int col = w.ssPromocion->column_index(f);
                 row << w.ssPromocion->model()->index(0, col).data().toString();
               }
               cancelar(w);
             });
    EXPECT_EQ(row, c);
  }
  // One statement per resolved ID, the folio's quotes doubled.
  sql_->clear();
  capturar(record({{kPvPpFolio, "O'1"}}), [&](frmCapturarPromocionPv& w) {
    type_id(w, "7");
    cancelar(w);
  });
  EXPECT_THAT(sql_->statements(),
              ElementsAre(kDetail + "O''1' AND    Ppd.Ppd_ID = '0000000007' "));
}

TEST_F(PvCaptureTest, F2PicksFromTheStoredQueryKeepingTheDiscount) {
  fakes_->servicios->consultas["PROMOCION_PV_DETALLE"] =
      "F={FOLIO} P={PARAMETROS}F={FOLIO}";
  fakes_->servicios->busqueda_elegida = "0000000003";
  QStringList row, other_column;
  capturar(
      record({{kPvPpDescuento, "7"}}),
      [&](frmCapturarPromocionPv& w) {
        go_to(w, 0, "Pp_Descuento");
        QTest::keyClick(w.ssPromocion, Qt::Key_F2);  // not the ID column
        other_column << cell(w, 0, "Ppd_ID");
        go_to(w, 0, "Ppd_ID");
        QTest::keyClick(w.ssPromocion, Qt::Key_F2, Qt::ShiftModifier);
        for (const char* f : {"Ppd_ID", "Ppd_Tipo", "Tl_Cve_Talla",
                              "Pp_Cantidad", "Pp_Precio", "Pp_Descuento"})
          row << cell(w, 0, f);
        QTest::keyClick(w.ssPromocion, Qt::Key_Return);  // Enter: a Tab is sent
        cancelar(w);
      },
      "S'1");
  EXPECT_EQ(other_column, QStringList{""});
  EXPECT_EQ(row, QStringList({"0000000003", "03", "00", "1", "0", "7"}));
  EXPECT_THAT(
      fakes_->servicios->calls,
      ::testing::IsSupersetOf(
          {"Get_Consulta(PROMOCION_PV_DETALLE)",
           "Muestra_Busqueda(F=00000001 P=Existencia.Sc_Cve_Sucursal = 'S''1' "
           "AND Existencia.Al_Cve_Almacen = 'A1' F=00000001|100|)",
           "Envia_Teclas(\t|0)"}));
  EXPECT_EQ(
      sql_->statements().back(),
      "SELECT Ppd.Ppd_ID,    Ppd.Ppd_Tipo,    Ppd.Ppd_Producto,    "
      "Producto.Pr_Tipo_Producto,    Producto.Pr_Descripcion,    CASE "
      "Ppd.Ppd_Tipo        WHEN '02' THEN Ppd.Ppd_Valor        WHEN "
      "'01' THEN 1 ELSE 1 END as Ppd_Cantidad,    CASE Ppd.Ppd_Tipo      "
      "  WHEN '01' THEN Ppd.Ppd_Valor        WHEN '02' THEN 0 ELSE 0 END "
      "as Ppd_Precio FROM Promocion_Pv_Detalle Ppd    INNER JOIN Producto "
      "ON Producto.Pr_Cve_Producto = Ppd.Ppd_Producto WHERE Ppd.Pp_Folio "
      "= '00000001' AND    Ppd.Ppd_ID = '0000000003' ");
  // A failing stored query is shown with 7500008; nothing picked.
  fakes_->servicios->failures.emplace("Get_Consulta",
                                      RuntimeError(3265, "sin consulta"));
  capturar(record(), [&](frmCapturarPromocionPv& w) {
    go_to(w, 0, "Ppd_ID");
    QTest::keyClick(w.ssPromocion, Qt::Key_F2);
    cancelar(w);
  });
  EXPECT_THAT(message_ids(), ElementsAre("ERR-ID:7500008"));
  EXPECT_EQ(fakes_->sesion->mensajes.at(0).Mensaje, "sin consulta");
}

TEST_F(PvCaptureTest, AcceptNamesTheFirstSerializedRowWithoutSeries) {
  for (const char* p : {"T1", "T2"})
    fakes_->servicios->descripciones[std::string("Producto|Pr_Cve_Producto|") +
                                     p + "|Pr_Descripcion|0|||"] =
        std::string("Teléfono ") + p;
  const std::string list =
      record() + "{|}" +
      record({{kPvPrCveProducto, "T1"}, {kPvPpdTipo, "03"}}) + "{|}" +
      record({{kPvPrCveProducto, "T2"}, {kPvPpdTipo, "03"}});
  int current = -1;
  bool open = false;
  EXPECT_EQ(capturar(list,
                     [&](frmCapturarPromocionPv& w) {
                       aceptar(w);
                       current = w.ssPromocion->currentIndex().row();
                       open = w.isVisible();
                       cancelar(w);
                     }),
            "");
  EXPECT_EQ(current, 1);
  EXPECT_TRUE(open);
  EXPECT_THAT(message_ids(), ElementsAre("ERR-ID:7500004"));
  EXPECT_EQ(fakes_->sesion->mensajes.at(0).Mensaje,
            "El producto Teléfono T1 es serializado, debe especificar las "
            "series para continuar!");
  // Any series text passes, checked against stock or not.
  const std::string with_series =
      record({{kPvPpdTipo, "03"}, {kPvSrCveSerie, "cualquiera"}});
  EXPECT_NE(capturar(with_series, aceptar), "");
}

TEST_F(PvCaptureTest, SeriesButtonStoresNoMoreSeriesThanTheQuantity) {
  const std::string serialized = record({{kPvPrCveProducto, "P'1"},
                                         {kPvPpdTipo, "03"},
                                         {kPvPpCantidad, "2"},
                                         {kPvSrCveSerie, "A"}});
  struct Case {
    std::string respuesta;
    long cantidad;
    bool falla;
    QString serie;  // the cell afterwards
    std::vector<std::string> ids;
  } cases[] = {
      {"A,B", 2, false, "A,B", {}},
      {"A,B,C", 3, false, "A", {"ERR-ID:7500006"}},
      {"", 0, false, "", {}},
      {"", 0, true, "A", {"ERR-ID:7500007"}},
  };
  for (const Case& c : cases) {
    series_->respuesta = c.respuesta;
    series_->cantidad = c.cantidad;
    series_->falla = c.falla;
    series_->calls.clear();
    fakes_->sesion->mensajes.clear();
    QString serie;
    capturar(serialized, [&](frmCapturarPromocionPv& w) {
      go_to(w, 0, "Sr_Cve_Serie");
      QTest::mouseClick(w.btnCelda, Qt::LeftButton);
      serie = cell(w, 0, "Sr_Cve_Serie");
      cancelar(w);
    });
    EXPECT_EQ(serie, c.serie) << c.respuesta;
    EXPECT_EQ(message_ids(), c.ids) << c.respuesta;
  }
  EXPECT_THAT(series_->calls,
              ElementsAre("P'1",
                          "1|A||Existencia_Serie.Sc_Cve_Sucursal = 'S1' AND "
                          "Existencia_Serie.Al_Cve_Almacen = 'A1' AND "
                          "Existencia_Serie.Pr_Cve_Producto = 'P''1' "));
  // Not serialized, or the LOTE button: no component, no message.
  series_->calls.clear();
  fakes_->sesion->mensajes.clear();
  capturar(record({{kPvLtCveLote, "L"}}), [&](frmCapturarPromocionPv& w) {
    for (const char* f : {"Sr_Cve_Serie", "Lt_Cve_Lote"}) {
      go_to(w, 0, f);
      QTest::mouseClick(w.btnCelda, Qt::LeftButton);
    }
    cancelar(w);
  });
  EXPECT_THAT(series_->calls, IsEmpty());
  EXPECT_THAT(fakes_->sesion->mensajes, IsEmpty());
}

}  // namespace
}  // namespace promocionesQEX::testing
