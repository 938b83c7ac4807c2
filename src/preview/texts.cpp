#include "preview/texts.h"

#include <QCoreApplication>

namespace pernoa::preview::texts {

QString ok() {
    return QCoreApplication::translate("preview", "OK");
}

QString cancel() {
    return QCoreApplication::translate("preview", "キャンセル");
}

QString previewTitle() {
    return QCoreApplication::translate("preview", "ぷれびゅ～♪");
}

QString pageTip() {
    return QCoreApplication::translate("preview", "右クリックで文字と画像が挿入できます。");
}

QString previewDescription() {
    return QCoreApplication::translate(
        "preview",
        "右クリックで、文字・画像の挿入が出来ます。　　　現存の文字・画像を右クリックで"
        "編集が出来ます。テキスト、画像の位置は、ドラッグすることにより、位置を調整できま"
        "す。");
}

QString textTip() {
    return QCoreApplication::translate("preview", "右クリックでこの文字を編集・削除できます。");
}

QString imageTip() {
    return QCoreApplication::translate("preview", "右クリックでこの画像を編集・削除できます。");
}

QString newMenu() {
    return QCoreApplication::translate("preview", "新規");
}

QString insertTextHere() {
    return QCoreApplication::translate("preview", "この位置に文字を挿入");
}

QString insertImageHere() {
    return QCoreApplication::translate("preview", "この位置に画像を挿入");
}

QString textMenu() {
    return QCoreApplication::translate("preview", "文字編集");
}

QString editThisText() {
    return QCoreApplication::translate("preview", "この文字を編集");
}

QString deleteThisText() {
    return QCoreApplication::translate("preview", "この文字を削除");
}

QString imageMenu() {
    return QCoreApplication::translate("preview", "画像編集");
}

QString editThisImage() {
    return QCoreApplication::translate("preview", "この画像を編集");
}

QString deleteThisImage() {
    return QCoreApplication::translate("preview", "この画像を削除");
}

QString deleteQuestion() {
    return QCoreApplication::translate("preview", "本当に削除しますか？");
}

QString deleteTitle() {
    return QCoreApplication::translate("preview", "削除確認");
}

QString registerItem() {
    return QCoreApplication::translate("preview", "登録");
}

QString giveUp() {
    return QCoreApplication::translate("preview", "やめる");
}

QString textDialogTitle() {
    return QCoreApplication::translate("preview", "ペルノア－テキストの設定");
}

QString textCaption() {
    return QCoreApplication::translate("preview", "表示するテキスト(改行できます）");
}

QString fontButton() {
    return QCoreApplication::translate("preview", "テキストの     フォント設定");
}

QString enterText() {
    return QCoreApplication::translate("preview", "文字を入力してください");
}

QString imageDialogTitle() {
    return QCoreApplication::translate("preview", "ペルノア－画像の設定");
}

QString browse() {
    return QCoreApplication::translate("preview", "参照");
}

QString imagePlace() {
    return QCoreApplication::translate("preview", "画像の場所");
}

QString scaleCaption() {
    return QCoreApplication::translate("preview", "もとの大きさの");
}

QString percentUnit() {
    return QCoreApplication::translate("preview", "%");
}

QString imageScale() {
    return QCoreApplication::translate("preview", "画像の倍率");
}

QString scaleTooLarge() {
    return QCoreApplication::translate("preview", "画像の倍率は32767以下の数値にしてください");
}

QString imageTeaseTitle() {
    return QCoreApplication::translate("preview", "あなたっていじわるね");
}

QString chooseImage() {
    return QCoreApplication::translate("preview", "画像の指定をしてください");
}

QString fontTitle() {
    return QCoreApplication::translate("preview", "フォント");
}

QString bold() {
    return QCoreApplication::translate("preview", "太字");
}

QString italic() {
    return QCoreApplication::translate("preview", "斜体");
}

QString underline() {
    return QCoreApplication::translate("preview", "下線");
}

QString colourButton() {
    return QCoreApplication::translate("preview", "色...");
}

QString colourTitle() {
    return QCoreApplication::translate("preview", "色の設定");
}

QString fontSample() {
    return QCoreApplication::translate("preview", "AaBbYyZz あぁアァ亜宇");
}

QString stylesFrame() {
    return QCoreApplication::translate("preview", "スタイルと文字飾り");
}

QString faceCaption() {
    return QCoreApplication::translate("preview", "フォント名");
}

QString sizeCaption() {
    return QCoreApplication::translate("preview", "サイズ");
}

QString sampleCaption() {
    return QCoreApplication::translate("preview", "サンプル");
}

QStringList pictureFileTypes() {
    return {
        QCoreApplication::translate("preview", "画像ファイル(*.bmp) (*.bmp *.BMP)"),
        QCoreApplication::translate("preview", "画像ファイル(*.gif) (*.gif *.GIF)"),
        QCoreApplication::translate("preview", "画像ファイル(*.jpg) (*.jpg *.JPG *.jpeg *.JPEG)")};
}

QString sizeRange(const QString& least, const QString& most) {
    return QCoreApplication::translate("preview", "%1～%2").arg(least, most);
}

QString sizeOutOfRange(const QString& least, const QString& most) {
    return QCoreApplication::translate("preview", "サイズは%1以上%2以下の数値にしてください")
        .arg(least, most);
}

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
