#include "CheckExplanations.h"

#include "app/checks/CopyTests.h"
#include "app/checks/InstallationChecks.h"
#include "pipe/PipeMessage.h"
#include "pipe/PipeRequest.h"
#include "pipe/PipeServerLoop.h"

#include "library_Orv/Qt/QtWinUtils.h"

#include <QHash>

namespace {
using Button = CheckExplanation::Button;

// Paths, values and names as they appear in a sentence.
QString Quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// A value read from a file, with what cannot be seen (a line end, a byte-order mark) made visible.
QString Visible(const QString& text) {
    QString out;
    for (const QChar c : text) {
        if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("\\r");
        else if (c == QLatin1Char('\t'))
            out += QLatin1String("\\t");
        else if (c.isPrint())
            out += c;
        else
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
    }
    return out;
}

QString DownloadFix() {
    return CheckExplanations::tr("Press \"Download and install Skorvane\": it installs Skorvane again.");
}

QString ShortcutFix() {
    return CheckExplanations::tr("Press \"Fix and check again\": it creates the start-up shortcut.");
}
} // namespace

namespace {
// One row's explanation, written by the function for its row.
struct Writer {
    const CheckFacts& facts;
    CheckExplanation& out;

    void Set(const QString& meaning, const QString& cause, const QString& fix, Button button = Button::None) {
        out.meaning = meaning;
        out.cause = cause;
        out.fix = fix;
        out.button = button;
    }

    // A row about an installed file that is not there: the installation itself is missing.
    bool FileMissing(const QString& meaning, const QString& path) {
        if (!facts.productInstalled) {
            if (facts.uninstallKeyUnreadable) {
                Set(meaning,
                    CheckExplanations::tr("The installation's entry HKEY_LOCAL_MACHINE\\%1 could not be read (this "
                                          "user may not read the key), so where Skorvane is installed is not known.")
                        .arg(facts.uninstallKey),
                    CheckExplanations::tr("Ask your administrator to give your user the right to read that key, or "
                                          "start the tool as administrator."));
                return true;
            }
            Set(meaning,
                facts.productPath.isEmpty()
                    ? CheckExplanations::tr("Skorvane is not installed: HKEY_LOCAL_MACHINE\\%1 names no program "
                                            "(value \"DisplayIcon\").")
                          .arg(facts.uninstallKey)
                    : CheckExplanations::tr("Skorvane is not installed: %1 does not exist.")
                          .arg(Quoted(facts.productPath)),
                DownloadFix(), Button::DownloadAndInstall);
            return true;
        }
        if (path.isEmpty() || (path == facts.shellDllPath && !facts.shellDllInstalled)) {
            Set(meaning, CheckExplanations::tr("The file %1 is missing from the installation.").arg(Quoted(path)),
                DownloadFix(), Button::DownloadAndInstall);
            return true;
        }
        return false;
    }

    void Architecture() {
        const QString meaning = CheckExplanations::tr("Skorvane needs 64-bit Windows on an x64 processor.");
        if (facts.windows32)
            Set(meaning, CheckExplanations::tr("This is 32-bit Windows (processor: %1).").arg(facts.cpuArchitecture),
                CheckExplanations::tr("Install 64-bit Windows: Skorvane does not run on 32-bit Windows."));
        else
            Set(meaning, CheckExplanations::tr("The processor is %1, not x64.").arg(Quoted(facts.cpuArchitecture)),
                CheckExplanations::tr("Use Skorvane on a PC with an x64 processor."));
    }

    void WindowsName() {
        Set(CheckExplanations::tr("The tool asks Windows for its name and version."),
            CheckExplanations::tr("Windows did not give its name (the system information service did not answer)."),
            CheckExplanations::tr("Start the service \"Windows Management Instrumentation\" (in Services), then press "
                                  "\"Fix and check again\"."));
    }

