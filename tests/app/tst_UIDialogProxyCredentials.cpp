// The proxy's question: answered from the keyboard it gives what was typed; Esc declines; in French and German its
// texts fit too. Its pictures are saved beside the test (proxy-credentials-<language>.png).
#include "app/Language.h"
#include "app/UIDialogProxyCredentials.h"

#include "FormChild.h"

#include <QtTest>
#include <QtWidgets>

class TestUIDialogProxyCredentials : public QObject {
    Q_OBJECT

private:
    // Types into the dialog once it shows, then presses key.
    void Answer(const QString& user, const QString& password, Qt::Key key, const QString& language) {
        QTimer::singleShot(200, this, [=]() {
            auto* dialog = qobject_cast<UIDialogProxyCredentials*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QVERIFY(dialog->grab().save(QStringLiteral("proxy-credentials-%1.png").arg(language)));
            // Every text is whole inside the dialog, however long the language makes it.
            for (QWidget* child : dialog->findChildren<QWidget*>()) {
                if (!child->isVisible())
                    continue;
                QVERIFY2(dialog->rect().contains(QRect(child->mapTo(dialog, QPoint(0, 0)), child->size())),
                         qPrintable(child->objectName()));
                if (auto* label = qobject_cast<QLabel*>(child); label && !label->wordWrap())
                    QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->objectName()));
            }
            QVERIFY(Child<QLabel>(dialog, "labelQuestion")->text().contains(QStringLiteral("127.0.0.1:3128")));
            QTest::keyClicks(Child<QLineEdit>(dialog, "lineEditUser"), user);
            QTest::keyClicks(Child<QLineEdit>(dialog, "lineEditPassword"), password);
            QTest::keyClick(dialog, key);
        });
    }

private slots:
    void typedAnswerOrEscape_data() {
        QTest::addColumn<QString>("language");
        for (const QString& language : SpokenLanguages())
            QTest::newRow(qPrintable(language)) << language;
    }

    void typedAnswerOrEscape() {
        QFETCH(QString, language);
        QVERIFY(InstallTranslations(language));
        QString user;
        QString password;
        Answer(QStringLiteral("jane"), QStringLiteral("s3cret"), Qt::Key_Return, language);
        QVERIFY(UIDialogProxyCredentials::Ask(QStringLiteral("127.0.0.1:3128"), &user, &password));
        QCOMPARE(user, QStringLiteral("jane"));
        QCOMPARE(password, QStringLiteral("s3cret"));
        Answer(QStringLiteral("x"), QStringLiteral("y"), Qt::Key_Escape, language);
        QVERIFY(!UIDialogProxyCredentials::Ask(QStringLiteral("127.0.0.1:3128"), &user, &password));
        QVERIFY(InstallTranslations(QStringLiteral("en")));
    }
};

QTEST_MAIN(TestUIDialogProxyCredentials)
#include "tst_UIDialogProxyCredentials.moc"
