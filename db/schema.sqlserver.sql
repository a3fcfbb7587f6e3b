-- promocionesQEX: schema of the suite's database for SQL Server. Kept in
-- step with schema.sqlite.sql: same tables, columns, defaults and indexes.
--
-- Keys and codes are varchar and compare under the database's default
-- (case-insensitive) collation; descriptions and comments are nvarchar;
-- dates and daily time windows are datetime (windows on the day
-- 1899-12-30); quantities, prices and amounts are float.
-- Every column that the library does not read or write itself has a
-- default, and every status column defaults to 'LI' (in force).

-- Organisation ---------------------------------------------------------------

CREATE TABLE Sucursal (
  Sc_Cve_Sucursal varchar(20) NOT NULL PRIMARY KEY,
  Sc_Descripcion nvarchar(100),
  Es_Cve_Estado varchar(2) NOT NULL DEFAULT 'LI'
);

CREATE TABLE Almacen (
  Sc_Cve_Sucursal varchar(20) NOT NULL,
  Al_Cve_Almacen varchar(20) NOT NULL,
  Al_Descripcion nvarchar(100),
  Es_Cve_Estado varchar(2) NOT NULL DEFAULT 'LI',
  PRIMARY KEY (Sc_Cve_Sucursal, Al_Cve_Almacen)
);

CREATE TABLE Moneda (
  Mn_Cve_Moneda varchar(20) NOT NULL PRIMARY KEY,
  Mn_Descripcion nvarchar(100),
  Es_Cve_Estado varchar(2) NOT NULL DEFAULT 'LI'
);

CREATE TABLE Vendedor (
  Vn_Cve_Vendedor varchar(20) NOT NULL PRIMARY KEY,
  Vn_Descripcion nvarchar(100),
  Sc_Cve_Sucursal varchar(20) NOT NULL DEFAULT '',
  Es_Cve_Estado varchar(2) NOT NULL DEFAULT 'LI'
);

CREATE TABLE Unidad (
  Un_Cve_Unidad varchar(20) NOT NULL PRIMARY KEY,
  Un_Descripcion nvarchar(100),
  Es_Cve_Estado varchar(2) NOT NULL DEFAULT 'LI'
);

-- Product classification ------------------------------------------------------

CREATE TABLE Categoria (
  Ct_Cve_Categoria varchar(20) NOT NULL PRIMARY KEY,
  Ct_Descripcion nvarchar(100) NOT NULL DEFAULT '',
  Es_Cve_Estado varchar(2) NOT NULL DEFAULT 'LI'
);

CREATE TABLE Departamento (
  Dp_Cve_Departamento varchar(20) NOT NULL PRIMARY KEY,
  Dp_Descripcion nvarchar(100) NOT NULL DEFAULT '',
  Ct_Cve_Categoria varchar(20) NOT NULL DEFAULT '',
  Es_Cve_Estado varchar(2) NOT NULL DEFAULT 'LI'
);

CREATE TABLE Marca (
  Mr_Cve_Marca varchar(20) NOT NULL PRIMARY KEY,
  Mr_Descripcion nvarchar(100) NOT NULL DEFAULT '',
  Es_Cve_Estado varchar(2) NOT NULL DEFAULT 'LI'
);

CREATE TABLE Linea (
  Ln_Cve_Linea varchar(20) NOT NULL PRIMARY KEY,
  Ln_Descripcion nvarchar(100) NOT NULL DEFAULT '',
  Dp_Cve_Departamento varchar(20) NOT NULL DEFAULT '',
  Es_Cve_Estado varchar(2) NOT NULL DEFAULT 'LI'
);

CREATE TABLE Familia (
  Fm_Cve_Familia varchar(20) NOT NULL PRIMARY KEY,
  Fm_Descripcion nvarchar(100) NOT NULL DEFAULT '',
  Ln_Cve_Linea varchar(20) NOT NULL DEFAULT '',
  Es_Cve_Estado varchar(2) NOT NULL DEFAULT 'LI'
);

CREATE TABLE SubFamilia (
  Sf_Cve_SubFamilia varchar(20) NOT NULL PRIMARY KEY,
  Sf_Descripcion nvarchar(100) NOT NULL DEFAULT '',
  Fm_Cve_Familia varchar(20) NOT NULL DEFAULT '',
  Es_Cve_Estado varchar(2) NOT NULL DEFAULT 'LI'
);

