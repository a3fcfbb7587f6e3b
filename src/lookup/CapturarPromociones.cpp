// Capturar_Promociones: the goods a quantity promotion gives for one sale
// line, confirmed by the user in frmCapturarPromocion. The lookup, the
// permissions and the code string run here; the window runs in the windows'
// library, loaded on first use, so a host that never captures needs no
// window toolkit.
#include <utility>

#include "frame/OutsideComponents.h"
#include "frame/Publico.h"
#include "frame/WindowLibrary.h"
#include "promocionesQEX/Promociones.h"

namespace promocionesQEX {

bool Promociones::Capturar_Promociones(
    const DateTime& Fecha, const std::string& Sc_Cve_Sucursal,
    const std::string& Cl_Cve_Cliente, const std::string& Pr_Cve_Producto,
    const std::string& Tl_Cve_Talla, const std::string& Cl_Cve_Color,
    const double& Cantidad, const std::string& Un_Cve_Unidad,
    const std::string& Transaccion, const bool& Edicion,
    const std::string& Promociones) {
  bool resultado = true;
  msPromociones.clear();

  // Looked up in every case, also when editing: the window compares the
  // quantities against what the promotion grants now.
  const tPromocion original =
      Get_Promocion(Fecha, Sc_Cve_Sucursal, Cl_Cve_Cliente, Pr_Cve_Producto,
                    Tl_Cve_Talla, Cl_Cve_Color, Cantidad, Un_Cve_Unidad);
  std::vector<tPromocion> lista;
  if (Promociones.empty() || !Edicion) {
    if (original.Pr_Cve_Producto.empty()) return true;
    lista.push_back(original);
  } else {
    lista = Decodifica_Promocion(Promociones);
  }

  // The flags belong to the thread: a call without a transaction keeps the
  // answers of the last call that had one.
  Publico& modulo = publico();
  if (!Transaccion.empty()) {
    modulo.gbRestringeReducir = modulo.goSesionDatos->Tiene_Permiso(
        Transaccion, "PROM01", "No disponible");
    modulo.gbPermiteAumentar = modulo.goSesionDatos->Tiene_Permiso(
        Transaccion, "PROM02", "No disponible");
  }

  CapturaCantidad captura;
  captura.sesion = modulo.goSesionDatos;
  captura.servicios = modulo.goServicios;
  captura.gbRestringeReducir = modulo.gbRestringeReducir;
  captura.gbPermiteAumentar = modulo.gbPermiteAumentar;
  captura.nueva_disponibilidad = new_disponibilidad;
  captura.mostrar_mensaje = [](MessageId id, const std::string& valor,
                               long ventana) {
    show_message(id, valor, ventana);
  };
  captura.Pr_Cve_Producto = Pr_Cve_Producto;
  captura.Un_Cve_Unidad = Un_Cve_Unidad;
  captura.Cantidad = Cantidad;
  captura.Sucursal = msSucursal;
  captura.Almacen = msAlmacen;
  captura.Valor = lista;
  captura.ValorOriginal = original;
  captura.imagen = capture_picture_path();
  windows_library().capturar_promocion(captura);

  if (captura.Aceptado) {
    lista = std::move(captura.Promocion);
    resultado = true;
  } else {
    resultado = false;
  }
  // Written after a cancellation too, with the goods as they were offered.
  msPromociones = Codifica_Promocion(lista);
  return resultado;
}

}  // namespace promocionesQEX
