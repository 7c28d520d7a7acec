#include "UIWidgetDownloadItem.h"

#include "ui_UIWidgetDownloadItem.h"

#include <cmath>

UIWidgetDownloadItem::UIWidgetDownloadItem(QWidget* parent)
    : QWidget(parent), form_(std::make_unique<Ui::UIWidgetDownloadItem>()) {
    form_->setupUi(this);
}

UIWidgetDownloadItem::~UIWidgetDownloadItem() = default;

void UIWidgetDownloadItem::SetProgress(float percentage, double) {
    form_->progressBar->setValue(static_cast<int>(percentage));
    form_->progressBar->setVisible(std::fabs(percentage - 100.0) >= 0.000001);
}
