-- promocionesQEX: schema of the suite's database for the embedded SQLite
-- engine. Kept in step with schema.sqlserver.sql: same tables, columns,
-- defaults and indexes.
--
-- Column rules of the embedded engine:
--   * keys and codes (Cve columns, folios, status, scope codes and values,
--     '%' wildcards) are TEXT COLLATE TSQLCI: case-insensitive, trailing
--     spaces ignored, as SQL Server's default collation;
--   * dates and times are TEXT COLLATE TSQLDATETIME, compared
--     chronologically whatever the literal's form. Never DATETIME: its
--     numeric affinity would turn '20261205' into an integer. Daily time
--     windows are stored on the day 1899-12-30 ('1899-12-30 09:00:00');
--   * quantities, prices and amounts are REAL.
-- Every column that the library does not read or write itself has a
-- default, and every status column defaults to 'LI' (in force).

-- Organisation ---------------------------------------------------------------

CREATE TABLE Sucursal (
  Sc_Cve_Sucursal TEXT COLLATE TSQLCI NOT NULL PRIMARY KEY,
  Sc_Descripcion TEXT,
  Es_Cve_Estado TEXT COLLATE TSQLCI NOT NULL DEFAULT 'LI'
);

CREATE TABLE Almacen (
  Sc_Cve_Sucursal TEXT COLLATE TSQLCI NOT NULL,
  Al_Cve_Almacen TEXT COLLATE TSQLCI NOT NULL,
  Al_Descripcion TEXT,
  Es_Cve_Estado TEXT COLLATE TSQLCI NOT NULL DEFAULT 'LI',
  PRIMARY KEY (Sc_Cve_Sucursal, Al_Cve_Almacen)
);

CREATE TABLE Moneda (
  Mn_Cve_Moneda TEXT COLLATE TSQLCI NOT NULL PRIMARY KEY,
  Mn_Descripcion TEXT,
  Es_Cve_Estado TEXT COLLATE TSQLCI NOT NULL DEFAULT 'LI'
);

CREATE TABLE Vendedor (
  Vn_Cve_Vendedor TEXT COLLATE TSQLCI NOT NULL PRIMARY KEY,
  Vn_Descripcion TEXT,
  Sc_Cve_Sucursal TEXT COLLATE TSQLCI NOT NULL DEFAULT '',
  Es_Cve_Estado TEXT COLLATE TSQLCI NOT NULL DEFAULT 'LI'
);

CREATE TABLE Unidad (
  Un_Cve_Unidad TEXT COLLATE TSQLCI NOT NULL PRIMARY KEY,
  Un_Descripcion TEXT,
  Es_Cve_Estado TEXT COLLATE TSQLCI NOT NULL DEFAULT 'LI'
);

-- Product classification ------------------------------------------------------

CREATE TABLE Categoria (
  Ct_Cve_Categoria TEXT COLLATE TSQLCI NOT NULL PRIMARY KEY,
  Ct_Descripcion TEXT NOT NULL DEFAULT '',
  Es_Cve_Estado TEXT COLLATE TSQLCI NOT NULL DEFAULT 'LI'
);

CREATE TABLE Departamento (
  Dp_Cve_Departamento TEXT COLLATE TSQLCI NOT NULL PRIMARY KEY,
  Dp_Descripcion TEXT NOT NULL DEFAULT '',
  Ct_Cve_Categoria TEXT COLLATE TSQLCI NOT NULL DEFAULT '',
  Es_Cve_Estado TEXT COLLATE TSQLCI NOT NULL DEFAULT 'LI'
);

CREATE TABLE Marca (
  Mr_Cve_Marca TEXT COLLATE TSQLCI NOT NULL PRIMARY KEY,
  Mr_Descripcion TEXT NOT NULL DEFAULT '',
  Es_Cve_Estado TEXT COLLATE TSQLCI NOT NULL DEFAULT 'LI'
);

