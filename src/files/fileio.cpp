#include "files/fileio.h"

#include "engine/numberrules.h"
#include "files/cp932.h"
#include "files/texts.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace pernoa {
namespace {

bool isLineEnd(QChar c) {
    return c == u'\r' || c == u'\n';
}

// Reads everything from the device's position to its end. False on a read
// error, so a file cut short by a failing disk is not taken for a short file,
// and past kMaxFileBytes, so an endless source cannot exhaust the memory.
bool readToEnd(QIODevice& device, QByteArray& bytes) {
    bytes.clear();
    // A file's size is known: one allocation instead of a growing copy.
    if (!device.isSequential())
        bytes.reserve(std::min(device.size() - device.pos(), kMaxFileBytes) + 1);
    constexpr qint64 kChunkSize = 64 * 1024;
    QByteArray chunk(kChunkSize, Qt::Uninitialized);
    for (;;) {
        const qint64 got = device.read(chunk.data(), kChunkSize);
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        if (bytes.size() + got > kMaxFileBytes)
            return false;
        bytes.append(chunk.constData(), got);
    }
}

// Opens a regular file of at most kMaxFileBytes for reading. The type is
// checked on the open file itself, and the open does not wait for a FIFO's
// writer, so no file swapped in between can make it block.
bool openRegularFile(const QString& path, QFile& file) {
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > kMaxFileBytes) {
        ::close(fd);
        return false;
    }
    return file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
#else
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxFileBytes)
        return false;
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly);
#endif
}

} // namespace

void takeOverPermissions(QFileDevice& replacement, const QString& path) {
#ifdef Q_OS_UNIX
    struct stat replaced {};
    const int fd = replacement.handle();
    if (fd < 0 || ::stat(QFile::encodeName(path).constData(), &replaced) != 0)
        return;
    // The owner first: a change of owner clears the set-user-ID bits.
    if (::fchown(fd, replaced.st_uid, replaced.st_gid) != 0) {
        // Only root may give a file away; the file stays the saver's.
    }
    ::fchmod(fd, replaced.st_mode & 07777);
#else
    const QFileDevice::Permissions permissions = QFile::permissions(path);
    if (permissions)
        replacement.setPermissions(permissions);
#endif
}

QString failureReason(const QFileDevice& file) {
    const int error = errno;
    const QString why = file.errorString();
    if (why.isEmpty() || why == QLatin1String("Unknown error"))
        return qt_error_string(error);
    return why;
}

bool isWritableFilePath(const QString& path) {
    if (path.isEmpty())
        return false;
    const QFileInfo info(path); // follows links
    return info.isFile() || !info.exists();
}

clsFileIO::clsFileIO() = default;

clsFileIO::~clsFileIO() {
    // An uncommitted replace is dropped with the save file: the old file stays.
    if (m_closeBorrowed && m_device)
        m_device->close();
}

bool clsFileIO::M_boOpen(const QString& path, bool write, bool append) {
    M_Close();
    m_error.clear();
    if (path.isEmpty()) {
        m_error = files::texts::noFileName();
        return false;
    }
    if (!cp932::isAvailable()) {
        m_error = files::texts::converterMissing();
        return false;
    }

    if (!write) {
        QFile file;
        if (!openRegularFile(path, file))
            return false;
        return startReading(file);
    }
    if (!isWritableFilePath(path)) {
        m_error = files::texts::notRegularFile();
        return false;
    }

    if (append) {
        auto file = std::make_unique<QFile>(path);
        if (!file->open(QIODevice::WriteOnly | QIODevice::Append)) {
            m_error = failureReason(*file);
            return false;
        }
        m_device = file.get();
        m_ownedFile = std::move(file);
    } else {
        // No direct-write fallback: a save that cannot be staged beside the
        // target fails instead of overwriting the target in place.
        auto file = std::make_unique<QSaveFile>(path);
        if (!file->open(QIODevice::WriteOnly)) {
            m_error = failureReason(*file);
            return false;
        }
        m_device = file.get();
        m_ownedFile = std::move(file);
        m_replacedPath = path;
    }
    m_mode = Mode::Writing;
    m_writeFailed = false;
    return true;
}