CREATE TABLE Talla (
  Tl_Cve_Talla varchar(20) NOT NULL PRIMARY KEY,
  Tl_Descripcion nvarchar(100) NOT NULL DEFAULT '',
  Es_Cve_Estado varchar(2) NOT NULL DEFAULT 'LI'
);

CREATE TABLE Color (
  Cl_Cve_Color varchar(20) NOT NULL PRIMARY KEY,
  Cl_Descripcion nvarchar(100) NOT NULL DEFAULT '',
  Es_Cve_Estado varchar(2) NOT NULL DEFAULT 'LI'
);

CREATE TABLE Producto (
  Pr_Cve_Producto varchar(20) NOT NULL PRIMARY KEY,
  Pr_Descripcion nvarchar(100),
  Ct_Cve_Categoria varchar(20),
  Dp_Cve_Departamento varchar(20),
  Mr_Cve_Marca varchar(20),
  Ln_Cve_Linea varchar(20),
  Fm_Cve_Familia varchar(20),
  Sf_Cve_SubFamilia varchar(20),
  Pr_Tipo_Producto varchar(2),  -- '03' serialized
  Un_Cve_Unidad varchar(20) NOT NULL DEFAULT 'PZA',
  Pr_Precio float NOT NULL DEFAULT 0,
  Es_Cve_Estado varchar(2) NOT NULL DEFAULT 'LI'
);

-- Customers and their scopes ---------------------------------------------------

CREATE TABLE Cadena_Comercial (
  Cc_Cve_Cadena_Comercial varchar(20) NOT NULL PRIMARY KEY,
  Cc_Descripcion nvarchar(100) NOT NULL DEFAULT '',
  Es_Cve_Estado varchar(2) NOT NULL DEFAULT 'LI'
);

CREATE TABLE Grupo_Comercial (
  Gc_Cve_Grupo_Comercial varchar(20) NOT NULL PRIMARY KEY,
  Gc_Descripcion nvarchar(100) NOT NULL DEFAULT '',
  Es_Cve_Estado varchar(2) NOT NULL DEFAULT 'LI'
);

CREATE TABLE Ruta (
  Rt_Cve_Ruta varchar(20) NOT NULL PRIMARY KEY,
  Rt_Descripcion nvarchar(100) NOT NULL DEFAULT '',
  Es_Cve_Estado varchar(2) NOT NULL DEFAULT 'LI'
);

CREATE TABLE Segmento (
  Sg_Cve_Segmento varchar(20) NOT NULL PRIMARY KEY,
  Sg_Descripcion nvarchar(100) NOT NULL DEFAULT '',
  Es_Cve_Estado varchar(2) NOT NULL DEFAULT 'LI'
);

-- The scope columns take no default: a missing scope is a data error the
-- lookups report.
CREATE TABLE Cliente (
  Cl_Cve_Cliente varchar(20) NOT NULL PRIMARY KEY,
  Cl_Descripcion nvarchar(100),
  Cc_Cve_Cadena_Comercial varchar(20),
  Gc_Cve_Grupo_Comercial varchar(20),
  Rt_Cve_Ruta varchar(20),
  Sg_Cve_Segmento varchar(20),
  Cl_RFC varchar(20) NOT NULL DEFAULT '',
  Es_Cve_Estado varchar(2) NOT NULL DEFAULT 'LI'
);

-- Stock --------------------------------------------------------------------------

CREATE TABLE Existencia (
  Sc_Cve_Sucursal varchar(20) NOT NULL,
  Al_Cve_Almacen varchar(20) NOT NULL,
  Pr_Cve_Producto varchar(20) NOT NULL,
  Tl_Cve_Talla varchar(20) NOT NULL DEFAULT '00',
  Cl_Cve_Color varchar(20) NOT NULL DEFAULT '00',
  Un_Cve_Unidad varchar(20) NOT NULL DEFAULT 'PZA',
  Ex_Existencia float NOT NULL DEFAULT 0,
  PRIMARY KEY (Sc_Cve_Sucursal, Al_Cve_Almacen, Pr_Cve_Producto, Tl_Cve_Talla,
               Cl_Cve_Color, Un_Cve_Unidad)
);