    void Integrity() {
        const QString meaning =
            CheckExplanations::tr("The program file must be exactly the one the installer wrote: its MD5 digest is "
                                  "compared with the one in the file beside it.");
        if (FileMissing(meaning, facts.productPath))
            return;
        QString cause;
        using FileState = Checks::Md5Comparison::FileState;
        if (!facts.md5FileRead || facts.md5FileState == static_cast<int>(FileState::Missing))
            cause = CheckExplanations::tr("The digest file %1 is missing.").arg(Quoted(facts.md5Path));
        else if (facts.md5FileState == static_cast<int>(FileState::Unreadable))
            cause = CheckExplanations::tr("The digest file %1 could not be read: another program may hold it open, "
                                          "or you may not have the right to read it.")
                        .arg(Quoted(facts.md5Path));
        else if (facts.md5FileState == static_cast<int>(FileState::TooLarge))
            cause = CheckExplanations::tr("The digest file %1 is %2 bytes long, far more than the 32 characters of a "
                                          "digest: it is not the file the installer wrote.")
                        .arg(Quoted(facts.md5Path))
                        .arg(facts.md5FileSize);
        else if (facts.md5Actual.isEmpty())
            cause = CheckExplanations::tr("The program file %1 cannot be read.").arg(Quoted(facts.productPath));
        else
            cause = CheckExplanations::tr("The MD5 digest of %1 is %2, but %3 holds %4.")
                        .arg(Quoted(facts.productPath), facts.md5Actual, Quoted(facts.md5Path),
                             Quoted(Visible(facts.md5Expected)));
        Set(meaning, cause, DownloadFix(), Button::DownloadAndInstall);
    }

    // A file that could not be opened says nothing about its signature: that is the cause.
    bool Unreadable(const QString& meaning, const QString& path, bool readable) {
        if (readable)
            return false;
        Set(meaning,
            CheckExplanations::tr("%1 could not be read: another program may hold it open, or you may not have the "
                                  "right to read it.")
                .arg(Quoted(path)),
            CheckExplanations::tr("Close the programs that may use the file (an antivirus scan, an installer), then "
                                  "press \"Fix and check again\"."));
        return true;
    }

    void Signed(const QString& path, const QString& signer, bool readable) {
        const QString meaning = CheckExplanations::tr("The file must carry a valid digital signature.");
        if (FileMissing(meaning, path) || Unreadable(meaning, path, readable))
            return;
        Set(meaning,
            signer.isEmpty() ? CheckExplanations::tr("%1 has no digital signature.").arg(Quoted(path))
                             : CheckExplanations::tr("The signature of %1 (signer %2) does not verify: the file was "
                                                     "changed after it was signed, or its certificate is not trusted.")
                                   .arg(Quoted(path), Quoted(signer)),
            DownloadFix(), Button::DownloadAndInstall);
    }

    void SignerName(const QString& path, const QString& signer, bool readable) {
        const QString meaning =
            CheckExplanations::tr("The file must be signed by its maker, %1.").arg(Quoted(facts.expectedSigner));
        if (FileMissing(meaning, path) || Unreadable(meaning, path, readable))
            return;
        Set(meaning,
            signer.isEmpty() ? CheckExplanations::tr("%1 has no digital signature, so no signer; %2 is expected.")
                                   .arg(Quoted(path), Quoted(facts.expectedSigner))
                             : CheckExplanations::tr("%1 is signed by %2, not by %3.")
                                   .arg(Quoted(path), Quoted(signer), Quoted(facts.expectedSigner)),
            DownloadFix(), Button::DownloadAndInstall);
    }

    void Registration() {
        const QString meaning = CheckExplanations::tr(
            "Explorer finds the Skorvane extension through four registered classes, each naming the installed DLL "
            "with the threading model \"Apartment\".");
        if (FileMissing(meaning, facts.shellDllPath))
            return;
        // The classes grouped by what is wrong with them: usually all four share it.
        QStringList problems;
        QMap<QString, QStringList> keysByProblem;
        for (const CheckFacts::Registration& registration : facts.registrations) {
            if (registration.expected)
                continue;
            QString problem;
            if (registration.unreadable)
                problem = CheckExplanations::tr("it could not be read (this user may not read the key)");
            else if (!registration.present)
                problem = CheckExplanations::tr("missing");
            else if (registration.threadingModel != QLatin1String("Apartment"))
                problem = CheckExplanations::tr("the threading model is %1, not \"Apartment\"")
                              .arg(Quoted(registration.threadingModel));
            else
                problem = CheckExplanations::tr("it names %1, not %2")
                              .arg(Quoted(registration.server), Quoted(facts.shellDllPath));
            if (!keysByProblem.contains(problem))
                problems << problem;
            keysByProblem[problem] << QStringLiteral("HKEY_CLASSES_ROOT\\") + registration.key;
        }
        QStringList causes;
        for (const QString& problem : problems)
            causes << CheckExplanations::tr("%1: %2.").arg(keysByProblem[problem].join(QStringLiteral(", ")), problem);
        if (causes.isEmpty())
            causes << CheckExplanations::tr("The extension's class registrations were not read.");
        Set(meaning, causes.join(QLatin1Char(' ')),
            CheckExplanations::tr("Press \"Download and install Skorvane\": the installer registers the extension "
                                  "again."),
            Button::DownloadAndInstall);
    }

