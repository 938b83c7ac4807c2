#include "overlay/picture.h"

#include "engine/numberrules.h"

#include <QFileInfo>
#include <QImageReader>

#include <cmath>

namespace pernoa::overlay {

std::int32_t himetricFromPixels(int pixels, int dotsPerMeter) {
    // Qt gives an image that records no resolution its default of 96 dpi
    // rounded to whole dots per metre (3780); count that, and nonsense, as the
    // exact 96 dpi a file without a resolution is taken at.
    double dpi = dotsPerMeter * 0.0254;
    if (dotsPerMeter <= 0 || std::abs(dpi - DefaultPictureDpi) < 0.05)
        dpi = DefaultPictureDpi;
    const double himetric = pixels * 2540.0 / dpi;
    if (!(himetric < 2147483647.0))
        return 2147483647;
    return static_cast<std::int32_t>(num::roundHalfEven(himetric));
}

bool LoadPictureFile(const QString& path, Picture& picture) {
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    QImageReader reader(path);
    // The content decides, so a JPEG saved as .bmp still loads.
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    if (format != "bmp" && format != "gif" && format != "jpeg" && format != "jpg")
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
    picture.WidthHimetric = himetricFromPixels(image.width(), image.dotsPerMeterX());
    picture.HeightHimetric = himetricFromPixels(image.height(), image.dotsPerMeterY());
    picture.image = std::move(image);
    return true;
}

} // namespace pernoa::overlay
