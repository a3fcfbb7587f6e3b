// What the companion components keep in the database for the demo store:
// parameters, users and their permissions, folio sequences and the stored
// pick-list query of Pv promotion details.
#include <string>
#include <vector>

#include "BatchInsert.h"
#include "DemoWriters.h"

namespace promocionesQEX::demo {
namespace {

// The details of a Pv promotion with their product, kind, value and the
// stock of the product where the sale happens. {PARAMETROS} becomes a
// condition on Existencia (branch and warehouse), {FOLIO} the folio.
const char* const kPvDetailQuery =
    "SELECT Ppd.Ppd_ID, "
    "Ppd.Ppd_Producto, "
    "Producto.Pr_Descripcion, "
    "Ppd.Ppd_Tipo, "
    "Ppd.Ppd_Valor, "
    "COALESCE(SUM(Existencia.Ex_Existencia), 0) AS Ex_Existencia "
    "FROM Promocion_Pv_Detalle Ppd "
    "INNER JOIN Producto ON Producto.Pr_Cve_Producto = Ppd.Ppd_Producto "
    "LEFT JOIN Existencia ON Existencia.Pr_Cve_Producto = Ppd.Ppd_Producto "
    "AND {PARAMETROS} "
    "WHERE Ppd.Pp_Folio = '{FOLIO}' AND Ppd.Es_Cve_Estado <> 'BA' "
    "GROUP BY Ppd.Ppd_ID, Ppd.Ppd_Producto, Producto.Pr_Descripcion, "
    "Ppd.Ppd_Tipo, Ppd.Ppd_Valor "
    "ORDER BY Ppd.Ppd_ID";

struct User {
  const char* key;
  const char* name;
  const char* status;
  std::vector<std::pair<const char*, const char*>> permissions;
};

void write_parameters(Connection& connection) {
  BatchInsert batch(connection, "Parametro",
                    {"Pa_Nombre", "Pa_Tipo", "Pa_Valor", "Pa_Descripcion"});
  batch.row()
      .text("PED_VALIDAR_DISPONIBILIDAD_PARA_PROMOCION")
      .text("B")
      .text("1")
      .text("Validar la existencia de los productos de promoción al aceptar")
      .end();
  batch.row()
      .text("VEN_PROMOCION_IMPORTE_AGRUPADOR")
      .text("T")
      .text("CT,DP,LN")
      .text(
          "Niveles por los que se suma la venta en las promociones por "
          "importe")
      .end();
  batch.flush();
}

void write_users(Connection& connection) {
  const std::vector<User> users = {
      {"SUPERVISOR",
       "Supervisora de piso",
       "LI",
       {{"VENTAS", "PROM01"}, {"VENTAS", "PROM02"}}},
      {"CAJERO", "Cajero", "LI", {{"VENTAS", "PROM01"}}},
      {"GERENTE", "Gerente de sucursal", "LI", {{"VENTAS", "PROM02"}}},
      {"VENDEDOR", "Vendedor de piso", "LI", {{"DEVOLUCIONES", "PROM02"}}},
      {"EXEMPLEADO", "Usuario dado de baja", "BA", {{"VENTAS", "PROM02"}}},
  };
  BatchInsert accounts(connection, "Usuario",
                       {"Us_Cve_Usuario", "Us_Nombre", "Es_Cve_Estado"});
  BatchInsert permissions(
      connection, "Usuario_Permiso",
      {"Us_Cve_Usuario", "Tr_Cve_Transaccion", "Pe_Cve_Permiso"});
  for (const auto& user : users) {
    accounts.row().text(user.key).text(user.name).text(user.status).end();
    for (const auto& [transaction, permission] : user.permissions) {
      permissions.row().text(user.key).text(transaction).text(permission).end();
    }
  }
  accounts.flush();
  permissions.flush();
}

void write_folio_sequences(Connection& connection) {
  BatchInsert batch(connection, "Folio_Consecutivo",
                    {"Fc_Consecutivo", "Fc_Siguiente"});
  batch.row().text("PROMOCION_DESCUENTO_GLOBAL").number(1).end();
  batch.flush();
}

}  // namespace

void write_companion_data(Connection& connection) {
  write_parameters(connection);
  write_users(connection);
  write_folio_sequences(connection);
  BatchInsert queries(connection, "Consulta", {"Co_Nombre", "Co_Texto"});
  queries.row().text("PROMOCION_PV_DETALLE").text(kPvDetailQuery).end();
  queries.flush();
}

}  // namespace promocionesQEX::demo
