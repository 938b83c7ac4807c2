#pragma once

#include "engine/controls.h"
#include "engine/form.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>

namespace pernoa {

// The main window's controls held in memory, starting with the window's
// initial values from the control table (line weight "普通" already
// selected, as after start-up).
// The command line and the tests drive the engine through it.
class HeadlessForm : public IForm {
public:
    HeadlessForm();

    QString text(const QString& control) const override;
    void setText(const QString& control, const QString& text) override;
    bool isChecked(const QString& control) const override;
    void setChecked(const QString& control, bool checked) override;
    int value(const QString& control) const override;
    void setValue(const QString& control, int value) override;
    QString selectedText(const QString& control) const override;
    void selectText(const QString& control, const QString& text) override;

    // Called after a control's value changed through this interface, with the
    // control's name; lets a caller run the window's change handlers.
    std::function<void(const QString&)> onChanged;

private:
    void changed(const QString& control);

    QHash<QString, QString> m_texts;
    QHash<QString, bool> m_checks;
    QHash<QString, int> m_values;
    QHash<QString, QStringList> m_lists;
    QHash<QString, int> m_selected;
};

} // namespace pernoa
