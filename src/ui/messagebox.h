#pragma once

#include "engine/messages.h"
#include "ui/dialogrunner.h"

#include <QMessageBox>
#include <QPointer>
#include <QString>

#include <memory>

namespace pernoa::ui {

// The program's message boxes and busy pointer on the desktop: every message
// is a modal QMessageBox with the icon, title and buttons it names, its text
// shown as plain text. The busy pointer is the application-wide wait cursor.
//
// A box is centred on the window the user is working in: the modal dialog
// that is open, else the window that took the user's last click or key
// (the preview window for its delete confirmation, whichever window the
// desktop calls active), else the active window, else the parent window.
class MessageBoxes : public IMessages {
public:
    // The runner answers each box: the desktop's, or a test's.
    explicit MessageBoxes(IDialogRunner& runner, QWidget* parentWindow = nullptr);
    ~MessageBoxes() override;
    MessageBoxes(const MessageBoxes&) = delete;
    MessageBoxes& operator=(const MessageBoxes&) = delete;

    // The window boxes are centred on when the user has worked in none yet.
    void setParentWindow(QWidget* window) { m_parentWindow = window; }
    // The window the next box is centred on.
    QWidget* boxParent() const;

    MsgAnswer showMessage(const QString& text, const QString& title, MsgIcon icon,
                          MsgButtons buttons = MsgButtons::Ok) override;
    void setBusyPointer(bool busy) override;

    // The box a message is shown in, ready to run.
    static OwnedDialog<QMessageBox> createBox(const QString& text, const QString& title,
                                              MsgIcon icon, MsgButtons buttons, QWidget* parent);

private:
    class InputWatcher;

    IDialogRunner& m_runner;
    QPointer<QWidget> m_parentWindow;
    std::unique_ptr<InputWatcher> m_input;
    bool m_busy = false;
};

} // namespace pernoa::ui
