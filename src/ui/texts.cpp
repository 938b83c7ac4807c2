#include "ui/texts.h"

#include <QCoreApplication>

namespace pernoa::ui::texts {

QString saveChangesQuestion() {
    return QCoreApplication::translate("ui", "変更を保存しますか？");
}

QString saveChangesToFileQuestion(const QString& fileName) {
    return QCoreApplication::translate("ui", "「%1」への変更を保存しますか？").arg(fileName);
}

QString saveButton() {
    return QCoreApplication::translate("ui", "保存");
}

QString discardButton() {
    return QCoreApplication::translate("ui", "保存しない");
}

QString cancelButton() {
    return QCoreApplication::translate("ui", "キャンセル");
}

QString titleWithFile(const QString& title, const QString& fileName) {
    return QCoreApplication::translate("ui", "%1 - %2").arg(title, fileName);
}

QString editMenu() {
    return QCoreApplication::translate("ui", "編集");
}

QString recentFileEntry(int number, const QString& file) {
    return QCoreApplication::translate("ui", "&%1 %2").arg(number).arg(file);
}

} // namespace pernoa::ui::texts
