#pragma once

#include "CFramelessWindow.h"

#include <QPointer>
#include <QRect>
#include <QString>
#include <QTimer>

class QScreen;
class QTitleBar;
class QVBoxLayout;

// A frameless window that wraps a content widget under its own title bar (icon, title, caption buttons), keeps the
// bar in step with its state and scale, stays on screen when shown and can stay above other windows.
class QModernMainWindow : public CFramelessWindow {
    Q_OBJECT

public:
    explicit QModernMainWindow(QWidget* parent = nullptr);
    ~QModernMainWindow() override;

    // The first call builds the frame; every call puts content under the title bar.
    void setContentWidget(QWidget* content);
    // The options of the title bar to build (see QTitleBar::Option); only before the first setContentWidget.
    void setTitleBarOptions(int options) { titleBarOptions_ = options; }
    int titleBarOptions() const { return titleBarOptions_; }
    QTitleBar* modernTitleBar() const { return titleBar_; }
    QWidget* mainFrame() const { return mainFrame_; }
    QTimer* titleTimer() const { return titleTimer_; }
    // The title that the title timer sets, when it fires with no Windows or Alt key held.
    void setStoredTitle(const QString& title) { storedTitle_ = title; }
    // The screen's logical dots per inch over 96.
    double scaleFactor() const;

    virtual void setTopMost(bool topMost);

signals:
    void sMaximizeChanged(bool isMaximized);
    void sBorderAndTitleRemoved();
    void sTopMost(bool topMost);

public slots:
    void setTopMostEvent(bool topMost);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Whether a key that opens the window menu or the Start menu is held (the title then waits).
    virtual bool titleKeysHeld() const;

private:
    void BuildFrame();
    void SetTitleBarState(const char* property, bool value);
    void OnTitleTimer();
    void FollowScreenChange();

    QWidget* mainFrame_ = nullptr;
    QTimer* titleTimer_ = nullptr;
    QString storedTitle_;
    QPointer<QWidget> content_;
    QVBoxLayout* layout_ = nullptr;
    QTitleBar* titleBar_ = nullptr;
    bool active_ = true;
    QScreen* lastScreen_ = nullptr;
    QRect savedRect_;
    int titleBarOptions_ = 4;
    bool fullScreen_ = false;
    bool maximized_ = false;
    bool noRedrawSuppression_ = true;
    bool screenChangeInProgress_ = false;
    bool firstShow_ = true;
};
