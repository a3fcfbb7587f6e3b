// Promociones: the facade through which a host reaches every promotion
// service. Create it on the thread that will use it (the thread's start-up
// runs before the first object of the library is made there), set Sucursal
// and Almacen, and call one operation at a time.
//
// Properties follow the component convention: get_X reads, put_X stores.
//
// The clock. Only Get_Promocion_Pv_Cantidad and Get_Promocion_Pv_Importe
// depend on the services clock (clsServicios::Get_Fecha_Hora): they take
// the day from Fecha but the time of day, matched against the promotions'
// daily windows, from the clock. A sale replayed later, or a test, pins the
// clock with with_fixed_clock (Companions.h); otherwise a lookup made at
// 23:45 finds no promotion whose window closes earlier, without an error.
// Get_Promocion, Get_Promocion_Clasificador and Get_Promocion_Vigentes ask
// the clock too but use Fecha alone. No other operation reads it (the
// default services stamp the folios Add_Promocion_Descuento_Global
// registers with it).
//
// Failures, two conventions:
//  - raise RuntimeError, Error untouched: Decodifica_Promocion,
//    Get_Promocion, Get_Promocion_Clasificador, Get_Promocion_Vigentes,
//    Capturar_Promociones, Nuevo_Gescuento_Global, and Codifica_Promocion
//    (which stores its three validation messages in Error, without a
//    prefix, and returns "");
//  - catch every failure, return "" or false and store "prefix CR LF
//    description" in Error: Get_Promocion_Pv_Cantidad and
//    Get_Promocion_Pv_Importe (which empty Error and Mensaje first),
//    Capturar_Promociones_Pv and Add_Promocion_Descuento_Global (which do
//    not); put_Detalle_Descuento_Global stores its prefix and the
//    description with no separator.
// Errors of the database engine are raised (or caught) with numbers of
// their own (RuntimeError::kSqliteErrorBase); README lists every number.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "promocionesQEX/DateTime.h"
#include "promocionesQEX/Export.h"
#include "promocionesQEX/Records.h"
#include "promocionesQEX/Recordset.h"
#include "promocionesQEX/clsPromoDescuentoGlobal.h"

namespace promocionesQEX {

class PROMOCIONESQEX_API Promociones {
 public:
  // Runs this thread's start-up first when it has not run; a companion that
  // cannot be created makes the construction fail with its error.
  Promociones();
  ~Promociones();
  Promociones(const Promociones&) = delete;
  Promociones& operator=(const Promociones&) = delete;

  // --- Simple properties ---------------------------------------------------
  std::string get_Promociones() const { return msPromociones; }
  const std::string& get_Error() const { return msError; }
  const std::string& get_Mensaje() const { return msMensaje; }
  void put_Sucursal(const std::string& Valor) { msSucursal = Valor; }
  void put_Almacen(const std::string& Valor) { msAlmacen = Valor; }

  // --- Promotion code string -------------------------------------------------
  // Five fields per record (product, size, colour, quantity, unit) joined by
  // TAB, records joined by CR LF. Records without product are skipped; the
  // first record with an empty unit, size or colour stops the encoding with
  // "" and its message in Error.
  std::string Codifica_Promocion(const std::vector<tPromocion>& oPromo);
  // One element per line; "" gives one empty element. A line of fewer than
  // five fields raises 9, a quantity that is not a number 13.
  std::vector<tPromocion> Decodifica_Promocion(const std::string& sCodigo);

  // --- Promotion lookups
  // ------------------------------------------------------

  // Quantity and classifier promotions are searched by the customer's scope
  // (customer, chain, group, route, segment): the first level with a
  // matching row wins, and its best row only. These three raise
  // RuntimeError and leave Error and Mensaje alone.

  // The goods the quantity promotion of the sale line gives. A customer not
  // in Cliente gives the empty record; a known customer without promotion
  // gives an empty product with size and colour "00".
  tPromocion Get_Promocion(
      const DateTime& Fecha, const std::string& Sc_Cve_Sucursal,
      const std::string& Cl_Cve_Cliente, const std::string& Pr_Cve_Producto,
      const std::string& Tl_Cve_Talla, const std::string& Cl_Cve_Color,
      const double& Cantidad, const std::string& Un_Cve_Unidad);
  // The product line's classifier promotion; Cantidad takes no part.
  tCategoria Get_Promocion_Clasificador(DateTime Fecha,
                                        std::string Cl_Cve_Cliente,
                                        std::string Sc_Cve_Sucursal,
                                        std::string Linea, double Cantidad);
  // Every promotion of the classifier type in force at that moment in the
  // branch, whatever its scope and weekdays (Cl_Cve_Cliente is not used):
  // an open recordset on its first row, or nullopt when there is none.
  std::optional<Recordset> Get_Promocion_Vigentes(
      DateTime Fecha, std::string Cl_Cve_Cliente, std::string Sc_Cve_Sucursal,
      std::string Tipo_Clasificador);

