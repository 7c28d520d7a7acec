// The splash of the first pass: it follows the pass step by step, and shows each step at once.
#include "app/MainWindow.h"
#include "app/QCheckSplash.h"

#include <QImage>
#include <QtTest>

#include <vector>

class TestCheckSplash : public QObject {
    Q_OBJECT

private slots:
    void aStepIsPaintedAtOnce() {
        QCheckSplash splash;
        splash.show();
        splash.ShowStep(0, 15, "Starting");
        const QImage before = splash.grab().toImage();
        splash.ShowStep(6, 15, "Signatures");
        QCOMPARE(splash.StepText(), QStringLiteral("Signatures - 6 of 15"));
        QVERIFY(splash.grab().toImage() != before);
        const QString picture = qEnvironmentVariable("SKV_SPLASH_PICTURE");
        if (!picture.isEmpty())
            splash.grab().save(picture, "PNG");
    }

    void theFirstPassReportsEveryStepInOrder() {
        std::vector<int> steps;
        std::vector<QString> names;
        MainWindow window(MainWindow::FirstPass::Run, [&](int step, int total, const char* name) {
            QCOMPARE(total, MainWindow::kCheckSteps);
            steps.push_back(step);
            names.push_back(QString::fromUtf8(name));
        });
        QCOMPARE(static_cast<int>(steps.size()), MainWindow::kCheckSteps);
        for (int i = 0; i < MainWindow::kCheckSteps; ++i)
            QCOMPARE(steps[static_cast<size_t>(i)], i + 1);
        QCOMPARE(names.front(), QStringLiteral("Architecture"));
        QCOMPARE(names.back(), QStringLiteral("Plugin simulation"));
    }
};

QTEST_MAIN(TestCheckSplash)
#include "tst_CheckSplash.moc"