CREATE TABLE Linea (
  Ln_Cve_Linea TEXT COLLATE TSQLCI NOT NULL PRIMARY KEY,
  Ln_Descripcion TEXT NOT NULL DEFAULT '',
  Dp_Cve_Departamento TEXT COLLATE TSQLCI NOT NULL DEFAULT '',
  Es_Cve_Estado TEXT COLLATE TSQLCI NOT NULL DEFAULT 'LI'
);

CREATE TABLE Familia (
  Fm_Cve_Familia TEXT COLLATE TSQLCI NOT NULL PRIMARY KEY,
  Fm_Descripcion TEXT NOT NULL DEFAULT '',
  Ln_Cve_Linea TEXT COLLATE TSQLCI NOT NULL DEFAULT '',
  Es_Cve_Estado TEXT COLLATE TSQLCI NOT NULL DEFAULT 'LI'
);

CREATE TABLE SubFamilia (
  Sf_Cve_SubFamilia TEXT COLLATE TSQLCI NOT NULL PRIMARY KEY,
  Sf_Descripcion TEXT NOT NULL DEFAULT '',
  Fm_Cve_Familia TEXT COLLATE TSQLCI NOT NULL DEFAULT '',
  Es_Cve_Estado TEXT COLLATE TSQLCI NOT NULL DEFAULT 'LI'
);

CREATE TABLE Talla (
  Tl_Cve_Talla TEXT COLLATE TSQLCI NOT NULL PRIMARY KEY,
  Tl_Descripcion TEXT NOT NULL DEFAULT '',
  Es_Cve_Estado TEXT COLLATE TSQLCI NOT NULL DEFAULT 'LI'
);

CREATE TABLE Color (
  Cl_Cve_Color TEXT COLLATE TSQLCI NOT NULL PRIMARY KEY,
  Cl_Descripcion TEXT NOT NULL DEFAULT '',
  Es_Cve_Estado TEXT COLLATE TSQLCI NOT NULL DEFAULT 'LI'
);

CREATE TABLE Producto (
  Pr_Cve_Producto TEXT COLLATE TSQLCI NOT NULL PRIMARY KEY,
  Pr_Descripcion TEXT,
  Ct_Cve_Categoria TEXT COLLATE TSQLCI,
  Dp_Cve_Departamento TEXT COLLATE TSQLCI,
  Mr_Cve_Marca TEXT COLLATE TSQLCI,
  Ln_Cve_Linea TEXT COLLATE TSQLCI,
  Fm_Cve_Familia TEXT COLLATE TSQLCI,
  Sf_Cve_SubFamilia TEXT COLLATE TSQLCI,
  Pr_Tipo_Producto TEXT COLLATE TSQLCI,  -- '03' serialized
  Un_Cve_Unidad TEXT COLLATE TSQLCI NOT NULL DEFAULT 'PZA',
  Pr_Precio REAL NOT NULL DEFAULT 0,
  Es_Cve_Estado TEXT COLLATE TSQLCI NOT NULL DEFAULT 'LI'
);

-- Customers and their scopes ---------------------------------------------------

CREATE TABLE Cadena_Comercial (
  Cc_Cve_Cadena_Comercial TEXT COLLATE TSQLCI NOT NULL PRIMARY KEY,
  Cc_Descripcion TEXT NOT NULL DEFAULT '',
  Es_Cve_Estado TEXT COLLATE TSQLCI NOT NULL DEFAULT 'LI'
);

CREATE TABLE Grupo_Comercial (
  Gc_Cve_Grupo_Comercial TEXT COLLATE TSQLCI NOT NULL PRIMARY KEY,
  Gc_Descripcion TEXT NOT NULL DEFAULT '',
  Es_Cve_Estado TEXT COLLATE TSQLCI NOT NULL DEFAULT 'LI'
);

CREATE TABLE Ruta (
  Rt_Cve_Ruta TEXT COLLATE TSQLCI NOT NULL PRIMARY KEY,
  Rt_Descripcion TEXT NOT NULL DEFAULT '',
  Es_Cve_Estado TEXT COLLATE TSQLCI NOT NULL DEFAULT 'LI'
);

