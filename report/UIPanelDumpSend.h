#pragma once

#include "ReportForm.h"
#include "ReportOutbox.h"

#include <QPointer>
#include <QSequentialAnimationGroup>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

class QGraphicsItemModernWait;
class QGraphicsProxyWidget;
class QGraphicsViewTransformWidgetToGraphicView;
class UIPanelFailedOrSucceed;
class ReportUpload;

namespace Orv {
class QtStylesheetFollower;
} // namespace Orv

namespace Ui {
class UIPanelDumpSend;
}

// The report form: an explanation, an optional e-mail address, and the buttons that send the report (a diagnostics
// report with the window's screenshot and results, or a crash report with its dump) to the maker's web site. While
// the upload runs the form fades behind a spinner; the outcome fades in over it. A successful upload closes the
// dialog; after a failure it stays open with everything typed, and "Retry" sends again. Before it is sent, the report
// is kept in the outbox, so that one the site did not take is sent again at a later start.
class UIPanelDumpSend : public QWidget {
    Q_OBJECT

public:
    explicit UIPanelDumpSend(QWidget* parent = nullptr);
    ~UIPanelDumpSend() override;

    UIPanelFailedOrSucceed* ResultPanel() const { return resultPanel_; }
    QGraphicsItemModernWait* WaitItem() const { return waitItem_; }
    QGraphicsProxyWidget* ResultProxy() const { return resultProxy_; }
    QSequentialAnimationGroup& Animation() { return animation_; }

    // Written by the opener.
    bool diagnosticsMode = false;
    QString reportText;
    QMap<QString, ReportRowText> rowTexts; // shown in the saved page and the details, never sent
    QString screenshotPath;
    QString productName;
    QString productVersion;
    // How long the upload may go without a byte moving (either way) before it is given up as failed.
    int stallMs;
    // How many bytes must move (either way) in each such span: fewer, and the upload is given up as too slow.
    qint64 minimumBytes;
    // Where a report waits until the site took it (empty: nowhere, the report lives in the dialog only).
    QString outboxFolder;

    // The report as it would be sent now.
    ReportFields Fields() const;
    // Asks before an anonymous report; true sends. The default is a warning box with Yes and No (default No).
    using Question = std::function<bool(QWidget* parent, const QString& title, const QString& text)>;
    void SetAnonymousQuestion(Question question) { question_ = std::move(question); }
    static QString AnonymousQuestionText();
    // Where "Save report…" writes; the default asks the user with a file dialog (empty: cancelled).
    using SavePathChooser = std::function<QString(QWidget* parent)>;
    void SetSavePathChooser(SavePathChooser chooser) { chooseSavePath_ = std::move(chooser); }

    // After the opener showed or hid parts of the form: the form lives in a graphics scene, where that does not
    // reach its layouts and its proxy's size by itself.
    void RefreshFormLayout();
    // The form of a diagnostics report (the window's): its title and explanation, "Send" for diagnostics, no crash
    // dump's buttons or parameters; sets diagnosticsMode.
    void ShowAsDiagnosticsReport();

    void Send();
    // Crash-report mode only: removes the crash dump (never the parameters file).
    void CleanUpDump();
    // Writes the report as one HTML file; false (and a message box) when it cannot be written.
    bool SaveReport(const QString& path);

signals:
    void sCloseDumpDialog();
    // The outcome is shown (the wait is over): true for success.
    void sAnswerShown(bool succeeded);
    // The site took the report: its number, as the user quotes it to support.
    void sReportTaken(const QString& number);

private slots:
    void on_pushButtonSubmitBug_clicked();
    void on_pushButtonSkipSubmit_clicked();
    void on_lineEditEmail_textChanged(const QString& email);
    void on_pushButtonSubmitDiagnostics_clicked();
    void on_pushButtonDetails_clicked();
    void on_pushButtonSaveReport_clicked();

private:
    Ui::UIPanelDumpSend* Form() const { return form_.get(); }
    void OnFinished();
    QString FailureText() const;
    void StopWaiting();
    void OfferRetry();
    void Retry();
    void AskAndSave();

    std::unique_ptr<Ui::UIPanelDumpSend> form_;
    QGraphicsViewTransformWidgetToGraphicView* view_ = nullptr;
    QSequentialAnimationGroup animation_;
    QGraphicsItemModernWait* waitItem_ = nullptr;
    UIPanelFailedOrSucceed* resultPanel_ = nullptr;
    QGraphicsProxyWidget* resultProxy_ = nullptr;
    std::unique_ptr<Orv::QtStylesheetFollower> follower_;
    Question question_;
    SavePathChooser chooseSavePath_;
    void StartUpload();
    // The report made by the first press (Retry sends it again, with the same identifier), whether the outbox keeps
    // it (and if not, why), and the upload under way (one connection, its request written once).
    WaitingReport report_;
    bool kept_ = false;
    QString keepError_;
    QPointer<ReportUpload> sending_;
    bool waitOver_ = false;
    bool answered_ = false;
};
