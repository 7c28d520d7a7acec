#include "UIDialogDumpSend.h"

#include "ui_UIDialogDumpSend.h"

#include <QShortcut>

UIDialogDumpSend::UIDialogDumpSend(QWidget* parent)
    : QModernMainWindow(parent), skinRegistration_(this, QStringLiteral("stylesheet.qss")),
      form_(std::make_unique<Ui::UIDialogDumpSend>()) {
    skinRegistration_.Apply();
    form_->setupUi(this);
    // Esc closes the report window as it closes a dialog: nothing is sent.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
}

UIDialogDumpSend::~UIDialogDumpSend() = default;
