#pragma once

#include <QString>

#include <utility>

namespace pernoa {

// How a command ended, for a caller that goes on from it (the command line
// chooses its exit status by it). By the time an engine command returns, the
// user has been told whatever there was to tell: a refusal has shown its
// message, a failure the catch-all message and its cause.
class Outcome {
public:
    enum class Kind {
        // Did what was asked.
        Done,
        // A check refused a value and said so; nothing was drawn or sent.
        Refused,
        // The user stopped it; nothing was sent.
        Cancelled,
        // Went wrong after the checks, for the cause given.
        Failed,
    };

    // copies: how many copies were handed to the printer (0: the preview
    // alone was drawn).
    static Outcome done(int copies = 0) { return Outcome(Kind::Done, copies, {}); }
    static Outcome refused() { return Outcome(Kind::Refused, 0, {}); }
    static Outcome cancelled() { return Outcome(Kind::Cancelled, 0, {}); }
    static Outcome failed(QString cause) { return Outcome(Kind::Failed, 0, std::move(cause)); }

    Kind kind() const { return m_kind; }
    bool isDone() const { return m_kind == Kind::Done; }
    int copies() const { return m_copies; }
    // What went wrong, in the program's developer English ("" unless failed).
    const QString& cause() const { return m_cause; }

    friend bool operator==(const Outcome&, const Outcome&) = default;

private:
    Outcome(Kind kind, int copies, QString cause)
        : m_kind(kind), m_copies(copies), m_cause(std::move(cause)) {}

    Kind m_kind;
    int m_copies;
    QString m_cause;
};

} // namespace pernoa
