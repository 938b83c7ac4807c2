#include "cli/consoleprogress.h"

#include "cli/texts.h"
#include "engine/numberrules.h"

#include <QList>
#include <QString>

#include <unistd.h>

#include <algorithm>

namespace pernoa::cli {
namespace {

// A terminal redraws at most this often; more would only cost time.
constexpr qint64 kRefreshMs = 100;

// The terminal columns a line takes: two for a wide (East Asian) character,
// one for any other.
int columns(const QString& line) {
    int n = 0;
    for (const char32_t c : line.toUcs4()) {
        const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
                          (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                          (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                          (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
        n += wide ? 2 : 1;
    }
    return n;
}

} // namespace

ConsoleProgress::ConsoleProgress(std::FILE* out)
    : ConsoleProgress(out, out && isatty(fileno(out)) == 1, 500) {}

ConsoleProgress::ConsoleProgress(std::FILE* out, bool enabled, int delayMs)
    : m_out(out), m_enabled(enabled), m_delayMs(delayMs) {}

void ConsoleProgress::start(int total) {
    m_total = total;
    m_width = 0;
    m_lastShown = 0;
    m_clock.start();
}

bool ConsoleProgress::step(int done) {
    if (!m_enabled || !m_clock.isValid())
        return true;
    const qint64 elapsed = m_clock.elapsed();
    if (elapsed < m_delayMs ||
        (m_width > 0 && elapsed - m_lastShown < kRefreshMs && done < m_total))
        return true;
    m_lastShown = elapsed;
    const QString line = texts::copyOf(num::toText(done), num::toText(m_total));
    write(QLatin1Char('\r') + line);
    m_width = std::max(m_width, columns(line));
    return true;
}

void ConsoleProgress::finish() {
    if (m_width > 0) {
        // Blanks over the line, so that what follows starts on a clean one.
        write(QLatin1Char('\r') + QString(m_width, u' ') + QLatin1Char('\r'));
    }
    m_width = 0;
    m_clock.invalidate();
}

void ConsoleProgress::write(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), m_out);
    std::fflush(m_out);
}

} // namespace pernoa::cli
