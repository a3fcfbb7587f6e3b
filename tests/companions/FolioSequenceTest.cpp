// The folio sequence as SQL Server is asked for it, to the character.
#include <gtest/gtest.h>

#include <deque>

#include "Raised.h"
#include "companions/FolioSequence.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::companions {
namespace {

// Stands in for a SQL Server connection: keeps the texts and answers each
// with the next scripted Fc_Folio (nothing for an empty entry).
class ScriptedConnection : public Connection {
 public:
  std::vector<std::string> texts;
  std::deque<std::optional<double>> answers;

  Recordset execute(const std::string& text) override {
    texts.push_back(text);
    std::vector<std::vector<Variant>> rows;
    if (text.rfind("INSERT", 0) != 0) {
      if (answers.empty()) throw RuntimeError(-1, "unexpected: " + text);
      if (answers.front()) rows.push_back({Variant(*answers.front())});
      answers.pop_front();
    }
    return Recordset::from_rows({"Fc_Folio"}, std::move(rows));
  }
  std::string_view engine() const override { return "sqlserver"; }
};

const char* kTake =
    "UPDATE Folio_Consecutivo SET Fc_Siguiente = Fc_Siguiente + 1 OUTPUT "
    "deleted.Fc_Siguiente AS Fc_Folio WHERE Fc_Consecutivo = 'P''DG'";

TEST(FolioSequence, SqlServerTakesTheOldValueCreatingAMissingSequence) {
  ScriptedConnection connection;
  connection.answers = {41};
  EXPECT_EQ(next_folio(connection, "P'DG", true), 41);
  EXPECT_EQ(connection.texts, std::vector<std::string>{kTake});

  connection.texts.clear();
  connection.answers = {std::nullopt, 1};
  EXPECT_EQ(next_folio(connection, "P'DG", true), 1);
  EXPECT_EQ(connection.texts,
            (std::vector<std::string>{
                kTake,
                "INSERT INTO Folio_Consecutivo (Fc_Consecutivo, Fc_Siguiente) "
                "SELECT 'P''DG', 1 WHERE NOT EXISTS (SELECT 1 FROM "
                "Folio_Consecutivo WITH (UPDLOCK, HOLDLOCK) WHERE "
                "Fc_Consecutivo = 'P''DG')",
                kTake}));

  connection.answers = {std::nullopt, std::nullopt};  // cannot be created
  EXPECT_THROW(next_folio(connection, "P'DG", true), RuntimeError);
}

TEST(FolioSequence, ReadingAsksForTheNextValueWhichMustBeWhole) {
  ScriptedConnection connection;
  connection.answers = {2.5};
  EXPECT_EQ(testing::raised([&] { next_folio(connection, "PDG", false); })
                .number(),
            RuntimeError::kTypeMismatch);
  EXPECT_EQ(connection.texts,
            std::vector<std::string>{
                "SELECT Fc_Siguiente AS Fc_Folio FROM Folio_Consecutivo WHERE "
                "Fc_Consecutivo = 'PDG'"});
}

}  // namespace
}  // namespace promocionesQEX::companions
