#include "DownloadAction.h"

#include "ApplicationNames.h"
#include "pass/ProductProcess.h"

#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Files/Folders.h"
#include "library_Orv/Files/Path.h"
#include "network/SiteAddress.h"
#include "ui/UIDialogQuestion.h"

#include <QFile>

QString DownloadAction::Address() {
    return Orv::SiteUrl(QStringLiteral("/software-download/?software-arch=x64&os-name=windows&os-version=7"
                                       "&software-name=Skorvane&sub-domain-id=5"));
}

QString DownloadAction::Destination() {
    return QString::fromStdWString(
        Orv::PathJoin(Orv::GetTempFolder(Orv::Utf8ToWString(kApplicationName)), L"Skorvane.exe"));
}

void DownloadAction::Run() {
    if (dialog_) // a download under way: its dialog keeps the window's buttons out of reach
        return;
    const QString address = Address();
    QPointer<UIDialogQuestion> question = new UIDialogQuestion(window_);
    question->setWindowTitle(QStringLiteral("SkorvaneDiagnostics"));
    question->setText(tr("You are going to install Skorvane !"));
    question->setQuestionIcon();
    question->setButtons(UIDialogQuestion::Yes | UIDialogQuestion::No);
    question->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    question->raise();
    const int answer = question->exec();
    delete question.data(); // closed without a button, it is still there
    if (answer != UIDialogQuestion::Yes)
        return;
    const bool productEnded = product_.EndRunning();

    dialog_ = new Orv::UIDialogDownloadAndInstallUpdate(window_);
    // Modal from its first showing: exec() on a dialog already shown would leave it modeless, and the window's
    // buttons (a pass, a second download) would answer during the download.
    dialog_->setWindowModality(Qt::ApplicationModal);
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
    const QString destination = Destination();
    // A file left there before (by an earlier download, or by someone else) is never what gets installed.
    QFile::remove(destination);
    dialog_->StartDownload(address, destination);
    dialog_->exec();
    if (!dialog_)
        return; // the window went while the dialog ran
    const bool installerStarted = dialog_->InstallerStarted();
    dialog_->deleteLater(); // its downloader goes with it, and a transfer still running stops
    dialog_ = nullptr;
    if (productEnded && !installerStarted)
        product_.StartAgain();
}
