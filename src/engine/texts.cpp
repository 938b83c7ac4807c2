#include "engine/texts.h"

#include <QCoreApplication>

namespace pernoa::texts {

QString valueOutOfRange() {
    return QCoreApplication::translate("engine", "「%1」は%2から%3までの数値にしてください。");
}

QString scaleCorrectionXLabel() {
    return QCoreApplication::translate("engine", "プリンタの倍率・横");
}

QString scaleCorrectionYLabel() {
    return QCoreApplication::translate("engine", "プリンタの倍率・縦");
}

QString customPaperWidthLabel() {
    return QCoreApplication::translate("engine", "用紙の幅");
}

QString customPaperHeightLabel() {
    return QCoreApplication::translate("engine", "用紙の高さ");
}

QString scaleInstructions() {
    return QCoreApplication::translate(
        "engine", "横と縦の %1mm の目盛りの長さを測り、100 × %1 ÷ 測った長さ（mm）を\r\n"
                  "「プリンタの倍率補正」の「横」と「縦」に入力してください（単位 %）。");
}

} // namespace pernoa::texts
