#pragma once

#include "engine/form.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QString>

class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace pernoa {
class IPrinterList;
class TavriEngine;
} // namespace pernoa

namespace pernoa::ui {

class AboutBox;
class HelpWindow;
class FileCommands;

// The parameter window "ペルノアVer2.2" (frmMain). Its controls are the live
// store of every sheet parameter; each carries its name from controls.h (and
// the commands and menu entries theirs) as its object name, and the engine and
// the settings files reach them through IForm. A change made through IForm
// runs the same handler a user's change runs: selecting an option, clicking
// the landscape box, moving the darkness scroll bar, editing the copy count.
//
// Closing the window ("終了" or the close box) ends the whole program.
class MainWindow : public QMainWindow, public IForm {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    // The engine whose handlers the controls run. Until one is set (while the
    // window is being built) changes run no handler.
    void setEngine(TavriEngine* engine) { m_engine = engine; }
    // The printers the printer selection offers and changes.
    void setPrinterList(IPrinterList* printers) { m_printers = printers; }

    // The help window and the About box while one is open (else null).
    HelpWindow* helpWindow() const;
    AboutBox* aboutBox() const;

    // The file commands the menu "設定" and shutdown run. Until they are set
    // the menu commands do nothing.
    void setFileCommands(FileCommands* commands) { m_fileCommands = commands; }

    // The folder that holds the program, without a trailing separator.
    QString programFolder() const { return m_programFolder; }
    void setProgramFolder(const QString& folder) { m_programFolder = folder; }

    // IForm
    QString text(const QString& control) const override;
    void setText(const QString& control, const QString& text) override;
    bool isChecked(const QString& control) const override;
    void setChecked(const QString& control, bool checked) override;
    int value(const QString& control) const override;
    void setValue(const QString& control, int value) override;
    QString selectedText(const QString& control) const override;
    void selectText(const QString& control, const QString& text) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    // Opens the help window, or brings the open one forward.
    void showHelp();
    // Opens the About box, or brings the open one forward.
    void showAbout();
    // The printer selection, modal.
    void choosePrinter();
    void openSettings();
    void saveSettings();
    // The print command onto a PDF file.
    void exportPdf();

private:
    QWidget* buildSheetTab();
    QWidget* buildStaffTab();
    QWidget* buildCommands();
    void buildMenus();
    void connectHandlers();
    void setFocusOrder();
    void tabToSelectedOptions();

    // A number field with its caption above and its unit after it (from the
    // control table), at a cell of a two-column grid.
    QLineEdit* addField(QGridLayout* grid, int row, int column, const char* name);
    // A number field of the paper of the user's size, its caption as a tooltip.
    QLineEdit* sizeField(const char* name);
    QLabel* captionLabel(const QString& text, QWidget* buddy);

    QWidget* control(const QString& name) const { return m_controls.value(name); }

    TavriEngine* m_engine = nullptr;
    IPrinterList* m_printers = nullptr;
    QPointer<HelpWindow> m_help;
    QPointer<AboutBox> m_about;
    FileCommands* m_fileCommands = nullptr;
    QString m_programFolder;
    QHash<QString, QWidget*> m_controls;
};

} // namespace pernoa::ui
