#include "CFramelessWindow.h"

#include "library_Orv/Window/NativeWindow.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QWindow>

namespace NW = Orv::NativeWindow;
using Orv::Frameless::HoverTracker;

namespace {
QMargins ToQMargins(const Orv::Frameless::Margins& m) {
    return QMargins(m.left, m.top, m.right, m.bottom);
}

Qt::Edges EdgesOf(Orv::Frameless::Zone zone) {
    using namespace Orv::Frameless;
    switch (zone) {
    case Left:
        return Qt::LeftEdge;
    case Right:
        return Qt::RightEdge;
    case Top:
        return Qt::TopEdge;
    case Bottom:
        return Qt::BottomEdge;
    case TopLeft:
        return Qt::TopEdge | Qt::LeftEdge;
    case TopRight:
        return Qt::TopEdge | Qt::RightEdge;
    case BottomLeft:
        return Qt::BottomEdge | Qt::LeftEdge;
    case BottomRight:
        return Qt::BottomEdge | Qt::RightEdge;
    default:
        return {};
    }
}
} // namespace

CFramelessWindow::CFramelessWindow(QWidget*) : QMainWindow(nullptr) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
    connect(this, &CFramelessWindow::sTrackMouseLeave, this, &CFramelessWindow::trackMouseLeave, Qt::QueuedConnection);
    connect(this, &CFramelessWindow::sTrackMouseLeaveNC, this, &CFramelessWindow::trackMouseLeaveNC,
            Qt::QueuedConnection);
    connect(
        this, &CFramelessWindow::sEnterEventWindowArea, this, [this]() { enterEventWindowArea(); },
        Qt::QueuedConnection);
    connect(
        this, &CFramelessWindow::sLeaveEventWindowArea, this, [this]() { leaveEventWindowArea(); },
        Qt::QueuedConnection);
}

CFramelessWindow::~CFramelessWindow() = default;

void CFramelessWindow::setResizable(bool resizable) {
    resizable_ = resizable;
    if (resizable) {
        NW::AddStyle(NativeHandle(), NW::kFrameStyles);
    } else {
        if (windowFlags() & Qt::WindowMaximizeButtonHint) // changing the flags would hide a shown window
            setWindowFlag(Qt::WindowMaximizeButtonHint, false);
        NW::RemoveStyle(NativeHandle(), NW::kCaptionAndMaximizeBox);
    }
    applyNativeFrame();
}

void CFramelessWindow::addCaptionWidget(QWidget* widget) {
    captionWidgets_.append(widget);
}

void CFramelessWindow::onTitleBarDestroyed() {
    if (sender() == titleBar_ || !titleBar_)
        titleBar_ = nullptr;
}

void CFramelessWindow::trackMouseLeave() {
    if (hover_.ArmClient())
        NW::TrackMouseLeave(NativeHandle(), false);
}

void CFramelessWindow::trackMouseLeaveNC() {
    if (hover_.ArmNonClient())
        NW::TrackMouseLeave(NativeHandle(), true);
}

void CFramelessWindow::showFullScreen() {
    if (isMaximized()) {
        setContentsMargins(baseContentsMargins_);
        maximise_.Reset();
        maximisedFrameMargins_ = QMargins();
    }
    QMainWindow::showFullScreen();
}

void CFramelessWindow::applyNativeFrame() {
    const WId handle = internalWinId();
    if (handle == 0 || (frameExtended_ && frameHandle_ == handle))
        return;
    frameHandle_ = handle;
    frameExtended_ = true;
    NW::AddStyle(static_cast<intptr_t>(handle), NW::kFrameStyles);
    NW::ExtendFrame(static_cast<intptr_t>(handle), 1); // the drop shadow
}

void CFramelessWindow::removeNativeFrameExtension() {
    const WId handle = internalWinId();
    if (handle == 0 || (!frameExtended_ && frameHandle_ == handle))
        return;
    frameHandle_ = handle;
    frameExtended_ = false;
    NW::ExtendFrame(static_cast<intptr_t>(handle), 0);
}

void CFramelessWindow::refreshFrame() {
    NW::RefreshFrame(NativeHandle());
}

Orv::Frameless::TitleBarAnswer CFramelessWindow::titleBarAnswer(const QPoint& logicalGlobal) const {
    using Orv::Frameless::TitleBarAnswer;
    if (!titleBar_)
        return TitleBarAnswer::Outside;
    const QPoint local = titleBar_->mapFromGlobal(logicalGlobal);
    if (!titleBar_->rect().contains(local))
        return TitleBarAnswer::Outside;
    QWidget* child = titleBar_->childAt(local);
    return child && !captionWidgets_.contains(child) ? TitleBarAnswer::Child : TitleBarAnswer::Caption;
}

Orv::Frameless::HitTestInput CFramelessWindow::hitTestInput(int x, int y) const {
    Orv::Frameless::HitTestInput in;
    const QRect logical = frameGeometry();
    const QWindow* window = windowHandle();
    in.pixelRatio = window ? window->devicePixelRatio() : 1.0;
    in.window = NW::Available() ? NW::WindowRect(static_cast<intptr_t>(effectiveWinId()))
                                : Orv::Frameless::Rect{logical.left(), logical.top(), logical.left() + logical.width(),
                                                       logical.top() + logical.height()};
    if (!NW::Available())
        in.pixelRatio = 1.0; // Qt's coordinates on both sides
    in.x = x;
    in.y = y;
    in.border = borderWidth_;
    in.resizable = resizable_;
    in.widthFixed = minimumWidth() == maximumWidth();
    in.heightFixed = minimumHeight() == maximumHeight();
    in.logicalX = logical.x();
    in.logicalY = logical.y();
    return in;
}

