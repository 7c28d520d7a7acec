#include "UIPanelFailedOrSucceed.h"

#include "ui_UIPanelFailedOrSucceed.h"

UIPanelFailedOrSucceed::UIPanelFailedOrSucceed(QWidget* parent)
    : QWidget(parent), form_(std::make_unique<Ui::UIPanelFailedOrSucceed>()) {
    form_->setupUi(this);
}

UIPanelFailedOrSucceed::~UIPanelFailedOrSucceed() = default;

void UIPanelFailedOrSucceed::ShowFailed(const QString& text) {
    form_->labelFailed->setText(text);
    form_->widgetFailed->show();
    form_->widgetSucceed->hide();
    form_->pushButtonRetry->show();
}

void UIPanelFailedOrSucceed::ShowSucceeded(const QString& text) {
    form_->labelSucceed->setText(text);
    form_->widgetFailed->hide();
    form_->widgetSucceed->show();
}

void UIPanelFailedOrSucceed::on_pushButtonRetry_clicked() {
    emit sRetry();
}

void UIPanelFailedOrSucceed::on_pushButtonSaveReport_clicked() {
    emit sSaveReport();
}
