// Capturar_Promociones on the demo store's showcase line (the promotion
// grants 2 units of a gift of which the store holds 2), its window driven by
// keys and clicks.
#include <gmock/gmock.h>

#include <thread>

#include "CaptureFixture.h"
#include "Raised.h"
#include "capture/frmCapturarPromocion.h"
#include "frame/Publico.h"

namespace promocionesQEX::testing {
namespace {

using capture::frmCapturarPromocion;
using ::testing::IsEmpty;
using Script = std::function<void(frmCapturarPromocion&)>;

const DemoShowcase kKeys = demo_showcase(DemoOptions{});

struct Linea {
  std::string Transaccion;
  bool Edicion = false;
  std::string Promociones;
  double Cantidad = 7;
};

// The showcase line's capture on `p`.
bool capture_line(Promociones& p, const Linea& l) {
  return p.Capturar_Promociones(DemoOptions{}.moment, kKeys.branch,
                                kKeys.customer, kKeys.product, kKeys.size,
                                kKeys.colour, l.Cantidad, kKeys.unit,
                                l.Transaccion, l.Edicion, l.Promociones);
}

class CaptureTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    fakes_->sesion->parametros["PED_VALIDAR_DISPONIBILIDAD_PARA_PROMOCION"] =
        "1";
    promociones_->put_Sucursal(kKeys.branch);
    promociones_->put_Almacen(kKeys.warehouse);
    demo_store().exec(
        "UPDATE Existencia SET Ex_Existencia = 2 WHERE Pr_Cve_Producto = '" +
        granted().Pr_Cve_Producto + "'");
  }

  bool capturar(const Linea& l, const Script& script) {
    return run_modal<frmCapturarPromocion>(
        script, [&] { return capture_line(*promociones_, l); });
  }

  // The goods the showcase line's promotion gives now.
  tPromocion granted() {
    return promociones_->Get_Promocion(DemoOptions{}.moment, kKeys.branch,
                                       kKeys.customer, kKeys.product,
                                       kKeys.size, kKeys.colour, 7, kKeys.unit);
  }
};

// The window shows the line and the goods; accepting writes the goods as
// edited (reducing is allowed by default), cancelling by button or by
// closing writes them as offered.
TEST_F(CaptureTest, FullCaptureShowsTheLineEditsAndEncodesTheGoods) {
  const tPromocion offered = granted();
  tPromocion edited = offered;
  edited.Pr_Cantidad = 1.5;
  const std::tuple<Script, bool, tPromocion> endings[] = {
      {aceptar, true, edited},
      {cancelar, false, offered},
      {[](frmCapturarPromocion& w) { w.close(); }, false, offered}};
  const std::string sql =
      "SELECT Pr_Descripcion FROM Producto WHERE Pr_Cve_Producto = '";
  const QStringList line =
      texts({kKeys.product,
             demo_store().exec(sql + kKeys.product + "'").field(0).as_text(),
             "7", kKeys.unit});
  for (const auto& [ending, accepted, goods] : endings) {
    QStringList header, row;
    const bool closed_accepting = capturar({}, [&](frmCapturarPromocion& w) {
      header << w.txtClave->text() << w.txtDescripcion->text()
             << w.txtCantidad->text() << w.txtUnidad->text();
      for (const char* c : {"Pr_Cve_Producto", "Cantidad", "CantidadAnterior",
                            "Disponible", "Unidad"})
        row << cell(w, 0, c);
      type_cell(w, 0, "Cantidad", "1.5");
      ending(w);
    });
    EXPECT_EQ(closed_accepting, accepted);
    EXPECT_EQ(header, line);
    EXPECT_EQ(row, texts({offered.Pr_Cve_Producto, "2", "2", "2",
                          offered.Pr_Unidad}));
    EXPECT_EQ(promociones_->get_Promociones(),
              promociones_->Codifica_Promocion({goods}));
  }
  EXPECT_THAT(fakes_->sesion->mensajes, IsEmpty());
}

TEST_F(CaptureTest, FlagsOutliveTheCallAndBelongToTheThread) {
  fakes_->sesion->permisos = {{"VENTAS", "PROM02"}};
  capturar({"VENTAS", false, "", 7}, cancelar);
  fakes_->sesion->calls.clear();
  capturar({}, [&](frmCapturarPromocion& w) {
    type_cell(w, 0, "Cantidad", "4");
    cancelar(w);
  });
  EXPECT_THAT(message_ids(), IsEmpty());  // the increase passed
  EXPECT_THAT(fakes_->sesion->calls,
              ::testing::Not(
                  ::testing::Contains(::testing::HasSubstr("Tiene_Permiso"))));

  // A fresh thread starts with both flags false, and cannot open windows.
  std::pair<bool, bool> flags{true, true};
  long error = 0;
  std::thread([&] {
    flags = {publico().gbRestringeReducir, publico().gbPermiteAumentar};
    error = raised([] {
              Promociones other;
              capture_line(other, {});
            }).number();
  }).join();
  EXPECT_EQ(flags, std::make_pair(false, false));
  EXPECT_EQ(error, 5);
}