  // Pv promotions, found at every scope level, as a Pv promotion list: one
  // record per time earned. Both empty Error and Mensaje first, catch every
  // failure (result "", Error = prefix, CR LF, description) and leave
  // readable lines, each ending in "...", in Mensaje.
  //
  // By the line's quantity; one readable line per promotion, also appended
  // to Leyenda (which keeps what the caller passed).
  std::string Get_Promocion_Pv_Cantidad(const DateTime& Fecha,
                                        const std::string& Sc_Cve_Sucursal,
                                        const std::string& Cl_Cve_Cliente,
                                        const std::string& Pr_Cve_Producto,
                                        const double& Cantidad,
                                        std::string& Leyenda);
  std::string Get_Promocion_Pv_Cantidad(const DateTime& Fecha,
                                        const std::string& Sc_Cve_Sucursal,
                                        const std::string& Cl_Cve_Cliente,
                                        const std::string& Pr_Cve_Producto,
                                        const double& Cantidad);
  // By the amounts of the sale's lines in Promocion_Pv_Venta, summed by the
  // levels of VEN_PROMOCION_IMPORTE_AGRUPADOR; one readable line per record.
  std::string Get_Promocion_Pv_Importe(const DateTime& Fecha,
                                       const std::string& Sc_Cve_Sucursal,
                                       const std::string& Cl_Cve_Cliente,
                                       const std::string& Ppv_ID);

  // --- Quantity promotion capture ---------------------------------------------
  // Lets the user confirm, in the modal window frmCapturarPromocion, the
  // goods the sale line's quantity promotion gives (or, when Edicion is true
  // and Promociones holds a previous capture, those goods), within the
  // permissions PROM01/PROM02 of Transaccion and the stock of Sucursal and
  // Almacen. True when there was nothing to capture or the user accepted,
  // false when the user cancelled; either way get_Promociones() then holds
  // the goods as a promotion code string. Returns only when the window has
  // closed. Loads the windows' library on first use (see Ventanas.h): a
  // missing library fails with RuntimeError 429 naming it. Must run on the
  // thread of the host's QApplication (one is created when there is none);
  // another thread fails with RuntimeError 5. Other errors reach the caller
  // with get_Promociones() empty.
  bool Capturar_Promociones(
      const DateTime& Fecha, const std::string& Sc_Cve_Sucursal,
      const std::string& Cl_Cve_Cliente, const std::string& Pr_Cve_Producto,
      const std::string& Tl_Cve_Talla, const std::string& Cl_Cve_Color,
      const double& Cantidad, const std::string& Un_Cve_Unidad,
      const std::string& Transaccion = "", const bool& Edicion = false,
      const std::string& Promociones = "");

  // --- Pv promotion capture ----------------------------------------------------
  // Lets the user complete and confirm, in the modal window
  // frmCapturarPromocionPv, the Pv promotions of a sale: Promociones is the
  // sale's Pv lists joined by "{|}"; each valid record (15 fields) becomes a
  // grid row with its product's description. Sucursal and Almacen filter
  // the stock the pick list and the series offer. Returns the grid's rows
  // as a Pv list (detail kind at field 12, product kind at 13) when the user
  // accepts, "" when the user cancels. Catches every failure: "" with Error
  // = "promocionesQex.dll - Capturar_Promociones_Pv()", CR LF, the reason
  // ("No se especificaron promociones", "Las promociones encontradas son
  // invalidas", a missing windows' library, a call from a thread other than
  // the QApplication's, ...). Does not clear Error first.
  std::string Capturar_Promociones_Pv(const std::string& Promociones,
                                      const std::string& Sucursal,
                                      const std::string& Almacen);

  // --- Global-discount document ----------------------------------------------
  std::shared_ptr<clsPromoDescuentoGlobal> get_Detalle_Descuento_Global()
      const {
    return moDetalle_Descuento_Global;
  }
  // Keeps the caller's object itself, not a copy.
  void put_Detalle_Descuento_Global(
      std::shared_ptr<clsPromoDescuentoGlobal> Valor);
  // Starts a new document: a new, empty record, line counter 0, no folio.
  void Nuevo_Gescuento_Global();
  // Records the record's current line. The first successful call of a
  // document checks the header against the catalogues and takes its folio
  // (the record's own, or the next of the branch's sequence); every call
  // checks the line, numbers it "000001", "000002", ..., inserts it into
  // Promocion_Descuento_Global and registers folio and line as used.
  // False with the reason in Error on any failure; rows already inserted
  // stay.
  bool Add_Promocion_Descuento_Global();

 private:
  // --- Global-discount recording (private) ----------------------------------
  // Writes the record's current line; False with the reason in Error.
  bool Inserta_Promocion_Descuento_Global();

  std::string msError;
  std::string msPromociones;
  std::string msSucursal;
  std::string msAlmacen;
  std::string msMensaje;
  std::shared_ptr<clsPromoDescuentoGlobal> moDetalle_Descuento_Global;
  short miRenglon = 0;
  bool mbFolio_Obtenido = false;
};

}  // namespace promocionesQEX
