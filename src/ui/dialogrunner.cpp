#include "ui/dialogrunner.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>

namespace pernoa::ui {

MsgAnswer DesktopDialogRunner::runMessageBox(QMessageBox& box) {
    const QPointer<QMessageBox> open(&box);
    box.exec();
    if (!open)
        return MsgAnswer::Cancel;
    QAbstractButton* clicked = box.clickedButton();
    switch (clicked ? box.standardButton(clicked) : QMessageBox::NoButton) {
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    case QMessageBox::Save:
        return MsgAnswer::Save;
    case QMessageBox::Discard:
        return MsgAnswer::Discard;
    default:
        return MsgAnswer::Ok;
    }
}

QString DesktopDialogRunner::runFileDialog(QFileDialog& dialog) {
    const QPointer<QFileDialog> open(&dialog);
    if (dialog.exec() != QDialog::Accepted || !open || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace pernoa::ui
