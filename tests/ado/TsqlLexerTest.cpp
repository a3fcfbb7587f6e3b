// The lexer tells keywords, symbols and parenthesis depth once, and notes
// what a text holds so the rewriter can skip passes with nothing to do; a
// wrong note would leave a statement unrewritten.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "ado/sqlite/TsqlLexer.h"

namespace promocionesQEX::sqlite {
namespace {

TEST(KeywordOf, ReadsAKeywordInAnyLetterCase) {
  EXPECT_EQ(keyword_of("SELECT"), Keyword::Select);
  EXPECT_EQ(keyword_of("select"), Keyword::Select);
  EXPECT_EQ(keyword_of("SeLeCt"), Keyword::Select);
  EXPECT_EQ(keyword_of("datefirst"), Keyword::Datefirst);
  EXPECT_EQ(keyword_of("DataLength"), Keyword::Datalength);  // the longest
  EXPECT_EQ(keyword_of("by"), Keyword::By);                  // the shortest
  EXPECT_EQ(keyword_of("Ltrim"), Keyword::Ltrim);
}

TEST(KeywordOf, TellsKeywordsOfOneInitialAndLengthApart) {
  EXPECT_EQ(keyword_of("abs"), Keyword::Abs);
  EXPECT_EQ(keyword_of("all"), Keyword::All);
  EXPECT_EQ(keyword_of("and"), Keyword::And);
  EXPECT_EQ(keyword_of("asc"), Keyword::Asc);
  EXPECT_EQ(keyword_of("avg"), Keyword::Avg);
  EXPECT_EQ(keyword_of("Substr"), Keyword::Substr);
  EXPECT_EQ(keyword_of("Substring"), Keyword::Substring);
}

TEST(KeywordOf, LeavesOtherWordsAlone) {
  EXPECT_EQ(keyword_of("Pp_Folio"), Keyword::None);
  EXPECT_EQ(keyword_of("SELECTS"), Keyword::None);
  EXPECT_EQ(keyword_of("SELEC"), Keyword::None);
  EXPECT_EQ(keyword_of("_SELECT"), Keyword::None);
  EXPECT_EQ(keyword_of("A"), Keyword::None);
  EXPECT_EQ(keyword_of("DATALENGTHS"), Keyword::None);
  // Bytes that differ from a letter only in bit 5 are not that letter.
  EXPECT_EQ(keyword_of("\x01ND"), Keyword::None);
  EXPECT_EQ(keyword_of("A\x0E"
                       "D"),
            Keyword::None);
  EXPECT_EQ(keyword_of("Or\xC3\xB1"), Keyword::None);
}

// Each token as "offset:text|".
std::string placed_texts(const TokenizedText& lexed) {
  std::string text;
  for (const Token& t : lexed.tokens) {
    text += std::to_string(t.offset) + ":" + std::string(t.text) + "|";
  }
  return text;
}

TEST(Lex, GivesTheTextBackWithItsSignificantTokens) {
  const std::string_view sql =
      "SELECT N'a''b' + [c]]d] -- x\n/* y /* z */ */ FROM t WHERE @v<=.5e3";
  const TokenizedText lexed = lex(sql);
  EXPECT_EQ(joined(sql, lexed.tokens), sql);
  // Spaces are no tokens; comments are, though not significant ones.
  EXPECT_EQ(placed_texts(lexed),
            "0:SELECT|7:N'a''b'|15:+|17:[c]]d]|24:-- x|29:/* y /* z */ */|"
            "45:FROM|50:t|52:WHERE|58:@v|60:<=|62:.5e3|");
  std::string significant;
  for (const std::size_t position : lexed.significant) {
    significant += std::string(lexed.tokens[position].text) + "|";
  }
  EXPECT_EQ(significant, "SELECT|N'a''b'|+|[c]]d]|FROM|t|WHERE|@v|<=|.5e3|");
}

TEST(Lex, ClassifiesWordsOnlyAndMarksOneCharacterSymbols) {
  const TokenizedText lexed = lex("select [order], 'from' <= x");
  const auto& t = lexed.tokens;
  EXPECT_TRUE(t[0].is(Keyword::Select));
  EXPECT_EQ(t[1].keyword, Keyword::None);  // [order] is a name
  EXPECT_FALSE(t[1].is(Keyword::Order));
  EXPECT_TRUE(t[2].is_symbol(','));
  EXPECT_EQ(t[3].keyword, Keyword::None);  // 'from' is a string
  EXPECT_EQ(t[4].kind, Token::Kind::Symbol);
  EXPECT_EQ(t[4].symbol, '\0');  // "<=" is two characters
  EXPECT_FALSE(t[4].is_symbol('<'));
}

TEST(Lex, GivesParenthesesTheDepthOutsideThem) {
  const TokenizedText lexed = lex("f(a, (b)) c");
  std::string depths;
  for (const std::size_t position : lexed.significant) {
    depths += std::to_string(lexed.tokens[position].depth);
  }
  // f ( a , ( b ) ) c
  EXPECT_EQ(depths, "001112100");
}

TEST(Lex, NotesSymbolsOnlyWhereTheyAreSymbols) {
  const TokenizedText quoted =
      lex("SELECT a FROM t WHERE b = 'x + y' -- + 1\n/* - 2 */");
  EXPECT_FALSE(quoted.holds_symbol('+'));
  EXPECT_FALSE(quoted.holds_symbol('-'));
  EXPECT_TRUE(quoted.holds_symbol('='));
  const TokenizedText plus = lex("SELECT a+b");
  EXPECT_TRUE(plus.holds_symbol('+'));
}

TEST(Lex, NotesKeywordsInAnyCaseButNotInsideStringsOrNames) {
  EXPECT_TRUE(lex("select a from t order by a").holds(Keyword::Order));
  EXPECT_TRUE(lex("SELECT DatePart(x, y)").holds(Keyword::Datepart));
  const TokenizedText quoted = lex("SELECT 'ORDER BY', [Order], \"ORDER\"");
  EXPECT_FALSE(quoted.holds(Keyword::Order));
}

TEST(Joined, KeepsTheSpacesAroundRewrittenTokens) {
  const std::string_view sql = "  SELECT\ta  +\n 'b'  ";
  TokenizedText lexed = lex(sql);
  ASSERT_EQ(lexed.tokens.size(), 4u);
  lexed.tokens[2].text = "||";
  EXPECT_EQ(joined(sql, lexed.tokens), "  SELECT\ta  ||\n 'b'  ");
  lexed.tokens[0].text = "select";  // same length, other text
  lexed.tokens[3].text = "'bc'";
  EXPECT_EQ(joined(sql, lexed.tokens), "  select\ta  ||\n 'bc'  ");
  EXPECT_EQ(joined("   ", lex("   ").tokens), "   ");
}

TEST(Lex, NotesTheQuotingSqliteDoesNotRead) {
  EXPECT_FALSE(lex("SELECT 'N', \"x\", Nx /* a */ -- b").dialect_quoting);
  EXPECT_TRUE(lex("SELECT N'a'").dialect_quoting);
  EXPECT_TRUE(lex("SELECT n'a'").dialect_quoting);
  EXPECT_TRUE(lex("SELECT [a]").dialect_quoting);
  EXPECT_TRUE(lex("SELECT 1 /* a */ /* b /* c */ d */").dialect_quoting);
}

}  // namespace
}  // namespace promocionesQEX::sqlite
