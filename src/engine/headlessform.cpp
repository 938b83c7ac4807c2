#include "engine/headlessform.h"

#include "engine/controls.h"

namespace pernoa {

QStringList optionGroupOf(const QString& control) {
    static const QList<QStringList> groups = {
        {ctl::optA3, ctl::optA4, ctl::optA5, ctl::optB4, ctl::optB5},
        {ctl::optHyojiLarge, ctl::opbHyojiSmall},
        {ctl::opt2, ctl::opt3, ctl::opt4, ctl::opt5, ctl::opt6},
    };
    for (const QStringList& g : groups)
        if (g.contains(control))
            return g;
    return {};
}

HeadlessForm::HeadlessForm() {
    m_texts = {
        {ctl::txtSpaceSizeUp, "30"},   {ctl::txtSpaceSizeDown, "30"},
        {ctl::txtSpaceSizeLeft, "15"}, {ctl::txtSpaceSizeRight, "15"},
        {ctl::txtPrinterGosaY, "0"},   {ctl::txtPrinterGosaX, "0"},
        {ctl::txtDaifuhyoCnt, "1"},    {ctl::txtDaifuhyoInterval, "0"},
        {ctl::txtTavriDansu, "10"},    {ctl::txtLineInterval, "2"},
        {ctl::txtTavriInterval, ""},   {ctl::txtPrintCount, "1"},
        {ctl::lblPrintShade, "100%"},
    };
    for (const char* c : {ctl::optA3, ctl::optA4, ctl::optA5, ctl::optB4, ctl::optB5,
                          ctl::chkPrintDirectionYoko, ctl::optHyojiLarge, ctl::opbHyojiSmall,
                          ctl::opt2, ctl::opt3, ctl::opt4, ctl::opt5, ctl::opt6})
        m_checks.insert(c, false);
    m_checks[ctl::optA4] = true;
    m_checks[ctl::opbHyojiSmall] = true;
    m_checks[ctl::opt5] = true;
    m_values.insert(ctl::sbrPrintShade, 0);
    m_lists.insert(ctl::lstLineWeight,
                   {QStringLiteral("細め"), QStringLiteral("普通"), QStringLiteral("太め")});
    m_selected.insert(ctl::lstLineWeight, 1);
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
