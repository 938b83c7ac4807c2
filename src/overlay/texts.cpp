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

QString insertTextItem() {
    return QCoreApplication::translate("overlay", "文字の挿入");
}

QString insertImageItem() {
    return QCoreApplication::translate("overlay", "画像の挿入");
}

QString editTextItem() {
    return QCoreApplication::translate("overlay", "文字の編集");
}

QString editImageItem() {
    return QCoreApplication::translate("overlay", "画像の編集");
}

QString moveTextItem() {
    return QCoreApplication::translate("overlay", "文字の移動");
}

QString moveImageItem() {
    return QCoreApplication::translate("overlay", "画像の移動");
}

QString deleteTextItem() {
    return QCoreApplication::translate("overlay", "文字の削除");
}

QString deleteImageItem() {
    return QCoreApplication::translate("overlay", "画像の削除");
}

} // namespace pernoa::overlay::texts
