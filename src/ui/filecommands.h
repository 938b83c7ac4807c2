#pragma once

// The file commands of the main window: "開く(&O)", "保存(&S)" and
// "PDFに書き出す…" of the menu "設定", the settings file named on the command
// line, and the default settings file read at start-up and written at
// shutdown.

#include "ui/dialogrunner.h"

#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

namespace pernoa {
class SettingsFile;
class TavriEngine;
class IForm;
namespace overlay {
class OverlayItems;
}
} // namespace pernoa

namespace pernoa::ui {

// The filter of the settings files' dialogs, and of the PDF export's.
inline const QString SettingsFileFilter = QStringLiteral("ペルノアファイル(*.kvs2)");
inline const QString PdfFileFilter = QStringLiteral("PDF (*.pdf)");

// The message after the PDF export, naming the file; and after the user
// stopped it.
QString pdfWrittenMessage(const QString& path);
QString pdfCancelledMessage();

// File dialogs of one kind of file with one dialog state (the last accepted
// file name): the settings files' open and save share one, as one dialog
// component of the main window; the PDF export has its own. The runner
// answers each dialog: the desktop's, or a test's.
class FileDialogs {
public:
    // The folder the dialogs start in when no file was accepted yet, the
    // filter, and the suffix added to a name typed without one (none for the
    // settings files).
    FileDialogs(IDialogRunner& runner, QString startFolder, QString filter = SettingsFileFilter,
                QString defaultSuffix = {})
        : m_runner(runner), m_startFolder(std::move(startFolder)), m_filter(std::move(filter)),
          m_defaultSuffix(std::move(defaultSuffix)) {}

    // The chosen path exactly as the dialog returns it (no extension added),
    // or the empty string when the user cancelled.
    QString getOpenPath(QWidget* parent);
    QString getSavePath(QWidget* parent);

    QString lastFileName() const { return m_lastFileName; }

private:
    QString run(QWidget* parent, bool save);

    IDialogRunner& m_runner;
    QString m_startFolder;
    QString m_filter;
    QString m_defaultSuffix;
    QString m_lastFileName; // full path of the last accepted file
};

// The commands themselves, on the engine (its form and messages) and the
// item model; their dialogs stand over the window given to each command.
class FileCommands {
public:
    FileCommands(TavriEngine& engine, overlay::OverlayItems& items, const QString& programFolder,
                 IDialogRunner& runner);
    ~FileCommands();

    // Menu "設定": the open and the save command.
    void openCommand(QWidget* dialogParent);
    void saveCommand(QWidget* dialogParent);
    // Menu "設定": "PDFに書き出す…", the print command (copy count and all)
    // onto a PDF file chosen in a save dialog instead of the printer.
    void exportPdfCommand(QWidget* dialogParent);

    // Start-up: the settings file named on the command line. Shows
    // "関連づけされた設定ファイルの読み込みに失敗しました。" after the readers'
    // own messages when the file does not load completely.
    void loadStartupFile(const QStringList& arguments);

    // The default settings file: read before the main window shows, written
    // at shutdown.
    void LoadDefaultSettei();
    void SaveDefaultSettei();
    QString defaultSetteiPath() const { return m_defaultPath; }

    FileDialogs& dialogs() { return m_dialogs; }
    FileDialogs& pdfDialogs() { return m_pdfDialogs; }
    SettingsFile& settingsFile() { return *m_file; }

private:
    TavriEngine& m_engine;
    IForm& m_form;
    std::unique_ptr<SettingsFile> m_file;
    FileDialogs m_dialogs;
    FileDialogs m_pdfDialogs;
    QString m_defaultPath;
};

} // namespace pernoa::ui
