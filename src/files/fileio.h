#pragma once

// The text file of the settings files: one file at a time, read line by line
// or value by value, or written line by line.
//
// Files are code page 932 text with CR LF line ends (see cp932.h for how
// characters the code page lacks and bytes that are no character are
// handled). Nothing here shows a message: every failure is a result.
//
// Reading takes in the whole file when it is opened and decodes it as a
// whole; lines and values are then cut from the decoded text, so the byte
// 0x5C inside 表 or ソ is never seen as a backslash, and the file itself is
// open only for the moment of reading.
//
// Line ends when reading: CR LF, a lone CR and a lone LF each end a line.
// The program writes only CR LF, but a file passed through a tool that wrote
// bare LF still reads line for line, and the value reader below already
// treats all three as separators, so lines and values agree.
//
// Writing (write true, append false) goes through an atomic replace: the
// lines go to a temporary file beside the target, and only M_Close puts it in
// place of the target. A save that fails on the way (disk full, a device
// error, a line that cannot be written) leaves the previous file untouched,
// and so does an instance dropped without M_Close.
//
// Appending (write true, append true) writes straight into the existing
// file, since an append cannot be staged without copying the whole file:
// lines are added as they are written, and a failure part of the way leaves
// the lines written so far at the end of the file.
//
// Once a write has failed, every further write fails too and M_Close reports
// the failure, so no file is ever completed with a line missing.
//
// Only regular files are read or written (a link counts as what it points
// to). A FIFO or a device is refused for reading, since it may never end or
// block for ever, and for writing, since the replace would put a regular file
// in its place. Files larger than kMaxFileBytes are not read.

#include <QList>
#include <QString>

#include <cstdint>
#include <memory>

class QFileDevice;
class QIODevice;

namespace pernoa {

// The largest file that is read: far beyond any settings file.
inline constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

// Whether the program may write a file at path: a regular file (a link is
// followed) or a path where nothing is yet. Every file the program writes
// asks this first, so a FIFO, a device or a folder is never replaced.
bool isWritableFilePath(const QString& path);

// Gives the file that is about to replace the one at path (a save's
// temporary file, still open) the owner and permissions of the file it
// replaces, so that a save keeps a read-only file read-only and another
// user's file theirs. Nothing happens where no file is at path yet, and an
// owner that cannot be given (not running as root) is left as it is.
void takeOverPermissions(QFileDevice& replacement, const QString& path);

// Why a file's last operation failed: Qt's reason, or the system's where Qt
// kept none.
QString failureReason(const QFileDevice& file);

// The whole file at path decoded from code page 932, on the terms of
// clsFileIO::M_boOpen for reading; false (text unchanged) where it fails.
bool readTextFile(const QString& path, QString& text);

class clsFileIO {
public:
    clsFileIO();
    ~clsFileIO();
    clsFileIO(const clsFileIO&) = delete;
    clsFileIO& operator=(const clsFileIO&) = delete;

    // Opens the file at path. write false: for reading (append is ignored);
    // false when the file is missing, is no regular file, is larger than
    // kMaxFileBytes, cannot be read, or a read error stops it part of the way
    // (nothing of a half-read file is handed out). Writing is refused as
    // isWritableFilePath() says.
    // write true, append false: for writing, replacing the file on M_Close.
    // write true, append true: for writing at the end of the file, which is
    // created when missing. A file still open in this instance is closed
    // first, as by M_Close.
    bool M_boOpen(const QString& path, bool write, bool append);

    // The same on any device (a file, an in-memory buffer, ...). A device
    // that is not open yet is opened here and closed by M_Close; a device
    // that is already open must allow reading or writing as asked, and stays
    // open. Reading starts at the device's current position and stops with
    // a failure past kMaxFileBytes; writing goes straight to the device,
    // without the atomic replace.
    bool M_boOpen(QIODevice& device, bool write);

