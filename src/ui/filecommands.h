#pragma once

// The file commands of the main window: "開く(&O)", "保存(&S)",
// "PDFに書き出す…", "SVGに書き出す…" and "PNGに書き出す…" of the menu "設定",
// the settings file named on the command line, and the default settings file
// read at start-up and written at shutdown.

#include "ui/dialogrunner.h"

#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

namespace pernoa {
class SettingsFile;
class TavriEngine;
class IForm;
namespace document {
class Document;
}
} // namespace pernoa

namespace pernoa::ui {

// File dialogs of one kind of file with one dialog state (the last accepted
// file name): the settings files' open and save share one, as one dialog
// component of the main window; the PDF export has its own. The runner
// answers each dialog: the desktop's, or a test's.
class FileDialogs {
public:
    // The folder the dialogs start in when no file was accepted yet, the
    // filter, and the suffix added to a name typed without one (none for the
    // settings files).
    FileDialogs(IDialogRunner& runner, QString startFolder, QString filter,
                QString defaultSuffix = {})
        : m_runner(runner), m_startFolder(std::move(startFolder)), m_filter(std::move(filter)),
          m_defaultSuffix(std::move(defaultSuffix)) {}

    // The chosen path exactly as the dialog returns it (no extension added),
    // or the empty string when the user cancelled.
    QString getOpenPath(QWidget* parent);
    QString getSavePath(QWidget* parent);

    QString lastFileName() const { return m_lastFileName; }
    // The file the next dialog offers.
    void setLastFileName(const QString& path) { m_lastFileName = path; }

private:
    QString run(QWidget* parent, bool save);

    IDialogRunner& m_runner;
    QString m_startFolder;
    QString m_filter;
    QString m_defaultSuffix;
    QString m_lastFileName; // full path of the last accepted file
};

// The commands themselves, on the engine (its form and messages) and the
// page as a document; their dialogs stand over the window given to each
// command. Whatever would replace a page with unsaved changes (opening a
// file, the end of the program) asks first whether to save them.
class FileCommands {
public:
    FileCommands(TavriEngine& engine, document::Document& document, const QString& programFolder,
                 IDialogRunner& runner);
    ~FileCommands();

    // Menu "設定": the open and the save command. The save is true when the
    // file was written.
    void openCommand(QWidget* dialogParent);
    bool saveCommand(QWidget* dialogParent);
    // Menu "設定": "PDFに書き出す…", the print command (copy count and all)
    // onto a PDF file chosen in a save dialog instead of the printer.
    void exportPdfCommand(QWidget* dialogParent);
    // Menu "設定": "SVGに書き出す…" and "PNGに書き出す…", one page (the copy
    // count does not count) onto a file chosen in a save dialog; the PNG at
    // 300 dpi.
    void exportSvgCommand(QWidget* dialogParent);
    void exportPngCommand(QWidget* dialogParent);

    // A settings file dropped on a window, or chosen among the recent files:
    // opened after the question about unsaved changes. A recent file that no
    // longer exists is dropped from the list after the reader's message,
    // nothing else changing.
    void openFile(const QString& path, QWidget* parent);
    void openRecentFile(const QString& path, QWidget* parent);

    // Asks, when the page has unsaved changes, whether to save them: true
    // when the page may go (nothing to save, saved, or the user chose not to
    // save), false when the user cancelled or the save did not happen.
    bool mayDiscardChanges(QWidget* parent);

    // Start-up: the settings file named on the command line. Shows
    // "関連づけされた設定ファイルの読み込みに失敗しました。" after the readers'
    // own messages when the file does not load completely.
    void loadStartupFile(const QStringList& arguments);

    // The default settings file: read before the main window shows, written
    // at shutdown.
    void LoadDefaultSettei();
    void SaveDefaultSettei();

    FileDialogs& dialogs() { return m_dialogs; }
    SettingsFile& settingsFile();
    document::Document& document() { return m_document; }

private:
    // Loads through the document; the next save dialog offers the file.
    bool load(const QString& path);

    TavriEngine& m_engine;
    IForm& m_form;
    document::Document& m_document;
    FileDialogs m_dialogs;
    FileDialogs m_pdfDialogs;
    FileDialogs m_svgDialogs;
    FileDialogs m_pngDialogs;
    QString m_defaultPath;
};

} // namespace pernoa::ui
