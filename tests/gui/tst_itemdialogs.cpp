// The text and image item dialogs: their windows, what they do to the item
// on "登録" and "やめる", the font and picture file choosers, and pictures
// that load or fail.

#include "engine/sheetsettings.h"
#include "overlay/overlayitems.h"
#include "preview/filechooser.h"
#include "preview/fontchooser.h"
#include "preview/imageitemdialog.h"
#include "preview/itemdialogs.h"
#include "preview/pagesurface.h"
#include "preview/textitemdialog.h"
#include "recorders.h"
#include "recordingdisplay.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace pernoa;
using namespace pernoa::overlay;
using namespace pernoa::preview;

namespace {

const QString kErrorTitle = QStringLiteral("エラーメッセージ");
const QString kLoadFailed =
    QStringLiteral("画像の取得に失敗しました。\r\nこの画像の情報を削除します。");

// A font chooser that answers itself: accepts (after an optional change) or
// cancels, and keeps what it was shown.
struct Fonts : IFontChooser {
    bool accept = true;
    std::function<void(FontChoice&)> change;
    QList<FontChoice> shown;
    bool choose(FontChoice& choice, QWidget*) override {
        shown << choice;
        if (!accept)
            return false;
        if (change)
            change(choice);
        return true;
    }
};

struct Files : IFileChooser {
    QString answer;
    QString choosePictureFile(QWidget*) override { return answer; }
};

struct Rig {
    SheetSettings settings;
    test::RecordingMessages messages;
    test::RecordingDisplay display;
    OverlayItems items{settings, messages};
    Fonts fonts;
    Files files;
    ItemTarget target;
    Rig() {
        settings.HyojiSize = 3;
        items.setDisplay(&display);
    }
    void insertAt(int x, int y) { target = {ItemKind::Text, true, 0, x, y, {}}; }
    void edit(std::int16_t slot) { target = {ItemKind::Text, false, slot, 0, 0, {}}; }
    // A text item through the dialog.
    std::int16_t addText(const QString& text) {
        insertAt(10, 20);
        TextItemDialog dialog(items, messages, fonts, target);
        dialog.textField()->setPlainText(text);
        dialog.confirm();
        return dialog.slot();
    }
    std::int16_t addImage(const QString& path, const QString& scale = QStringLiteral("100")) {
        insertAt(10, 20);
        files.answer = path;
        ImageItemDialog dialog(items, messages, files, target);
        dialog.browse();
        dialog.scaleField()->setText(scale);
        dialog.confirm();
        return dialog.slot();
    }
};

// Pictures the tests make. GIF has no writer in Qt: the file is a 1 x 1
// picture written out byte by byte.
QByteArray gifBytes() {
    static const unsigned char gif[] = {'G', 'I',  'F',  '8',  '9', 'a', 1, 0,   1, 0, 0x80, 0,
                                        0,   0xff, 0xff, 0xff, 0,   0,   0, ',', 0, 0, 0,    0,
                                        1,   0,    1,    0,    0,   2,   2, 'D', 1, 0, ';'};
    return QByteArray(reinterpret_cast<const char*>(gif), sizeof gif);
}

// A 96 x 48 picture; a noisy one compresses badly, so that half its file is
// picture data rather than headers.
QByteArray pictureBytes(const char* format, int dotsPerMeter, bool noisy = false) {
    QImage image(96, 48, QImage::Format_RGB32);
    image.fill(Qt::red);
    for (int i = 0; noisy && i < 96 * 48; ++i)
        image.setPixel(i % 96, i / 96, qRgb(i * 37 % 256, i * 91 % 256, i * 13 % 256));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QString writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

QString writePicture(const QString& path, const char* format, int dotsPerMeter) {
    return writeBytes(path, pictureBytes(format, dotsPerMeter));
}

// A BMP whose header asks for 30000 x 30000 pixels: far over the decoder's
// allocation limit, though the file is tiny.
QByteArray hugeBmp() {
    QByteArray b = pictureBytes("BMP", 3780);
    const auto put32 = [&b](int at, quint32 v) {
        for (int i = 0; i < 4; ++i)
            b[at + i] = char((v >> (8 * i)) & 0xff);
    };
    put32(18, 30000);
    put32(22, 30000);
    return b;
}

// Every field of a text item, to compare items whole.
QStringList fields(const OverlayText& t) {
    return {t.Text,
            QString::number(t.X),
            QString::number(t.Y),
            t.FontName,
            QString::number(t.FontSize),
            QString::number(t.FontBold),
            QString::number(t.FontItalic),
            QString::number(t.FontUnderline),
            t.ForeColor,
            QString::number(t.InUse)};
}

// The widgets Tab visits, from first on.
QList<QWidget*> focusChain(QWidget* first, int count) {
    QList<QWidget*> chain{first};
    QWidget* w = first;
    while (chain.size() < count) {
        w = w->nextInFocusChain();
        if (w->focusPolicy() & Qt::TabFocus)
            chain << w;
    }
    return chain;
}

} // namespace

class ItemDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void windows();
    void keysDoNothingByThemselves();
    void textInsertAndEdit();
    void fontReadBack_data();
    void fontReadBack();
    void fontChooserKeepsTheStoredFace();
    void fontChooserSizeBox();
    void laidOutForTheFont_data();
    void laidOutForTheFont();
    void scaleChecks_data();
    void scaleChecks();
    void pictures_data();
    void pictures();
    void imageEdit();
    void pictureFileDialog();
    void openedBelowThePreviewModal();
    void nothingOpensWithoutASlot();
};

