#include "files/texts.h"

#include <QCoreApplication>

namespace pernoa::files::texts {

QString cannotOpen() {
    return QCoreApplication::translate("files", "設定ファイルが開けません");
}

QString tavriSectionNotLoaded() {
    return QCoreApplication::translate("files", "五線の設定が読み込めませんでした。");
}

QString textSectionNotLoaded() {
    return QCoreApplication::translate("files", "テキストの設定が読み込めませんでした。");
}

QString imageSectionNotLoaded() {
    return QCoreApplication::translate("files", "画像の設定が読み込めませんでした。");
}

QString paperSectionNotLoaded() {
    return QCoreApplication::translate("files", "用紙の設定が読み込めませんでした。");
}

QString lineNotReadable(const QString& line) {
    return QCoreApplication::translate("files", "行「%1」は読み込めません。").arg(line);
}

QString valueNotReadable(const QString& field, const QString& value) {
    return QCoreApplication::translate("files", "「%1」の値「%2」は読み込めません。")
        .arg(field, value);
}

QString fontSizeNotReadable(const QString& n, const QString& text, const QString& size) {
    return QCoreApplication::translate(
               "files", "%1番目の文字「%2」の「文字の大きさ」の値「%3」は読み込めません。")
        .arg(n, text, size);
}

QString pictureNotAtPath() {
    return QCoreApplication::translate(
        "files", "ペルノアファイルに定義された画像ファイルが指定したパスに存在しません。");
}

QString clearingFailed() {
    return QCoreApplication::translate("files", "初期化に失敗しました。");
}

QString saveFailed() {
    return QCoreApplication::translate("files", "設定ファイルの保存に失敗しました。");
}

QString incompleteNotSaved() {
    return QCoreApplication::translate("files", "この設定は完全ではないため保存できません。");
}

QString cannotBeWrittenFaithfully() {
    return QCoreApplication::translate(
        "files", "この設定はペルノアファイルに正しく書けないため保存できません。");
}

QString fixAndSave() {
    return QCoreApplication::translate("files", "該当の値を修正してから保存してください。");
}

QString textHasUnwritableCharacter(const QString& n, const QString& text) {
    return QCoreApplication::translate(
               "files",
               "%1番目の文字「%2」の文字列に、ペルノアファイルに書けない文字が含まれています。")
        .arg(n, text);
}

QString textHasEscapedBreak(const QString& n, const QString& text) {
    return QCoreApplication::translate("files",
                                       "%1番目の文字「%2」の文字列に、「\\n」の2文字は改行として"
                                       "読み込まれるため保存できません。")
        .arg(n, text);
}

QString textHasMarkerLine(const QString& n, const QString& text) {
    return QCoreApplication::translate("files",
                                       "%1番目の文字「%2」の文字列に、見出しと同じ行が含まれて"
                                       "います。")
        .arg(n, text);
}

QString fontHasUnwritableCharacter(const QString& n, const QString& text) {
    return QCoreApplication::translate(
               "files",
               "%1番目の文字「%2」のフォント名に、ペルノアファイルに書けない文字が含まれています。")
        .arg(n, text);
}

QString fontHasMarkerLine(const QString& n, const QString& text) {
    return QCoreApplication::translate("files",
                                       "%1番目の文字「%2」のフォント名に、見出しと同じ行が含まれて"
                                       "います。")
        .arg(n, text);
}

QString colourHasUnwritableCharacter(const QString& n, const QString& text) {
    return QCoreApplication::translate(
               "files",
               "%1番目の文字「%2」の色に、ペルノアファイルに書けない文字が含まれています。")
        .arg(n, text);
}

QString colourHasMarkerLine(const QString& n, const QString& text) {
    return QCoreApplication::translate("files",
                                       "%1番目の文字「%2」の色に、見出しと同じ行が含まれています。")
        .arg(n, text);
}

QString imagePathHasUnwritableCharacter(const QString& n) {
    return QCoreApplication::translate(
               "files", "%1番目の画像のパスに、ペルノアファイルに書けない文字が含まれています。")
        .arg(n);
}

QString imagePathHasMarkerLine(const QString& n) {
    return QCoreApplication::translate("files",
                                       "%1番目の画像のパスに、見出しと同じ行が含まれています。")
        .arg(n);
}

QString cannotWriteFile(const QString& path, const QString& why) {
    return QCoreApplication::translate("files", "cannot write %1: %2").arg(path, why);
}

QString cannotWriteSettings(const QString& why) {
    return QCoreApplication::translate("files", "cannot write the settings: %1").arg(why);
}

QString noFileName() {
    return QCoreApplication::translate("files", "no file name");
}

QString converterMissing() {
    return QCoreApplication::translate("files", "the code page 932 converter is missing");
}

QString notRegularFile() {
    return QCoreApplication::translate("files", "not a regular file");
}

QString deviceNotOpenForThis() {
    return QCoreApplication::translate("files", "the device is not open for this");
}

QString numberNotFinite() {
    return QCoreApplication::translate("files", "a number that is not finite cannot be written");
}

QString musicSectionUnreadable() {
    return QCoreApplication::translate("files", "楽譜の設定が読み込めませんでした。");
}

} // namespace pernoa::files::texts
