"""promocionesQEX for Python: the classes Promociones and
clsPromoDescuentoGlobal over the library's C interface (promocionesQEX.h),
with the standard library's ctypes only.

The library is found through PROMOCIONESQEX_LIB (a file name) or the
dynamic loader's search path (libpromocionesQEX.so.5). The database is the
one the default companions are configured with (PROMOCIONESQEX_BD or the
user's configuration file).

As in the library, an object belongs to the thread that made it; a failed
call raises PromocionesError with the library's number and description.
Operations that catch their own failures (the Pv lookups,
Capturar_Promociones_Pv, Add_Promocion_Descuento_Global) return an empty or
false result and leave the reason in Error.
"""

import ctypes
import dataclasses
import datetime
import os

__all__ = ["Promociones", "clsPromoDescuentoGlobal", "tPromocion",
           "tCategoria", "Recordset", "PromocionesError", "fixed_clock",
           "library_name", "library_description", "library_version",
           "can_unload_now"]


class PromocionesError(Exception):
    """A failed call: the library's error number and description."""

    def __init__(self, number, description):
        super().__init__(f"{number}: {description}")
        self.number = number
        self.description = description


class _DateTime(ctypes.Structure):
    _fields_ = [(name, ctypes.c_int) for name in (
        "year", "month", "day", "hour", "minute", "second", "millisecond")]


class _tPromocion(ctypes.Structure):
    _fields_ = [("Pr_Cve_Producto", ctypes.c_void_p),
                ("Tl_Cve_Talla", ctypes.c_void_p),
                ("Cl_Cve_Color", ctypes.c_void_p),
                ("Pr_Cantidad", ctypes.c_double),
                ("Pr_Unidad", ctypes.c_void_p),
                ("Prm_Folio", ctypes.c_void_p),
                ("Prm_Cantidad_Venta", ctypes.c_void_p),
                ("Prm_Cantidad_Promocion", ctypes.c_void_p),
                ("Prm_Comentario", ctypes.c_void_p)]


class _tCategoria(ctypes.Structure):
    _fields_ = [("Ct_Cantidad", ctypes.c_double),
                ("Ct_Cantidad_Promocion", ctypes.c_double),
                ("Ct_Porcentaje_Promocion", ctypes.c_double),
                ("Ct_Folio", ctypes.c_void_p)]


class _Variant(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("number", ctypes.c_double),
                ("text", ctypes.c_void_p), ("date", _DateTime)]


@dataclasses.dataclass
class tPromocion:
    """One line of promotional goods."""
    Pr_Cve_Producto: str = ""
    Tl_Cve_Talla: str = ""
    Cl_Cve_Color: str = ""
    Pr_Cantidad: float = 0.0
    Pr_Unidad: str = ""
    Prm_Folio: str = ""
    Prm_Cantidad_Venta: str = ""
    Prm_Cantidad_Promocion: str = ""
    Prm_Comentario: str = ""


@dataclasses.dataclass
class tCategoria:
    """The classifier promotion found for a product line."""
    Ct_Cantidad: float = 0.0
    Ct_Cantidad_Promocion: float = 0.0
    Ct_Porcentaje_Promocion: float = 0.0
    Ct_Folio: str = ""


