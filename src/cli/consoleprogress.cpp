#include "cli/consoleprogress.h"

#include <unistd.h>

#include <algorithm>

namespace pernoa {
namespace {

// A terminal redraws at most this often; more would only cost time.
constexpr qint64 RefreshMs = 100;

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
    if (elapsed < m_delayMs || (m_width > 0 && elapsed - m_lastShown < RefreshMs && done < m_total))
        return true;
    m_lastShown = elapsed;
    char line[64];
    const int length = std::snprintf(line, sizeof line, "\rpernoa: copy %d of %d", done, m_total);
    if (length > 0) {
        write(line, std::min(length, int(sizeof line) - 1));
        m_width = std::max(m_width, length - 1);
    }
    return true;
}

void ConsoleProgress::finish() {
    if (m_width > 0) {
        // Blanks over the line, so that what follows starts on a clean one.
        char line[66];
        const int width = std::min(m_width, int(sizeof line) - 3);
        line[0] = '\r';
        std::fill(line + 1, line + 1 + width, ' ');
        line[1 + width] = '\r';
        write(line, width + 2);
    }
    m_width = 0;
    m_clock.invalidate();
}

void ConsoleProgress::write(const char* text, int length) {
    std::fwrite(text, 1, std::size_t(length), m_out);
    std::fflush(m_out);
}

} // namespace pernoa
