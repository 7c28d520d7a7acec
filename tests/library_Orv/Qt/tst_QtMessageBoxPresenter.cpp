#include "NativeMessageBox.h"
#include "library_Orv/Error.h"
#include "library_Orv/Qt/QtMessageBoxPresenter.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>
#include <QTimer>
#include <QtTest>

// A report made while the application runs appears as a message box with the level's caption and the message: Qt's
// where the system has none, the system's own on Windows.
class TestQtMessageBoxPresenter : public QObject {
    Q_OBJECT

private slots:
    void reportShowsABoxCaptionedWithTheLevel() {
        Orv::InstallQtMessageBoxPresenter();
        if (Orv::PlatformHasMessageBox()) { // the system's own box
            NativeMessageBoxAnswerer answerer("Warning");
            Orv::Error::Report("Can't open the file", false, Orv::kErrorLevelWarning, "t.cpp", 1);
            QVERIFY(answerer.Answered());
            QCOMPARE(QString::fromStdString(answerer.Message()), QStringLiteral("Can't open the file"));
            return;
        }
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QTimer::singleShot(100, [&]() {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            box->accept();
        });
        Orv::Error::Report("Can't open the file", false, Orv::kErrorLevelWarning, "t.cpp", 1);
        QCOMPARE(title, QStringLiteral("Warning"));
        QCOMPARE(text, QStringLiteral("Can't open the file"));
        QCOMPARE(icon, QMessageBox::Warning);
    }

    // A report made on another thread (a pass in the background) is shown by the GUI thread, and the reporting
    // thread goes on once the box is closed.
    void reportFromAnotherThreadIsShownByTheGuiThread() {
        Orv::InstallQtMessageBoxPresenter();
        bool reportReturned = false;
        QThread* reporter = QThread::create([&reportReturned]() {
            Orv::Error::Report("From the pass", false, Orv::kErrorLevelError, "t.cpp", 3);
            reportReturned = true;
        });
        QThread* boxThread = nullptr;
        std::unique_ptr<NativeMessageBoxAnswerer> answerer;
        if (Orv::PlatformHasMessageBox()) {
            answerer = std::make_unique<NativeMessageBoxAnswerer>("Error", 5000);
        } else {
            QTimer::singleShot(100, [&]() {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    boxThread = box->thread();
                    box->accept();
                }
            });
        }
        reporter->start();
        QTRY_VERIFY_WITH_TIMEOUT(reporter->isFinished(), 10000);
        reporter->wait();
        delete reporter;
        QVERIFY(reportReturned);
        if (answerer) {
            QVERIFY(answerer->Answered());
            QCOMPARE(QString::fromStdString(answerer->Message()), QStringLiteral("From the pass"));
        } else {
            QCOMPARE(boxThread, QApplication::instance()->thread());
        }
    }

    void quietReportShowsNothing() {
        bool sawBox = false;
        QTimer::singleShot(0, [&]() { sawBox = QApplication::activeModalWidget() != nullptr; });
        NativeMessageBoxAnswerer answerer("Error", 500);
        Orv::Error::Report("quiet", true, Orv::kErrorLevelError, "t.cpp", 2);
        QTest::qWait(50);
        QVERIFY(!sawBox);
        QVERIFY(!answerer.Answered());
    }
};

QTEST_MAIN(TestQtMessageBoxPresenter)
#include "tst_QtMessageBoxPresenter.moc"
