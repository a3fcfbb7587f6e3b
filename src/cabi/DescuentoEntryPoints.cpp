// The properties of promocionesQEX.clsPromoDescuentoGlobal by name, and the
// cursor over the rows of Get_Promocion_Vigentes.
#include <strings.h>

#include <cstdlib>
#include <string>

#include "cabi/Objects.h"

using namespace promocionesQEX;
using namespace promocionesQEX::cabi;

namespace {

using Record = clsPromoDescuentoGlobal;

struct TextProperty {
  const char* name;
  const std::string& (Record::*get)() const;
  void (Record::*put)(const std::string&);
};

struct NumberProperty {
  const char* name;
  double (Record::*get)() const;
  void (Record::*put)(const double&);
};

#define QEX_PROPERTY(name) \
  { #name, &Record::get_##name, &Record::put_##name }

constexpr TextProperty kTextProperties[] = {
    QEX_PROPERTY(Folio),
    QEX_PROPERTY(Tabla),
    QEX_PROPERTY(ID),
    QEX_PROPERTY(Condicion_Venta),
    QEX_PROPERTY(Sucursal),
    QEX_PROPERTY(Almacen),
    QEX_PROPERTY(Ubicacion_Almacen),
    QEX_PROPERTY(Cliente),
    QEX_PROPERTY(Vendedor),
    QEX_PROPERTY(Moneda),
    QEX_PROPERTY(Producto),
    QEX_PROPERTY(Talla),
    QEX_PROPERTY(Color),
    QEX_PROPERTY(Unidad),
    QEX_PROPERTY(Unidad_Costo),
};

constexpr NumberProperty kNumberProperties[] = {
    QEX_PROPERTY(Tipo_Cambio),
    QEX_PROPERTY(Cuota_Fija),
    QEX_PROPERTY(Cantidad),
    QEX_PROPERTY(Cantidad_Costo),
    QEX_PROPERTY(Costo),
    QEX_PROPERTY(Costo_Importe),
    QEX_PROPERTY(Precio_Lista),
    QEX_PROPERTY(Precio_Lista_Importe),
    QEX_PROPERTY(Descuento_Factor),
    QEX_PROPERTY(Descuento_Importe),
    QEX_PROPERTY(Precio_Descontado),
    QEX_PROPERTY(Precio_Descontado_Importe),
    QEX_PROPERTY(Impuesto_Factor),
    QEX_PROPERTY(Impuesto_Importe),
    QEX_PROPERTY(Precio_Neto),
    QEX_PROPERTY(Precio_Neto_Importe),
};

#undef QEX_PROPERTY

template <class Property, std::size_t N>
const Property* named(const Property (&table)[N], const std::string& name) {
  for (const Property& p : table)
    if (strcasecmp(p.name, name.c_str()) == 0) return &p;
  return nullptr;
}

// The property of that kind; a property of the other kind is a type
// mismatch, an unknown name a member the class does not have.
template <class Property, std::size_t N, class Other, std::size_t M>
const Property& property(const Property (&table)[N], const Other (&others)[M],
                         const char* name) {
  const std::string wanted = text(name);
  if (const Property* p = named(table, wanted)) return *p;
  if (named(others, wanted)) throw RuntimeError::TypeMismatch();
  throw RuntimeError(kUnsupportedMember,
                     "Object doesn't support this property or method: " +
                         std::string(kClassDescuento) + "." + wanted);
}

}  // namespace

extern "C" {

long qex_get_Texto(qex_object* self, const char* name, char** value) {
  return guarded([&] {
    DescuentoHandle& h = descuento(self, text(name));
    require(value, "value");
    *value = nullptr;
    const TextProperty& p = property(kTextProperties, kNumberProperties, name);
    *value = c_text(((*h.record).*p.get)());
  });
}

long qex_put_Texto(qex_object* self, const char* name, const char* value) {
  return guarded([&] {
    DescuentoHandle& h = descuento(self, text(name));
    const TextProperty& p = property(kTextProperties, kNumberProperties, name);
    ((*h.record).*p.put)(text(value));
  });
}

long qex_get_Numero(qex_object* self, const char* name, double* value) {
  return guarded([&] {
    DescuentoHandle& h = descuento(self, text(name));
    require(value, "value");
    const NumberProperty& p =
        property(kNumberProperties, kTextProperties, name);
    *value = ((*h.record).*p.get)();
  });
}

long qex_put_Numero(qex_object* self, const char* name, double value) {
  return guarded([&] {
    DescuentoHandle& h = descuento(self, text(name));
    const NumberProperty& p =
        property(kNumberProperties, kTextProperties, name);
    ((*h.record).*p.put)(value);
  });
}

long qex_cursor_next(qex_cursor* rows, int* has_row) {
  return guarded([&] {
    CursorHandle& c = cursor(rows, "next");
    require(has_row, "has_row");
    *has_row = 0;
    // The recordset opens on its first row; past the last it stays there.
    if (c.started && !c.rows.eof()) c.rows.move_next();
    c.started = true;
    *has_row = c.rows.eof() ? 0 : 1;
  });
}

long qex_cursor_field_count(qex_cursor* rows, size_t* count) {
  return guarded([&] {
    CursorHandle& c = cursor(rows, "field_count");
    require(count, "count");
    *count = c.rows.field_count();
  });
}

long qex_cursor_field_name(qex_cursor* rows, size_t index, char** name) {
  return guarded([&] {
    CursorHandle& c = cursor(rows, "field_name");
    require(name, "name");
    *name = nullptr;
    if (index >= c.rows.field_count())
      throw RuntimeError(Recordset::kItemNotFound,
                         "Item cannot be found in the collection "
                         "corresponding to the requested name or ordinal.");
    *name = c_text(c.rows.field_name(index));
  });
}

long qex_cursor_field(qex_cursor* rows, const char* name, qex_Variant* value) {
  return guarded([&] {
    CursorHandle& c = cursor(rows, "field");
    require(value, "value");
    *value = {};
    // Before the first next there is no current row, as past the last.
    if (!c.started)
      throw RuntimeError(Recordset::kNoCurrentRecord,
                         "Either BOF or EOF is True, or the current record has "
                         "been deleted. Requested operation requires a current "
                         "record.");
    const Variant& v = c.rows.field(text(name));
    switch (v.type()) {
      case Variant::Type::Null:
        value->type = QEX_NULL;
        break;
      case Variant::Type::Number:
        value->type = QEX_NUMBER;
        value->number = v.as_number();
        break;
      case Variant::Type::Text:
        value->type = QEX_TEXT;
        value->text = c_text(v.as_text());
        break;
      case Variant::Type::Date:
        value->type = QEX_DATE;
        value->date = c_date(v.as_date());
        break;
    }
  });
}

long qex_cursor_close(qex_cursor* rows) {
  return guarded([&] {
    CursorHandle& c = cursor(rows, "close");
    c.rows.close();
    destroy(&c);
  });
}

void qex_Variant_clear(qex_Variant* value) {
  if (!value) return;
  std::free(value->text);
  *value = {};
}

}  // extern "C"
