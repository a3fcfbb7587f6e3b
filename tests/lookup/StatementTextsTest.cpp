// The texts each lookup sends, to the character, as the recording
// connection saw them. The customer, branch, product, line, classifier type,
// sale and one scope key hold a single quote, which must arrive doubled.
#include <gtest/gtest.h>

#include <tuple>

#include "LookupFixture.h"
#include "frame/Publico.h"

namespace promocionesQEX::testing {
namespace {

const std::string kScopeStatement =
    "SELECT    Cc_Cve_Cadena_Comercial,    Sg_Cve_Segmento,    "
    "Gc_Cve_Grupo_Comercial,    Rt_Cve_Ruta FROM Cliente WHERE Cl_Cve_Cliente "
    "= 'O''Brien'";

std::string quantity_level(const std::string& code, const std::string& value) {
  return "SELECT "
         " * FROM    Promocion_1x WHERE    Prm_Producto_Venta = 'P''1' AND    "
         "Prm_Unidad_Venta = 'PZA' AND    Prm_Cantidad_Venta <= 2.5 AND    "
         "'1899-12-30 09:05:07' between Prm_Hora_Inicial AND Prm_Hora_Final "
         "AND    PATINDEX ('%' + "
         "rtrim(ltrim(str(datepart(weekday,'20261207')))) + '%', "
         "Prm_Dias_Aplicacion ) > 0 and    (Prm_Talla_Venta = 'M' OR "
         "Prm_Talla_Venta = '%') AND    (Prm_Color_Venta = 'RJ' OR "
         "Prm_Color_Venta = '%') AND    (Prm_Sucursal = 'S''1' OR Prm_Sucursal "
         "= '%') AND    Prm_Tipo = '" +
         code + "' AND    Prm_Valor_Busqueda = '" + value +
         "' AND    '20261207' BETWEEN Prm_Fecha_Inicial AND Prm_Fecha_Final "
         "AND    Es_Cve_Estado ='LI' ORDER BY    Prm_Folio DESC, "
         "Prm_Cantidad_Promocion DESC";
}

std::string classifier_level(const std::string& code,
                             const std::string& value) {
  return "SELECT "
         " * FROM    Promocion_Clasificador WHERE    Pc_Tipo_Clasificador = "
         "'LN' AND    Pc_Valor_Clasificador = 'L''1' AND    '1899-12-30 "
         "09:05:07' between Pc_Hora_Inicial AND Pc_Hora_Final AND    PATINDEX "
         "('%' + rtrim(ltrim(str(datepart(weekday,'20261207')))) + '%', "
         "Pc_Dias_Aplicacion ) > 0 and    (Pc_Sucursal = 'S''1' OR Pc_Sucursal "
         "= '%') AND    Pc_Tipo = '" +
         code + "' AND    Pc_Valor_Busqueda = '" + value +
         "' AND    '20261207' BETWEEN Pc_Fecha_Inicial AND Pc_Fecha_Final "
         "AND    Es_Cve_Estado ='LI' ORDER BY    Pc_Folio DESC, Pc_Cantidad "
         "DESC";
}

const std::string kPvHead =
    "SELECT    Pp.Pp_Folio,    Pp.Pp_Comentario,    Pp.Pp_Tipo_Valor FROM "
    "Promocion_Pv Pp    INNER JOIN Promocion_Pv_Clasificador Ppc on "
    "Pp.Pp_Folio = Ppc.Pp_Folio WHERE ";

const std::string kPvClassification =
    "   (Ppc.Ppc_Categoria = 'CT''1' OR Ppc.Ppc_Categoria = '%') AND    "
    "(Ppc.Ppc_Departamento = 'DP1' OR Ppc.Ppc_Departamento = '%') AND    "
    "(Ppc.Ppc_Marca = 'MR1' OR Ppc.Ppc_Marca = '%') AND    (Ppc.Ppc_Linea = "
    "'LN1' OR Ppc.Ppc_Linea = '%') AND    (Ppc.Ppc_Familia = 'FM1' OR "
    "Ppc.Ppc_Familia = '%') AND    (Ppc.Ppc_SubFamilia = 'SF1' OR "
    "Ppc.Ppc_SubFamilia = '%') AND ";

// The Pv statement of one level: `head`, then the schedule and scope. The
// clock says 08:04:03 on another day: the time comes from it, without
// leading zeros; the dates come from the sale's Fecha.
auto pv_level(const std::string& head) {
  return [head](const std::string& code, const std::string& value) {
    return head +
           "   '1899-12-30 8:4:3.000' BETWEEN Pp.Pp_Hora_Inicial AND "
           "Pp.Pp_Hora_Final AND    PATINDEX ('%' + "
           "rtrim(ltrim(str(DATEPART(weekday,'20261207')))) + '%', "
           "Pp.Pp_Dias_Aplicacion ) > 0 AND    (Pp.Pp_Sucursal = 'S''1' OR "
           "Pp.Pp_Sucursal = '%') AND    Pp.Pp_Aplicar = '" +
           code + "' AND    (Pp.Pp_Aplicar_Valor = '" + value +
           "' OR Pp.Pp_Aplicar_Valor = '%') AND    '20261207' BETWEEN "
           "Pp.Pp_Fecha_Inicial AND Pp.Pp_Fecha_Final AND    Pp.Es_Cve_Estado "
           "='LI' GROUP BY    Pp.Pp_Folio,    Pp.Pp_Comentario,    "
           "Pp.Pp_Tipo_Valor ORDER BY    Pp_Folio DESC ";
  };
}

// `head`, then the statement `level` builds for each scope code in turn.
template <class Level>
std::vector<std::string> per_level(std::vector<std::string> head, Level level,
                                   const std::vector<std::string>& codes) {
  const std::string keys[] = {"O''Brien", "CAD1", "GRU1", "RUT1", "SE''G"};
  for (size_t i = 0; i < codes.size(); ++i) {
    head.push_back(level(codes[i], keys[i]));
  }
  return head;
}

const std::string kSumFrom =
    "   SUM(Ppv_Importe) as Ppv_Importe FROM Producto INNER JOIN "
    "Promocion_Pv_Venta ON Promocion_Pv_Venta.Ppv_Producto = "
    "Producto.Pr_Cve_Producto WHERE Promocion_Pv_Venta.Ppv_ID = 'V''1' ";

class StatementTextsTest : public LookupTest {
 protected:
  StatementTextsTest() {
    add_customer({"O'Brien", "CAD1", "GRU1", "RUT1", "SE'G"});
    add_product("P'1", {"CT'1", "DP1", "MR1", "LN1", "FM1", "SF1"});
    add_sale_line({"V'1", "P'1", "100"});
    fakes.servicios->ahora = DateTime{2026, 12, 5, 8, 4, 3, 0};
  }
};

// Found nowhere, a known customer gets size and colour "00" (not the
// sale's) and a classifier promotion of zeros.
TEST_F(StatementTextsTest, QuantityPromotionTriesEveryLevelWithItsOwnTexts) {
  EXPECT_EQ(promociones->Get_Promocion(kMonday, "S'1", "O'Brien", "P'1", "M",
                                       "RJ", 2.5, "PZA"),
            (tPromocion{"", "00", "00", 0, "", "", "", "", ""}));
  EXPECT_EQ(statements(),
            per_level({kScopeStatement, "SET DATEFIRST 1"}, quantity_level,
                      {"CL", "CA", "GR", "RU", "SE"}));
  // The last statement built stays in the module's text.
  EXPECT_EQ(publico().gsSQL, quantity_level("SE", "SE''G"));
}

TEST_F(StatementTextsTest, ClassifierPromotionTriesEveryLevelWithItsOwnTexts) {
  EXPECT_EQ(promociones->Get_Promocion_Clasificador(kMonday, "O'Brien", "S'1",
                                                    "L'1", 5),
            tCategoria{});

  EXPECT_EQ(statements(),
            per_level({kScopeStatement, "SET DATEFIRST 1"}, classifier_level,
                      {"CL", "CA", "GR", "RU", "SE"}));
}

TEST_F(StatementTextsTest, PromotionsInForceSendOneStatementOnly) {
  EXPECT_FALSE(
      promociones->Get_Promocion_Vigentes(kMonday, "O'Brien", "S'1", "L'N"));

  EXPECT_EQ(statements(),
            std::vector<std::string>{
                "SELECT  * FROM    Promocion_Clasificador WHERE    "
                "Pc_Tipo_Clasificador = 'L''N' AND    '1899-12-30 09:05:07' "
                "between Pc_Hora_Inicial AND Pc_Hora_Final AND    '20261207' "
                "BETWEEN Pc_Fecha_Inicial AND Pc_Fecha_Final AND    "
                "(Pc_Sucursal = 'S''1' OR Pc_Sucursal = '%') AND    "
                "Es_Cve_Estado ='LI' ORDER BY    Pc_Folio DESC, Pc_Cantidad "
                "DESC"});
}

TEST_F(StatementTextsTest, PvByQuantityReadsProductThenEveryLevel) {
  promociones->Get_Promocion_Pv_Cantidad(kMonday, "S'1", "O'Brien", "P'1", 2.5);

  const std::string product =
      "SELECT Pr_Cve_Producto,    Ct_Cve_Categoria,    Dp_Cve_Departamento,    "
      "Mr_Cve_Marca,    Ln_Cve_Linea,    Fm_Cve_Familia,    Sf_Cve_SubFamilia,"
      "    Pr_Tipo_Producto FROM Producto WHERE Pr_Cve_Producto = 'P''1' AND "
      "   Es_Cve_Estado <> 'BA' ";
  const std::string head =
      kPvHead + "   Pp.Pp_Tipo = '02' AND    Pp.Pp_Tipo_Valor <= 2.5 AND " +
      kPvClassification +
      "   (Ppc.Ppc_Producto = 'P''1' OR Ppc.Ppc_Producto = '%') AND ";
  EXPECT_EQ(statements(),
            per_level({kScopeStatement, product, "SET DATEFIRST 1"},
                      pv_level(head), {"CL", "CA", "GR", "RU", "SG"}));
}

TEST_F(StatementTextsTest, PvByAmountSumsTheSaleThenTestsEachGroup) {
  promociones->Get_Promocion_Pv_Importe(kMonday, "S'1", "O'Brien", "V'1");

  const std::string sum =
      "SELECT     Ct_Cve_Categoria,  Dp_Cve_Departamento,  Mr_Cve_Marca,  "
      "Ln_Cve_Linea,  Fm_Cve_Familia,  Sf_Cve_SubFamilia,  Pr_Cve_Producto, " +
      kSumFrom +
      "GROUP BY     Ct_Cve_Categoria, Dp_Cve_Departamento, Mr_Cve_Marca, "
      "Ln_Cve_Linea, Fm_Cve_Familia, Sf_Cve_SubFamilia, Pr_Cve_Producto";
  const std::string head = kPvHead +
                           "   Pp.Pp_Tipo = '01' AND    Pp.Pp_Tipo_Valor <= "
                           "100 AND " +
                           kPvClassification;
  EXPECT_EQ(statements(),
            per_level({kScopeStatement, sum, "SET DATEFIRST 1"}, pv_level(head),
                      {"CL", "CC", "GC", "RT", "SG"}));
  EXPECT_EQ(fakes.sesion->calls.front(),
            "Get_Parametro(VEN_PROMOCION_IMPORTE_AGRUPADOR|0|T|CT,DP,MR,LN,FM,"
            "SF,PR)");
}

TEST_F(StatementTextsTest, PvSumListsFollowTheGroupingParameter) {
  const std::string all =
      "Ct_Cve_Categoria, Dp_Cve_Departamento, Mr_Cve_Marca, Ln_Cve_Linea, "
      "Fm_Cve_Familia, Sf_Cve_SubFamilia, Pr_Cve_Producto";
  // The parameter, the sum's columns and its GROUP BY.
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {"", "   " + all + ", ", "GROUP BY       " + all + " "},
      {"CT",
       " Ct_Cve_Categoria,  '%' as Dp_Cve_Departamento,  '%' as Mr_Cve_Marca,  "
       "'%' as Ln_Cve_Linea,  '%' as Fm_Cve_Familia,  '%' as "
       "Sf_Cve_SubFamilia,  '%' as Pr_Cve_Producto, ",
       "GROUP BY     Ct_Cve_Categoria"},
      // Codes are matched case-sensitively: none present, no GROUP BY.
      {"ct,dp,mr,ln,fm,sf,pr",
       " '%' as Ct_Cve_Categoria,  '%' as Dp_Cve_Departamento,  '%' as "
       "Mr_Cve_Marca,  '%' as Ln_Cve_Linea,  '%' as Fm_Cve_Familia,  '%' as "
       "Sf_Cve_SubFamilia,  '%' as Pr_Cve_Producto, ",
       ""},
  };
  for (const auto& [grouping, columns, group_by] : cases) {
    forget_calls();
    fakes.sesion->parametros["VEN_PROMOCION_IMPORTE_AGRUPADOR"] = grouping;
    promociones->Get_Promocion_Pv_Importe(kMonday, "S'1", "O'Brien", "V'1");
    EXPECT_EQ(promociones->get_Error(), "");
    EXPECT_EQ(statements().at(1), "SELECT    " + columns + kSumFrom + group_by)
        << grouping;
  }
}

}  // namespace
}  // namespace promocionesQEX::testing
