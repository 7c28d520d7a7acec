#pragma once

#include "download/UIDialogDownloadAndInstallUpdate.h"

#include <QCoreApplication>
#include <QPointer>
#include <QString>

class ProductProcess;
class QWidget;

// "Download and install Skorvane": asks first, ends the running product, downloads the installer in a dialog that
// is modal from its first showing, and installs it; when nothing was installed (cancelled, failed, or the installer
// did not start) the product it ended comes back.
class DownloadAction {
    Q_DECLARE_TR_FUNCTIONS(DownloadAction)

public:
    DownloadAction(QWidget* window, ProductProcess& product) : window_(window), product_(product) {}

    // Where the installer is fetched: the site, the download path and its query.
    static QString Address();
    // Where it is saved: the user's own temporary folder.
    static QString Destination();

    // Runs the whole action and returns when it is over (at once when one runs already).
    void Run();
    // The dialog of the action under way; null between actions.
    Orv::UIDialogDownloadAndInstallUpdate* Dialog() const { return dialog_; }

private:
    QWidget* window_;
    ProductProcess& product_;
    QPointer<Orv::UIDialogDownloadAndInstallUpdate> dialog_;
};
