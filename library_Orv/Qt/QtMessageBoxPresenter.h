#pragma once

namespace Orv {

// Shows the library's reports on the GUI thread, whichever thread makes them: in the platform's own message box
// where it has one (owned by the active window), otherwise in a QMessageBox while a QApplication exists.
void InstallQtMessageBoxPresenter();

} // namespace Orv
