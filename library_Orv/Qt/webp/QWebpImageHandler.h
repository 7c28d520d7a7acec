#pragma once

#include <QImageIOHandler>
#include <QImageIOPlugin>

namespace Orv {

// Reads and writes WebP images through libwebp, for builds whose Qt has no WebP plug-in of its own. A quality of
// 100 writes a lossless image; below that, a lossy one of that quality.
class QWebpImageHandler : public QImageIOHandler {
public:
    static bool CanRead(QIODevice* device);

    bool canRead() const override;
    bool read(QImage* image) override;
    bool write(const QImage& image) override;
    QVariant option(ImageOption option) const override;
    void setOption(ImageOption option, const QVariant& value) override;
    bool supportsOption(ImageOption option) const override;

private:
    int quality_ = 75;
};

class QWebpImagePlugin : public QImageIOPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QImageIOHandlerFactoryInterface" FILE "webp.json")

public:
    Capabilities capabilities(QIODevice* device, const QByteArray& format) const override;
    QImageIOHandler* create(QIODevice* device, const QByteArray& format = QByteArray()) const override;
};

} // namespace Orv
