#include "QtMessageBoxPresenter.h"

#include "library_Orv/Error.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>
#include <QWidget>

namespace Orv {

namespace {
QMessageBox::Icon IconForStyle(unsigned style) {
    switch (style & 0xF0) {
    case 0x10:
        return QMessageBox::Critical;
    case 0x30:
        return QMessageBox::Warning;
    case 0x40:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

void Present(const std::string& text, const std::string& caption, unsigned style) {
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!application || PlatformHasMessageBox()) {
        ShowSystemMessageBox(text, caption, style);
        return;
    }
    // The message is 8-bit text shown as it is, as the Windows box shows ANSI text.
    // Over the active window (window-modal to it), in front of it even when it stays on top; when the program is
    // not the active one, over its first visible window, so that the box goes with that window when it closes.
    QWidget* owner = QApplication::activeWindow();
    for (QWidget* top : QApplication::topLevelWidgets())
        if (!owner && top->isVisible() && !top->isHidden() && top->windowType() != Qt::Popup &&
            top->windowType() != Qt::ToolTip)
            owner = top;
    QMessageBox box(IconForStyle(style), QString::fromStdString(caption), QString::fromStdString(text), QMessageBox::Ok,
                    owner);
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    box.exec();
}

// A report made on another thread (a check pass running in the background) is shown by the GUI thread, over its
// active window, and the reporting thread waits for the box to close as it would for its own.
void PresentOnGuiThread(const std::string& text, const std::string& caption, unsigned style) {
    QCoreApplication* application = QCoreApplication::instance();
    if (application && QThread::currentThread() != application->thread()) {
        QMetaObject::invokeMethod(
            application, [&]() { Present(text, caption, style); }, Qt::BlockingQueuedConnection);
        return;
    }
    Present(text, caption, style);
}
} // namespace

void InstallQtMessageBoxPresenter() {
    Error::SetMessageBoxPresenter(PresentOnGuiThread);
}

} // namespace Orv