void ItemDialogsTest::windows() {
    Rig r;
    r.insertAt(0, 0);
    TextItemDialog text(r.items, r.messages, r.fonts, r.target);
    ImageItemDialog image(r.items, r.messages, r.files, r.target);
    const struct {
        QDialog* dialog;
        QString name, title;
        int width, height;
    } windows[] = {{&text, "frmSetLabel", "ペルノア－テキストの設定", 4185, 1440},
                   {&image, "frmSetImage", "ペルノア－画像の設定", 3645, 1155}};
    for (const auto& w : windows) {
        QCOMPARE(w.dialog->objectName(), w.name);
        QCOMPARE(w.dialog->windowTitle(), w.title);
        QVERIFY(w.dialog->windowFlags().testFlag(Qt::Tool));
        QVERIFY(!w.dialog->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!w.dialog->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(w.dialog->minimumSize(), w.dialog->maximumSize());
        QVERIFY(w.dialog->width() >= twipsToPixels(w.width));
        QVERIFY(w.dialog->height() >= twipsToPixels(w.height));
        for (auto* button : w.dialog->findChildren<QPushButton*>())
            QVERIFY(!button->autoDefault() && !button->isDefault());
        QCOMPARE(w.dialog->findChild<QPushButton*>("cmdCancel")->text(), QStringLiteral("やめる"));
        QCOMPARE(w.dialog->findChild<QPushButton*>("cmdOk")->text(), QStringLiteral("登録"));
    }
    QCOMPARE(text.findChild<QLabel*>("Label15")->text(),
             QStringLiteral("表示するテキスト(改行できます）"));
    QCOMPARE(text.fontButton()->text().split('\n'),
             QStringList({QStringLiteral("テキストの"), QStringLiteral("フォント設定")}));
    QCOMPARE(focusChain(text.textField(), 4),
             QList<QWidget*>(
                 {text.textField(), text.fontButton(), text.cancelButton(), text.okButton()}));

    QCOMPARE(image.findChild<QLabel*>("Label8")->text(), QStringLiteral("画像の場所"));
    QCOMPARE(image.findChild<QLabel*>("Label2")->text(), QStringLiteral("もとの大きさの"));
    QCOMPARE(image.findChild<QLabel*>("Label10")->text(), QStringLiteral("%"));
    QCOMPARE(image.browseButton()->text(), QStringLiteral("参照"));
    QCOMPARE(image.pathLabel()->text(), QString());
    QCOMPARE(image.pathLabel()->frameShadow(), QFrame::Sunken);
    QCOMPARE(image.scaleField()->text(), QStringLiteral("100"));
    QCOMPARE(focusChain(image.browseButton(), 4),
             QList<QWidget*>({image.browseButton(), image.scaleField(), image.cancelButton(),
                              image.okButton()}));
}

void ItemDialogsTest::keysDoNothingByThemselves() {
    Rig r;
    r.insertAt(5, 5);
    TextItemDialog dialog(r.items, r.messages, r.fonts, r.target);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.textField()->setFocus();
    QTest::keyClicks(dialog.textField(), "ab");
    QTest::keyClick(dialog.textField(), Qt::Key_Return);
    QTest::keyClicks(dialog.textField(), "c");
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.textField()->toPlainText(), QStringLiteral("ab\nc"));
    QVERIFY(r.messages.shown.isEmpty());
    // Enter on a focused button presses it.
    dialog.okButton()->setFocus();
    QTest::keyClick(dialog.okButton(), Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(r.items.text(1).Text, QStringLiteral("ab\r\nc"));
    QVERIFY(r.items.inUse(ItemKind::Text, 1));
}

void ItemDialogsTest::textInsertAndEdit() {
    Rig r;
    // Empty text: the warning, nothing changes.
    r.insertAt(100, 250);
    {
        TextItemDialog dialog(r.items, r.messages, r.fonts, r.target);
        QCOMPARE(dialog.slot(), std::int16_t(1));
        QCOMPARE(dialog.textField()->toPlainText(), QString());
        dialog.confirm();
        QCOMPARE(r.messages.shown.size(), 1);
        QCOMPARE(r.messages.shown[0].text, QStringLiteral("文字を入力してください"));
        QCOMPARE(r.messages.shown[0].title, kErrorTitle);
        QCOMPARE(r.messages.shown[0].icon, MsgIcon::Warning);
        QVERIFY(!r.items.inUse(ItemKind::Text, 1));
        // "やめる" frees the slot again.
        dialog.cancel();
        QVERIFY(!r.items.inUse(ItemKind::Text, 1));
        QCOMPARE(r.display.log.last(), QStringLiteral("hide text 1"));
    }
    // The next insert takes the same slot; blanks and breaks only are text.
    QCOMPARE(r.addText(QStringLiteral(" \n")), std::int16_t(1));
    QCOMPARE(r.items.count(ItemKind::Text), std::int16_t(1));
    QCOMPARE(r.items.text(1).Text, QStringLiteral(" \r\n"));
    QCOMPARE(r.items.text(1).X, 30);
    QCOMPARE(r.items.text(1).Y, 60);

    // Edit: the text field holds the text; changing only the font keeps it.
    OverlayText twoLines = r.items.text(1);
    twoLines.Text = QStringLiteral("A\r\nB");
    r.items.change(1, twoLines);
    r.edit(1);
    {
        TextItemDialog dialog(r.items, r.messages, r.fonts, r.target);
        QCOMPARE(dialog.textField()->toPlainText(), QStringLiteral("A\nB"));
        r.fonts.change = [](FontChoice& c) { c.bold = true; };
        dialog.chooseFont();
        dialog.confirm();
    }
    QCOMPARE(r.items.text(1).Text, QStringLiteral("A\r\nB"));
    QVERIFY(r.items.text(1).FontBold);
    QVERIFY(r.display.text.font.bold());
    QCOMPARE(r.display.text.text, QStringLiteral("A\r\nB"));

    // Edit, change text and font, "やめる": every field as before.
    const OverlayText before = r.items.text(1);
    QVERIFY(before.InUse);
    {
        TextItemDialog dialog(r.items, r.messages, r.fonts, r.target);
        r.fonts.change = [](FontChoice& c) {
            c.face = QStringLiteral("IPAMincho");
            c.italic = c.underline = true;
            c.colour = 255;
        };
        dialog.chooseFont();
        dialog.textField()->setPlainText(QStringLiteral("changed"));
        // The dialog holds the font until "登録"; the item is untouched.
        QCOMPARE(dialog.item().ForeColor, QStringLiteral("255"));
        QCOMPARE(fields(r.items.text(1)), fields(before));
        const int shows = r.display.log.size();
        dialog.cancel();
        QCOMPARE(r.display.log.size(), shows); // the label is not redrawn
    }
    QCOMPARE(fields(r.items.text(1)), fields(before));
}

void ItemDialogsTest::fontReadBack_data() {
    QTest::addColumn<bool>("accept");
    QTest::addColumn<double>("size");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("expectedSize");
    QTest::addColumn<QString>("expectedColour");
    QTest::newRow("10.5 to even") << true << 10.5 << QColor(0, 0, 0) << 10 << "0";
    QTest::newRow("11.5 to even") << true << 11.5 << QColor(255, 0, 0) << 12 << "255";
    QTest::newRow("blue high byte") << true << 20.0 << QColor(0, 0, 255) << 20 << "16711680";
    QTest::newRow("mixed") << true << 8.0 << QColor(1, 2, 3) << 8 << "197121";
    QTest::newRow("cancelled keeps") << false << 72.0 << QColor(0, 255, 0) << 20 << "0";
}

void ItemDialogsTest::fontReadBack() {
    QFETCH(bool, accept);
    QFETCH(double, size);
    QFETCH(QColor, colour);
    QFETCH(int, expectedSize);
    QFETCH(QString, expectedColour);
    Rig r;
    r.insertAt(0, 0);
    TextItemDialog dialog(r.items, r.messages, r.fonts, r.target);
    r.fonts.accept = accept;
    r.fonts.change = [&](FontChoice& c) {
        c.size = size;
        c.colour = colourNumber(colour);
    };
    dialog.chooseFont();
    // The chooser was preset from the slot.
    QCOMPARE(r.fonts.shown[0].face, QStringLiteral("ＭＳ Ｐゴシック"));
    QCOMPARE(r.fonts.shown[0].size, 20.0);
    QCOMPARE(r.fonts.shown[0].colour, 0);
    const OverlayText& item = dialog.item();
    QCOMPARE(int(item.FontSize), expectedSize);
    QCOMPARE(item.ForeColor, expectedColour);
    QCOMPARE(item.FontName, QStringLiteral("ＭＳ Ｐゴシック"));
    QVERIFY(!r.items.inUse(ItemKind::Text, dialog.slot())); // only "登録" shows it
    QCOMPARE(colourFromNumber(colourNumber(colour)), colour);
}

void ItemDialogsTest::fontChooserKeepsTheStoredFace() {
    FontChoice preset{QStringLiteral("ＭＳ Ｐゴシック"), 20, true, false, true, 255};
    FontChooserDialog dialog(preset);
    // The stored Windows name is shown, selected and given back unchanged.
    QCOMPARE(dialog.faceList()->currentItem()->text(), preset.face);
    FontChoice back = dialog.choice();
    QCOMPARE(back.face, preset.face);
    QCOMPARE(back.size, 20.0);
    QVERIFY(back.bold && !back.italic && back.underline);
    QCOMPARE(back.colour, 255);
    // Only scalable faces besides it.
    for (int i = 1; i < dialog.faceList()->count(); ++i)
        QVERIFY(QFontDatabase::isSmoothlyScalable(dialog.faceList()->item(i)->text()));
    // Every value comes from the user's controls.
    const auto mincho = dialog.faceList()->findItems(QStringLiteral("IPAMincho"), Qt::MatchExactly);
    QVERIFY(!mincho.isEmpty());
    dialog.faceList()->setCurrentItem(mincho.first());
    dialog.sizeBox()->setEditText(QStringLiteral("10.5"));
    dialog.boldBox()->setChecked(false);
    dialog.italicBox()->setChecked(true);
    dialog.underlineBox()->setChecked(false);
    dialog.setColour(QColor(0, 0, 255));
    back = dialog.choice();
    QCOMPARE(back.face, QStringLiteral("IPAMincho"));
    QCOMPARE(back.size, 10.5);
    QVERIFY(!back.bold && back.italic && !back.underline);
    QCOMPARE(back.colour, 0xff0000);
    // A size the chooser does not take leaves the one it was given.
    dialog.sizeBox()->setEditText(QStringLiteral("abc"));
    QCOMPARE(dialog.choice().size, 20.0);
}

void ItemDialogsTest::fontChooserSizeBox() {
    FontChooserDialog dialog(FontChoice{QStringLiteral("IPAPGothic"), 20, false, false, false, 0});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // Four characters show whole in the box (the line edit keeps 2 pixels
    // free on either side).
    QLineEdit* edit = dialog.sizeBox()->lineEdit();
    const QMargins margins = edit->textMargins();
    QVERIFY(edit->contentsRect().width() - margins.left() - margins.right() - 4 >=
            edit->fontMetrics().horizontalAdvance(QStringLiteral("10.5")));
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("sizeRange"))->text(),
             QStringLiteral("1～1638"));
    // A size it cannot take is named, and OK waits for one it can.
    for (const char* typed : {"0", "abc", "100000", "1638.5", "", "1", "10.5", "1638"}) {
        dialog.sizeBox()->setEditText(QString::fromLatin1(typed));
        const double size = QString::fromLatin1(typed).toDouble();
        const bool taken = size >= 1 && size <= 1638;
        QCOMPARE(dialog.sizeError()->text(),
                 taken ? QString() : QStringLiteral("サイズは1以上1638以下の数値にしてください"));
        QCOMPARE(dialog.okButton()->isEnabled(), taken);
        QCOMPARE(dialog.choice().size, taken ? size : 20.0);
    }
}

