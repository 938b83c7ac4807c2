#include "ui/dialogrunner.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>

namespace pernoa::ui {

MsgAnswer DesktopDialogRunner::runMessageBox(QMessageBox& box) {
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (clicked && box.standardButton(clicked) == QMessageBox::Cancel)
        return MsgAnswer::Cancel;
    return MsgAnswer::Ok;
}

QString DesktopDialogRunner::runFileDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace pernoa::ui
