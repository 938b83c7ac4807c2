#include "preview/texts.h"

#include <QCoreApplication>

namespace pernoa::preview::texts {

QString undo() {
    return QCoreApplication::translate("preview", "元に戻す(&U)");
}

QString undoStep(const QString& step) {
    return QCoreApplication::translate("preview", "%1を元に戻す(&U)").arg(step);
}

QString redo() {
    return QCoreApplication::translate("preview", "やり直す(&R)");
}

QString redoStep(const QString& step) {
    return QCoreApplication::translate("preview", "%1をやり直す(&R)").arg(step);
}

} // namespace pernoa::preview::texts