CREATE TABLE Segmento (
  Sg_Cve_Segmento TEXT COLLATE TSQLCI NOT NULL PRIMARY KEY,
  Sg_Descripcion TEXT NOT NULL DEFAULT '',
  Es_Cve_Estado TEXT COLLATE TSQLCI NOT NULL DEFAULT 'LI'
);

-- The scope columns take no default: a missing scope is a data error the
-- lookups report.
CREATE TABLE Cliente (
  Cl_Cve_Cliente TEXT COLLATE TSQLCI NOT NULL PRIMARY KEY,
  Cl_Descripcion TEXT,
  Cc_Cve_Cadena_Comercial TEXT COLLATE TSQLCI,
  Gc_Cve_Grupo_Comercial TEXT COLLATE TSQLCI,
  Rt_Cve_Ruta TEXT COLLATE TSQLCI,
  Sg_Cve_Segmento TEXT COLLATE TSQLCI,
  Cl_RFC TEXT COLLATE TSQLCI NOT NULL DEFAULT '',
  Es_Cve_Estado TEXT COLLATE TSQLCI NOT NULL DEFAULT 'LI'
);

-- Stock --------------------------------------------------------------------------

CREATE TABLE Existencia (
  Sc_Cve_Sucursal TEXT COLLATE TSQLCI NOT NULL,
  Al_Cve_Almacen TEXT COLLATE TSQLCI NOT NULL,
  Pr_Cve_Producto TEXT COLLATE TSQLCI NOT NULL,
  Tl_Cve_Talla TEXT COLLATE TSQLCI NOT NULL DEFAULT '00',
  Cl_Cve_Color TEXT COLLATE TSQLCI NOT NULL DEFAULT '00',
  Un_Cve_Unidad TEXT COLLATE TSQLCI NOT NULL DEFAULT 'PZA',
  Ex_Existencia REAL NOT NULL DEFAULT 0,
  PRIMARY KEY (Sc_Cve_Sucursal, Al_Cve_Almacen, Pr_Cve_Producto, Tl_Cve_Talla,
               Cl_Cve_Color, Un_Cve_Unidad)
);

-- The pick list of promotion details joins stock by product.
CREATE INDEX IX_Existencia_Producto
  ON Existencia (Pr_Cve_Producto, Sc_Cve_Sucursal, Al_Cve_Almacen);

CREATE TABLE Existencia_Serie (
  Sc_Cve_Sucursal TEXT COLLATE TSQLCI NOT NULL,
  Al_Cve_Almacen TEXT COLLATE TSQLCI NOT NULL,
  Pr_Cve_Producto TEXT COLLATE TSQLCI NOT NULL,
  Sr_Cve_Serie TEXT COLLATE TSQLCI NOT NULL,
  Lt_Cve_Lote TEXT COLLATE TSQLCI NOT NULL DEFAULT '',
  Es_Cve_Estado TEXT COLLATE TSQLCI NOT NULL DEFAULT 'LI',
  PRIMARY KEY (Sc_Cve_Sucursal, Al_Cve_Almacen, Pr_Cve_Producto, Sr_Cve_Serie)
);

-- Quantity promotions: buy Prm_Cantidad_Venta of a product, get
-- Prm_Cantidad_Promocion of another. A folio may hold several rows.
CREATE TABLE Promocion_1x (
  Prm_ID INTEGER PRIMARY KEY,
  Prm_Folio TEXT COLLATE TSQLCI,
  Prm_Tipo TEXT COLLATE TSQLCI,            -- scope: CL, CA, GR, RU, SE
  Prm_Valor_Busqueda TEXT COLLATE TSQLCI,  -- the scope's key
  Prm_Sucursal TEXT COLLATE TSQLCI,        -- branch or '%'
  Prm_Producto_Venta TEXT COLLATE TSQLCI,
  Prm_Unidad_Venta TEXT COLLATE TSQLCI,
  Prm_Talla_Venta TEXT COLLATE TSQLCI,     -- size or '%'
  Prm_Color_Venta TEXT COLLATE TSQLCI,     -- colour or '%'
  Prm_Cantidad_Venta REAL,
  Prm_Producto_Promocion TEXT COLLATE TSQLCI,
  Prm_Unidad_Promocion TEXT COLLATE TSQLCI,
  Prm_Talla_Promocion TEXT COLLATE TSQLCI,
  Prm_Color_Promocion TEXT COLLATE TSQLCI,
  Prm_Cantidad_Promocion REAL,
  Prm_Comentario TEXT,
  Prm_Fecha_Inicial TEXT COLLATE TSQLDATETIME,
  Prm_Fecha_Final TEXT COLLATE TSQLDATETIME,
  Prm_Hora_Inicial TEXT COLLATE TSQLDATETIME,
  Prm_Hora_Final TEXT COLLATE TSQLDATETIME,
  Prm_Dias_Aplicacion TEXT,                -- weekday digits, 1 Monday
  Prm_Fecha_Alta TEXT COLLATE TSQLDATETIME NOT NULL
    DEFAULT (datetime('now', 'localtime')),
  Es_Cve_Estado TEXT COLLATE TSQLCI NOT NULL DEFAULT 'LI'
);

