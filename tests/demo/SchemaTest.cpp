// The schema: created on an empty database, every table takes a row naming
// only the columns the library uses, the defaults fill the rest, and the
// SQLite and SQL Server scripts describe the same tables.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "TempDatabase.h"
#include "demo/SqlScript.h"
#include "promocionesQEX/Database.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX {
namespace {

using testing::TempDatabase;

// The columns the library and its companions read or write, per table
// ("Table:" starts a table).
const char* const kNamedColumns = R"(
Cliente: Cl_Cve_Cliente Cl_Descripcion Cc_Cve_Cadena_Comercial Sg_Cve_Segmento
  Gc_Cve_Grupo_Comercial Rt_Cve_Ruta
Producto: Pr_Cve_Producto Pr_Descripcion Ct_Cve_Categoria Dp_Cve_Departamento
  Mr_Cve_Marca Ln_Cve_Linea Fm_Cve_Familia Sf_Cve_SubFamilia Pr_Tipo_Producto
Promocion_1x: Prm_Producto_Venta Prm_Unidad_Venta Prm_Talla_Venta
  Prm_Color_Venta Prm_Cantidad_Venta Prm_Producto_Promocion Prm_Unidad_Promocion
  Prm_Talla_Promocion Prm_Color_Promocion Prm_Cantidad_Promocion Prm_Folio
  Prm_Comentario Prm_Tipo Prm_Valor_Busqueda Prm_Sucursal Prm_Fecha_Inicial
  Prm_Fecha_Final Prm_Hora_Inicial Prm_Hora_Final Prm_Dias_Aplicacion
Promocion_Clasificador: Pc_Tipo_Clasificador Pc_Valor_Clasificador Pc_Cantidad
  Pc_Cantidad_Promocion Pc_Porcentaje_promocion Pc_Folio Pc_Tipo
  Pc_Valor_Busqueda Pc_Sucursal Pc_Fecha_Inicial Pc_Fecha_Final Pc_Hora_Inicial
  Pc_Hora_Final Pc_Dias_Aplicacion
Promocion_Pv: Pp_Folio Pp_Comentario Pp_Tipo Pp_Tipo_Valor Pp_Hora_Inicial
  Pp_Hora_Final Pp_Dias_Aplicacion Pp_Sucursal Pp_Aplicar Pp_Aplicar_Valor
  Pp_Fecha_Inicial Pp_Fecha_Final
Promocion_Pv_Clasificador: Pp_Folio Ppc_Categoria Ppc_Departamento Ppc_Marca
  Ppc_Linea Ppc_Familia Ppc_SubFamilia Ppc_Producto
Promocion_Pv_Detalle: Pp_Folio Ppd_ID Ppd_Tipo Ppd_Producto Ppd_Valor
Promocion_Pv_Venta: Ppv_ID Ppv_Producto Ppv_Importe
Existencia: Sc_Cve_Sucursal Al_Cve_Almacen Pr_Cve_Producto Tl_Cve_Talla
  Cl_Cve_Color Un_Cve_Unidad Ex_Existencia
Existencia_Serie: Sc_Cve_Sucursal Al_Cve_Almacen Pr_Cve_Producto Sr_Cve_Serie
Moneda: Mn_Cve_Moneda Mn_Descripcion Sucursal: Sc_Cve_Sucursal Sc_Descripcion
Almacen: Sc_Cve_Sucursal Al_Cve_Almacen Al_Descripcion
Vendedor: Vn_Cve_Vendedor Vn_Descripcion Unidad: Un_Cve_Unidad Un_Descripcion
Promocion_Descuento_Global: Pdg_Folio Pdg_ID Pdg_Tabla Pdg_Condicion_Venta
  Sc_Cve_Sucursal Al_Cve_Almacen Cl_Cve_Cliente Vn_Cve_Vendedor Mn_Cve_Moneda
  Pdg_Tipo_Cambio Pr_Cve_Producto Tl_Cve_Talla Cl_Cve_Color Pdg_Cantidad
  Pdg_Unidad Pdg_Cantidad_Costo Pdg_Unidad_Costo Pdg_Costo Pdg_Costo_Importe
  Pdg_Precio_Lista Pdg_Precio_Lista_Importe Pdg_Descuento_Factor
  Pdg_Descuento_Importe Pdg_Precio_Descontado Pdg_Precio_Descontado_Importe
  Pdg_Impuesto_Factor Pdg_Impuesto_Importe Pdg_Precio_Neto
  Pdg_Precio_Neto_Importe Pdg_Ubicacion Pdg_Cuota_Fija
Parametro: Pa_Nombre Pa_Tipo Pa_Valor Usuario: Us_Cve_Usuario Us_Nombre
Usuario_Permiso: Us_Cve_Usuario Tr_Cve_Transaccion Pe_Cve_Permiso
Folio_Consecutivo: Sc_Cve_Sucursal Fc_Consecutivo
Folio_Usado: Fc_Consecutivo Fu_Folio Fu_ID
Consulta: Co_Nombre Co_Texto Categoria: Ct_Cve_Categoria
Departamento: Dp_Cve_Departamento Marca: Mr_Cve_Marca Linea: Ln_Cve_Linea
Familia: Fm_Cve_Familia SubFamilia: Sf_Cve_SubFamilia Talla: Tl_Cve_Talla
Color: Cl_Cve_Color
Cadena_Comercial: Cc_Cve_Cadena_Comercial
Grupo_Comercial: Gc_Cve_Grupo_Comercial Ruta: Rt_Cve_Ruta
Segmento: Sg_Cve_Segmento
)";