// Both dialogs at the test's font and at a large desktop font: every caption
// shows whole, no two controls overlap, and the "%" stands apart from
// "やめる".
void ItemDialogsTest::laidOutForTheFont_data() {
    QTest::addColumn<int>("points");
    QTest::newRow("9 points") << 9;
    QTest::newRow("16 points") << 16;
}

void ItemDialogsTest::laidOutForTheFont() {
    QFETCH(int, points);
    const QFont before = QApplication::font();
    QFont font = before;
    font.setPointSize(points);
    QApplication::setFont(font);
    Rig r;
    r.insertAt(0, 0);
    TextItemDialog text(r.items, r.messages, r.fonts, r.target);
    ImageItemDialog image(r.items, r.messages, r.files, r.target);
    for (ItemDialog* dialog : std::initializer_list<ItemDialog*>{&text, &image}) {
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QVERIFY(dialog->width() >= dialog->designedSize().width());
        QVERIFY(dialog->height() >= dialog->designedSize().height());
        const QList<QWidget*> controls = dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* w : controls) {
            if (qobject_cast<QLabel*>(w) || qobject_cast<QPushButton*>(w)) {
                QVERIFY2(w->width() >= w->sizeHint().width() &&
                             w->height() >= w->sizeHint().height(),
                         qPrintable(w->objectName()));
            }
            QVERIFY(dialog->rect().contains(w->geometry()));
            for (QWidget* other : controls)
                QVERIFY2(w == other || !w->geometry().intersects(other->geometry()),
                         qPrintable(w->objectName() + " " + other->objectName()));
        }
    }
    const QRect percent = image.findChild<QLabel*>(QStringLiteral("Label10"))->geometry();
    QVERIFY(image.cancelButton()->geometry().left() - percent.right() > 8);
    QApplication::setFont(before);
}