-- The pick list of promotion details joins stock by product.
CREATE INDEX IX_Existencia_Producto
  ON Existencia (Pr_Cve_Producto, Sc_Cve_Sucursal, Al_Cve_Almacen);

CREATE TABLE Existencia_Serie (
  Sc_Cve_Sucursal varchar(20) NOT NULL,
  Al_Cve_Almacen varchar(20) NOT NULL,
  Pr_Cve_Producto varchar(20) NOT NULL,
  Sr_Cve_Serie varchar(50) NOT NULL,
  Lt_Cve_Lote varchar(20) NOT NULL DEFAULT '',
  Es_Cve_Estado varchar(2) NOT NULL DEFAULT 'LI',
  PRIMARY KEY (Sc_Cve_Sucursal, Al_Cve_Almacen, Pr_Cve_Producto, Sr_Cve_Serie)
);

-- Quantity promotions: buy Prm_Cantidad_Venta of a product, get
-- Prm_Cantidad_Promocion of another. A folio may hold several rows.
CREATE TABLE Promocion_1x (
  Prm_ID int IDENTITY(1,1) NOT NULL PRIMARY KEY,
  Prm_Folio varchar(20),
  Prm_Tipo varchar(2),  -- scope: CL, CA, GR, RU, SE
  Prm_Valor_Busqueda varchar(20),  -- the scope's key
  Prm_Sucursal varchar(20),  -- branch or '%'
  Prm_Producto_Venta varchar(20),
  Prm_Unidad_Venta varchar(20),
  Prm_Talla_Venta varchar(20),  -- size or '%'
  Prm_Color_Venta varchar(20),  -- colour or '%'
  Prm_Cantidad_Venta float,
  Prm_Producto_Promocion varchar(20),
  Prm_Unidad_Promocion varchar(20),
  Prm_Talla_Promocion varchar(20),
  Prm_Color_Promocion varchar(20),
  Prm_Cantidad_Promocion float,
  Prm_Comentario nvarchar(255),
  Prm_Fecha_Inicial datetime,
  Prm_Fecha_Final datetime,
  Prm_Hora_Inicial datetime,
  Prm_Hora_Final datetime,
  Prm_Dias_Aplicacion varchar(7),  -- weekday digits, 1 Monday
  Prm_Fecha_Alta datetime NOT NULL DEFAULT GETDATE(),
  Es_Cve_Estado varchar(2) NOT NULL DEFAULT 'LI'
);

CREATE INDEX IX_Promocion_1x_Busqueda
  ON Promocion_1x (Prm_Producto_Venta, Prm_Tipo, Prm_Valor_Busqueda,
                   Prm_Unidad_Venta, Es_Cve_Estado, Prm_Fecha_Final);

-- Classifier promotions: a threshold, quantity and percentage for a whole
-- class of products (Pc_Tipo_Clasificador 'LN': a product line).
CREATE TABLE Promocion_Clasificador (
  Pc_ID int IDENTITY(1,1) NOT NULL PRIMARY KEY,
  Pc_Folio varchar(20),
  Pc_Tipo_Clasificador varchar(2),
  Pc_Valor_Clasificador varchar(20),
  Pc_Tipo varchar(2),  -- scope: CL, CA, GR, RU, SE
  Pc_Valor_Busqueda varchar(20),
  Pc_Sucursal varchar(20),
  Pc_Cantidad float,
  Pc_Cantidad_Promocion float,
  Pc_Porcentaje_promocion float,
  Pc_Comentario nvarchar(255) NOT NULL DEFAULT '',
  Pc_Fecha_Inicial datetime,
  Pc_Fecha_Final datetime,
  Pc_Hora_Inicial datetime,
  Pc_Hora_Final datetime,
  Pc_Dias_Aplicacion varchar(7),
  Pc_Fecha_Alta datetime NOT NULL DEFAULT GETDATE(),
  Es_Cve_Estado varchar(2) NOT NULL DEFAULT 'LI'
);

