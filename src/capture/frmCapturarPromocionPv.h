// The Pv promotion capture window: one grid row per Pv promotion a sale
// earned. The user chooses each row's promotion detail by typing its ID
// (resolved on commit) or from the pick list (F2), gives the series of
// serialized goods through the SERIE cell's button, and accepts; accepting
// refuses a serialized row without series.
#pragma once

#include <QToolButton>
#include <string>
#include <vector>

#include "capture/CaptureFrame.h"
#include "frame/WindowLibrary.h"
#include "promocionesQEX/PvList.h"

namespace promocionesQEX::capture {

class frmCapturarPromocionPv : public CaptureFrame {
  Q_OBJECT

 public:
  std::string Sucursal;
  std::string Almacen;

  // `contexto` is the capture in progress: the companions, gsSQL, the
  // message display and the series component's maker.
  explicit frmCapturarPromocionPv(CapturaPv& contexto,
                                  QWidget* parent = nullptr);

  // One record per grid row, in grid order, the 15 fields of the Pv list
  // (the description left out, detail kind at 12, product kind at 13).
  // Cells are read as stored: the quantity as written, not as displayed.
  std::vector<PvRecord> Promociones();

  // The button the current SERIE or LOTE cell shows.
  QToolButton* btnCelda;

 protected:
  void Aceptar() override;
  void show_failure(const std::string& description) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The grid's notifications.
  void ssPromocion_AfterColUpdate(int row, int column);
  void ssPromocion_KeyDown(int key_code, int shift);
  void ssPromocion_KeyPress(int& key_ascii);
  void ssPromocion_BtnClick();
  // The row reset: detail cells cleared, quantities "0".
  void limpia_renglon(int row);
  // The grid's current cell, or an invalid index (the handlers' guard).
  QModelIndex celda_actual() const;
  QString campo(int column) const;

  void mensaje(MessageId id, const std::string& value = {});
  // Runs `body`; a failure is shown as message `id` and the window stays
  // open.
  template <class Body>
  void intenta(MessageId id, Body&& body);
  void coloca_boton();

  CapturaPv& c_;
  // The user's edit being committed (row, column), set before the grid
  // stores it and consumed once it has.
  int edit_row_ = -1;
  int edit_column_ = -1;
};

// The Pv capture as the core runs it (VentanasApi::capturar_promocion_pv).
void capturar_promocion_pv(CapturaPv& captura);

}  // namespace promocionesQEX::capture
