#include "preview/filechooser.h"

#include "preview/texts.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace pernoa::preview {

PictureFolder::PictureFolder(const QString& programFolder) : m_programFolder(programFolder) {}

QString PictureFolder::start() const {
    if (!m_last.isEmpty())
        return m_last;
    const QFileInfo program(m_programFolder);
    if (!m_programFolder.isEmpty() && program.isDir() && program.isWritable())
        return program.absoluteFilePath();
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty() && QFileInfo(pictures).isDir())
        return pictures;
    return QDir::homePath();
}

void PictureFolder::remember(const QString& chosenFile) {
    if (!chosenFile.isEmpty())
        m_last = QFileInfo(chosenFile).absolutePath();
}

QStringList pictureNameFilters() {
    // The dialog shows only what stands before the last parenthesis, so the
    // caption keeps its one pattern while the list after it does the matching.
    return texts::pictureFileTypes();
}

std::unique_ptr<QFileDialog> createPictureFileDialog(QWidget* parent, const QString& folder) {
    auto dialog = std::make_unique<QFileDialog>(parent, QString(), folder);
    // Qt's own dialog, so the captions are the ones above on every desktop.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    const QStringList filters = pictureNameFilters();
    dialog->setNameFilters(filters);
    dialog->selectNameFilter(filters.first());
    return dialog;
}

QtFileChooser::QtFileChooser(const QString& programFolder) : m_folder(programFolder) {}

QString QtFileChooser::choosePictureFile(QWidget* parent) {
    auto dialog = createPictureFileDialog(parent, m_folder.start());
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    const QString file = dialog->selectedFiles().first();
    if (!QFileInfo(file).isFile())
        return {};
    m_folder.remember(file);
    return QFileInfo(file).absoluteFilePath();
}

} // namespace pernoa::preview