CREATE INDEX IX_Promocion_Clasificador_Busqueda
  ON Promocion_Clasificador (Pc_Tipo_Clasificador, Pc_Valor_Clasificador,
                             Pc_Tipo, Pc_Valor_Busqueda, Es_Cve_Estado,
                             Pc_Fecha_Final);

-- The promotions in force of a classifier type, whatever their scope.
CREATE INDEX IX_Promocion_Clasificador_Vigencia
  ON Promocion_Clasificador (Pc_Tipo_Clasificador, Es_Cve_Estado,
                             Pc_Fecha_Final);

-- Pv promotions: earned by quantity of a product ('02') or by amount of a
-- sale ('01'); the goods given are the folio's details.
CREATE TABLE Promocion_Pv (
  Pp_Folio varchar(20) NOT NULL PRIMARY KEY,
  Pp_Comentario nvarchar(255),
  Pp_Tipo varchar(2),  -- '01' amount, '02' quantity
  Pp_Tipo_Valor float,  -- threshold
  Pp_Aplicar varchar(2),  -- scope code
  Pp_Aplicar_Valor varchar(20),  -- scope key or '%'
  Pp_Sucursal varchar(20),
  Pp_Fecha_Inicial datetime,
  Pp_Fecha_Final datetime,
  Pp_Hora_Inicial datetime,
  Pp_Hora_Final datetime,
  Pp_Dias_Aplicacion varchar(7),
  Pp_Fecha_Alta datetime NOT NULL DEFAULT GETDATE(),
  Es_Cve_Estado varchar(2) NOT NULL DEFAULT 'LI'
);

