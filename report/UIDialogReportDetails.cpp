#include "UIDialogReportDetails.h"

#include "ReportHtml.h"
#include "ReportOutbox.h"
#include "ui_UIDialogReportDetails.h"

#include <QImage>
#include <QPixmap>

namespace {
constexpr int kThumbnailWidth = 240;
}

UIDialogReportDetails::UIDialogReportDetails(const ReportFields& fields, QWidget* parent)
    : QDialog(parent), form_(std::make_unique<Ui::UIDialogReportDetails>()) {
    form_->setupUi(this);
    const QImage screenshot(fields.screenshotPath);
    if (fields.diagnosticsMode && !screenshot.isNull())
        form_->labelThumbnail->setPixmap(QPixmap::fromImage(
            screenshot.scaledToWidth(qMin(kThumbnailWidth, screenshot.width()), Qt::SmoothTransformation)));
    form_->labelEmail->setText(fields.email.isEmpty() ? tr("(none: the report is anonymous)") : fields.email);
    form_->labelProduct->setText(fields.productName + QLatin1Char(' ') + fields.productVersion);
    form_->labelReportNumber->setText(ReportNumber(fields.reportId));
    form_->labelReportNumberCaption->setVisible(!fields.reportId.isEmpty());
    form_->labelReportNumber->setVisible(!fields.reportId.isEmpty());
    form_->plainTextEditExplanation->setPlainText(fields.explanation);
    form_->plainTextEditResults->setPlainText(ReadableResults(fields));
    form_->labelResultsCaption->setVisible(fields.diagnosticsMode);
    form_->plainTextEditResults->setVisible(fields.diagnosticsMode);
    form_->plainTextEditReport->setPlainText(fields.diagnosticsMode
                                                 ? IndentedReportJson(fields.reportText)
                                                 : tr("A crash report: the crash dump file %1").arg(fields.dumpPath));
}

UIDialogReportDetails::~UIDialogReportDetails() = default;