void ItemDialogsTest::scaleChecks_data() {
    QTest::addColumn<QString>("scale");
    QTest::addColumn<bool>("withFile");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("stored");
    const QString joke = QStringLiteral("そんな値、入力していじめちゃいや～ん♪");
    const QString jokeTitle = QStringLiteral("あなたっていじわるね");
    const QString tooLarge = QStringLiteral("画像の倍率は32767以下の数値にしてください");
    QTest::newRow("empty") << "" << true << "画像の倍率が空欄です。" << kErrorTitle << -1;
    QTest::newRow("letters") << "abc" << true << "画像の倍率に数値以外が入ってます" << kErrorTitle
                             << -1;
    QTest::newRow("blank") << " " << true << "画像の倍率に数値以外が入ってます" << kErrorTitle
                           << -1;
    QTest::newRow("zero") << "0" << true << joke << jokeTitle << -1;
    QTest::newRow("negative") << "-5" << true << joke << jokeTitle << -1;
    QTest::newRow("scale checked before file") << "0" << false << joke << jokeTitle << -1;
    QTest::newRow("no file") << "100" << false << "画像の指定をしてください" << kErrorTitle << -1;
    QTest::newRow("too large") << "40000" << true << tooLarge << kErrorTitle << -1;
    QTest::newRow("rounds too large") << "32767.5" << true << tooLarge << kErrorTitle << -1;
    QTest::newRow("half") << "0.5" << true << ""
                          << "" << 0;
    QTest::newRow("one and a half") << "1.5" << true << ""
                                    << "" << 2;
    QTest::newRow("two and a half") << "2.5" << true << ""
                                    << "" << 2;
    QTest::newRow("150") << "150" << true << ""
                         << "" << 150;
    QTest::newRow("exponent") << "1e2" << true << ""
                              << "" << 100;
    QTest::newRow("largest") << "32767" << true << ""
                             << "" << 32767;
}

