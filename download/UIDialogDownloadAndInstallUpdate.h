#pragma once

#include "InstallerGate.h"

#include "library_Orv/Processes.h"
#include "network/NetworkLimits.h"

#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class UIDialogDownloadAndInstallUpdate;
}

namespace Orv {

class QtFileDownloader;
class QtFileDownloaderInfo;

// Downloads the installer and shows how it goes: the progress (moving without a percentage while the size is
// unknown), then "Install", which runs the file this download saved, silently ("/S"), when it is signed by the
// maker; or the reason the download failed, with "Retry". Cancel and Esc close it; the download then stops.
class UIDialogDownloadAndInstallUpdate : public QDialog {
    Q_OBJECT

public:
    explicit UIDialogDownloadAndInstallUpdate(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~UIDialogDownloadAndInstallUpdate() override;

    // Downloads url into destination (any file there is replaced), within the limits of the settings.
    void StartDownload(const QString& url, const QString& destination);
    // The bounds of this dialog's downloads: the ceiling on the file's size, the time without progress.
    void SetLimits(qint64 maxBytes, int stallMs, qint64 minimumBytes = kDefaultMinimumBytes);
    // Whether Install started the installer.
    bool InstallerStarted() const { return installerStarted_; }
    // The downloader of the current attempt; null before the first.
    QtFileDownloader* Downloader() const { return downloader_.get(); }

    // The job shown (not owned).
    QtFileDownloaderInfo* job = nullptr;
    // Starts the installer; the default goes through the shell, so that Windows may elevate it.
    using Launcher = std::function<ShellLaunchResult(const QString& program, const QStringList& arguments)>;
    void SetLauncher(Launcher launcher) { launch_ = std::move(launcher); }
    // Shows a box (title, text); the default is a modal message box over the dialog.
    using Box = std::function<void(QWidget* parent, const QString& title, const QString& text)>;
    void SetBox(Box box) { box_ = std::move(box); }
    // Why a launch failed, in plain words.
    static QString LaunchFailureText(const ShellLaunchResult& result, const QString& program);

public slots:
    void reject() override;

private slots:
    void on_progressbar(float percentage, double curtime);
    void on_pushButtonCancel_clicked();
    void on_pushButtonInstall_clicked();
    void on_pushButtonRetry_clicked();

private:
    Ui::UIDialogDownloadAndInstallUpdate* Form() const { return form_.get(); }
    void DownloadEnded(QtFileDownloaderInfo* infos);
    void ShowRunning();
    void FitText();

    std::unique_ptr<Ui::UIDialogDownloadAndInstallUpdate> form_;
    std::unique_ptr<QtFileDownloader> downloader_;
    QString url_;
    QString destination_;
    qint64 maxBytes_;
    int stallMs_;
    qint64 minimumBytes_;
    bool installerStarted_ = false;
    Launcher launch_;
    Box box_;
};

} // namespace Orv
