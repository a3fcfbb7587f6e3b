#include "capture/frmCapturarPromocion.h"

#include <cmath>

#include "capture/Twips.h"
#include "capture/Contexto.h"
#include "frame/Messages.h"
#include "promocionesQEX/RuntimeError.h"
#include "promocionesQEX/Variant.h"

namespace promocionesQEX::capture {
namespace {

// The grid's columns, in the order Set_Promocion writes its rows.
const QVector<GridColumn>& columns() {
  static const QVector<GridColumn> kColumns = {
      {"Pr_Cve_Producto", "Producto", 2037, true, false, "", 0, false},
      {"Pr_Descripcion", "Descripción", 8520, true, false, "", 0, false},
      {"Tl_Cve_Talla", "TALLA", 3200, false, false, "", 0, false},
      {"Cl_Cve_Color", "COLOR", 3200, false, false, "", 0, false},
      {"Cantidad", "Cantidad", 2170, true, true, "number", 15, false},
      {"Unidad", "Unidad", 1720, true, false, "", 0, false},
      // Not locked, but hidden: the user never reaches it.
      {"CantidadAnterior", "CantidadAnterior", 3200, false, true, "number", 0,
       false},
      {"Disponible", "Disponible", 2328, true, false, "number", 0, false},
  };
  return kColumns;
}

QString text_of(const std::string& s) { return QString::fromStdString(s); }

// Numbers shown to the user: the general number format with the locale's
// decimal separator, read back with the same rules.
QString number_text(double value) {
  return text_of(general_number(value, locale_decimal_separator()));
}

std::optional<double> number_of(const QString& text) {
  try {
    return parse_number(text.toStdString(), locale_decimal_separator());
  } catch (const RuntimeError&) {
    return std::nullopt;
  }
}

// Rounded to 4 decimals, halves to the even digit.
double round4(double value) { return std::nearbyint(value * 1e4) / 1e4; }

// Header layout, in twips: (left, top, width, height).
struct Place {
  double left, top, width, height;
};

void place(QWidget* w, const Place& p) {
  w->setGeometry(twips_to_pixels(p.left, w), twips_to_pixels(p.top, w),
                 twips_to_pixels(p.width, w), twips_to_pixels(p.height, w));
}

}  // namespace

frmCapturarPromocion::frmCapturarPromocion(QWidget* parent)
    : CaptureFrame(QStringLiteral("frmCapturarPromocion"), parent),
      Titulo1(new Titulo(this)),
      Etiqueta1(new Etiqueta(QStringLiteral("Producto:"),
                             QStringLiteral("PRODUCTO"), this)),
      Etiqueta2(new Etiqueta(QStringLiteral("Cantidad:"),
                             QStringLiteral("CANTIDAD"), this)),
      txtClave(new TextoQex(this)),
      txtDescripcion(new TextoQex(this)),
      txtCantidad(new TextoQex(this)),
      txtUnidad(new TextoQex(this)) {
  setWindowTitle(QStringLiteral("Promociones"));
  Titulo1->setObjectName(QStringLiteral("Titulo1"));
  Titulo1->set_caption(QStringLiteral("Promociones"));
  Etiqueta1->setObjectName(QStringLiteral("Etiqueta1"));
  Etiqueta2->setObjectName(QStringLiteral("Etiqueta2"));
  txtClave->setObjectName(QStringLiteral("txtClave"));
  txtDescripcion->setObjectName(QStringLiteral("txtDescripcion"));
  txtCantidad->setObjectName(QStringLiteral("txtCantidad"));
  txtUnidad->setObjectName(QStringLiteral("txtUnidad"));
  for (TextoQex* box : {txtClave, txtDescripcion, txtCantidad, txtUnidad})
    box->set_locked(true);
  txtClave->sql = QStringLiteral(
      "select pr_descripcion from producto where pr_cve_producto = '?'");
  txtClave->sql_control_resultado = txtDescripcion;
  txtCantidad->set_Numero(0);
  txtCantidad->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  txtCantidad->setFont(QFont(QStringLiteral("Fixedsys")));

  place(Titulo1, {0, 0, 12000, 420});
  place(Etiqueta1, {120, 560, 1000, 315});
  place(txtClave, {1150, 540, 1900, 330});
  place(txtDescripcion, {3100, 540, 6500, 330});
  place(Etiqueta2, {120, 960, 1000, 315});
  place(txtCantidad, {1150, 940, 1400, 330});
  place(txtUnidad, {2600, 940, 1000, 330});

  ssPromocion->setWindowTitle(QStringLiteral("Promociones"));
  ssPromocion->set_columns(columns());
  ssPromocion->on_before_col_update(
      [this](int column, const QString& old_value, int& cancel) {
        // A failure while judging the edit refuses it.
        bool judged = false;
        guarded([&] {
          ssPromocion_BeforeColUpdate(column, old_value, cancel);
          judged = true;
        });
        if (!judged) cancel = 1;
      });
  set_grid_origin(120, 1420);
}

void frmCapturarPromocion::warn(const std::string& text,
                                const std::string& id) {
  contexto().sesion->Muestra_Mensaje(text, kIconExclamation, "ATENCION",
                                     handle(), std::string(kModulo), id);
}

void frmCapturarPromocion::Set_Promocion(const std::vector<tPromocion>& Valor,
                                         const tPromocion& ValorOriginal) {
  CapturaCantidad& modulo = contexto();
  valida_disponibilidad_ =
      modulo.sesion
          ->Get_Parametro("PED_VALIDAR_DISPONIBILIDAD_PARA_PROMOCION", 0, "B",
                          "0")
          .as_bool();
  ssPromocion->RemoveAll();
  std::shared_ptr<clsDisponibilidad> disponibilidad;
  for (const tPromocion& p : Valor) {
    if (!disponibilidad) disponibilidad = modulo.nueva_disponibilidad();
    const double disponible = disponibilidad->Get_Disponible(
        Sucursal, Almacen, p.Pr_Cve_Producto, p.Tl_Cve_Talla, p.Cl_Cve_Color,
        1, p.Pr_Unidad);
    const std::string descripcion = modulo.servicios->Get_Descripcion(
        "PRODUCTO", "PR_CVE_PRODUCTO", p.Pr_Cve_Producto, "PR_DESCRIPCION", 0,
        "", "", "");
    const QStringList fields = {text_of(p.Pr_Cve_Producto),
                                text_of(descripcion),
                                text_of(p.Tl_Cve_Talla),
                                text_of(p.Cl_Cve_Color),
                                number_text(p.Pr_Cantidad),
                                text_of(p.Pr_Unidad),
                                number_text(ValorOriginal.Pr_Cantidad),
                                number_text(disponible)};
    ssPromocion->AddItem(fields.join(QLatin1Char('\t')));
  }
  disponibilidad.reset();
  ssPromocion->MoveFirst();
}

void frmCapturarPromocion::ssPromocion_BeforeColUpdate(
    int column, const QString& /*old_value*/, int& cancel) {
  if (ssPromocion->model_rows().columns()[column].name.toUpper() !=
      QLatin1String("CANTIDAD"))
    return;
  const QString nuevo_text = ssPromocion->cell(QStringLiteral("Cantidad"));
  const QString anterior = ssPromocion->cell(QStringLiteral("CantidadAnterior"));
  const std::optional<double> nuevo = number_of(nuevo_text);
  if (!nuevo || *nuevo < 0) {
    warn("La cantidad debe ser un número no negativo: \"" +
             nuevo_text.toStdString() + "\"",
         "");
    cancel = 1;
    return;
  }
  const std::optional<double> permitido = number_of(anterior);
  if (!permitido) {
    cancel = 1;
    throw RuntimeError(RuntimeError::kTypeMismatch,
                       "La cantidad permitida no es un número: \"" +
                           anterior.toStdString() + "\"");
  }
  CapturaCantidad& modulo = contexto();
  if (*permitido > *nuevo && modulo.gbRestringeReducir) {
    modulo.mostrar_mensaje(MessageId::kCannotReduce, anterior.toStdString(),
                           handle());
    cancel = 1;
  }
  if (*permitido < *nuevo && !modulo.gbPermiteAumentar) {
    modulo.mostrar_mensaje(MessageId::kCannotIncrease, anterior.toStdString(),
                           handle());
    cancel = 1;
  }
}

void frmCapturarPromocion::Aceptar() {
  if (!valida_disponibilidad_) {
    accept_capture();
    return;
  }
  ssPromocion->MoveFirst();
  for (int row = 0; row < ssPromocion->Rows(); ++row) {
    const QString cantidad = ssPromocion->cell(QStringLiteral("Cantidad"));
    const QString disponible = ssPromocion->cell(QStringLiteral("Disponible"));
    const std::optional<double> c = number_of(cantidad);
    const std::optional<double> d = number_of(disponible);
    if (!c || !d) {
      throw RuntimeError(RuntimeError::kTypeMismatch,
                         "El renglón " + std::to_string(row + 1) +
                             " no tiene números en Cantidad y Disponible");
    }
    if (round4(*c) > round4(*d)) {
      contexto().mostrar_mensaje(MessageId::kNotEnoughStock, "", handle());
      return;  // the grid stays on the offending row
    }
    ssPromocion->MoveNext();
  }
  accept_capture();
}

std::vector<tPromocion> frmCapturarPromocion::Promocion() {
  std::vector<tPromocion> goods;
  ssPromocion->MoveFirst();
  for (int row = 0; row < ssPromocion->Rows(); ++row) {
    tPromocion p;
    p.Pr_Cve_Producto = ssPromocion->cell(QStringLiteral("Pr_Cve_Producto")).toStdString();
    p.Tl_Cve_Talla = ssPromocion->cell(QStringLiteral("Tl_Cve_Talla")).toStdString();
    p.Cl_Cve_Color = ssPromocion->cell(QStringLiteral("Cl_Cve_Color")).toStdString();
    p.Pr_Unidad = ssPromocion->cell(QStringLiteral("Unidad")).toStdString();
    p.Pr_Cantidad = parse_number(
        ssPromocion->cell(QStringLiteral("Cantidad")).toStdString(),
        locale_decimal_separator());
    goods.push_back(std::move(p));
    ssPromocion->MoveNext();
  }
  return goods;
}

}  // namespace promocionesQEX::capture
