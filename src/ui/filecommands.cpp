#include "ui/filecommands.h"

#include "engine/tavriengine.h"
#include "files/defaultsettings.h"
#include "files/settingsfile.h"

#include <QFileInfo>

#include <utility>

namespace pernoa::ui {
namespace {

QList<QString>& queuedAnswers() {
    static QList<QString> answers;
    return answers;
}

QList<SettingsFileDialogs::Record>& records() {
    static QList<SettingsFileDialogs::Record> list;
    return list;
}

} // namespace

void SettingsFileDialogs::preset(const QList<QString>& answers) {
    queuedAnswers() = answers;
}

QList<SettingsFileDialogs::Record> SettingsFileDialogs::takeRecords() {
    return std::exchange(records(), {});
}

QString SettingsFileDialogs::run(QWidget* parent, bool save) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Open: only an existing file. Save: any name, and a question before an
    // existing file is replaced.
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setNameFilter(SettingsFileFilter);
    dialog.setDefaultSuffix(QString());
    // The last accepted file is offered again, in its own folder.
    if (m_lastFileName.isEmpty()) {
        dialog.setDirectory(m_startFolder);
    } else {
        const QFileInfo last(m_lastFileName);
        dialog.setDirectory(last.absolutePath());
        dialog.selectFile(last.fileName());
    }

    QString path;
    if (!queuedAnswers().isEmpty()) {
        records().append({dialog.acceptMode(), dialog.fileMode(), dialog.directory().absolutePath(),
                          dialog.selectedFiles(), dialog.nameFilters(), dialog.defaultSuffix(),
                          !dialog.testOption(QFileDialog::DontConfirmOverwrite)});
        path = queuedAnswers().takeFirst();
    } else if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        path = dialog.selectedFiles().constFirst();
    }
    if (!path.isEmpty())
        m_lastFileName = path;
    return path;
}

QString SettingsFileDialogs::getOpenPath(QWidget* parent) {
    return run(parent, false);
}

QString SettingsFileDialogs::getSavePath(QWidget* parent) {
    return run(parent, true);
}

FileCommands::FileCommands(TavriEngine& engine, overlay::OverlayItems& items, QWidget* dialogParent,
                           const QString& programFolder)
    : m_engine(engine), m_form(engine.form()),
      m_file(std::make_unique<SettingsFile>(engine, items)), m_dialogParent(dialogParent),
      m_dialogs(SettingsDialogFolder(programFolder)),
      m_defaultPath(DefaultSetteiPath(programFolder)) {}

FileCommands::~FileCommands() = default;

void FileCommands::openCommand() {
    const QString path = m_dialogs.getOpenPath(m_dialogParent);
    if (path.isEmpty())
        return;
    m_file->boLoadSetteiFile(path);
}

void FileCommands::saveCommand() {
    const QString path = m_dialogs.getSavePath(m_dialogParent);
    if (path.isEmpty())
        return;
    m_file->SaveSetteiFile(path);
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