void ItemDialogsTest::scaleChecks() {
    QFETCH(QString, scale);
    QFETCH(bool, withFile);
    QFETCH(QString, message);
    QFETCH(QString, title);
    QFETCH(int, stored);
    QTemporaryDir dir;
    Rig r;
    r.insertAt(7, 8);
    r.files.answer = writePicture(dir.filePath("a.bmp"), "BMP", 3780);
    ImageItemDialog dialog(r.items, r.messages, r.files, r.target);
    dialog.show();
    if (withFile)
        dialog.browse();
    dialog.scaleField()->setText(scale);
    dialog.confirm();
    const OverlayImage& item = r.items.image(dialog.slot());
    if (stored < 0) {
        QCOMPARE(r.messages.shown.size(), 1);
        QCOMPARE(r.messages.shown[0].text, message);
        QCOMPARE(r.messages.shown[0].title, title);
        QCOMPARE(r.messages.shown[0].icon, MsgIcon::Warning);
        QVERIFY(dialog.isVisible());
        QVERIFY(!item.InUse);
        QCOMPARE(item.ImageSizePer, std::int16_t(100));
        QCOMPARE(item.ImagePath, QString());
        return;
    }
    QVERIFY(r.messages.shown.isEmpty());
    QVERIFY(!dialog.isVisible());
    QVERIFY(item.InUse);
    QCOMPARE(int(item.ImageSizePer), stored);
    QCOMPARE(item.ImagePath, r.files.answer);
    QCOMPARE(item.X, 21);
    QCOMPARE(item.Y, 24);
}

