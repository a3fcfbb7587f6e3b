// The promotion code string: one line per record of promotional goods, five
// fields joined by TAB (product, size, colour, quantity, unit), lines joined
// by CR LF. The quantity is written and read in the general number format
// with the user's decimal separator, so a string keeps its meaning for the
// user who stored it.
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "promocionesQEX/Promociones.h"
#include "promocionesQEX/RuntimeError.h"
#include "promocionesQEX/Variant.h"

namespace promocionesQEX {
namespace {

constexpr std::string_view kLineSeparator = "\r\n";
constexpr char kFieldSeparator = '\t';
constexpr std::size_t kFieldCount = 5;

// The record loops count with a 16-bit index, as hosts built against the
// component expect; more records than it can reach is an overflow, raised
// before any record is read.
void check_index_range(std::size_t count) {
  if (count > static_cast<std::size_t>(std::numeric_limits<short>::max()) + 1)
    throw RuntimeError::Overflow();
}

// A text field holding a separator would come back as other records or
// fields; refuse it instead of writing a string that reads differently.
void check_text_field(std::string_view value, std::string_view name,
                      std::size_t index) {
  if (value.find(kFieldSeparator) == std::string_view::npos &&
      value.find(kLineSeparator) == std::string_view::npos)
    return;
  throw RuntimeError(5, "Invalid procedure call or argument: oPromo(" +
                            std::to_string(index) + ")." + std::string(name) +
                            " holds a TAB or CR LF");
}

// The message that stops the encoding at this record, or "" when it can be
// written. The unit is checked first, then size, then colour.
std::string_view validation_message(const tPromocion& p) {
  if (p.Pr_Unidad.empty()) return "La unidad es incorrecta!!!";
  if (p.Tl_Cve_Talla.empty()) return "La talla no puede ser vacía!!!";
  if (p.Cl_Cve_Color.empty()) return "El color no puede ser vacío!";
  return {};
}

// Room for the whole text up front: the quantity takes at most 21
// characters ("-1.23456789012345E-300").
std::size_t encoded_size(const std::vector<tPromocion>& records) {
  std::size_t size = 0;
  for (const tPromocion& p : records)
    size += p.Pr_Cve_Producto.size() + p.Tl_Cve_Talla.size() +
            p.Cl_Cve_Color.size() + p.Pr_Unidad.size() + 21 + kFieldCount - 1 +
            kLineSeparator.size();
  return size;
}

void append_line(std::string& out, const tPromocion& p, std::size_t index,
                 char decimal_separator) {
  check_text_field(p.Pr_Cve_Producto, "Pr_Cve_Producto", index);
  check_text_field(p.Tl_Cve_Talla, "Tl_Cve_Talla", index);
  check_text_field(p.Cl_Cve_Color, "Cl_Cve_Color", index);
  check_text_field(p.Pr_Unidad, "Pr_Unidad", index);
  const std::string quantity = general_number(p.Pr_Cantidad, decimal_separator);
  if (!out.empty()) out.append(kLineSeparator);
  out.append(p.Pr_Cve_Producto).push_back(kFieldSeparator);
  out.append(p.Tl_Cve_Talla).push_back(kFieldSeparator);
  out.append(p.Cl_Cve_Color).push_back(kFieldSeparator);
  out.append(quantity).push_back(kFieldSeparator);
  out.append(p.Pr_Unidad);
}

std::vector<std::string_view> split(std::string_view text,
                                    std::string_view separator) {
  std::vector<std::string_view> pieces;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find(separator, from)) != text.npos;
       from = at + separator.size())
    pieces.push_back(text.substr(from, at - from));
  pieces.push_back(text.substr(from));
  return pieces;
}

// Fields are taken in record order, so a line of four fields whose quantity
// is not a number fails on the quantity (13) before the missing unit (9).
// An empty line has no fields at all.
tPromocion read_line(std::string_view line, char decimal_separator) {
  const std::vector<std::string_view> fields =
      line.empty() ? std::vector<std::string_view>{}
                   : split(line, std::string_view(&kFieldSeparator, 1));
  auto field = [&](std::size_t i) {
    if (i >= fields.size()) throw RuntimeError::SubscriptOutOfRange();
    return std::string(fields[i]);
  };
  tPromocion p;
  p.Pr_Cve_Producto = field(0);
  p.Tl_Cve_Talla = field(1);
  p.Cl_Cve_Color = field(2);
  p.Pr_Cantidad = parse_number(field(3), decimal_separator);
  p.Pr_Unidad = field(4);
  return p;
}

}  // namespace

std::string Promociones::Codifica_Promocion(
    const std::vector<tPromocion>& oPromo) {
  check_index_range(oPromo.size());
  const char decimal_separator = locale_decimal_separator();
  std::string result;
  result.reserve(encoded_size(oPromo));
  for (std::size_t i = 0; i < oPromo.size(); ++i) {
    const tPromocion& p = oPromo[i];
    if (p.Pr_Cve_Producto.empty()) continue;
    if (const std::string_view message = validation_message(p);
        !message.empty()) {
      msError = message;
      return {};
    }
    append_line(result, p, i, decimal_separator);
  }
  return result;
}

std::vector<tPromocion> Promociones::Decodifica_Promocion(
    const std::string& sCodigo) {
  if (sCodigo.empty()) return std::vector<tPromocion>(1);
  const std::vector<std::string_view> lines = split(sCodigo, kLineSeparator);
  check_index_range(lines.size());
  const char decimal_separator = locale_decimal_separator();
  std::vector<tPromocion> result;
  result.reserve(lines.size());
  for (std::string_view line : lines)
    result.push_back(read_line(line, decimal_separator));
  return result;
}

}  // namespace promocionesQEX
