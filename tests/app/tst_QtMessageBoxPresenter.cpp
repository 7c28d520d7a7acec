#include "library_Orv/Error.h"
#include "library_Orv/Qt/QtMessageBoxPresenter.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

// A report made while the application runs appears as a message box with the level's caption and the message.
class TestQtMessageBoxPresenter : public QObject {
    Q_OBJECT

private slots:
    void reportShowsABoxCaptionedWithTheLevel() {
        Orv::InstallQtMessageBoxPresenter();
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
        Orv::Error::Report("quiet", true, Orv::kErrorLevelError, "t.cpp", 2);
        QTest::qWait(50);
        QVERIFY(!sawBox);
    }
};

QTEST_MAIN(TestQtMessageBoxPresenter)
#include "tst_QtMessageBoxPresenter.moc"
