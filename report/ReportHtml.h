#pragma once

#include "ReportForm.h"

#include <QByteArray>
#include <QString>

// The report as one self-contained HTML page: the rows as a table with their results, the texts, the explanation
// and e-mail, the screenshot embedded as a data: image, and the exact report JSON in a <script
// type="application/json" id="report-json"> block that a program can extract.
QString ReportHtml(const ReportFields& fields, const QByteArray& screenshot);
// The report JSON with indentation, as people read it.
QString IndentedReportJson(const QString& json);
