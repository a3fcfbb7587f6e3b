// Several processes of several branches recording documents on one database
// file at the same time, each through its own default companions: every
// document is recorded, under a folio of its own whatever its branch, and
// every line reported as recorded is stored exactly once. Not timed: it
// checks outcomes only.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "DatabaseCompanions.h"

namespace promocionesQEX::discount_tests {
namespace {

// Two processes for each of three branches.
constexpr const char* kBranches[][2] = {{"01", "A1"}, {"02", "A2"}, {"03", "A3"}};
constexpr int kProcesses = 6;
constexpr int kDocuments = 20;
constexpr int kLines = 3;

// One line per recorded line, "folio id"; a refused line as "ERR text" with
// its line breaks flattened, so the parent can show it.
std::string record_documents(int process) {
  const auto& [sucursal, almacen] = kBranches[process % 3];
  std::string report;
  Promociones promo;
  for (int d = 0; d < kDocuments; ++d) {
    promo.Nuevo_Gescuento_Global();
    auto registro = promo.get_Detalle_Descuento_Global();
    *registro = *sample_record();
    registro->put_Sucursal(sucursal);
    registro->put_Almacen(almacen);
    for (int l = 0; l < kLines; ++l) {
      registro->put_Producto("P" + std::to_string(l));
      if (promo.Add_Promocion_Descuento_Global()) {
        report += registro->get_Folio() + " " + registro->get_ID() + "\n";
      } else {
        std::string error = promo.get_Error();
        for (char& c : error)
          if (c == '\r' || c == '\n') c = ' ';
        report += "ERR " + error + "\n";
      }
    }
  }
  return report;
}

// A child: waits for the go byte so that all start together, records its
// documents through the default companions configured for the file, and
// ends without running the parent's cleanup.
[[noreturn]] void child(int go, int out, const std::string& path,
                        int process) {
  char byte;
  if (::read(go, &byte, 1) != 1) ::_exit(2);
  ::setenv("PROMOCIONESQEX_BD", path.c_str(), 1);
  reset_companions();
  discard_thread_module();
  std::string report;
  try {
    report = record_documents(process);
  } catch (const std::exception& e) {
    report = std::string("ERR ") + e.what() + "\n";
  }
  const auto written = ::write(out, report.data(), report.size());
  ::_exit(written == static_cast<ssize_t>(report.size()) ? 0 : 3);
}

std::string read_all(int fd) {
  std::string text;
  char buffer[4096];
  for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
    text.append(buffer, static_cast<std::size_t>(n));
  return text;
}

// Starts the children, releases them at once and gathers their reports.
std::vector<std::string> run_children(const std::string& path) {
  int go[2];
  EXPECT_EQ(::pipe(go), 0);
  std::vector<std::pair<pid_t, int>> children;
  for (int p = 0; p < kProcesses; ++p) {
    int out[2];
    EXPECT_EQ(::pipe(out), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
      ::close(go[1]);
      ::close(out[0]);
      child(go[0], out[1], path, p);
    }
    ::close(out[1]);
    children.emplace_back(pid, out[0]);
  }
  const std::string bytes(kProcesses, 'g');
  EXPECT_EQ(::write(go[1], bytes.data(), bytes.size()), kProcesses);
  std::vector<std::string> reports;
  for (auto [pid, fd] : children) {
    reports.push_back(read_all(fd));
    ::close(fd);
    int status = 0;
    EXPECT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  ::close(go[0]);
  ::close(go[1]);
  return reports;
}

TEST(DiscountConcurrency, EveryDocumentOfEveryBranchIsRecordedUnderItsFolio) {
  testing::TempDatabase db;
  for (const char* row : kCatalogueRows) db.exec(row);

  // Lines reported as recorded, by folio. A folio handed out twice would
  // show as one folio with six lines (or as a refused line).
  std::map<std::string, std::vector<std::string>> por_folio;
  std::set<std::string> reportadas;
  for (const std::string& report : run_children(db.connection_text())) {
    std::istringstream in(report);
    for (std::string line; std::getline(in, line);) {
      ASSERT_FALSE(line.starts_with("ERR")) << line;
      const auto espacio = line.find(' ');
      por_folio[line.substr(0, espacio)].push_back(line.substr(espacio + 1));
      reportadas.insert(line);
    }
  }
  ASSERT_EQ(por_folio.size(), std::size_t{kProcesses * kDocuments});
  for (const auto& [folio, ids] : por_folio)
    EXPECT_EQ(ids, (std::vector<std::string>{"000001", "000002", "000003"}))
        << "folio " << folio;

  // The table holds exactly the reported lines (its key allows each once).
  std::set<std::string> guardadas;
  Recordset rs =
      db.exec("SELECT Pdg_Folio, Pdg_ID FROM Promocion_Descuento_Global");
  for (; !rs.eof(); rs.move_next())
    guardadas.insert(rs.field("Pdg_Folio").as_text() + " " +
                     rs.field("Pdg_ID").as_text());
  EXPECT_EQ(reportadas.size(), std::size_t{kProcesses * kDocuments * kLines});
  EXPECT_EQ(guardadas, reportadas);
}

}  // namespace
}  // namespace promocionesQEX::discount_tests
