// The two window facilities of the default common services: the pick list
// behind Muestra_Busqueda and the keystrokes behind Envia_Teclas. The core
// library links no window toolkit, so both are hooks: the capture windows'
// library installs them when it is loaded. Until then Muestra_Busqueda
// answers "" (nothing picked) and Envia_Teclas sends nothing.
#pragma once

#include <string>
#include <vector>

#include "promocionesQEX/Connection.h"

namespace promocionesQEX::companions {

// The rows of a pick-list query as text: column names, then one text per
// field (Null as "", numbers in the general number format). The first column
// is the key the pick answers.
struct PickListRows {
  std::vector<std::string> columns;
  std::vector<std::vector<std::string>> rows;
};

// Shows the rows modally; the chosen row's key, "" when none is chosen.
using PickListPresenter = std::string (*)(const PickListRows& rows);
// Sends the keystrokes to the window that has the keyboard focus.
using KeySender = void (*)(const std::string& keys);

// Process-wide; nullptr removes a hook.
void install_window_facilities(PickListPresenter pick_list, KeySender keys);
PickListPresenter pick_list_presenter();
KeySender key_sender();

// Runs the query on `connection` and reads every row as text.
PickListRows read_pick_list(Connection& connection, const std::string& query);

}  // namespace promocionesQEX::companions
