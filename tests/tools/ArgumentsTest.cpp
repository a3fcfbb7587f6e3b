// Bad arguments: a message on stderr, exit code 2, nothing done.
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "CliFixture.h"

namespace promociones_cli::testing {
namespace {

const std::string kFecha = "2026-12-07 10:30:00";

struct BadArguments {
  std::string name;
  std::vector<std::string> args;  // "{BD}" stands for the database's path
  std::string message;            // the whole of stderr
  bool exact = true;              // false: stderr contains `message`
};

void PrintTo(const BadArguments& c, std::ostream* os) { *os << c.name; }

class Refused : public CliTest,
                public ::testing::WithParamInterface<BadArguments> {
 protected:
  std::vector<std::string> args_with_database() const {
    std::vector<std::string> args = GetParam().args;
    for (auto& arg : args)
      if (arg == "{BD}") arg = bd();
    return args;
  }
};

TEST_P(Refused, WithAMessageAndExitCodeTwo) {
  init_database();  // so that only the arguments are wrong
  const ToolResult r = run(args_with_database());
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_EQ(r.out, "");
  if (GetParam().exact)
    EXPECT_EQ(r.err, GetParam().message);
  else
    EXPECT_NE(r.err.find(GetParam().message), std::string::npos) << r.err;
}

std::vector<std::string> promocion(const std::string& option,
                                   const std::string& value) {
  std::vector<std::string> args{"promocion", "--bd",       "{BD}", "--fecha",
                                kFecha,      "--cliente",  "C1",   "--producto",
                                "P1",        "--cantidad", "7",    "--unidad",
                                "PZA"};
  for (std::size_t i = 0; i + 1 < args.size(); ++i)
    if (args[i] == option) {
      args[i + 1] = value;
      return args;
    }
  args.push_back(option);
  args.push_back(value);
  return args;
}

INSTANTIATE_TEST_SUITE_P(
    Promociones, Refused,
    ::testing::Values(
        BadArguments{"no_subcommand", {}, "A subcommand is required", false},
        BadArguments{"unknown_option", promocion("--descuento", "5"),
                     "--descuento", false},
        BadArguments{"fecha_not_a_date",
                     promocion("--fecha", "2026-02-30 10:00:00"),
                     "promociones: --fecha: \"2026-02-30 10:00:00\" no es una "
                     "fecha válida (use \"AAAA-MM-DD HH:MM:SS\")\n"},
        BadArguments{"reloj_not_a_date", promocion("--reloj", "ayer"),
                     "promociones: --reloj: \"ayer\" no es una fecha válida "
                     "(use \"AAAA-MM-DD HH:MM:SS\")\n"},
        BadArguments{"cantidad_with_a_comma", promocion("--cantidad", "7,5"),
                     "promociones: --cantidad: \"7,5\" no es un número válido "
                     "(use '.' como separador decimal)\n"},
        BadArguments{"cantidad_of_clasificador",
                     {"clasificador", "--bd", "{BD}", "--cliente", "C1",
                      "--linea", "LN1", "--cantidad", "diez"},
                     "promociones: --cantidad: \"diez\" no es un número "
                     "válido (use '.' como separador decimal)\n"},
        BadArguments{"producto_missing",
                     {"pv-cantidad", "--bd", "{BD}", "--cliente", "C1",
                      "--cantidad", "7"},
                     "promociones: --producto es obligatorio\n"},
        BadArguments{"ppv_id_missing",
                     {"pv-importe", "--bd", "{BD}", "--cliente", "C1"},
                     "promociones: --ppv-id es obligatorio\n"},
        BadArguments{"no_database_named",
                     {"vigentes", "--sucursal", "S01"},
                     "promociones: falta la base de datos: use --bd o la "
                     "variable PROMOCIONESQEX_BD\n"},
        BadArguments{"archivo_missing",
                     {"descuento-global", "--bd", "{BD}"},
                     "--archivo",
                     false}),
    [](const auto& info) { return info.param.name; });

// A lookup never creates the database it is pointed at.
TEST_F(CliTest, EachLookupRefusesADatabaseFileThatIsNotThere) {
  const std::string missing = path_in_directory("no-existe.db");
  const std::string message =
      "promociones: la base de datos \"" + missing + "\" no existe\n";
  const std::vector<std::vector<std::string>> lookups = {
      {"promocion", "--producto", "P1", "--cantidad", "7", "--unidad", "PZA"},
      {"clasificador", "--linea", "LN1"},
      {"vigentes"},
      {"pv-cantidad", "--producto", "P1", "--cantidad", "7"},
      {"pv-importe", "--ppv-id", "VENTA01"},
  };
  for (const auto& lookup : lookups) {
    SCOPED_TRACE(lookup[0]);
    for (const std::string& bd : {missing, "sqlite:" + missing}) {
      std::vector<std::string> args = lookup;
      args.insert(args.end(), {"--bd", bd, "--cliente", "C1"});
      const ToolResult r = run(args);
      EXPECT_EQ(r.exit_code, 2);
      EXPECT_EQ(r.out, "");
      EXPECT_EQ(r.err, message);
      EXPECT_FALSE(std::filesystem::exists(missing));
    }
  }
}

TEST_F(CliTest, InitLeavesAnExistingDatabaseAlone) {
  init_database();
  exec("INSERT INTO Sucursal (Sc_Cve_Sucursal) VALUES ('S01')");
  const ToolResult r = run({"init", "--bd", bd()});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "promociones: init: \"" + bd() +
                       "\" ya existe; no se sobrescribe\n");
  EXPECT_EQ(count("Sucursal"), 1);
}

TEST_F(CliTest, InitNeedsTheDatabaseNamed) {
  const ToolResult r = run({"init"});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_EQ(r.err, "promociones: init: --bd es obligatorio\n");
}

}  // namespace
}  // namespace promociones_cli::testing
