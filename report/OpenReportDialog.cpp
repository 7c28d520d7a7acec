#include "OpenReportDialog.h"

#include "UIDialogDumpSend.h"
#include "UIPanelDumpSend.h"
#include "ui_UIPanelDumpSend.h"

#include "library_Orv/Files/Path.h"
#include "ui/WindowInfos.h"

#include <QPixmap>

UIDialogDumpSend* OpenReportDialog(QWidget* window, const QString& reportJson, const QString& productVersion) {
    const QString screenshot = QString::fromStdWString(Orv::NormalizePath(L"%TEMP%\\screenshot.webp", false, true));
    window->grab().save(screenshot, "WEBP", 100);

    auto* dialog = new UIDialogDumpSend();
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    auto* panel = new UIPanelDumpSend(dialog);
    panel->reportText = reportJson;
    panel->screenshotPath = screenshot;
    panel->productName = QStringLiteral("Skorvane");
    panel->productVersion = productVersion;
    panel->diagnosticsMode = true;
    Ui::UIPanelDumpSend* form = panel->Form();
    form->groupBoxExplain->setTitle(QStringLiteral("Explain your problem (Optional)"));
    form->PanelDumpLabelTitle->setText(QStringLiteral("Diagnotic report"));
    form->pushButtonSubmitDiagnostics->setVisible(true);
    form->pushButtonSubmitBug->setVisible(false);
    form->pushButtonSkipSubmit->setVisible(false);
    form->checkBoxParameters->setVisible(false);
    panel->RefreshFormLayout();
    QObject::connect(panel, &UIPanelDumpSend::sCloseDumpDialog, dialog, &QWidget::close);
    dialog->setContentWidget(panel);
    dialog->setWindowTitle(QStringLiteral("SkorvaneDiagnostics (Orv)"));
    dialog->show();
    dialog->setTopMost(true);
    if (!dialog->isFullScreen() && !dialog->isMaximized() && !dialog->isHidden() && !dialog->isMinimized())
        Orv::Win::WindowInfos(dialog).KeepOnScreen();
    return dialog;
}
