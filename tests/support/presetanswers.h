#pragma once

// The windows' message boxes and file dialogs answered without being shown,
// and the program's windows on such answers for one test at a time.

#include "engine/messages.h"
#include "ui/dialogrunner.h"
#include "ui/gui.h"

#include <QFileDialog>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>

#include <memory>

namespace pernoa::test {

// A message box as it would have been shown, and the answer it was given.
struct BoxRecord {
    QString text;
    QString title;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QStringList buttonTexts;
    Qt::TextFormat textFormat;
    MsgAnswer answer;
    QPointer<QWidget> parent; // the window the box is centred on
};

// A file dialog as it would have been shown.
struct FileDialogRecord {
    QFileDialog::AcceptMode acceptMode;
    QFileDialog::FileMode fileMode;
    QString directory;
    QStringList selectedFiles; // the name offered
    QStringList nameFilters;
    QString defaultSuffix;
    bool confirmOverwrite;
};

// Answers each box with the next queued answer (OK once they run out) and
// each file dialog with the next queued path (a cancel once they run out),
// and records both.
class PresetAnswers : public ui::IDialogRunner {
public:
    QList<MsgAnswer> boxAnswers;
    QStringList fileAnswers;

    MsgAnswer runMessageBox(QMessageBox& box) override;
    QString runFileDialog(QFileDialog& dialog) override;

    // What was answered since the last call, oldest first.
    QList<BoxRecord> takeBoxes();
    QList<FileDialogRecord> takeFileDialogs();
    QStringList takeBoxTexts();
    // No answer queued, nothing recorded.
    void clear();

private:
    QList<BoxRecord> m_boxes;
    QList<FileDialogRecord> m_fileDialogs;
};

// The program's windows on pre-answered boxes and dialogs: started by a test,
// reset between tests, so no answer or record passes from one to the next.
struct GuiRig {
    PresetAnswers answers;
    std::unique_ptr<ui::GuiProgram> program;

    // A new program on the folder given (the executable's when empty),
    // started with the arguments.
    void start(const QString& programFolder = {}, const QStringList& arguments = {});
    void reset();
};

} // namespace pernoa::test
