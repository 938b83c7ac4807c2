#pragma once

#include <QDialog>

class QLabel;
class QListWidget;

namespace pernoa {
class IPrinterList;
}

namespace pernoa::ui {

// "ペルノア－使用するプリンターの設定" (frmSetPrinter): the system's printers,
// the current one selected; "OK" makes the selected one current for every
// later print of the run. Closing through the frame changes nothing. Meant to
// be run modal (exec()).
class PrinterDialog : public QDialog {
    Q_OBJECT
public:
    explicit PrinterDialog(IPrinterList& printers, QWidget* parent = nullptr);

    // The label's text when the system has no printer at all.
    static QString noPrinterText();
    // The label's text when no print scheduler answers, so that no printer
    // can be listed.
    static QString noSchedulerText();

private slots:
    void cmdOKClick();

private:
    void load();

    IPrinterList& m_printers;
    QLabel* m_label = nullptr;
    QListWidget* m_list = nullptr;
};

} // namespace pernoa::ui
