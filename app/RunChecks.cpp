#include "MainWindow.h"

#include "ui_MainWindow.h"

// One pass over every check, in a fixed order; a pass never stops early. Each step fills its own rows of the
// window and its members of the report document. Steps whose checks are not built yet leave their rows untouched.
void MainWindow::RunChecks(bool fix) {
    CheckArchitecture();
    CheckWindowsVersion();
    ComputeSharedValues();
    CheckInstallIntegrity();
    ReadSoftwareVersion();
    CheckSignatures();
    CheckPluginRegistration();
    ReadPluginVersion();
    CheckStartupShortcuts(fix);
    CheckStartupApproval();
    CheckRunningState();
    RunCommandLineCopyTest();
    RunLaunchStep();
    RecordLogArea();
    RunPluginSimulationTest();
}

void MainWindow::CheckArchitecture() {}

void MainWindow::CheckWindowsVersion() {}

void MainWindow::ComputeSharedValues() {}

void MainWindow::CheckInstallIntegrity() {}

void MainWindow::ReadSoftwareVersion() {}

void MainWindow::CheckSignatures() {}

void MainWindow::CheckPluginRegistration() {}

void MainWindow::ReadPluginVersion() {}

void MainWindow::CheckStartupShortcuts(bool) {}

void MainWindow::CheckStartupApproval() {}

void MainWindow::CheckRunningState() {}

void MainWindow::RunCommandLineCopyTest() {}

void MainWindow::RunLaunchStep() {}

void MainWindow::RecordLogArea() {
    SetResultValue(form_->plainTextEdit->objectName(), form_->plainTextEdit->toPlainText());
}

void MainWindow::RunPluginSimulationTest() {}

QString MainWindow::ProductExecutablePath() const {
    return QString();
}

QString MainWindow::ProductInstallDirectory() const {
    return QString();
}
