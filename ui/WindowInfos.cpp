#include "WindowInfos.h"

#include "library_Orv/Window/NativeWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace Orv::Win {

namespace {
Frameless::Rect ToRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}
} // namespace

// Moves the native window from one rectangle to another, and Qt's idea of its geometry with it: a window about to be
// shown would otherwise be put back where Qt believes it is.
void WindowInfos::MoveNative(intptr_t handle, const Frameless::Rect& from, const Frameless::Rect& to) {
    NativeWindow::Move(handle, to);
    const qreal ratio = window_->devicePixelRatioF() > 0 ? window_->devicePixelRatioF() : 1.0;
    const auto logical = [ratio](int delta) { return qRound(delta / ratio); };
    const QRect geometry =
        window_->geometry().adjusted(logical(to.left - from.left), logical(to.top - from.top),
                                     logical(to.right - from.right), logical(to.bottom - from.bottom));
    window_->setGeometry(geometry);
}

void WindowInfos::KeepOnScreen() {
    if (!window_)
        return;
    const intptr_t handle = static_cast<intptr_t>(window_->internalWinId());
    if (NativeWindow::Available() && handle != 0) {
        // Physical pixels throughout: the window's frame and the monitors' work areas as Windows gives them: a
        // window kept on screen is not under the task bar.
        int primary = -1;
        const std::vector<Frameless::Rect> monitors = NativeWindow::WorkAreas(primary);
        const Frameless::Rect frame = NativeWindow::WindowRect(handle);
        Frameless::Rect moved;
        Frameless::Rect screen;
        if (!Frameless::ShiftOntoScreen(frame, monitors, primary, moved, screen))
            return;
        MoveNative(handle, frame, moved);
        const Frameless::Rect now = NativeWindow::WindowRect(handle);
        Frameless::Rect clamped;
        if (Frameless::ClampToScreen(now, screen, clamped))
            MoveNative(handle, now, clamped);
        return;
    }
    // Qt's logical coordinates: the frame and the screens' available areas.
    std::vector<Frameless::Rect> screens;
    int primary = -1;
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen == QGuiApplication::primaryScreen())
            primary = static_cast<int>(screens.size());
        screens.push_back(ToRect(screen->availableGeometry()));
    }
    const QRect frame = window_->frameGeometry();
    Frameless::Rect moved;
    Frameless::Rect screen;
    if (!Frameless::ShiftOntoScreen(ToRect(frame), screens, primary, moved, screen))
        return;
    window_->move(window_->pos() + QPoint(moved.left - frame.left(), moved.top - frame.top()));
    Frameless::Rect clamped;
    const QRect now = window_->frameGeometry();
    if (Frameless::ClampToScreen(ToRect(now), screen, clamped)) {
        const QMargins frameMargins(window_->geometry().left() - now.left(), window_->geometry().top() - now.top(),
                                    now.right() - window_->geometry().right(),
                                    now.bottom() - window_->geometry().bottom());
        window_->setGeometry(QRect(QPoint(clamped.left, clamped.top), QPoint(clamped.right - 1, clamped.bottom - 1))
                                 .marginsRemoved(frameMargins));
    }
}

} // namespace Orv::Win
