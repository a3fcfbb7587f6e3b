// promociones capturas and capturar, run as processes on a demo database in
// a temporary directory, with the window positions kept there too.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "TempDatabase.h"
#include "demo/DemoData.h"
#include "promocionesQEX/Variant.h"

namespace promocionesQEX::testing {
namespace {

namespace fs = std::filesystem;

struct Ran {
  int status;
  std::string output;  // stdout and stderr
};

Ran run(const std::string& environment, const std::string& arguments) {
  const std::string command = "env " + environment + " " PROMOCIONES_BIN " " +
                              arguments + " 2>&1";
  Ran r{-1, {}};
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return r;
  std::array<char, 4096> buffer{};
  while (std::size_t n = fread(buffer.data(), 1, buffer.size(), pipe))
    r.output.append(buffer.data(), n);
  const int status = pclose(pipe);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

// Width and height from a PNG file's header; 0, 0 when it is not a PNG.
std::pair<int, int> png_size(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  unsigned char h[24] = {};
  in.read(reinterpret_cast<char*>(h), sizeof h);
  if (!in || h[1] != 'P' || h[2] != 'N' || h[3] != 'G') return {0, 0};
  auto be = [&](int at) {
    return (h[at] << 24) | (h[at + 1] << 16) | (h[at + 2] << 8) | h[at + 3];
  };
  return {be(16), be(20)};
}

TEST(CaptureCommands, PicturesOffscreenAndCapturesNeedADisplayAndTheLibrary) {
  TempDatabase dir(false);
  const fs::path base = dir.path().parent_path();
  const std::string bd = (base / "demo.db").string();
  const std::string clean = "-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "
                            "XDG_CONFIG_HOME=" + base.string();

  const Ran pictures =
      run(clean, "capturas --bd " + bd + " --salida " + (base / "png").string());
  ASSERT_EQ(pictures.status, 0) << pictures.output;
  // The window at its first-use height (6000 twips at 96 dpi), widened from
  // its first-use 667 pixels to show every column, stock included.
  const auto [width, height] = png_size(base / "png" / "frmCapturarPromocion.png");
  EXPECT_GT(width, 667);
  EXPECT_EQ(height, 400);
  for (const char* name :
       {"frmCapturarPromocionPv", "Muestra_Busqueda", "clsCapturaSeries"})
    EXPECT_GT(png_size(base / "png" / (std::string(name) + ".png")).first, 0)
        << name;

  const DemoShowcase s = demo_showcase(DemoOptions{});
  const std::string line =
      "capturar --bd " + bd + " --fecha \"" + DemoOptions{}.moment.iso_text() +
      "\" --sucursal " + s.branch + " --almacen " + s.warehouse +
      " --cliente " + s.customer + " --producto " + s.product + " --talla " +
      s.size + " --color " + s.colour + " --unidad " + s.unit +
      " --cantidad " + general_number(s.quantity);
  const Ran no_display = run(clean, line);
  EXPECT_EQ(no_display.status, 2);
  EXPECT_NE(no_display.output.find("no hay pantalla"), std::string::npos)
      << no_display.output;

  const Ran no_library =
      run(clean + " QT_QPA_PLATFORM=offscreen PROMOCIONESQEX_VENTANAS=" +
              (base / "falta.so").string(),
          line);
  EXPECT_EQ(no_library.status, 1);
  EXPECT_NE(no_library.output.find("error 429"), std::string::npos);
  EXPECT_NE(no_library.output.find("libpromocionesQEX_ventanas.so"),
            std::string::npos)
      << no_library.output;
  // capturar-pv: the same display check; the missing library is the
  // operation's own failure, reported behind its prefix.
  const std::string pv = "capturar-pv --bd " + bd + " --promociones x";
  EXPECT_EQ(run(clean, pv).status, 2);
  const Ran pv_no_library = run(clean + " QT_QPA_PLATFORM=offscreen "
                                "PROMOCIONESQEX_VENTANAS=" +
                                    (base / "falta.so").string(),
                                pv + " --json");
  EXPECT_EQ(pv_no_library.status, 1);
  EXPECT_NE(pv_no_library.output.find(
                "\"error\":\"promocionesQex.dll - Capturar_Promociones_Pv()"
                "\\r\\nNo se pudo cargar"),
            std::string::npos)
      << pv_no_library.output;
}

}  // namespace
}  // namespace promocionesQEX::testing
