#include "overlay/texts.h"

#include <QCoreApplication>

namespace pernoa::overlay::texts {

QString cannotInsertText() {
    return QCoreApplication::translate("overlay", "これ以上文字を挿入できません。");
}

QString cannotInsertImage() {
    return QCoreApplication::translate("overlay", "これ以上画像を挿入できません。");
}

QString textLimit() {
    return QCoreApplication::translate("overlay", "ひとつのページに置ける文字は32767個までです。");
}

QString imageLimit() {
    return QCoreApplication::translate("overlay", "ひとつのページに置ける画像は32767個までです。");
}

QString pictureNotLoaded() {
    return QCoreApplication::translate("overlay", "画像の取得に失敗しました。");
}

QString pictureRemoved() {
    return QCoreApplication::translate("overlay", "この画像の情報を削除します。");
}

} // namespace pernoa::overlay::texts
