#include "ui/filecommands.h"

#include "engine/tavriengine.h"
#include "files/defaultsettings.h"
#include "files/settingsfile.h"
#include "output/qtprinter.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace pernoa::ui {
namespace {

// Where the PDF dialog starts: the user's documents, else the home folder.
QString pdfStartFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

} // namespace

QString pdfWrittenMessage(const QString& path) {
    return joinLines(
        {QStringLiteral("PDFファイルに書き出しました。"), QDir::toNativeSeparators(path)});
}

QString pdfCancelledMessage() {
    return QStringLiteral("PDFファイルの書き出しを中止しました。");
}

QString FileDialogs::run(QWidget* parent, bool save) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Open: only an existing file. Save: any name, and a question before an
    // existing file is replaced.
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setNameFilter(m_filter);
    dialog.setDefaultSuffix(m_defaultSuffix);
    // The last accepted file is offered again, in its own folder.
    if (m_lastFileName.isEmpty()) {
        dialog.setDirectory(m_startFolder);
    } else {
        const QFileInfo last(m_lastFileName);
        dialog.setDirectory(last.absolutePath());
        dialog.selectFile(last.fileName());
    }

    const QString path = m_runner.runFileDialog(dialog);
    if (!path.isEmpty())
        m_lastFileName = path;
    return path;
}

QString FileDialogs::getOpenPath(QWidget* parent) {
    return run(parent, false);
}

QString FileDialogs::getSavePath(QWidget* parent) {
    return run(parent, true);
}

FileCommands::FileCommands(TavriEngine& engine, overlay::OverlayItems& items,
                           const QString& programFolder, IDialogRunner& runner)
    : m_engine(engine), m_form(engine.form()),
      m_file(std::make_unique<SettingsFile>(engine, items)),
      m_dialogs(runner, SettingsDialogFolder(programFolder)),
      m_pdfDialogs(runner, pdfStartFolder(), PdfFileFilter, QStringLiteral("pdf")),
      m_defaultPath(DefaultSetteiPath(programFolder)) {}

FileCommands::~FileCommands() = default;

void FileCommands::openCommand(QWidget* dialogParent) {
    const QString path = m_dialogs.getOpenPath(dialogParent);
    if (path.isEmpty())
        return;
    m_file->boLoadSetteiFile(path);
}

void FileCommands::saveCommand(QWidget* dialogParent) {
    const QString path = m_dialogs.getSavePath(dialogParent);
    if (path.isEmpty())
        return;
    m_file->SaveSetteiFile(path);
}

void FileCommands::exportPdfCommand(QWidget* dialogParent) {
    const QString path = m_pdfDialogs.getSavePath(dialogParent);
    if (path.isEmpty())
        return;
    output::QtPrinter pdf(path);
    PrintJobOptions job;
    job.printer = &pdf;
    job.doneMessage = pdfWrittenMessage(path);
    job.cancelledMessage = pdfCancelledMessage();
    m_engine.cmdPrintClick(job);
}

void FileCommands::loadStartupFile(const QStringList& arguments) {
    const QString path = stGetCommandLine(arguments);
    if (path.isEmpty())
        return;
    if (!m_file->boLoadSetteiFile(path))
        m_engine.messages().showMessage(
            QStringLiteral("関連づけされた設定ファイルの読み込みに失敗しました。"), AppTitle,
            MsgIcon::Critical);
}

void FileCommands::LoadDefaultSettei() {
    pernoa::LoadDefaultSettei(m_form, m_defaultPath);
}

void FileCommands::SaveDefaultSettei() {
    pernoa::SaveDefaultSettei(m_form, m_defaultPath);
}

} // namespace pernoa::ui
