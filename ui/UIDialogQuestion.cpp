#include "UIDialogQuestion.h"

#include "ui_UIDialogQuestion.h"

#include <QPushButton>
#include <QStyle>
#include <QWindow>

namespace {
struct ButtonText {
    int type;
    const char* text;
};
const ButtonText kButtons[] = {
    {UIDialogQuestion::Ok, QT_TRANSLATE_NOOP("UIDialogQuestion", "Ok")},
    {UIDialogQuestion::Save, QT_TRANSLATE_NOOP("UIDialogQuestion", "Save")},
    {UIDialogQuestion::SaveAll, QT_TRANSLATE_NOOP("UIDialogQuestion", "Save all")},
    {UIDialogQuestion::Open, QT_TRANSLATE_NOOP("UIDialogQuestion", "Open")},
    {UIDialogQuestion::Yes, QT_TRANSLATE_NOOP("UIDialogQuestion", "Yes")},
    {UIDialogQuestion::YesToAll, QT_TRANSLATE_NOOP("UIDialogQuestion", "Yes to all")},
    {UIDialogQuestion::No, QT_TRANSLATE_NOOP("UIDialogQuestion", "No")},
    {UIDialogQuestion::NoToAll, QT_TRANSLATE_NOOP("UIDialogQuestion", "No to all")},
    {UIDialogQuestion::Abort, QT_TRANSLATE_NOOP("UIDialogQuestion", "Abort")},
    {UIDialogQuestion::Retry, QT_TRANSLATE_NOOP("UIDialogQuestion", "Retry")},
    {UIDialogQuestion::Ignore, QT_TRANSLATE_NOOP("UIDialogQuestion", "Ignore")},
    {UIDialogQuestion::Close, QT_TRANSLATE_NOOP("UIDialogQuestion", "Close")},
    {UIDialogQuestion::Cancel, QT_TRANSLATE_NOOP("UIDialogQuestion", "Cancel")},
    {UIDialogQuestion::Discard, QT_TRANSLATE_NOOP("UIDialogQuestion", "Discard")},
    {UIDialogQuestion::Help, QT_TRANSLATE_NOOP("UIDialogQuestion", "Help")},
    {UIDialogQuestion::Apply, QT_TRANSLATE_NOOP("UIDialogQuestion", "Apply")},
    {UIDialogQuestion::Reset, QT_TRANSLATE_NOOP("UIDialogQuestion", "Reset")},
    {UIDialogQuestion::RestoreDefaults, QT_TRANSLATE_NOOP("UIDialogQuestion", "Restore to defaults")},
};
} // namespace

UIDialogQuestion::UIDialogQuestion(QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags), form_(std::make_unique<Ui::UIDialogQuestion>()) {
    form_->setupUi(this);
    form_->textEditLogs->hide();
    form_->widgetRadioChoices->hide();
    form_->widgetCheckChoices->hide();
}

UIDialogQuestion::~UIDialogQuestion() = default;

void UIDialogQuestion::setText(const QString& text) {
    form_->labelText->setText(text);
}

void UIDialogQuestion::setQuestionIcon() {
    const QIcon icon = style()->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this);
    const qreal ratio = windowHandle() ? windowHandle()->devicePixelRatio() : devicePixelRatioF();
    const int side = static_cast<int>(style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this) * ratio);
    QPixmap pixmap = icon.isNull() ? QPixmap() : icon.pixmap(side, side);
    pixmap.setDevicePixelRatio(ratio);
    form_->labelIcon->setPixmap(pixmap);
}

void UIDialogQuestion::setButtons(int buttons) {
    for (const ButtonText& button : kButtons)
        if (buttons & button.type)
            addButton(tr(button.text), button.type);
}

void UIDialogQuestion::addButton(const QString& text, int buttonType) {
    auto* button = new QPushButton(text, this);
    button->setProperty("buttonType", buttonType);
    form_->horizontalLayoutButtons->addWidget(button);
    connect(
        button, &QPushButton::clicked, this,
        [this, buttonType]() {
            done(buttonType);
            deleteLater();
        },
        Qt::DirectConnection);
}

void UIDialogQuestion::setDefaultButton(int) {}
