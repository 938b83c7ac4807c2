#pragma once

#include <QString>

#include <initializer_list>

namespace pernoa {

enum class MsgIcon { None, Critical, Question, Warning, Information };
// SaveDiscardCancel: the question before changes would be lost.
enum class MsgButtons { Ok, OkCancel, SaveDiscardCancel };
enum class MsgAnswer { Ok, Cancel, Save, Discard };

// How the program speaks to the user: modal message boxes and the busy
// pointer. The windows show real message boxes, the command line writes to
// standard error, and tests record and pre-answer.
class IMessages {
public:
    virtual ~IMessages() = default;

    // Lines of one message are joined by CR LF.
    virtual MsgAnswer showMessage(const QString& text, const QString& title, MsgIcon icon,
                                  MsgButtons buttons = MsgButtons::Ok) = 0;

    // The application-wide busy (hourglass) pointer on or off.
    virtual void setBusyPointer(bool busy) = 0;

    // Called right after the catch-all error message with what actually went
    // wrong (a file that cannot be written, no print scheduler, a page too
    // large), in the program's developer English. The windows' message box
    // stays as it is, so by default nothing more is shown; the command line
    // adds it as one line.
    virtual void explainError(const QString& cause) { Q_UNUSED(cause); }
};

// Joins the lines of one message with CR LF.
QString joinLines(std::initializer_list<QString> lines);

// The text with every control character (C0, DEL, C1) written as a visible
// escape such as \x1b, so that a word from the command line or a file name
// cannot drive the terminal it is echoed to.
QString visibleText(const QString& text);

// How many characters of a value a message quotes.
inline constexpr int kQuotedValueLength = 40;

// A value from a file or the command line as a message quotes it: its first
// kQuotedValueLength characters, then "…" if there are more, with control
// characters made visible. However large the value or whatever it holds, the
// message stays one short line that a message box lays out at once and a
// terminal only shows.
QString quotedValue(const QString& value);

} // namespace pernoa
