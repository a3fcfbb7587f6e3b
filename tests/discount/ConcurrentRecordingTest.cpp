// Several processes of several branches recording documents on one database
// file at the same time, each through its own default companions: every
// document is recorded, under a folio of its own whatever its branch. Not
// timed: it checks outcomes only.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "DiscountFixture.h"
#include "TempDatabase.h"
#include "frame/Publico.h"

namespace promocionesQEX::discount_tests {
namespace {

// Two processes for each of three branches.
constexpr const char* kBranches[][2] = {
    {"01", "A1"}, {"02", "A2"}, {"03", "A3"}};
constexpr int kProcesses = 6;
constexpr int kDocuments = 20;
constexpr int kLines = 3;

// A child: waits for the go byte so that all start together, records its
// documents through the default companions configured for the file, and
// exits with the number of lines refused, each named on stderr.
[[noreturn]] void child(int go, const std::string& path, int process) {
  char byte;
  if (::read(go, &byte, 1) != 1) ::_exit(100);
  ::setenv("PROMOCIONESQEX_BD", path.c_str(), 1);
  reset_companions();
  discard_thread_module();
  const auto& [sucursal, almacen] = kBranches[process % 3];
  int refused = 0;
  Promociones promo;
  for (int d = 0; d < kDocuments; ++d) {
    promo.Nuevo_Gescuento_Global();
    auto registro = promo.get_Detalle_Descuento_Global();
    *registro = *sample_record();
    registro->put_Sucursal(sucursal);
    registro->put_Almacen(almacen);
    for (int l = 0; l < kLines; ++l) {
      registro->put_Producto("P" + std::to_string(l));
      if (promo.Add_Promocion_Descuento_Global()) continue;
      ++refused;
      std::fprintf(stderr, "%s\n", promo.get_Error().c_str());
    }
  }
  ::_exit(refused);
}

TEST(DiscountConcurrency, EveryDocumentOfEveryBranchIsRecordedUnderItsFolio) {
  testing::TempDatabase db;
  for (const char* row : kCatalogueRows) db.exec(row);
  int go[2];
  ASSERT_EQ(::pipe(go), 0);
  std::vector<pid_t> children;
  for (int p = 0; p < kProcesses; ++p) {
    const pid_t pid = ::fork();
    if (pid == 0) child(go[0], db.connection_text(), p);
    children.push_back(pid);
  }
  const std::string bytes(kProcesses, 'g');
  EXPECT_EQ(::write(go[1], bytes.data(), bytes.size()), kProcesses);
  for (pid_t pid : children) {
    int status = 0;
    EXPECT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 0) << "lines refused";
  }
  ::close(go[0]);
  ::close(go[1]);

  // Every line accepted is stored, and each folio holds exactly the lines
  // 000001 to 000003 of one branch: a folio handed out twice would show as
  // a folio with six lines, two branches or refused lines.
  const auto number = [&](const std::string& sql) {
    return db.exec(sql).field(0).as_number();
  };
  EXPECT_EQ(number("SELECT COUNT(*) FROM Promocion_Descuento_Global"),
            kProcesses * kDocuments * kLines);
  EXPECT_EQ(number("SELECT COUNT(*) FROM (SELECT Pdg_Folio FROM "
                   "Promocion_Descuento_Global GROUP BY Pdg_Folio HAVING "
                   "COUNT(*) = 3 AND COUNT(DISTINCT Pdg_ID) = 3 AND "
                   "MIN(Pdg_ID) = '000001' AND MAX(Pdg_ID) = '000003' AND "
                   "COUNT(DISTINCT Sc_Cve_Sucursal) = 1)"),
            kProcesses * kDocuments);
}

}  // namespace
}  // namespace promocionesQEX::discount_tests
