#include "QTitleBar.h"

#include "library_Orv/Window/FramelessLogic.h"

#include <QHBoxLayout>
#include <QPainter>

QTitleBar::QTitleBar(QWidget* parent, int options, double scale)
    : QWidget(parent), icon_(new QTitleBarIconWidget(this)), title_(new QTitleBarTitleWidget(this)), options_(options),
      layout_(new QHBoxLayout(this)), scale_(scale > 0 ? scale : 1.0) {
    setObjectName(QStringLiteral("titleBar"));
    setAttribute(Qt::WA_StyledBackground);
    const char* const types[] = {"config", "pin", "minimize", "restore", "maximize", "close"};
    layout_->setSpacing(0);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->addWidget(icon_);
    layout_->addWidget(title_);
    layout_->addLayout(new QHBoxLayout(), 1);
    for (size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i] = new QTitleBarCaptionButton(QString::fromLatin1(types[i]), this);
        layout_->addWidget(buttons_[i]);
    }
    buttons_[PinButton]->setToggles(true);

    buttons_[ConfigButton]->setVisible(options & Config);
    buttons_[PinButton]->setVisible(options & Pin);
    const bool minimizeGroup = options & (MinimizeMaximize | MinimizeOnly);
    buttons_[MinimizeButton]->setVisible(minimizeGroup);
    buttons_[RestoreButton]->setVisible(false);
    buttons_[MaximizeButton]->setVisible((options & MinimizeMaximize) && !(options & MinimizeOnly));

    connect(buttons_[ConfigButton], &QTitleBarCaptionButton::clicked, this, &QTitleBar::showConfig);
    connect(buttons_[PinButton], &QTitleBarCaptionButton::clicked, this, &QTitleBar::showTopMost);
    connect(buttons_[MinimizeButton], &QTitleBarCaptionButton::clicked, this, &QTitleBar::showMinimized);
    connect(buttons_[RestoreButton], &QTitleBarCaptionButton::clicked, this, &QTitleBar::showNormal);
    connect(buttons_[MaximizeButton], &QTitleBarCaptionButton::clicked, this, &QTitleBar::MaximizeOrRestore);
    connect(title_, &QTitleBarTitleWidget::doubleClicked, this, &QTitleBar::MaximizeOrRestore);
    connect(buttons_[CloseButton], &QTitleBarCaptionButton::clicked, this, &QTitleBar::closeWindow);
    connect(icon_, &QTitleBarIconWidget::doubleClicked, this, &QTitleBar::closeWindow);
    connect(title_, &QTitleBarTitleWidget::clicked, this, &QTitleBar::sStartSystemMove);
    ApplySizes();
}

void QTitleBar::MaximizeOrRestore() {
    if (maximized_)
        emit showNormal();
    else
        emit showMaximized();
}

void QTitleBar::ApplySizes() {
    const Orv::Frameless::TitleBarSizes sizes = Orv::Frameless::TitleBarSizesFor(scale_, maximized_);
    setFixedHeight(sizes.height);
    icon_->setFixedWidth(sizes.iconWidth);
    for (QTitleBarCaptionButton* button : buttons_)
        button->setFixedSize(sizes.buttonWidth, sizes.buttonHeight);
    title_->setFontPixels(sizes.fontPixels);
}

void QTitleBar::setTitle(const QString& title) {
    title_->setText(title);
}

void QTitleBar::setIcon(const QPixmap& icon) {
    icon_->setPixmap(icon);
}

void QTitleBar::setActive(bool active) {
    active_ = active;
    icon_->setActive(active);
    title_->setActive(active);
    for (QTitleBarCaptionButton* button : buttons_)
        button->setActive(active);
    repaint();
}

void QTitleBar::setTopMost(bool isTopMost) {
    buttons_[PinButton]->setTopMost(isTopMost);
}

void QTitleBar::setMaximized(double pixel_ratio, bool maximized) {
    scale_ = pixel_ratio > 0 ? pixel_ratio : 1.0;
    maximized_ = maximized;
    ApplySizes();
    if (options_ & MinimizeMaximize) {
        buttons_[RestoreButton]->setVisible(maximized);
        buttons_[MaximizeButton]->setVisible(!maximized);
    }
}

void QTitleBar::setDarkMode() {
    setActive(active_);
    for (QTitleBarCaptionButton* button : buttons_)
        button->updateAllPixmap();
}

void QTitleBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);
}