// Which quantity edits pass: the user's permissions decide on a reduction
// (PROM01 forbids it) and an increase (PROM02 allows it); accepting compares
// the quantity with the stock (2) at four decimals, by button or by F4,
// which commits the open editor first.
TEST_F(CaptureTest, EditsPassByPermissionAndAcceptanceByStock) {
  using Permisos = std::set<std::pair<std::string, std::string>>;
  const Permisos both = {{"VENTAS", "PROM01"}, {"VENTAS", "PROM02"}};
  const Permisos increase = {{"VENTAS", "PROM02"}};
  const int kEnter = Qt::Key_Return, kF4 = Qt::Key_F4;
  struct Case {
    Permisos permisos;
    std::vector<QString> edits;  // the last one left with `finish`
    int finish;
    std::vector<std::string> ids;
    QString quantity;  // the cell before the button, or after F4 when open
    bool accepted;
  } cases[] = {
      // Reducing is refused; back to the granted quantity passes.
      {both, {"3", "1", "2"}, kEnter, {"ERR-ID:7500002"}, "2", true},
      {{}, {"3", "1"}, kEnter, {"ERR-ID:7500003"}, "1", true},
      {increase, {"2.00004"}, kEnter, {}, "2.00004", true},
      {increase, {"2.0001"}, kEnter, {"ERR-ID:7500001"}, "2.0001", false},
      {increase, {"2.00004"}, kF4, {}, "", true},
      {increase, {"5"}, kF4, {"ERR-ID:7500001"}, "5", false},
      // Not a number, or negative: refused, the call goes on.
      {{}, {"dos", "-1"}, kEnter, {"", ""}, "2", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.edits.back().toStdString());
    fakes_->sesion->permisos = c.permisos;
    fakes_->sesion->mensajes.clear();
    QString quantity;
    bool still_open = false;
    const bool accepted =
        capturar({"VENTAS", false, "", 7}, [&](frmCapturarPromocion& w) {
          for (const QString& e : c.edits)
            type_cell(w, 0, "Cantidad", e,
                      &e == &c.edits.back() ? c.finish : kEnter);
          quantity = w.isVisible() ? cell(w, 0, "Cantidad") : "";
          if (c.finish == kEnter) aceptar(w);
          still_open = w.isVisible();
          cancelar(w);
        });
    EXPECT_EQ(accepted, c.accepted);
    EXPECT_EQ(still_open, !c.accepted);
    EXPECT_EQ(message_ids(), c.ids);
    EXPECT_EQ(quantity, c.quantity);
  }
  EXPECT_EQ(fakes_->sesion->mensajes.at(0).Mensaje,
            "La cantidad debe ser un número no negativo: \"dos\"");
}

// Enter moves to the next shown column and never accepts; accepting with
// every row deleted gives an empty string.
TEST_F(CaptureTest, EnterMovesOnAndNoRowsLeftGiveAnEmptyString) {
  int column = -1;
  bool open = false;
  const bool accepted = capturar({}, [&](frmCapturarPromocion& w) {
    type_cell(w, 0, "Cantidad", "1");
    column = w.ssPromocion->currentIndex().column();
    QTest::keyClick(w.ssPromocion, Qt::Key_Return);
    QApplication::processEvents();
    open = w.isVisible();
    go_to(w, 0, "Pr_Cve_Producto");
    QTest::keyClick(w.ssPromocion, Qt::Key_Delete);
    aceptar(w);
  });
  EXPECT_EQ(column, 5);  // Unidad
  EXPECT_TRUE(open);
  EXPECT_TRUE(accepted);
  EXPECT_EQ(promociones_->get_Promociones(), "");
}

TEST_F(CaptureTest, EditingShowsThePreviousGoodsAgainstTheQuantityGrantedNow) {
  const QString gift = QString::fromStdString(granted().Pr_Cve_Producto);
  // Edicion, the previous goods, and the row: product, Cantidad,
  // CantidadAnterior.
  const std::tuple<bool, std::string, QStringList> cases[] = {
      {true, "A1\t00\t00\t5\tPZA", {"A1", "5", "2"}},
      {false, "A1\t00\t00\t5\tPZA", {gift, "2", "2"}},
      {true, "", {gift, "2", "2"}},
  };
  for (const auto& [edicion, previa, expected] : cases) {
    QStringList row;
    capturar({"", edicion, previa, 7}, [&](frmCapturarPromocion& w) {
      for (const char* col :
           {"Pr_Cve_Producto", "Cantidad", "CantidadAnterior"})
        row << cell(w, 0, col);
      cancelar(w);
    });
    EXPECT_EQ(row, expected) << edicion << previa;
  }
}

TEST_F(CaptureTest, NoPromotionMeansNoWindowAndAnEmptyString) {
  EXPECT_TRUE(capture_line(*promociones_, {"", false, "", 1}));
  EXPECT_EQ(promociones_->get_Promociones(), "");
}

}  // namespace
}  // namespace promocionesQEX::testing
