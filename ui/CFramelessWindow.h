#pragma once

#include "library_Orv/Window/FramelessLogic.h"

#include <QList>
#include <QMainWindow>
#include <QMargins>
#include <QPointer>

// A top-level window without the system frame that still behaves as a native one: resizing at its edges and
// corners, dragging by its title bar, snapping and maximising with the system's animations, the drop shadow, and
// margins that keep the content on screen while maximised. It tells derived classes when the pointer enters or
// leaves the window, the custom caption included.
class CFramelessWindow : public QMainWindow {
    Q_OBJECT

public:
    // The parent is not used: the window is always top-level.
    explicit CFramelessWindow(QWidget* parent = nullptr);
    ~CFramelessWindow() override;

    void setResizable(bool resizable);
    bool isResizable() const { return resizable_; }
    // A child of the title bar that drags the window when pressed, as the bar itself does.
    void addCaptionWidget(QWidget* widget);
    const QList<QWidget*>& captionWidgets() const { return captionWidgets_; }
    // The widget that acts as the caption (not owned).
    void setTitleBar(QWidget* titleBar) { titleBar_ = titleBar; }
    QWidget* titleBar() const { return titleBar_; }
    int borderWidth() const { return borderWidth_; }

    void applyNativeFrame();
    void removeNativeFrameExtension();
    void refreshFrame();
    bool isFrameExtended() const { return frameExtended_; }
    const QMargins& maximisedFrameMargins() const { return maximisedFrameMargins_; }
    // What the title bar is under a point in logical screen coordinates.
    Orv::Frameless::TitleBarAnswer titleBarAnswer(const QPoint& logicalGlobal) const;
    // The window's content area as hit tests see it, in the zone's units (physical pixels on Windows).
    Orv::Frameless::HitTestInput hitTestInput(int x, int y) const;

signals:
    void sShowMinimized();
    void sShowMaximized();
    void sTrackMouseLeave();
    void sTrackMouseLeaveNC();
    void sEnterEventWindowArea();
    void sLeaveEventWindowArea();

public slots:
    void onTitleBarDestroyed();
    void trackMouseLeave();
    void trackMouseLeaveNC();
    void showFullScreen();

protected:
    // For derived classes: the pointer entered or left the window.
    virtual void enterEventWindowArea() {}
    virtual void leaveEventWindowArea() {}

    bool nativeEvent(const QByteArray& eventType, void* message, long* result) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Emit(const std::vector<Orv::Frameless::HoverTracker::Output>& outputs);
    bool HandleHitTest(intptr_t lParam, long* result);
    void HandleMinMaxInfo(intptr_t handle);
    // The native window, 0 while there is none (asking winId() would create one, even in the middle of creating
    // it when its first messages arrive).
    intptr_t NativeHandle() const { return static_cast<intptr_t>(internalWinId()); }
    // Without native frames (POSIX): a press on a border or the caption starts the window system's resize or move.
    bool StartSystemMoveOrResize(const QPoint& global);

    Orv::Frameless::HoverTracker hover_;
    QPointer<QWidget> titleBar_;
    QList<QWidget*> captionWidgets_;
    int borderWidth_ = 5;
    QMargins baseContentsMargins_;
    QMargins maximisedFrameMargins_;
    Orv::Frameless::MaximiseMargins maximise_;
    bool adjustWhenMaximised_ = true;
    bool resizable_ = true;
    bool frameExtended_ = false;
    WId frameHandle_ = 0;
    bool pressFilterInstalled_ = false;
};