    // The shortcut of one scope is missing; other is the other scope's.
    void ShortcutMissing(const CheckFacts::Shortcut& shortcut, const CheckFacts::Shortcut& other, bool allUsers) {
        const QString meaning =
            CheckExplanations::tr("A shortcut in a start-up folder starts Skorvane when you log on.");
        if (FileMissing(meaning, facts.productPath))
            return;
        const QString cause = CheckExplanations::tr("There is no shortcut %1.").arg(Quoted(shortcut.path));
        if (other.exists)
            Set(meaning, cause,
                CheckExplanations::tr("Nothing to do while the shortcut %1 starts Skorvane: one shortcut is enough.")
                    .arg(Quoted(other.path)));
        else if (allUsers)
            Set(meaning, cause, ShortcutFix(), Button::FixAndCheck);
        else
            Set(meaning, cause,
                CheckExplanations::tr("Press \"Fix and check again\": it creates one shortcut, for all users when "
                                      "it may, else this one."));
    }

    void ShortcutTarget(const CheckFacts::Shortcut& shortcut, const CheckFacts::Shortcut& other, bool allUsers) {
        if (!shortcut.exists) {
            ShortcutMissing(shortcut, other, allUsers);
            out.meaning = CheckExplanations::tr("The start-up shortcut must start the installed Skorvane.");
            return;
        }
        Set(CheckExplanations::tr("The start-up shortcut must start the installed Skorvane."),
            shortcut.target.isEmpty()
                ? CheckExplanations::tr("The shortcut %1 does not start any program.").arg(Quoted(shortcut.path))
                : CheckExplanations::tr("The shortcut %1 starts %2, not %3.")
                      .arg(Quoted(shortcut.path), Quoted(shortcut.target), Quoted(facts.productPath)),
            CheckExplanations::tr("Delete the shortcut %1, then press \"Fix and check again\" to create it anew.")
                .arg(Quoted(shortcut.path)));
    }

    void Approval() {
        Set(CheckExplanations::tr("Windows starts a start-up shortcut only while its entry is enabled."),
            CheckExplanations::tr("The start-up entry \"Skorvane.lnk\" is disabled: %1 holds %2.")
                .arg(facts.approvalKey, facts.approvalValue),
            CheckExplanations::tr("Open the Task Manager, page \"Start-up\", select Skorvane and press \"Enable\"."));
    }

    void Running() {
        const QString meaning = CheckExplanations::tr("Skorvane must run for its copies and its Explorer extension "
                                                      "to work.");
        if (FileMissing(meaning, facts.productPath))
            return;
        Set(meaning,
            CheckExplanations::tr("No process runs %1 (it was looked for by its file name and path).")
                .arg(Quoted(facts.productPath)),
            facts.launchedByPass
                ? CheckExplanations::tr("Nothing to do: this pass started Skorvane after this check.")
                : CheckExplanations::tr("Start Skorvane from the Start menu; \"Quit\" also starts it as this tool "
                                        "ends."));
    }

    QString CopiesText(const QStringList& missing) const {
        return missing.isEmpty() ? QString()
                                 : CheckExplanations::tr("Not copied: %1.").arg(missing.join(QStringLiteral(", ")));
    }

    // When the test files had nowhere to go, says why (the copy was then never asked for): true.
    bool CopyFolderProblem(const QString& meaning) {
        using Problem = Checks::CopyTestFolder::Problem;
        const QString folder = Quoted(facts.copyFolder);
        const QString setTemp = CheckExplanations::tr(
            "Set the environment variable TEMP to a folder of your own that you can write (usually "
            "%LOCALAPPDATA%\\Temp), then start the tool again.");
        switch (facts.copyFolderProblem) {
        case static_cast<int>(Problem::None):
            return false;
        case static_cast<int>(Problem::TempNotAbsolute):
            Set(meaning,
                CheckExplanations::tr("The temporary folder %1 (TEMP) is not a full path, so the test files have "
                                      "nowhere to go.")
                    .arg(folder),
                setTemp);
            return true;
        case static_cast<int>(Problem::TempMissing):
            Set(meaning, CheckExplanations::tr("The temporary folder %1 (TEMP) does not exist.").arg(folder), setTemp);
            return true;
        case static_cast<int>(Problem::TempNotWritable):
            Set(meaning,
                CheckExplanations::tr("No folder for the test files could be made in the temporary folder %1 "
                                      "(TEMP): it cannot be written.")
                    .arg(folder),
                setTemp);
            return true;
        default:
            Set(meaning, CheckExplanations::tr("The test files could not be written in %1.").arg(folder),
                CheckExplanations::tr("Make room on the drive of the temporary folder, then press \"Fix and check "
                                      "again\"."));
            return true;
        }
    }

