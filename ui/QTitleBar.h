#pragma once

#include "QTitleBarWidgets.h"

#include <QColor>
#include <QWidget>

#include <array>

class QHBoxLayout;

// The title bar of a modern main window: the window icon, the title and the caption buttons, sized from the
// screen's scale. Its options choose the buttons shown.
class QTitleBar : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool maximized MEMBER maximizedProperty_)
    Q_PROPERTY(bool desactivated MEMBER desactivatedProperty_)
    Q_PROPERTY(QColor backgroundColor MEMBER background_)

public:
    enum Option { Pin = 1, MinimizeMaximize = 2, MinimizeOnly = 4, Config = 16 };
    enum Button { ConfigButton, PinButton, MinimizeButton, RestoreButton, MaximizeButton, CloseButton };

    QTitleBar(QWidget* parent, int options, double scale);

    QTitleBarIconWidget* iconWidget() const { return icon_; }
    QTitleBarTitleWidget* titleWidget() const { return title_; }
    QTitleBarCaptionButton* button(Button which) const { return buttons_[which]; }
    int options() const { return options_; }
    bool isActive() const { return active_; }
    bool isMaximized() const { return maximized_; }
    double scale() const { return scale_; }

signals:
    void showConfig();
    void showTopMost(bool topMost);
    void showMinimized();
    void showNormal();
    void showMaximized();
    void closeWindow();
    void sStartSystemMove();

public slots:
    void setTitle(const QString& title);
    void setIcon(const QPixmap& icon);
    void setActive(bool active);
    void setTopMost(bool isTopMost);
    void setMaximized(double pixel_ratio, bool maximized);
    void setDarkMode();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ApplySizes();
    void MaximizeOrRestore();

    QTitleBarIconWidget* icon_;
    QTitleBarTitleWidget* title_;
    std::array<QTitleBarCaptionButton*, 6> buttons_{};
    int options_;
    bool active_ = true;
    bool maximized_ = false;
    int normalHeight_ = 29;
    int maximizedHeight_ = 22;
    QColor background_{0xF4, 0xF6, 0xFA};
    QHBoxLayout* layout_;
    double scale_;
    bool maximizedProperty_ = false;
    bool desactivatedProperty_ = false;
};
