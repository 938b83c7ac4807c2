#pragma once

#include <QString>
#include <QStringList>

namespace pernoa {

// The main window as the engine and the settings files see it: its controls,
// reached by name (see controls.h). The controls are the live store of the
// sheet parameters; the window, a headless in-memory form and test fakes
// implement this.
class IForm {
public:
    virtual ~IForm() = default;

    // Text boxes and labels.
    virtual QString text(const QString& control) const = 0;
    // Writes a text box even when the user may not edit it (the staff distance).
    virtual void setText(const QString& control, const QString& text) = 0;

    // Option buttons and the check box. Selecting an option button clears the
    // other buttons of its group.
    virtual bool isChecked(const QString& control) const = 0;
    virtual void setChecked(const QString& control, bool checked) = 0;

    // The darkness scroll bar.
    virtual int value(const QString& control) const = 0;
    virtual void setValue(const QString& control, int value) = 0;

    // The line weight list: the visible text of the selected entry ("" when
    // none), and selecting the entry whose caption equals a text (none is
    // selected when no caption matches).
    virtual QString selectedText(const QString& control) const = 0;
    virtual void selectText(const QString& control, const QString& text) = 0;
};

} // namespace pernoa
