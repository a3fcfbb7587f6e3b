#include "promocionesQEX/Explicacion.h"

#include "frame/Publico.h"

namespace promocionesQEX {

Explicacion::Explicacion() { Main(); }

const char* texto_veredicto(Veredicto v) {
  switch (v) {
    case Veredicto::Cumple:
      return "cumple";
    case Veredicto::No_Cumple:
      return "no cumple";
    case Veredicto::No_Evaluable:
      return "no evaluable";
  }
  return "";
}

}  // namespace promocionesQEX
