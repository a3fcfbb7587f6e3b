#include "companions/WindowFacilities.h"

#include <atomic>

#include "promocionesQEX/Recordset.h"

namespace promocionesQEX::companions {
namespace {
std::atomic<PickListPresenter> gPickList{nullptr};
std::atomic<KeySender> gKeys{nullptr};
}  // namespace

void install_window_facilities(PickListPresenter pick_list, KeySender keys) {
  gPickList.store(pick_list);
  gKeys.store(keys);
}

PickListPresenter pick_list_presenter() { return gPickList.load(); }
KeySender key_sender() { return gKeys.load(); }

PickListRows read_pick_list(Connection& connection, const std::string& query) {
  PickListRows list;
  Recordset rs = connection.execute(query);
  for (std::size_t c = 0; c < rs.field_count(); ++c)
    list.columns.push_back(rs.field_name(c));
  for (; !rs.eof(); rs.move_next()) {
    std::vector<std::string>& row = list.rows.emplace_back();
    for (std::size_t c = 0; c < rs.field_count(); ++c) {
      const Variant& v = rs.field(c);
      row.push_back(v.is_null() ? std::string() : v.as_text());
    }
  }
  rs.close();
  return list;
}

}  // namespace promocionesQEX::companions
