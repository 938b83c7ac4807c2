#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QString>

class QAction;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QGridLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QMimeData;
class QWidget;

namespace pernoa {
class IPrinterList;
class TavriEngine;
} // namespace pernoa

namespace pernoa::ui {

class AboutBox;
class HelpWindow;
class FileCommands;
class FormControls;

// The parameter window "ペルノアVer2.2" (frmMain). Its controls are the live
// store of every sheet parameter; each carries its name from controls.h (and
// the commands and menu entries theirs) as its object name and is registered
// in the form the engine and the settings files reach them through.
//
// Its title names the page's file, marked while there are unsaved changes
// ("ペルノアVer2.2 - etude.kvs2*"). Closing the window ("終了" or the close
// box) ends the whole program, after asking about unsaved changes. The menu
// "設定" lists the recent files (Ctrl+1 ... Ctrl+5), the menu "編集" undoes
// and redoes the page's changes. A settings file dropped on the window is
// opened; anything else dropped is refused.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The form takes the window's controls; their changes and the commands
    // run the engine's handlers and the file commands; the printer selection
    // offers and changes the printers.
    MainWindow(FormControls& form, TavriEngine& engine, FileCommands& fileCommands,
               IPrinterList& printers, QWidget* parent = nullptr);

    // The help window and the About box while one is open (else null).
    HelpWindow* helpWindow() const;
    AboutBox* aboutBox() const;

    // The title as the window system shows it (the mark resolved).
    QString shownTitle() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

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
    // "Language / 言語" in the help menu: the desktop's language, Japanese or
    // English from the next start on.
    void buildLanguageMenu(QMenu& help);
    QWidget* buildSheetTab();
    QWidget* buildStaffTab();
    QWidget* buildMusicTab();
    // The staff height label and the rastral shown for the spacing as it is.
    void showStaffSize();
    QWidget* buildCommands();
    void buildMenus();
    void updateTitle();
    void updateRecentFiles();
    // The settings file a drag brings, or "" when it brings anything else.
    static QString droppedSettingsFile(const QMimeData* data);
    void connectHandlers();
    void setFocusOrder();
    void tabToSelectedOptions();

    // A number field with its caption above and its unit after it (from the
    // control table), at a cell of a two-column grid.
    QLineEdit* addField(QGridLayout* grid, int row, int column, const char* name);
    // A number field of the paper of the user's size, its caption as a tooltip.
    QLineEdit* sizeField(const char* name);
    QLabel* captionLabel(const QString& text, QWidget* buddy);

    QWidget* control(const QString& name) const;

    FormControls& m_form;
    TavriEngine& m_engine;
    FileCommands& m_fileCommands;
    IPrinterList& m_printers;
    QPointer<HelpWindow> m_help;
    QPointer<AboutBox> m_about;
    QMenu* m_settingsMenu = nullptr;
    QList<QAction*> m_recentEntries;
};

} // namespace pernoa::ui