    void CommandLineCopy() {
        const QString meaning =
            CheckExplanations::tr("The tool runs Skorvane with \"--copy\" to copy two test files into %1.")
                .arg(Quoted(facts.copyFolder + QStringLiteral("Target")));
        if (FileMissing(meaning, facts.productPath))
            return;
        const QString retry = CheckExplanations::tr(
            "Press \"Fix and check again\" to repeat the test; if it fails again, press \"Download and install "
            "Skorvane\".");
        if (CopyFolderProblem(meaning))
            return;
        QString run;
        switch (facts.commandLineExitCode) {
        case Orv::kRunProcessStopped:
            run = CheckExplanations::tr("%1 --copy was stopped: the check was ended before it finished.")
                      .arg(Quoted(facts.productPath));
            break;
        case Orv::kRunProcessTimedOut:
            run = CheckExplanations::tr("%1 --copy did not end within %2 s and was stopped.")
                      .arg(Quoted(facts.productPath))
                      .arg(facts.commandLineTimeoutMs / 1000);
            break;
        case -2:
            run = CheckExplanations::tr("%1 could not be started.").arg(Quoted(facts.productPath));
            break;
        case -1:
            run = CheckExplanations::tr("%1 --copy crashed.").arg(Quoted(facts.productPath));
            break;
        default:
            run = CheckExplanations::tr("%1 --copy ended with exit code %2.")
                      .arg(Quoted(facts.productPath))
                      .arg(facts.commandLineExitCode);
        }
        Set(meaning, run + QLatin1Char(' ') + CopiesText(facts.commandLineMissingCopies), retry);
    }

    QString PipeText() const {
        return Quoted(QStringLiteral("\\\\.\\pipe\\") + QString::fromWCharArray(Orv::kProductPipeName));
    }

    // Why an exchange on the product's pipe brought nothing; empty when it was answered.
    QString ExchangeProblem(int request, qint64 ms) const {
        switch (static_cast<Orv::PipeRequestResult>(request)) {
        case Orv::PipeRequestResult::NotSent:
            return CheckExplanations::tr("Nothing took the request on the pipe %1 (given up after %2 ms): Skorvane "
                                         "does not run, or does not listen.")
                .arg(PipeText())
                .arg(ms);
        case Orv::PipeRequestResult::TimedOut:
            return CheckExplanations::tr("Skorvane took the request on the pipe %1 but did not finish its answer "
                                         "(given up after %2 ms).")
                .arg(PipeText())
                .arg(ms);
        case Orv::PipeRequestResult::TooLong:
            return CheckExplanations::tr("The answer to the request on the pipe %1 went past %2 MiB, far more than "
                                         "Skorvane ever answers, and was dropped (after %3 ms): a program other "
                                         "than Skorvane may hold the pipe.")
                .arg(PipeText())
                .arg(Orv::kMaxPipeMessageBytes >> 20)
                .arg(ms);
        case Orv::PipeRequestResult::Answered:
            break;
        }
        return {};
    }

    QString RestartFix() const {
        return CheckExplanations::tr("Quit Skorvane (from its icon by the clock) and start it again, then press "
                                     "\"Fix and check again\".");
    }

    void DragAndDrop() {
        const QString meaning = CheckExplanations::tr("Skorvane must handle the files you drag and drop in "
                                                      "Explorer; the tool asks it over its pipe.");
        // A product that answers runs, wherever it was installed from.
        if (facts.dragAndDropStatus == 0) {
            Set(meaning,
                CheckExplanations::tr("Skorvane answered on the pipe %1 that drag and drop is off.").arg(PipeText()),
                CheckExplanations::tr("Press \"Activate\" beside this row."), Button::Activate);
            return;
        }
        if (FileMissing(meaning, facts.productPath))
            return;
        const QString problem = ExchangeProblem(facts.dragAndDropRequest, facts.dragAndDropMs);
        Set(meaning,
            problem.isEmpty()
                ? CheckExplanations::tr("Skorvane answered on the pipe %1 without saying whether drag and drop is "
                                        "on (after %2 ms).")
                      .arg(PipeText())
                      .arg(facts.dragAndDropMs)
                : problem,
            RestartFix());
    }

