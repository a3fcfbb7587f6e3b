// The statements the generator sends, to the character: batched INSERTs
// (texts quoted with quotes doubled, numbers plain) inside one transaction,
// rolled back when not committed.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "TempDatabase.h"
#include "demo/BatchInsert.h"

namespace promocionesQEX::demo {
namespace {

using ::testing::ElementsAre;

TEST(BatchInsert, SendsOneStatementPerBatchInsideTheTransaction) {
  testing::TempDatabase db;
  RecordingConnection recording(db.connection());
  for (bool commit : {true, false}) {
    Transaction transaction(recording);
    BatchInsert batch(recording, "Promocion_Pv_Venta",
                      {"Ppv_ID", "Ppv_Importe"}, 2);
    batch.row().text("MXN").number(1250.5).end();
    batch.row().text("D'olar").number(-2).end();
    batch.row().text("EUR").number(1e20).end();
    batch.flush();
    EXPECT_EQ(batch.rows(), 3);
    if (commit) transaction.commit();
  }
  const std::string first =
      "INSERT INTO Promocion_Pv_Venta (Ppv_ID, Ppv_Importe) VALUES "
      "('MXN', 1250.5), ('D''olar', -2)";
  const std::string second =
      "INSERT INTO Promocion_Pv_Venta (Ppv_ID, Ppv_Importe) VALUES "
      "('EUR', 100000000000000000000)";
  EXPECT_THAT(
      recording.statements(),
      ElementsAre("BEGIN TRANSACTION", first, second, "COMMIT TRANSACTION",
                  "BEGIN TRANSACTION", first, second, "ROLLBACK TRANSACTION"));
  EXPECT_EQ(db.exec("SELECT COUNT(*) FROM Promocion_Pv_Venta")
                .field(std::size_t{0})
                .as_number(),
            3);
}

}  // namespace
}  // namespace promocionesQEX::demo
