#include <gtest/gtest.h>

#include "ado/sqlite/TsqlRewriter.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::sqlite {
namespace {

struct RewriteCase {
  const char* name;
  const char* input;
  const char* expected;
};

// Test names are enough to tell the cases apart in failure messages.
void PrintTo(const RewriteCase& c, std::ostream* out) { *out << c.name; }

class RewritesStatement : public ::testing::TestWithParam<RewriteCase> {};

TEST_P(RewritesStatement, ToTheSqliteText) {
  const RewrittenStatement out = rewrite_tsql(GetParam().input);
  EXPECT_EQ(out.sql, GetParam().expected);
  EXPECT_FALSE(out.datefirst.has_value());
}

// The weekday condition of the promotion lookups, as they write it.
constexpr const char* kWeekday =
    "   PATINDEX ('%' + rtrim(ltrim(str(datepart(weekday,'20261205')))) + "
    "'%', Prm_Dias_Aplicacion ) > 0 and ";
constexpr const char* kWeekdayRewritten =
    "   PATINDEX ('%' || rtrim(ltrim(str(datepart('weekday','20261205')))) || "
    "'%', Prm_Dias_Aplicacion ) > 0 and ";

// The Pv promotion query's select list, GROUP BY and ORDER BY.
constexpr const char* kPvQuery =
    "SELECT    Pp.Pp_Folio,    Pp.Pp_Comentario,    Pp.Pp_Tipo_Valor FROM "
    "Promocion_Pv Pp    INNER JOIN Promocion_Pv_Clasificador Ppc on "
    "Pp.Pp_Folio = Ppc.Pp_Folio WHERE    Pp.Pp_Tipo = '02' GROUP BY    "
    "Pp.Pp_Folio,    Pp.Pp_Comentario,    Pp.Pp_Tipo_Valor ORDER BY    "
    "Pp_Folio DESC ";
constexpr const char* kPvQueryRewritten =
    "SELECT    Pp.Pp_Folio AS Pp_Folio,    Pp.Pp_Comentario AS Pp_Comentario, "
    "   Pp.Pp_Tipo_Valor AS Pp_Tipo_Valor FROM "
    "Promocion_Pv Pp    INNER JOIN Promocion_Pv_Clasificador Ppc on "
    "Pp.Pp_Folio = Ppc.Pp_Folio WHERE    Pp.Pp_Tipo = '02' GROUP BY    "
    "Pp.Pp_Folio,    Pp.Pp_Comentario,    Pp.Pp_Tipo_Valor ORDER BY    "
    "Pp_Folio DESC ";

INSTANTIATE_TEST_SUITE_P(
    Concatenation, RewritesStatement,
    ::testing::Values(
        RewriteCase{"WeekdayCondition", kWeekday, kWeekdayRewritten},
        RewriteCase{"ColumnsJoinedWithText",
                    "SELECT Cl_Nombre + ' ' + Cl_Apellido FROM Cliente",
                    "SELECT Cl_Nombre || ' ' || Cl_Apellido FROM Cliente"},
        RewriteCase{"QualifiedColumnAndText", "SELECT t.a + 'x' FROM t",
                    "SELECT t.a || 'x' FROM t"},
        RewriteCase{"StringFunctionResults",
                    "SELECT LTRIM(RTRIM(d)) + SUBSTRING(c, 1, 2) FROM p",
                    "SELECT LTRIM(RTRIM(d)) || SUBSTRING(c, 1, 2) FROM p"},
        RewriteCase{"ParenthesizedTextChain", "SELECT ('a' + b) + c FROM t",
                    "SELECT ('a' || b) || c FROM t"},
        RewriteCase{"InsideCaseOnly",
                    "SELECT CASE WHEN a = 1 THEN 'x' + b ELSE c END + 1 FROM t",
                    "SELECT CASE WHEN a = 1 THEN 'x' || b ELSE c END + 1 FROM "
                    "t"},
        RewriteCase{"NationalStringOperand", "SELECT N'a' + b FROM t",
                    "SELECT 'a' || b FROM t"},
        RewriteCase{"AdjacentRewrittenTokens", "SELECT N'a'+N'b'+[c]",
                    "SELECT 'a'||'b'||\"c\""},
        // The chain goes on after the END of a CASE with chains of its own.
        RewriteCase{
            "ChainAfterCaseEnd",
            "SELECT a, CASE WHEN b = 1 THEN c ELSE d END + 'x' FROM t",
            "SELECT a, CASE WHEN b = 1 THEN c ELSE d END || 'x' FROM t"},
        RewriteCase{"ChainsInsideAndAroundACall",
                    "SELECT f(a + 'b', c + 1) + 'd' FROM t",
                    "SELECT f(a || 'b', c + 1) || 'd' FROM t"},
        RewriteCase{"ChainInASecondArgument", "SELECT f(1, 2 + 3, x + 'y')",
                    "SELECT f(1, 2 + 3, x || 'y')"},
        RewriteCase{"NameWithAKeywordPart",
                    "SELECT x FROM t WHERE t.[from] + 'a' = 'b'",
                    "SELECT x FROM t WHERE t.\"from\" || 'a' = 'b'"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    LeftAlone, RewritesStatement,
    ::testing::Values(
        RewriteCase{"NumericPlus", "SELECT a + 1, b + c FROM t WHERE d = -1",
                    "SELECT a + 1, b + c FROM t WHERE d = -1"},
        RewriteCase{"NumericFunctionPlus", "SELECT LEN(a) + 1 FROM t",
                    "SELECT LEN(a) + 1 FROM t"},
        RewriteCase{"PlusInsideString", "SELECT a FROM t WHERE b = 'x + y'",
                    "SELECT a FROM t WHERE b = 'x + y'"},
        RewriteCase{"PlusInsideLineComment", "SELECT a -- 'x' + 'y'\nFROM t",
                    "SELECT a -- 'x' + 'y'\nFROM t"},
        RewriteCase{"PlusInsideBlockComment", "SELECT a /* 'x' + 1 */ FROM t",
                    "SELECT a /* 'x' + 1 */ FROM t"},
        RewriteCase{"SemicolonInsideString", "SELECT 'a;b' FROM t;",
                    "SELECT 'a;b' FROM t;"},
        RewriteCase{"InsertValues",
                    "INSERT INTO t(  a,  b )VALUES(   'x', 1E+20 , -2.5) ",
                    "INSERT INTO t(  a,  b )VALUES(   'x', 1E+20 , -2.5) "},
        RewriteCase{"NoOrderBy", "SELECT Pp.Pp_Folio FROM Promocion_Pv Pp",
                    "SELECT Pp.Pp_Folio FROM Promocion_Pv Pp"},
        RewriteCase{"NameSharedBySelectItems",
                    "SELECT a.X, b.X FROM a JOIN b ON a.k = b.k ORDER BY X",
                    "SELECT a.X, b.X FROM a JOIN b ON a.k = b.k ORDER BY X"},
        RewriteCase{"AliasedItem",
                    "SELECT Pp.Pp_Folio AS F FROM Promocion_Pv Pp ORDER BY F",
                    "SELECT Pp.Pp_Folio AS F FROM Promocion_Pv Pp ORDER BY F"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Quoting, RewritesStatement,
    ::testing::Values(
        RewriteCase{"NationalString", "SELECT N'año' AS x",
                    "SELECT 'año' AS x"},
        RewriteCase{"NationalStringWithQuote", "SELECT n'O''Hara'",
                    "SELECT 'O''Hara'"},
        RewriteCase{"BracketedNames",
                    "SELECT [Pp_Folio] FROM [Promocion Pv] WHERE [a]]b] = 1",
                    "SELECT \"Pp_Folio\" FROM \"Promocion Pv\" WHERE \"a]b\" = "
                    "1"},
        RewriteCase{"DoubleQuotedNameKept", "SELECT \"x\" FROM t",
                    "SELECT \"x\" FROM t"},
        RewriteCase{"NestedCommentBecomesSpace",
                    "SELECT 1 /* a /* b */ c */ FROM t", "SELECT 1   FROM t"},
        RewriteCase{"NestedCommentAfterAPlainOne",
                    "SELECT 1 /* a */ FROM t /* b /* c */ d */",
                    "SELECT 1 /* a */ FROM t  "},
        RewriteCase{"WholeTextOneNationalString", "N'a'", "'a'"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Names, RewritesStatement,
    ::testing::Values(
        RewriteCase{"PvQueryOrderByFolio", kPvQuery, kPvQueryRewritten},
        RewriteCase{"LowerCaseOrderBy",
                    "select Pp.Pp_Folio from Promocion_Pv Pp order by Pp_Folio",
                    "select Pp.Pp_Folio AS Pp_Folio from Promocion_Pv Pp order "
                    "by Pp_Folio"},
        RewriteCase{"OrderByOnlyInsideAString",
                    "SELECT Pp.Pp_Folio FROM Promocion_Pv Pp WHERE x = "
                    "'ORDER BY'",
                    "SELECT Pp.Pp_Folio FROM Promocion_Pv Pp WHERE x = "
                    "'ORDER BY'"},
        RewriteCase{"SubqueryWithOrderBy",
                    "SELECT x FROM (SELECT a.X FROM a ORDER BY X) s",
                    "SELECT x FROM (SELECT a.X AS X FROM a ORDER BY X) s"},
        RewriteCase{"DatePartNames",
                    "SELECT DATEPART(year, d), DatePart ( Weekday , d ) FROM t",
                    "SELECT DATEPART('year', d), DatePart ( 'Weekday' , d ) "
                    "FROM t"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RewriteSetDatefirst, BecomesASettingAndNoStatement) {
  const RewrittenStatement one = rewrite_tsql("SET DATEFIRST 1");
  EXPECT_EQ(one.sql, "");
  EXPECT_EQ(one.datefirst, 1);
  const RewrittenStatement seven = rewrite_tsql("  set datefirst 7 ; -- back");
  EXPECT_EQ(seven.datefirst, 7);
}

struct RefusedCase {
  const char* name;
  const char* input;
  const char* message_part;
};

void PrintTo(const RefusedCase& c, std::ostream* out) { *out << c.name; }

class RefusesStatement : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusesStatement, WithAClearError) {
  try {
    rewrite_tsql(GetParam().input);
    FAIL() << "rewritten: " << GetParam().input;
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), 1);
    EXPECT_NE(e.description().find(GetParam().message_part), std::string::npos)
        << e.description();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Refused, RefusesStatement,
    ::testing::Values(
        RefusedCase{"TwoStatements", "SELECT 1; SELECT 2",
                    "more than one statement"},
        RefusedCase{"TwoStatementsAfterComment",
                    "DELETE FROM t; /* x */ DELETE FROM u",
                    "more than one statement"},
        RefusedCase{"OtherSet", "SET NOCOUNT ON", "Only SET DATEFIRST n"},
        RefusedCase{"DatefirstOutOfRange", "SET DATEFIRST 8",
                    "between 1 and 7"},
        RefusedCase{"DatefirstNotANumber", "SET DATEFIRST x",
                    "Only SET DATEFIRST n"},
        RefusedCase{"EmptyText", "", "empty"},
        RefusedCase{"OnlyAComment", "  -- nothing\n", "empty"},
        RefusedCase{"UnterminatedString", "SELECT 'abc", "Unterminated string"},
        RefusedCase{"UnterminatedName", "SELECT [abc", "Unterminated [name]"},
        RefusedCase{"UnterminatedComment", "SELECT 1 /* x",
                    "Unterminated /* comment"},
        RefusedCase{"TextPlusNumberLiteral", "SELECT '%' + 7",
                    "adds a number to a text"},
        RefusedCase{"TextPlusNumericFunction", "SELECT 'a' + LEN(x) FROM t",
                    "adds a number to a text"},
        RefusedCase{"TextChainWithMinus", "SELECT 'a' + b - c FROM t",
                    "adds a number to a text"},
        RefusedCase{"TextMinusWithoutAnyPlus", "SELECT 'a' - b FROM t",
                    "adds a number to a text"},
        // A parenthesised text chain keeps its type in the chain around it.
        RefusedCase{"TextGroupPlusNumber",
                    "SELECT x FROM t WHERE ('a' + b) + 1 = 2",
                    "adds a number to a text"},
        RefusedCase{"TextCasePlusNumberInsideCase",
                    "SELECT CASE WHEN a = 1 THEN 'x' + 2 END FROM t",
                    "adds a number to a text"},
        RefusedCase{"ProductInATextChain", "SELECT a * b + 'x', d",
                    "adds a number to a text"},
        RefusedCase{"NumberSignedAfterText", "SELECT 'a' + -1 + 'b'",
                    "adds a number to a text"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace promocionesQEX::sqlite
