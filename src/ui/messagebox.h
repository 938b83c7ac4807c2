#pragma once

#include "engine/messages.h"

#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QStringList>

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
    explicit MessageBoxes(QWidget* parentWindow = nullptr);
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
    static std::unique_ptr<QMessageBox> createBox(const QString& text, const QString& title,
                                                  MsgIcon icon, MsgButtons buttons,
                                                  QWidget* parent);
    // The answer a box's clicked button stands for (Cancel only for Cancel).
    static MsgAnswer answerOf(const QMessageBox& box);

    // --- Pre-answering, for tests that drive the windows without a person ---
    //
    // While answers are queued, or pre-answering is on, a message is not shown:
    // its box is built as usual, recorded, and answered with the next queued
    // answer (OK once the queue is empty; a box with only an OK button always
    // answers OK). A real box is shown only when pre-answering is off and the
    // queue is empty.
    struct Record {
        QString text;
        QString title;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QStringList buttonTexts;
        Qt::TextFormat textFormat;
        MsgAnswer answer;
        QPointer<QWidget> parent; // the window the box is centred on
    };
    static void setPreAnswering(bool on);
    static void preset(const QList<MsgAnswer>& answers);
    // The pre-answered boxes since the last call, oldest first.
    static QList<Record> takeRecords();

private:
    class InputWatcher;

    QPointer<QWidget> m_parentWindow;
    std::unique_ptr<InputWatcher> m_input;
    bool m_busy = false;
};

} // namespace pernoa::ui
