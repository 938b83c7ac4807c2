#include "files/texts.h"

#include <QCoreApplication>

namespace pernoa::files::texts {

QString musicSectionUnreadable() {
    return QCoreApplication::translate("files", "楽譜の設定が読み込めませんでした。");
}

QString lineNotReadable(const QString& line) {
    return QCoreApplication::translate("files", "「%1」の行は読み込めません。").arg(line);
}

} // namespace pernoa::files::texts
