#include "ui/texts.h"

#include <QCoreApplication>

namespace pernoa::ui::texts {

QString scaleCorrectionHeading() {
    return QCoreApplication::translate("ui", "プリンタの倍率補正");
}

QString sizeTimes() {
    return QCoreApplication::translate("ui", "×");
}

QString exportSvg() {
    return QCoreApplication::translate("ui", "SVGに書き出す…");
}

QString exportPng() {
    return QCoreApplication::translate("ui", "PNGに書き出す…");
}

QString svgWritten() {
    return QCoreApplication::translate("ui", "SVGファイルに書き出しました。\r\n%1");
}

QString pngWritten() {
    return QCoreApplication::translate("ui", "PNGファイルに書き出しました。\r\n%1");
}

QString svgFileFilter() {
    return QCoreApplication::translate("ui", "SVG (*.svg)");
}

QString pngFileFilter() {
    return QCoreApplication::translate("ui", "PNG (*.png)");
}

} // namespace pernoa::ui::texts
