#include "engine/headlessform.h"

#include "engine/controls.h"
#include "engine/numberrules.h"

namespace pernoa {

HeadlessForm::HeadlessForm() {
    for (const ControlRow& c : controlTable()) {
        const QString initial = startTextOf(c);
        switch (c.kind) {
        case ControlKind::Text:
        case ControlKind::Label:
            m_texts.insert(c.name, initial);
            break;
        case ControlKind::Option:
        case ControlKind::Check:
            m_checks.insert(c.name, initial == QLatin1String("1"));
            break;
        case ControlKind::ScrollBar:
            m_values.insert(c.name, num::textToInt32(initial));
            break;
        case ControlKind::List:
            m_lists.insert(c.name, lineWeightCaptions());
            m_selected.insert(c.name, int(lineWeightCaptions().indexOf(initial)));
            break;
        }
    }
}

void HeadlessForm::changed(const QString& control) {
    if (onChanged)
        onChanged(control);
}

QString HeadlessForm::text(const QString& control) const {
    return m_texts.value(control);
}

void HeadlessForm::setText(const QString& control, const QString& text) {
    const bool differs = m_texts.value(control) != text || !m_texts.contains(control);
    m_texts.insert(control, text);
    if (differs)
        changed(control);
}

bool HeadlessForm::isChecked(const QString& control) const {
    return m_checks.value(control, false);
}

void HeadlessForm::setChecked(const QString& control, bool checked) {
    const bool before = m_checks.value(control, false);
    if (checked) {
        for (const QString& other : optionGroupOf(control))
            if (other != control)
                m_checks.insert(other, false);
    }
    m_checks.insert(control, checked);
    if (before != checked)
        changed(control);
}

int HeadlessForm::value(const QString& control) const {
    return m_values.value(control, 0);
}

void HeadlessForm::setValue(const QString& control, int value) {
    const int before = m_values.value(control, 0);
    m_values.insert(control, value);
    if (before != value)
        changed(control);
}

QString HeadlessForm::selectedText(const QString& control) const {
    const int index = m_selected.value(control, -1);
    const QStringList items = m_lists.value(control);
    return index >= 0 && index < items.size() ? items.at(index) : QString();
}

void HeadlessForm::selectText(const QString& control, const QString& text) {
    const int before = m_selected.value(control, -1);
    const int index = int(m_lists.value(control).indexOf(text));
    m_selected.insert(control, index);
    if (before != index)
        changed(control);
}

} // namespace pernoa