std::map<std::string, std::vector<std::string>> named_columns() {
  std::map<std::string, std::vector<std::string>> tables;
  std::istringstream words(kNamedColumns);
  std::string table;
  for (std::string word; words >> word;) {
    if (word.back() == ':') {
      table = word.substr(0, word.size() - 1);
      tables[table];
    } else {
      tables[table].push_back(word);
    }
  }
  return tables;
}

std::string single(const TempDatabase& db, const std::string& sql) {
  std::vector<std::string> values;
  for (Recordset rs = db.exec(sql); !rs.eof(); rs.move_next()) {
    values.push_back(rs.field(std::size_t{0}).as_text());
  }
  return values.size() == 1 ? values[0]
                            : "<" + std::to_string(values.size()) + " rows>";
}

// One row naming only `columns`: a date for date and time columns, '7' else.
std::string insert_naming(const std::string& table,
                          const std::vector<std::string>& columns) {
  std::string names, values;
  for (const auto& c : columns) {
    names += (names.empty() ? "" : ", ") + c;
    bool when = c.find("Fecha") != std::string::npos ||
                c.find("Hora") != std::string::npos;
    values +=
        (values.empty() ? "" : ", ") + std::string(when ? "'20261205'" : "'7'");
  }
  return "INSERT INTO " + table + " (" + names + ") VALUES (" + values + ")";
}

TEST(Schema, EveryTableTakesARowNamingOnlyTheUsedColumnsAndDefaultsFill) {
  TempDatabase db;
  const auto tables = named_columns();
  ASSERT_EQ(tables.size(), 34u);
  EXPECT_EQ(single(db,
                   "SELECT COUNT(*) FROM sqlite_master WHERE type = "
                   "'table'"),
            std::to_string(tables.size()));
  int tables_with_status = 0;
  for (const auto& [table, columns] : tables) {
    SCOPED_TRACE(table);
    EXPECT_NO_THROW(db.exec(insert_naming(table, columns)));
    EXPECT_EQ(single(db, "SELECT COUNT(*) FROM " + table), "1");
    if (single(db, "SELECT COUNT(*) FROM pragma_table_info('" + table +
                       "') WHERE name = 'Es_Cve_Estado'") == "1") {
      ++tables_with_status;
      EXPECT_EQ(single(db, "SELECT Es_Cve_Estado FROM " + table), "LI");
    }
  }
  // Every catalogue and promotion table, and serial stock.
  EXPECT_EQ(tables_with_status, 27);
  db.exec("INSERT INTO Parametro (Pa_Nombre, Pa_Valor) VALUES ('d', 'v')");
  const std::pair<const char*, const char*> defaults[] = {
      {"SELECT Fc_Siguiente FROM Folio_Consecutivo", "1"},
      {"SELECT Pa_Tipo || '|' || Pa_Descripcion FROM Parametro WHERE "
       "Pa_Nombre = 'd'",
       "T|"},
      {"SELECT length(Fu_Fecha) FROM Folio_Usado", "19"},
      {"SELECT typeof(Pp_Fecha_Inicial) FROM Promocion_Pv", "text"},
  };
  for (const auto& [sql, expected] : defaults) {
    EXPECT_EQ(single(db, sql), expected) << sql;
  }
}

