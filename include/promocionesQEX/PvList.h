// The Pv promotion list string: records joined by "{|}", each of exactly 15
// fields joined by "<@>". Nothing is quoted or escaped, so a field holding
// either separator shifts or splits its record; the format cannot carry it.
// The Pv lookups append records; hosts and the Pv capture split a list into
// records and write one back with the same functions.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "promocionesQEX/Export.h"

namespace promocionesQEX {

inline constexpr std::string_view kPvRecordSeparator = "{|}";
inline constexpr std::string_view kPvFieldSeparator = "<@>";
inline constexpr std::size_t kPvFieldCount = 15;

// Field positions, from 0 (the format counts them from 1).
enum PvField : std::size_t {
  kPvPpFolio,
  kPvPpComentario,
  kPvPpdId,
  kPvPrCveProducto,
  kPvTlCveTalla,
  kPvClCveColor,
  kPvPpCantidad,
  kPvPpPrecio,
  kPvPpDescuento,
  kPvSrCveSerie,
  kPvLtCveLote,
  kPvPpdTipo,
  kPvPrTipoProducto,
  kPvPpAplicado,
  kPvReferencia,
};

using PvRecord = std::array<std::string, kPvFieldCount>;

// What a lookup writes after the folio and the text: positions 3 to 15,
// goods empty, the three numbers "0", the reference token left for the host.
inline constexpr std::string_view kPvLookupTail =
    "<@><@><@><@><@>0<@>0<@>0<@><@><@><@><@><@>{REFERENCIA}";

// Appends a lookup's record for a promotion `times` times (once per time it
// is earned); nothing when `times` is not positive.
PROMOCIONESQEX_API void append_pv_lookup_record(std::string& list, std::string_view folio,
                             std::string_view text, long times = 1);

// Appends a record of the 15 fields as they stand.
PROMOCIONESQEX_API void append_pv_record(std::string& list, const PvRecord& record);

// The list's valid records in order: empty pieces are skipped, pieces of
// fewer than 15 fields are skipped, fields past the fifteenth are ignored.
PROMOCIONESQEX_API std::vector<PvRecord> split_pv_list(std::string_view list);

}  // namespace promocionesQEX