    void Simulation() {
        const QString meaning =
            CheckExplanations::tr(
                "The tool sends Skorvane the copy request that its Explorer extension sends, over the pipe %1.")
                .arg(PipeText());
        if (FileMissing(meaning, facts.productPath) || CopyFolderProblem(meaning))
            return;
        const QString problem = ExchangeProblem(facts.simulationRequest, facts.simulationMs);
        Set(meaning,
            (problem.isEmpty() ? CheckExplanations::tr("Skorvane answered (after %1 ms) but did not make every copy.")
                                     .arg(facts.simulationMs)
                               : problem) +
                QLatin1Char(' ') + CopiesText(facts.simulationMissingCopies),
            RestartFix());
    }
};
} // namespace

namespace {
using Write = void (*)(Writer&);

// The writer of each row's explanation, by report member.
const QHash<QString, Write>& Writers() {
    static const QHash<QString, Write> writers = {
        {QStringLiteral("labelWindows64BitsIcon"), [](Writer& w) { w.Architecture(); }},
        {QStringLiteral("labelWindowsNameIcon"), [](Writer& w) { w.WindowsName(); }},
        {QStringLiteral("labelInstallIntegrityExeIcon"), [](Writer& w) { w.Integrity(); }},
        {QStringLiteral("labelCheckExeSignedIcon"),
         [](Writer& w) { w.Signed(w.facts.productPath, w.facts.exeSigner, w.facts.exeReadable); }},
        {QStringLiteral("labelCheckExeSignedNameIcon"),
         [](Writer& w) { w.SignerName(w.facts.productPath, w.facts.exeSigner, w.facts.exeReadable); }},
        {QStringLiteral("labelShortcutInstalledGlobal"),
         [](Writer& w) { w.ShortcutMissing(w.facts.allUsersShortcut, w.facts.currentUserShortcut, true); }},
        {QStringLiteral("labelPointToInstalledDirCurrentAllUsers"),
         [](Writer& w) { w.ShortcutTarget(w.facts.allUsersShortcut, w.facts.currentUserShortcut, true); }},
        {QStringLiteral("labelShortcutInstalledCurrentUser"),
         [](Writer& w) { w.ShortcutMissing(w.facts.currentUserShortcut, w.facts.allUsersShortcut, false); }},
        {QStringLiteral("labelPointToInstalledDirCurrentUser"),
         [](Writer& w) { w.ShortcutTarget(w.facts.currentUserShortcut, w.facts.allUsersShortcut, false); }},
        {QStringLiteral("labelShortcutAllowedToRunIcon"), [](Writer& w) { w.Approval(); }},
        {QStringLiteral("labelCheckInstallExplorerPluginIcon"), [](Writer& w) { w.Registration(); }},
        {QStringLiteral("labelCheckPluginSignedIcon"),
         [](Writer& w) { w.Signed(w.facts.shellDllPath, w.facts.dllSigner, w.facts.dllReadable); }},
        {QStringLiteral("labelCheckPluginSignedNameIcon"),
         [](Writer& w) { w.SignerName(w.facts.shellDllPath, w.facts.dllSigner, w.facts.dllReadable); }},
        {QStringLiteral("labelDragAndDropActivated"), [](Writer& w) { w.DragAndDrop(); }},
        {QStringLiteral("labelAutomaticCommandLineCopyIcon"), [](Writer& w) { w.CommandLineCopy(); }},
        {QStringLiteral("labelIsRunning"), [](Writer& w) { w.Running(); }},
        {QStringLiteral("labelSimulatePluginIcon"), [](Writer& w) { w.Simulation(); }},
    };
    return writers;
}
} // namespace

bool CheckExplanations::Explains(const QString& member) {
    return Writers().contains(member);
}

QVector<CheckExplanation> CheckExplanations::Explain(const CheckFacts& facts,
                                                     const QMap<QString, CheckResult>& results) {
    QVector<CheckExplanation> explanations;
    for (const QString& row : CheckRows::Checks()) {
        const auto result = results.find(row);
        const auto write = Writers().find(row);
        if (result == results.end() || result.value() == CheckResult::Passed || write == Writers().end())
            continue;
        CheckExplanation explanation;
        explanation.row = row;
        explanation.title = CheckRows::Title(row);
        if (result.value() == CheckResult::Skipped) {
            explanation.cause = facts.skipped.value(row, tr("not checked"));
            explanation.fix = explanation.cause.contains(QLatin1String("--observe"))
                                  ? tr("Nothing to do: run the pass without --observe to check it.")
                                  : tr("Nothing to do: run the pass as the user whose start-up it is to check it.");
            explanations << explanation;
            continue;
        }
        Writer writer{facts, explanation};
        write.value()(writer);
        explanations << explanation;
    }
    return explanations;
}
