// SkorvaneDiagnosticsCli: one check pass without a window on screen, the report on standard output.
#include "ApplicationNames.h"
#include "Language.h"
#include "pass/DetailsJson.h"
#include "ProductInformations.h"
#include "PassReport.h"
#include "RunLog.h"
#include "SendWaiting.h"
#include "SiteCheck.h"
#include "pass/CheckPass.h"

#include "library_Orv/Qt/Config/ConfigFile.h"
#include "library_Orv/Console.h"
#include "library_Orv/Error.h"
#include "library_Orv/Session.h"
#include "network/HttpsTrust.h"
#include "network/NetworkLimits.h"
#include "network/NetworkProxy.h"
#include "network/SiteAddress.h"
#include "report/ReportHtml.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSaveFile>

#include <cstdio>
#include <cstring>

// Standard output carries the report alone: the library's messages (from the product identity's construction on),
// and the output of the programs the pass runs, go to the error stream.
static std::FILE* const gReportStream = Orv::TakeStandardOutput();
static ProductInformations gProductInformations;

namespace {
const char* const kUsage =
    "Usage: SkorvaneDiagnosticsCli [--fix | --observe] [--text | --details-json] [--save-page FILE] [--log FILE]\n"
    "       SkorvaneDiagnosticsCli --check-site [--text]\n"
    "       SkorvaneDiagnosticsCli --send-waiting [--text]\n"
    "Runs the diagnostics' check pass without showing a window and prints the report as JSON.\n"
    "  --fix         create a missing start-up shortcut during the pass\n"
    "  --observe     only look: never start, end or restart the product, create nothing; the rows that would are\n"
    "                \"skipped\"\n"
    "  --text        print a table instead: each row's result, and for each that failed, the cause and the fix\n"
    "  --details-json  print the versioned result instead (schema \"skorvane-diagnostics/1\", data/\n"
    "                skorvane-diagnostics.schema.json): the tool, the machine, the time, each row's result, cause\n"
    "                and fix, and the facts the pass found\n"
    "  --save-page FILE  also save the report as one self-contained web page, as \"Save report...\" does\n"
    "  --log FILE    write the run's log there (by default: Logs in the program's data folder, the last 10 runs)\n"
    "  --check-site  instead of the pass, walk the route to the maker's site as a transfer takes it (proxy, name,\n"
    "                connection, tunnel, TLS, HTTP) and print each hop with its time and verdict\n"
    "  --send-waiting  instead of the pass, send the reports that wait in the outbox and print what came of each\n"
    "Exit code: 0 when every check passed, skipped rows aside (the site can be reached; no report waits any more),\n"
    "1 when one failed or stayed unknown, 2 for a usage error, 3 when the pass could not run (or its page could\n"
    "not be saved).\n";

// Messages that would be boxes go to the error stream: nobody is there to close a box.
void PrintReport(const std::string& text, const std::string& caption, unsigned) {
    std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
}

// The rows in the window's order, a result each, and under each row that did not pass its cause and its fix.
QString ResultTable(Orv::JsonDocument& report, const QVector<CheckExplanation>& explanations) {
    QMap<QString, QString> values;
    for (Orv::JsonNode* member : report.Children())
        values.insert(QString::fromStdString(member->Name()), QString::fromStdString(member->ValueText()));
    QStringList rows;
    int width = 0;
    for (const QString& row : CheckRows::Checks())
        if (values.contains(row)) {
            rows << row;
            width = qMax(width, CheckRows::Title(row).size());
        }
    const QString heading = QCoreApplication::translate("SkorvaneDiagnosticsCli", "Row");
    width = qMax(width, heading.size());
    QString table = QStringLiteral("%1  %2\n")
                        .arg(heading, -width)
                        .arg(QCoreApplication::translate("SkorvaneDiagnosticsCli", "Result"));
    for (const QString& row : rows) {
        CheckResult result = CheckResult::Unknown;
        const QString word =
            CheckRows::FromReportValue(values[row], &result) ? CheckRows::TranslatedWord(result) : values[row];
        table += QStringLiteral("%1  %2\n").arg(CheckRows::Title(row), -width).arg(word);
        for (const CheckExplanation& explanation : explanations)
            if (explanation.row == row)
                table += QCoreApplication::translate("SkorvaneDiagnosticsCli", "    Cause: %1\n    Fix:   %2\n")
                             .arg(explanation.cause, explanation.fix);
    }
    return table;
}
// The route to the site, hop by hop; 0 when it can be reached.
int CheckSite(bool text) {
    Orv::TrustConfiguredRoots();
    if (const QString problem = Orv::SiteAddressProblem(); !problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(problem));
        return 1;
    }
    if (const QString problem = Orv::ProxySettingProblem(); !problem.isEmpty())
        std::fprintf(stderr, "%s\n", qUtf8Printable(problem));
    const QUrl url(Orv::SiteUrl(QStringLiteral("/software-download/")));
    const QVector<SiteHop> hops = SiteCheck::Walk(url, Orv::NetworkStallMs());
    const QByteArray output = text ? SiteCheck::Text(url, hops).toUtf8() : SiteCheck::Json(url, hops);
    std::fwrite(output.data(), 1, static_cast<size_t>(output.size()), gReportStream);
    std::fclose(gReportStream);
    Orv::ReleaseConfigFiles();
    return SiteCheck::Reachable(hops) ? 0 : 1;
}
} // namespace

