#pragma once

namespace Orv {

// Where the platform has no message box of its own, shows the library's reports in a QMessageBox while a
// QApplication exists (and on the GUI thread); elsewhere they keep the platform's own presentation.
void InstallQtMessageBoxPresenter();

} // namespace Orv
