// The statements the generator sends, to the character: batched INSERTs
// (texts quoted with quotes doubled, numbers plain) inside one transaction.
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
  {
    Transaction transaction(recording);
    BatchInsert batch(recording, "Moneda", {"Mn_Cve_Moneda", "Mn_Descripcion"},
                      2);
    batch.row().text("MXN").text("Peso").end();
    batch.row().text("USD").text("D'olar").end();
    batch.row().text("EUR").text("Euro").end();
    batch.flush();
    EXPECT_EQ(batch.rows(), 3);
    transaction.commit();
  }
  EXPECT_THAT(
      recording.statements(),
      ElementsAre("BEGIN TRANSACTION",
                  "INSERT INTO Moneda (Mn_Cve_Moneda, Mn_Descripcion) VALUES "
                  "('MXN', 'Peso'), ('USD', 'D''olar')",
                  "INSERT INTO Moneda (Mn_Cve_Moneda, Mn_Descripcion) VALUES "
                  "('EUR', 'Euro')",
                  "COMMIT TRANSACTION"));
}

TEST(BatchInsert, WritesNumbersPlainAndRollsBackWhenNotCommitted) {
  testing::TempDatabase db;
  RecordingConnection recording(db.connection());
  {
    Transaction transaction(recording);
    BatchInsert batch(recording, "Promocion_Pv_Venta",
                      {"Ppv_ID", "Ppv_Importe"});
    batch.row().text("V1").number(1250.5).end();
    batch.flush();
  }
  EXPECT_THAT(recording.statements(),
              ElementsAre("BEGIN TRANSACTION",
                          "INSERT INTO Promocion_Pv_Venta (Ppv_ID, "
                          "Ppv_Importe) VALUES ('V1', 1250.5)",
                          "ROLLBACK TRANSACTION"));
  EXPECT_EQ(db.connection()
                ->execute("SELECT COUNT(*) AS n FROM Promocion_Pv_Venta")
                .field("n")
                .as_number(),
            0);
}

}  // namespace
}  // namespace promocionesQEX::demo
