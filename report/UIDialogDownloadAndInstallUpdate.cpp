#include "UIDialogDownloadAndInstallUpdate.h"

#include "QtFileDownloader.h"
#include "ui_UIDialogDownloadAndInstallUpdate.h"

#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Files/File.h"
#include "library_Orv/IProductInformations.h"
#include "library_Orv/Processes.h"

#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

#include <cstdlib>

namespace Orv {

namespace {
bool LaunchInstaller(const QString& program, const QStringList& arguments) {
    std::vector<std::wstring> args;
    for (const QString& argument : arguments)
        args.push_back(argument.toStdWString());
    return LaunchProcess(program.toStdWString(), args, std::wstring());
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
    : QDialog(parent, flags), form_(std::make_unique<Ui::UIDialogDownloadAndInstallUpdate>()), launch_(LaunchInstaller),
      box_(CriticalBox) {
    form_->setupUi(this);
}

UIDialogDownloadAndInstallUpdate::~UIDialogDownloadAndInstallUpdate() = default;

void UIDialogDownloadAndInstallUpdate::on_progressbar(float percentage, double) {
    form_->progressBar->setValue(static_cast<int>(percentage));
    if (percentage >= 100.0f) {
        form_->progressBar->setValue(100);
        if (form_->pushButtonInstall->isHidden())
            form_->pushButtonInstall->show();
    }
}

void UIDialogDownloadAndInstallUpdate::on_pushButtonCancel_clicked() {
    if (job)
        job->cancel = true;
    close();
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
        // A file refused once is never run: it does not stay behind under the product's name.
        QFile::remove(path);
        box_(this, tr("Installer refused"), verdict.Explanation());
        job->cancel = true;
        return;
    }
    if (IProductInformations* product = GetProductInformations())
        product->GetRunningInstance().Release();
    hide();
    // A downloaded file is no program to POSIX until it may be executed (Windows has no such bit).
    QFile(path).setPermissions(QFile(path).permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    launch_(path, {QStringLiteral("/S")});
    if (IProductInformations* product = GetProductInformations(); product && !product->KeepRunningAfterUpdate())
        std::exit(0);
}

} // namespace Orv
