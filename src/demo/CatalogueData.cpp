// The catalogues, products and customers of the demo store.
#include <string>
#include <vector>

#include "BatchInsert.h"
#include "DemoWriters.h"

namespace promocionesQEX::demo {
namespace {

struct Code {
  const char* key;
  const char* description;
  const char* status;
};

void write_codes(Connection& connection, const std::string& table,
                 const std::string& prefix, const std::vector<Code>& codes) {
  BatchInsert batch(
      connection, table,
      {prefix + "_Cve_" + table, prefix + "_Descripcion", "Es_Cve_Estado"});
  for (const auto& code : codes) {
    batch.row().text(code.key).text(code.description).text(code.status).end();
  }
  batch.flush();
}

// A catalogue of entries, with the parent key column when it has one.
void write_entries(Connection& connection, const std::string& table,
                   const std::string& key_column,
                   const std::string& description_column,
                   const std::vector<CatalogueEntry>& entries,
                   const std::string& parent_column = "") {
  std::vector<std::string> columns = {key_column, description_column};
  if (!parent_column.empty()) columns.push_back(parent_column);
  BatchInsert batch(connection, table, columns);
  for (const auto& entry : entries) {
    auto row = batch.row();
    row.text(entry.key).text(entry.description);
    if (!parent_column.empty()) row.text(entry.parent);
    row.end();
  }
  batch.flush();
}

void write_organisation(Connection& connection, const DemoWorld& world) {
  write_entries(connection, "Sucursal", "Sc_Cve_Sucursal", "Sc_Descripcion",
                world.branches);
  write_entries(connection, "Almacen", "Al_Cve_Almacen", "Al_Descripcion",
                world.warehouses, "Sc_Cve_Sucursal");
  write_codes(connection, "Moneda", "Mn",
              {{"MXN", "Peso mexicano", "LI"},
               {"USD", "Dólar estadounidense", "LI"},
               {"EUR", "Euro", "BA"}});
  BatchInsert sellers(connection, "Vendedor",
                      {"Vn_Cve_Vendedor", "Vn_Descripcion", "Sc_Cve_Sucursal",
                       "Es_Cve_Estado"});
  const std::vector<Code> names = {{"V01", "Laura Méndez", "LI"},
                                   {"V02", "Jorge Salinas", "LI"},
                                   {"V03", "Patricia Ortiz", "LI"},
                                   {"V04", "Ricardo Núñez", "LI"},
                                   {"V05", "Sofía Aguilar", "BA"}};
  for (std::size_t i = 0; i < names.size(); ++i) {
    const auto& branch = world.branches[i % world.branches.size()].key;
    sellers.row()
        .text(names[i].key)
        .text(names[i].description)
        .text(branch)
        .text(names[i].status)
        .end();
  }
  sellers.flush();
}

void write_variants(Connection& connection) {
  write_codes(connection, "Unidad", "Un",
              {{"PZA", "Pieza", "LI"},
               {"PAR", "Par", "LI"},
               {"CJA", "Caja", "LI"},
               {"JGO", "Juego", "LI"},
               {"KG", "Kilogramo", "BA"}});
  write_codes(connection, "Talla", "Tl",
              {{"00", "Sin talla", "LI"},
               {"CH", "Chica", "LI"},
               {"MD", "Mediana", "LI"},
               {"GD", "Grande", "LI"},
               {"25", "25", "LI"},
               {"26", "26", "LI"},
               {"27", "27", "LI"}});
  write_codes(connection, "Color", "Cl",
              {{"00", "Sin color", "LI"},
               {"BL", "Blanco", "LI"},
               {"NG", "Negro", "LI"},
               {"RJ", "Rojo", "LI"},
               {"AZ", "Azul", "LI"},
               {"CF", "Café", "LI"}});
}

void write_tree(Connection& connection, const DemoWorld& world) {
  write_entries(connection, "Categoria", "Ct_Cve_Categoria", "Ct_Descripcion",
                world.categories);
  write_entries(connection, "Departamento", "Dp_Cve_Departamento",
                "Dp_Descripcion", world.departments, "Ct_Cve_Categoria");
  write_entries(connection, "Linea", "Ln_Cve_Linea", "Ln_Descripcion",
                world.lines, "Dp_Cve_Departamento");
  write_entries(connection, "Familia", "Fm_Cve_Familia", "Fm_Descripcion",
                world.families, "Ln_Cve_Linea");
  write_entries(connection, "SubFamilia", "Sf_Cve_SubFamilia", "Sf_Descripcion",
                world.subfamilies, "Fm_Cve_Familia");
  write_entries(connection, "Marca", "Mr_Cve_Marca", "Mr_Descripcion",
                world.brands);
}

void write_scopes(Connection& connection, const DemoWorld& world) {
  write_entries(connection, "Cadena_Comercial", "Cc_Cve_Cadena_Comercial",
                "Cc_Descripcion", world.chains);
  write_entries(connection, "Grupo_Comercial", "Gc_Cve_Grupo_Comercial",
                "Gc_Descripcion", world.groups);
  write_entries(connection, "Ruta", "Rt_Cve_Ruta", "Rt_Descripcion",
                world.routes);
  write_entries(connection, "Segmento", "Sg_Cve_Segmento", "Sg_Descripcion",
                world.segments);
}

}  // namespace

void write_catalogues(Connection& connection, const DemoWorld& world) {
  write_organisation(connection, world);
  write_variants(connection);
  write_tree(connection, world);
  write_scopes(connection, world);
}

void write_products(Connection& connection, const DemoWorld& world) {
  BatchInsert batch(connection, "Producto",
                    {"Pr_Cve_Producto", "Pr_Descripcion", "Ct_Cve_Categoria",
                     "Dp_Cve_Departamento", "Mr_Cve_Marca", "Ln_Cve_Linea",
                     "Fm_Cve_Familia", "Sf_Cve_SubFamilia", "Pr_Tipo_Producto",
                     "Un_Cve_Unidad", "Pr_Precio", "Es_Cve_Estado"});
  for (const auto& p : world.products) {
    batch.row()
        .text(p.key)
        .text(p.description)
        .text(p.category)
        .text(p.department)
        .text(p.brand)
        .text(p.line)
        .text(p.family)
        .text(p.subfamily)
        .text(p.type)
        .text(p.unit)
        .number(p.price)
        .text(p.status)
        .end();
  }
  batch.flush();
}

void write_customers(Connection& connection, const DemoWorld& world) {
  BatchInsert batch(connection, "Cliente",
                    {"Cl_Cve_Cliente", "Cl_Descripcion",
                     "Cc_Cve_Cadena_Comercial", "Gc_Cve_Grupo_Comercial",
                     "Rt_Cve_Ruta", "Sg_Cve_Segmento", "Es_Cve_Estado"});
  for (const auto& c : world.customers) {
    batch.row()
        .text(c.key)
        .text(c.description)
        .text(c.chain)
        .text(c.group)
        .text(c.route)
        .text(c.segment)
        .text(c.status)
        .end();
  }
  batch.flush();
}

}  // namespace promocionesQEX::demo
