// The quantity promotion capture window: a header with the sale line
// (product, description, quantity, unit) above the frame's grid, one row per
// good the promotion gives, with the quantity the user may change within the
// thread's permissions and the stock available.
#pragma once

#include <string>
#include <vector>

#include "capture/CaptureFrame.h"
#include "promocionesQEX/Records.h"

namespace promocionesQEX::capture {

class frmCapturarPromocion : public CaptureFrame {
  Q_OBJECT

 public:
  std::string Sucursal;
  std::string Almacen;

  explicit frmCapturarPromocion(QWidget* parent = nullptr);

  // Fills the grid: one row per good of Valor with its description and the
  // stock available in Sucursal and Almacen; ValorOriginal's quantity is
  // what every row may be compared against (CantidadAnterior). Reads the
  // store's availability-check switch anew.
  void Set_Promocion(const std::vector<tPromocion>& Valor,
                     const tPromocion& ValorOriginal);
  // One record per grid row, in grid order.
  std::vector<tPromocion> Promocion();

  Titulo* Titulo1;
  Etiqueta* Etiqueta1;
  Etiqueta* Etiqueta2;
  TextoQex* txtClave;
  TextoQex* txtDescripcion;
  TextoQex* txtCantidad;
  TextoQex* txtUnidad;

 protected:
  void Aceptar() override;

 private:
  // The editing rule, run before a Cantidad edit is committed.
  void ssPromocion_BeforeColUpdate(int column, const QString& old_value,
                                   int& cancel);
  // Shows a message of this window: exclamation, "ATENCION".
  void warn(const std::string& text, const std::string& id);

  bool valida_disponibilidad_ = false;
};

}  // namespace promocionesQEX::capture
