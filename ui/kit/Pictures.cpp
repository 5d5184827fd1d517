#include "ui/kit/Pictures.h"

#include "ui/kit/CoreText.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>

#include <cstring>

namespace {

bool StartsAsJpeg(const std::string& bytes) {
    return bytes.size() >= 2 && bytes.compare(0, 2, "\xFF\xD8") == 0;
}

} // namespace

QImage ToQImage(const TRgbImage& image) {
    if (image.IsEmpty())
        return {};
    const QImage view(image.Pixels.data(), image.Width, image.Height, image.Width * 3, QImage::Format_RGB888);
    return view.copy();
}

TRgbImage ToRgbImage(const QImage& image) {
    if (image.isNull())
        return {};
    QImage flat(image.size(), QImage::Format_RGB888);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, image);
    }
    TRgbImage rgb{flat.width(), flat.height(), {}};
    const size_t rowBytes = size_t(flat.width()) * 3;
    rgb.Pixels.resize(rowBytes * size_t(flat.height()));
    for (int y = 0; y < flat.height(); ++y)
        std::memcpy(rgb.Pixels.data() + rowBytes * size_t(y), flat.constScanLine(y), rowBytes);
    return rgb;
}

bool ReadChosenPicture(const QString& path, TChosenPicture& picture, QString& message) {
    const std::string file = QFile::encodeName(path).toStdString();
    std::string bytes;
    std::string reason;
    if (ReadWholeFile(file, bytes, reason) != TReadResult::Ok) {
        message = FromCore(CannotOpenFileMessage(file, reason));
        return false;
    }
    if (StartsAsJpeg(bytes)) {
        TRgbImage decoded;
        std::string jpegMessage;
        if (!DecodeJpeg(bytes, decoded, jpegMessage)) {
            message = FromCore(jpegMessage);
            return false;
        }
        picture = {ToQImage(decoded), std::move(bytes)};
        return true;
    }
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        message = "Cannot read picture \"" + path + "\". " + reader.errorString();
        return false;
    }
    // Shown as it will be stored, so that the next load shows the same.
    picture = {ToQImage(ToRgbImage(image)), {}};
    return true;
}

bool StorePicture(const std::string& path, const TChosenPicture& picture, std::string& message) {
    if (!picture.JpegBytes.empty())
        return WriteJpegBytes(path, picture.JpegBytes, message);
    return WriteJpegFile(path, ToRgbImage(picture.Image), message);
}

QImage JpegResource(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    TRgbImage image;
    std::string message;
    if (!DecodeJpeg(std::string_view(bytes.constData(), size_t(bytes.size())), image, message))
        return {};
    return ToQImage(image);
}
