#pragma once

#include <QString>
#include <QWidget>

class QPushButton;
class QTableWidget;

namespace pernoa::ui {

// The staff stack of the third tab, edited row by row: each row a clef,
// a line count and a spacing of its own (empty: the window's). The form
// reaches it as one text, the stack's text of musicsettings.h, holding the
// counts and spacings exactly as typed, so that the check judges them as it
// judges every other field.
class StaffStackEditor : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY changed USER true)
public:
    explicit StaffStackEditor(QWidget* parent = nullptr);

    QString text() const;
    // Shows the rows of a stack text; a clef word it does not know is kept
    // as it is, for the check to name.
    void setText(const QString& text);

    QTableWidget* table() const { return m_table; }
    // The commands that add a row after the last and remove the current
    // one; the window places them (they have no parent until it does).
    QPushButton* addButton() const { return m_add; }
    QPushButton* removeButton() const { return m_remove; }

signals:
    // After every change, typed or set.
    void changed();

private:
    void appendRow(const QString& clef, const QString& lines, const QString& spacing);
    void addRow();
    void removeRow();
    void updateButtons();

    QTableWidget* m_table;
    QPushButton* m_add;
    QPushButton* m_remove;
    bool m_filling = false;
};

} // namespace pernoa::ui
