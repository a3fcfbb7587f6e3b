/* promocionesQEX for hosts in any language: a C interface over the library.
 *
 * Objects are made by class name ("promocionesQEX.Promociones",
 * "promocionesQEX.clsPromoDescuentoGlobal") and counted: qex_CreateObject
 * hands one reference, qex_AddRef adds one, qex_Release drops one and frees
 * the object with the last. qex_CanUnloadNow answers 1 once no object and
 * no cursor is alive.
 *
 * Threads: an object (and a cursor) belongs to the thread that made it, as
 * in an apartment. Every call from another thread fails with
 * QEX_E_WRONG_THREAD; only qex_AddRef and qex_Release may come from any
 * thread.
 *
 * Calls: every function but the identity, reference and memory helpers
 * returns 0 on success and the error's number on failure; the number and
 * description of this thread's last failed call stay readable with
 * qex_last_error_number and qex_last_error_description until this thread's
 * next call. No C++ exception leaves the library. The numbers are those of
 * the C++ interface (promocionesQEX::RuntimeError: 5, 6, 9, 11, 13, 91, 94,
 * 3265, ..., and the engine's own range), plus QEX_E_WRONG_THREAD, 429 for
 * an unknown class and 438 for an operation the object's class lacks.
 *
 * Operations that catch their own failures (Get_Promocion_Pv_Cantidad,
 * Get_Promocion_Pv_Importe, Capturar_Promociones_Pv,
 * Add_Promocion_Descuento_Global, the Detalle_Descuento_Global setter)
 * succeed with an empty or false result and leave the reason in the
 * object's Error, as in C++ (see Promociones.h).
 *
 * Strings are UTF-8. A NULL input string is the empty string. Strings,
 * records and arrays the library returns belong to the caller, who frees
 * them with qex_free, qex_tPromocion_clear, qex_tCategoria_clear,
 * qex_tPromocion_free_array or qex_Variant_clear.
 */
#ifndef PROMOCIONESQEX_C_H
#define PROMOCIONESQEX_C_H

#include <stddef.h>

#if defined(__GNUC__) || defined(__clang__)
#define QEX_C_API __attribute__((visibility("default")))
#else
#define QEX_C_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* RPC_E_WRONG_THREAD: an object used on a thread other than its own. */
#define QEX_E_WRONG_THREAD (-2147417842L)

typedef struct qex_object qex_object; /* Promociones or clsPromoDescuentoGlobal */
typedef struct qex_cursor qex_cursor; /* the rows of Get_Promocion_Vigentes */

typedef struct qex_DateTime {
  int year, month, day, hour, minute, second, millisecond;
} qex_DateTime;

typedef struct qex_tPromocion {
  char* Pr_Cve_Producto;
  char* Tl_Cve_Talla;
  char* Cl_Cve_Color;
  double Pr_Cantidad;
  char* Pr_Unidad;
  char* Prm_Folio;
  char* Prm_Cantidad_Venta;
  char* Prm_Cantidad_Promocion;
  char* Prm_Comentario;
} qex_tPromocion;

typedef struct qex_tCategoria {
  double Ct_Cantidad;
  double Ct_Cantidad_Promocion;
  double Ct_Porcentaje_Promocion;
  char* Ct_Folio;
} qex_tCategoria;

enum qex_VariantType { QEX_NULL = 0, QEX_NUMBER = 1, QEX_TEXT = 2, QEX_DATE = 3 };

/* A field value: `number` for QEX_NUMBER, `text` for QEX_TEXT (NULL
 * otherwise), `date` for QEX_DATE. */
typedef struct qex_Variant {
  int type;
  double number;
  char* text;
  qex_DateTime date;
} qex_Variant;

/* --- Identity ----------------------------------------------------------- */
QEX_C_API const char* qex_library_name(void);        /* "promocionesQEX" */
QEX_C_API const char* qex_library_description(void); /* "Quentrix - Promociones" */
QEX_C_API const char* qex_library_version(void);     /* "5.5" */

/* --- Errors of this thread's last call ---------------------------------- */
QEX_C_API long qex_last_error_number(void);             /* 0: it succeeded */
QEX_C_API const char* qex_last_error_description(void); /* "" when it succeeded */

/* --- Objects ------------------------------------------------------------ */
QEX_C_API long qex_CreateObject(const char* class_name, qex_object** object);
/* The new count; 0 for an unknown object (whose error, 91, is this
 * thread's last error). */
QEX_C_API long qex_AddRef(qex_object* object);
QEX_C_API long qex_Release(qex_object* object);
QEX_C_API int qex_CanUnloadNow(void);

/* --- The services clock ------------------------------------------------ *
 * For threads whose start-up has not run yet (before their first object):
 * the default companions with a services clock (Get_Fecha_Hora) that
 * always answers *moment, so a sale can be replayed as it happened; NULL
 * goes back to the real clock. Get_Promocion_Pv_Cantidad and
 * Get_Promocion_Pv_Importe take their time of day from that clock. */
QEX_C_API long qex_fixed_clock(const qex_DateTime* moment);

/* --- Memory ------------------------------------------------------------- */
QEX_C_API void qex_free(void* text);
QEX_C_API void qex_tPromocion_clear(qex_tPromocion* record);
QEX_C_API void qex_tCategoria_clear(qex_tCategoria* record);
QEX_C_API void qex_tPromocion_free_array(qex_tPromocion* records, size_t count);
QEX_C_API void qex_Variant_clear(qex_Variant* value);

