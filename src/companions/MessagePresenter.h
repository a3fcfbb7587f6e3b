// Where the default data-access session shows its messages. The core
// library links no window toolkit: once the capture windows are found, the
// core installs their message box as the presenter, and the session writes a
// line to its stream whenever no presenter is installed or the presenter
// declines (no QApplication to own a message box, as in a console host).
#pragma once

#include <string>

namespace promocionesQEX::companions {

// Shows the message modally and returns true, or returns false without
// showing anything. Botones and Ventana as Muestra_Mensaje takes them.
using MessagePresenter = bool (*)(const std::string& Mensaje, long Botones,
                                  const std::string& Titulo, long Ventana);

// Process-wide; nullptr removes it.
void install_message_presenter(MessagePresenter presenter);
MessagePresenter message_presenter();

}  // namespace promocionesQEX::companions