-- The lookups ask for Pp_Aplicar_Valor = key OR Pp_Aplicar_Valor = '%': two
-- equalities on one column, two seeks in this index. The seek skips expired
-- rows by the last day; the columns after it carry the rest of a row's
-- schedule, so a row in force at another hour, weekday or branch is refused
-- from the index alone (the same columns as the embedded engine's index).
CREATE INDEX IX_Promocion_Pv_Busqueda
  ON Promocion_Pv (Pp_Tipo, Pp_Aplicar, Pp_Aplicar_Valor, Es_Cve_Estado,
                   Pp_Fecha_Final, Pp_Fecha_Inicial, Pp_Tipo_Valor,
                   Pp_Sucursal, Pp_Hora_Inicial, Pp_Hora_Final,
                   Pp_Dias_Aplicacion);

CREATE TABLE Promocion_Pv_Clasificador (
  Ppc_ID int IDENTITY(1,1) NOT NULL PRIMARY KEY,
  Pp_Folio varchar(20) NOT NULL,
  Ppc_Categoria varchar(20),  -- each a key or '%'
  Ppc_Departamento varchar(20),
  Ppc_Marca varchar(20),
  Ppc_Linea varchar(20),
  Ppc_Familia varchar(20),
  Ppc_SubFamilia varchar(20),
  Ppc_Producto varchar(20),
  Es_Cve_Estado varchar(2) NOT NULL DEFAULT 'LI'
);

CREATE INDEX IX_Promocion_Pv_Clasificador_Folio
  ON Promocion_Pv_Clasificador (Pp_Folio);

CREATE TABLE Promocion_Pv_Detalle (
  Pp_Folio varchar(20) NOT NULL,
  Ppd_ID varchar(10) NOT NULL,  -- ten digits
  Ppd_Tipo varchar(2),  -- '01' price, '02' quantity, '03' discount
  Ppd_Producto varchar(20),
  Ppd_Valor float,
  Es_Cve_Estado varchar(2) NOT NULL DEFAULT 'LI',
  PRIMARY KEY (Pp_Folio, Ppd_ID)
);

-- The lines of a sale as the host stores them for the amount lookup.
CREATE TABLE Promocion_Pv_Venta (
  Ppv_Renglon int IDENTITY(1,1) NOT NULL PRIMARY KEY,
  Ppv_ID varchar(20) NOT NULL,
  Ppv_Producto varchar(20),
  Ppv_Importe float,
  Ppv_Cantidad float NOT NULL DEFAULT 0,
  Ppv_Fecha datetime NOT NULL DEFAULT GETDATE()
);

CREATE INDEX IX_Promocion_Pv_Venta_ID
  ON Promocion_Pv_Venta (Ppv_ID, Ppv_Producto);

-- Global-discount documents, one row per line.
CREATE TABLE Promocion_Descuento_Global (
  Pdg_Folio varchar(20) NOT NULL,
  Pdg_ID varchar(20) NOT NULL,
  Pdg_Tabla varchar(20),
  Pdg_Condicion_Venta varchar(20),
  Sc_Cve_Sucursal varchar(20),
  Al_Cve_Almacen varchar(20),
  Pdg_Ubicacion varchar(20),
  Cl_Cve_Cliente varchar(20),
  Vn_Cve_Vendedor varchar(20),
  Mn_Cve_Moneda varchar(20),
  Pdg_Tipo_Cambio float,
  Pr_Cve_Producto varchar(20),
  Tl_Cve_Talla varchar(20),
  Cl_Cve_Color varchar(20),
  Pdg_Cuota_Fija float,
  Pdg_Cantidad float,
  Pdg_Unidad varchar(20),
  Pdg_Cantidad_Costo float,
  Pdg_Unidad_Costo varchar(20),
  Pdg_Costo float,
  Pdg_Costo_Importe float,
  Pdg_Precio_Lista float,
  Pdg_Precio_Lista_Importe float,
  Pdg_Descuento_Factor float,
  Pdg_Descuento_Importe float,
  Pdg_Precio_Descontado float,
  Pdg_Precio_Descontado_Importe float,
  Pdg_Impuesto_Factor float,
  Pdg_Impuesto_Importe float,
  Pdg_Precio_Neto float,
  Pdg_Precio_Neto_Importe float,
  Pdg_Fecha_Alta datetime NOT NULL DEFAULT GETDATE(),
  Es_Cve_Estado varchar(2) NOT NULL DEFAULT 'LI'
);

-- A folio and line are unique among live lines: a line deactivated with
-- 'BA' gives its folio and ID back for a new document.
CREATE UNIQUE INDEX UX_Promocion_Descuento_Global_Folio
  ON Promocion_Descuento_Global (Pdg_Folio, Pdg_ID)
  WHERE Es_Cve_Estado <> 'BA';

-- Companion tables -------------------------------------------------------------

-- Configuration parameters; Pa_Tipo 'T' text, 'B' yes/no.
CREATE TABLE Parametro (
  Pa_Nombre varchar(50) NOT NULL PRIMARY KEY,
  Pa_Tipo char(1) NOT NULL DEFAULT 'T',
  Pa_Valor nvarchar(255),
  Pa_Descripcion nvarchar(100) NOT NULL DEFAULT ''
);

CREATE TABLE Usuario (
  Us_Cve_Usuario varchar(20) NOT NULL PRIMARY KEY,
  Us_Nombre nvarchar(100) NOT NULL DEFAULT '',
  Es_Cve_Estado varchar(2) NOT NULL DEFAULT 'LI'
);

CREATE TABLE Usuario_Permiso (
  Us_Cve_Usuario varchar(20) NOT NULL,
  Tr_Cve_Transaccion varchar(50) NOT NULL,
  Pe_Cve_Permiso varchar(20) NOT NULL,
  PRIMARY KEY (Us_Cve_Usuario, Tr_Cve_Transaccion, Pe_Cve_Permiso)
);

-- Document number sequences, one counter per sequence for the whole
-- database (every branch draws from it, so no two branches get the same
-- folio), and the numbers already used.
CREATE TABLE Folio_Consecutivo (
  Fc_Consecutivo varchar(50) NOT NULL PRIMARY KEY,
  Fc_Siguiente int NOT NULL DEFAULT 1
);

CREATE TABLE Folio_Usado (
  Fc_Consecutivo varchar(50) NOT NULL,
  Fu_Folio varchar(20) NOT NULL,
  Fu_ID varchar(20) NOT NULL,
  Fu_Fecha datetime NOT NULL DEFAULT GETDATE(),
  PRIMARY KEY (Fc_Consecutivo, Fu_Folio, Fu_ID)
);

-- Stored queries, with placeholders the caller fills in.
CREATE TABLE Consulta (
  Co_Nombre varchar(50) NOT NULL PRIMARY KEY,
  Co_Texto nvarchar(max) NOT NULL DEFAULT ''
);
