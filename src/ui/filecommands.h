#pragma once

// The file commands of the main window: "開く(&O)", "保存(&S)",
// "PDFに書き出す…", "SVGに書き出す…" and "PNGに書き出す…" of the menu "設定",
// the settings file named on the command line, and the default settings file
// read at start-up and written at shutdown.

#include <QFileDialog>
#include <QList>
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
// component of the main window; the PDF export has its own.
//
// Tests pre-answer them like the message boxes: while answers are queued the
// dialog (of any kind) is built as usual, recorded and answered without being
// shown (an empty answer is a cancel).
class FileDialogs {
public:
    // The folder the dialogs start in when no file was accepted yet, the
    // filter, and the suffix added to a name typed without one (none for the
    // settings files).
    explicit FileDialogs(QString startFolder, QString filter = SettingsFileFilter,
                         QString defaultSuffix = {})
        : m_startFolder(std::move(startFolder)), m_filter(std::move(filter)),
          m_defaultSuffix(std::move(defaultSuffix)) {}

    // The chosen path exactly as the dialog returns it (no extension added),
    // or the empty string when the user cancelled.
    QString getOpenPath(QWidget* parent);
    QString getSavePath(QWidget* parent);

    QString lastFileName() const { return m_lastFileName; }

    struct Record {
        QFileDialog::AcceptMode acceptMode;
        QFileDialog::FileMode fileMode;
        QString directory;
        QStringList selectedFiles; // the name offered
        QStringList nameFilters;
        QString defaultSuffix;
        bool confirmOverwrite;
    };
    static void preset(const QList<QString>& answers);
    static QList<Record> takeRecords();

private:
    QString run(QWidget* parent, bool save);

    QString m_startFolder;
    QString m_filter;
    QString m_defaultSuffix;
    QString m_lastFileName; // full path of the last accepted file
};

using SettingsFileDialogs = FileDialogs;

// The commands themselves, on the main window's form, the engine and the
// item model.
class FileCommands {
public:
    FileCommands(TavriEngine& engine, overlay::OverlayItems& items, QWidget* dialogParent,
                 const QString& programFolder);
    ~FileCommands();

    // Menu "設定": the open and the save command.
    void openCommand();
    void saveCommand();
    // Menu "設定": "PDFに書き出す…", the print command (copy count and all)
    // onto a PDF file chosen in a save dialog instead of the printer.
    void exportPdfCommand();
    // Menu "設定": "SVGに書き出す…" and "PNGに書き出す…", one page (the copy
    // count does not count) onto a file chosen in a save dialog; the PNG at
    // 300 dpi.
    void exportSvgCommand();
    void exportPngCommand();

    // Start-up: the settings file named on the command line. Shows
    // "関連づけされた設定ファイルの読み込みに失敗しました。" after the readers'
    // own messages when the file does not load completely.
    void loadStartupFile(const QStringList& arguments);

    // The default settings file: read before the main window shows, written
    // at shutdown.
    void LoadDefaultSettei();
    void SaveDefaultSettei();
    QString defaultSetteiPath() const { return m_defaultPath; }

    SettingsFileDialogs& dialogs() { return m_dialogs; }
    FileDialogs& pdfDialogs() { return m_pdfDialogs; }
    FileDialogs& svgDialogs() { return m_svgDialogs; }
    FileDialogs& pngDialogs() { return m_pngDialogs; }
    SettingsFile& settingsFile() { return *m_file; }

private:
    TavriEngine& m_engine;
    IForm& m_form;
    std::unique_ptr<SettingsFile> m_file;
    QWidget* m_dialogParent;
    SettingsFileDialogs m_dialogs;
    FileDialogs m_pdfDialogs;
    FileDialogs m_svgDialogs;
    FileDialogs m_pngDialogs;
    QString m_defaultPath;
};

} // namespace pernoa::ui
