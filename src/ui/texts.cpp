#include "ui/texts.h"

#include <QCoreApplication>

namespace pernoa::ui::texts {

QString mainWindowTitle(const QString& version) {
    return QCoreApplication::translate("ui", "ペルノアVer%1").arg(version);
}

QString sheetTab() {
    return QCoreApplication::translate("ui", "五線譜全体の設定");
}

QString staffTab() {
    return QCoreApplication::translate("ui", "五線譜自身の設定");
}

QString offsetHeading() {
    return QCoreApplication::translate("ui", "プリンタの誤差設定");
}

QString scaleCorrectionHeading() {
    return QCoreApplication::translate("ui", "プリンタの倍率補正");
}

QString sizeTimes() {
    return QCoreApplication::translate("ui", "×");
}

QString paperFrame() {
    return QCoreApplication::translate("ui", "紙のサイズ");
}

QString displayFrame() {
    return QCoreApplication::translate("ui", "表示サイズ");
}

QString previewButton() {
    return QCoreApplication::translate("ui", "プレビュー");
}

QString printButton() {
    return QCoreApplication::translate("ui", "印刷");
}

QString helpButton() {
    return QCoreApplication::translate("ui", "ヘルプ");
}

QString choosePrinterButton() {
    return QCoreApplication::translate("ui", "使用するプリンタの選択");
}

QString endButton() {
    return QCoreApplication::translate("ui", "終了");
}

QString settingsMenu() {
    return QCoreApplication::translate("ui", "設定");
}

QString openCommand() {
    return QCoreApplication::translate("ui", "開く(&O)");
}

QString saveCommand() {
    return QCoreApplication::translate("ui", "保存(&S)");
}

QString exportPdfCommand() {
    return QCoreApplication::translate("ui", "PDFに書き出す…");
}

QString exportSvgCommand() {
    return QCoreApplication::translate("ui", "SVGに書き出す…");
}

QString exportPngCommand() {
    return QCoreApplication::translate("ui", "PNGに書き出す…");
}

QString calibrationCommand() {
    return QCoreApplication::translate("ui", "誤差測定用紙を印刷");
}

QString helpMenu() {
    return QCoreApplication::translate("ui", "ヘルプ");
}

QString helpCommand() {
    return QCoreApplication::translate("ui", "ヘルプ");
}

QString languageMenu() {
    return QCoreApplication::translate("ui", "Language / 言語");
}

QString languageOfDesktop() {
    return QCoreApplication::translate("ui", "デスクトップの言語");
}

QString languageJapanese() {
    return QCoreApplication::translate("ui", "日本語");
}

QString languageEnglish() {
    return QCoreApplication::translate("ui", "English");
}

QString languageAtNextStart() {
    return QCoreApplication::translate("ui", "次回の起動から、選んだ言語で表示します。");
}

QString languageNotStored() {
    return QCoreApplication::translate("ui", "言語の設定を保存できませんでした。");
}

QString aboutCommand() {
    return QCoreApplication::translate("ui", "バージョン情報");
}

QString aboutTitle(const QString& appTitle) {
    return QCoreApplication::translate("ui", "%1のﾊﾞｰｼﾞｮﾝ情報").arg(appTitle);
}

QString aboutVersion(const QString& version) {
    return QCoreApplication::translate("ui", "Ｖｅｒ　%1").arg(version);
}

QString aboutDescription() {
    return QCoreApplication::translate(
        "ui", "ペルノアは、段数や線の間隔、太さ、濃さを決めて白紙の五線譜を印刷するソフトです。\n"
              "このソフトの最新版は以下のＵＲＬにあります。クリックするとジャンプします。ご意見・バ"
              "グ報告も以下のＵＲＬのソフトサポート掲示板まで");
}

QString aboutDisclaimer() {
    return QCoreApplication::translate("ui", "警告:バグがあったらごめんね。");
}

QString helpTitle() {
    return QCoreApplication::translate("ui", "ペルノアのへるぷ");
}

QString helpHeading() {
    return QCoreApplication::translate("ui", "ペルノア　Ver2.0");
}

QString helpSubheading() {
    return QCoreApplication::translate("ui", "のヘルプ");
}

QString helpExcuse() {
    return QCoreApplication::translate(
        "ui", "ヘルプエディタ、持ってないんです。これで勘弁してください。");
}

QString helpPurpose() {
    return QCoreApplication::translate(
        "ui", "コンピュータ譜面は綺麗でいいけど、魂が入ってない為か何か味気なく、そして見にくいです"
              "ね。そんなことはいいとして、このソフトは、市販の五線譜では段数が多すぎる、少なすぎ"
              "るけどコンピュータ譜面は使いたくない、試し書き（写譜など）したいというときなどにご使"
              "用ください。");
}

QString helpUsage() {
    return QCoreApplication::translate("ui",
                                       "このソフトの使い方は見たままです。ということで・・・");
}

QString helpTermsHeading() {
    return QCoreApplication::translate("ui", "◎使用されている語句の説明");
}

QString diagramTopMargin() {
    return QCoreApplication::translate("ui", "上マージン");
}

QString diagramBottomMargin() {
    return QCoreApplication::translate("ui", "下マージン");
}

QString diagramLeftMargin() {
    return QCoreApplication::translate("ui", "左マージン");
}

QString diagramRightMargin() {
    return QCoreApplication::translate("ui", "右マージン");
}

QString diagramStaffDistance() {
    return QCoreApplication::translate("ui", "五線の間隔");
}

QString diagramBlockGap() {
    return QCoreApplication::translate("ui", "大譜表の間隔");
}

QString diagramLineSpacing() {
    return QCoreApplication::translate("ui", "線の間隔");
}

QString diagramLineWidth() {
    return QCoreApplication::translate("ui", "線の幅");
}

QString helpNoteUnits() {
    return QCoreApplication::translate("ui", "・単位はｍｍで、小数点以下も設定可能です。");
}

QString helpNoteStaffDistance() {
    return QCoreApplication::translate("ui", "・五線の間隔は自動で計算してくれます。");
}

QString helpNotePrinterShift() {
    return QCoreApplication::translate("ui", "・プリンタによっては下方向に６ｍｍほどずれます。");
}

QString helpOk() {
    return QCoreApplication::translate("ui", "ＯＫ");
}

QString printerDialogTitle() {
    return QCoreApplication::translate("ui", "ペルノア－使用するプリンターの設定");
}

QString choosePrinter() {
    return QCoreApplication::translate("ui", "印刷に使用するプリンターを選択してください");
}

QString noPrinterInstalled() {
    return QCoreApplication::translate("ui", "プリンターがインストールされていません");
}

QString noScheduler() {
    return QCoreApplication::translate("ui", "印刷スケジューラー（CUPS）が起動していません");
}

QString copiesDone(const QString& done, const QString& total) {
    return QCoreApplication::translate("ui", "出力中… %1 / %2 枚").arg(done, total);
}

QString stopJob() {
    return QCoreApplication::translate("ui", "中止");
}

QString settingsFileFilter() {
    return QCoreApplication::translate("ui", "ペルノアファイル(*.kvs2)");
}

QString pdfFileFilter() {
    return QCoreApplication::translate("ui", "PDF (*.pdf)");
}

QString pdfWritten(const QString& path) {
    return QCoreApplication::translate("ui", "PDFファイルに書き出しました。\r\n%1").arg(path);
}

QString svgFileFilter() {
    return QCoreApplication::translate("ui", "SVG (*.svg)");
}

QString pngFileFilter() {
    return QCoreApplication::translate("ui", "PNG (*.png)");
}

QString svgWritten(const QString& path) {
    return QCoreApplication::translate("ui", "SVGファイルに書き出しました。\r\n%1").arg(path);
}

QString pngWritten(const QString& path) {
    return QCoreApplication::translate("ui", "PNGファイルに書き出しました。\r\n%1").arg(path);
}

QString pdfCancelled() {
    return QCoreApplication::translate("ui", "PDFファイルの書き出しを中止しました。");
}

QString startupFileFailed() {
    return QCoreApplication::translate("ui",
                                       "関連づけされた設定ファイルの読み込みに失敗しました。");
}

QString noDisplay() {
    return QCoreApplication::translate(
        "ui", "pernoa: no display to open the windows on (neither DISPLAY nor WAYLAND_DISPLAY is "
              "set).\n"
              "To make the page as a PDF file without windows:\n"
              "  pernoa --export-pdf page.pdf [SETTINGS.kvs2]\n"
              "See 'pernoa --help' for everything the command line does.\n");
}

QString standardErrorWarning(const QString& text) {
    return QCoreApplication::translate("ui", "pernoa: warning: %1").arg(text);
}

QString saveChangesQuestion() {
    return QCoreApplication::translate("ui", "変更を保存しますか？");
}

QString saveChangesToFileQuestion(const QString& fileName) {
    return QCoreApplication::translate("ui", "「%1」への変更を保存しますか？").arg(fileName);
}

QString saveButton() {
    return QCoreApplication::translate("ui", "保存");
}

QString discardButton() {
    return QCoreApplication::translate("ui", "保存しない");
}

QString titleWithFile(const QString& title, const QString& fileName) {
    return QCoreApplication::translate("ui", "%1 - %2").arg(title, fileName);
}

QString editMenu() {
    return QCoreApplication::translate("ui", "編集");
}

QString recentFileEntry(int number, const QString& file) {
    return QCoreApplication::translate("ui", "&%1 %2").arg(number).arg(file);
}

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
