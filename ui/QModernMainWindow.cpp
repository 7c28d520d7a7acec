#include "QModernMainWindow.h"

#include "QTitleBar.h"
#include "WindowInfos.h"

#include "library_Orv/Window/NativeWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>

QModernMainWindow::QModernMainWindow(QWidget* parent) : CFramelessWindow(parent) {}

QModernMainWindow::~QModernMainWindow() = default;

double QModernMainWindow::scaleFactor() const {
    const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    return shown ? shown->logicalDotsPerInch() / 96.0 : 1.0;
}

void QModernMainWindow::BuildFrame() {
    mainFrame_ = new QWidget(this);
    mainFrame_->setObjectName(QStringLiteral("MainFrame"));
    titleBar_ = new QTitleBar(mainFrame_, titleBarOptions_, scaleFactor());
    titleBar_->setIcon(windowIcon().pixmap(45, 45));
    titleBar_->setTitle(windowTitle());
    layout_ = new QVBoxLayout(mainFrame_);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->addWidget(titleBar_);

    connect(titleBar_, &QTitleBar::showMinimized, this, &QWidget::showMinimized, Qt::QueuedConnection);
    connect(
        titleBar_, &QTitleBar::showNormal, this,
        [this]() {
            showNormal();
            applyNativeFrame();
        },
        Qt::QueuedConnection);
    connect(titleBar_, &QTitleBar::showMaximized, this, &QWidget::showMaximized, Qt::QueuedConnection);
    connect(titleBar_, &QTitleBar::showTopMost, this, &QModernMainWindow::setTopMostEvent);
    connect(titleBar_, &QTitleBar::closeWindow, this, &QWidget::close);
    connect(this, &QWidget::windowTitleChanged, titleBar_, &QTitleBar::setTitle);
    connect(this, &QWidget::windowIconChanged, titleBar_,
            [this](const QIcon& icon) { titleBar_->setIcon(icon.pixmap(45, 45)); });
}

void QModernMainWindow::setContentWidget(QWidget* content) {
    const bool first = mainFrame_ == nullptr;
    if (first)
        BuildFrame();
    content_ = content;
    if (content) {
        content->setParent(mainFrame_);
        layout_->addWidget(content);
    }
    if (!first)
        return;
    titleTimer_ = new QTimer(this);
    titleTimer_->setSingleShot(true);
    connect(titleTimer_, &QTimer::timeout, this, &QModernMainWindow::OnTitleTimer);
    setTitleBar(titleBar_);
    connect(titleBar_, SIGNAL(destroyed(QObject*)), this, SLOT(onTitleBarDestroyed()));
    if (!captionWidgets().contains(titleBar_->titleWidget()))
        addCaptionWidget(titleBar_->titleWidget());
    setCentralWidget(mainFrame_);
}

bool QModernMainWindow::titleKeysHeld() const {
    if (Orv::NativeWindow::Available())
        return Orv::NativeWindow::WindowsOrAltKeyDown();
    return QGuiApplication::queryKeyboardModifiers() & (Qt::AltModifier | Qt::MetaModifier);
}

void QModernMainWindow::OnTitleTimer() {
    if (!titleKeysHeld())
        setWindowTitle(storedTitle_);
}

void QModernMainWindow::setTopMost(bool topMost) {
    if (Orv::NativeWindow::Available()) {
        Orv::NativeWindow::SetTopMost(static_cast<intptr_t>(internalWinId()), topMost);
    } else {
        const bool visible = isVisible();
        setWindowFlag(Qt::WindowStaysOnTopHint, topMost);
        if (visible)
            show(); // changing the flags hides the window
    }
    if (titleBar_)
        titleBar_->setTopMost(topMost);
}

void QModernMainWindow::setTopMostEvent(bool topMost) {
    setTopMost(topMost);
    emit sTopMost(topMost);
}

void QModernMainWindow::SetTitleBarState(const char* property, bool value) {
    titleBar_->setProperty("maximized", fullScreen_ || maximized_);
    titleBar_->setProperty(property, value);
    titleBar_->style()->unpolish(titleBar_);
    titleBar_->style()->polish(titleBar_);
}

void QModernMainWindow::FollowScreenChange() {
    QScreen* now = screen();
    if (now == lastScreen_ || !isVisible() || screenChangeInProgress_)
        return;
    lastScreen_ = now;
    screenChangeInProgress_ = true;
    const intptr_t handle = static_cast<intptr_t>(internalWinId());
    if (!noRedrawSuppression_)
        Orv::NativeWindow::SetRedraw(handle, false);
    // A one-pixel nudge and back makes the layout follow the new screen's scale.
    const QRect before = geometry();
    setGeometry(before.adjusted(-1, -1, 0, 0));
    if (geometry() != before)
        setGeometry(before);
    repaint();
    if (!noRedrawSuppression_)
        Orv::NativeWindow::SetRedraw(handle, true);
    screenChangeInProgress_ = false;
    emit sBorderAndTitleRemoved();
}

bool QModernMainWindow::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::WindowStateChange:
        if (!isMinimized()) {
            fullScreen_ = isFullScreen();
            maximized_ = isMaximized();
        }
        if (titleBar_) {
            const bool value = fullScreen_ || maximized_;
            titleBar_->setProperty("maximized", value);
            emit sMaximizeChanged(value);
            titleBar_->setMaximized(scaleFactor(), value);
            titleBar_->style()->unpolish(titleBar_);
            titleBar_->style()->polish(titleBar_);
        }
        if (!fullScreen_ && !maximized_)
            applyNativeFrame();
        break;
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate: {
        const bool activating = event->type() == QEvent::WindowActivate;
        if (titleBar_) {
            SetTitleBarState("desactivated", !activating);
            titleBar_->setActive(activating);
        }
        active_ = activating;
        break;
    }
    case QEvent::Show:
        if (savedRect_.isValid()) {
            savedRect_ = QRect();
            applyNativeFrame();
        }
        break;
    case QEvent::Hide: {
        const double ratio = windowHandle() ? windowHandle()->devicePixelRatio() : 1.0;
        const QRect now = geometry();
        savedRect_ =
            QRect(static_cast<int>(now.left() * ratio), static_cast<int>(now.top() * ratio), now.width(), now.height());
        removeNativeFrameExtension();
        break;
    }
    case QEvent::Move:
        FollowScreenChange();
        break;
    default:
        break;
    }
    return CFramelessWindow::event(event);
}

void QModernMainWindow::showEvent(QShowEvent* event) {
    if (!isFullScreen() && !isMaximized() && !isHidden() && !isMinimized())
        Orv::Win::WindowInfos(this).KeepOnScreen();
    CFramelessWindow::showEvent(event);
    if (isHidden())
        return;
    const bool resizable = isResizable();
    if (firstShow_) {
        firstShow_ = false;
        setResizable(true); // the native frame styles, once, whatever the window's own choice
    }
    setResizable(resizable);
    applyNativeFrame();
}