int main(int argc, char** argv) {
    if (!gReportStream) {
        std::fputs("SkorvaneDiagnosticsCli: standard output cannot be kept for the report\n", stderr);
        return 3;
    }
    bool fix = false;
    bool text = false;
    bool checkSite = false;
    bool sendWaiting = false;
    bool observe = false;
    bool details = false;
    QString savePage;
    QString logFile;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--fix") == 0) {
            fix = true;
        } else if (std::strcmp(argv[i], "--text") == 0) {
            text = true;
        } else if (std::strcmp(argv[i], "--check-site") == 0) {
            checkSite = true;
        } else if (std::strcmp(argv[i], "--observe") == 0) {
            observe = true;
        } else if (std::strcmp(argv[i], "--details-json") == 0) {
            details = true;
        } else if (std::strcmp(argv[i], "--save-page") == 0 && i + 1 < argc) {
            savePage = QString::fromLocal8Bit(argv[++i]);
        } else if (std::strcmp(argv[i], "--log") == 0 && i + 1 < argc) {
            logFile = QString::fromLocal8Bit(argv[++i]);
        } else if (std::strcmp(argv[i], "--send-waiting") == 0) {
            sendWaiting = true;
        } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, gReportStream);
            return 0;
        } else {
            std::fprintf(stderr, "SkorvaneDiagnosticsCli: unknown argument '%s'\n%s", argv[i], kUsage);
            return 2;
        }
    }
    if ((fix && observe) || (text && details) ||
        ((checkSite || sendWaiting) && (fix || observe || details || !savePage.isEmpty()))) {
        std::fprintf(stderr, "SkorvaneDiagnosticsCli: these options do not go together\n%s", kUsage);
        return 2;
    }
    QCoreApplication::setOrganizationName(kOrganisationName);
    QCoreApplication::setOrganizationDomain(kOrganisationDomain);
    QCoreApplication::setApplicationName(kApplicationName);
    int qtArgc = 1; // the arguments are ours, not Qt's
    QCoreApplication application(qtArgc, argv);
    // The local configuration is saved while Qt is still whole, whichever way the runner ends.
    qAddPostRoutine(Orv::ReleaseConfigFiles);
    // Text for people is in the user's language; JSON, read by programs, stays in English.
    if (text)
        InstallTranslations(ConfiguredLanguage());
    Orv::Error::SetMessageBoxPresenter(PrintReport);
    if (checkSite)
        return CheckSite(text);
    if (sendWaiting) {
        const int exitCode = SendWaitingReports(text, gReportStream);
        std::fclose(gReportStream);
        Orv::ReleaseConfigFiles();
        return exitCode;
    }

    CheckPass pass;
    RunLog log(logFile);
    log.Line(QStringLiteral("SkorvaneDiagnosticsCli %1, %2 pass")
                 .arg(QString::fromLatin1(kApplicationVersion), observe ? QStringLiteral("observe")
                                                                : fix   ? QStringLiteral("fix")
                                                                        : QStringLiteral("check")));
    QElapsedTimer stepTime;
    QString stepName;
    const auto endStep = [&]() {
        if (!stepName.isEmpty())
            log.Line(QStringLiteral("end %1 (%2 ms)").arg(stepName).arg(stepTime.elapsed()));
    };
    QObject::connect(&pass, &CheckPass::stepStarted, [&](int step, int steps, const QString& name) {
        std::fprintf(stderr, "[%d/%d] %s\n", step, steps, qUtf8Printable(name));
        std::fflush(stderr);
        endStep();
        stepName = name;
        stepTime.start();
        log.Line(QStringLiteral("start %1/%2 %3").arg(step).arg(steps).arg(name));
    });
    QObject::connect(&pass, &CheckPass::resultChanged, [&log](const QString& row, CheckResult result) {
        log.Line(QStringLiteral("row %1 %2").arg(row, CheckRows::Word(result)));
    });
    // The rows' texts that the report does not keep (the architecture, the versions), for the reader of the log.
    RunDetails run;
    QObject::connect(&pass, &CheckPass::rowTextChanged, [&run](const QString& row, const QString& text) {
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(row), qUtf8Printable(text));
        run.facts[row] = text;
    });
    run.mode = observe ? QStringLiteral("observe") : fix ? QStringLiteral("fix") : QStringLiteral("check");
    run.started = QDateTime::currentDateTimeUtc();
    QElapsedTimer passTime;
    passTime.start();
    pass.SetObserveOnly(observe);
    if (const std::string nobody = Orv::NoSignedInUserReason(Orv::CurrentSessionFacts()); !nobody.empty()) {
        std::fprintf(stderr, "No user is signed in here (%s): the current user's rows are not checked\n",
                     nobody.c_str());
        pass.SetNoSignedInUser(QString::fromStdString(nobody));
    }
    pass.Run(fix);
    run.durationMs = passTime.elapsed();
    endStep();
    for (const CheckExplanation& explanation : pass.Explanations())
        log.Line(QStringLiteral("why %1: %2 | %3").arg(explanation.row, explanation.cause, explanation.fix));
    std::fprintf(stderr, "Pass took %lld ms\n", static_cast<long long>(passTime.elapsed()));
    Orv::JsonDocument& report = pass.ReportDocument();
    const std::string output = details ? DetailsJson(pass, run).toStdString()
                               : text  ? ResultTable(report, pass.Explanations()).toStdString()
                                       : report.ToString(report, "  ") + '\n';
    std::fwrite(output.data(), 1, output.size(), gReportStream);
    std::fclose(gReportStream);
    int exitCode = PassExitCode(pass.Results());
    if (!savePage.isEmpty()) {
        ReportFields fields;
        fields.diagnosticsMode = true;
        fields.reportText = pass.ReportJson();
        fields.rowTexts = ReportRowTextsOf(pass);
        QSaveFile page(savePage);
        if (page.open(QIODevice::WriteOnly) && page.write(ReportHtml(fields, QByteArray()).toUtf8()) >= 0 &&
            page.commit()) {
            log.Line(QStringLiteral("page saved to %1").arg(QDir::toNativeSeparators(savePage)));
        } else {
            std::fprintf(stderr, "The page cannot be saved to %s: %s\n",
                         qUtf8Printable(QDir::toNativeSeparators(savePage)), qUtf8Printable(page.errorString()));
            exitCode = 3;
        }
    }
    log.Line(QStringLiteral("exit code %1 after %2 ms").arg(exitCode).arg(run.durationMs));
    if (!observe)
        pass.Product().EndLaunchedAndStartDetached(); // as "Quit" leaves the product
    Orv::ReleaseConfigFiles();                        // saved while Qt's text codecs still exist
    return exitCode;
}
