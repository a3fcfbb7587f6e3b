// Widgets live on the thread that owns the QApplication.
#pragma once

namespace promocionesQEX::capture {

// Fails with RuntimeError 5 on another thread (or under a QCoreApplication);
// a host without an application object gets a QApplication made on the
// calling thread, on first need, that lives as long as the process.
void ensure_gui_thread();

}  // namespace promocionesQEX::capture