bool clsFileIO::M_boOpen(QIODevice& device, bool write) {
    M_Close();
    m_error.clear();
    if (!cp932::isAvailable()) {
        m_error = files::texts::converterMissing();
        return false;
    }
    const QIODevice::OpenMode needed = write ? QIODevice::WriteOnly : QIODevice::ReadOnly;
    bool openedHere = false;
    if (!device.isOpen()) {
        if (!device.open(needed)) {
            m_error = device.errorString();
            return false;
        }
        openedHere = true;
    } else if (!(device.openMode() & needed)) {
        m_error = files::texts::deviceNotOpenForThis();
        return false;
    }

    if (!write) {
        const bool ok = startReading(device);
        if (openedHere)
            device.close();
        return ok;
    }
    m_device = &device;
    m_closeBorrowed = openedHere;
    m_mode = Mode::Writing;
    m_writeFailed = false;
    return true;
}

bool clsFileIO::startReading(QIODevice& device) {
    QByteArray bytes;
    if (!readToEnd(device, bytes))
        return false;
    m_text = cp932::decode(bytes);
    m_pos = 0;
    m_mode = Mode::Reading;
    return true;
}

void clsFileIO::M_OpenText(const QString& text) {
    M_Close();
    m_text = text;
    m_pos = 0;
    m_mode = Mode::Reading;
}

bool readTextFile(const QString& path, QString& text) {
    clsFileIO io;
    if (!io.M_boOpen(path, false, false))
        return false;
    text = io.m_text;
    return true;
}

bool clsFileIO::M_boEof() const {
    return m_mode != Mode::Reading || m_pos >= m_text.size();
}

void clsFileIO::skipLineEnd() {
    if (m_pos >= m_text.size())
        return;
    if (m_text[m_pos] == u'\r') {
        ++m_pos;
        if (m_pos < m_text.size() && m_text[m_pos] == u'\n')
            ++m_pos;
    } else if (m_text[m_pos] == u'\n') {
        ++m_pos;
    }
}

QString clsFileIO::M_stGetLine() {
    if (M_boEof())
        return {};
    const QChar* const text = m_text.constData();
    const qsizetype size = m_text.size();
    qsizetype end = m_pos;
    while (end < size && !isLineEnd(text[end]))
        ++end;
    QString line = m_text.mid(m_pos, end - m_pos);
    m_pos = end;
    skipLineEnd();
    return line;
}

bool clsFileIO::M_Close() {
    bool ok = true;
    if (m_mode == Mode::Writing) {
        ok = !m_writeFailed;
        if (auto* save = qobject_cast<QSaveFile*>(m_ownedFile.get())) {
            // The last lines are still in the write buffer. Flushing them is
            // checked here because the commit itself goes on with the rename
            // even when that final write fails (a full disk), which would put
            // a truncated file in place of the old one.
            if (!ok || !save->flush() || save->error() != QFileDevice::NoError) {
                if (ok)
                    m_error = failureReason(*save);
                ok = false;
                save->cancelWriting();
            } else {
                takeOverPermissions(*save, m_replacedPath);
            }
            if (!save->commit() && ok) {
                m_error = failureReason(*save);
                ok = false;
            }
        } else if (auto* file = qobject_cast<QFileDevice*>(m_device)) {
            if (!file->flush() && ok) {
                m_error = failureReason(*file);
                ok = false;
            }
            if (m_ownedFile || m_closeBorrowed)
                file->close();
            if (ok && file->error() != QFileDevice::NoError) {
                m_error = failureReason(*file);
                ok = false;
            }
        } else if (m_closeBorrowed) {
            m_device->close();
        }
    }
    m_mode = Mode::Closed;
    m_text.clear();
    m_pos = 0;
    m_device = nullptr;
    m_ownedFile.reset();
    m_closeBorrowed = false;
    m_writeFailed = false;
    m_replacedPath.clear();
    return ok;
}