void ItemDialogsTest::pictures_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
    QTest::addColumn<int>("loaded");       // 1 loads, 0 fails, -1 either (no crash)
    QTest::addColumn<int>("widthHimetric");
    QByteArray jpegNoRes = pictureBytes("JPEG", 3780);
    jpegNoRes[13] = 0; // JFIF density unit: none, aspect ratio only
    QByteArray bmpNoRes = pictureBytes("BMP", 3780);
    for (int i = 38; i < 46; ++i)
        bmpNoRes[i] = 0;
    const QByteArray jpeg = pictureBytes("JPEG", 11811);
    QTest::newRow("bmp 300 dpi") << "a.bmp" << pictureBytes("BMP", 11811) << 1 << 813;
    QTest::newRow("bmp no resolution") << "b.bmp" << bmpNoRes << 1 << 2540;
    QTest::newRow("jpeg 300 dpi, upper case") << "C.JPG" << jpeg << 1 << 813;
    QTest::newRow("jpeg no resolution") << "d.jpeg" << jpegNoRes << 1 << 2540;
    QTest::newRow("gif") << "e.gif" << gifBytes() << 1 << 26;
    QTest::newRow("missing") << "f.bmp" << QByteArray() << 0 << 0;
    QTest::newRow("not a picture") << "g.jpg" << QByteArray("just some text\r\n") << 0 << 0;
    QTest::newRow("over the allocation limit") << "h.bmp" << hugeBmp() << 0 << 0;
    QTest::newRow("jpeg cut in its header") << "i.jpg" << jpeg.left(40) << 0 << 0;
    const QByteArray noisy = pictureBytes("JPEG", 3780, true);
    QTest::newRow("jpeg cut in its data") << "j.jpg" << noisy.left(noisy.size() / 2) << -1 << 0;
    QTest::newRow("bmp cut in its data")
        << "k.bmp" << pictureBytes("BMP", 3780).left(500) << -1 << 0;
}

