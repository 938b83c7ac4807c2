#pragma once

#include "engine/messages.h"

#include <QString>

#include <cstdio>

namespace pernoa {

// Messages for batch use: every message goes to standard error with its text
// exactly (CR LF between lines becomes a plain line break), and an OK/Cancel
// question is answered OK. Counts what it showed so the caller can choose the
// exit status.
class ConsoleMessages : public IMessages {
public:
    explicit ConsoleMessages(std::FILE* out = stderr) : m_out(out) {}

    MsgAnswer showMessage(const QString& text, const QString& title, MsgIcon icon,
                          MsgButtons buttons = MsgButtons::Ok) override;
    void setBusyPointer(bool) override {}
    // Writes "pernoa: " and the cause, control characters made visible.
    void explainError(const QString& cause) override;

    // While set, information messages (the confirmation after printing) are
    // counted but not written: an export that succeeds says nothing.
    void setQuietInformation(bool quiet) { m_quietInformation = quiet; }

    int shown() const { return m_shown; }
    // Messages other than information (the confirmation after printing).
    int errorsShown() const { return m_errors; }

private:
    std::FILE* m_out;
    int m_shown = 0;
    int m_errors = 0;
    bool m_quietInformation = false;
};

} // namespace pernoa
