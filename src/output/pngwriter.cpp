#include "output/pngwriter.h"

#include "output/texts.h"

#include <QByteArray>
#include <QIODevice>
#include <QImage>

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace pernoa::output {
namespace {

void putNumber(QByteArray& out, quint32 value) {
    const char bytes[] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
    out.append(bytes, 4);
}

// One chunk: length, type, data, and the CRC of type and data.
void putChunk(QByteArray& out, const char* type, const QByteArray& data) {
    putNumber(out, quint32(data.size()));
    const qsizetype start = out.size();
    out.append(type, 4);
    out.append(data);
    const uLong crc =
        crc32(0, reinterpret_cast<const Bytef*>(out.constData() + start), uInt(out.size() - start));
    putNumber(out, quint32(crc));
}

// Bits of a deflate stream, least significant first.
class BitWriter {
public:
    explicit BitWriter(QByteArray& out) : m_out(out) {}
    void bits(quint32 value, int count) {
        m_buffer |= quint64(value) << m_count;
        m_count += count;
        while (m_count >= 8) {
            m_out.append(char(m_buffer & 0xff));
            m_buffer >>= 8;
            m_count -= 8;
        }
    }
    // A Huffman code goes most significant bit first.
    void code(quint32 value, int count) {
        quint32 reversed = 0;
        for (int i = 0; i < count; ++i)
            reversed |= ((value >> i) & 1) << (count - 1 - i);
        bits(reversed, count);
    }
    // Pads to the next byte with an empty stored block, as a flush does.
    void align() {
        bits(0, 3); // not final, stored
        if (m_count > 0)
            bits(0, 8 - m_count);
        bits(0x0000, 16);
        bits(0xffff, 16);
    }

private:
    QByteArray& m_out;
    quint64 m_buffer = 0;
    int m_count = 0;
};

// The fixed Huffman code of a literal byte or of a length symbol.
void symbol(BitWriter& out, int value) {
    if (value < 144)
        out.code(quint32(0x30 + value), 8);
    else if (value < 256)
        out.code(quint32(0x190 + value - 144), 9);
    else if (value < 280)
        out.code(quint32(value - 256), 7);
    else
        out.code(quint32(0xc0 + value - 280), 8);
}

// A copy of the byte just before, length 3 to 258.
void repeatLast(BitWriter& out, int length) {
    static const int base[] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                               31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
    static const int extra[] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
    int i = 28;
    while (base[i] > length)
        --i;
    symbol(out, 257 + i);
    out.bits(quint32(length - base[i]), extra[i]);
    out.code(0, 5); // distance 1
}

// A row of rowBytes that repeats the one above, filtered "up": the filter
// byte and zeros, as literals and copies of the last byte.
void repeatedRow(BitWriter& out, std::size_t rowBytes) {
    symbol(out, 2);
    symbol(out, 0);
    std::size_t left = rowBytes - 1;
    while (left > 0) {
        const std::size_t chunk = std::min<std::size_t>(left, 258);
        if (chunk < 3) {
            for (std::size_t i = 0; i < chunk; ++i)
                symbol(out, 0);
        } else {
            // Never leave a remainder of 1 or 2 after a full copy.
            const std::size_t take = left - chunk > 0 && left - chunk < 3 ? chunk - 3 : chunk;
            repeatLast(out, int(take));
            left -= take;
            continue;
        }
        left -= chunk;
    }
}

// The picture's rows, each after its filter byte, as one zlib stream. Rows
// that differ from the one above go through zlib's deflate; a run of rows
// that repeat the one above is written here directly as copies, which costs
// a few symbols a row instead of deflating every byte of it (a page is most
// of all such rows). zlib's part is flushed in full before each run, so it
// never refers back across one.
class RowCompressor {
public:
    explicit RowCompressor(std::size_t rowBytes) : m_rowBytes(rowBytes) {
        m_ok = deflateInit2(&m_stream, 6, Z_DEFLATED, -15, 8, Z_RLE) == Z_OK;
        m_out.append("\x78\x01", 2); // deflate, 32K window, no dictionary
        std::vector<unsigned char> repeated(rowBytes + 1, 0);
        repeated[0] = 2;
        m_repeatedAdler = adler32(1, repeated.data(), uInt(repeated.size()));
    }
    ~RowCompressor() { deflateEnd(&m_stream); }
    RowCompressor(const RowCompressor&) = delete;
    RowCompressor& operator=(const RowCompressor&) = delete;

    bool add(const unsigned char* row) {
        m_adler = adler32(m_adler, row, uInt(m_rowBytes + 1));
        return run(row, m_rowBytes + 1, Z_NO_FLUSH);
    }
    bool addRepeated(int rows) {
        if (rows <= 0)
            return true;
        if (!run(nullptr, 0, Z_FULL_FLUSH))
            return false;
        BitWriter out(m_out);
        out.bits(1 << 1, 3); // not final, fixed codes
        for (int i = 0; i < rows; ++i) {
            repeatedRow(out, m_rowBytes);
            m_adler = adler32_combine(m_adler, m_repeatedAdler, z_off_t(m_rowBytes + 1));
        }
        symbol(out, 256); // end of block
        out.align();
        return true;
    }
    bool finish() {
        if (!run(nullptr, 0, Z_FINISH))
            return false;
        putNumber(m_out, quint32(m_adler));
        return true;
    }
    const QByteArray& data() const { return m_out; }

private:
    bool run(const unsigned char* bytes, std::size_t size, int flush) {
        if (!m_ok)
            return false;
        m_stream.next_in = const_cast<Bytef*>(bytes);
        m_stream.avail_in = uInt(size);
        do {
            unsigned char buffer[1 << 16];
            m_stream.next_out = buffer;
            m_stream.avail_out = sizeof buffer;
            const int result = deflate(&m_stream, flush);
            if (result == Z_STREAM_ERROR)
                return m_ok = false;
            m_out.append(reinterpret_cast<const char*>(buffer),
                         qsizetype(sizeof buffer - m_stream.avail_out));
        } while (m_stream.avail_out == 0);
        return true;
    }

    z_stream m_stream{};
    std::size_t m_rowBytes;
    QByteArray m_out;
    uLong m_adler = 1;
    uLong m_repeatedAdler = 1;
    bool m_ok = false;
};

} // namespace

QString writePng(QIODevice& device, const QImage& picture, int dpi) {
    const bool grey = picture.format() == QImage::Format_Grayscale8;
    const int width = picture.width();
    const int height = picture.height();
    const std::size_t rowBytes = std::size_t(width) * (grey ? 1 : 3);

    QByteArray header;
    putNumber(header, quint32(width));
    putNumber(header, quint32(height));
    header.append(char(8));            // bits per sample
    header.append(char(grey ? 0 : 2)); // grey, or RGB
    header.append(3, char(0));         // deflate, adaptive filters, no interlace
    QByteArray physical;
    const quint32 perMetre = quint32(qRound(dpi / 0.0254));
    putNumber(physical, perMetre);
    putNumber(physical, perMetre);
    physical.append(char(1)); // the unit is the metre

    // A row like the one above is filtered "up" (all zero); any other row
    // goes as it is.
    RowCompressor rows(rowBytes);
    std::vector<unsigned char> row(rowBytes + 1, 0); // filter 0: none
    int repeated = 0;
    bool ok = true;
    for (int y = 0; y < height && ok; ++y) {
        const uchar* line = picture.constScanLine(y);
        const std::size_t lineBytes = std::size_t(picture.bytesPerLine());
        if (y > 0 && std::memcmp(line, picture.constScanLine(y - 1),
                                 std::min(lineBytes, std::size_t(width) * (grey ? 1 : 4))) == 0) {
            ++repeated;
            continue;
        }
        ok = rows.addRepeated(std::exchange(repeated, 0));
        if (grey) {
            std::memcpy(row.data() + 1, line, rowBytes);
        } else {
            const auto* pixels = reinterpret_cast<const QRgb*>(line);
            for (int x = 0; x < width; ++x) {
                row[1 + 3 * std::size_t(x)] = uchar(qRed(pixels[x]));
                row[2 + 3 * std::size_t(x)] = uchar(qGreen(pixels[x]));
                row[3 + 3 * std::size_t(x)] = uchar(qBlue(pixels[x]));
            }
        }
        ok = ok && rows.add(row.data());
    }
    if (!ok || !rows.addRepeated(repeated) || !rows.finish())
        return texts::cannotCompressPicture();

    QByteArray file("\x89PNG\r\n\x1a\n", 8);
    putChunk(file, "IHDR", header);
    putChunk(file, "pHYs", physical);
    putChunk(file, "IDAT", rows.data());
    putChunk(file, "IEND", QByteArray());
    // Written on until the device refuses, so that a write cut short (the
    // file size limit) is reported with the device's reason.
    qint64 written = 0;
    while (written < file.size()) {
        const qint64 n = device.write(file.constData() + written, file.size() - written);
        if (n <= 0)
            return device.errorString();
        written += n;
    }
    return {};
}

} // namespace pernoa::output
