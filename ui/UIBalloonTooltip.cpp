#include "UIBalloonTooltip.h"

#include <QBitmap>
#include <QCursor>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

namespace {
constexpr int kPointerHeight = 10;
constexpr int kPointerWidth = 18;
constexpr int kPointerInset = 24; // from the box's left edge to the pointer's tip
constexpr qreal kRadius = 7;
} // namespace

UIBalloonTooltip::UIBalloonTooltip(QWidget* parent, const QString& title, const QString& message, const QIcon& icon)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint),
      skinRegistration_(this, QStringLiteral("stylesheet-tooltip.qss")) {
    setObjectName(QStringLiteral("UIBalloonTooltip"));
    setWindowOpacity(1.0);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);

    auto* titleLabel = new QLabel(title, this);
    titleLabel->setObjectName(QStringLiteral("labelTitle"));
    QFont bold = titleLabel->font();
    bold.setBold(true);
    titleLabel->setFont(bold);
    titleLabel->setMinimumWidth(100);
    auto* closeButton = new QPushButton(this);
    closeButton->setObjectName(QStringLiteral("pushButtonClose"));
    closeButton->setFixedSize(15, 15);
    closeButton->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    closeButton->setFlat(true);
    connect(closeButton, SIGNAL(clicked()), this, SLOT(close()));
    auto* messageLabel = new QLabel(message, this);
    messageLabel->setObjectName(QStringLiteral("labelMessage"));
    messageLabel->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    messageLabel->setWordWrap(true);
    messageLabel->setMinimumWidth(200);
    // Light text on the dark balloon, also before a skin styles it.
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    setPalette(palette);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(10, 8 + kPointerHeight, 10, 10);
    int column = 0;
    if (!icon.isNull()) {
        pixmap_ = icon.pixmap(24, 24);
        auto* iconLabel = new QLabel(this);
        iconLabel->setPixmap(pixmap_);
        grid->addWidget(iconLabel, 0, 0, 2, 1, Qt::AlignTop);
        column = 1;
    }
    grid->addWidget(titleLabel, 0, column);
    grid->addWidget(closeButton, 0, column + 1, Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(messageLabel, 1, column, 1, 2);
    skinRegistration_.Apply();
}

UIBalloonTooltip* UIBalloonTooltip::showBalloon(QWidget* parent, const QString& title, const QString& message,
                                                const QPoint& pointAt, const QIcon& icon, int displayMs) {
    auto* balloon = new UIBalloonTooltip(parent, title, message, icon);
    balloon->adjustSize();
    // The pointer's tip on pointAt, the box under it.
    balloon->move(pointAt - QPoint(kPointerInset, 0));
    balloon->show();
    if (displayMs > 0)
        balloon->timerId_ = balloon->startTimer(displayMs);
    return balloon;
}

void UIBalloonTooltip::setBackgroundColor(const QColor& color) {
    background_ = color;
    update();
    emit backgroundColorChanged();
}

void UIBalloonTooltip::setBorderColor(const QColor& color) {
    border_ = color;
    update();
    emit borderColorChanged();
}

void UIBalloonTooltip::setBorderSize(int size) {
    borderSize_ = size;
    UpdateShape();
    emit borderSizeChanged();
}

void UIBalloonTooltip::UpdateShape() {
    const QRectF box = QRectF(rect()).adjusted(0.5, kPointerHeight + 0.5, -0.5, -0.5);
    QPainterPath path;
    path.addRoundedRect(box, kRadius, kRadius);
    QPainterPath pointer;
    const qreal tip = kPointerInset;
    pointer.moveTo(tip - kPointerWidth / 2.0, box.top() + 1);
    pointer.lineTo(tip, 0.5);
    pointer.lineTo(tip + kPointerWidth / 2.0, box.top() + 1);
    pointer.closeSubpath();
    outline_ = path.united(pointer);
    QBitmap mask(size());
    mask.fill(Qt::color0);
    QPainter painter(&mask);
    painter.setBrush(Qt::color1);
    painter.setPen(Qt::NoPen);
    painter.drawPath(outline_);
    painter.end();
    setMask(mask);
    update();
}

void UIBalloonTooltip::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    UpdateShape();
}

void UIBalloonTooltip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(border_, borderSize_));
    painter.setBrush(background_);
    painter.drawPath(outline_);
}

void UIBalloonTooltip::mousePressEvent(QMouseEvent* event) {
    if (closeOnOutside_ && !mask().contains(event->pos()))
        close();
    QWidget::mousePressEvent(event);
}

void UIBalloonTooltip::timerEvent(QTimerEvent* event) {
    if (event->timerId() != timerId_ || timerId_ == 0)
        return QWidget::timerEvent(event);
    killTimer(timerId_);
    timerId_ = 0;
    if (!underMouse())
        close();
}

void UIBalloonTooltip::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && closeOnOutside_)
        close();
}
