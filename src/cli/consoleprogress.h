#pragma once

#include "engine/progress.h"

#include <QElapsedTimer>
#include <QString>

#include <cstdio>

namespace pernoa::cli {

// Progress of the command line: "pernoa: copy 3 of 100" rewritten in place on
// one line of a terminal once a job has run for half a second, cleared when it
// ends. Off when the output is not a terminal, so logs and pipes stay clean.
// It never stops a job.
class ConsoleProgress : public IProgress {
public:
    explicit ConsoleProgress(std::FILE* out = stderr);
    // For tests: whether to write at all, and after how long a job shows.
    ConsoleProgress(std::FILE* out, bool enabled, int delayMs);

    void start(int total) override;
    bool step(int done) override;
    void finish() override;

private:
    void write(const QString& text);

    std::FILE* m_out;
    bool m_enabled;
    int m_delayMs;
    int m_total = 0;
    int m_width = 0; // terminal columns of the line shown, 0 when none
    QElapsedTimer m_clock;
    qint64 m_lastShown = 0;
};

} // namespace pernoa::cli
