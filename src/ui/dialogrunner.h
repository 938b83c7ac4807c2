#pragma once

#include "engine/messages.h"

#include <QPointer>
#include <QString>

#include <utility>

class QFileDialog;
class QMessageBox;

namespace pernoa::ui {

// A dialog held by the code that shows it and also a child of the window it
// stands over. When that window is deleted first it deletes the dialog with
// it; the holder then deletes nothing, where a plain owner would delete the
// dialog a second time.
template <class Dialog> class OwnedDialog {
public:
    OwnedDialog() = default;
    explicit OwnedDialog(Dialog* dialog) : m_dialog(dialog) {}
    ~OwnedDialog() { reset(); }
    OwnedDialog(OwnedDialog&& other) noexcept : m_dialog(std::exchange(other.m_dialog, nullptr)) {}
    OwnedDialog(const OwnedDialog&) = delete;
    OwnedDialog& operator=(const OwnedDialog&) = delete;

    // Deletes the dialog held, if it still exists, and holds the one given.
    void reset(Dialog* dialog = nullptr) { delete std::exchange(m_dialog, dialog).data(); }

    // Null once the dialog is deleted, by the holder or with its window.
    Dialog* get() const { return m_dialog.data(); }
    Dialog* operator->() const { return m_dialog.data(); }
    Dialog& operator*() const { return *m_dialog; }
    explicit operator bool() const { return !m_dialog.isNull(); }

private:
    QPointer<Dialog> m_dialog;
};

// Where the program's message boxes and file dialogs, built and placed, are
// answered. On the desktop the user answers them; tests answer them without
// showing them and keep what each one looked like. A box or dialog may be
// deleted while it is open, with the window it stands over: it is not
// touched after that, and nobody has answered it.
class IDialogRunner {
public:
    virtual ~IDialogRunner() = default;

    // The answer to a message box: the button the user pressed (Cancel only
    // for the Cancel button, also when the box is closed or deleted; Save and
    // Discard for those buttons).
    virtual MsgAnswer runMessageBox(QMessageBox& box) = 0;
    // The path chosen in a file dialog, or "" when the user cancelled.
    virtual QString runFileDialog(QFileDialog& dialog) = 0;
};

// The desktop: each one shown modal until the user answers.
class DesktopDialogRunner final : public IDialogRunner {
public:
    MsgAnswer runMessageBox(QMessageBox& box) override;
    QString runFileDialog(QFileDialog& dialog) override;
};

} // namespace pernoa::ui
