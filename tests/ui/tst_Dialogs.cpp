// The question dialog's buttons and result, and the balloon tooltip's closing rules.
#include "ui/UIBalloonTooltip.h"
#include "ui/UIDialogQuestion.h"
#include "FormChild.h"

#include <QtWidgets>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {
QString Skin(const char* file) {
    QFile sheet(QStringLiteral(SKV_SOURCE_DIR "/data/skins/light/") + QLatin1String(file));
    return sheet.open(QIODevice::ReadOnly) ? QString::fromUtf8(sheet.readAll()) : QString();
}
} // namespace

class TestDialogs : public QObject {
    Q_OBJECT

private slots:
    void buttonsInTheirOrderAndTheClickedOneIsTheResult() {
        QPointer<UIDialogQuestion> dialog = new UIDialogQuestion();
        dialog->setStyleSheet(Skin("stylesheet.qss"));
        dialog->setWindowTitle(QStringLiteral("Skorvane"));
        Child<QLabel>(dialog, "labelText")->setText(QStringLiteral("Do you want to download and install Skorvane?"));
        dialog->setQuestionIcon();
        dialog->setButtons(0x14000);
        QVERIFY(Child<QTextEdit>(dialog, "textEditLogs")->isHidden());
        QVERIFY(Child<QWidget>(dialog, "widgetRadioChoices")->isHidden());
        QVERIFY(Child<QWidget>(dialog, "widgetCheckChoices")->isHidden());
        const QList<QPushButton*> buttons = dialog->findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 2);
        QCOMPARE(buttons[0]->text(), QStringLiteral("Yes"));
        QCOMPARE(buttons[0]->property("buttonType").toInt(), 0x4000);
        QCOMPARE(buttons[1]->text(), QStringLiteral("No"));
        QCOMPARE(Child<QHBoxLayout>(dialog, "horizontalLayoutButtons")->indexOf(buttons[1]), 1);
        QVERIFY(!Child<QLabel>(dialog, "labelIcon")->pixmap(Qt::ReturnByValue).isNull());
        QSignalSpy finished(dialog.data(), &QDialog::finished);
        dialog->open(); // as exec shows it, without blocking the test
        QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));
        dialog->grab().save(QStringLiteral("question-dialog.png"));
        QTest::mouseClick(buttons[1], Qt::LeftButton);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), 0x10000);
        QCOMPARE(dialog->result(), 0x10000);
        QTRY_VERIFY(dialog.isNull()); // the dialog goes once its button ended it
    }

    // From the keyboard: Tab goes from button to button in their order, Enter presses the one in focus (the first
    // when the dialog opens), Esc answers with no button at all (0: neither Yes nor any other).
    void keyboardAnswers() {
        for (const int key : {Qt::Key_Return, Qt::Key_Escape}) {
            UIDialogQuestion dialog;
            dialog.setButtons(0x14000);
            const QList<QPushButton*> buttons = dialog.findChildren<QPushButton*>();
            QSignalSpy finished(&dialog, &QDialog::finished);
            dialog.open();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QApplication::setActiveWindow(&dialog);
            QTRY_VERIFY(buttons[0]->hasFocus());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(buttons[1]->hasFocus());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(buttons[0]->hasFocus());
            QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
            QCOMPARE(finished.count(), 1);
            QCOMPARE(finished.at(0).at(0).toInt(), key == Qt::Key_Return ? 0x4000 : 0);
        }
    }

    void everyButtonBitHasItsText() {
        UIDialogQuestion all;
        all.setButtons(0x0FFFFC00);
        const QList<QPushButton*> buttons = all.findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 18);
        QCOMPARE(buttons.first()->text(), QStringLiteral("Ok"));
        QCOMPARE(buttons.last()->text(), QStringLiteral("Restore to defaults"));
        UIDialogQuestion none;
        none.setButtons(0);
        QVERIFY(none.findChildren<QPushButton*>().isEmpty());
    }

    void balloonClosesOnAPressOutsideItsShapeOnly() {
        QPointer<UIBalloonTooltip> balloon = UIBalloonTooltip::showBalloon(
            nullptr, QStringLiteral("Skorvane"), QStringLiteral("Drag and drop is switched on."), QPoint(100, 100),
            QIcon(), 0);
        QVERIFY(QTest::qWaitForWindowExposed(balloon.data()));
        QVERIFY(balloon->windowFlags() & Qt::ToolTip);
        balloon->setStyleSheet(Skin("stylesheet-tooltip.qss"));
        balloon->grab().save(QStringLiteral("balloon.png"));
        const QRect box = balloon->rect();
        // Inside the rounded box; then the top-right corner, above the box and beside the pointer: outside.
        QTest::mousePress(balloon.data(), Qt::LeftButton, {}, box.center());
        QVERIFY(balloon && balloon->isVisible());
        QVERIFY(!balloon->outline().contains(QPointF(box.right() - 1, 2)));
        QTest::mousePress(balloon.data(), Qt::LeftButton, {}, QPoint(box.right() - 1, 2));
        QTRY_VERIFY(balloon.isNull());
    }

    void balloonTimesOut() {
        QPointer<UIBalloonTooltip> balloon = UIBalloonTooltip::showBalloon(
            nullptr, QStringLiteral("t"), QStringLiteral("m"), QPoint(300, 300), QIcon(), 50);
        QVERIFY(balloon);
        QTRY_VERIFY_WITH_TIMEOUT(balloon.isNull(), 3000);
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_Dialogs.moc"
