#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class UIDialogProxyCredentials;
}

// Asks for the user name and password a proxy wants, for this run only. Esc and Cancel decline.
class UIDialogProxyCredentials : public QDialog {
    Q_OBJECT

public:
    explicit UIDialogProxyCredentials(const QString& proxy, QWidget* parent = nullptr);
    ~UIDialogProxyCredentials() override;

    QString User() const;
    QString Password() const;

    // The asker the program's transfers use: this dialog, modal over the active window.
    static bool Ask(const QString& proxy, QString* user, QString* password);

private:
    std::unique_ptr<Ui::UIDialogProxyCredentials> form_;
};
