/* The library's identity through the C interface, and an object made by
 * class name, used and released. */
#include <promocionesQEX/promocionesQEX.h>
#include <stdio.h>

int main(void) {
  qex_object* promociones = NULL;
  char* code = NULL;
  qex_tPromocion line = {0};
  line.Pr_Cve_Producto = "P1";
  line.Tl_Cve_Talla = "00";
  line.Cl_Cve_Color = "00";
  line.Pr_Cantidad = 2;
  line.Pr_Unidad = "PZA";
  if (qex_CreateObject("promocionesQEX.Promociones", &promociones) != 0 ||
      qex_Codifica_Promocion(promociones, &line, 1, &code) != 0) {
    fprintf(stderr, "%ld: %s\n", qex_last_error_number(),
            qex_last_error_description());
    return 1;
  }
  qex_free(code);
  if (qex_Release(promociones) != 0 || !qex_CanUnloadNow()) return 1;
  printf("%s %s %s\n", qex_library_name(), qex_library_description(),
         qex_library_version());
  return 0;
}