void ItemDialogsTest::pictures() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(int, loaded);
    QFETCH(int, widthHimetric);
    QTemporaryDir dir;
    Rig r;
    const QString path = dir.filePath(name);
    if (!bytes.isEmpty())
        writeBytes(path, bytes);
    const std::int16_t slot = r.addImage(path, QStringLiteral("50"));
    const OverlayImage& item = r.items.image(slot);
    const bool shown = r.display.log.contains(QStringLiteral("show image %1").arg(slot));
    if (loaded < 0)
        loaded = shown ? 1 : 0;
    if (loaded == 1) {
        QVERIFY(r.messages.shown.isEmpty());
        QVERIFY(shown && item.InUse);
        if (widthHimetric > 0) {
            QCOMPARE(item.Picture.WidthHimetric, widthHimetric);
            QCOMPARE(r.display.image.width, widthHimetric * 0.5 / 3);
        }
        return;
    }
    QCOMPARE(r.messages.texts(), QStringList{kLoadFailed});
    QCOMPARE(r.messages.shown[0].title, kErrorTitle);
    QCOMPARE(r.messages.shown[0].icon, MsgIcon::Warning);
    QVERIFY(!shown && !item.InUse);
    QCOMPARE(r.display.log.last(), QStringLiteral("hide image %1").arg(slot));
}

void ItemDialogsTest::imageEdit() {
    QTemporaryDir dir;
    Rig r;
    const QString first = writePicture(dir.filePath("first.bmp"), "BMP", 3780);
    const QString second = writePicture(dir.filePath("second.bmp"), "BMP", 11811);
    const std::int16_t slot = r.addImage(first);
    r.items.move(ItemKind::Image, slot, 111, 222);
    const auto item = [&] { return r.items.image(slot); };

    // Only the scale changes: the picture is not loaded again (its file is
    // gone by now) and the item is redrawn at the new scale.
    QFile::rename(first, first + ".away");
    r.edit(slot);
    {
        ImageItemDialog dialog(r.items, r.messages, r.files, r.target);
        QCOMPARE(dialog.pathLabel()->text(), first);
        QCOMPARE(dialog.scaleField()->text(), QStringLiteral("100"));
        QVERIFY(!dialog.imagePathChanged());
        dialog.scaleField()->setText(QStringLiteral("200"));
        dialog.confirm();
    }
    QVERIFY(r.messages.shown.isEmpty());
    QCOMPARE(item().ImageSizePer, std::int16_t(200));
    QCOMPARE(r.display.image.width, 2540 * 2 / 3.0);
    QFile::rename(first + ".away", first);

    // Another file, then "やめる": path, scale, position and picture as before.
    const qint64 key = item().Picture.image.cacheKey();
    {
        ImageItemDialog dialog(r.items, r.messages, r.files, r.target);
        r.files.answer = second;
        dialog.browse();
        QCOMPARE(dialog.pathLabel()->text(), second);
        QVERIFY(dialog.imagePathChanged());
        dialog.scaleField()->setText(QStringLiteral("30"));
        dialog.cancel();
    }
    QVERIFY(r.messages.shown.isEmpty());
    QCOMPARE(item().ImagePath, first);
    QCOMPARE(item().ImageSizePer, std::int16_t(200));
    QCOMPARE(item().X, 111);
    QCOMPARE(item().Y, 222);
    QVERIFY(item().InUse);
    QCOMPARE(item().Picture.WidthHimetric, 2540);
    // Reloaded from its file, which has not changed: the picture decoded before.
    QCOMPARE(item().Picture.image.cacheKey(), key);

    // The file went away meanwhile: "やめる" cannot reload it and removes the item().
    QFile::remove(first);
    {
        ImageItemDialog dialog(r.items, r.messages, r.files, r.target);
        dialog.cancel();
    }
    QCOMPARE(r.messages.texts(), QStringList{kLoadFailed});
    QVERIFY(!item().InUse);

    // Edit onto a file that is no picture: the message and the item is gone.
    r.messages.clear();
    const std::int16_t other = r.addImage(second);
    r.edit(other);
    {
        ImageItemDialog dialog(r.items, r.messages, r.files, r.target);
        r.files.answer = writeBytes(dir.filePath("text.gif"), "GIF? no");
        dialog.browse();
        dialog.confirm();
        QVERIFY(!dialog.isVisible());
    }
    QCOMPARE(r.messages.texts(), QStringList{kLoadFailed});
    QVERIFY(!r.items.inUse(ItemKind::Image, other));
}