/* --- Promociones: properties -------------------------------------------- */
QEX_C_API long qex_get_Promociones(qex_object* self, char** value);
QEX_C_API long qex_get_Error(qex_object* self, char** value);
QEX_C_API long qex_get_Mensaje(qex_object* self, char** value);
QEX_C_API long qex_put_Sucursal(qex_object* self, const char* value);
QEX_C_API long qex_put_Almacen(qex_object* self, const char* value);
/* *record is NULL when the object holds none; else a new reference. */
QEX_C_API long qex_get_Detalle_Descuento_Global(qex_object* self,
                                                qex_object** record);
/* Keeps `record` itself (NULL: none). */
QEX_C_API long qex_put_Detalle_Descuento_Global(qex_object* self,
                                                qex_object* record);

/* --- Promociones: promotion code string --------------------------------- */
QEX_C_API long qex_Codifica_Promocion(qex_object* self,
                                      const qex_tPromocion* oPromo,
                                      size_t count, char** result);
QEX_C_API long qex_Decodifica_Promocion(qex_object* self, const char* sCodigo,
                                        qex_tPromocion** result,
                                        size_t* count);

/* --- Promociones: lookups ----------------------------------------------- */
QEX_C_API long qex_Get_Promocion(qex_object* self, const qex_DateTime* Fecha,
                                 const char* Sc_Cve_Sucursal,
                                 const char* Cl_Cve_Cliente,
                                 const char* Pr_Cve_Producto,
                                 const char* Tl_Cve_Talla,
                                 const char* Cl_Cve_Color, double Cantidad,
                                 const char* Un_Cve_Unidad,
                                 qex_tPromocion* result);
QEX_C_API long qex_Get_Promocion_Clasificador(
    qex_object* self, const qex_DateTime* Fecha, const char* Cl_Cve_Cliente,
    const char* Sc_Cve_Sucursal, const char* Linea, double Cantidad,
    qex_tCategoria* result);
/* *rows is NULL when no promotion is in force (Nothing). */
QEX_C_API long qex_Get_Promocion_Vigentes(qex_object* self,
                                          const qex_DateTime* Fecha,
                                          const char* Cl_Cve_Cliente,
                                          const char* Sc_Cve_Sucursal,
                                          const char* Tipo_Clasificador,
                                          qex_cursor** rows);
/* Leyenda is the caller's text (NULL: ""); when Leyenda_result is not NULL
 * it receives that text with the readable lines appended. */
QEX_C_API long qex_Get_Promocion_Pv_Cantidad(
    qex_object* self, const qex_DateTime* Fecha, const char* Sc_Cve_Sucursal,
    const char* Cl_Cve_Cliente, const char* Pr_Cve_Producto, double Cantidad,
    const char* Leyenda, char** Leyenda_result, char** result);
QEX_C_API long qex_Get_Promocion_Pv_Importe(qex_object* self,
                                            const qex_DateTime* Fecha,
                                            const char* Sc_Cve_Sucursal,
                                            const char* Cl_Cve_Cliente,
                                            const char* Ppv_ID, char** result);

/* --- Promociones: capture windows --------------------------------------- */
QEX_C_API long qex_Capturar_Promociones(
    qex_object* self, const qex_DateTime* Fecha, const char* Sc_Cve_Sucursal,
    const char* Cl_Cve_Cliente, const char* Pr_Cve_Producto,
    const char* Tl_Cve_Talla, const char* Cl_Cve_Color, double Cantidad,
    const char* Un_Cve_Unidad, const char* Transaccion, int Edicion,
    const char* Promociones, int* result);
QEX_C_API long qex_Capturar_Promociones_Pv(qex_object* self,
                                           const char* Promociones,
                                           const char* Sucursal,
                                           const char* Almacen, char** result);

/* --- Promociones: global-discount document ------------------------------ */
QEX_C_API long qex_Nuevo_Gescuento_Global(qex_object* self);
QEX_C_API long qex_Add_Promocion_Descuento_Global(qex_object* self,
                                                  int* result);

/* --- clsPromoDescuentoGlobal: properties by name ------------------------ *
 * Text: Folio, Tabla, ID, Condicion_Venta, Sucursal, Almacen,
 *   Ubicacion_Almacen, Cliente, Vendedor, Moneda, Producto, Talla, Color,
 *   Unidad, Unidad_Costo.
 * Number: Tipo_Cambio, Cuota_Fija, Cantidad, Cantidad_Costo, Costo,
 *   Costo_Importe, Precio_Lista, Precio_Lista_Importe, Descuento_Factor,
 *   Descuento_Importe, Precio_Descontado, Precio_Descontado_Importe,
 *   Impuesto_Factor, Impuesto_Importe, Precio_Neto, Precio_Neto_Importe.
 * Names compare without case. An unknown name fails with 438; a text
 * property read or written as a number (or the reverse) with 13. */
QEX_C_API long qex_get_Texto(qex_object* self, const char* property,
                             char** value);
QEX_C_API long qex_put_Texto(qex_object* self, const char* property,
                             const char* value);
QEX_C_API long qex_get_Numero(qex_object* self, const char* property,
                              double* value);
QEX_C_API long qex_put_Numero(qex_object* self, const char* property,
                              double value);

/* --- Cursor over Get_Promocion_Vigentes' rows --------------------------- *
 * Forward only. qex_cursor_next moves to the next row (the first on its
 * first call) and sets *has_row to 0 past the last. Fields are read by
 * name (without case) on the current row. qex_cursor_close frees it. */
QEX_C_API long qex_cursor_next(qex_cursor* rows, int* has_row);
QEX_C_API long qex_cursor_field_count(qex_cursor* rows, size_t* count);
QEX_C_API long qex_cursor_field_name(qex_cursor* rows, size_t index,
                                     char** name);
QEX_C_API long qex_cursor_field(qex_cursor* rows, const char* name,
                                qex_Variant* value);
QEX_C_API long qex_cursor_close(qex_cursor* rows);

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif /* PROMOCIONESQEX_C_H */
