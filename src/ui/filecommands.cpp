#include "ui/filecommands.h"

#include "engine/tavriengine.h"
#include "files/defaultsettings.h"
#include "files/settingsfile.h"
#include "output/qtprinter.h"
#include "ui/texts.h"

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
      m_svgDialogs(runner, pdfStartFolder(), texts::svgFileFilter(), QStringLiteral("svg")),
      m_pngDialogs(runner, pdfStartFolder(), texts::pngFileFilter(), QStringLiteral("png")),
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

namespace {

// One page onto an SVG or PNG file: the drawing routine with one copy, its
// confirmation naming the file.
void exportPage(TavriEngine& engine, FileDialogs& dialogs, QWidget* parent,
                output::FileFormat format, const QString& written) {
    const QString path = dialogs.getSavePath(parent);
    if (path.isEmpty())
        return;
    output::QtPrinter page(path, format);
    PrintJobOptions job;
    job.printer = &page;
    job.doneMessage = written.arg(QDir::toNativeSeparators(path));
    engine.DrawTavriSheet(1, job);
}

} // namespace

void FileCommands::exportSvgCommand(QWidget* dialogParent) {
    exportPage(m_engine, m_svgDialogs, dialogParent, output::FileFormat::Svg, texts::svgWritten());
}

void FileCommands::exportPngCommand(QWidget* dialogParent) {
    exportPage(m_engine, m_pngDialogs, dialogParent, output::FileFormat::Png, texts::pngWritten());
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
