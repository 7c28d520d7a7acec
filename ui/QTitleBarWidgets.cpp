#include "QTitleBarWidgets.h"

#include "ToolkitResources.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

QTitleBarIconWidget::QTitleBarIconWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("titleBarIcon"));
}

void QTitleBarIconWidget::setPixmap(const QPixmap& pixmap) {
    pixmap_ = pixmap;
    update();
}

void QTitleBarIconWidget::setActive(bool active) {
    active_ = active;
    update();
}

void QTitleBarIconWidget::paintEvent(QPaintEvent*) {
    if (pixmap_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setOpacity(active_ ? 1.0 : 0.6);
    const int side = qMin(width(), height()) * 16 / 29; // 16 of 29 pixels at any scale
    const QRect target((width() - side) / 2, (height() - side) / 2, side, side);
    painter.drawPixmap(target, pixmap_);
}

void QTitleBarIconWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

QTitleBarTitleWidget::QTitleBarTitleWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("titleBarTitle"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void QTitleBarTitleWidget::setFontPixels(int pixels) {
    fontPixels_ = pixels;
    update();
}

void QTitleBarTitleWidget::setText(const QString& text) {
    text_ = text;
    repaint();
}

void QTitleBarTitleWidget::setActive(bool active) {
    active_ = active;
    update();
}

void QTitleBarTitleWidget::setTitleColor(const QColor& activeColor, const QColor& inactiveColor) {
    activeColor_ = activeColor;
    inactiveColor_ = inactiveColor;
    update();
}

void QTitleBarTitleWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("Segoe UI"));
    font.setPixelSize(fontPixels_);
    painter.setFont(font);
    painter.setPen(active_ ? activeColor_ : inactiveColor_);
    const QString shown = painter.fontMetrics().elidedText(text_, Qt::ElideRight, width());
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, shown);
}

void QTitleBarTitleWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QWidget::mousePressEvent(event);
}

void QTitleBarTitleWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

QTitleBarCaptionButton::QTitleBarCaptionButton(const QString& type, QWidget* parent) : QWidget(parent) {
    Orv::Ui::InitToolkitResources();
    setProperty("type", type);
    setObjectName(QStringLiteral("captionButton_") + type);
    setAttribute(Qt::WA_Hover);
    setMouseTracking(true);
    const QIcon icon(QStringLiteral("://Resources/caption_%1.svg").arg(type));
    activeIcon_ = icon;
    inactiveIcon_ = QIcon(QStringLiteral("://Resources/caption_%1_inactive.svg").arg(type));
    if (type == QLatin1String("close")) {
        hoverIcon_ = QIcon(QStringLiteral("://Resources/caption_close_hover.svg"));
        hoverColor_ = QColor(0xE8, 0x11, 0x23); // white on red, as users know it
        pressedColor_ = QColor(0xC5, 0x0F, 0x1F);
    }
}

void QTitleBarCaptionButton::setTopMost(bool topMost) {
    pressed_ = topMost;
    update();
}

void QTitleBarCaptionButton::setInactiveIcon(const QIcon& icon) {
    inactiveIcon_ = icon;
    updatePixmap(inactivePixmap_, inactiveIcon_);
}

void QTitleBarCaptionButton::setActiveIcon(const QIcon& icon) {
    activeIcon_ = icon;
    updatePixmap(activePixmap_, activeIcon_);
}

void QTitleBarCaptionButton::setHoverIcon(const QIcon& icon) {
    hoverIcon_ = icon;
    updatePixmap(hoverPixmap_, hoverIcon_);
}

void QTitleBarCaptionButton::setPressedIcon(const QIcon& icon) {
    pressedIcon_ = icon;
    updatePixmap(pressedPixmap_, pressedIcon_);
}

void QTitleBarCaptionButton::updatePixmap(QPixmap& pixmap, QIcon& icon) {
    // The glyph is 10 of the 29 pixels of the bar's height, sharp at the screen's pixel ratio.
    const int side = qMax(8, height() * 10 / 29);
    pixmap = icon.isNull() ? QPixmap() : icon.pixmap(QSize(side, side));
    update();
}

void QTitleBarCaptionButton::updateAllPixmap() {
    updatePixmap(inactivePixmap_, inactiveIcon_);
    updatePixmap(activePixmap_, activeIcon_);
    updatePixmap(hoverPixmap_, hoverIcon_);
    updatePixmap(pressedPixmap_, pressedIcon_);
}

void QTitleBarCaptionButton::setActive(bool is_active) {
    active_ = is_active;
    update();
}

QColor QTitleBarCaptionButton::currentColor() const {
    if (pressed_)
        return pressedColor_;
    return hover_ ? hoverColor_ : normalColor_;
}

const QPixmap& QTitleBarCaptionButton::currentPixmap() const {
    const QPixmap* pixmap = &activePixmap_;
    if (hover_) {
        if (!hoverPixmap_.isNull())
            pixmap = &hoverPixmap_;
    } else if (!active_) {
        pixmap = &inactivePixmap_;
    }
    if (pressed_ && !pressedPixmap_.isNull())
        pixmap = &pressedPixmap_;
    return *pixmap;
}

void QTitleBarCaptionButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), currentColor());
    const QPixmap& pixmap = currentPixmap();
    if (pixmap.isNull())
        return;
    const QSize size = pixmap.size() / pixmap.devicePixelRatio();
    painter.drawPixmap(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), pixmap);
}

void QTitleBarCaptionButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    pressed_ = toggles_ ? !pressed_ : true;
    hover_ = true;
    update();
}

void QTitleBarCaptionButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !isEnabled())
        return QWidget::mouseReleaseEvent(event);
    if (!toggles_)
        pressed_ = false;
    hover_ = false;
    update();
    if (rect().contains(event->pos()))
        emit clicked(pressed_);
}

void QTitleBarCaptionButton::mouseMoveEvent(QMouseEvent* event) {
    const bool over = rect().contains(event->pos());
    if (over != hover_) {
        hover_ = over;
        update();
    }
    QWidget::mouseMoveEvent(event);
}

bool QTitleBarCaptionButton::event(QEvent* event) {
    if (event->type() == QEvent::HoverEnter || event->type() == QEvent::HoverLeave) {
        hover_ = event->type() == QEvent::HoverEnter;
        update();
    }
    return QWidget::event(event);
}

void QTitleBarCaptionButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    updateAllPixmap();
}
