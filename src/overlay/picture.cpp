#include "overlay/picture.h"

#include "engine/numberrules.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <sys/stat.h>

#include <cmath>

namespace pernoa::overlay {

std::int32_t himetricFromPixels(int pixels, int dotsPerMeter) {
    // Qt gives an image that records no resolution its default of 96 dpi
    // rounded to whole dots per metre (3780); count that, and nonsense, as the
    // exact 96 dpi a file without a resolution is taken at.
    double dpi = dotsPerMeter * 0.0254;
    if (dotsPerMeter <= 0 || std::abs(dpi - kDefaultPictureDpi) < 0.05)
        dpi = kDefaultPictureDpi;
    const double himetric = pixels * 2540.0 / dpi;
    if (!(himetric < 2147483647.0))
        return 2147483647;
    return static_cast<std::int32_t>(num::roundHalfEven(himetric));
}

namespace {

bool isPictureFormat(const QByteArray& format) {
    return format == "bmp" || format == "gif" || format == "jpeg" || format == "jpg";
}

} // namespace

bool isPictureFile(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return isPictureFormat(reader.format());
}

bool loadPictureFile(const QString& path, Picture& picture, qint64 maxBytes) {
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    QImageReader reader(path);
    // The content decides, so a JPEG saved as .bmp still loads.
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    if (!isPictureFormat(format))
        return false;
    // The paint-ready image takes four bytes a pixel.
    const QSize size = reader.size();
    if (size.isValid() && 4.0 * size.width() * size.height() > double(maxBytes))
        return false;
    QImage image;
    // A truncated file decodes with a warning and a partly grey image in some
    // decoders; read() reports that as failure only for fatal errors, which is
    // what the user can act on.
    if (!reader.read(&image) || image.isNull())
        return false;
    // Decoded once into the format screens and printers paint from directly,
    // so no redraw and no printed copy converts it again. An image whose
    // converted form would pass the decoder's allocation limit is refused
    // like one the decoder itself refuses.
    const QImage::Format paintFormat =
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    if (image.format() != paintFormat) {
        const double bytes = 4.0 * image.width() * image.height();
        const int limitMb = QImageReader::allocationLimit();
        if (limitMb > 0 && bytes > double(limitMb) * 1024 * 1024)
            return false;
        image = image.convertToFormat(paintFormat);
        if (image.isNull())
            return false;
    }
    if (image.sizeInBytes() > maxBytes)
        return false;
    picture.WidthHimetric = himetricFromPixels(image.width(), image.dotsPerMeterX());
    picture.HeightHimetric = himetricFromPixels(image.height(), image.dotsPerMeterY());
    picture.image = std::move(image);
    return true;
}

bool PictureStore::load(const QString& path, Picture& picture) {
    // A NUL would cut the name short for the system, naming another file.
    if (path.isEmpty() || path.contains(QChar(0)))
        return false;
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    const FileId id{quint64(info.st_dev), quint64(info.st_ino), qint64(info.st_size),
                    qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
    const auto found = m_pictures.constFind(id);
    if (found != m_pictures.constEnd()) {
        picture = *found;
        return true;
    }
    Picture decoded;
    if (!loadPictureFile(path, decoded, qMax(qint64(0), m_limit - bytesInUse())))
        return false;
    m_pictures.insert(id, decoded);
    picture = std::move(decoded);
    return true;
}

qint64 PictureStore::bytesInUse() {
    qint64 bytes = 0;
    for (auto it = m_pictures.begin(); it != m_pictures.end();) {
        // Held here alone: no item shows it any more.
        if (it->image.isDetached()) {
            it = m_pictures.erase(it);
        } else {
            bytes += it->image.sizeInBytes();
            ++it;
        }
    }
    return bytes;
}

} // namespace pernoa::overlay
