#pragma once

#include "InstallerGate.h"

#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class UIDialogDownloadAndInstallUpdate;
}

namespace Orv {

class QtFileDownloaderInfo;

// The progress of a download and, once it has ended, "Install": runs the installer this job saved, silently
// ("/S"), when it is signed by the maker.
class UIDialogDownloadAndInstallUpdate : public QDialog {
    Q_OBJECT

public:
    explicit UIDialogDownloadAndInstallUpdate(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~UIDialogDownloadAndInstallUpdate() override;

    Ui::UIDialogDownloadAndInstallUpdate* Form() const { return form_.get(); }
    // The job shown (not owned).
    QtFileDownloaderInfo* job = nullptr;
    // Starts the installer; the default launches it detached. Returns whether it started.
    using Launcher = std::function<bool(const QString& program, const QStringList& arguments)>;
    void SetLauncher(Launcher launcher) { launch_ = std::move(launcher); }
    // Shows a box (title, text); the default is a modal message box over the dialog.
    using Box = std::function<void(QWidget* parent, const QString& title, const QString& text)>;
    void SetBox(Box box) { box_ = std::move(box); }

private slots:
    void on_progressbar(float percentage, double curtime);
    void on_pushButtonCancel_clicked();
    void on_pushButtonInstall_clicked();

private:
    std::unique_ptr<Ui::UIDialogDownloadAndInstallUpdate> form_;
    Launcher launch_;
    Box box_;
};

} // namespace Orv