_P = ctypes.c_void_p
_S = ctypes.c_char_p
_D = ctypes.c_double
_PP = ctypes.POINTER(ctypes.c_void_p)
_DT = ctypes.POINTER(_DateTime)
_SIGNATURES = {
    "qex_library_name": (_S, []),
    "qex_library_description": (_S, []),
    "qex_library_version": (_S, []),
    "qex_last_error_number": (ctypes.c_long, []),
    "qex_last_error_description": (_S, []),
    "qex_CreateObject": (ctypes.c_long, [_S, _PP]),
    "qex_AddRef": (ctypes.c_long, [_P]),
    "qex_Release": (ctypes.c_long, [_P]),
    "qex_CanUnloadNow": (ctypes.c_int, []),
    "qex_fixed_clock": (ctypes.c_long, [_DT]),
    "qex_free": (None, [_P]),
    "qex_tPromocion_clear": (None, [ctypes.POINTER(_tPromocion)]),
    "qex_tCategoria_clear": (None, [ctypes.POINTER(_tCategoria)]),
    "qex_tPromocion_free_array": (None, [_P, ctypes.c_size_t]),
    "qex_Variant_clear": (None, [ctypes.POINTER(_Variant)]),
    "qex_get_Promociones": (ctypes.c_long, [_P, _PP]),
    "qex_get_Error": (ctypes.c_long, [_P, _PP]),
    "qex_get_Mensaje": (ctypes.c_long, [_P, _PP]),
    "qex_put_Sucursal": (ctypes.c_long, [_P, _S]),
    "qex_put_Almacen": (ctypes.c_long, [_P, _S]),
    "qex_get_Detalle_Descuento_Global": (ctypes.c_long, [_P, _PP]),
    "qex_put_Detalle_Descuento_Global": (ctypes.c_long, [_P, _P]),
    "qex_Codifica_Promocion": (
        ctypes.c_long, [_P, ctypes.POINTER(_tPromocion), ctypes.c_size_t,
                        _PP]),
    "qex_Decodifica_Promocion": (
        ctypes.c_long, [_P, _S, _PP, ctypes.POINTER(ctypes.c_size_t)]),
    "qex_Get_Promocion": (
        ctypes.c_long, [_P, _DT, _S, _S, _S, _S, _S, _D, _S,
                        ctypes.POINTER(_tPromocion)]),
    "qex_Get_Promocion_Clasificador": (
        ctypes.c_long, [_P, _DT, _S, _S, _S, _D,
                        ctypes.POINTER(_tCategoria)]),
    "qex_Get_Promocion_Vigentes": (ctypes.c_long, [_P, _DT, _S, _S, _S, _PP]),
    "qex_Get_Promocion_Pv_Cantidad": (
        ctypes.c_long, [_P, _DT, _S, _S, _S, _D, _S, _PP, _PP]),
    "qex_Get_Promocion_Pv_Importe": (
        ctypes.c_long, [_P, _DT, _S, _S, _S, _PP]),
    "qex_Capturar_Promociones": (
        ctypes.c_long, [_P, _DT, _S, _S, _S, _S, _S, _D, _S, _S,
                        ctypes.c_int, _S, ctypes.POINTER(ctypes.c_int)]),
    "qex_Capturar_Promociones_Pv": (ctypes.c_long, [_P, _S, _S, _S, _PP]),
    "qex_Nuevo_Gescuento_Global": (ctypes.c_long, [_P]),
    "qex_Add_Promocion_Descuento_Global": (
        ctypes.c_long, [_P, ctypes.POINTER(ctypes.c_int)]),
    "qex_get_Texto": (ctypes.c_long, [_P, _S, _PP]),
    "qex_put_Texto": (ctypes.c_long, [_P, _S, _S]),
    "qex_get_Numero": (ctypes.c_long, [_P, _S, ctypes.POINTER(_D)]),
    "qex_put_Numero": (ctypes.c_long, [_P, _S, _D]),
    "qex_cursor_next": (ctypes.c_long, [_P, ctypes.POINTER(ctypes.c_int)]),
    "qex_cursor_field_count": (
        ctypes.c_long, [_P, ctypes.POINTER(ctypes.c_size_t)]),
    "qex_cursor_field_name": (ctypes.c_long, [_P, ctypes.c_size_t, _PP]),
    "qex_cursor_field": (ctypes.c_long, [_P, _S, ctypes.POINTER(_Variant)]),
    "qex_cursor_close": (ctypes.c_long, [_P]),
}


def _load():
    lib = ctypes.CDLL(os.environ.get("PROMOCIONESQEX_LIB")
                      or "libpromocionesQEX.so.5")
    for name, (restype, argtypes) in _SIGNATURES.items():
        # A library older than this binding lacks some; calling one of those
        # raises AttributeError naming it.
        function = getattr(lib, name, None)
        if function is not None:
            function.restype = restype
            function.argtypes = argtypes
    return lib


_lib = _load()


def _check(number):
    if number != 0:
        raise PromocionesError(
            _lib.qex_last_error_number(),
            _lib.qex_last_error_description().decode("utf-8"))


def _in(text):
    return None if text is None else str(text).encode("utf-8")