bool clsFileIO::writeBytes(const QByteArray& bytes) {
    if (m_mode != Mode::Writing || m_writeFailed)
        return false;
    if (m_device->write(bytes) != bytes.size()) {
        const auto* file = qobject_cast<const QFileDevice*>(m_device);
        m_error = file ? failureReason(*file) : m_device->errorString();
        m_writeFailed = true;
        return false;
    }
    return true;
}

bool clsFileIO::M_boWriteLine(const QString& line) {
    if (m_mode != Mode::Writing)
        return false;
    return writeBytes(cp932::encode(line) + QByteArrayLiteral("\r\n"));
}

bool clsFileIO::WriteDelimitedNumbers(const QList<double>& numbers) {
    if (m_mode != Mode::Writing)
        return false;
    QString line;
    try {
        for (qsizetype i = 0; i < numbers.size(); ++i) {
            if (i > 0)
                line += u',';
            line += num::toPlainText(numbers[i]);
        }
    } catch (const RuntimeError&) {
        m_error = files::texts::numberNotFinite();
        m_writeFailed = true;
        return false;
    }
    return M_boWriteLine(line);
}

bool clsFileIO::readRawValue(QString& raw) {
    if (m_mode != Mode::Reading)
        return false;
    const qsizetype size = m_text.size();
    while (m_pos < size && (m_text[m_pos] == u' ' || m_text[m_pos] == u'\t'))
        ++m_pos;
    if (m_pos >= size)
        return false;

    qsizetype end = 0;
    m_lastQuoted = m_text[m_pos] == u'"';
    if (m_lastQuoted) {
        // Two double quotes in a row inside the quotes stand for one.
        raw.clear();
        qsizetype from = m_pos + 1;
        qsizetype close = -1;
        for (;;) {
            close = m_text.indexOf(u'"', from);
            if (close < 0) {
                m_pos = size;
                return false;
            }
            raw += QStringView(m_text).sliced(from, close - from);
            if (close + 1 < size && m_text[close + 1] == u'"') {
                raw += u'"';
                from = close + 2;
                continue;
            }
            break;
        }
        end = close + 1;
        // Whatever stands between the closing quote and the separator is
        // not part of the value.
        while (end < size && m_text[end] != u',' && !isLineEnd(m_text[end]))
            ++end;
    } else {
        end = m_pos;
        while (end < size && m_text[end] != u',' && !isLineEnd(m_text[end]))
            ++end;
        raw = m_text.mid(m_pos, end - m_pos);
    }
    m_pos = end;
    if (m_pos < size && m_text[m_pos] == u',')
        ++m_pos;
    else
        skipLineEnd();
    return true;
}

bool clsFileIO::ReadDelimitedValue(QString& value) {
    QString raw;
    if (!readRawValue(raw))
        return false;
    value = raw;
    return true;
}

bool clsFileIO::ReadDelimitedValue(double& value) {
    QString raw;
    if (!readRawValue(raw))
        return false;
    value = num::toDoubleOrZero(raw);
    return true;
}

bool clsFileIO::ReadDelimitedValue(std::int16_t& value) {
    QString raw;
    if (!readRawValue(raw))
        return false;
    try {
        value = num::toInt16(num::toDoubleOrZero(raw));
    } catch (const RuntimeError&) {
        value = 0;
    }
    return true;
}

bool clsFileIO::ReadDelimitedValue(std::int32_t& value) {
    QString raw;
    if (!readRawValue(raw))
        return false;
    try {
        value = num::toInt32(num::toDoubleOrZero(raw));
    } catch (const RuntimeError&) {
        value = 0;
    }
    return true;
}

} // namespace pernoa
