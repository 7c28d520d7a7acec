#include "UIPanelDumpSend.h"

#include "ReportHtml.h"
#include "ReportUpload.h"
#include "network/HttpsExchange.h"
#include "network/NetworkLimits.h"
#include "network/NetworkProxy.h"
#include "network/TransferAdvice.h"
#include "network/SiteAddress.h"
#include "UIDialogReportDetails.h"
#include "UIPanelFailedOrSucceed.h"
#include "ui_UIPanelDumpSend.h"
#include "ui_UIPanelFailedOrSucceed.h"

#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Error.h"
#include "library_Orv/Files/File.h"
#include "ui/QGraphicsItemModernWait.h"
#include "ui/QGraphicsViewTransformWidgetToGraphicView.h"
#include "ui/QtStylesheetFollower.h"

#include <QFile>
#include <QFileDialog>
#include <QDir>
#include <QGraphicsProxyWidget>
#include <QLayout>
#include <QMessageBox>
#include <QPropertyAnimation>
#include <QSaveFile>
#include <QPushButton>
#include <QTimer>
#include <QtDebug>

namespace {
constexpr int kFormFadeMs = 500;
constexpr int kWaitFadeMs = 200;
constexpr int kResultFadeMs = 500;
constexpr int kAfterAnswerMs = 1000;
constexpr int kBeforeClosingMs = 2500;
constexpr double kFadedFormOpacity = 0.2;
const char* const kDialogTitle = "SkorvaneDiagnostics (Orv)";

QPropertyAnimation* Fade(QObject* target, int ms, double to) {
    // No start value: each run starts from the opacity the item has then.
    auto* animation = new QPropertyAnimation(target, "opacity");
    animation->setDuration(ms);
    animation->setEndValue(to);
    return animation;
}

bool AskWithWarningBox(QWidget* parent, const QString& title, const QString& text) {
    return QMessageBox::warning(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

QString ChooseHtmlFile(QWidget* parent) {
    return QFileDialog::getSaveFileName(parent, UIPanelDumpSend::tr("Save report"),
                                        QStringLiteral("SkorvaneDiagnostics-report.html"),
                                        UIPanelDumpSend::tr("Web page (*.html)"));
}
} // namespace

UIPanelDumpSend::UIPanelDumpSend(QWidget* parent)
    : QWidget(parent), form_(std::make_unique<Ui::UIPanelDumpSend>()), question_(AskWithWarningBox),
      chooseSavePath_(ChooseHtmlFile) {
    stallMs = Orv::NetworkStallMs();
    minimumBytes = Orv::NetworkMinimumBytes();
    outboxFolder = ReportOutbox::DefaultFolder();
    form_->setupUi(this);
    // Enter presses the button in focus, as in a dialog (the panel sits in a window that is not one).
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(true);
    form_->pushButtonSubmitDiagnostics->hide();
    const QSize size = sizeHint();

    view_ = new QGraphicsViewTransformWidgetToGraphicView(form_->widgetParentGraphicView, this);
    form_->verticalLayout->addWidget(view_);
    animation_.addAnimation(Fade(view_->proxy(), kFormFadeMs, kFadedFormOpacity));

    waitItem_ = new QGraphicsItemModernWait(this, view_->proxy());
    waitItem_->setZValue(1.0);
    waitItem_->setOpacity(0.0);
    waitItem_->setRect(0, 0, size.width(), size.height());
    waitItem_->initialize(&view_->graphicsScene());
    waitItem_->updateLayout();
    view_->graphicsScene().addItem(waitItem_);
    animation_.addAnimation(waitItem_->animation());
    animation_.addAnimation(Fade(waitItem_, kWaitFadeMs, 0.0));

    resultPanel_ = new UIPanelFailedOrSucceed();
    resultProxy_ = view_->graphicsScene().addWidget(resultPanel_);
    resultProxy_->setOpacity(0.0);
    follower_ = std::make_unique<Orv::QtStylesheetFollower>(this);
    follower_->Register(resultPanel_);
    follower_->Apply();
    animation_.addAnimation(Fade(resultProxy_, kResultFadeMs, 1.0));

    connect(&view_->graphicsScene(), &QGraphicsScene::sceneRectChanged, this, [this](const QRectF& rect) {
        waitItem_->setRect(rect);
        waitItem_->updateLayout();
        resultProxy_->setGeometry(rect);
    });
    // A wait stopped before the group reaches it (an answer within the form's fade) must not start afterwards.
    connect(&animation_, &QSequentialAnimationGroup::currentAnimationChanged, this,
            [this](QAbstractAnimation* current) {
                if (waitOver_ && current == waitItem_->animation())
                    QTimer::singleShot(0, this, [this]() { waitItem_->animation()->stop(); });
            });
    connect(resultPanel_, &UIPanelFailedOrSucceed::sRetry, this, &UIPanelDumpSend::Retry);
    connect(resultPanel_, &UIPanelFailedOrSucceed::sSaveReport, this, &UIPanelDumpSend::AskAndSave);

    productName = ReportFields().productName;
    productVersion = ReportFields().productVersion;
}

UIPanelDumpSend::~UIPanelDumpSend() {
    if (waitItem_->animation()) {
        waitItem_->animation()->pause();
        waitItem_->animation()->stop();
    }
    animation_.stop();
    // A crash dump kept for another try goes with the dialog, once an answer came.
    if (answered_)
        CleanUpDump();
    follower_.reset();
    delete view_; // its scene holds the form, the wait item and the result panel
}

void UIPanelDumpSend::RefreshFormLayout() {
    // The layouts learn of the change through posted requests.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    // The form and its proxy keep the minimum size of the time it was made, when every button was shown.
    const QSize minimum = form_->widgetParentGraphicView->minimumSizeHint();
    form_->widgetParentGraphicView->setMinimumSize(minimum);
    view_->proxy()->setMinimumSize(minimum);
    view_->proxy()->setGeometry(view_->graphicsScene().sceneRect());
}

void UIPanelDumpSend::ShowAsDiagnosticsReport() {
    diagnosticsMode = true;
    form_->groupBoxExplain->setTitle(tr("Explain your problem (Optional)"));
    form_->PanelDumpLabelTitle->setText(tr("Diagnotic report"));
    form_->pushButtonSubmitDiagnostics->setVisible(true);
    form_->pushButtonSubmitBug->setVisible(false);
    form_->pushButtonSkipSubmit->setVisible(false);
    form_->checkBoxParameters->setVisible(false);
    RefreshFormLayout();
}

ReportFields UIPanelDumpSend::Fields() const {
    ReportFields fields;
    fields.diagnosticsMode = diagnosticsMode;
    fields.productName = productName;
    fields.productVersion = productVersion;
    fields.email = form_->lineEditEmail->text();
    fields.explanation = form_->textEditReport->toPlainText();
    fields.screenshotPath = screenshotPath;
    fields.reportText = reportText;
    fields.rowTexts = rowTexts;
    fields.dumpPath = QString::fromStdString(DumpFilePath());
    fields.parametersPath = QString::fromStdString(ParametersFilePath());
    fields.withParameters = form_->checkBoxParameters->isChecked();
    fields.reportId = report_.id;
    return fields;
}

QString UIPanelDumpSend::AnonymousQuestionText() {
    return tr("Do you want to send an anonymous report?\nPlease note that we won\u2019t be able to reply directly "
              "unless you provide an email address.");
}

void UIPanelDumpSend::Send() {
    if (form_->lineEditEmail->text().isEmpty() &&
        !question_(this, QString::fromLatin1(kDialogTitle) + QStringLiteral(" - ") + tr("Anonymous report"),
                   AnonymousQuestionText()))
        return;
    if (const QString problem = Orv::SiteAddressProblem(); !problem.isEmpty()) {
        ORV_REPORT(problem.toStdString(), false, Orv::kErrorLevelWarning);
        return;
    }
    const ReportRequest form = BuildReportForm(Fields());
    report_ = WaitingReport();
    report_.id = NewReportId();
    report_.created = QDateTime::currentDateTimeUtc();
    report_.endpoint = ReportEndpoint(diagnosticsMode);
    report_.contentType = form.contentType;
    report_.body = form.body;
    // Kept first: whatever happens to the upload, the dialog or the program, the report is not lost. A report that
    // cannot be kept (a full disk) is still sent.
    keepError_.clear();
    kept_ = ReportOutbox(outboxFolder).Keep(&report_, &keepError_);
    if (!kept_)
        qWarning().noquote() << "The report could not be kept in the outbox:" << keepError_;
    StartUpload();
}

void UIPanelDumpSend::StartUpload() {
    if (sending_) {
        sending_->disconnect(this);
        sending_->Abort();
        sending_->deleteLater();
    }
    auto* upload = new ReportUpload(this);
    sending_ = upload;
    upload->SetLimits(stallMs, minimumBytes);
    connect(upload, &ReportUpload::sFinished, this, &UIPanelDumpSend::OnFinished);
    upload->Start(report_);
    waitOver_ = false;
    setEnabled(false);
    animation_.start();
}

void UIPanelDumpSend::StopWaiting() {
    waitOver_ = true;
    waitItem_->animation()->pause();
    waitItem_->animation()->stop();
}

void UIPanelDumpSend::OfferRetry() {
    // The outcome panel takes the input, the form keeps what was typed for another try.
    setEnabled(true);
    form_->widgetParentGraphicView->setEnabled(false);
}

QString UIPanelDumpSend::FailureText() const {
    const Orv::HttpsExchange* sending = &sending_->Exchange();
    switch (sending->failure()) {
    case Orv::HttpsExchange::Failure::TooSlow:
        return tr("The website moved fewer than %1 bytes in %2 seconds: too slow to ever finish.")
            .arg(minimumBytes)
            .arg(stallMs / 1000.0);
    case Orv::HttpsExchange::Failure::Timeout: {
        const int seconds = stallMs / 1000;
        if (sending->Proxy().type() != QNetworkProxy::NoProxy && !sending->Connected())
            return tr("The proxy %1 did not answer for %2 s.").arg(Orv::ProxyText(sending->Proxy())).arg(seconds);
        return seconds == 1 ? tr("The website did not answer for 1 second.")
                            : tr("The website did not answer for %1 seconds.").arg(seconds);
    }
    case Orv::HttpsExchange::Failure::Tls:
        return sending->UntrustedIssuer().isEmpty()
                   ? tr("Can't connect to website")
                   : tr("Can't connect to website: its certificate was issued by \"%1\", which this computer does "
                        "not trust.")
                         .arg(sending->UntrustedIssuer());
    case Orv::HttpsExchange::Failure::Proxy:
        return sending->ProxyAuthenticationFailed() ? tr("The proxy asked for a user name and password (proxy %1).")
                                                          .arg(Orv::ProxyText(sending->Proxy()))
                                                    : tr("The proxy %1 did not open the way to the website: %2")
                                                          .arg(Orv::ProxyText(sending->Proxy()), sending->Detail());
    case Orv::HttpsExchange::Failure::HostNotFound:
        if (sending->Proxy().type() == QNetworkProxy::NoProxy)
            return tr("The website's name could not be found: no Internet connection, or a wrong site address.");
        return tr("The proxy's name %1 could not be found.").arg(Orv::ProxyText(sending->Proxy()));
    default:
        return tr("Website problem or firewall blocking Internet access!");
    }
}

void UIPanelDumpSend::OnFinished() {
    ReportUpload* upload = sending_;
    answered_ = true;
    const bool ok = upload->outcome() == ReportUpload::Outcome::Taken;
    ReportOutbox outbox(outboxFolder);
    if (ok) {
        if (kept_)
            outbox.Remove(report_);
        qInfo() << "DEBUG_DUMP_PANEL: anwser result" << QString::fromUtf8(upload->Answer().left(200))
                << (upload->AnswerCut() ? "(cut short)" : "");
        qInfo().noquote() << "Report number" << ReportNumber(report_.id) << "taken by the site (" << report_.id << ")";
        emit sReportTaken(ReportNumber(report_.id));
        resultPanel_->ShowSucceeded((diagnosticsMode ? tr("Thank you for sending your diagnostic report.")
                                                     : tr("Thank you for sending your crash report.")) +
                                    QLatin1Char('\n') +
                                    tr("Report number %1: quote it to support.").arg(ReportNumber(report_.id)));
    } else {
        const Orv::HttpsExchange& exchange = upload->Exchange();
        qInfo() << "DEBUG_DUMP_PANEL: anwser error" << exchange.Status() << exchange.Detail();
        // The hop that failed, and for the network's own failures what to do (a failure of the site itself keeps
        // the one line it always had).
        const bool answered = upload->Answered();
        const QString advice = answered ? QString() : Orv::TransferAdvice(exchange);
        const QString failure = answered ? tr("Website problem or firewall blocking Internet access!") : FailureText();
        QString text = advice.isEmpty() || failure == tr("Website problem or firewall blocking Internet access!")
                           ? failure
                           : failure + QLatin1Char('\n') + advice;
        // Refused for good, the report is not sent again by itself; otherwise it waits in the outbox.
        if (upload->outcome() == ReportUpload::Outcome::Refused) {
            if (kept_)
                outbox.Refuse(report_);
            kept_ = false; // a Retry keeps it anew
        } else if (kept_) {
            if (upload->RetryAfter().isValid())
                outbox.Postpone(&report_, upload->RetryAfter());
            text += QLatin1Char('\n') +
                    tr("Your report is kept on this computer and will be sent when the site can be reached.");
        } else {
            text += QLatin1Char('\n') + tr("The report could not be kept on this computer (%1): use \"Save report…\" "
                                           "to keep it.")
                                            .arg(keepError_);
        }
        resultPanel_->ShowFailed(text);
    }
    QTimer::singleShot(kAfterAnswerMs, Qt::PreciseTimer, this, [this, ok]() {
        StopWaiting();
        if (ok) {
            QTimer::singleShot(kBeforeClosingMs, Qt::PreciseTimer, this, [this]() {
                emit sCloseDumpDialog();
                CleanUpDump();
            });
        } else {
            OfferRetry();
        }
        emit sAnswerShown(ok);
    });
}

void UIPanelDumpSend::Retry() {
    animation_.stop();
    waitItem_->setOpacity(0.0);
    view_->proxy()->setOpacity(1.0);
    QPropertyAnimation* fadeOut = Fade(resultProxy_, kResultFadeMs / 2, 0.0);
    fadeOut->start(QAbstractAnimation::DeleteWhenStopped);
    form_->widgetParentGraphicView->setEnabled(true);
    // The same report again, under the same number: the site knows it if an earlier answer was lost on the way.
    if (report_.id.isEmpty())
        return Send();
    if (!kept_)
        kept_ = ReportOutbox(outboxFolder).Keep(&report_, &keepError_);
    StartUpload();
}

void UIPanelDumpSend::CleanUpDump() {
    if (diagnosticsMode)
        return;
    const std::wstring path = Orv::Utf8ToWString(DumpFilePath());
    if (Orv::FileExists(path) && !Orv::DirectoryExists(path))
        Orv::DeleteOneFile(path);
}

bool UIPanelDumpSend::SaveReport(const QString& path) {
    const ReportFields fields = Fields();
    QFile screenshot(fields.screenshotPath);
    const QByteArray picture =
        fields.diagnosticsMode && screenshot.open(QIODevice::ReadOnly) ? screenshot.readAll() : QByteArray();
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(ReportHtml(fields, picture).toUtf8()) >= 0 && file.commit())
        return true;
    const std::string text = tr("The report could not be saved to %1:\n%2\nNothing was lost: choose another place.")
                                 .arg(QDir::toNativeSeparators(path), file.errorString())
                                 .toStdString();
    if (Orv::MessageBoxPresenter presenter = Orv::Error::CurrentMessageBoxPresenter())
        presenter(text, kDialogTitle, Orv::kMessageBoxWarning);
    else
        Orv::ShowSystemMessageBox(text, kDialogTitle, Orv::kMessageBoxWarning);
    return false;
}

void UIPanelDumpSend::AskAndSave() {
    const QString path = chooseSavePath_(this);
    if (!path.isEmpty())
        SaveReport(path);
}

void UIPanelDumpSend::on_pushButtonSubmitBug_clicked() {
    Send();
}

void UIPanelDumpSend::on_pushButtonSkipSubmit_clicked() {
    CleanUpDump();
    emit sCloseDumpDialog();
}

void UIPanelDumpSend::on_lineEditEmail_textChanged(const QString& email) {
    form_->groupBoxReport->setTitle(email.isEmpty() ? tr("Report (Anonymous)")
                                                    : tr("Report (Email shared, we may contact you for more "
                                                         "information)"));
}

void UIPanelDumpSend::on_pushButtonSubmitDiagnostics_clicked() {
    Send();
}

void UIPanelDumpSend::on_pushButtonDetails_clicked() {
    auto* details = new UIDialogReportDetails(Fields(), this);
    details->setAttribute(Qt::WA_DeleteOnClose);
    details->open();
}

void UIPanelDumpSend::on_pushButtonSaveReport_clicked() {
    AskAndSave();
}
