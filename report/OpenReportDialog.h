#pragma once

#include "ReportForm.h"

#include <QString>

class QWidget;
class UIDialogDumpSend;

// "Send report": saves a screenshot of window as %TEMP%\screenshot.webp, opens a report dialog in diagnostics mode
// with the report JSON, the rows' titles and explanations, and the product's version, top-most and on screen. The
// dialog deletes itself when closed.
UIDialogDumpSend* OpenReportDialog(QWidget* window, const QString& reportJson, const QString& productVersion,
                                   const QMap<QString, ReportRowText>& rowTexts = {});
