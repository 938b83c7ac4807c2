#include "files/texts.h"

#include <QCoreApplication>

namespace pernoa::files::texts {

QString paperSettingsUnreadable() {
    return QCoreApplication::translate("files", "用紙の設定が読み込めませんでした。");
}

QString sectionLineUnreadable() {
    return QCoreApplication::translate("files", "行「%1」は読み込めません。");
}

} // namespace pernoa::files::texts
