#pragma once

#include <QHash>
#include <QImage>
#include <QString>

#include <cstdint>
#include <limits>

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
inline constexpr double kDefaultPictureDpi = 96.0;

// Decodes a BMP, GIF or JPEG file (whatever the file really is, not what its
// name says). False when the file is missing, is no picture, is cut short,
// would need more memory than the decoder's allocation limit or its decoded
// image more than maxBytes (judged from the file's header where it tells the
// size, so such a picture is not even decoded); the picture is then left as
// it was.
bool loadPictureFile(const QString& path, Picture& picture,
                     qint64 maxBytes = std::numeric_limits<qint64>::max());

// Whether a file is a BMP, GIF or JPEG by its content (its first bytes only;
// nothing is decoded).
bool isPictureFile(const QString& path);

// The decoded pictures of one page, one per file: items naming the same file
// under any spelling of its path ("p/./a.bmp", "q/../p/a.bmp", a link, a
// second hard link) share one image, decoded once and stored once in a PDF.
// What the page's pictures hold in memory is bounded in total: a picture that
// would take the images still in use past the limit is refused like a file
// that is no picture.
class PictureStore {
public:
    // The bound of the decoded pictures of one page: 256 MiB, two pictures
    // at the decoder's allocation limit or five photographs of twelve
    // million pixels.
    static constexpr qint64 kDefaultLimitBytes = qint64(256) * 1024 * 1024;

    // The picture of the file at path: the image already decoded from the
    // same file, if the file has not changed since, or else the file decoded
    // now. False, the picture left as it was, when loadPictureFile fails or
    // the images in use and the new one would pass the limit.
    bool load(const QString& path, Picture& picture);

    // The bytes of the decoded images that something (an item, a display
    // element, a document being written) still holds; the others are let go.
    qint64 bytesInUse();

    qint64 limitBytes() const { return m_limit; }
    void setLimitBytes(qint64 bytes) { m_limit = bytes; }

private:
    // A file as the system knows it, and the version of its contents.
    struct FileId {
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = 0;
        qint64 modifiedNs = 0;
        bool operator==(const FileId&) const = default;
    };
    friend size_t qHash(const FileId& id, size_t seed) {
        return qHashMulti(seed, id.device, id.inode, id.size, id.modifiedNs);
    }

    QHash<FileId, Picture> m_pictures;
    qint64 m_limit = kDefaultLimitBytes;
};

// The natural size of an image in hundredths of a millimetre, from its own
// resolution, or 96 dots per inch where it records none.
std::int32_t himetricFromPixels(int pixels, int dotsPerMeter);

} // namespace pernoa::overlay
