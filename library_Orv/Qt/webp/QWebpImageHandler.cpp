#include "QWebpImageHandler.h"

#include <QImage>
#include <QVariant>

#include <webp/decode.h>
#include <webp/encode.h>

namespace Orv {

namespace {
constexpr int kHeaderSize = 12; // "RIFF", the chunk size, "WEBP"

// Hands the encoder's output to the device as it comes.
int WriteToDevice(const uint8_t* data, size_t size, const WebPPicture* picture) {
    auto* device = static_cast<QIODevice*>(picture->custom_ptr);
    return device->write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) == static_cast<qint64>(size)
               ? 1
               : 0;
}
} // namespace

bool QWebpImageHandler::CanRead(QIODevice* device) {
    if (!device)
        return false;
    const QByteArray header = device->peek(kHeaderSize);
    return header.size() == kHeaderSize && header.startsWith("RIFF") && header.endsWith("WEBP");
}

bool QWebpImageHandler::canRead() const {
    if (!CanRead(device()))
        return false;
    setFormat("webp");
    return true;
}

bool QWebpImageHandler::read(QImage* image) {
    if (!CanRead(device()))
        return false;
    const QByteArray data = device()->readAll();
    const auto* bytes = reinterpret_cast<const uint8_t*>(data.constData());
    WebPBitstreamFeatures features;
    if (WebPGetFeatures(bytes, static_cast<size_t>(data.size()), &features) != VP8_STATUS_OK)
        return false;
    // ARGB32 is B, G, R, A in memory on the little-endian machines this runs on.
    QImage decoded(features.width, features.height, features.has_alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (decoded.isNull())
        return false;
    if (!WebPDecodeBGRAInto(bytes, static_cast<size_t>(data.size()), decoded.bits(),
                            static_cast<size_t>(decoded.sizeInBytes()), decoded.bytesPerLine()))
        return false;
    *image = decoded;
    return true;
}

bool QWebpImageHandler::write(const QImage& image) {
    if (image.isNull())
        return false;
    const bool alpha = image.hasAlphaChannel();
    const QImage source = image.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);

    WebPConfig config;
    WebPPicture picture;
    if (!WebPConfigInit(&config) || !WebPPictureInit(&picture))
        return false;
    config.lossless = quality_ >= 100 ? 1 : 0;
    config.exact = config.lossless; // keeps the colour of transparent pixels: lossless means every pixel
    config.quality = quality_ < 0 ? 75.0f : static_cast<float>(qMin(quality_, 100));
    config.method = config.lossless ? 2 : 4; // a screenshot of a window encodes quickly and well at these
    if (!WebPValidateConfig(&config))
        return false;
    picture.use_argb = config.lossless;
    picture.width = source.width();
    picture.height = source.height();
    const auto* pixels = source.constBits();
    const int imported = alpha ? WebPPictureImportBGRA(&picture, pixels, source.bytesPerLine())
                               : WebPPictureImportBGRX(&picture, pixels, source.bytesPerLine());
    if (!imported) {
        WebPPictureFree(&picture);
        return false;
    }
    picture.writer = WriteToDevice;
    picture.custom_ptr = device();
    const bool encoded = WebPEncode(&config, &picture) != 0;
    WebPPictureFree(&picture);
    return encoded;
}

QVariant QWebpImageHandler::option(ImageOption option) const {
    if (option == Quality)
        return quality_;
    if (option == Size && CanRead(device())) {
        const QByteArray data = device()->peek(64);
        int width = 0;
        int height = 0;
        if (WebPGetInfo(reinterpret_cast<const uint8_t*>(data.constData()), static_cast<size_t>(data.size()), &width,
                        &height))
            return QSize(width, height);
    }
    return QVariant();
}

void QWebpImageHandler::setOption(ImageOption option, const QVariant& value) {
    if (option == Quality)
        quality_ = value.toInt();
}

bool QWebpImageHandler::supportsOption(ImageOption option) const {
    return option == Quality || option == Size;
}

QImageIOPlugin::Capabilities QWebpImagePlugin::capabilities(QIODevice* device, const QByteArray& format) const {
    if (format == "webp")
        return CanRead | CanWrite;
    if (!format.isEmpty())
        return {};
    Capabilities capabilities;
    if (device && device->isReadable() && QWebpImageHandler::CanRead(device))
        capabilities |= CanRead;
    if (device && device->isWritable())
        capabilities |= CanWrite;
    return capabilities;
}

QImageIOHandler* QWebpImagePlugin::create(QIODevice* device, const QByteArray& format) const {
    auto* handler = new QWebpImageHandler;
    handler->setDevice(device);
    handler->setFormat(format);
    return handler;
}

} // namespace Orv
