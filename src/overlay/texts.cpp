#include "overlay/texts.h"

#include <QCoreApplication>

namespace pernoa::overlay::texts {

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
