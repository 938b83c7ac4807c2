#pragma once

// Conversion between the program's Unicode text and the bytes of its settings
// files, which are in the Japanese Windows code page 932 (Shift_JIS with the
// NEC and IBM extensions).
//
// Everything that splits, searches or replaces works on the decoded text: in
// code page 932 the byte 0x5C ("\" in ASCII) is also the second byte of
// characters such as 表 and ソ, so it may never be looked at as a byte.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace pernoa::cp932 {

// True when the platform has a code page 932 converter. Without one nothing
// can be read or written faithfully, and the file class refuses to open.
bool isAvailable();

// Decodes a whole file's bytes.
//
// A byte that cannot start or continue a character (a lone lead byte, 0x80,
// 0xA0, 0xFD to 0xFF, a lead byte at the very end) reads as U+FFFD and
// decoding goes on with the next byte, so a bad byte never hides what follows
// it. Separators (comma, double quote, space, tab, CR, LF) are all below 0x40
// and can never be taken as the second byte of a character: a broken
// character before a comma or a line end leaves the comma or line end intact.
// A well-formed two-byte code with no character assigned reads as one U+FFFD.
// The control byte SUB (0x1A), which means "a character that could not be
// represented", reads as U+FFFD as well. Every other byte below 0x80 reads as
// the ASCII character of the same code, as on Windows.
QString decode(QByteArrayView bytes);

// Encodes text. Every character that code page 932 cannot hold (the yen
// sign, the overline, emoji, accented Latin letters, a lone surrogate, U+FFFD,
// SUB, ...) is written as "?", so what is written always reads back either as
// the text itself or with "?" in the places it could not keep. In particular
// the yen sign is never turned into the byte 0x5C, which reads back as a
// backslash. Where the code page has two codes for one character (the NEC
// and IBM extensions), the one Windows writes is used (髙 is 0xFB 0xFC).
QByteArray encode(QStringView text);

} // namespace pernoa::cp932
