// Explicacion: why a promotion did or did not apply. For the same inputs as
// Get_Promocion, Get_Promocion_Clasificador, Get_Promocion_Pv_Cantidad and
// Get_Promocion_Pv_Importe it lists every candidate row (the rows of the
// product, the line, or the Pv promotions whose classifier fits the product
// or the sale's group), each with one verdict per condition of the lookup,
// in the order the lookup's statement tests them; then which candidate wins
// and why, and the answer the lookup gives.
//
// Each condition is the lookup's own statement fragment, evaluated by the
// database on that row, so a verdict never disagrees with the lookup's
// statement; the winner is chosen by the lookup's rules (scope levels
// customer first, the statement's order within a level) and the answer is
// read from it by the lookup's own code. Only SELECTs and the lookups'
// "SET DATEFIRST 1" are sent. A value the database cannot compare (NULL)
// gives No_Evaluable; a count that overflows, or any other error the lookup
// would meet, is reported in Error_Numero/Error instead of being raised.
// Errors of the database itself (a missing table) are raised.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "promocionesQEX/DateTime.h"
#include "promocionesQEX/Export.h"
#include "promocionesQEX/Records.h"

namespace promocionesQEX {

enum class Veredicto { Cumple, No_Cumple, No_Evaluable };

// One condition tested on one row. Names: "unidad", "cantidad", "importe",
// "horario", "dia", "talla", "color", "sucursal", "nivel", "ambito",
// "vigencia", "estado".
struct tCondicion {
  std::string Nombre;
  Veredicto Resultado = Veredicto::No_Evaluable;
  std::string Valor;  // what the row holds ("NULL" for a null)
  std::string Venta;  // what the sale brings to the test
};

struct tCandidato {
  std::string Folio;
  std::string Comentario;
  std::string Nivel;  // the lookup's scope code the row is for, or ""
  std::vector<tCondicion> Condiciones;
  bool Cumple = false;  // every condition holds: the statement returns it
  // Applications (Get_Promocion's winner) or times earned (Pv rows that
  // hold), when the count can be made.
  long Veces = 0;
  std::string Nota;  // why the count could not be made, or ""
};

// The candidates of one search: one group for each lookup but
// Get_Promocion_Pv_Importe, which has one per group of its sum.
struct tGrupoExplicado {
  std::string Clave;    // product, line, or the group's six keys
  std::string Importe;  // Get_Promocion_Pv_Importe: the group's sum
  std::vector<tCandidato> Candidatos;  // in the lookup's order
};

struct tGanador {
  std::size_t Grupo = 0;      // index in Grupos
  std::size_t Candidato = 0;  // index in that group's Candidatos
  std::string Folio;
  std::string Nivel;
  long Veces = 0;
  std::string Razon;
};

struct tExplicacion {
  std::string Consulta;    // the lookup explained, e.g. "Get_Promocion"
  std::string Situacion;   // what stopped or limited the search, or ""
  std::string Niveles;     // the customer's levels, "CL=C1, CA=CAD1, ..."
  std::vector<tGrupoExplicado> Grupos;
  // Get_Promocion and Get_Promocion_Clasificador: none or one. Pv lookups:
  // every promotion found, in the order the list receives them.
  std::vector<tGanador> Ganadores;
  std::string Resumen;
  // The lookup's answer.
  tPromocion Promocion;   // Get_Promocion
  tCategoria Categoria;   // Get_Promocion_Clasificador
  std::string Lista_Pv;   // the Pv lookups
  // The error the lookup raises (Get_Promocion, Get_Promocion_Clasificador)
  // or catches into Error (Pv lookups, which then answer ""); 0 for none.
  long Error_Numero = 0;
  std::string Error;
};

// The text of a verdict: "cumple", "no cumple", "no evaluable".
PROMOCIONESQEX_API const char* texto_veredicto(Veredicto v);

class PROMOCIONESQEX_API Explicacion {
 public:
  // Runs this thread's start-up first when it has not run, as Promociones.
  Explicacion();

  tExplicacion Explica_Promocion(
      const DateTime& Fecha, const std::string& Sc_Cve_Sucursal,
      const std::string& Cl_Cve_Cliente, const std::string& Pr_Cve_Producto,
      const std::string& Tl_Cve_Talla, const std::string& Cl_Cve_Color,
      double Cantidad, const std::string& Un_Cve_Unidad);
  tExplicacion Explica_Promocion_Clasificador(
      const DateTime& Fecha, const std::string& Cl_Cve_Cliente,
      const std::string& Sc_Cve_Sucursal, const std::string& Linea);
  // The time of day comes from the services' clock, as in the lookup.
  tExplicacion Explica_Promocion_Pv_Cantidad(
      const DateTime& Fecha, const std::string& Sc_Cve_Sucursal,
      const std::string& Cl_Cve_Cliente, const std::string& Pr_Cve_Producto,
      double Cantidad);
  tExplicacion Explica_Promocion_Pv_Importe(const DateTime& Fecha,
                                            const std::string& Sc_Cve_Sucursal,
                                            const std::string& Cl_Cve_Cliente,
                                            const std::string& Ppv_ID);
};

}  // namespace promocionesQEX
