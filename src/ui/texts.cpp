#include "ui/texts.h"

#include <QCoreApplication>

namespace pernoa::ui::texts {

QString musicTab() {
    return QCoreApplication::translate("ui", "譜表の組み合わせ");
}

QString presetCaption() {
    return QCoreApplication::translate("ui", "ひな形");
}

QString presetPrompt() {
    return QCoreApplication::translate("ui", "ひな形を選ぶ…");
}

QString stackColumnClef() {
    return QCoreApplication::translate("ui", "音部記号");
}

QString stackColumnLines() {
    return QCoreApplication::translate("ui", "線の数");
}

QString stackColumnSpacing() {
    return QCoreApplication::translate("ui", "線同士の幅(mm)");
}

QString stackSpacingOfTheWindow() {
    return QCoreApplication::translate("ui", "標準");
}

QString stackHint() {
    return QCoreApplication::translate(
        "ui", "1段目から順に繰り返します。段がなければ「線の本数」の譜表を並べます。"
              "線同士の幅が空欄の段は「線の間隔」に従います。");
}

QString stackAddRow() {
    return QCoreApplication::translate("ui", "段を追加");
}

QString stackRemoveRow() {
    return QCoreApplication::translate("ui", "段を削除");
}

QString groupingFrame() {
    return QCoreApplication::translate("ui", "大譜表をくくる記号");
}

QString barLinesFrame() {
    return QCoreApplication::translate("ui", "小節線");
}

QString rastralCaption() {
    return QCoreApplication::translate("ui", "五線の大きさ（ラストラル）");
}

QString rastralNone() {
    return QCoreApplication::translate("ui", "指定なし");
}

QString rastralEntry(const QString& number, const QString& heightMm) {
    return QCoreApplication::translate("ui", "%1番（%2mm）").arg(number, heightMm);
}

} // namespace pernoa::ui::texts
