#pragma once

#include "engine/messages.h"

#include <QString>

#include <cstdio>

namespace pernoa::cli {

// Messages for batch use: every message goes to standard error, the CR LF
// between its lines written as a plain line break and every other control
// character made visible (visibleText), and an OK/Cancel question is
// answered OK.
class ConsoleMessages : public IMessages {
public:
    explicit ConsoleMessages(std::FILE* out = stderr) : m_out(out) {}

    MsgAnswer showMessage(const QString& text, const QString& title, MsgIcon icon,
                          MsgButtons buttons = MsgButtons::Ok) override;
    void setBusyPointer(bool) override {}
    // Writes "pernoa: " and the cause, control characters made visible.
    void explainError(const QString& cause) override;

    // While set, information messages (the confirmation after printing) are
    // not written: an export that succeeds says nothing.
    void setQuietInformation(bool quiet) { m_quietInformation = quiet; }

private:
    std::FILE* m_out;
    bool m_quietInformation = false;
};

} // namespace pernoa::cli
