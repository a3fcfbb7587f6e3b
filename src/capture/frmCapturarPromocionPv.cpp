#include "capture/frmCapturarPromocionPv.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <cmath>
#include <iostream>

#include "capture/CompanionWindows.h"
#include "capture/GuiThread.h"
#include "capture/SeriesCapture.h"
#include "capture/Twips.h"
#include "promocionesQEX/RuntimeError.h"
#include "promocionesQEX/Variant.h"

namespace promocionesQEX::capture {
namespace {

// The grid's design: name, caption, width (twips), shown, editable by the
// user, format, maximum length, cell button.
const QVector<GridColumn>& columns() {
  static const QVector<GridColumn> kColumns = {
      {"Pp_Folio", "FOLIO", 2275, true, false, "", 256, false},
      {"Pp_Comentario", "PROMOCION", 5080, true, false, "", 256, false},
      {"Ppd_ID", "ID", 2249, true, true, "", 10, false},
      {"Pr_Cve_Producto", "PRODUCTO", 2487, true, false, "", 256, false},
      {"Pr_Descripcion", "DESCRIPCION", 4180, true, false, "", 256, false},
      {"Tl_Cve_Talla", "TALLA", 1667, true, false, "", 10, false},
      {"Cl_Cve_Color", "COLOR", 1693, true, false, "", 256, false},
      {"Pp_Cantidad", "CANTIDAD", 2196, true, false, "#,###.00", 20, false},
      {"Pp_Precio", "PRECIO", 1984, true, false, "number", 20, false},
      {"Pp_Descuento", "DESCUENTO", 2328, true, true, "number", 25, false},
      {"Sr_Cve_Serie", "SERIE", 1905, true, true, "", 256, true},
      {"Lt_Cve_Lote", "LOTE", 1508, true, true, "", 256, true},
      {"Pr_Tipo_Producto", "TIPO_PRODUCTO", 3200, false, false, "", 256, false},
      {"Ppd_Tipo", "Ppd_Tipo", 3200, false, false, "", 256, false},
      {"Pp_Aplicado", "APLICADO", 3200, false, false, "", 256, false},
      {"Referencia", "REFERENCIA", 3200, false, false, "", 256, false},
  };
  return kColumns;
}

// The fields of a Pv list record, in record order.
constexpr const char* kCampos[kPvFieldCount] = {
    "Pp_Folio",     "Pp_Comentario", "Ppd_ID",       "Pr_Cve_Producto",
    "Tl_Cve_Talla", "Cl_Cve_Color",  "Pp_Cantidad",  "Pp_Precio",
    "Pp_Descuento", "Sr_Cve_Serie",  "Lt_Cve_Lote",  "Ppd_Tipo",
    "Pr_Tipo_Producto", "Pp_Aplicado", "Referencia"};

constexpr const char* kSerializado = "03";

// A value inside a statement's quoted literal: single quotes doubled.
std::string quoted(const std::string& value) {
  std::string out;
  out.reserve(value.size());
  for (char ch : value) {
    out += ch;
    if (ch == '\'') out += '\'';
  }
  return out;
}

// The query that reads a detail of the folio with its product. `picked`:
// the pick list's form, without the discount column.
std::string detail_statement(const std::string& folio, const std::string& id,
                             bool picked) {
  std::string sql =
      "SELECT Ppd.Ppd_ID, "
      "   Ppd.Ppd_Tipo, "
      "   Ppd.Ppd_Producto, "
      "   Producto.Pr_Tipo_Producto, "
      "   Producto.Pr_Descripcion, ";
  sql += picked
             ? "   CASE Ppd.Ppd_Tipo "
               "       WHEN '02' THEN Ppd.Ppd_Valor "
               "       WHEN '01' THEN 1 ELSE 1 END as Ppd_Cantidad, "
               "   CASE Ppd.Ppd_Tipo "
               "       WHEN '01' THEN Ppd.Ppd_Valor "
               "       WHEN '02' THEN 0 ELSE 0 END as Ppd_Precio "
             : "   CASE WHEN Ppd.Ppd_Tipo = '02' THEN Ppd.Ppd_Valor ELSE 1 "
               "END as Ppd_Cantidad, "
               "   CASE WHEN Ppd.Ppd_Tipo = '01' THEN Ppd.Ppd_Valor ELSE 0 "
               "END as Ppd_Precio, "
               "   CASE WHEN Ppd.Ppd_Tipo = '03' THEN Ppd.Ppd_Valor ELSE 0 "
               "END as Ppd_Descuento ";
  sql +=
      "FROM Promocion_Pv_Detalle Ppd "
      "   INNER JOIN Producto ON Producto.Pr_Cve_Producto = Ppd.Ppd_Producto "
      "WHERE Ppd.Pp_Folio = '";
  sql += quoted(folio);
  sql += "' AND    Ppd.Ppd_ID = '";
  sql += quoted(id);
  sql += "' ";
  return sql;
}

void replace_all(std::string& text, const std::string& from,
                 const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

// The ID as ten digits at least: a number rounded to a whole one (halves
// away from zero) and padded with zeros; empty or other text unchanged.
QString ten_digits(const QString& text) {
  if (text.isEmpty()) return text;
  double value = 0;
  try {
    value = parse_number(text.toStdString(), locale_decimal_separator());
  } catch (const RuntimeError&) {
    return text;
  }
  const double whole = std::round(value);
  if (!(std::fabs(whole) < 1e18)) return text;
  const long long n = static_cast<long long>(whole);
  const QString digits =
      QString::number(n < 0 ? -n : n).rightJustified(10, QLatin1Char('0'));
  return n < 0 ? QStringLiteral("-") + digits : digits;
}

// A field of the recordset's row as cell text; Null as "".
QString field_text(const Recordset& rs, const char* name) {
  const Variant& v = rs.field(name);
  return v.is_null() ? QString() : QString::fromStdString(v.as_text());
}

// The cells of one grid row, by field name.
struct Renglon {
  Grid& grid;
  int row;
  QString operator[](const char* name) const {
    return grid.model_rows().cell(row, grid.column_index(name));
  }
  std::string text(const char* name) const {
    return (*this)[name].toStdString();
  }
  void set(const char* name, const QString& value) {
    grid.model_rows().set_cell(row, grid.column_index(name), value);
  }
};

// A row's cells from the detail the resolution or pick query found; the
// pick query answers no discount, so that cell is left alone then.
void fill_detail(Renglon& r, const Recordset& rs, bool with_discount) {
  r.set("Ppd_Tipo", field_text(rs, "Ppd_Tipo"));
  r.set("Pr_Cve_Producto", field_text(rs, "Ppd_Producto"));
  r.set("Pr_Descripcion", field_text(rs, "Pr_Descripcion"));
  r.set("Tl_Cve_Talla", QStringLiteral("00"));
  r.set("Cl_Cve_Color", QStringLiteral("00"));
  r.set("Pp_Cantidad", field_text(rs, "Ppd_Cantidad"));
  r.set("Pp_Precio", field_text(rs, "Ppd_Precio"));
  if (with_discount) r.set("Pp_Descuento", field_text(rs, "Ppd_Descuento"));
  r.set("Pr_Tipo_Producto", field_text(rs, "Pr_Tipo_Producto"));
}

int shift_of(Qt::KeyboardModifiers m) {
  return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
         (m & Qt::AltModifier ? 4 : 0);
}

}  // namespace

frmCapturarPromocionPv::frmCapturarPromocionPv(CapturaPv& contexto,
                                               QWidget* parent)
    : CaptureFrame(QStringLiteral("frmCapturarPromocionPv"), parent),
      c_(contexto) {
  setWindowTitle(QStringLiteral("Promociones"));
  ssPromocion->setWindowTitle(QStringLiteral("PROMOCIONES"));
  auto* caption = new QLabel(QStringLiteral("PROMOCIONES"), this);
  caption->setObjectName(QStringLiteral("captionPromociones"));
  caption->setGeometry(twips_to_pixels(120, this), twips_to_pixels(100, this),
                       twips_to_pixels(3000, this), twips_to_pixels(285, this));
  ssPromocion->set_columns(columns());
  ssPromocion->AllowAddNew = false;
  ssPromocion->AllowDelete = false;
  set_grid_origin(120, 420);

  // A user's edit is resolved once the grid has stored it.
  ssPromocion->on_before_col_update([this](int column, const QString&, int&) {
    edit_row_ = ssPromocion->currentIndex().row();
    edit_column_ = column;
  });
  connect(&ssPromocion->model_rows(), &QAbstractItemModel::dataChanged, this,
          [this](const QModelIndex& cell, const QModelIndex&) {
            if (cell.row() != edit_row_ || cell.column() != edit_column_)
              return;
            edit_row_ = edit_column_ = -1;
            ssPromocion_AfterColUpdate(cell.row(), cell.column());
          });
  ssPromocion->on_key_press([this](int& key_ascii) {
    ssPromocion_KeyPress(key_ascii);
  });

  btnCelda = new QToolButton(ssPromocion->viewport());
  btnCelda->setObjectName(QStringLiteral("btnCelda"));
  btnCelda->setText(QStringLiteral("…"));
  btnCelda->setFocusPolicy(Qt::NoFocus);
  btnCelda->hide();
  connect(btnCelda, &QToolButton::clicked, this,
          [this] { ssPromocion_BtnClick(); });
  connect(ssPromocion->selectionModel(), &QItemSelectionModel::currentChanged,
          this, [this] { coloca_boton(); });
  connect(ssPromocion->horizontalScrollBar(), &QScrollBar::valueChanged, this,
          [this] { coloca_boton(); });
  connect(ssPromocion->verticalScrollBar(), &QScrollBar::valueChanged, this,
          [this] { coloca_boton(); });
  connect(ssPromocion->horizontalHeader(), &QHeaderView::sectionResized, this,
          [this] { coloca_boton(); });
  connect(&ssPromocion->model_rows(), &QAbstractItemModel::modelReset, this,
          [this] { coloca_boton(); });
}

QModelIndex frmCapturarPromocionPv::celda_actual() const {
  const QModelIndex index = ssPromocion->currentIndex();
  return index.isValid() && index.row() >= 0 && index.column() >= 0
             ? index
             : QModelIndex();
}

QString frmCapturarPromocionPv::campo(int column) const {
  return ssPromocion->model_rows().columns()[column].name.toUpper();
}

void frmCapturarPromocionPv::mensaje(MessageId id, const std::string& value) {
  try {
    if (!c_.mostrar_mensaje) throw RuntimeError::ObjectNotSet();
    c_.mostrar_mensaje(id, value, handle());
  } catch (const std::exception& e) {
    // Nothing is left to show it with; the window stays usable.
    std::cerr << "promocionesQEX - " << value << " (" << e.what() << ")\n";
  }
}

void frmCapturarPromocionPv::show_failure(const std::string& description) {
  try {
    if (!c_.sesion) throw RuntimeError::ObjectNotSet();
    c_.sesion->Muestra_Mensaje(description, 16, "Advertencia", handle(),
                               "promocionesQEX", "");
  } catch (const std::exception& e) {
    std::cerr << "promocionesQEX - Advertencia: " << description << " ("
              << e.what() << ")\n";
  }
}

template <class Body>
void frmCapturarPromocionPv::intenta(MessageId id, Body&& body) {
  try {
    body();
  } catch (const RuntimeError& e) {
    mensaje(id, e.description());
  } catch (const std::exception& e) {
    mensaje(id, e.what());
  }
}

void frmCapturarPromocionPv::limpia_renglon(int row) {
  Renglon r{*ssPromocion, row};
  for (const char* name : {"Ppd_Tipo", "Pr_Cve_Producto", "Pr_Descripcion",
                           "Tl_Cve_Talla", "Cl_Cve_Color", "Pr_Tipo_Producto"})
    r.set(name, QString());
  for (const char* name : {"Pp_Cantidad", "Pp_Precio", "Pp_Descuento"})
    r.set(name, QStringLiteral("0"));
}

void frmCapturarPromocionPv::ssPromocion_AfterColUpdate(int row, int column) {
  if (row < 0 || column < 0 || campo(column) != QLatin1String("PPD_ID"))
    return;
  intenta(MessageId::kDetailError, [&] {
    Renglon r{*ssPromocion, row};
    const QString id = ten_digits(r["Ppd_ID"]);
    r.set("Ppd_ID", id);
    if (id.isEmpty()) {
      limpia_renglon(row);
      return;
    }
    *c_.gsSQL = detail_statement(r.text("Pp_Folio"), id.toStdString(), false);
    Recordset rs = c_.sesion->Conexion()->execute(*c_.gsSQL);
    if (rs.eof()) {
      limpia_renglon(row);
    } else {
      fill_detail(r, rs, true);
    }
    rs.close();
  });
}

void frmCapturarPromocionPv::ssPromocion_KeyDown(int key_code, int /*shift*/) {
  constexpr int kF2 = 113;
  if (key_code != kF2 || ssPromocion->Rows() == 0) return;
  const QModelIndex at = celda_actual();
  if (!at.isValid() || campo(at.column()) != QLatin1String("PPD_ID")) return;
  intenta(MessageId::kPickListError, [&] {
    Renglon r{*ssPromocion, at.row()};
    const std::string filtro = "Existencia.Sc_Cve_Sucursal = '" +
                               quoted(Sucursal) +
                               "' AND Existencia.Al_Cve_Almacen = '" +
                               quoted(Almacen) + "' ";
    std::string& sql = *c_.gsSQL;
    sql = c_.servicios->Get_Consulta("PROMOCION_PV_DETALLE");
    replace_all(sql, "{FOLIO}", quoted(r.text("Pp_Folio")));
    replace_all(sql, "{PARAMETROS}", filtro);
    const std::string clave = c_.servicios->Muestra_Busqueda(sql, 100, "");
    if (clave.empty()) return;
    sql = detail_statement(r.text("Pp_Folio"), clave, true);
    Recordset rs = c_.sesion->Conexion()->execute(sql);
    if (!rs.eof()) {
      // The pick query has no discount: the cell keeps what it held.
      r.set("Ppd_ID", QString::fromStdString(clave));
      fill_detail(r, rs, false);
    }
    rs.close();
  });
}

void frmCapturarPromocionPv::ssPromocion_KeyPress(int& key_ascii) {
  if (key_ascii != 13) return;
  key_ascii = 0;
  guarded([this] { c_.servicios->Envia_Teclas("\t", 0); });
}

void frmCapturarPromocionPv::ssPromocion_BtnClick() {
  const QModelIndex at = celda_actual();
  if (!at.isValid()) return;
  // The LOTE cell's button does nothing: no lot capture stands behind it.
  if (campo(at.column()) != QLatin1String("SR_CVE_SERIE")) return;
  intenta(MessageId::kSeriesError, [&] {
    Renglon r{*ssPromocion, at.row()};
    if (r["Pr_Tipo_Producto"] != QLatin1String(kSerializado)) return;
    std::shared_ptr<clsCapturaSeries> series =
        c_.nueva_captura_series ? c_.nueva_captura_series()
                                : nueva_captura_series(c_.sesion);
    if (!series) throw RuntimeError::ObjectNotSet();
    const std::string actuales = r.text("Sr_Cve_Serie");
    const std::string producto = r.text("Pr_Cve_Producto");
    const std::string filtro =
        "Existencia_Serie.Sc_Cve_Sucursal = '" + quoted(Sucursal) +
        "' AND Existencia_Serie.Al_Cve_Almacen = '" + quoted(Almacen) +
        "' AND Existencia_Serie.Pr_Cve_Producto = '" + quoted(producto) + "' ";
    series->Producto(producto);
    const std::string nuevas = series->Capturar_Series(1, actuales, "", filtro);
    const long cantidad = series->Cantidad_Series();
    if (cantidad > parse_number(r.text("Pp_Cantidad"))) {
      series.reset();
      mensaje(MessageId::kTooManySeries);
      return;
    }
    r.set("Sr_Cve_Serie", QString::fromStdString(nuevas));
  });
}

void frmCapturarPromocionPv::Aceptar() {
  ssPromocion->MoveFirst();
  for (int row = 0; row < ssPromocion->Rows(); ++row) {
    Renglon r{*ssPromocion, row};
    if (r["Pr_Tipo_Producto"] == QLatin1String(kSerializado) &&
        r["Sr_Cve_Serie"].isEmpty()) {
      mensaje(MessageId::kSeriesRequired, r.text("Pr_Descripcion"));
      return;  // the grid stays on this row
    }
    ssPromocion->MoveNext();
  }
  accept_capture();
}

std::vector<PvRecord> frmCapturarPromocionPv::Promociones() {
  std::vector<PvRecord> records;
  for (int row = 0; row < ssPromocion->Rows(); ++row) {
    Renglon r{*ssPromocion, row};
    PvRecord& record = records.emplace_back();
    for (std::size_t f = 0; f < kPvFieldCount; ++f)
      record[f] = r.text(kCampos[f]);
  }
  return records;
}

bool frmCapturarPromocionPv::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ssPromocion && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    // F2 goes on to the grid afterwards, which opens the cell's editor.
    if (key->key() == Qt::Key_F2)
      ssPromocion_KeyDown(113, shift_of(key->modifiers()));
    // Delete outside an editor resets the current row (rows are never
    // deleted here).
    if (key->key() == Qt::Key_Delete &&
        ssPromocion->key_target() == ssPromocion) {
      if (const QModelIndex at = celda_actual(); at.isValid())
        limpia_renglon(at.row());
      return true;
    }
  }
  return CaptureFrame::eventFilter(watched, event);
}

