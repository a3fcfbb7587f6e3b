// The statement rewriter, input to output: what it turns into SQLite's
// dialect, what it must leave alone, and what it refuses.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "ado/sqlite/TsqlLexer.h"
#include "ado/sqlite/TsqlRewriter.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::sqlite {
namespace {

struct RewriteCase {
  const char* input;
  const char* expected;
};

TEST(TsqlRewriter, RewritesToTheSqliteText) {
  const RewriteCase cases[] = {
      // The weekday condition of the promotion lookups.
      {"PATINDEX ('%' + rtrim(ltrim(str(datepart(weekday,'20261205')))) + "
       "'%', Dias ) > 0",
       "PATINDEX ('%' || rtrim(ltrim(str(datepart('weekday','20261205')))) || "
       "'%', Dias ) > 0"},
      {"SELECT Cl_Nombre + ' ' + t.Ap FROM Cliente",
       "SELECT Cl_Nombre || ' ' || t.Ap FROM Cliente"},
      {"SELECT ('a' + b) + c FROM t", "SELECT ('a' || b) || c FROM t"},
      {"SELECT CASE WHEN a = 1 THEN 'x' + b ELSE c END + 1 FROM t",
       "SELECT CASE WHEN a = 1 THEN 'x' || b ELSE c END + 1 FROM t"},
      {"SELECT CASE WHEN b = 1 THEN c ELSE d END + 'x' FROM t",
       "SELECT CASE WHEN b = 1 THEN c ELSE d END || 'x' FROM t"},
      {"SELECT f(a + 'b', c + 1) + 'd' FROM t",
       "SELECT f(a || 'b', c + 1) || 'd' FROM t"},
      {"SELECT N'a'+N'b'+[c]", "SELECT 'a'||'b'||\"c\""},
      {"SELECT x FROM t WHERE t.[from] + 'a' = 'b'",
       "SELECT x FROM t WHERE t.\"from\" || 'a' = 'b'"},
      {"SELECT n'O''Hara', N'año'", "SELECT 'O''Hara', 'año'"},
      {"SELECT [Pp_Folio] FROM [Promocion Pv] WHERE [a]]b] = 1",
       "SELECT \"Pp_Folio\" FROM \"Promocion Pv\" WHERE \"a]b\" = 1"},
      {"SELECT 1 /* a */ FROM t /* b /* c */ d */",
       "SELECT 1 /* a */ FROM t  "},
      // ORDER BY a bare name of a qualified select item: the item is named.
      {"select Pp.Pp_Folio, Pp.X from P Pp order by Pp_Folio DESC",
       "select Pp.Pp_Folio AS Pp_Folio, Pp.X AS X from P Pp order by "
       "Pp_Folio DESC"},
      {"SELECT x FROM (SELECT a.X FROM a ORDER BY X) s",
       "SELECT x FROM (SELECT a.X AS X FROM a ORDER BY X) s"},
      {"SELECT DATEPART(year, d), DatePart ( Weekday , d ) FROM t",
       "SELECT DATEPART('year', d), DatePart ( 'Weekday' , d ) FROM t"},
      // Left alone, to the character.
      {"SELECT a + 1, LEN(b) + c FROM t WHERE d = -1", nullptr},
      {"SELECT a FROM t WHERE b = 'x + y;'", nullptr},
      {"SELECT a -- 'x' + 'y'\nFROM t /* 'x' + 1 */", nullptr},
      {"INSERT INTO t(  a,  b )VALUES(   'x', 1E+20 , -2.5) ", nullptr},
      {"SELECT \"x\" FROM t WHERE y = 'ORDER BY'", nullptr},
      {"SELECT a.X, b.X FROM a JOIN b ON a.k = b.k ORDER BY X", nullptr},
      {"SELECT P.Folio AS F FROM P ORDER BY F", nullptr},
  };
  for (const RewriteCase& c : cases) {
    const RewrittenStatement out = rewrite_tsql(c.input);
    EXPECT_EQ(out.sql, c.expected ? c.expected : c.input) << c.input;
    EXPECT_FALSE(out.datefirst.has_value()) << c.input;
  }
}

TEST(TsqlRewriter, SetDatefirstBecomesASettingAndNoStatement) {
  const RewrittenStatement one = rewrite_tsql("SET DATEFIRST 1");
  EXPECT_EQ(one.sql, "");
  EXPECT_EQ(one.datefirst, 1);
  EXPECT_EQ(rewrite_tsql("  set datefirst 7 ; -- back").datefirst, 7);
}

TEST(TsqlRewriter, RefusesWithAClearError) {
  const RewriteCase cases[] = {
      {"DELETE FROM t; /* x */ DELETE FROM u", "more than one statement"},
      {"SET NOCOUNT ON", "Only SET DATEFIRST n"},
      {"SET DATEFIRST 8", "between 1 and 7"},
      {"  -- nothing\n", "empty"},
      {"SELECT 'abc", "Unterminated string"},
      {"SELECT [abc", "Unterminated [name]"},
      {"SELECT 1 /* x", "Unterminated /* comment"},
      {"SELECT '%' + 7", "adds a number to a text"},
      {"SELECT 'a' + LEN(x) FROM t", "adds a number to a text"},
      {"SELECT 'a' - b FROM t", "adds a number to a text"},
      {"SELECT x FROM t WHERE ('a' + b) + 1 = 2", "adds a number to a text"},
      {"SELECT a * b + 'x', d", "adds a number to a text"},
      {"SELECT 'a' + -1 + 'b'", "adds a number to a text"},
  };
  for (const RewriteCase& c : cases) {
    try {
      rewrite_tsql(c.input);
      ADD_FAILURE() << "rewritten: " << c.input;
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.number(), RuntimeError::kSqliteErrorBase + 1) << c.input;
      EXPECT_THAT(e.description(), ::testing::HasSubstr(c.expected)) << c.input;
    }
  }
}

TEST(TsqlLexer, KnowsKeywordsInAnyCaseAndNothingElse) {
  EXPECT_EQ(keyword_of("DataLength"), Keyword::Datalength);  // the longest
  EXPECT_EQ(keyword_of("bY"), Keyword::By);                  // the shortest
  EXPECT_EQ(keyword_of("asc"), Keyword::Asc);  // same initial and length
  EXPECT_EQ(keyword_of("avg"), Keyword::Avg);
  // Bytes that differ from a letter only in bit 5 are not that letter.
  for (const char* word :
       {"Pp_Folio", "SELECTS", "SELEC", "_SELECT", "A", "\x01ND",
        "A\x0E"
        "D",
        "Or\xC3\xB1"})
    EXPECT_EQ(keyword_of(word), Keyword::None) << word;
}

}  // namespace
}  // namespace promocionesQEX::sqlite
