// The WebP image-format plug-in of the Windows build, through QImage as the report's screenshot uses it.
#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QtTest>

namespace {
// Gradients, hard edges and a translucent band: what a window's screenshot holds, and alpha besides.
QImage Sample(bool alpha) {
    QImage image(321, 203, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgba(x % 256, y % 256, (x * y) % 256, alpha ? (x + y) % 256 : 255));
    QPainter painter(&image);
    painter.fillRect(40, 30, 120, 60, Qt::black);
    painter.setPen(Qt::white);
    painter.drawText(50, 70, QStringLiteral("Skorvane"));
    return image;
}

// Where two images of one size differ first, or nothing.
QString FirstDifference(const QImage& actual, const QImage& expected) {
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return QStringLiteral("(%1, %2): %3 instead of %4")
                    .arg(x)
                    .arg(y)
                    .arg(actual.pixel(x, y), 8, 16, QChar('0'))
                    .arg(expected.pixel(x, y), 8, 16, QChar('0'));
    return QString();
}

QByteArray Encoded(const QImage& image, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "webp");
    writer.setQuality(quality);
    return writer.write(image) ? bytes : QByteArray();
}
} // namespace

class TestWebpPlugin : public QObject {
    Q_OBJECT

private slots:
    void theFormatIsKnown() {
        QVERIFY(QImageWriter::supportedImageFormats().contains("webp"));
        QVERIFY(QImageReader::supportedImageFormats().contains("webp"));
    }

    void qualityHundredIsLossless_data() {
        QTest::addColumn<bool>("alpha");
        QTest::newRow("opaque") << false;
        QTest::newRow("translucent") << true;
    }
    void qualityHundredIsLossless() {
        QFETCH(bool, alpha);
        const QImage image = Sample(alpha);
        const QByteArray bytes = Encoded(image, 100);
        QVERIFY(bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WEBP");
        QImage decoded;
        QVERIFY(decoded.loadFromData(bytes)); // the format is found from the content
        QCOMPARE(decoded.size(), image.size());
        QCOMPARE(decoded.hasAlphaChannel(), alpha);
        const QString difference = FirstDifference(decoded.convertToFormat(QImage::Format_ARGB32),
                                                   image.convertToFormat(QImage::Format_ARGB32));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void lowerQualityIsLossyButClose() {
        const QImage image = Sample(false);
        const QByteArray lossy = Encoded(image, 50);
        QVERIFY(!lossy.isEmpty());
        QVERIFY(lossy.size() < Encoded(image, 100).size());
        QImage decoded;
        QVERIFY(decoded.loadFromData(lossy, "webp"));
        QCOMPARE(decoded.size(), image.size());
        double error = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                error += qAbs(qGreen(decoded.pixel(x, y)) - qGreen(image.pixel(x, y)));
        QVERIFY2(error / (image.width() * image.height()) < 12, qPrintable(QString::number(error)));
    }

    void brokenDataIsRefused() {
        QByteArray bytes = Encoded(Sample(false), 100);
        QImage decoded;
        QVERIFY(!decoded.loadFromData(bytes.left(bytes.size() / 2), "webp"));
        QVERIFY(!decoded.loadFromData(QByteArray("RIFF\x10\0\0\0WEBPVP8 garbage", 24), "webp"));
        QVERIFY(!decoded.loadFromData(QByteArray("not an image at all"), "webp"));
        QVERIFY(!Encoded(QImage(), 100).size());
    }

    // The report saves its screenshot this way; the file is decoded by another program afterwards.
    void savesAFileForAnotherDecoder() { QVERIFY(Sample(false).save(QStringLiteral("webp-sample.webp"), "WEBP", 100)); }
};

QTEST_MAIN(TestWebpPlugin) // drawing text needs the GUI application
#include "tst_WebpPlugin.moc"
