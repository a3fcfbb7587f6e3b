// The library's identity through the C++ interface, and a Promociones made
// and used (a code string needs no database).
#include <promocionesQEX/Promociones.h>
#include <promocionesQEX/Version.h>

#include <iostream>

int main() {
  promocionesQEX::Promociones promociones;
  const auto lines = promociones.Decodifica_Promocion("P1\t00\t00\t2\tPZA");
  if (lines.size() != 1 || lines[0].Pr_Cantidad != 2) return 1;
  std::cout << promocionesQEX::library_name() << ' '
            << promocionesQEX::library_description() << ' '
            << promocionesQEX::library_version() << '\n';
  return 0;
}