TEST(Schema, KeysCompareWithoutCaseOrTrailingSpaces) {
  TempDatabase db;
  db.exec("INSERT INTO Promocion_Pv (Pp_Folio) VALUES ('p1 ')");
  EXPECT_EQ(single(db,
                   "SELECT COUNT(*) FROM Promocion_Pv WHERE Pp_Folio = "
                   "'P1'"),
            "1");
}

TEST(Schema, CreatingTwiceOrForAnUnknownEngineIsRefused) {
  TempDatabase db;
  db.exec("INSERT INTO Sucursal (Sc_Cve_Sucursal) VALUES ('S1')");
  EXPECT_THROW(create_schema(*db.connection()), RuntimeError);
  EXPECT_EQ(single(db, "SELECT COUNT(*) FROM Sucursal"), "1");
  try {
    schema_text("oracle");
    ADD_FAILURE() << "accepted an unknown engine";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.number(), 5);
    EXPECT_THAT(error.description(), ::testing::HasSubstr("oracle"));
  }
}

// --- The two scripts in step -------------------------------------------

struct Shape {
  // table -> column -> "N" (NOT NULL) and/or "D" (DEFAULT), or "K" (key)
  std::map<std::string, std::map<std::string, std::string>> tables;
  std::map<std::string, std::string> indexes;  // name -> "table(columns)"
};

std::string squeezed(std::string text) {
  std::erase_if(text, [](char c) { return c == ' ' || c == '\n'; });
  return text;
}

Shape shape_of(const std::string& script) {
  Shape shape;
  for (const auto& s : demo::split_statements(script)) {
    std::istringstream words(s);
    std::string create, kind, name;
    words >> create >> kind >> name;
    if (kind == "INDEX") {
      shape.indexes[name] = squeezed(s.substr(s.find(" ON ") + 4));
      continue;
    }
    // The top-level items of "CREATE TABLE name ( item, item, ... )".
    std::vector<std::string> items(1);
    int depth = 0;
    for (char c : s.substr(s.find('(') + 1, s.rfind(')') - s.find('(') - 1)) {
      depth += (c == '(') - (c == ')');
      if (c == ',' && depth == 0) {
        items.emplace_back();
      } else {
        items.back() += c;
      }
    }
    for (const auto& item : items) {
      std::string column;
      std::istringstream(item) >> column;
      if (column == "PRIMARY") {
        shape.tables[name]["(key)"] = squeezed(item);
        continue;
      }
      std::string flags;
      if (item.find("NOT NULL") != std::string::npos) flags += "N";
      if (item.find("DEFAULT") != std::string::npos) flags += "D";
      // A key is never null, whether the script says so or not.
      if (item.find("PRIMARY KEY") != std::string::npos) flags = "K";
      shape.tables[name][column] = flags;
    }
  }
  return shape;
}

TEST(Schema, SqliteAndSqlServerScriptsDescribeTheSameTables) {
  Shape sqlite = shape_of(schema_text("sqlite"));
  Shape sqlserver = shape_of(schema_text("sqlserver"));
  EXPECT_EQ(sqlite.tables.size(), named_columns().size());
  EXPECT_EQ(sqlite.tables, sqlserver.tables);
  EXPECT_EQ(sqlite.indexes, sqlserver.indexes);
  EXPECT_GE(sqlite.indexes.size(), 7u);
}

}  // namespace
}  // namespace promocionesQEX
