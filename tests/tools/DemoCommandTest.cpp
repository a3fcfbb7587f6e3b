// demo: creates its database when missing, then walks a sale through every
// lookup and records a discount document.
#include <string>

#include "CliFixture.h"

namespace promociones_cli::testing {
namespace {

TEST_F(CliTest, DemoCreatesItsDatabaseOnceAndShowsEveryOperation) {
  ToolResult r = run({"demo", "--bd", bd()});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out.rfind("Base de demostración creada en " + bd() + ":\n", 0),
            0u)
      << r.out;
  std::size_t at = 0;
  for (const std::string operation :
       {"Get_Promocion:", "Get_Promocion_Clasificador:",
        "Get_Promocion_Vigentes:", "Get_Promocion_Pv_Cantidad:",
        "Get_Promocion_Pv_Importe:", "Add_Promocion_Descuento_Global:"}) {
    at = r.out.find("\n== " + operation, at);
    EXPECT_NE(at, std::string::npos) << operation << " in order";
  }

  r = run({"demo", "--bd", bd()});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out.rfind("Base de demostración: " + bd() + "\n", 0), 0u)
      << r.out;

  // --json: one document, each lookup's answer under its name, nothing else.
  r = run({"demo", "--bd", bd(), "--json"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out.rfind("{\"base\":\"" + bd() +
                            "\",\"creada\":false,\"promocion\":{",
                        0),
            0u)
      << r.out;
  EXPECT_EQ(r.out.find('\n'), r.out.size() - 1);
  at = 0;
  for (const char* key : {"clasificador", "vigentes", "pv_cantidad",
                          "pv_importe"}) {
    at = r.out.find("\"" + std::string(key) + "\":", at);
    EXPECT_NE(at, std::string::npos) << key;
  }
}

}  // namespace
}  // namespace promociones_cli::testing
