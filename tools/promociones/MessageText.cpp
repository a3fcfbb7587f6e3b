#include "MessageText.h"

namespace promociones_cli {

std::string abbreviated(const std::string& text, std::size_t max_bytes) {
  if (text.size() <= max_bytes) return text;
  std::size_t cut = max_bytes;
  // Never split a character: back up over continuation bytes (10xxxxxx).
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
    --cut;
  return text.substr(0, cut) + "… (" + std::to_string(text.size()) +
         " bytes)";
}

}  // namespace promociones_cli
