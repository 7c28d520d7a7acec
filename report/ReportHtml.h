#pragma once

#include "ReportForm.h"

#include <QByteArray>
#include <QString>

// The report as one self-contained HTML page: the rows as a table with their results, the texts, the explanation
// and e-mail, the screenshot embedded as a data: image, and the exact report JSON in a <script
// type="application/json" id="report-json"> block that a program can extract.
QString ReportHtml(const ReportFields& fields, const QByteArray& screenshot);
// The report's members in their order, each by its title with its result, and under a row that did not pass its
// cause and what to do: the results as people read them.
QString ReadableResults(const ReportFields& fields);
// The report JSON with indentation, as people read it.
QString IndentedReportJson(const QString& json);
