#include "UIDialogProxyCredentials.h"

#include "ui_UIDialogProxyCredentials.h"

#include <QApplication>

UIDialogProxyCredentials::UIDialogProxyCredentials(const QString& proxy, QWidget* parent)
    : QDialog(parent), form_(std::make_unique<Ui::UIDialogProxyCredentials>()) {
    form_->setupUi(this);
    form_->labelQuestion->setText(
        tr("The proxy %1 asks for a user name and password before it lets this program reach the maker's site.")
            .arg(proxy));
    setWindowTitle(QStringLiteral("SkorvaneDiagnostics"));
}

UIDialogProxyCredentials::~UIDialogProxyCredentials() = default;

QString UIDialogProxyCredentials::User() const {
    return form_->lineEditUser->text();
}

QString UIDialogProxyCredentials::Password() const {
    return form_->lineEditPassword->text();
}

bool UIDialogProxyCredentials::Ask(const QString& proxy, QString* user, QString* password) {
    UIDialogProxyCredentials dialog(proxy, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *user = dialog.User();
    *password = dialog.Password();
    return true;
}
