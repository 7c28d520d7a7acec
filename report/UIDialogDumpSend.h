#pragma once

#include "library_Orv/Qt/SkinManager.h"
#include "ui/QModernMainWindow.h"

#include <memory>

namespace Ui {
class UIDialogDumpSend;
}

// The report window: a modern main window that follows the skin; its content is a report panel.
class UIDialogDumpSend : public QModernMainWindow {
    Q_OBJECT

public:
    explicit UIDialogDumpSend(QWidget* parent = nullptr);
    ~UIDialogDumpSend() override;

private:
    Orv::QtStylesheetSkinRegisteredWidget skinRegistration_;
    std::unique_ptr<Ui::UIDialogDumpSend> form_;
};
