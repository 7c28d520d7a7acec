#pragma once

#include "library_Orv/Json/JsonDocument.h"
#include "library_Orv/Qt/SkinManager.h"

#include <QIcon>
#include <QMainWindow>
#include <QProcess>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <string>
#include <memory>

class QLabel;

namespace Ui {
class MainWindow;
}

// The diagnostics window: one row per check, the report document that records every result, and the buttons.
// Its construction already runs one full check pass.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Whether construction runs the first check pass (the window does; the console runner runs its own).
    enum class FirstPass { Run, Skip };
    using ProgressReporter = std::function<void(int step, int steps, const char* name)>;
    // reporter is told each step of the first pass (the start-up splash follows it).
    explicit MainWindow(FirstPass firstPass = FirstPass::Run, ProgressReporter reporter = nullptr);
    ~MainWindow() override;

    // Records "true" or "false" under the label's object name and shows the check mark or the cross.
    void SetCheckResult(QLabel* iconLabel, bool ok);
    // Records "unknown" under the label's object name and shows the question mark.
    void SetUnknownResult(QLabel* iconLabel);
    // Sets the report member key to value, creating it at the end on first use.
    void SetResultValue(const QString& key, const QString& value);

    void RunChecks(bool fix);
    // Told the number and name of each step as a pass reaches it.
    void SetProgressReporter(ProgressReporter reporter) { progressReporter_ = std::move(reporter); }
    static constexpr int kCheckSteps = 15;

    // Asks the running product whether it handles Explorer drag and drop; fills the row and the "Activate" button.
    void QueryDragAndDropState();
    // Sends the product a set command; no answer is awaited.
    void SendSetCommand(const std::wstring& value);
    // Starts the product as this window's child, its output and exit going to the log area.
    void LaunchProduct(const QString& program, const QString& workingFolder);
    // How long the command-line copy test waits for the product's "--copy" run.
    static constexpr int kCommandLineCopyTimeoutMs = 10000;

    Orv::JsonDocument& ReportDocument() { return reportDocument_; }
    QString ReportJson();
    Ui::MainWindow* Form() const { return form_.get(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    // Connected by name; the order of declaration is the order of the meta-object's slots.
    void on_pushButtonFixAndCheck_clicked();
    void on_pushButtonCheck_clicked();
    void on_pushButtonQuit_clicked();
    void on_pushButtonSendReport_clicked();
    void on_pushButtonDownloadAndInstall_clicked();
    void on_pushButtonActivateDragAndDrop_clicked();

private:
    void RefreshProcessStates();
    // The log area: the product's output goes in as it comes; a line of this tool's own starts on a line of its
    // own.
    void AppendLogText(const QString& text);
    void AppendLogLine(const QString& line);
    void ShowIcon(QLabel* iconLabel, const QIcon& icon);

    // The steps of a check pass, in the order RunChecks calls them.
    void CheckArchitecture();
    void CheckWindowsVersion();
    void ComputeSharedValues();
    void CheckInstallIntegrity();
    void ReadSoftwareVersion();
    void CheckSignatures();
    void CheckPluginRegistration();
    void ReadPluginVersion();
    void CheckStartupShortcuts(bool fix);
    void CheckStartupApproval();
    void CheckRunningState();
    void RunCommandLineCopyTest();
    void RunLaunchStep();
    void RecordLogArea();
    void RunPluginSimulationTest();
    bool IsProductRunning();
    void SetIntegrityLevelText(QLabel* label, intptr_t processHandle);

    QString ProductExecutablePath() const;
    QString ProductInstallDirectory() const;

    bool resourcesReady_ = false;
    std::unique_ptr<Ui::MainWindow> form_;
    Orv::QtStylesheetSkinRegisteredWidget skinRegistration_;
    QTimer refreshTimer_;
    bool running_ = false;
    uint32_t runningProcessId_ = 0;
    Orv::JsonDocument reportDocument_;
    QString reportText_;
    QString productVersion_;
    QProcess productProcess_;
    QIcon checkIcon_;
    QIcon crossIcon_;
    QIcon questionIcon_;

    void ReportStep(int step, const char* name);

    ProgressReporter progressReporter_;
    // Shared by the steps of one pass: the product's path as the installation names it (what programs are started
    // with and shortcuts store), and its extended-length form (what the file checks read).
    std::wstring productPath_;
    std::wstring executablePath_;
    std::wstring shellDllPath_;
    std::wstring installDirectory_;
};