void CFramelessWindow::Emit(const std::vector<HoverTracker::Output>& outputs) {
    for (const HoverTracker::Output output : outputs) {
        switch (output) {
        case HoverTracker::Output::TrackLeave:
            emit sTrackMouseLeave();
            break;
        case HoverTracker::Output::TrackLeaveNonClient:
            emit sTrackMouseLeaveNC();
            break;
        case HoverTracker::Output::Enter:
            emit sEnterEventWindowArea();
            break;
        case HoverTracker::Output::Leave:
            emit sLeaveEventWindowArea();
            break;
        }
    }
}

bool CFramelessWindow::HandleHitTest(intptr_t lParam, long* result) {
    *result = 0;
    hover_.HitTestStarted();
    int x = 0;
    int y = 0;
    NW::PointFromLParam(lParam, x, y);
    const Orv::Frameless::HitTestInput in = hitTestInput(x, y);
    std::function<Orv::Frameless::TitleBarAnswer(int, int)> bar;
    if (titleBar_)
        bar = [this](int lx, int ly) { return titleBarAnswer(QPoint(lx, ly)); };
    const Orv::Frameless::Zone zone = Orv::Frameless::HitTest(in, bar);
    if (zone == Orv::Frameless::None)
        return false;
    *result = zone;
    Emit(hover_.HitTestHandled());
    return true;
}

void CFramelessWindow::HandleMinMaxInfo(intptr_t handle) {
    const double ratio = windowHandle() ? windowHandle()->devicePixelRatio() : 1.0;
    using Change = Orv::Frameless::MaximiseMargins::Change;
    const Change change = maximise_.Update(NW::IsZoomed(handle), adjustWhenMaximised_, NW::StandardFrame(), ratio);
    if (change == Change::Apply) {
        maximisedFrameMargins_ = ToQMargins(maximise_.Frame());
        setContentsMargins(baseContentsMargins_ + maximisedFrameMargins_);
    } else if (change == Change::Restore) {
        maximisedFrameMargins_ = QMargins();
        setContentsMargins(baseContentsMargins_);
    }
}

bool CFramelessWindow::nativeEvent(const QByteArray& eventType, void* message, long* result) {
    NW::NativeMessage msg;
    if (eventType != "windows_generic_MSG" || !NW::Read(message, msg))
        return false;
    const auto windows = QGuiApplication::topLevelWindows();
    const bool ours = std::any_of(windows.begin(), windows.end(), [&](QWindow* w) {
        return w->handle() && static_cast<intptr_t>(w->winId()) == msg.window;
    });
    if (!ours)
        return false;
    switch (msg.message) {
    case NW::kNcCalcSize:
        if (msg.wParam == 0)
            *result = 0;
        else if (NW::IsVisible(msg.window))
            *result = NW::kRedrawOnResize; // the whole window is client area
        return true;
    case NW::kNcHitTest:
        return HandleHitTest(msg.lParam, result);
    case NW::kGetMinMaxInfo:
        HandleMinMaxInfo(msg.window);
        return false;
    case NW::kSetText:
    case NW::kSetIcon:
        *result = static_cast<long>(NW::DefaultWithoutCaptionPainting(msg));
        return true;
    case NW::kSysCommand:
        switch (msg.wParam & 0xFFF0) {
        case NW::kMinimize:
            emit sShowMinimized();
            removeNativeFrameExtension();
            break;
        case NW::kMaximize:
            emit sShowMaximized();
            removeNativeFrameExtension();
            break;
        case NW::kRestore:
            applyNativeFrame();
            break;
        default:
            break;
        }
        return QMainWindow::nativeEvent(eventType, message, result);
    case NW::kThemedCaptionPaintA:
    case NW::kThemedCaptionPaintB:
        *result = 0;
        return true;
    case NW::kNcMouseMove:
        Emit(hover_.Handle(HoverTracker::Input::NonClientMove));
        break;
    case NW::kMouseMove:
        Emit(hover_.Handle(HoverTracker::Input::ClientMove));
        break;
    case NW::kNcMouseLeave:
        Emit(hover_.Handle(HoverTracker::Input::NonClientLeave));
        break;
    case NW::kMouseLeave:
        Emit(hover_.Handle(HoverTracker::Input::ClientLeave));
        break;
    default:
        break;
    }
    return QMainWindow::nativeEvent(eventType, message, result);
}

bool CFramelessWindow::event(QEvent* event) {
    if (!NW::Available()) {
        // Without native messages: Qt's enter and leave of the whole window, with the same rule (a move between the
        // title bar and the content stays inside the window and gives nothing).
        if (event->type() == QEvent::Enter)
            Emit(hover_.Handle(HoverTracker::Input::ClientMove));
        else if (event->type() == QEvent::Leave)
            Emit(hover_.Handle(HoverTracker::Input::ClientLeave));
        if (!pressFilterInstalled_ && windowHandle()) {
            windowHandle()->installEventFilter(this);
            pressFilterInstalled_ = true;
        }
    }
    return QMainWindow::event(event);
}

bool CFramelessWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::MouseButtonPress) {
        auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton && StartSystemMoveOrResize(press->globalPos()))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool CFramelessWindow::StartSystemMoveOrResize(const QPoint& global) {
    QWindow* window = windowHandle();
    if (!window || isMaximized() || isFullScreen())
        return false;
    const Orv::Frameless::HitTestInput in = hitTestInput(global.x(), global.y());
    const Orv::Frameless::Zone border = Orv::Frameless::BorderZone(in);
    if (border != Orv::Frameless::None)
        return window->startSystemResize(EdgesOf(border));
    if (titleBar_ && titleBarAnswer(global) == Orv::Frameless::TitleBarAnswer::Caption)
        return window->startSystemMove();
    return false;
}
