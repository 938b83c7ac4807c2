#include "ui/staffstackeditor.h"

#include "engine/musicsettings.h"
#include "engine/texts.h"
#include "ui/texts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace pernoa::ui {
namespace {

enum Column { ClefColumn, LinesColumn, SpacingColumn };
// The clef's word (the stack text's) beside its caption.
constexpr int kWordRole = Qt::UserRole;
// Rows the table shows without scrolling.
constexpr int kVisibleRows = 3;
// A cell holds no more than this; a count or a spacing never needs it.
constexpr int kMaxCellChars = 32;

QString clefCaption(const QString& word) {
    const ClefEntry* entry = clefByWord(word);
    return entry ? pernoa::texts::tableText(entry->name) : word;
}

int widestClefCaption(const QFontMetrics& metrics) {
    int widest = 0;
    for (const ClefEntry& entry : clefTable())
        widest = std::max(widest, metrics.horizontalAdvance(pernoa::texts::tableText(entry.name)));
    return widest;
}

// The clef column edits with a list of the clefs; the number columns with a
// line edit that takes neither of the stack text's separators.
class StackDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        if (index.column() == ClefColumn) {
            auto* clefs = new QComboBox(parent);
            for (const ClefEntry& entry : clefTable())
                clefs->addItem(pernoa::texts::tableText(entry.name),
                               QString::fromLatin1(entry.word));
            return clefs;
        }
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
            edit->setMaxLength(kMaxCellChars);
            edit->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("[^,:]*")), edit));
        }
        return editor;
    }
    // An empty cell shows what it stands for, greyed.
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!option->text.isEmpty() || index.column() == ClefColumn)
            return;
        option->text =
            index.column() == LinesColumn ? QStringLiteral("5") : texts::stackSpacingOfTheWindow();
        option->palette.setColor(QPalette::Text, option->palette.color(QPalette::PlaceholderText));
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        if (auto* clefs = qobject_cast<QComboBox*>(editor)) {
            const int at = clefs->findData(index.data(kWordRole));
            clefs->setCurrentIndex(at >= 0 ? at : 0);
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        if (auto* clefs = qobject_cast<QComboBox*>(editor)) {
            model->setData(index, clefs->currentData(), kWordRole);
            model->setData(index, clefs->currentText(), Qt::DisplayRole);
            return;
        }
        QStyledItemDelegate::setModelData(editor, model, index);
    }
};

} // namespace

StaffStackEditor::StaffStackEditor(QWidget* parent) : QWidget(parent) {
    m_table = new QTableWidget(0, 3, this);
    m_table->setObjectName(QStringLiteral("tblFuhyoNarabi"));
    m_table->setHorizontalHeaderLabels(
        {texts::stackColumnClef(), texts::stackColumnLines(), texts::stackColumnSpacing()});
    m_table->setItemDelegate(new StackDelegate(m_table));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->setToolTip(texts::stackHint());
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionResizeMode(ClefColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(LinesColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(SpacingColumn, QHeaderView::ResizeToContents);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    const int rowHeight = m_table->verticalHeader()->defaultSectionSize();
    m_table->setMinimumHeight(header->sizeHint().height() + kVisibleRows * rowHeight +
                              2 * m_table->frameWidth());
    m_table->setMaximumHeight(m_table->minimumHeight());
    m_table->setMinimumWidth(header->sectionSizeHint(LinesColumn) +
                             header->sectionSizeHint(SpacingColumn) +
                             widestClefCaption(m_table->fontMetrics()) +
                             m_table->verticalHeader()->sizeHint().width() + 40);

    m_add = new QPushButton(texts::stackAddRow());
    m_add->setObjectName(QStringLiteral("cmdFuhyoAdd"));
    m_add->setAutoDefault(false);
    m_remove = new QPushButton(texts::stackRemoveRow());
    m_remove->setObjectName(QStringLiteral("cmdFuhyoRemove"));
    m_remove->setAutoDefault(false);

    // The row commands stand where the window puts them.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);

    connect(m_add, &QPushButton::clicked, this, &StaffStackEditor::addRow);
    connect(m_remove, &QPushButton::clicked, this, &StaffStackEditor::removeRow);
    connect(m_table, &QTableWidget::itemChanged, this, [this] {
        if (!m_filling)
            emit changed();
    });
    connect(m_table, &QTableWidget::itemSelectionChanged, this, &StaffStackEditor::updateButtons);
    updateButtons();
}

QString StaffStackEditor::text() const {
    QStringList rows;
    for (int r = 0; r < m_table->rowCount(); ++r) {
        const QString clef = m_table->item(r, ClefColumn)->data(kWordRole).toString();
        const QString lines = m_table->item(r, LinesColumn)->text();
        const QString spacing = m_table->item(r, SpacingColumn)->text();
        QString row = clef;
        if (!lines.isEmpty() || !spacing.isEmpty())
            row += u':' + lines;
        if (!spacing.isEmpty())
            row += u':' + spacing;
        rows << row;
    }
    return rows.join(u',');
}

void StaffStackEditor::setText(const QString& text) {
    if (text == this->text())
        return;
    m_filling = true;
    m_table->setRowCount(0);
    // A text of another form (which the check refuses) keeps its words in
    // the clef column, each row as it stands.
    const auto rows = splitStackText(text);
    if (rows) {
        for (const StackRowText& row : *rows)
            appendRow(row.clef, row.lines, row.spacing);
    } else {
        for (const QString& row : text.split(u','))
            appendRow(row, QString(), QString());
    }
    m_filling = false;
    updateButtons();
    emit changed();
}

void StaffStackEditor::appendRow(const QString& clef, const QString& lines,
                                 const QString& spacing) {
    const int r = m_table->rowCount();
    m_table->insertRow(r);
    auto* clefItem = new QTableWidgetItem(clefCaption(clef));
    clefItem->setData(kWordRole, clef);
    m_table->setItem(r, ClefColumn, clefItem);
    m_table->setItem(r, LinesColumn, new QTableWidgetItem(lines));
    m_table->setItem(r, SpacingColumn, new QTableWidgetItem(spacing));
    for (const int c : {LinesColumn, SpacingColumn})
        m_table->item(r, c)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void StaffStackEditor::addRow() {
    // A new row repeats the last one's clef and lines; the first is a
    // treble staff of five lines.
    const int last = m_table->rowCount() - 1;
    m_filling = true;
    if (last >= 0)
        appendRow(m_table->item(last, ClefColumn)->data(kWordRole).toString(),
                  m_table->item(last, LinesColumn)->text(), QString());
    else
        appendRow(QStringLiteral("treble"), QStringLiteral("5"), QString());
    m_filling = false;
    m_table->setCurrentCell(m_table->rowCount() - 1, ClefColumn);
    updateButtons();
    emit changed();
}

void StaffStackEditor::removeRow() {
    const int r = m_table->currentRow() >= 0 ? m_table->currentRow() : m_table->rowCount() - 1;
    if (r < 0)
        return;
    m_table->removeRow(r);
    updateButtons();
    emit changed();
}

void StaffStackEditor::updateButtons() {
    m_add->setEnabled(m_table->rowCount() < int(kMaxStackRows));
    m_remove->setEnabled(m_table->rowCount() > 0);
}

} // namespace pernoa::ui
