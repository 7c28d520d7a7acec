#include "UIDialogDumpSend.h"

#include "ui_UIDialogDumpSend.h"

UIDialogDumpSend::UIDialogDumpSend(QWidget* parent)
    : QModernMainWindow(parent), skinRegistration_(this, QStringLiteral("stylesheet.qss")),
      form_(std::make_unique<Ui::UIDialogDumpSend>()) {
    skinRegistration_.Apply();
    form_->setupUi(this);
}

UIDialogDumpSend::~UIDialogDumpSend() = default;
