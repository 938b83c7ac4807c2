#include "presetanswers.h"

#include <QAbstractButton>
#include <QStandardPaths>

#include <utility>

namespace pernoa::test {

MsgAnswer PresetAnswers::runMessageBox(QMessageBox& box) {
    MsgAnswer answer = boxAnswers.isEmpty() ? MsgAnswer::Ok : boxAnswers.takeFirst();
    // A box with only an OK button has no other answer.
    if (box.standardButtons() == QMessageBox::Ok)
        answer = MsgAnswer::Ok;
    QStringList buttonTexts;
    for (QAbstractButton* b : box.buttons())
        buttonTexts << b->text();
    m_boxes.append({box.text(), box.windowTitle(), box.icon(), box.standardButtons(), buttonTexts,
                    box.textFormat(), answer, box.parentWidget()});
    return answer;
}

QString PresetAnswers::runFileDialog(QFileDialog& dialog) {
    m_fileDialogs.append({dialog.acceptMode(), dialog.fileMode(), dialog.directory().absolutePath(),
                          dialog.selectedFiles(), dialog.nameFilters(), dialog.defaultSuffix(),
                          !dialog.testOption(QFileDialog::DontConfirmOverwrite)});
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

QList<BoxRecord> PresetAnswers::takeBoxes() {
    return std::exchange(m_boxes, {});
}

QList<FileDialogRecord> PresetAnswers::takeFileDialogs() {
    return std::exchange(m_fileDialogs, {});
}

QStringList PresetAnswers::takeBoxTexts() {
    QStringList texts;
    for (const BoxRecord& box : takeBoxes())
        texts << box.text;
    return texts;
}

void PresetAnswers::clear() {
    boxAnswers.clear();
    fileAnswers.clear();
    m_boxes.clear();
    m_fileDialogs.clear();
}

void GuiRig::start(const QString& programFolder, const QStringList& arguments) {
    // The recent files go to a test folder, never the user's list.
    QStandardPaths::setTestModeEnabled(true);
    program = std::make_unique<ui::GuiProgram>(answers, programFolder);
    program->start(arguments);
}

void GuiRig::reset() {
    program.reset();
    answers.clear();
}

} // namespace pernoa::test
