#pragma once

#include "CheckExplanations.h"
#include "CheckRows.h"
#include "ProductProcess.h"

#include "library_Orv/Json/JsonDocument.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

class QThread;

namespace Checks {
class CopyTestFolder;
}

// One check pass over the installation and the running product, without any widget: the fifteen steps in their
// order, the report document that records every result, the log of the product this pass launched, and the
// exchanges with the product over its pipe. Rows are named as the window names their labels; whoever shows them
// listens to the signals (the window), or only reads the report (the console runner).
// Run works on the calling thread; Start runs the same pass on a thread of its own, so that a window keeps
// answering. The object itself, and the product it launches, stay on the thread that made it: while a background
// pass runs, that thread only listens (and reads the report once passFinished has come).
class CheckPass : public QObject {
    Q_OBJECT

public:
    static constexpr int kSteps = 15;
    // How long the command-line copy test waits for the product's "--copy" run.
    static constexpr int kCommandLineCopyTimeoutMs = 10000;

    explicit CheckPass(QObject* parent = nullptr);
    ~CheckPass() override;

    // Runs every step; a pass stops early only when Stop asks it to. fix creates a missing start-up shortcut.
    void Run(bool fix);
    // Only look: the pass never starts, ends or asks the product to copy, and creates nothing; the rows that would
    // (the copy tests, the launch, and the product's own rows while it does not run) are skipped. Set before Run.
    void SetObserveOnly(bool observe) { observeOnly_ = observe; }
    bool ObserveOnly() const { return observeOnly_; }
    // Nobody is signed in (why, or empty): the current user's shortcut rows describe an account nobody uses and are
    // skipped, and a repair makes the shortcut for all users only. Set before Run.
    void SetNoSignedInUser(const QString& why) { noSignedInUser_ = why; }
    // Runs the pass on a thread of its own and returns at once; passFinished follows, after every row has been
    // told. false when a pass runs already.
    bool Start(bool fix);
    // The same for "Activate" (ActivateDragAndDrop), which waits on the product for two seconds and more.
    bool StartActivation();
    // Whether a pass started by Start has not finished yet (as seen by this object's thread).
    bool IsRunning() const { return passThread_ != nullptr; }
    // Asks a running pass to stop before its next step (its own waits end at once) and waits for it up to timeoutMs.
    // true when no pass runs any more; false when a step is still inside a call the pass cannot cut short.
    bool Stop(unsigned long timeoutMs);

    // Records "true" or "false" under the row's name and tells the listener.
    void SetCheckResult(const QString& row, bool ok);
    // Records "unknown" under the row's name and tells the listener.
    void SetUnknownResult(const QString& row);
    // Sets the report member key to value, creating it at the end on first use.
    void SetResultValue(const QString& key, const QString& value);

    Orv::JsonDocument& ReportDocument() { return reportDocument_; }
    // The report as compact JSON.
    QString ReportJson();
    // The product this pass launched, its log, and the lookup of a running product.
    ProductProcess& Product() { return product_; }
    // The product's software version as the last pass read it (empty when it could not be read).
    const QString& ProductVersion() const { return productVersion_; }
    // Why each row of the last pass failed, and what to do: made once the pass is over, from its own findings, and
    // again when the running row or the drag-and-drop row is checked anew.
    const QVector<CheckExplanation>& Explanations() const { return explanations_; }
    // Each row's result, as the pass found it.
    const QMap<QString, CheckResult>& Results() const { return results_; }

    // Looks for the product among the running processes and records the running row.
    bool RefreshRunningState();
    // The product's process id as RefreshRunningState last found it (0 when it did not run).
    uint32_t RunningProcessId() const { return running_ ? runningProcessId_ : 0; }
    // Asks the running product whether it handles Explorer drag and drop; records the row and offers "Activate"
    // when the product answers that it does not.
    void QueryDragAndDropState();
    // Sends the product a set command; no answer is awaited.
    void SendSetCommand(const std::wstring& value);
    // Switches drag and drop on, then asks again.
    void ActivateDragAndDrop();
    // Starts the product as this pass's child, its output and exit going to the log, and waits for it to come up.
    void LaunchProduct(const QString& program, const QString& workingFolder);
    // What a pass left behind when the program must end without it (the copy tests' folder): removed.
    void RemoveLeftovers();

signals:
    void stepStarted(int step, int steps, const QString& name);
    void resultChanged(const QString& row, CheckResult result);
    void rowTextChanged(const QString& row, const QString& text);
    void logCleared();
    // text goes at the end of the log as it is (a line of this tool's own starts with its line break).
    void logAppended(const QString& text);
    // Whether "Activate" makes sense: the product answered that drag and drop is off.
    void activateOffered(bool offered);
    // A pass started by Start is over.
    void passFinished();

private:
    void StartStep(int step, const char* name);
    void SetResult(const QString& row, CheckResult result);
    void UpdateExplanations();
    void SetRowText(const QString& row, const QString& text);
    // LaunchProduct for the pass: the child is started by this object's thread, wherever the pass runs.
    void LaunchProductForPass(const QString& program, const QString& workingFolder);
    // Waits milliseconds, or less when Stop asks the pass to end.
    void Pause(unsigned long milliseconds);
    bool StartInBackground(const std::function<void()>& work);
    void FinishBackgroundPass();

    // The steps, in the order Run calls them.
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
    void Skip(const QString& row, const QString& why);
    void ObservePlugin();
    void RunPluginSimulationTest();

    Orv::JsonDocument reportDocument_;
    QString reportText_;
    QString productVersion_;
    // What the steps found, the results they gave, and what explains them.
    CheckFacts facts_;
    QMap<QString, CheckResult> results_;
    QVector<CheckExplanation> explanations_;
    bool inPass_ = false;
    ProductProcess product_;
    bool running_ = false;
    uint32_t runningProcessId_ = 0;
    // The product is launched by one pass at most in the life of this object (of the program that owns it).
    bool productMayBeLaunched_ = true;
    bool observeOnly_ = false;
    QString noSignedInUser_;
    // Shared by the steps of one pass: the product's path as the installation names it (what programs are started
    // with and shortcuts store), and its extended-length form (what the file checks read).
    std::wstring productPath_;
    std::wstring executablePath_;
    std::wstring shellDllPath_;
    std::wstring installDirectory_;
    // The copy tests' own folder, from the command-line copy test to the end of the pass; its path, for a pass left
    // behind (the program removes it on its way out without touching the pass's objects).
    std::unique_ptr<Checks::CopyTestFolder> copyTestFolder_;
    std::mutex leftoverMutex_;
    std::wstring copyFolderPath_;

    // The background pass: its thread (owned by this object's thread), the stop request and what wakes its waits.
    QThread* passThread_ = nullptr;
    std::atomic<bool> stopRequested_{false};
    std::mutex pauseMutex_;
    std::condition_variable pauseWake_;
};
