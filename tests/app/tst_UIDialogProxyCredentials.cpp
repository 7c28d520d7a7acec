// The proxy's question: answered from the keyboard it gives what was typed; Esc declines. Its picture is saved
// beside the test (proxy-credentials.png).
#include "app/UIDialogProxyCredentials.h"

#include "FormChild.h"

#include <QtTest>
#include <QtWidgets>

class TestUIDialogProxyCredentials : public QObject {
    Q_OBJECT

private:
    // Types into the dialog once it shows, then presses key.
    void Answer(const QString& user, const QString& password, Qt::Key key) {
        QTimer::singleShot(200, this, [=]() {
            auto* dialog = qobject_cast<UIDialogProxyCredentials*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QVERIFY(dialog->grab().save(QStringLiteral("proxy-credentials.png")));
            QVERIFY(Child<QLabel>(dialog, "labelQuestion")->text().contains(QStringLiteral("127.0.0.1:3128")));
            QTest::keyClicks(Child<QLineEdit>(dialog, "lineEditUser"), user);
            QTest::keyClicks(Child<QLineEdit>(dialog, "lineEditPassword"), password);
            QTest::keyClick(dialog, key);
        });
    }

private slots:
    void typedAnswerOrEscape() {
        QString user;
        QString password;
        Answer(QStringLiteral("jane"), QStringLiteral("s3cret"), Qt::Key_Return);
        QVERIFY(UIDialogProxyCredentials::Ask(QStringLiteral("127.0.0.1:3128"), &user, &password));
        QCOMPARE(user, QStringLiteral("jane"));
        QCOMPARE(password, QStringLiteral("s3cret"));
        Answer(QStringLiteral("x"), QStringLiteral("y"), Qt::Key_Escape);
        QVERIFY(!UIDialogProxyCredentials::Ask(QStringLiteral("127.0.0.1:3128"), &user, &password));
    }
};

QTEST_MAIN(TestUIDialogProxyCredentials)
#include "tst_UIDialogProxyCredentials.moc"
