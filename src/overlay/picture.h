#pragma once

#include <QImage>
#include <QString>

#include <cstdint>

namespace pernoa::overlay {

// A decoded picture with its natural size in hundredths of a millimetre. The
// image is 32-bit RGB (premultiplied ARGB where it has transparency), the
// format the screen and the printer paint without converting it.
// Copies share the one decoded image (QImage is implicitly shared and never
// written to), so every redraw and every printed copy paints the same image
// and a PDF stores it once.
struct Picture {
    QImage image;
    std::int32_t WidthHimetric = 0;
    std::int32_t HeightHimetric = 0;

    bool isEmpty() const { return image.isNull(); }
};

// Resolution assumed for a file that records none, in dots per inch.
inline constexpr double DefaultPictureDpi = 96.0;

// Decodes a BMP, GIF or JPEG file (whatever the file really is, not what its
// name says). False when the file is missing, is no picture, is cut short or
// would need more memory than the decoder's allocation limit; the picture is
// then left as it was.
bool LoadPictureFile(const QString& path, Picture& picture);

// The natural size of an image in hundredths of a millimetre, from its own
// resolution, or 96 dots per inch where it records none.
std::int32_t himetricFromPixels(int pixels, int dotsPerMeter);

} // namespace pernoa::overlay
