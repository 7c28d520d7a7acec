#pragma once

#include "DownloadAction.h"
#include "pass/CheckPass.h"

#include "library_Orv/Json/JsonDocument.h"
#include "report/ReportForm.h"
#include "library_Orv/Qt/SkinManager.h"

#include <QIcon>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>

class QLabel;

namespace Ui {
class MainWindow;
}

// The diagnostics window: one row per check, filled by the check pass it owns, and the buttons. Its construction
// already runs one full check pass.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Whether construction runs the first check pass (the window does; tests may run their own).
    enum class FirstPass { Run, Skip };
    using ProgressReporter = std::function<void(int step, int steps, const char* name)>;
    static constexpr int kCheckSteps = CheckPass::kSteps;
    // reporter is told each step of the first pass (the start-up splash follows it).
    explicit MainWindow(FirstPass firstPass = FirstPass::Run, const ProgressReporter& reporter = nullptr);
    ~MainWindow() override;

    // Records "true" or "false" under the label's object name and shows the check mark or the cross.
    void SetCheckResult(QLabel* iconLabel, bool ok);
    // Records "unknown" under the label's object name and shows the question mark.
    void SetUnknownResult(QLabel* iconLabel);
    // Sets the report member key to value, creating it at the end on first use.
    void SetResultValue(const QString& key, const QString& value);

    // Runs one pass and returns when it is over; meanwhile the window shows the rows as they come and answers.
    void RunChecks(bool fix);
    // Whether the window closed while a pass was inside a call it could not cut short: the pass still runs, and
    // the program must end without destroying what it uses.
    bool PassAbandoned() const { return passAbandoned_; }

    CheckPass& Pass() { return pass_; }
    // Whether the site address may be used; when not, a box says why (nothing is sent, nothing downloaded).
    static bool SiteAddressUsable();
    DownloadAction& Download() { return download_; }
    Orv::JsonDocument& ReportDocument() { return pass_.ReportDocument(); }
    QString ReportJson() { return pass_.ReportJson(); }
    // What the saved report page and the details show beside the report: each member's title, and each failed
    // row's cause and fix.
    QMap<QString, ReportRowText> ReportRowTexts();

    // Sizes the window to its rows, or to the screen's work area when they need more, and puts it inside that area:
    // the rows scroll, the buttons stay in view.
    void FitToScreen();

signals:
    // The window begins to close: from now on a new start of the program must run itself.
    void sClosing();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private slots:
    // Connected by name; the order of declaration is the order of the meta-object's slots.
    void on_pushButtonFixAndCheck_clicked();
    void on_pushButtonCheck_clicked();
    void on_pushButtonQuit_clicked();
    void on_pushButtonSendReport_clicked();
    void on_pushButtonDownloadAndInstall_clicked();
    void on_pushButtonActivateDragAndDrop_clicked();

private:
    // Sends the reports that wait in the outbox, one line telling how it goes.
    void SendWaitingReports();
    Ui::MainWindow* Form() const { return form_.get(); }
    // Runs what start begins on the pass's thread (a pass, "Activate"), the buttons disabled, and returns once it
    // is over; meanwhile the window answers.
    void RunInBackground(const std::function<bool()>& start);
    void ShowResult(const QString& row, CheckResult result);
    void ShowRowText(const QString& row, const QString& text);
    void AppendLogText(const QString& text);
    // Each failed row's explanation as its tooltip, and all of them under the rows in "What to do".
    void ShowExplanations();
    void RefreshProcessStates();
    void RefreshIntegrityLevels(bool productRuns);
    void SetIntegrityLevelText(QLabel* label, intptr_t processHandle);

    bool resourcesReady_ = false;
    bool fitted_ = false;
    bool passRunning_ = false;
    bool passAbandoned_ = false;
    // What the window would need to show every row without scrolling.
    QSize fullSize_;
    std::unique_ptr<Ui::MainWindow> form_;
    Orv::QtStylesheetSkinRegisteredWidget skinRegistration_;
    CheckPass pass_;
    QTimer refreshTimer_;
    QIcon checkIcon_;
    QIcon crossIcon_;
    QIcon questionIcon_;
    DownloadAction download_{this, pass_.Product()};
    // What the window shows of the last explanations, so that the refresh changes nothing when they did not change.
    QVector<CheckExplanation> shownExplanations_;
};
