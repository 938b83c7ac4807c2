#include "engine/texts.h"

#include "engine/numberrules.h"

#include <QCoreApplication>

namespace pernoa::texts {

QString tableText(const char* source) {
    return source && *source ? QCoreApplication::translate("engine", source) : QString();
}

QString blockUnit() {
    return QCoreApplication::translate("engine", "段", "the unit of the grand staves' count");
}

QString appTitle() {
    return QCoreApplication::translate("engine", "ペルノア");
}

QString errorTitle() {
    return QCoreApplication::translate("engine", "エラーメッセージ");
}

QString catchAllError() {
    return QCoreApplication::translate("engine", "エラーが発生しました");
}

QString fieldEmpty(const QString& field) {
    return QCoreApplication::translate("engine", "%1が空欄です。").arg(field);
}

QString fieldNotNumeric(const QString& field) {
    return QCoreApplication::translate("engine", "%1に数値以外が入ってます").arg(field);
}

QString fieldTooLong(const QString& field, int maxChars) {
    return QCoreApplication::translate("engine", "%1が長すぎます。%2文字以内で入力してください。")
        .arg(field, num::toText(maxChars));
}

QString tease() {
    return QCoreApplication::translate("engine", "そんな値、入力していじめちゃいや～ん♪");
}

QString teaseTitle() {
    return QCoreApplication::translate("engine", "あなたＳＥでしょ、いじわるね");
}

QString printCountNotInteger() {
    return QCoreApplication::translate("engine", "「印刷枚数」は整数にしてください。");
}

QString valueOutOfRange(const QString& field, const QString& least, const QString& greatest) {
    return QCoreApplication::translate("engine", "「%1」は%2から%3までの数値にしてください。")
        .arg(field, least, greatest);
}

QString printRequested() {
    return QCoreApplication::translate(
        "engine", "プリンタへ印刷の要求をしました。\r\n印刷されるまでしばらくお待ちください");
}

QString printCancelled() {
    return QCoreApplication::translate("engine", "印刷を中止しました。");
}

QString shadePercent(const QString& number) {
    return QCoreApplication::translate("engine", "%1%").arg(number);
}

QString staffsOverlap() {
    return QCoreApplication::translate("engine", "五線が重なっています");
}

QString staffsPastThePaper() {
    return QCoreApplication::translate("engine", "五線が用紙からはみ出しています");
}

QString staffsUnprintable() {
    return QCoreApplication::translate("engine", "五線が印刷できない範囲にあります");
}

QString warningSeparator() {
    return QCoreApplication::translate("engine", "　");
}

QString calibrationTitle() {
    return QCoreApplication::translate("engine", "プリンタの誤差測定用紙");
}

QString calibrationInstructions() {
    return QCoreApplication::translate(
        "engine", "外側の枠は、用紙の各辺から 10mm 内側に印刷されるはずです。\n"
                  "用紙の左端から左の枠線まで、上端から上の枠線までを測り、\n"
                  "それぞれ 10mm を引いた値を「プリンタの誤差設定」の\n"
                  "「左」と「上」に入力してください（単位 mm）。\n"
                  "枠が右や下にずれていれば正の値、左や上なら負の値です。");
}

QString scaleInstructions(const QString& rulerMm) {
    return QCoreApplication::translate(
               "engine", "枠より先に、横と縦の %1mm の目盛りの長さを測ってください。\n"
                         "今の倍率（%）× %1 ÷ 測った長さ（mm）を\n"
                         "「プリンタの倍率補正」の「横」と「縦」に入力します（単位 %）。\n"
                         "倍率を直したら、この用紙を印刷し直してから枠を測ってください。")
        .arg(rulerMm);
}

QString noPrinter() {
    return QCoreApplication::translate("engine", "no printer");
}

QString outOfMemory() {
    return QCoreApplication::translate("engine", "out of memory");
}

QString tooManyLines(const QString& count) {
    return QCoreApplication::translate("engine", "the page would hold %1 lines").arg(count);
}

QString tooManyBlocks(const QString& count) {
    return QCoreApplication::translate("engine", "the page would hold %1 blocks").arg(count);
}

QString tooManyBarLines(const QString& count) {
    return QCoreApplication::translate("engine", "the page would hold %1 bar lines").arg(count);
}

QString blockCountRoundsToZero() {
    return QCoreApplication::translate("engine", "the block count rounds to 0");
}

QString typeMismatch() {
    return QCoreApplication::translate("engine", "type mismatch");
}

QString overflow() {
    return QCoreApplication::translate("engine", "overflow");
}

QString overflow16Bit() {
    return QCoreApplication::translate("engine", "overflow (16-bit)");
}

QString overflow32Bit() {
    return QCoreApplication::translate("engine", "overflow (32-bit)");
}

QString overflowSingle() {
    return QCoreApplication::translate("engine", "overflow (single)");
}

QString overflowZeroByZero() {
    return QCoreApplication::translate("engine", "overflow (0 / 0)");
}

QString divisionByZero() {
    return QCoreApplication::translate("engine", "division by zero");
}

QString stackTooManyRows(int most) {
    return QCoreApplication::translate("engine", "譜表の段は%1段までにしてください。")
        .arg(num::toText(most));
}

QString stackLineCountRange(int row, int fewest, int most) {
    return QCoreApplication::translate("engine",
                                       "譜表の%1段目の線の数は%2本から%3本までにしてください。")
        .arg(num::toText(row))
        .arg(num::toText(fewest))
        .arg(num::toText(most));
}

QString stackLineCountField(int row) {
    return QCoreApplication::translate("engine", "譜表の%1段目の線の数").arg(num::toText(row));
}

QString stackSpacingField(int row) {
    return QCoreApplication::translate("engine", "譜表の%1段目の線同士の幅").arg(num::toText(row));
}

QString stackSpacingWrong(int row) {
    return QCoreApplication::translate("engine", "譜表の%1段目の線同士の幅が正しくありません。")
        .arg(num::toText(row));
}

QString stackClefUnknown(int row, const QString& word) {
    return QCoreApplication::translate("engine", "譜表の%1段目の音部記号「%2」は使えません。")
        .arg(num::toText(row))
        .arg(word);
}

QString stackClefWrong(int row) {
    return QCoreApplication::translate("engine", "譜表の%1段目の音部記号が正しくありません。")
        .arg(num::toText(row));
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

QString measuresNotWhole() {
    return QCoreApplication::translate("engine", "「1段の小節数」は0以上の整数にしてください。");
}

QString tooManyMeasures(int room) {
    return QCoreApplication::translate("engine",
                                       "小節の数が多すぎます。1段に入るのは%1小節までです。")
        .arg(num::toText(room));
}

QString staffHeight(const QString& millimetres) {
    return QCoreApplication::translate("engine", "高さ %1mm").arg(millimetres);
}

QString musicFontMissing() {
    return QCoreApplication::translate(
        "engine", "楽譜フォント（lilypond-fonts）が見つからないため音部記号と括弧を省きました");
}

} // namespace pernoa::texts