    // Reads text already decoded by readTextFile(), from its start: a file
    // searched by several readers in turn is read and decoded once.
    void M_OpenText(const QString& text);

    // True when no further line can be read (always true when no file is
    // open for reading).
    bool M_boEof() const;

    // The next line without its line end; the empty string at the end of the
    // file and when no file is open for reading. Nothing is trimmed.
    QString M_stGetLine();

    // Closes the file. For a file opened for writing, this is where the
    // written lines take the place of the old file; the result is true only
    // when every line reached the file. Reading files and a closed instance
    // give true.
    bool M_Close();

    // Why the last open, write or close for writing failed, in the
    // program's developer English ("" after a success).
    QString errorString() const { return m_error; }

    // Writes line and CR LF. False when no file is open for writing or the
    // write fails.
    bool M_boWriteLine(const QString& line);

    // Writes the numbers as one line: plain decimal notation with "." as the
    // point (a leading 0 before the point between -1 and 1), at most 15
    // significant digits, no exponent, no thousands separators, whole
    // numbers without a point, commas between, then CR LF (1.5,-2 or 0,0).
    // A number that is not finite cannot be written: nothing is written and
    // the save fails.
    bool WriteDelimitedNumbers(const QList<double>& numbers);

    // Reads the next value of a stream of comma- or line-separated values,
    // from where the last line or value read stopped; the kind is that of
    // the argument. False only when the file ends before a value is complete
    // (or nothing is open for reading); the argument is then unchanged.
    //
    // - Spaces and tabs before a value are skipped.
    // - A value in double quotes is what stands between them (commas and
    //   line ends included), two double quotes in a row standing for one;
    //   text after the closing quote up to the next separator is dropped. A file that ends before
    //   the closing quote ends the read with a failure.
    // - Any other value runs up to the next comma or line end (CR LF, CR,
    //   LF) or to the end of the file, and is taken as it stands: spaces at
    //   its end are kept. The separator is consumed.
    // - A blank line yields one empty value.
    // - Numbers follow the program's number rules; an empty value or one that
    //   is not a number reads as 0. An integer kind rounds a fraction to the
    //   nearest whole number, halves to even (2.5 gives 2); a value outside
    //   the range of its kind reads as 0 like any other malformed number,
    //   never wrapped or cut.
    bool ReadDelimitedValue(QString& value);
    bool ReadDelimitedValue(std::int16_t& value);
    bool ReadDelimitedValue(std::int32_t& value);
    bool ReadDelimitedValue(double& value);

    // Reads a record: the values one after another, each of its argument's
    // kind. False at the first value that cannot be read; the values before
    // it are set, the rest are unchanged.
    template <typename... Values>
    requires(sizeof...(Values) > 1) bool ReadDelimitedValue(Values&... values) {
        return (ReadDelimitedValue(values) && ...);
    }

    // True when the value read last stood in double quotes, so a quoted
    // empty value ("") can be told from a blank line.
    bool M_boLastValueQuoted() const { return m_lastQuoted; }

private:
    friend bool readTextFile(const QString& path, QString& text);
    enum class Mode { Closed, Reading, Writing };

    bool startReading(QIODevice& device);
    bool readRawValue(QString& raw);
    bool writeBytes(const QByteArray& bytes);
    void skipLineEnd();

    Mode m_mode = Mode::Closed;

    // Reading: the decoded file and the position of the next character.
    QString m_text;
    qsizetype m_pos = 0;

    // Writing: the device written to, the file opened here (if any), and
    // whether a borrowed device was opened here and must be closed.
    QIODevice* m_device = nullptr;
    std::unique_ptr<QIODevice> m_ownedFile;
    bool m_closeBorrowed = false;
    bool m_writeFailed = false;
    // The file a save replaces, whose owner and permissions the new one takes.
    QString m_replacedPath;
    bool m_lastQuoted = false;
    QString m_error;
};

} // namespace pernoa
