#include "ui/formcontrols.h"

#include "ui/staffstackeditor.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>

namespace pernoa::ui {

void FormControls::add(QWidget* control) {
    const QString name = control->objectName();
    m_controls.insert(name, control);
    const auto tell = [this, name] { changed(name); };
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        QObject::connect(edit, &QLineEdit::textChanged, control, tell);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        QObject::connect(button, &QAbstractButton::toggled, control, tell);
    else if (auto* bar = qobject_cast<QScrollBar*>(control))
        QObject::connect(bar, &QScrollBar::valueChanged, control, tell);
    else if (auto* list = qobject_cast<QListWidget*>(control))
        QObject::connect(list, &QListWidget::itemSelectionChanged, control, tell);
    else if (auto* stack = qobject_cast<StaffStackEditor*>(control))
        QObject::connect(stack, &StaffStackEditor::changed, control, tell);
}

QString FormControls::text(const QString& name) const {
    QWidget* w = control(name);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    if (auto* stack = qobject_cast<StaffStackEditor*>(w))
        return stack->text();
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    if (qobject_cast<QListWidget*>(w))
        return selectedText(name);
    return QString();
}

void FormControls::setText(const QString& name, const QString& text) {
    QWidget* w = control(name);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setText(text);
    else if (auto* stack = qobject_cast<StaffStackEditor*>(w))
        stack->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(text);
}

bool FormControls::isChecked(const QString& name) const {
    auto* button = qobject_cast<QAbstractButton*>(control(name));
    return button && button->isChecked();
}

void FormControls::setChecked(const QString& name, bool checked) {
    auto* button = qobject_cast<QAbstractButton*>(control(name));
    if (!button)
        return;
    if (!checked && button->isChecked() && button->autoExclusive()) {
        // Qt keeps one option of a group selected; clearing the selected one
        // leaves the group with none, as the settings file may ask.
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
        return;
    }
    button->setChecked(checked);
}

int FormControls::value(const QString& name) const {
    auto* bar = qobject_cast<QScrollBar*>(control(name));
    return bar ? bar->value() : 0;
}

void FormControls::setValue(const QString& name, int value) {
    if (auto* bar = qobject_cast<QScrollBar*>(control(name)))
        bar->setValue(value);
}

QString FormControls::selectedText(const QString& name) const {
    auto* list = qobject_cast<QListWidget*>(control(name));
    if (!list)
        return QString();
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void FormControls::selectText(const QString& name, const QString& text) {
    auto* list = qobject_cast<QListWidget*>(control(name));
    if (!list)
        return;
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text() == text) {
            list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
            return;
        }
    }
    list->clearSelection();
    list->setCurrentItem(nullptr);
}

} // namespace pernoa::ui
