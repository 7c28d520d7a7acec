#include "NativeMessageBox.h"
#include "library_Orv/Error.h"
#include "library_Orv/Qt/QtMessageBoxPresenter.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

// A report made while the application runs appears as a message box with the level's caption and the message: Qt's
// where the system has none, the system's own on Windows.
class TestQtMessageBoxPresenter : public QObject {
    Q_OBJECT

private slots:
    void reportShowsABoxCaptionedWithTheLevel() {
        Orv::InstallQtMessageBoxPresenter();
        if (!Orv::Error::CurrentMessageBoxPresenter()) { // the system's own box
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
