#include "promocionesQEX/PvList.h"

#include <algorithm>

namespace promocionesQEX {
namespace {

// Calls `piece` for each part of `text` between occurrences of `separator`,
// empty parts included; stops early when `piece` returns false.
template <class Piece>
void for_each_piece(std::string_view text, std::string_view separator,
                    Piece&& piece) {
  std::size_t from = 0;
  while (true) {
    const std::size_t at = text.find(separator, from);
    if (at == std::string_view::npos) {
      piece(text.substr(from));
      return;
    }
    if (!piece(text.substr(from, at - from))) return;
    from = at + separator.size();
  }
}

// Makes room for `extra` more characters, growing geometrically: a list is
// built by many appends, and reserving the exact size each time would copy
// it over and over.
void reserve_more(std::string& list, std::size_t extra) {
  const std::size_t needed = list.size() + extra;
  if (needed > list.capacity())
    list.reserve(std::max(needed, 2 * list.capacity()));
}

// Fills `record` from the piece; false when it has fewer than 15 fields.
bool read_record(std::string_view piece, PvRecord& record) {
  std::size_t count = 0;
  for_each_piece(piece, kPvFieldSeparator, [&](std::string_view field) {
    record[count++] = std::string(field);
    return count < kPvFieldCount;
  });
  return count == kPvFieldCount;
}

}  // namespace

void append_pv_lookup_record(std::string& list, std::string_view folio,
                             std::string_view text, long times) {
  if (times <= 0) return;
  const std::size_t record_size = folio.size() + kPvFieldSeparator.size() +
                                  text.size() + kPvLookupTail.size();
  const auto count = static_cast<std::size_t>(times);
  reserve_more(list, count * (record_size + kPvRecordSeparator.size()));
  for (std::size_t i = 0; i < count; ++i) {
    if (!list.empty()) list.append(kPvRecordSeparator);
    list.append(folio)
        .append(kPvFieldSeparator)
        .append(text)
        .append(kPvLookupTail);
  }
}

void append_pv_record(std::string& list, const PvRecord& record) {
  std::size_t size = kPvRecordSeparator.size() +
                     (kPvFieldCount - 1) * kPvFieldSeparator.size();
  for (const std::string& field : record) size += field.size();
  reserve_more(list, size);
  if (!list.empty()) list.append(kPvRecordSeparator);
  for (std::size_t i = 0; i < kPvFieldCount; ++i) {
    if (i > 0) list.append(kPvFieldSeparator);
    list.append(record[i]);
  }
}

std::vector<PvRecord> split_pv_list(std::string_view list) {
  std::vector<PvRecord> records;
  for_each_piece(list, kPvRecordSeparator, [&](std::string_view piece) {
    PvRecord record;
    if (!piece.empty() && read_record(piece, record))
      records.push_back(std::move(record));
    return true;
  });
  return records;
}

}  // namespace promocionesQEX