void frmCapturarPromocionPv::coloca_boton() {
  const QModelIndex at = celda_actual();
  if (!at.isValid() ||
      !ssPromocion->model_rows().columns()[at.column()].cell_button) {
    btnCelda->hide();
    return;
  }
  const QRect cell = ssPromocion->visualRect(at);
  const int side = qMin(cell.height(), cell.width());
  btnCelda->setGeometry(cell.right() - side + 1, cell.top(), side,
                        cell.height());
  btnCelda->show();
  btnCelda->raise();
}

void capturar_promocion_pv(CapturaPv& c) {
  ensure_gui_thread();
  // A failure deletes the window without its unload sequence.
  auto w = std::make_unique<frmCapturarPromocionPv>(c);
  w->load();
  w->Sucursal = c.Sucursal;
  w->Almacen = c.Almacen;
  Grid& grid = *w->ssPromocion;
  grid.RemoveAll();
  for (const std::string& row : c.renglones)
    grid.AddItem(QString::fromStdString(row));
  grid.MoveFirst();
  if (!c.imagen.empty()) {
    // Wide enough for every shown column.
    w->show();
    const int all = grid.verticalHeader()->width() +
                    grid.horizontalHeader()->length() + 2 * grid.frameWidth();
    w->resize(qMax(w->width(), w->width() - grid.width() + all), w->height());
    save_picture(*w, c.imagen);
  } else {
    w->exec();
  }
  c.Aceptado = w->Aceptado;
  if (c.Aceptado) c.registros = w->Promociones();
  w->unload();
}

}  // namespace promocionesQEX::capture
