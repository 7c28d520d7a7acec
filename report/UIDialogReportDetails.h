#pragma once

#include "ReportForm.h"

#include <QDialog>

#include <memory>

namespace Ui {
class UIDialogReportDetails;
}

// What an upload will carry, before it is sent: the screenshot as a thumbnail, the e-mail address, the
// explanation and the report rows (the JSON with indentation).
class UIDialogReportDetails : public QDialog {
    Q_OBJECT

public:
    UIDialogReportDetails(const ReportFields& fields, QWidget* parent = nullptr);
    ~UIDialogReportDetails() override;

private:
    Ui::UIDialogReportDetails* Form() const { return form_.get(); }
    std::unique_ptr<Ui::UIDialogReportDetails> form_;
};
