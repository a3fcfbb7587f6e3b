// Bad arguments: a message on stderr, exit code 2, nothing done.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "CliFixture.h"

namespace promociones_cli::testing {
namespace {

// A promocion lookup with valid options but `option`, given `value`.
std::vector<std::string> promocion(const std::string& bd,
                                   const std::string& option,
                                   const std::string& value) {
  std::map<std::string, std::string> options = {
      {"--fecha", "2026-12-07 10:30:00"},
      {"--cliente", "C1"},
      {"--producto", "P1"},
      {"--cantidad", "7"},
      {"--unidad", "PZA"}};
  options[option] = value;
  std::vector<std::string> args{"promocion", "--bd", bd};
  for (const auto& [o, v] : options) args.insert(args.end(), {o, v});
  return args;
}

// Nothing is done either: a lookup never creates the database it is
// pointed at, init leaves an existing one alone.
TEST_F(CliTest, BadArgumentsAreRefusedWithAMessageAndExitCodeTwo) {
  init_database();  // so that only the arguments are wrong
  exec("INSERT INTO Sucursal (Sc_Cve_Sucursal) VALUES ('S01')");
  const std::string missing = path_in_directory("no-existe.db");
  struct Case {
    std::vector<std::string> args;
    std::string message;  // the whole of stderr, or a part when not exact
    bool exact = true;
  };
  const std::vector<Case> cases = {
      {promocion(bd(), "--descuento", "5"), "--descuento", false},
      {promocion(bd(), "--fecha", "2026-02-30 10:00:00"),
       "promociones: --fecha: \"2026-02-30 10:00:00\" no es una fecha válida "
       "(use \"AAAA-MM-DD HH:MM:SS\")\n"},
      {promocion(bd(), "--cantidad", "7,5"),
       "promociones: --cantidad: \"7,5\" no es un número válido (use '.' "
       "como separador decimal)\n"},
      {{"pv-cantidad", "--bd", bd(), "--cliente", "C1", "--cantidad", "7"},
       "promociones: --producto es obligatorio\n"},
      {promocion(bd(), "--cantidad", "-1e999"),
       "promociones: --cantidad: \"-1e999\" está fuera del intervalo de los "
       "números\n"},
      // Given empty (an unset shell variable), a date is not "now".
      {promocion(bd(), "--fecha", ""),
       "promociones: --fecha: \"\" no es una fecha válida (use "
       "\"AAAA-MM-DD HH:MM:SS\")\n"},
      {promocion(bd(), "--reloj", ""), "promociones: --reloj: \"\"", false},
      {{"vigentes", "--bd", bd(), "--sucursal", "S01", "sobra"},
       "promociones: argumentos no esperados: sobra\n(vea promociones "
       "--help)\n"},
      {{"borrar", "--bd", bd()},
       "promociones: subcomando desconocido: borrar (vea promociones "
       "--help)\n"},
      {{"vigentes", "--bd", missing, "--sucursal", "S01"},
       "promociones: la base de datos \"" + missing + "\" no existe\n"},
      {{"vigentes", "--bd", "sqlite:" + missing, "--sucursal", "S01"},
       "promociones: la base de datos \"" + missing + "\" no existe\n"},
      {{"init", "--bd", bd()},
       "promociones: init: \"" + bd() + "\" ya existe; no se sobrescribe\n"},
      {{"descuento-global", "--bd", bd(), "--archivo", path_in_directory("")},
       "promociones: --archivo: \"" + path_in_directory("") +
           "\" es un directorio, no un archivo CSV\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const ToolResult r = run(c.args);
    EXPECT_EQ(r.exit_code, 2);
    EXPECT_EQ(r.out, "");
    if (c.exact)
      EXPECT_EQ(r.err, c.message);
    else
      EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
  EXPECT_FALSE(std::filesystem::exists(missing));
  EXPECT_EQ(count("Sucursal"), 1);
}

TEST_F(CliTest, VersionNamesTheToolAndTheLibrary) {
  const ToolResult r = run({"--version"});
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.out, "promociones 5.5 (Quentrix - Promociones)\n");
}

}  // namespace
}  // namespace promociones_cli::testing
