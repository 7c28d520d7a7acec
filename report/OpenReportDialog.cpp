#include "OpenReportDialog.h"

#include "UIDialogDumpSend.h"
#include "UIPanelDumpSend.h"

#include "library_Orv/Files/Path.h"
#include "ui/WindowInfos.h"

#include <QPixmap>
#include <QTemporaryFile>

#include <cstdio>

UIDialogDumpSend* OpenReportDialog(QWidget* window, const QString& reportJson, const QString& productVersion,
                                   const QMap<QString, ReportRowText>& rowTexts) {
    auto* dialog = new UIDialogDumpSend();
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    auto* panel = new UIPanelDumpSend(dialog);
    // The window's picture in a file of this dialog's own, removed with it: two dialogs never share one, and a
    // picture that could not be saved leaves no screenshot rather than an older one. It belongs to the panel, whose
    // upload goes (closing the file) before the panel's children do: Windows removes no file that is still open.
    auto* screenshot = new QTemporaryFile(
        QString::fromStdWString(Orv::NormalizePath(L"%TEMP%\\SkorvaneDiagnostics-screenshot-XXXXXX.webp", false, true)),
        panel);
    const bool saved = screenshot->open() && window->grab().save(screenshot, "WEBP", 100) && screenshot->flush();
    screenshot->close();
    if (!saved)
        std::fprintf(stderr, "The window's screenshot could not be saved to %s: the report goes without one\n",
                     screenshot->fileName().toLocal8Bit().constData());

    panel->reportText = reportJson;
    panel->rowTexts = rowTexts;
    panel->screenshotPath = saved ? screenshot->fileName() : QString();
    panel->productName = QStringLiteral("Skorvane");
    panel->productVersion = productVersion;
    panel->ShowAsDiagnosticsReport();
    QObject::connect(panel, &UIPanelDumpSend::sCloseDumpDialog, dialog, &QWidget::close);
    dialog->setContentWidget(panel);
    dialog->setWindowTitle(QStringLiteral("SkorvaneDiagnostics (Orv)"));
    dialog->show();
    dialog->setTopMost(true);
    if (!dialog->isFullScreen() && !dialog->isMaximized() && !dialog->isHidden() && !dialog->isMinimized())
        Orv::Win::WindowInfos(dialog).KeepOnScreen();
    return dialog;
}
