#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

#include <string>

// How the window names a report member and, for a row that did not pass, why and what to do. People read these in
// the saved page and in the details; the site gets the report as it always did, without them.
struct ReportRowText {
    QString title;
    QString cause;
    QString fix;
};

// What one report carries, read from the panel when it is sent.
struct ReportFields {
    bool diagnosticsMode = false;
    QString productName = QStringLiteral("SkorvaneDiagnostics (Orv)"); // the tool's own, as the site knows it
    QString productVersion = QStringLiteral("1.3.0");
    QString email;       // sent when not empty (blanks included)
    QString explanation; // always sent, empty or not
    QString screenshotPath;
    QString reportText;
    QMap<QString, ReportRowText> rowTexts; // by report member
    QString dumpPath;
    QString parametersPath;
    bool withParameters = false;
    QString reportId; // once the report was made (sent or kept to send): the number to quote to support
};

// A report as it goes to the site: a multipart/form-data body and its Content-Type.
struct ReportRequest {
    QByteArray contentType;
    QByteArray body;
};
// The multipart form of a report: text and file parts in their fixed order, two headers each, the files read now.
// A file that cannot be read gives no part: the report goes whole without it.
ReportRequest BuildReportForm(const ReportFields& fields);
// The endpoint of the mode on the site.
QString ReportEndpoint(bool diagnosticsMode);

// Where a crash report's files lie: the temporary folder (with its separator), the dump base name, ".dmp"; and that
// path followed by ".params". The base name is process-wide and empty unless set.
std::string& DumpBaseName();
std::string DumpFilePath();
std::string ParametersFilePath();