void ItemDialogsTest::pictureFileDialog() {
    QTemporaryDir dir;
    auto dialog = createPictureFileDialog(nullptr, dir.path());
    auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    QVERIFY(types);
    QStringList captions;
    for (int i = 0; i < types->count(); ++i)
        captions << types->itemText(i);
    QCOMPARE(captions, QStringList({QStringLiteral("画像ファイル(*.bmp)"),
                                    QStringLiteral("画像ファイル(*.gif)"),
                                    QStringLiteral("画像ファイル(*.jpg)")}));
    QCOMPARE(types->currentIndex(), 0);
    QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
    QCOMPARE(QFileInfo(dialog->directory().path()).canonicalFilePath(),
             QFileInfo(dir.path()).canonicalFilePath());
    QVERIFY(pictureNameFilters()[2].contains(QStringLiteral("*.JPEG")));

    // The start folder: the program's folder when writable, else the
    // pictures folder; the folder of the last choice for the rest of the run.
    PictureFolder writable(dir.path());
    QCOMPARE(writable.start(), dir.path());
    PictureFolder missing(dir.filePath("no such folder"));
    QVERIFY(missing.start() != dir.filePath("no such folder"));
    QVERIFY(QFileInfo(missing.start()).isDir());
    QDir(dir.path()).mkdir("pics");
    missing.remember(dir.filePath("pics/a.bmp"));
    QCOMPARE(missing.start(), dir.filePath("pics"));
}

void ItemDialogsTest::openedBelowThePreviewModal() {
    Rig r;
    QWidget preview;
    preview.setGeometry(200, 100, 400, 600);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    const QRect frame = preview.frameGeometry();
    QCOMPARE(itemDialogPosition(preview), QPoint(frame.left(), frame.top() + frame.height() / 2));

    const struct {
        const char* name;
        std::function<void()> open;
    } dialogs[] = {
        {"frmSetLabel",
         [&] { openTextItemDialog(r.items, r.messages, r.fonts, r.target, &preview); }},
        {"frmSetImage",
         [&] { openImageItemDialog(r.items, r.messages, r.files, r.target, &preview); }},
    };
    for (const auto& d : dialogs) {
        r.insertAt(1, 1);
        QPoint where;
        bool modal = false;
        QString name;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<ItemDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            name = dialog->objectName();
            where = dialog->pos();
            modal = dialog->isModal();
            dialog->close();
        });
        d.open();
        QCOMPARE(name, QString::fromLatin1(d.name));
        QCOMPARE(where, itemDialogPosition(preview));
        QVERIFY(modal);
    }
    // Both inserts were cancelled through the frame.
    QVERIFY(!r.items.inUse(ItemKind::Text, 1));
    QVERIFY(!r.items.inUse(ItemKind::Image, 1));
    QCOMPARE(r.items.count(ItemKind::Image), std::int16_t(1));
}

void ItemDialogsTest::nothingOpensWithoutASlot() {
    Rig r;
    r.items.setDisplay(nullptr);
    OverlayText used;
    used.InUse = true;
    for (int i = 0; i < kMaxItemSlots; ++i)
        r.items.add(used);
    r.insertAt(0, 0);
    openTextItemDialog(r.items, r.messages, r.fonts, r.target, nullptr); // no dialog
    QCOMPARE(r.messages.shown.size(), 1);
    // An edit of a slot that does not exist opens nothing either.
    r.edit(0);
    ImageItemDialog image(r.items, r.messages, r.files, r.target);
    QVERIFY(!image.isReady());
    image.confirm();
    QCOMPARE(r.messages.shown.size(), 1);
}

QTEST_MAIN(ItemDialogsTest)
#include "tst_itemdialogs.moc"
