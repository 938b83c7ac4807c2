#include "ui/filecommands.h"

#include "document/document.h"
#include "engine/tavriengine.h"
#include "engine/texts.h"
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

QString FileDialogs::run(QWidget* parent, bool save) {
    OwnedDialog<QFileDialog> dialog(new QFileDialog(parent));
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Open: only an existing file. Save: any name, and a question before an
    // existing file is replaced.
    dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog->setNameFilter(m_filter);
    dialog->setDefaultSuffix(m_defaultSuffix);
    // The last accepted file is offered again, in its own folder.
    if (m_lastFileName.isEmpty()) {
        dialog->setDirectory(m_startFolder);
    } else {
        const QFileInfo last(m_lastFileName);
        dialog->setDirectory(last.absolutePath());
        dialog->selectFile(last.fileName());
    }

    const QString path = m_runner.runFileDialog(*dialog);
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

FileCommands::FileCommands(TavriEngine& engine, document::Document& document,
                           const QString& programFolder, IDialogRunner& runner)
    : m_engine(engine), m_form(engine.form()), m_document(document),
      m_dialogs(runner, settingsDialogFolder(programFolder), texts::settingsFileFilter()),
      m_pdfDialogs(runner, pdfStartFolder(), texts::pdfFileFilter(), QStringLiteral("pdf")),
      m_svgDialogs(runner, pdfStartFolder(), texts::svgFileFilter(), QStringLiteral("svg")),
      m_pngDialogs(runner, pdfStartFolder(), texts::pngFileFilter(), QStringLiteral("png")),
      m_defaultPath(DefaultSetteiPath(programFolder)) {}

FileCommands::~FileCommands() = default;

SettingsFile& FileCommands::settingsFile() {
    return m_document.settingsFile();
}

bool FileCommands::load(const QString& path) {
    const bool whole = m_document.load(path);
    if (m_document.currentFile() == path)
        m_dialogs.setLastFileName(path);
    return whole;
}

bool FileCommands::mayDiscardChanges(QWidget* parent) {
    // A drag in progress is a change too.
    m_document.settle();
    if (!m_document.isModified())
        return true;
    const QString file = m_document.currentFile();
    const MsgAnswer answer = m_engine.messages().showMessage(
        file.isEmpty() ? texts::saveChangesQuestion()
                       : texts::saveChangesToFileQuestion(QFileInfo(file).fileName()),
        pernoa::texts::appTitle(), MsgIcon::Warning, MsgButtons::SaveDiscardCancel);
    switch (answer) {
    case MsgAnswer::Save:
        return saveCommand(parent);
    case MsgAnswer::Discard:
        return true;
    default:
        return false;
    }
}

void FileCommands::openCommand(QWidget* dialogParent) {
    if (!mayDiscardChanges(dialogParent))
        return;
    const QString path = m_dialogs.getOpenPath(dialogParent);
    if (path.isEmpty())
        return;
    m_document.load(path);
}

bool FileCommands::saveCommand(QWidget* dialogParent) {
    const QString path = m_dialogs.getSavePath(dialogParent);
    if (path.isEmpty())
        return false;
    return m_document.save(path);
}

void FileCommands::openFile(const QString& path, QWidget* parent) {
    if (mayDiscardChanges(parent))
        load(path);
}

void FileCommands::openRecentFile(const QString& path, QWidget* parent) {
    if (!QFileInfo(path).isFile()) {
        // The reader says it cannot open the file; the page stays as it is.
        m_document.load(path);
        m_document.recentFiles().remove(path);
        return;
    }
    openFile(path, parent);
}

void FileCommands::exportPdfCommand(QWidget* dialogParent) {
    const QString path = m_pdfDialogs.getSavePath(dialogParent);
    if (path.isEmpty())
        return;
    output::QtPrinter pdf(path);
    PrintJobOptions job;
    job.printer = &pdf;
    job.doneMessage = texts::pdfWritten(QDir::toNativeSeparators(path));
    job.cancelledMessage = texts::pdfCancelled();
    m_engine.cmdPrintClick(job);
}

namespace {

// One page onto an SVG or PNG file: the drawing routine with one copy, its
// confirmation naming the file.
void exportPage(TavriEngine& engine, FileDialogs& dialogs, QWidget* parent,
                output::FileFormat format, QString (*written)(const QString& path)) {
    const QString path = dialogs.getSavePath(parent);
    if (path.isEmpty())
        return;
    output::QtPrinter page(path, format);
    PrintJobOptions job;
    job.printer = &page;
    job.doneMessage = written(QDir::toNativeSeparators(path));
    engine.DrawTavriSheet(1, job);
}

} // namespace

void FileCommands::exportSvgCommand(QWidget* dialogParent) {
    exportPage(m_engine, m_svgDialogs, dialogParent, output::FileFormat::Svg, texts::svgWritten);
}

void FileCommands::exportPngCommand(QWidget* dialogParent) {
    exportPage(m_engine, m_pngDialogs, dialogParent, output::FileFormat::Png, texts::pngWritten);
}

void FileCommands::loadStartupFile(const QStringList& arguments) {
    const QString path = stGetCommandLine(arguments);
    if (path.isEmpty())
        return;
    if (!load(path))
        m_engine.messages().showMessage(texts::startupFileFailed(), pernoa::texts::appTitle(),
                                        MsgIcon::Critical);
}

void FileCommands::LoadDefaultSettei() {
    pernoa::LoadDefaultSettei(m_form, m_defaultPath);
}

void FileCommands::SaveDefaultSettei() {
    pernoa::SaveDefaultSettei(m_form, m_defaultPath);
}

} // namespace pernoa::ui
