// The windows' own series capture component (clsCapturaSeries): a dialog
// listing the series in stock that the caller's filter admits, each with a
// check box; the series of the text handed in start checked.
//
// Series text layout: the series separated by "," without spaces, in the
// order the dialog lists them (stock order by key, then the series handed
// in that are not in stock). Spaces around a series are dropped when a
// text is read; empty pieces are skipped.
#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>
#include <memory>

#include "promocionesQEX/Companions.h"

class QListWidget;

namespace promocionesQEX::capture {

// The series of a series text, in order.
QStringList series_of(const QString& text);

// The statement that lists the series in stock admitted by `filtro`: the
// live series (status not 'BA') in key order. An empty filter admits all.
std::string series_statement(const std::string& filtro);

class SeriesDialog : public QDialog {
  Q_OBJECT

 public:
  // `stock`: the series in stock; `checked`: the series handed in, checked
  // (and listed after the stock when not in it, so none is lost unseen).
  SeriesDialog(const QString& producto, const QStringList& stock,
               const QStringList& checked, QWidget* parent = nullptr);
  // The checked series, in list order.
  QStringList series() const;

  QListWidget* lista;
};

class SeriesCapture : public clsCapturaSeries {
 public:
  explicit SeriesCapture(std::function<std::shared_ptr<Connection>()> conexion);

  void Producto(const std::string& Valor) override;
  // Shows the dialog modally over the series `Filtro` admits with those of
  // `Series` checked; accepted, the checked series; cancelled, `Series`
  // unchanged. Modo and Reservado are not used. In picture mode the dialog
  // is drawn into the picture and `Series` comes back unchanged.
  std::string Capturar_Series(long Modo, const std::string& Series,
                              const std::string& Reservado,
                              const std::string& Filtro) override;
  // The number of series in the text the last Capturar_Series answered.
  long Cantidad_Series() override { return cantidad_; }

 private:
  std::function<std::shared_ptr<Connection>()> conexion_;
  std::string producto_;
  long cantidad_ = 0;
};

// The component the windows' library hands out, reading through `sesion`.
std::shared_ptr<clsCapturaSeries> nueva_captura_series(
    std::shared_ptr<clsSesionDatos> sesion);

}  // namespace promocionesQEX::capture
