// The window's exchanges with the running product over its pipe, and the launch of the product as a child.
#include "MainWindow.h"

#include "ui_MainWindow.h"

#include "pipe/PipeMessage.h"
#include "pipe/PipeRequest.h"
#include "pipe/PipeTransport.h"

#include <QTextCursor>
#include <QThread>

namespace {
constexpr unsigned long kAfterStatusQueryMs = 1000;
constexpr unsigned long kAfterSetCommandMs = 1000;
constexpr unsigned long kAfterLaunchMs = 2000;
} // namespace

void MainWindow::QueryDragAndDropState() {
    int status = -1;
    const Orv::PipeRequestResult result = Orv::SendRequestWithReply(
        Orv::kProductPipeName, [](const std::wstring& replyPipeName) { return Orv::StatusQueryMessage(replyPipeName); },
        Orv::MakeStatusReplyHandler(status));
    if (result != Orv::PipeRequestResult::NotSent)
        QThread::msleep(kAfterStatusQueryMs);
    // Answers cut short by the time-out count as none.
    if (result == Orv::PipeRequestResult::TimedOut)
        status = -1;
    if (status < 0) {
        form_->pushButtonActivateDragAndDrop->hide();
        SetUnknownResult(form_->labelDragAndDropActivated);
    } else {
        form_->pushButtonActivateDragAndDrop->setVisible(status == 0);
        SetCheckResult(form_->labelDragAndDropActivated, status == 1);
    }
}

void MainWindow::SendSetCommand(const std::wstring& value) {
    Orv::PipeClient client;
    if (!client.Connect(Orv::kProductPipeName))
        return;
    client.Write(Orv::SetCommandMessage(value));
    client.Close();
}

void MainWindow::on_pushButtonActivateDragAndDrop_clicked() {
    SendSetCommand(L"{DAD:1}");
    QThread::msleep(kAfterSetCommandMs);
    QueryDragAndDropState();
}

void MainWindow::LaunchProduct(const QString& program, const QString& workingFolder) {
    productProcess_.close(); // ends a child still running from an earlier start
    productProcess_.setProgram(program);
    productProcess_.setWorkingDirectory(workingFolder);
    productProcess_.setArguments({});
    productProcess_.disconnect();
    connect(&productProcess_, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this,
            [this](int exitCode, QProcess::ExitStatus exitStatus) {
                AppendLogLine(QStringLiteral("Exit"));
                AppendLogLine(QStringLiteral("return: ") + QString::number(exitCode));
                AppendLogLine(exitStatus == QProcess::CrashExit ? QStringLiteral("CrashExit")
                                                                : QStringLiteral("NormalExit"));
            });
    connect(&productProcess_, &QProcess::readyReadStandardOutput, this,
            [this]() { AppendLogText(QString::fromUtf8(productProcess_.readAllStandardOutput())); });
    connect(&productProcess_, &QProcess::readyReadStandardError, this,
            [this]() { AppendLogText(QString::fromUtf8(productProcess_.readAllStandardError())); });
    productProcess_.start(QIODevice::ReadWrite);
    // The child's signals wait for the event loop, which runs again once the pass is over.
    QThread::msleep(kAfterLaunchMs);
}

void MainWindow::AppendLogText(const QString& text) {
    QTextCursor end(form_->plainTextEdit->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
}

void MainWindow::AppendLogLine(const QString& line) {
    const QString log = form_->plainTextEdit->toPlainText();
    AppendLogText(log.isEmpty() || log.endsWith(QLatin1Char('\n')) ? line : QLatin1Char('\n') + line);
}
