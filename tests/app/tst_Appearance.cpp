#include "app/Language.h"
#include "app/MainWindow.h"

#include "library_Orv/Error.h"
#include "library_Orv/Qt/SkinManager.h"
#include "report/ReportForm.h"
#include "report/ReportHtml.h"

#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QtTest>

namespace {
void IgnoreBox(const std::string&, const std::string&, unsigned) {}

QString ShippedSkinSheet() {
    QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/skin-stylesheet.qss"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

const QRegularExpression& Colour() {
    static const QRegularExpression colour(QStringLiteral("#[0-9A-Fa-f]{3,8}\\b|\\brgba?\\s*\\(|gradient\\s*\\("));
    return colour;
}

// WCAG's contrast ratio between the picture's background (its most frequent colour) and the pixel that differs most
// from it: the text's.
double TextContrast(const QImage& picture) {
    QHash<QRgb, int> counts;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ++counts[picture.pixel(x, y)];
    QRgb background = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(background))
            background = it.key();
    const auto luminance = [](QRgb rgb) {
        const auto channel = [](int value) {
            const double c = value / 255.0;
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
    };
    const double back = luminance(background);
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const double text = luminance(it.key());
        best = std::max(best, (std::max(text, back) + 0.05) / (std::min(text, back) + 0.05));
    }
    return best;
}
} // namespace

// The program in its user's language, and for a user of a high-contrast theme.
class TestAppearance : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Orv::Error::SetMessageBoxPresenter(IgnoreBox); }

    void languageIsTheSettingsThenTheSystemsThenEnglish() {
        QCOMPARE(ChooseLanguage(QStringLiteral("de"), QStringLiteral("fr-FR")), QStringLiteral("de"));
        QCOMPARE(ChooseLanguage(QStringLiteral(" FR "), QString()), QStringLiteral("fr"));
        QCOMPARE(ChooseLanguage(QStringLiteral("system"), QStringLiteral("fr-CA")), QStringLiteral("fr"));
        QCOMPARE(ChooseLanguage(QString(), QStringLiteral("de_AT")), QStringLiteral("de"));
        QCOMPARE(ChooseLanguage(QStringLiteral("it"), QStringLiteral("de-CH")), QStringLiteral("de"));
        QCOMPARE(ChooseLanguage(QStringLiteral("system"), QStringLiteral("es-ES")), QStringLiteral("en"));
        QCOMPARE(ChooseLanguage(QStringLiteral("system"), QString()), QStringLiteral("en"));
        // Installed, the translations speak; English again removes them.
        QVERIFY(InstallTranslations(QStringLiteral("fr")));
        QCOMPARE(QCoreApplication::translate("MainWindow", "Quit"), QStringLiteral("Quitter"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
        QVERIFY(InstallTranslations(QStringLiteral("de")));
        QCOMPARE(QCoreApplication::translate("MainWindow", "Quit"), QStringLiteral("Beenden"));
        QVERIFY(InstallTranslations(QStringLiteral("en")));
        QCOMPARE(QCoreApplication::translate("MainWindow", "Quit"), QStringLiteral("Quit"));
    }

    // What goes to the maker is the same in every language, to the byte; the saved page speaks the user's language
    // around the exact report.
    void reportIsTheSameInEveryLanguage() {
        ReportFields fields;
        fields.diagnosticsMode = true;
        fields.email = QStringLiteral("jane@example.org");
        fields.explanation = QStringLiteral("The copy stops.");
        fields.reportText =
            QStringLiteral(R"({"labelWindows64BitsIcon":"true","labelInstallIntegrityExeIcon":"false"})");
        fields.rowTexts[QStringLiteral("labelInstallIntegrityExeIcon")] = {
            QStringLiteral("Integrity"), QStringLiteral("The digest differs."), QStringLiteral("Install again.")};
        const auto sent = [&fields]() {
            const ReportRequest request = BuildReportForm(fields);
            QByteArray boundary = request.contentType.mid(request.contentType.indexOf("boundary=") + 9);
            boundary.replace('"', "");
            return QByteArray(request.body).replace(boundary, "BOUNDARY");
        };
        QVERIFY(InstallTranslations(QStringLiteral("en")));
        const QByteArray english = sent();
        for (const char* language : {"fr", "de"}) {
            QVERIFY(InstallTranslations(QLatin1String(language)));
            QCOMPARE(sent(), english);
        }
        QVERIFY(InstallTranslations(QStringLiteral("fr")));
        const QString page = ReportHtml(fields, QByteArray());
        for (const char* said : {"<html lang=\"fr\">", "<h2>Résultats</h2>", "réussi", "échoué", "Que faire :"})
            QVERIFY2(page.contains(QString::fromUtf8(said)), said);
        QVERIFY(page.contains(
            QStringLiteral("<script type=\"application/json\" id=\"report-json\">%1</script>").arg(fields.reportText)));
        QVERIFY(InstallTranslations(QStringLiteral("en")));
    }

    // The shipped skin without its colours: none left, every block and every layout property kept.
    void skinWithoutColoursKeepsItsLayout() {
        const QString sheet = ShippedSkinSheet();
        QVERIFY(sheet.contains(Colour()));
        const QString plain = Orv::StylesheetWithoutColours(sheet);
        QVERIFY2(!plain.contains(Colour()), qPrintable(plain));
        QCOMPARE(plain.count(QLatin1Char('{')), sheet.count(QLatin1Char('{')));
        for (const char* property : {"border-radius", "font-size", "padding", "font-weight", "min-height"})
            QCOMPARE(plain.count(QLatin1String(property)), sheet.count(QLatin1String(property)));
        QVERIFY(!plain.contains(QLatin1String("background-color")));
        QCOMPARE(Orv::StylesheetWithoutColours(QStringLiteral("QLabel { border: 1px solid #aabbcc; margin: 2px }")),
                 QStringLiteral("QLabel { border: 1px solid palette(window-text); margin: 2px }"));
    }

    // A high-contrast theme (white on black): with the skin's colours yielding, no widget keeps one, and the rows'
    // captions are as readable as the theme makes them.
    void highContrastWindowIsReadable() {
        QApplication::setStyle(QStringLiteral("Fusion"));
        QPalette contrast;
        for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
            contrast.setColor(role, Qt::black);
        for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            contrast.setColor(role, Qt::white);
        QApplication::setPalette(contrast);
        Orv::SetSkinColoursYieldToSystem(true);
        MainWindow window;
        // The skin as the program reads it from its folder, without its colours.
        window.setStyleSheet(Orv::StylesheetWithoutColours(ShippedSkinSheet()));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (QWidget* widget : window.findChildren<QWidget*>())
            QVERIFY2(!widget->styleSheet().contains(Colour()), qPrintable(widget->objectName()));
        QVERIFY(!window.styleSheet().contains(Colour()));
        for (const char* caption : {"label_4", "label_12", "label_19"}) {
            auto* label = window.findChild<QLabel*>(QLatin1String(caption));
            QVERIFY(label);
            const double ratio = TextContrast(label->grab().toImage());
            QVERIFY2(ratio >= 7, qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(caption)).arg(ratio)));
        }
        window.grab().save(QStringLiteral("window-high-contrast.png"));
        Orv::SetSkinColoursYieldToSystem(false);
    }
};

QTEST_MAIN(TestAppearance)
#include "tst_Appearance.moc"