CREATE INDEX IX_Promocion_1x_Busqueda
  ON Promocion_1x (Prm_Producto_Venta, Prm_Tipo, Prm_Valor_Busqueda,
                   Prm_Unidad_Venta, Es_Cve_Estado, Prm_Fecha_Final);

-- Classifier promotions: a threshold, quantity and percentage for a whole
-- class of products (Pc_Tipo_Clasificador 'LN': a product line).
CREATE TABLE Promocion_Clasificador (
  Pc_ID INTEGER PRIMARY KEY,
  Pc_Folio TEXT COLLATE TSQLCI,
  Pc_Tipo_Clasificador TEXT COLLATE TSQLCI,
  Pc_Valor_Clasificador TEXT COLLATE TSQLCI,
  Pc_Tipo TEXT COLLATE TSQLCI,             -- scope: CL, CA, GR, RU, SE
  Pc_Valor_Busqueda TEXT COLLATE TSQLCI,
  Pc_Sucursal TEXT COLLATE TSQLCI,
  Pc_Cantidad REAL,
  Pc_Cantidad_Promocion REAL,
  Pc_Porcentaje_promocion REAL,
  Pc_Comentario TEXT NOT NULL DEFAULT '',
  Pc_Fecha_Inicial TEXT COLLATE TSQLDATETIME,
  Pc_Fecha_Final TEXT COLLATE TSQLDATETIME,
  Pc_Hora_Inicial TEXT COLLATE TSQLDATETIME,
  Pc_Hora_Final TEXT COLLATE TSQLDATETIME,
  Pc_Dias_Aplicacion TEXT,
  Pc_Fecha_Alta TEXT COLLATE TSQLDATETIME NOT NULL
    DEFAULT (datetime('now', 'localtime')),
  Es_Cve_Estado TEXT COLLATE TSQLCI NOT NULL DEFAULT 'LI'
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
  Pp_Folio TEXT COLLATE TSQLCI NOT NULL PRIMARY KEY,
  Pp_Comentario TEXT,
  Pp_Tipo TEXT COLLATE TSQLCI,             -- '01' amount, '02' quantity
  Pp_Tipo_Valor REAL,                      -- threshold
  Pp_Aplicar TEXT COLLATE TSQLCI,          -- scope code
  Pp_Aplicar_Valor TEXT COLLATE TSQLCI,    -- scope key or '%'
  Pp_Sucursal TEXT COLLATE TSQLCI,
  Pp_Fecha_Inicial TEXT COLLATE TSQLDATETIME,
  Pp_Fecha_Final TEXT COLLATE TSQLDATETIME,
  Pp_Hora_Inicial TEXT COLLATE TSQLDATETIME,
  Pp_Hora_Final TEXT COLLATE TSQLDATETIME,
  Pp_Dias_Aplicacion TEXT,
  Pp_Fecha_Alta TEXT COLLATE TSQLDATETIME NOT NULL
    DEFAULT (datetime('now', 'localtime')),
  Es_Cve_Estado TEXT COLLATE TSQLCI NOT NULL DEFAULT 'LI'
);

