#include "ReportForm.h"

#include "network/SiteAddress.h"

#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Files/Folders.h"
#include "library_Orv/Files/Path.h"

#include <QFile>
#include <QList>
#include <QRandomGenerator>

#include <algorithm>

namespace {
// The parts of a multipart/form-data body between their boundaries.
class MultipartForm {
public:
    void AddText(const char* name, const QString& value) { Add(name, "text/plain", false, value.toUtf8()); }
    // A file that cannot be read (gone, never saved, unreadable) gives no part: a part announced without its bytes
    // would leave the site an empty or broken request.
    void AddFile(const char* name, const QString& path) {
        QFile file(path);
        if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
            return;
        const QByteArray bytes = file.readAll();
        if (file.error() == QFileDevice::NoError)
            Add(name, "application/octet-stream", true, bytes);
    }
    ReportRequest Finish() const {
        // A boundary that none of the parts contains.
        QByteArray boundary;
        do {
            boundary = "boundary_.oOo._" + QByteArray::number(QRandomGenerator::global()->generate64(), 36) +
                       QByteArray::number(QRandomGenerator::global()->generate64(), 36);
        } while (std::any_of(parts_.begin(), parts_.end(),
                             [&boundary](const QByteArray& part) { return part.contains(boundary); }));
        ReportRequest request;
        request.contentType = "multipart/form-data; boundary=\"" + boundary + '"';
        for (const QByteArray& part : parts_)
            request.body += "--" + boundary + "\r\n" + part + "\r\n";
        request.body += "--" + boundary + "--\r\n";
        return request;
    }

private:
    void Add(const char* name, const char* type, bool file, const QByteArray& bytes) {
        QByteArray part =
            QByteArray("Content-Type: ") + type + "\r\nContent-Disposition: form-data; name=\"" + name + '"';
        if (file)
            part += QByteArray("; filename=\"") + name + '"';
        parts_.append(part + "\r\n\r\n" + bytes);
    }
    QList<QByteArray> parts_;
};
} // namespace

ReportRequest BuildReportForm(const ReportFields& fields) {
    MultipartForm form;
    form.AddText("product-name", fields.productName);
    form.AddText("product-version", fields.productVersion);
    if (!fields.email.isEmpty())
        form.AddText("user-email", fields.email);
    form.AddText("extra-information", fields.explanation);
    if (fields.diagnosticsMode) {
        form.AddFile("screenshot", fields.screenshotPath);
        form.AddText("report", fields.reportText);
    } else {
        form.AddFile("dump", fields.dumpPath);
        if (fields.withParameters)
            form.AddFile("params", fields.parametersPath);
    }
    return form.Finish();
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
