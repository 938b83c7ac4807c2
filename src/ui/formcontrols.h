#pragma once

#include "engine/form.h"

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

namespace pernoa::ui {

// The main window's controls, by name, as the engine and the settings files
// read and write them (IForm). It exists before the window, so that whatever
// works on the form can be built first and handed to the window; the window
// registers each control as it builds it. A change made here runs the same
// handler a user's change runs (the window connects them): selecting an
// option, clicking the landscape box, moving the darkness scroll bar,
// editing the copy count.
class FormControls : public IForm {
public:
    // Registers a control under its name (its object name).
    void add(QWidget* control);
    // Told the name of a control after each change of its value, by the user
    // or the program (the text of a field or label, an option or the box
    // checked or cleared, the scroll bar moved, the list's selection).
    void setChangeListener(std::function<void(const QString& control)> listener) {
        m_listener = std::move(listener);
    }
    QWidget* control(const QString& name) const { return m_controls.value(name); }

    QString text(const QString& control) const override;
    void setText(const QString& control, const QString& text) override;
    bool isChecked(const QString& control) const override;
    void setChecked(const QString& control, bool checked) override;
    int value(const QString& control) const override;
    void setValue(const QString& control, int value) override;
    QString selectedText(const QString& control) const override;
    void selectText(const QString& control, const QString& text) override;

private:
    void changed(const QString& name) {
        if (m_listener)
            m_listener(name);
    }

    QHash<QString, QPointer<QWidget>> m_controls;
    std::function<void(const QString&)> m_listener;
};

} // namespace pernoa::ui