-- The lookups ask for Pp_Aplicar_Valor = key OR Pp_Aplicar_Valor = '%': two
-- equalities on one column, which the engine turns into an IN list and
-- searches in this index twice. The search skips expired rows by the last
-- day; the columns after it carry the rest of a row's schedule, so a row in
-- force at another hour, weekday or branch is refused from the index alone,
-- without reading the table.
CREATE INDEX IX_Promocion_Pv_Busqueda
  ON Promocion_Pv (Pp_Tipo, Pp_Aplicar, Pp_Aplicar_Valor, Es_Cve_Estado,
                   Pp_Fecha_Final, Pp_Fecha_Inicial, Pp_Tipo_Valor,
                   Pp_Sucursal, Pp_Hora_Inicial, Pp_Hora_Final,
                   Pp_Dias_Aplicacion);

CREATE TABLE Promocion_Pv_Clasificador (
  Ppc_ID INTEGER PRIMARY KEY,
  Pp_Folio TEXT COLLATE TSQLCI NOT NULL,
  Ppc_Categoria TEXT COLLATE TSQLCI,       -- each a key or '%'
  Ppc_Departamento TEXT COLLATE TSQLCI,
  Ppc_Marca TEXT COLLATE TSQLCI,
  Ppc_Linea TEXT COLLATE TSQLCI,
  Ppc_Familia TEXT COLLATE TSQLCI,
  Ppc_SubFamilia TEXT COLLATE TSQLCI,
  Ppc_Producto TEXT COLLATE TSQLCI,
  Es_Cve_Estado TEXT COLLATE TSQLCI NOT NULL DEFAULT 'LI'
);

CREATE INDEX IX_Promocion_Pv_Clasificador_Folio
  ON Promocion_Pv_Clasificador (Pp_Folio);

CREATE TABLE Promocion_Pv_Detalle (
  Pp_Folio TEXT COLLATE TSQLCI NOT NULL,
  Ppd_ID TEXT COLLATE TSQLCI NOT NULL,     -- ten digits
  Ppd_Tipo TEXT COLLATE TSQLCI,  -- '01' price, '02' quantity, '03' discount
  Ppd_Producto TEXT COLLATE TSQLCI,
  Ppd_Valor REAL,
  Es_Cve_Estado TEXT COLLATE TSQLCI NOT NULL DEFAULT 'LI',
  PRIMARY KEY (Pp_Folio, Ppd_ID)
);

-- The lines of a sale as the host stores them for the amount lookup.
CREATE TABLE Promocion_Pv_Venta (
  Ppv_Renglon INTEGER PRIMARY KEY,
  Ppv_ID TEXT COLLATE TSQLCI NOT NULL,
  Ppv_Producto TEXT COLLATE TSQLCI,
  Ppv_Importe REAL,
  Ppv_Cantidad REAL NOT NULL DEFAULT 0,
  Ppv_Fecha TEXT COLLATE TSQLDATETIME NOT NULL
    DEFAULT (datetime('now', 'localtime'))
);

CREATE INDEX IX_Promocion_Pv_Venta_ID
  ON Promocion_Pv_Venta (Ppv_ID, Ppv_Producto);

