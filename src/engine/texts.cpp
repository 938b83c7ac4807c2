#include "engine/texts.h"

#include <QCoreApplication>

namespace pernoa::texts {

QString stackTooManyRows(int most) {
    return QCoreApplication::translate("engine", "譜表の段は%1段までにしてください。").arg(most);
}

QString stackLineCountRange(int row, int fewest, int most) {
    return QCoreApplication::translate("engine",
                                       "譜表の%1段目の線の数は%2本から%3本までにしてください。")
        .arg(row)
        .arg(fewest)
        .arg(most);
}

QString stackLineCountField(int row) {
    return QCoreApplication::translate("engine", "譜表の%1段目の線の数").arg(row);
}

QString stackSpacingField(int row) {
    return QCoreApplication::translate("engine", "譜表の%1段目の線同士の幅").arg(row);
}

QString stackSpacingWrong(int row) {
    return QCoreApplication::translate("engine", "譜表の%1段目の線同士の幅が正しくありません。")
        .arg(row);
}

QString stackClefUnknown(int row, const QString& word) {
    return QCoreApplication::translate("engine", "譜表の%1段目の音部記号「%2」は使えません。")
        .arg(row)
        .arg(word);
}

QString stackClefWrong(int row) {
    return QCoreApplication::translate("engine", "譜表の%1段目の音部記号が正しくありません。")
        .arg(row);
}

QString stackUnreadable(const QString& text) {
    return QCoreApplication::translate("engine", "譜表の並び「%1」は読み取れません。").arg(text);
}

QString groupingWrong() {
    return QCoreApplication::translate("engine", "大譜表のくくりが正しくありません。");
}

QString barReachWrong() {
    return QCoreApplication::translate("engine", "小節線の引き方が正しくありません。");
}

QString measuresField() {
    return QCoreApplication::translate("engine", "1段の小節数");
}

QString measuresNotWhole() {
    return QCoreApplication::translate("engine", "「1段の小節数」は0以上の整数にしてください。");
}

QString tooManyMeasures(int room) {
    return QCoreApplication::translate("engine",
                                       "小節の数が多すぎます。1段に入るのは%1小節までです。")
        .arg(room);
}

QString staffHeight(const QString& millimetres) {
    return QCoreApplication::translate("engine", "高さ %1mm").arg(millimetres);
}

QString musicFontMissing() {
    return QCoreApplication::translate(
        "engine", "楽譜フォント（lilypond-fonts）が見つからないため音部記号と括弧を省きました");
}

} // namespace pernoa::texts
