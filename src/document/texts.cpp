#include "document/texts.h"

#include <QCoreApplication>

namespace pernoa::document::texts {

QString loadFile(const QString& fileName) {
    return QCoreApplication::translate("document", "「%1」の読み込み").arg(fileName);
}

QString changeField(const QString& caption) {
    return QCoreApplication::translate("document", "%1の変更").arg(caption);
}

QString chooseOption(const QString& caption) {
    return QCoreApplication::translate("document", "%1の選択").arg(caption);
}

QString clearOptions() {
    return QCoreApplication::translate("document", "選択の解除");
}

} // namespace pernoa::document::texts
