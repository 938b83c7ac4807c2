#include "files/cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace pernoa::cp932 {
namespace {

// The platform's converter for code page 932. The name is the IANA name of
// the Windows table; "Shift_JIS" in other converter libraries (glibc iconv,
// for one) names a different table without the Windows extensions.
constexpr const char* kCodecName = "windows-31j";
constexpr auto kFlags = QStringConverter::Flag::Stateless;

// The underlying table swaps three control codes (0x1A, 0x1C, 0x7F) the way
// old IBM PC code pages did. Windows maps them one to one, so the bytes are
// swapped back around the conversion. None of the three can be the second
// byte of a double-byte character (those are 0x40 to 0x7E and 0x80 to 0xFC,
// and 0x7F is excluded), so swapping single bytes never changes how the
// neighbouring bytes pair up.
//   table decodes 0x1A as U+001C, 0x1C as U+007F, 0x7F as U+001A.
char toTableByte(char byte) {
    switch (static_cast<unsigned char>(byte)) {
    case 0x1C:
        return '\x1A'; // reads as U+001C
    case 0x7F:
        return '\x1C'; // reads as U+007F
    case 0x1A:
        return '\x7F'; // reads as U+001A, which is then made U+FFFD
    default:
        return byte;
    }
}

char fromTableByte(char byte) {
    switch (static_cast<unsigned char>(byte)) {
    case 0x1A:
        return '\x1C'; // table wrote U+001C as 0x1A
    case 0x1C:
        return '\x7F'; // table wrote U+007F as 0x1C
    case 0x7F:
        return '\x1A'; // table wrote U+001A as 0x7F
    default:
        return byte;
    }
}

// Encodes with the table as it stands and swaps the control bytes back.
QByteArray encodeRaw(QStringEncoder& encoder, QStringView text) {
    QByteArray bytes = encoder.encode(text);
    for (char& b : bytes)
        b = fromTableByte(b);
    return bytes;
}

} // namespace

bool isAvailable() {
    static const bool available = QStringDecoder(kCodecName, kFlags).isValid() &&
                                  QStringEncoder(kCodecName, kFlags).isValid();
    return available;
}

QString decode(QByteArrayView bytes) {
    QStringDecoder decoder(kCodecName, kFlags);
    if (!decoder.isValid())
        return {};
    QByteArray prepared(bytes.size() + 1, Qt::Uninitialized);
    char* out = prepared.data();
    for (char b : bytes)
        *out++ = toTableByte(b);
    // A lead byte at the very end would be dropped by the converter without a
    // trace. A line feed after it can never complete it, so the lead byte
    // decodes as a bad byte; the line feed itself is taken off again.
    *out = '\n';
    QString text = decoder.decode(prepared);
    if (text.endsWith(u'\n'))
        text.chop(1);
    // The converter puts SUB for a bad single byte; the byte 0x1A itself
    // arrives here as SUB as well (see toTableByte).
    if (text.contains(QChar(0x1A)))
        text.replace(QChar(0x1A), QChar::ReplacementCharacter);
    return text;
}

QByteArray encode(QStringView text) {
    QStringEncoder encoder(kCodecName, kFlags);
    if (!encoder.isValid())
        return {};
    // U+FFFD stands for a character already lost; the converter would
    // write it as an unassigned code, which reads back as U+FFFD again but
    // is no character of the code page.
    const bool hasLostCharacter = text.contains(QChar::ReplacementCharacter);
    QByteArray bytes = encodeRaw(encoder, text);
    // Fast path: the whole text converts and reads back unchanged.
    if (!hasLostCharacter && !encoder.hasError() && decode(bytes) == text)
        return bytes;

    // Character by character, keeping only what reads back as itself. The
    // converter's error flag cannot be reset once set, so a fresh converter
    // takes over after each character that had no code.
    QByteArray out;
    out.reserve(text.size() * 2);
    encoder = QStringEncoder(kCodecName, kFlags);
    qsizetype i = 0;
    while (i < text.size()) {
        qsizetype len = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            len = 2;
        const QStringView one = text.sliced(i, len);
        i += len;
        if (one.size() == 1 && (one[0].isSurrogate() || one[0] == QChar::ReplacementCharacter)) {
            out.append('?');
            continue;
        }
        const QByteArray code = encodeRaw(encoder, one);
        if (encoder.hasError()) {
            out.append('?');
            encoder = QStringEncoder(kCodecName, kFlags);
        } else if (code.isEmpty() || decode(code) != one) {
            out.append('?');
        } else {
            out.append(code);
        }
    }
    return out;
}

} // namespace pernoa::cp932
