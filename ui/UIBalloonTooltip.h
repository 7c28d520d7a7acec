#pragma once

#include "library_Orv/Qt/SkinManager.h"

#include <QColor>
#include <QIcon>
#include <QPainterPath>
#include <QWidget>

// A frameless, translucent tooltip window: a rounded box with a pointer towards a place on screen, a bold title,
// a close button, a message and an optional icon. It closes after its time unless the pointer is over it, on a
// press outside its shape, and when another window becomes active.
class UIBalloonTooltip : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor NOTIFY backgroundColorChanged)
    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor NOTIFY borderColorChanged)
    Q_PROPERTY(int borderSize READ borderSize WRITE setBorderSize NOTIFY borderSizeChanged)

public:
    // Shows a balloon pointing at pointAt (global coordinates) for displayMs milliseconds (0: until closed).
    static UIBalloonTooltip* showBalloon(QWidget* parent, const QString& title, const QString& message,
                                         const QPoint& pointAt, const QIcon& icon = QIcon(), int displayMs = 10000);

    QColor backgroundColor() const { return background_; }
    QColor borderColor() const { return border_; }
    int borderSize() const { return borderSize_; }
    void setBackgroundColor(const QColor& color);
    void setBorderColor(const QColor& color);
    void setBorderSize(int size);
    void setCloseOnOutside(bool close) { closeOnOutside_ = close; }
    // The balloon's shape in its own coordinates.
    const QPainterPath& outline() const { return outline_; }

signals:
    void backgroundColorChanged();
    void borderColorChanged();
    void borderSizeChanged();

protected:
    UIBalloonTooltip(QWidget* parent, const QString& title, const QString& message, const QIcon& icon);
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void UpdateShape();

    QPixmap pixmap_;
    int timerId_ = 0;
    QColor background_{0x1F, 0x2A, 0x37};
    QColor border_{0x11, 0x18, 0x20};
    int borderSize_ = 1;
    bool closeOnOutside_ = true;
    QPainterPath outline_;
    Orv::QtStylesheetSkinRegisteredWidget skinRegistration_;
};
