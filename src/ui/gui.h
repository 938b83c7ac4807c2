#pragma once

#include "engine/language.h"

#include <QStringList>

#include <memory>

class QApplication;

namespace pernoa {
class TavriEngine;
namespace document {
class Document;
}
namespace preview {
class PreviewWindow;
class ItemDialogs;
} // namespace preview
namespace overlay {
class OverlayItems;
}
namespace output {
class MusicFont;
class QtPrinter;
class QtPrinterList;
} // namespace output
} // namespace pernoa

namespace pernoa::ui {

class MainWindow;
class MessageBoxes;
class FileCommands;
class FormControls;
class IDialogRunner;
class JobProgressDialog;

// The program's windows and what they work on: the message boxes, the form
// of the main window's controls, the staff engine that reads it and draws on
// the preview window, the page's items, which the engine draws after the
// staves and the preview window shows and edits, the page as a document
// (its file, its history, the recent files), the printers, the file
// commands and the item dialogs. Everything a window works on is built before
// it and handed to it, and outlives it.
class GuiProgram {
public:
    // Needs a QApplication. The runner answers the message boxes and file
    // dialogs. The program's folder (where the default settings file lives)
    // is the executable's unless one is given.
    explicit GuiProgram(IDialogRunner& runner, const QString& programFolder = {});
    ~GuiProgram();
    GuiProgram(const GuiProgram&) = delete;
    GuiProgram& operator=(const GuiProgram&) = delete;

    // The application-wide settings the windows expect: their font, and a
    // life that ends with the main window alone (the preview window is only
    // ever hidden and must not keep the program running), and the language
    // they speak, Qt's own dialogs included.
    static void prepareApplication(QApplication& app, Language language = Language::Japanese);

    // Start-up: shows the preview window, sets the start values, reads the
    // printer offsets of the last run, shows the main window with the preview
    // window beside it, draws the default page and loads the settings file
    // named by the first argument after the program's name, if any.
    void start(const QStringList& arguments = {});

    // Where the recent files are kept: recent-files.ini in the user's
    // configuration folder of the program.
    static QString recentFilesStore();

    // The folder taken as the program's own, without a trailing separator.
    QString programFolder() const { return m_programFolder; }

    MainWindow& mainWindow() { return *m_main; }
    preview::PreviewWindow& previewWindow() { return *m_preview; }
    TavriEngine& engine() { return *m_engine; }
    MessageBoxes& messages() { return *m_messages; }
    // The main window's controls, by name.
    FormControls& form() { return *m_form; }
    // The page's text and image items.
    overlay::OverlayItems& items() { return *m_items; }
    // The settings-file commands.
    FileCommands& fileCommands() { return *m_fileCommands; }
    // The page as a document: its file, its history, the recent files.
    document::Document& document() { return *m_document; }
    // The system's printers and the one the program prints on.
    output::QtPrinterList& printers() { return *m_printers; }
    // The progress of print jobs and PDF exports.
    JobProgressDialog& progress() { return *m_progress; }

private:
    // In the order they are built; each is destroyed before what it works on.
    QString m_programFolder;
    std::unique_ptr<MessageBoxes> m_messages;
    std::unique_ptr<FormControls> m_form;
    std::unique_ptr<output::MusicFont> m_musicFont;
    std::unique_ptr<TavriEngine> m_engine;
    std::unique_ptr<overlay::OverlayItems> m_items;
    std::unique_ptr<document::Document> m_document;
    std::unique_ptr<output::QtPrinterList> m_printers;
    std::unique_ptr<output::QtPrinter> m_printer;
    std::unique_ptr<FileCommands> m_fileCommands;
    std::unique_ptr<preview::ItemDialogs> m_dialogs;
    std::unique_ptr<preview::PreviewWindow> m_preview;
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<JobProgressDialog> m_progress;
};

// Starts the windows, speaking the language, and runs until the main window
// closes.
int runGui(int argc, char* argv[], Language language);

} // namespace pernoa::ui
