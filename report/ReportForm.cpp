#include "ReportForm.h"

#include "site/SiteAddress.h"

#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Files/Folders.h"
#include "library_Orv/Files/Path.h"

#include <QFile>
#include <QHttpMultiPart>

namespace {
QHttpPart Part(const char* name, const char* type, bool file) {
    QHttpPart part;
    part.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray(type));
    QByteArray disposition = QByteArray("form-data; name=\"") + name + '"';
    if (file)
        disposition += QByteArray("; filename=\"") + name + '"';
    part.setHeader(QNetworkRequest::ContentDispositionHeader, disposition);
    return part;
}

void AddText(QHttpMultiPart* form, const char* name, const QString& value) {
    QHttpPart part = Part(name, "text/plain", false);
    part.setBody(value.toUtf8());
    form->append(part);
}

// A file that cannot be opened (gone, never saved, unreadable) gives no part: a part announced without its bytes
// would make the request's length a lie, and the site would get an empty or broken request.
void AddFile(QHttpMultiPart* form, const char* name, const QString& path) {
    auto* file = new QFile(path, form);
    if (path.isEmpty() || !file->open(QIODevice::ReadOnly)) {
        delete file;
        return;
    }
    QHttpPart part = Part(name, "application/octet-stream", true);
    part.setBodyDevice(file);
    form->append(part);
}
} // namespace

QHttpMultiPart* BuildReportForm(const ReportFields& fields) {
    auto* form = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    AddText(form, "product-name", fields.productName);
    AddText(form, "product-version", fields.productVersion);
    if (!fields.email.isEmpty())
        AddText(form, "user-email", fields.email);
    AddText(form, "extra-information", fields.explanation);
    if (fields.diagnosticsMode) {
        AddFile(form, "screenshot", fields.screenshotPath);
        AddText(form, "report", fields.reportText);
    } else {
        AddFile(form, "dump", fields.dumpPath);
        if (fields.withParameters)
            AddFile(form, "params", fields.parametersPath);
    }
    return form;
}

QString ReportEndpoint(bool diagnosticsMode) {
    return Orv::SiteUrl(diagnosticsMode ? QStringLiteral("/user-requests/diagnostics.php")
                                        : QStringLiteral("/user-requests/crash_report.php"));
}

std::string& DumpBaseName() {
    static std::string name;
    return name;
}

std::string DumpFilePath() {
    std::string folder = Orv::WStringToUtf8(Orv::GetSystemTempFolder());
    if (folder.empty())
        folder = "c:\\temp\\";
    const char separator = static_cast<char>(Orv::NativeSeparator());
    if (folder.back() != separator)
        folder += separator;
    return folder + DumpBaseName() + ".dmp";
}

std::string ParametersFilePath() {
    return DumpFilePath() + ".params";
}
