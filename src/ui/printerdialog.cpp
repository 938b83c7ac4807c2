#include "ui/printerdialog.h"

#include "engine/surfaces.h"
#include "preview/texts.h"
#include "preview/widgetparts.h"
#include "ui/texts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace pernoa::ui {
namespace {

// 4560 x 2505 twips at 15 twips to a pixel.
constexpr int kWidth = 304;
constexpr int kHeight = 167;

} // namespace

PrinterDialog::PrinterDialog(IPrinterList& printers, QWidget* parent)
    : QDialog(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_printers(printers) {
    setObjectName(QStringLiteral("frmSetPrinter"));
    setWindowTitle(texts::printerDialogTitle());

    m_label = preview::plainLabel(QString(), "lblSelectPrinter");
    m_label->setWordWrap(true);

    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("lstSelectPrinter"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* ok = new QPushButton(preview::texts::ok());
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &PrinterDialog::cmdOKClick);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    setFixedSize(kWidth, kHeight);

    load();
    // A list that gets the focus with no current entry makes its first entry
    // current and selected; with nothing selected the focus starts on "OK" so
    // that opening and confirming changes nothing.
    if (m_list->selectedItems().isEmpty())
        ok->setFocus();
}

QString PrinterDialog::noPrinterText() {
    return texts::noPrinterInstalled();
}

QString PrinterDialog::noSchedulerText() {
    return texts::noScheduler();
}

void PrinterDialog::load() {
    m_list->clear();
    const QString current = m_printers.currentPrinterName();
    const QStringList names = m_printers.printerNames();
    for (const QString& name : names) {
        m_list->addItem(name);
        // Exact, case-sensitive: two queues may differ in case alone.
        if (name == current)
            m_list->setCurrentRow(m_list->count() - 1, QItemSelectionModel::ClearAndSelect);
    }
    if (!names.isEmpty())
        m_label->setText(texts::choosePrinter());
    else
        m_label->setText(m_printers.schedulerAnswers() ? noPrinterText() : noSchedulerText());
}

void PrinterDialog::cmdOKClick() {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    const QString chosen = selected.isEmpty() ? QString() : selected.first()->text();
    // The printer may have gone since the list was filled: only one that is
    // still installed becomes current.
    if (!chosen.isEmpty() && m_printers.printerNames().contains(chosen))
        m_printers.setCurrentPrinter(chosen);
    accept();
}

} // namespace pernoa::ui