-- Global-discount documents, one row per line.
CREATE TABLE Promocion_Descuento_Global (
  Pdg_Folio TEXT COLLATE TSQLCI NOT NULL,
  Pdg_ID TEXT COLLATE TSQLCI NOT NULL,
  Pdg_Tabla TEXT COLLATE TSQLCI,
  Pdg_Condicion_Venta TEXT COLLATE TSQLCI,
  Sc_Cve_Sucursal TEXT COLLATE TSQLCI,
  Al_Cve_Almacen TEXT COLLATE TSQLCI,
  Pdg_Ubicacion TEXT COLLATE TSQLCI,
  Cl_Cve_Cliente TEXT COLLATE TSQLCI,
  Vn_Cve_Vendedor TEXT COLLATE TSQLCI,
  Mn_Cve_Moneda TEXT COLLATE TSQLCI,
  Pdg_Tipo_Cambio REAL,
  Pr_Cve_Producto TEXT COLLATE TSQLCI,
  Tl_Cve_Talla TEXT COLLATE TSQLCI,
  Cl_Cve_Color TEXT COLLATE TSQLCI,
  Pdg_Cuota_Fija REAL,
  Pdg_Cantidad REAL,
  Pdg_Unidad TEXT COLLATE TSQLCI,
  Pdg_Cantidad_Costo REAL,
  Pdg_Unidad_Costo TEXT COLLATE TSQLCI,
  Pdg_Costo REAL,
  Pdg_Costo_Importe REAL,
  Pdg_Precio_Lista REAL,
  Pdg_Precio_Lista_Importe REAL,
  Pdg_Descuento_Factor REAL,
  Pdg_Descuento_Importe REAL,
  Pdg_Precio_Descontado REAL,
  Pdg_Precio_Descontado_Importe REAL,
  Pdg_Impuesto_Factor REAL,
  Pdg_Impuesto_Importe REAL,
  Pdg_Precio_Neto REAL,
  Pdg_Precio_Neto_Importe REAL,
  Pdg_Fecha_Alta TEXT COLLATE TSQLDATETIME NOT NULL
    DEFAULT (datetime('now', 'localtime')),
  Es_Cve_Estado TEXT COLLATE TSQLCI NOT NULL DEFAULT 'LI'
);

-- A folio and line are unique among live lines: a line deactivated with
-- 'BA' gives its folio and ID back for a new document.
CREATE UNIQUE INDEX UX_Promocion_Descuento_Global_Folio
  ON Promocion_Descuento_Global (Pdg_Folio, Pdg_ID)
  WHERE Es_Cve_Estado <> 'BA';

-- Companion tables -------------------------------------------------------------

-- Configuration parameters; Pa_Tipo 'T' text, 'B' yes/no.
CREATE TABLE Parametro (
  Pa_Nombre TEXT COLLATE TSQLCI NOT NULL PRIMARY KEY,
  Pa_Tipo TEXT COLLATE TSQLCI NOT NULL DEFAULT 'T',
  Pa_Valor TEXT,
  Pa_Descripcion TEXT NOT NULL DEFAULT ''
);

CREATE TABLE Usuario (
  Us_Cve_Usuario TEXT COLLATE TSQLCI NOT NULL PRIMARY KEY,
  Us_Nombre TEXT NOT NULL DEFAULT '',
  Es_Cve_Estado TEXT COLLATE TSQLCI NOT NULL DEFAULT 'LI'
);

CREATE TABLE Usuario_Permiso (
  Us_Cve_Usuario TEXT COLLATE TSQLCI NOT NULL,
  Tr_Cve_Transaccion TEXT COLLATE TSQLCI NOT NULL,
  Pe_Cve_Permiso TEXT COLLATE TSQLCI NOT NULL,
  PRIMARY KEY (Us_Cve_Usuario, Tr_Cve_Transaccion, Pe_Cve_Permiso)
);

-- Document number sequences, one counter per sequence for the whole
-- database (every branch draws from it, so no two branches get the same
-- folio), and the numbers already used.
CREATE TABLE Folio_Consecutivo (
  Fc_Consecutivo TEXT COLLATE TSQLCI NOT NULL PRIMARY KEY,
  Fc_Siguiente INTEGER NOT NULL DEFAULT 1
);

CREATE TABLE Folio_Usado (
  Fc_Consecutivo TEXT COLLATE TSQLCI NOT NULL,
  Fu_Folio TEXT COLLATE TSQLCI NOT NULL,
  Fu_ID TEXT COLLATE TSQLCI NOT NULL,
  Fu_Fecha TEXT COLLATE TSQLDATETIME NOT NULL
    DEFAULT (datetime('now', 'localtime')),
  PRIMARY KEY (Fc_Consecutivo, Fu_Folio, Fu_ID)
);

-- Stored queries, with placeholders the caller fills in.
CREATE TABLE Consulta (
  Co_Nombre TEXT COLLATE TSQLCI NOT NULL PRIMARY KEY,
  Co_Texto TEXT NOT NULL DEFAULT ''
);