def _take(pointer):
    """The library's text at `pointer`, freed."""
    if not pointer:
        return ""
    try:
        return ctypes.string_at(pointer).decode("utf-8")
    finally:
        _lib.qex_free(pointer)


def _text_out(function, *args):
    out = ctypes.c_void_p()
    _check(function(*args, ctypes.byref(out)))
    return _take(out.value)


def _date(moment):
    if isinstance(moment, str):
        moment = datetime.datetime.fromisoformat(moment)
    if not isinstance(moment, datetime.datetime):
        moment = datetime.datetime.combine(moment, datetime.time())
    return ctypes.byref(_DateTime(moment.year, moment.month, moment.day,
                                  moment.hour, moment.minute, moment.second,
                                  moment.microsecond // 1000))


def _record(raw):
    values = {}
    for name, kind in _tPromocion._fields_:
        value = getattr(raw, name)
        values[name] = value if kind is ctypes.c_double else (
            ctypes.string_at(value).decode("utf-8") if value else "")
    return tPromocion(**values)


def library_name():
    return _lib.qex_library_name().decode("utf-8")


def library_description():
    return _lib.qex_library_description().decode("utf-8")


def library_version():
    return _lib.qex_library_version().decode("utf-8")


def can_unload_now():
    """True when no object and no recordset of the library is alive."""
    return _lib.qex_CanUnloadNow() == 1


def fixed_clock(moment):
    """The services clock answers `moment` (None: the real clock) on threads
    that have not made an object yet."""
    _check(_lib.qex_fixed_clock(None if moment is None else _date(moment)))


class _Object:
    _CLASS = ""

    def __init__(self, _handle=None):
        if _handle is None:
            handle = ctypes.c_void_p()
            _check(_lib.qex_CreateObject(_in(self._CLASS),
                                         ctypes.byref(handle)))
            _handle = handle.value
        object.__setattr__(self, "_handle", _handle)

    def __del__(self):
        handle = self.__dict__.get("_handle")
        if handle:
            _lib.qex_Release(handle)
            object.__setattr__(self, "_handle", None)


class Recordset:
    """The rows of Get_Promocion_Vigentes, forward only. Iterating yields
    each row as a dict of field name to value (None for Null)."""

    def __init__(self, handle):
        self._handle = handle

    def next(self):
        """Moves to the next row (the first, the first time); False past
        the last."""
        has_row = ctypes.c_int()
        _check(_lib.qex_cursor_next(self._handle, ctypes.byref(has_row)))
        return bool(has_row.value)

    def field_names(self):
        count = ctypes.c_size_t()
        _check(_lib.qex_cursor_field_count(self._handle, ctypes.byref(count)))
        return [_text_out(_lib.qex_cursor_field_name, self._handle, i)
                for i in range(count.value)]

    def field(self, name):
        value = _Variant()
        _check(_lib.qex_cursor_field(self._handle, _in(name),
                                     ctypes.byref(value)))
        try:
            if value.type == 1:
                return value.number
            if value.type == 2:
                return ctypes.string_at(value.text).decode("utf-8")
            if value.type == 3:
                d = value.date
                return datetime.datetime(d.year, d.month, d.day, d.hour,
                                         d.minute, d.second,
                                         d.millisecond * 1000)
            return None
        finally:
            _lib.qex_Variant_clear(ctypes.byref(value))

    def __iter__(self):
        names = self.field_names()
        while self.next():
            yield {name: self.field(name) for name in names}

    def close(self):
        if self._handle:
            _check(_lib.qex_cursor_close(self._handle))
            self._handle = None

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def __del__(self):
        if self.__dict__.get("_handle"):
            _lib.qex_cursor_close(self._handle)


class clsPromoDescuentoGlobal(_Object):
    """One line of a global-discount document: a plain record whose
    properties are read and written as attributes."""

    _CLASS = "promocionesQEX.clsPromoDescuentoGlobal"
    TEXTS = ("Folio", "Tabla", "ID", "Condicion_Venta", "Sucursal", "Almacen",
             "Ubicacion_Almacen", "Cliente", "Vendedor", "Moneda", "Producto",
             "Talla", "Color", "Unidad", "Unidad_Costo")
    NUMBERS = ("Tipo_Cambio", "Cuota_Fija", "Cantidad", "Cantidad_Costo",
               "Costo", "Costo_Importe", "Precio_Lista",
               "Precio_Lista_Importe", "Descuento_Factor",
               "Descuento_Importe", "Precio_Descontado",
               "Precio_Descontado_Importe", "Impuesto_Factor",
               "Impuesto_Importe", "Precio_Neto", "Precio_Neto_Importe")

    def __getattr__(self, name):
        if name in self.NUMBERS:
            value = ctypes.c_double()
            _check(_lib.qex_get_Numero(self._handle, _in(name),
                                       ctypes.byref(value)))
            return value.value
        if name in self.TEXTS:
            return _text_out(_lib.qex_get_Texto, self._handle, _in(name))
        raise AttributeError(name)

    def __setattr__(self, name, value):
        if name in self.NUMBERS:
            _check(_lib.qex_put_Numero(self._handle, _in(name), float(value)))
        elif name in self.TEXTS:
            _check(_lib.qex_put_Texto(self._handle, _in(name), _in(value)))
        else:
            raise AttributeError(name)


class Promociones(_Object):
    """The facade through which a host reaches every promotion service.
    Make it on the thread that uses it."""

    _CLASS = "promocionesQEX.Promociones"

    def __init__(self):
        super().__init__()
        self.Leyenda = ""

    @property
    def Promociones(self):
        return _text_out(_lib.qex_get_Promociones, self._handle)

    @property
    def Error(self):
        return _text_out(_lib.qex_get_Error, self._handle)

    @property
    def Mensaje(self):
        return _text_out(_lib.qex_get_Mensaje, self._handle)

    def _put_sucursal(self, value):
        _check(_lib.qex_put_Sucursal(self._handle, _in(value)))

    def _put_almacen(self, value):
        _check(_lib.qex_put_Almacen(self._handle, _in(value)))

    Sucursal = property(None, _put_sucursal)
    Almacen = property(None, _put_almacen)

    @property
    def Detalle_Descuento_Global(self):
        handle = ctypes.c_void_p()
        _check(_lib.qex_get_Detalle_Descuento_Global(self._handle,
                                                     ctypes.byref(handle)))
        return clsPromoDescuentoGlobal(handle.value) if handle.value else None

    @Detalle_Descuento_Global.setter
    def Detalle_Descuento_Global(self, record):
        _check(_lib.qex_put_Detalle_Descuento_Global(
            self._handle, record._handle if record is not None else None))

    def Codifica_Promocion(self, oPromo):
        keep = []  # the encoded texts live while the call runs
        array = (_tPromocion * max(len(oPromo), 1))()
        for i, promo in enumerate(oPromo):
            for name, kind in _tPromocion._fields_:
                value = getattr(promo, name)
                if kind is ctypes.c_double:
                    setattr(array[i], name, float(value))
                else:
                    keep.append(ctypes.c_char_p(_in(value)))
                    setattr(array[i], name,
                            ctypes.cast(keep[-1], ctypes.c_void_p))
        return _text_out(_lib.qex_Codifica_Promocion, self._handle, array,
                         len(oPromo))

    def Decodifica_Promocion(self, sCodigo):
        array = ctypes.c_void_p()
        count = ctypes.c_size_t()
        _check(_lib.qex_Decodifica_Promocion(self._handle, _in(sCodigo),
                                             ctypes.byref(array),
                                             ctypes.byref(count)))
        try:
            records = ctypes.cast(array, ctypes.POINTER(_tPromocion))
            return [_record(records[i]) for i in range(count.value)]
        finally:
            _lib.qex_tPromocion_free_array(array, count)

    def Get_Promocion(self, Fecha, Sc_Cve_Sucursal, Cl_Cve_Cliente,
                      Pr_Cve_Producto, Tl_Cve_Talla, Cl_Cve_Color, Cantidad,
                      Un_Cve_Unidad):
        raw = _tPromocion()
        _check(_lib.qex_Get_Promocion(
            self._handle, _date(Fecha), _in(Sc_Cve_Sucursal),
            _in(Cl_Cve_Cliente), _in(Pr_Cve_Producto), _in(Tl_Cve_Talla),
            _in(Cl_Cve_Color), float(Cantidad), _in(Un_Cve_Unidad),
            ctypes.byref(raw)))
        try:
            return _record(raw)
        finally:
            _lib.qex_tPromocion_clear(ctypes.byref(raw))

    def Get_Promocion_Clasificador(self, Fecha, Cl_Cve_Cliente,
                                   Sc_Cve_Sucursal, Linea, Cantidad):
        raw = _tCategoria()
        _check(_lib.qex_Get_Promocion_Clasificador(
            self._handle, _date(Fecha), _in(Cl_Cve_Cliente),
            _in(Sc_Cve_Sucursal), _in(Linea), float(Cantidad),
            ctypes.byref(raw)))
        try:
            return tCategoria(
                raw.Ct_Cantidad, raw.Ct_Cantidad_Promocion,
                raw.Ct_Porcentaje_Promocion,
                ctypes.string_at(raw.Ct_Folio).decode("utf-8")
                if raw.Ct_Folio else "")
        finally:
            _lib.qex_tCategoria_clear(ctypes.byref(raw))

    def Get_Promocion_Vigentes(self, Fecha, Cl_Cve_Cliente, Sc_Cve_Sucursal,
                               Tipo_Clasificador):
        """A Recordset, or None when no promotion is in force."""
        handle = ctypes.c_void_p()
        _check(_lib.qex_Get_Promocion_Vigentes(
            self._handle, _date(Fecha), _in(Cl_Cve_Cliente),
            _in(Sc_Cve_Sucursal), _in(Tipo_Clasificador),
            ctypes.byref(handle)))
        return Recordset(handle.value) if handle.value else None

    def Get_Promocion_Pv_Cantidad(self, Fecha, Sc_Cve_Sucursal,
                                  Cl_Cve_Cliente, Pr_Cve_Producto, Cantidad,
                                  Leyenda=""):
        """The Pv list; the object's Leyenda attribute then holds Leyenda
        with the readable lines appended (the component's by-reference
        argument)."""
        leyenda = ctypes.c_void_p()
        result = ctypes.c_void_p()
        status = _lib.qex_Get_Promocion_Pv_Cantidad(
            self._handle, _date(Fecha), _in(Sc_Cve_Sucursal),
            _in(Cl_Cve_Cliente), _in(Pr_Cve_Producto), float(Cantidad),
            _in(Leyenda), ctypes.byref(leyenda), ctypes.byref(result))
        _check(status)
        self.Leyenda = _take(leyenda.value)
        return _take(result.value)

    def Get_Promocion_Pv_Importe(self, Fecha, Sc_Cve_Sucursal, Cl_Cve_Cliente,
                                 Ppv_ID):
        return _text_out(_lib.qex_Get_Promocion_Pv_Importe, self._handle,
                         _date(Fecha), _in(Sc_Cve_Sucursal),
                         _in(Cl_Cve_Cliente), _in(Ppv_ID))

    def Capturar_Promociones(self, Fecha, Sc_Cve_Sucursal, Cl_Cve_Cliente,
                             Pr_Cve_Producto, Tl_Cve_Talla, Cl_Cve_Color,
                             Cantidad, Un_Cve_Unidad, Transaccion="",
                             Edicion=False, Promociones=""):
        accepted = ctypes.c_int()
        _check(_lib.qex_Capturar_Promociones(
            self._handle, _date(Fecha), _in(Sc_Cve_Sucursal),
            _in(Cl_Cve_Cliente), _in(Pr_Cve_Producto), _in(Tl_Cve_Talla),
            _in(Cl_Cve_Color), float(Cantidad), _in(Un_Cve_Unidad),
            _in(Transaccion), 1 if Edicion else 0, _in(Promociones),
            ctypes.byref(accepted)))
        return bool(accepted.value)

    def Capturar_Promociones_Pv(self, Promociones, Sucursal, Almacen):
        return _text_out(_lib.qex_Capturar_Promociones_Pv, self._handle,
                         _in(Promociones), _in(Sucursal), _in(Almacen))

    def Nuevo_Gescuento_Global(self):
        _check(_lib.qex_Nuevo_Gescuento_Global(self._handle))

    def Add_Promocion_Descuento_Global(self):
        done = ctypes.c_int()
        _check(_lib.qex_Add_Promocion_Descuento_Global(self._handle,
                                                       ctypes.byref(done)))
        return bool(done.value)
