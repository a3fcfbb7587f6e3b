// promociones capturas, capturar and capturar-pv, run as processes on a
// demo database in a temporary directory, the window positions kept there.
#include <filesystem>
#include <fstream>
#include <string>

#include "CliFixture.h"
#include "demo/DemoData.h"
#include "promocionesQEX/Variant.h"

namespace promociones_cli::testing {
namespace {

using namespace promocionesQEX;

// Width and height from a PNG file's header; 0, 0 when it is not a PNG.
std::pair<int, int> png_size(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  unsigned char h[24] = {};
  in.read(reinterpret_cast<char*>(h), sizeof h);
  if (!in || h[1] != 'P' || h[2] != 'N' || h[3] != 'G') return {0, 0};
  auto be = [&](int at) {
    return (h[at] << 24) | (h[at + 1] << 16) | (h[at + 2] << 8) | h[at + 3];
  };
  return {be(16), be(20)};
}

TEST_F(CliTest, PicturesOffscreenAndCapturesNeedADisplayAndTheLibrary) {
  const std::vector<std::string> no_display = {"DISPLAY", "WAYLAND_DISPLAY",
                                               "QT_QPA_PLATFORM"};
  const std::vector<std::string> no_library = {
      "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM=offscreen",
      "PROMOCIONESQEX_VENTANAS=" + path_in_directory("falta.so")};
  const std::string png = path_in_directory("png") + "/";
  const ToolResult pictures =
      run({"capturas", "--bd", bd(), "--salida", png}, {}, no_display);
  ASSERT_EQ(pictures.exit_code, 0) << pictures.err;
  // The window at its first-use height (6000 twips at 96 dpi), widened from
  // its first-use 667 pixels to show every column, stock included.
  const auto [width, height] = png_size(png + "frmCapturarPromocion.png");
  EXPECT_GT(width, 667);
  EXPECT_EQ(height, 400);
  for (const char* name :
       {"frmCapturarPromocionPv", "Muestra_Busqueda", "clsCapturaSeries"})
    EXPECT_GT(png_size(png + name + ".png").first, 0) << name;

  const DemoShowcase s = demo_showcase(DemoOptions{});
  const std::vector<std::string> line = {
      "capturar",  "--fecha",    DemoOptions{}.moment.iso_text(),
      "--bd",      bd(),         "--sucursal",
      s.branch,    "--almacen",  s.warehouse,
      "--cliente", s.customer,   "--producto",
      s.product,   "--talla",    s.size,
      "--color",   s.colour,     "--unidad",
      s.unit,      "--cantidad", general_number(s.quantity)};
  ToolResult r = run(line, {}, no_display);
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_NE(r.err.find("no hay pantalla"), std::string::npos) << r.err;
  r = run(line, {}, no_library);
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_NE(r.err.find("error 429"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("libpromocionesQEX_ventanas.so"), std::string::npos);
  // capturar-pv: the same display check; the missing library is the
  // operation's own failure, reported behind its prefix.
  const std::vector<std::string> pv = {"capturar-pv",   "--bd", bd(),
                                       "--promociones", "x",    "--json"};
  EXPECT_EQ(run(pv, {}, no_display).exit_code, 2);
  r = run(pv, {}, no_library);
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_NE(r.out.find("\"error\":\"promocionesQex.dll - "
                       "Capturar_Promociones_Pv()\\r\\nNo se pudo cargar"),
            std::string::npos)
      << r.out;
}

}  // namespace
}  // namespace promociones_cli::testing
