#include "UIDialogDownloadAndInstallUpdate.h"

#include "network/NetworkLimits.h"
#include "QtFileDownloader.h"
#include "ui_UIDialogDownloadAndInstallUpdate.h"

#include "library_Orv/IProductInformations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLayout>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>

namespace Orv {

namespace {
ShellLaunchResult LaunchInstaller(const QString& program, const QStringList& arguments) {
    std::vector<std::wstring> parameters;
    for (const QString& argument : arguments)
        parameters.push_back(argument.toStdWString());
    return LaunchThroughShell(QDir::toNativeSeparators(program).toStdWString(), parameters);
}

void CriticalBox(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
    box.setDefaultButton(QMessageBox::Ok);
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    box.raise();
    box.exec();
}
} // namespace

UIDialogDownloadAndInstallUpdate::UIDialogDownloadAndInstallUpdate(QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags), form_(std::make_unique<Ui::UIDialogDownloadAndInstallUpdate>()),
      maxBytes_(DownloadCeilingBytes()), stallMs_(NetworkStallMs()), minimumBytes_(NetworkMinimumBytes()),
      launch_(LaunchInstaller), box_(CriticalBox) {
    form_->setupUi(this);
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    form_->pushButtonInstall->hide();
    form_->pushButtonRetry->hide();
}

UIDialogDownloadAndInstallUpdate::~UIDialogDownloadAndInstallUpdate() = default;

void UIDialogDownloadAndInstallUpdate::SetLimits(qint64 maxBytes, int stallMs, qint64 minimumBytes) {
    maxBytes_ = maxBytes;
    stallMs_ = stallMs;
    minimumBytes_ = minimumBytes;
}

void UIDialogDownloadAndInstallUpdate::StartDownload(const QString& url, const QString& destination) {
    url_ = url;
    destination_ = destination;
    if (job)
        disconnect(job, nullptr, this, nullptr);
    // A new downloader for every attempt: the one before, if it still runs, stops and removes its partial file.
    downloader_ = std::make_unique<QtFileDownloader>();
    job = &downloader_->Infos();
    job->SetUrl(url.toStdString());
    job->destination = destination.toStdString();
    job->maxBytes = maxBytes_;
    job->stallMs = stallMs_;
    job->minimumBytes = minimumBytes_;
    connect(job, &QtFileDownloaderInfo::sSetProgress, this, &UIDialogDownloadAndInstallUpdate::on_progressbar);
    connect(downloader_.get(), &QtFileDownloader::sDownloadFinished, this,
            &UIDialogDownloadAndInstallUpdate::DownloadEnded);
    ShowRunning();
    downloader_->StartDownload();
}

void UIDialogDownloadAndInstallUpdate::ShowRunning() {
    form_->label->setText(tr("Downloading..."));
    form_->progressBar->setRange(0, 100);
    form_->progressBar->setValue(0);
    form_->progressBar->show();
    form_->pushButtonInstall->hide();
    form_->pushButtonRetry->hide();
    form_->pushButtonCancel->setDefault(true);
    FitText();
}

void UIDialogDownloadAndInstallUpdate::on_progressbar(float percentage, double) {
    if (percentage < 0.0f) {
        form_->progressBar->setRange(0, 0); // the size is unknown: work under way, no percentage
        return;
    }
    form_->progressBar->setRange(0, 100);
    form_->progressBar->setValue(static_cast<int>(qMin(percentage, 100.0f)));
    if (percentage >= 100.0f && form_->pushButtonInstall->isHidden() && job && job->success) {
        form_->pushButtonInstall->show();
        form_->pushButtonInstall->setDefault(true);
    }
}

void UIDialogDownloadAndInstallUpdate::DownloadEnded(QtFileDownloaderInfo* infos) {
    if (infos->success) {
        form_->label->setText(tr("The installer is downloaded. Install Skorvane now?"));
        on_progressbar(100.0f, 0.0);
        FitText();
        return;
    }
    form_->label->setText(tr("The download failed. %1").arg(infos->failure));
    form_->progressBar->hide();
    form_->pushButtonInstall->hide();
    form_->pushButtonRetry->show();
    form_->pushButtonRetry->setDefault(true);
    FitText();
}

void UIDialogDownloadAndInstallUpdate::FitText() {
    // The label wraps: the dialog grows (or shrinks) to the height of its text at its width.
    if (layout())
        layout()->activate();
    resize(width(), heightForWidth(width()) > 0 ? heightForWidth(width()) : sizeHint().height());
}

void UIDialogDownloadAndInstallUpdate::on_pushButtonRetry_clicked() {
    StartDownload(url_, destination_);
}

void UIDialogDownloadAndInstallUpdate::on_pushButtonCancel_clicked() {
    close(); // as Esc and the window's close button: reject
}

// However the dialog is dismissed, the transfer stops with it.
void UIDialogDownloadAndInstallUpdate::reject() {
    if (job)
        job->cancel = true;
    QDialog::reject();
}

QString UIDialogDownloadAndInstallUpdate::LaunchFailureText(const ShellLaunchResult& result, const QString& program) {
    const QString file = QDir::toNativeSeparators(program);
    switch (result.outcome) {
    case ShellLaunchOutcome::Started:
        return QString();
    case ShellLaunchOutcome::Refused:
        return tr("Windows asked for permission to run the installer, and it was not given. Nothing was "
                  "installed: press Install to be asked again.");
    case ShellLaunchOutcome::NotFound:
        return tr("The installer %1 is no longer there; an antivirus may have removed it. Nothing was installed.")
            .arg(file);
    case ShellLaunchOutcome::AccessDenied:
        return tr("This computer did not allow the installer %1 to run (access denied). Nothing was installed.")
            .arg(file);
    case ShellLaunchOutcome::NotAProgram:
        return tr("The file %1 is not a program this computer can run. Nothing was installed.").arg(file);
    default:
        return tr("The installer %1 could not be started (error %2). Nothing was installed.")
            .arg(file)
            .arg(result.code);
    }
}

void UIDialogDownloadAndInstallUpdate::on_pushButtonInstall_clicked() {
    // Only the file that this job saved (with its digest, when one was given): never one that an earlier download
    // or someone else left at the destination.
    const QString path = job ? QString::fromStdString(job->destination) : QString();
    const QFileInfo file(path);
    if (!job || !job->success || !file.exists() || !file.isFile()) {
        box_(this, tr("Error"),
             tr("Update file doesn't exist anymore, maybe antivirus removed it, start without updating."));
        if (job)
            job->cancel = true;
        return;
    }
    const InstallerVerdict verdict = CheckInstaller(path);
    if (!verdict.MayRun()) {
        // A file refused once is never run: it does not stay behind under the product's name, and the dialog
        // offers to download it again (or to give up), never to install what is gone.
        QFile::remove(path);
        box_(this, tr("Installer refused"), verdict.Explanation());
        job->cancel = true;
        job->success = false;
        form_->label->setText(verdict.Explanation());
        form_->progressBar->hide();
        form_->pushButtonInstall->hide();
        form_->pushButtonRetry->show();
        form_->pushButtonRetry->setDefault(true);
        FitText();
        return;
    }
    if (IProductInformations* product = GetProductInformations())
        product->GetRunningInstance().Release();
    // A downloaded file is no program to POSIX until it may be executed (Windows has no such bit).
    QFile(path).setPermissions(QFile(path).permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    const ShellLaunchResult launched = launch_(path, {QStringLiteral("/S")});
    if (!launched.Started()) {
        std::fprintf(stderr, "The installer %s did not start (error %u)\n", path.toLocal8Bit().constData(),
                     launched.code);
        box_(this, tr("The installer did not start"), LaunchFailureText(launched, path));
        return; // the dialog stays: Install asks again, Cancel gives up
    }
    installerStarted_ = true;
    hide();
    if (IProductInformations* product = GetProductInformations(); product && !product->KeepRunningAfterUpdate())
        std::exit(0);
}

} // namespace Orv
