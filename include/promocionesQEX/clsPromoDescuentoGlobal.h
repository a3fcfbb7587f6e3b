// One line of a global-discount document, handed by the host to
// Promociones::Add_Promocion_Descuento_Global. A plain record: each property
// stores what it is given and returns it, with no checks. Promociones keeps a
// reference to the very object the host hands over, so the folio and line
// number it writes are seen through the host's own reference.
#pragma once

#include <string>

#include "promocionesQEX/Export.h"

namespace promocionesQEX {

class PROMOCIONESQEX_API clsPromoDescuentoGlobal {
 public:
  void put_Folio(const std::string& Valor) { mFolio_ = Valor; }
  const std::string& get_Folio() const { return mFolio_; }
  void put_Tabla(const std::string& Valor) { mTabla_ = Valor; }
  const std::string& get_Tabla() const { return mTabla_; }
  void put_ID(const std::string& Valor) { mID_ = Valor; }
  const std::string& get_ID() const { return mID_; }
  void put_Condicion_Venta(const std::string& Valor) {
    mCondicion_Venta_ = Valor;
  }
  const std::string& get_Condicion_Venta() const { return mCondicion_Venta_; }
  void put_Sucursal(const std::string& Valor) { mSucursal_ = Valor; }
  const std::string& get_Sucursal() const { return mSucursal_; }
  void put_Almacen(const std::string& Valor) { mAlmacen_ = Valor; }
  const std::string& get_Almacen() const { return mAlmacen_; }
  void put_Ubicacion_Almacen(const std::string& Valor) {
    mUbicacion_Almacen_ = Valor;
  }
  const std::string& get_Ubicacion_Almacen() const {
    return mUbicacion_Almacen_;
  }
  void put_Cliente(const std::string& Valor) { mCliente_ = Valor; }
  const std::string& get_Cliente() const { return mCliente_; }
  void put_Vendedor(const std::string& Valor) { mVendedor_ = Valor; }
  const std::string& get_Vendedor() const { return mVendedor_; }
  void put_Moneda(const std::string& Valor) { mMoneda_ = Valor; }
  const std::string& get_Moneda() const { return mMoneda_; }
  void put_Tipo_Cambio(const double& Valor) { mTipo_Cambio_ = Valor; }
  double get_Tipo_Cambio() const { return mTipo_Cambio_; }
  void put_Producto(const std::string& Valor) { mProducto_ = Valor; }
  const std::string& get_Producto() const { return mProducto_; }
  void put_Talla(const std::string& Valor) { mTalla_ = Valor; }
  const std::string& get_Talla() const { return mTalla_; }
  void put_Color(const std::string& Valor) { mColor_ = Valor; }
  const std::string& get_Color() const { return mColor_; }
  void put_Cuota_Fija(const double& Valor) { mCuota_Fija_ = Valor; }
  double get_Cuota_Fija() const { return mCuota_Fija_; }
  void put_Cantidad(const double& Valor) { mCantidad_ = Valor; }
  double get_Cantidad() const { return mCantidad_; }
  void put_Unidad(const std::string& Valor) { mUnidad_ = Valor; }
  const std::string& get_Unidad() const { return mUnidad_; }
  void put_Cantidad_Costo(const double& Valor) { mCantidad_Costo_ = Valor; }
  double get_Cantidad_Costo() const { return mCantidad_Costo_; }
  void put_Unidad_Costo(const std::string& Valor) { mUnidad_Costo_ = Valor; }
  const std::string& get_Unidad_Costo() const { return mUnidad_Costo_; }
  void put_Costo(const double& Valor) { mCosto_ = Valor; }
  double get_Costo() const { return mCosto_; }
  void put_Costo_Importe(const double& Valor) { mCosto_Importe_ = Valor; }
  double get_Costo_Importe() const { return mCosto_Importe_; }
  void put_Precio_Lista(const double& Valor) { mPrecio_Lista_ = Valor; }
  double get_Precio_Lista() const { return mPrecio_Lista_; }
  void put_Precio_Lista_Importe(const double& Valor) {
    mPrecio_Lista_Importe_ = Valor;
  }
  double get_Precio_Lista_Importe() const { return mPrecio_Lista_Importe_; }
  void put_Descuento_Factor(const double& Valor) { mDescuento_Factor_ = Valor; }
  double get_Descuento_Factor() const { return mDescuento_Factor_; }
  void put_Descuento_Importe(const double& Valor) {
    mDescuento_Importe_ = Valor;
  }
  double get_Descuento_Importe() const { return mDescuento_Importe_; }
  void put_Precio_Descontado(const double& Valor) {
    mPrecio_Descontado_ = Valor;
  }
  double get_Precio_Descontado() const { return mPrecio_Descontado_; }
  void put_Precio_Descontado_Importe(const double& Valor) {
    mPrecio_Descontado_Importe_ = Valor;
  }
  double get_Precio_Descontado_Importe() const {
    return mPrecio_Descontado_Importe_;
  }
  void put_Impuesto_Factor(const double& Valor) { mImpuesto_Factor_ = Valor; }
  double get_Impuesto_Factor() const { return mImpuesto_Factor_; }
  void put_Impuesto_Importe(const double& Valor) { mImpuesto_Importe_ = Valor; }
  double get_Impuesto_Importe() const { return mImpuesto_Importe_; }
  void put_Precio_Neto(const double& Valor) { mPrecio_Neto_ = Valor; }
  double get_Precio_Neto() const { return mPrecio_Neto_; }
  void put_Precio_Neto_Importe(const double& Valor) {
    mPrecio_Neto_Importe_ = Valor;
  }
  double get_Precio_Neto_Importe() const { return mPrecio_Neto_Importe_; }

 private:
  std::string mFolio_;
  std::string mTabla_;
  std::string mID_;
  std::string mCondicion_Venta_;
  std::string mSucursal_;
  std::string mAlmacen_;
  std::string mUbicacion_Almacen_;
  std::string mCliente_;
  std::string mVendedor_;
  std::string mMoneda_;
  double mTipo_Cambio_ = 0;
  std::string mProducto_;
  std::string mTalla_;
  std::string mColor_;
  double mCuota_Fija_ = 0;
  double mCantidad_ = 0;
  std::string mUnidad_;
  double mCantidad_Costo_ = 0;
  std::string mUnidad_Costo_;
  double mCosto_ = 0;
  double mCosto_Importe_ = 0;
  double mPrecio_Lista_ = 0;
  double mPrecio_Lista_Importe_ = 0;
  double mDescuento_Factor_ = 0;
  double mDescuento_Importe_ = 0;
  double mPrecio_Descontado_ = 0;
  double mPrecio_Descontado_Importe_ = 0;
  double mImpuesto_Factor_ = 0;
  double mImpuesto_Importe_ = 0;
  double mPrecio_Neto_ = 0;
  double mPrecio_Neto_Importe_ = 0;
};

}  // namespace promocionesQEX
