#pragma once

#include "engine/messages.h"

#include <QString>

class QFileDialog;
class QMessageBox;

namespace pernoa::ui {

// Where the program's message boxes and file dialogs, built and placed, are
// answered. On the desktop the user answers them; tests answer them without
// showing them and keep what each one looked like.
class IDialogRunner {
public:
    virtual ~IDialogRunner() = default;

    // The answer to a message box: the button the user pressed (Cancel only
    // for the Cancel button, also when the box is closed; Save and Discard
    // for those buttons).
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
