// The sheet settings file and the default settings file on a headless form,
// against byte fixtures in code page 932 (data/settings).

#include "engine/controls.h"
#include "engine/headlessform.h"
#include "engine/numberrules.h"
#include "engine/tavriengine.h"
#include "enginerig.h"
#include "failingdevice.h"
#include "files/cp932.h"
#include "files/defaultsettings.h"
#include "files/fields.h"
#include "files/fileio.h"
#include "files/formatwords.h"
#include "files/settingsfile.h"
#include "localecheck.h"
#include "overlay/overlayitems.h"
#include "recorders.h"
#include "recordingdisplay.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace pernoa;
using namespace pernoa::overlay;

namespace {

const QString kDataDir = QStringLiteral(PERNOA_FILES_TESTDATA "/settings");

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray crlfLines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += cp932::encode(line) + "\r\n";
    return bytes;
}

// A translation of the line weights' captions, as an English window shows
// them: the file keeps its own words whatever the list shows.
class EnglishWeights : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (qstrcmp(context, "engine") != 0)
            return {};
        const QString text = QString::fromUtf8(source);
        return text == u"細め"   ? QStringLiteral("Thin")
               : text == u"普通" ? QStringLiteral("Normal")
               : text == u"太め" ? QStringLiteral("Thick")
                                 : QString();
    }
    bool isEmpty() const override { return false; }
};

// The main window's state as the files see it, with the window's handlers of
// the landscape box and the paper options.
struct Rig {
    HeadlessForm form;
    test::RecordingMessages messages;
    test::RecordingSurface surface;
    TavriEngine engine{form, messages};
    OverlayItems items{engine.settings(), messages};
    test::RecordingDisplay display;
    SettingsFile file{engine, items};

    Rig() {
        engine.initStartValues();
        engine.setPreviewSurface(&surface);
        engine.setOverlayOutput(&items);
        items.setDisplay(&display);
        test::wirePageHandlers(form, engine);
    }
    QString checkedOf(const QStringList& options) const {
        for (const QString& o : options)
            if (form.isChecked(o))
                return o;
        return {};
    }
    QString paper() const { return checkedOf({"optA3", "optA4", "optA5", "optB4", "optB5"}); }
    QString lines() const { return checkedOf({"opt2", "opt3", "opt4", "opt5", "opt6"}); }
    QStringList inUseTexts() const {
        QStringList texts;
        for (const std::int16_t slot : items.slotsInUse(ItemKind::Text))
            texts << items.text(slot).Text;
        return texts;
    }
    void addText(OverlayText item) {
        item.InUse = true;
        items.add(item);
    }
};

// The readers of the earlier versions, as they read a file: each finds its
// own marker from the first line on; the parameter line names one of five
// papers (any other word leaves the paper as it was); the text and image
// sections are records of values up to an empty text or path.
struct EarlierReaders {
    QStringList parameters; // fields 1 to 13
    QString paper;          // field 8 if it is a paper they know, else ""
    QStringList texts;
    QStringList images;

    static bool find(clsFileIO& io, const QString& path, const QString& marker) {
        if (!io.M_boOpen(path, false, false))
            return false;
        while (!io.M_boEof())
            if (io.M_stGetLine() == marker)
                return true;
        return false;
    }
    bool read(const QString& path) {
        clsFileIO io;
        if (!find(io, path, QStringLiteral("[$TavriSettei$]")))
            return false;
        const QString line = io.M_stGetLine();
        for (int i = 1; i <= 13; ++i)
            parameters << stGetField(line, i);
        if (QStringList({"A4", "B5", "A3", "B4", "A5"}).contains(parameters[7]))
            paper = parameters[7];
        clsFileIO text;
        if (!find(text, path, QStringLiteral("[$TextSettei$]")))
            return false;
        for (;;) {
            QString value, face, size, bold, italic, underline, colour;
            std::int32_t x = 0, y = 0;
            if (!text.ReadDelimitedValue(value, x, y, face, size, bold, italic, underline,
                                         colour) ||
                (value.isEmpty() && x == 0))
                break;
            texts << value;
        }
        clsFileIO image;
        if (!find(image, path, QStringLiteral("[$ImageSettei$]")))
            return false;
        for (;;) {
            QString imagePath;
            std::int32_t x = 0, y = 0;
            std::int16_t percent = 0;
            if (!image.ReadDelimitedValue(x, y, imagePath, percent) || imagePath.isEmpty())
                break;
            images << imagePath;
        }
        return true;
    }
};

const QString kPictureMessage =
    QStringLiteral("画像の取得に失敗しました。\r\nペルノアファイルに定義された画像ファイルが指定"
                   "したパスに存在しません。\r\nこの画像の情報を削除します。");

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(test::decimalPointAsAsked());
        // Image paths in the fixtures are relative to their folder.
        QVERIFY(QDir::setCurrent(kDataDir));
    }

    // Parameter line ---------------------------------------------------------

    void parameterLine_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("ok");
        // margins|weight|rows|spacing|paper|yoko|shade|blocks|gap|lines, or the message
        QTest::addColumn<QString>("expected");
        const QString keep = QStringLiteral("30,30,15,15|普通|10|2|optA4|0|0|1|0|opt5");
        QTest::newRow("eight fields")
            << "20,25,10,12,太め,8,2.5,B5" << true << "20,25,10,12|太め|8|2.5|optB5|0|0|1|0|opt5";
        QTest::newRow("marker is the last line")
            << "<none>" << true << ",,,|普通|||optA4|0|0|1|0|opt5";
        QTest::newRow("lower-case paper") << "30,30,15,15,普通,10,2,a4,0,1,0,5,0" << true << keep;
        QTest::newRow("2.0 lines") << "30,30,15,15,普通,10,2,A4,0,1,0,2.0,0" << true
                                   << "30,30,15,15|普通|10|2|optA4|0|0|1|0|opt2";
        QTest::newRow("7 lines") << "30,30,15,15,普通,10,2,A4,0,1,0,7,0" << true << keep;
        QTest::newRow("A5 landscape") << "30,30,15,15,細め,10,2,A5,255,1,0,3,1" << true
                                      << "30,30,15,15|細め|10|2|optA5|1|255|1|0|opt3";
        QTest::newRow("2.5 blocks, 1.50 gap") << "30,30,15,15,普通,10,2,A4,0,2.5,1.50,5,0" << true
                                              << "30,30,15,15|普通|10|2|optA4|0|0|2|1.5|opt5";
        QTest::newRow("3.5 blocks") << "30,30,15,15,普通,10,2,A4,0,3.5,3,5,0" << true
                                    << "30,30,15,15|普通|10|2|optA4|0|0|4|3|opt5";
        QTest::newRow("quotes dropped") << "\"30\",30,15,15,普通,10,2,\"A3\",0,1,0,5,0" << true
                                        << "30,30,15,15|普通|10|2|optA3|0|0|1|0|opt5";
        const QString bad = QStringLiteral("五線の設定が読み込めませんでした。\r\n");
        QTest::newRow("darkness 256") << "30,30,15,15,普通,10,2,B4,256,1,0,5,1" << false
                                      << bad + "「五線の色の濃さ」の値「256」は読み込めません。";
        QTest::newRow("darkness word") << "30,30,15,15,普通,10,2,B4,dark,1,0,5,1" << false
                                       << bad + "「五線の色の濃さ」の値「dark」は読み込めません。";
        QTest::newRow("blocks beyond 32 bits")
            << "30,30,15,15,普通,10,2,B4,0,3e9,0,5,1" << false
            << bad + "「大譜表の数」の値「3e9」は読み込めません。";
        QTest::newRow("gap word") << "30,30,15,15,普通,10,2,B4,0,1,x,5,1" << false
                                  << bad + "「大譜表の間隔」の値「x」は読み込めません。";
        QTest::newRow("lines word") << "30,30,15,15,普通,10,2,B4,0,1,0,five,1" << false
                                    << bad + "「線の本数」の値「five」は読み込めません。";
        QTest::newRow("landscape word") << "30,30,15,15,普通,10,2,B4,0,1,0,5,yes" << false
                                        << bad + "「横長」の値「yes」は読み込めません。";
        QTest::newRow("unknown weight") << "30,30,15,15,極太,10,2,B4,0,1,0,5,1" << false
                                        << bad + "「線の幅」の値「極太」は読み込めません。";
        // A value is quoted short, whatever its size, and escaped.
        QTest::newRow("2 MB weight")
            << "30,30,15,15," + QString(2 << 20, u'太') + ",10,2,B4,0,1,0,5,1" << false
            << bad + "「線の幅」の値「" + QString(40, u'太') + "…」は読み込めません。";
        QTest::newRow("escape sequences in the weight")
            << "30,30,15,15,\x1b]0;x\a\x1b[2J,10,2,B4,0,1,0,5,1" << false
            << bad + "「線の幅」の値「\\x1b]0;x\\x07\\x1b[2J」は読み込めません。";
    }

    // The list shows the captions, the file stores its words: a translated
    // window reads and writes the same files, and draws the same weight.
    void lineWeightWordsWhateverTheCaptions() {
        EnglishWeights english;
        QCoreApplication::installTranslator(&english);
        Rig r;
        QCOMPARE(r.form.selectedText(ctl::lstLineWeight), QStringLiteral("Normal"));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("w.kvs2"));
        writeBytes(path, crlfLines({kTavriSetteiMarker, "30,30,15,15,細め,10,2,A4,0,1,0,5,0", "",
                                    kTextSetteiMarker, "", kImageSetteiMarker}));
        const bool loaded = r.file.boLoadSetteiFile(path);
        const QString shown = r.form.selectedText(ctl::lstLineWeight);
        const std::int32_t drawn = r.engine.settings().LineWeight;
        r.form.selectText(ctl::lstLineWeight, QStringLiteral("Thick"));
        const bool saved = r.file.SaveSetteiFile(path);
        QCoreApplication::removeTranslator(&english);
        QVERIFY(loaded);
        QCOMPARE(shown, QStringLiteral("Thin"));
        QCOMPARE(drawn, kLineWeightThin);
        QVERIFY(saved);
        QVERIFY(fileBytes(path).startsWith(
            crlfLines({kTavriSetteiMarker, "30,30,15,15,太め,10,2,A4,0,1,0,5,0"})));
    }

    void parameterLine() {
        QFETCH(QString, line);
        QFETCH(bool, ok);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("p.kvs2"));
        QStringList lines = {kTavriSetteiMarker};
        if (line != QLatin1String("<none>"))
            lines << line;
        writeBytes(path, crlfLines(lines));
        Rig r;
        const double heightBefore = r.engine.settings().PaperHeightTwip;
        QCOMPARE(r.file.boLoadTavriSettei(path), ok);
        if (!ok) {
            QCOMPARE(r.messages.texts(), QStringList({expected}));
            QCOMPARE(r.messages.shown[0].icon, MsgIcon::Critical);
            // Nothing changed.
            QCOMPARE(r.form.text(ctl::txtSpaceSizeUp), QStringLiteral("30"));
            QCOMPARE(r.paper(), QStringLiteral("optA4"));
            QCOMPARE(r.engine.settings().PaperHeightTwip, heightBefore);
            return;
        }
        const QStringList got = {
            QStringList({r.form.text(ctl::txtSpaceSizeUp), r.form.text(ctl::txtSpaceSizeDown),
                         r.form.text(ctl::txtSpaceSizeLeft), r.form.text(ctl::txtSpaceSizeRight)})
                .join(u','),
            r.form.selectedText(ctl::lstLineWeight),
            r.form.text(ctl::txtTavriDansu),
            r.form.text(ctl::txtLineInterval),
            r.paper(),
            r.form.isChecked(ctl::chkPrintDirectionYoko) ? "1" : "0",
            QString::number(r.form.value(ctl::sbrPrintShade)),
            r.form.text(ctl::txtDaifuhyoCnt),
            r.form.text(ctl::txtDaifuhyoInterval),
            r.lines()};
        QCOMPARE(got.join(u'|'), expected);
        // The page size follows the loaded paper and orientation.
        const PaperSize* paper = nullptr;
        for (const PaperSize& p : paperTable())
            if (r.form.isChecked(p.option))
                paper = &p;
        const bool yoko = r.form.isChecked(ctl::chkPrintDirectionYoko);
        QCOMPARE(r.engine.settings().PaperHeightTwip, yoko ? paper->widthTwip : paper->heightTwip);
    }

    // Whole files -----------------------------------------------------------

    void loadSequence_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("paper");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("imageSlots");
        QTest::addColumn<int>("imagesInUse");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("full") << "full.kvs2" << true << "optB4"
                              << QStringList({"練習曲\r\n第1番", "表ソ～①髙", "ﾍﾟﾙﾉｱ ｶﾞｸﾌ"}) << 2
                              << 2 << QStringList();
        QTest::newRow("empty page")
            << "empty_page.kvs2" << true << "optA4" << QStringList() << 0 << 0 << QStringList();
        QTest::newRow("quoted values")
            << "quoted.kvs2" << true << "optA4"
            << QStringList({"Allegro, ma non troppo", "\"引用\" と \"表\"", "  字下げ",
                            "a\"b\r\nc ", "", "after the empty one"})
            << 1 << 1 << QStringList();
        QTest::newRow("second picture missing")
            << "missing_second_picture.kvs2" << false << "optA4" << QStringList({"表"}) << 2 << 1
            << QStringList({kPictureMessage});
        QTest::newRow("no text section")
            << "no_text_section.kvs2" << false << "optA3" << QStringList() << 0 << 0
            << QStringList({"テキストの設定が読み込めませんでした。"});
        QTest::newRow("no image section")
            << "no_image_section.kvs2" << false << "optA3" << QStringList({"ソ"}) << 0 << 0
            << QStringList({"画像の設定が読み込めませんでした。"});
        QTest::newRow("no parameter section")
            << "no_parameter_section.kvs2" << false << "optA4" << QStringList() << 0 << 0
            << QStringList({"五線の設定が読み込めませんでした。"});
        QTest::newRow("no file") << "no_such_file.kvs2" << false << "optA4" << QStringList() << 0
                                 << 0 << QStringList({"設定ファイルが開けません"});
    }

    void loadSequence() {
        QFETCH(QString, name);
        QFETCH(bool, ok);
        QFETCH(QString, paper);
        QFETCH(QStringList, texts);
        QFETCH(int, imageSlots);
        QFETCH(int, imagesInUse);
        QFETCH(QStringList, messages);
        Rig r;
        // Items placed before the load go, whatever the file holds.
        r.addText(OverlayText{QStringLiteral("old"), 1, 1});
        const int clearsBefore = r.surface.clears;
        QCOMPARE(r.file.boLoadSetteiFile(kDataDir + u'/' + name), ok);
        QCOMPARE(r.messages.texts(), messages);
        QCOMPARE(r.paper(), paper);
        QCOMPARE(r.inUseTexts(), texts);
        QCOMPARE(int(r.items.count(ItemKind::Text)), int(texts.size()));
        QCOMPARE(int(r.items.count(ItemKind::Image)), imageSlots);
        int inUse = 0;
        for (const std::int16_t slot : r.items.slotsInUse(ItemKind::Image))
            inUse += r.items.inUse(ItemKind::Image, slot);
        QCOMPARE(inUse, imagesInUse);
        if (name.startsWith(QLatin1String("missing_second"))) {
            // The second image is a free slot with a hidden element.
            QCOMPARE(r.messages.shown[0].icon, MsgIcon::Warning);
            QVERIFY(r.display.log.contains(QStringLiteral("create image 2")));
            QVERIFY(!r.display.log.contains(QStringLiteral("show image 2")));
            QVERIFY(!r.items.image(1).Picture.isEmpty());
        }
        // The final redraw runs only after a complete load (the paper handler
        // may have redrawn on the way).
        if (ok)
            QVERIFY(r.surface.clears > clearsBefore);
        if (!ok && paper == QLatin1String("optA4"))
            QCOMPARE(r.surface.clears, clearsBefore);
    }

    void onePictureDecodedOnce() {
        Rig r;
        QVERIFY(r.file.boLoadSetteiFile(kDataDir + QStringLiteral("/full.kvs2")));
        QCOMPARE(r.items.image(1).Picture.image.cacheKey(),
                 r.items.image(2).Picture.image.cacheKey());
        QCOMPARE(r.items.image(2).ImageSizePer, std::int16_t(250));
    }

    void loadThenSaveGivesTheSameBytes_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"full.kvs2", "empty_page.kvs2", "quoted.kvs2"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void loadThenSaveGivesTheSameBytes() {
        QFETCH(QString, name);
        Rig r;
        QVERIFY(r.file.boLoadSetteiFile(kDataDir + u'/' + name));
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("out"));
        QVERIFY(r.file.SaveSetteiFile(out));
        QCOMPARE(fileBytes(out), fileBytes(kDataDir + u'/' + name));
        QVERIFY(r.messages.shown.isEmpty());
    }

    // The music section stands between the parameter and the text sections,
    // only on a page with music, and reads back as written; an earlier
    // version reads such a file as the same page without music.
    void musicSection() {
        QTemporaryDir dir;
        const QString plain = dir.filePath(QStringLiteral("plain.kvs2"));
        const QString music = dir.filePath(QStringLiteral("music.kvs2"));
        Rig r;
        OverlayText lyric;
        lyric.Text = QStringLiteral("歌詞");
        r.addText(lyric);
        QVERIFY(r.file.SaveSetteiFile(plain));
        r.form.setText(ctl::txtFuhyoNarabi, QStringLiteral("treble,tab:6:3"));
        r.form.setChecked(ctl::optKukuriBracket, true);
        r.form.setText(ctl::txtShosetsuSu, QStringLiteral("4"));
        r.form.setChecked(ctl::optShosetsuFuhyogoto, true);
        QVERIFY(r.file.SaveSetteiFile(music));
        const QStringList lines = cp932::decode(fileBytes(music)).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.mid(3, 7),
                 QStringList({"[$GakufuSettei$]", "stack=treble:5,tab:6:3", "grouping=bracket",
                              "bars=4", "barsthrough=staff", "", "[$TextSettei$]"}));
        EarlierReaders withMusic, without;
        QVERIFY(withMusic.read(music) && without.read(plain));
        QCOMPARE(withMusic.parameters, without.parameters);
        QCOMPARE(withMusic.texts, QStringList{QStringLiteral("歌詞")});
        QCOMPARE(withMusic.texts, without.texts);
        QCOMPARE(withMusic.images, without.images);

        Rig back;
        QVERIFY(back.file.loadSections(music));
        QCOMPARE(back.form.text(ctl::txtFuhyoNarabi), QStringLiteral("treble:5,tab:6:3"));
        QVERIFY(back.form.isChecked(ctl::optKukuriBracket));
        QCOMPARE(back.form.text(ctl::txtShosetsuSu), QStringLiteral("4"));
        QVERIFY(back.form.isChecked(ctl::optShosetsuFuhyogoto));
        QCOMPARE(back.inUseTexts(), QStringList{QStringLiteral("歌詞")});
        // A file without the section is a page without music.
        QVERIFY(back.file.loadSections(plain));
        QCOMPARE(back.form.text(ctl::txtFuhyoNarabi), QString());
        QVERIFY(back.form.isChecked(ctl::optKukuriNashi));
        QCOMPARE(back.form.text(ctl::txtShosetsuSu), QStringLiteral("0"));
        QVERIFY(back.form.isChecked(ctl::optShosetsuTsuranuku));
        QVERIFY(back.messages.shown.isEmpty());
    }

    // A section with a line that is not key=value, an unknown key or a value
    // out of range is refused whole, the line named, no field changed.
    void musicSectionRefused_data() {
        QTest::addColumn<QString>("line");
        QTest::newRow("garbage") << "\x01garbage";
        QTest::newRow("unknown key") << "colour=red";
        QTest::newRow("seven lines") << "stack=treble:7";
        QTest::newRow("negative bars") << "bars=-1";
        QTest::newRow("unknown grouping") << "grouping=curly";
    }
    void musicSectionRefused() {
        QFETCH(QString, line);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.kvs2"));
        writeBytes(path, crlfLines({"[$TavriSettei$]", "31,30,15,15,普通,2,1.5,A4,0,6,17.5,5,0", "",
                                    "[$GakufuSettei$]", "stack=treble,bass", line, "",
                                    "[$TextSettei$]", "[$ImageSettei$]"}));
        Rig r;
        QVERIFY(!r.file.loadSections(path));
        QCOMPARE(r.messages.shown.size(), 1);
        QCOMPARE(r.messages.shown[0].text,
                 QStringLiteral("楽譜の設定が読み込めませんでした。\r\n行「%1」は読み込めません。")
                     .arg(line == u"\x01garbage" ? QStringLiteral("\\x01garbage") : line));
        QCOMPARE(r.form.text(ctl::txtSpaceSizeUp), QStringLiteral("30"));
        QCOMPARE(r.form.text(ctl::txtFuhyoNarabi), QString());
    }

    void deletedItemsAreNotWritten() {
        Rig r;
        QVERIFY(r.file.boLoadSetteiFile(kDataDir + QStringLiteral("/full.kvs2")));
        r.items.remove(ItemKind::Text, 1);
        r.items.remove(ItemKind::Image, 1);
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("out.kvs2"));
        QVERIFY(r.file.SaveSetteiFile(out));
        Rig again;
        QVERIFY(again.file.boLoadSetteiFile(out));
        QCOMPARE(int(again.items.count(ItemKind::Text)), 2);
        QCOMPARE(again.items.text(1).Text, QStringLiteral("表ソ～①髙"));
        QCOMPARE(int(again.items.count(ItemKind::Image)), 1);
        QCOMPARE(again.items.image(1).ImageSizePer, std::int16_t(250));
    }

    void randomPagesAreStable() {
        QRandomGenerator random(20240611);
        const QStringList pieces = {
            "a",  "Z", ",", "\"", " ", "\r\n", "表", "ソ", "～", "①",
            "髙", "ｱ", "ﾟ", "Ω",  "Ж", "é",    "\\", "n",  "\t", "[$TextSettei$]"};
        for (int page = 0; page < 30; ++page) {
            Rig r;
            const int count = random.bounded(6);
            for (int i = 0; i < count; ++i) {
                OverlayText t;
                for (int k = random.bounded(8); k > 0; --k)
                    t.Text += pieces[random.bounded(int(pieces.size()))];
                t.X = random.bounded(-500, 20000);
                t.Y = random.bounded(0, 30000);
                t.FontName =
                    random.bounded(2) ? QStringLiteral("ＭＳ 明朝") : QStringLiteral(" A,B");
                t.FontBold = random.bounded(2);
                r.addText(t);
            }
            QTemporaryDir dir;
            const QString first = dir.filePath(QStringLiteral("1.kvs2"));
            const QString second = dir.filePath(QStringLiteral("2.kvs2"));
            if (!r.file.SaveSetteiFile(first)) {
                // Only what cannot be kept is refused: a character the code
                // page lacks, the two characters \n, or a marker line.
                const QString all = r.inUseTexts().join(QString());
                QVERIFY2(all.contains(QStringLiteral("é")) || all.contains(QStringLiteral("\\n")),
                         qPrintable(r.messages.texts().join(u'|')));
                QVERIFY(!QFile::exists(first));
                continue;
            }
            Rig back;
            QVERIFY(back.file.boLoadSetteiFile(first));
            QCOMPARE(back.inUseTexts(), r.inUseTexts());
            QVERIFY(back.file.SaveSetteiFile(second));
            QCOMPARE(fileBytes(second), fileBytes(first));
        }
    }

    void tooManyItemsAreRefused_data() {
        QTest::addColumn<bool>("images");
        QTest::newRow("texts") << false;
        QTest::newRow("images") << true;
    }

    void tooManyItemsAreRefused() {
        QFETCH(bool, images);
        QByteArray bytes =
            crlfLines({kTavriSetteiMarker, "30,30,15,15,普通,10,2,A4,0,1,0,5,0", "",
                       kTextSetteiMarker, "t,1,1,A,9,False,False,False,0", "", kImageSetteiMarker});
        const QByteArray line =
            images ? "1,1,pic.bmp,100\r\n" : "t,1,1,A,9,False,False,False,0\r\n";
        QByteArray many;
        for (int i = 0; i < 32768; ++i)
            many += line;
        if (images)
            bytes += many;
        else
            bytes.insert(bytes.indexOf("\r\n\r\n[$Image") + 2, many);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("many.kvs2"));
        writeBytes(path, bytes);
        Rig r;
        QVERIFY(!r.file.boLoadSetteiFile(path));
        QCOMPARE(r.messages.shown.size(), 1);
        QVERIFY(r.messages.texts()[0].contains(QStringLiteral("32767")));
        QCOMPARE(int(r.items.count(ItemKind::Image)), 0);
        QCOMPARE(int(r.items.count(ItemKind::Text)), images ? 1 : 0);
    }

    // A text's size is one the font chooser gives, whole points from 1 to
    // 1638; any other (none would print) refuses the text section, naming it.
    void fontSizes_data() {
        QTest::addColumn<QString>("size");
        QTest::addColumn<int>("loaded"); // 0: refused
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("beyond 16 bits") << "40000" << 0;
        QTest::newRow("1639") << "1639" << 0;
        QTest::newRow("1") << "1" << 1;
        QTest::newRow("1638.4") << "1638.4" << 1638;
    }
    void fontSizes() {
        QFETCH(QString, size);
        QFETCH(int, loaded);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("size.kvs2"));
        writeBytes(path, crlfLines({kTavriSetteiMarker, "30,30,15,15,普通,10,2,A4,0,1,0,5,0", "",
                                    kTextSetteiMarker, "a,1,1,A,9,False,False,False,0",
                                    "ab,1000,4000,A," + size + ",False,False,False,0", "",
                                    kImageSetteiMarker}));
        Rig r;
        QCOMPARE(r.file.boLoadSetteiFile(path), loaded > 0);
        if (loaded) {
            QCOMPARE(r.messages.texts(), QStringList());
            QCOMPARE(int(r.items.text(2).FontSize), loaded);
            return;
        }
        QCOMPARE(r.messages.texts(),
                 QStringList{QStringLiteral("テキストの設定が読み込めませんでした。\r\n2番目の"
                                            "文字「ab」の「文字の大きさ」の値「%1」は読み込めませ"
                                            "ん。")
                                 .arg(size)});
        QCOMPARE(int(r.items.count(ItemKind::Text)), 0);
    }

    // Saving ----------------------------------------------------------------

    void refusedSaveKeepsTheOldFile_data() {
        QTest::addColumn<QString>("margin");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("messages");
        const QString notWritable =
            QStringLiteral("この設定はペルノアファイルに正しく書けないため保存できません。\r\n");
        const QString fix = QStringLiteral("\r\n該当の値を修正してから保存してください。");
        QTest::newRow("empty margin")
            << ""
            << "a"
            << QStringList(
                   {"上マージンが空欄です。", "この設定は完全ではないため保存できません。" + fix});
        QTest::newRow("character outside the code page")
            << "30"
            << "café"
            << QStringList({notWritable +
                            "1番目の文字「café」の文字列に、ペルノアファイルに"
                            "書けない文字が含まれています。" +
                            fix});
        QTest::newRow("typed backslash n")
            << "30"
            << "a\\nb"
            << QStringList({notWritable +
                            "1番目の文字「a\\nb」の文字列に、「\\n」の2文字は改行"
                            "として読み込まれるため保存できません。" +
                            fix});
    }

    void refusedSaveKeepsTheOldFile() {
        QFETCH(QString, margin);
        QFETCH(QString, text);
        QFETCH(QStringList, messages);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("keep.kvs2"));
        writeBytes(path, "old\r\n");
        Rig r;
        r.form.setText(ctl::txtSpaceSizeUp, margin);
        r.addText(OverlayText{text, 10, 10});
        QVERIFY(!r.file.SaveSetteiFile(path));
        QCOMPARE(r.messages.texts(), messages);
        QCOMPARE(fileBytes(path), QByteArray("old\r\n"));
    }

    void failingDeviceReportsTheSave() {
        Rig r;
        QVERIFY(r.file.boLoadSetteiFile(kDataDir + QStringLiteral("/full.kvs2")));
        test::FailingDevice device({}, 100);
        QVERIFY(!r.file.SaveSetteiFile(device));
        QCOMPARE(r.messages.texts(), QStringList({"設定ファイルの保存に失敗しました。"}));
        QCOMPARE(r.messages.shown[0].icon, MsgIcon::Critical);
    }

    void fullDiskKeepsTheOldFile() {
#ifdef Q_OS_LINUX
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.kvs2"));
        writeBytes(path, "old\r\n");
        Rig r;
        for (int i = 0; i < 200; ++i)
            r.addText(OverlayText{QString(40, u'x'), i, i});
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 4096; // the file fails part of the way
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool saved1 = r.file.SaveSetteiFile(path);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(!saved1);
        QCOMPARE(r.messages.texts(), QStringList({"設定ファイルの保存に失敗しました。"}));
        QCOMPARE(fileBytes(path), QByteArray("old\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"a.kvs2"}));
#else
        QSKIP("needs a per-process file size limit");
#endif
    }

    void saveWritesTheExactNameGiven() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("no extension"));
        Rig r;
        QVERIFY(r.file.SaveSetteiFile(path));
        QCOMPARE(fileBytes(path), fileBytes(kDataDir + QStringLiteral("/empty_page.kvs2")));
    }

    // The paper section -----------------------------------------------------

    // A later paper: the parameter line names the nearest of the five papers
    // the earlier versions know, the paper section names it in full; this
    // version reads it back exactly, an earlier one as a page it knows.
    void laterPapersReadBothWays_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<QStringList>("section");
        QTest::addColumn<QString>("standIn");
        QTest::newRow("letter") << QString(ctl::optLetter) << false << QStringList{"paper=letter"}
                                << "A4";
        QTest::newRow("legal landscape")
            << QString(ctl::optLegal) << true << QStringList{"paper=legal"} << "B4";
        QTest::newRow("tabloid") << QString(ctl::optTabloid) << false
                                 << QStringList{"paper=tabloid"} << "A3";
        QTest::newRow("230.5 x 305")
            << QString(ctl::optNini) << false
            << QStringList{"paper=custom", "width=230.5", "height=305"} << "A4";
        QTest::newRow("a typed size written plainly")
            << QString(ctl::optNini) << true
            << QStringList{"paper=custom", "width=1000", "height=50"} << "A3";
        QTest::newRow("A5: no section") << QString(ctl::optA5) << false << QStringList() << "A5";
    }
    void laterPapersReadBothWays() {
        QFETCH(QString, option);
        QFETCH(bool, landscape);
        QFETCH(QStringList, section);
        QFETCH(QString, standIn);
        Rig r;
        if (option == QLatin1String(ctl::optNini)) {
            const bool plain = section[1] == QLatin1String("width=230.5");
            r.form.setText(ctl::txtNiniHaba, plain ? QStringLiteral("230.5") : " 1e3");
            r.form.setText(ctl::txtNiniTakasa, plain ? QStringLiteral("305") : "50.000");
        }
        r.form.setChecked(option, true);
        r.form.setChecked(ctl::chkPrintDirectionYoko, landscape);
        OverlayText title{QStringLiteral("表題"), 3000, 1200};
        title.InUse = true;
        r.items.add(title);
        const QString yoko = landscape ? QStringLiteral("1") : QStringLiteral("0");
        const QSizeF page(r.engine.settings().PaperWidthTwip, r.engine.settings().PaperHeightTwip);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("later.kvs2"));
        QVERIFY(r.file.SaveSetteiFile(path));
        QStringList expected = {kTavriSetteiMarker,
                                "30,30,15,15,普通,10,2," + standIn + ",0,1,0,5," + yoko, ""};
        if (!section.isEmpty())
            expected << "[$YoushiSettei$]" << section << "";
        expected << kTextSetteiMarker << "表題,3000,1200,ＭＳ Ｐゴシック,20,False,False,False,0"
                 << "" << kImageSetteiMarker;
        QCOMPARE(fileBytes(path), crlfLines(expected));

        Rig back;
        QVERIFY(back.file.boLoadSetteiFile(path));
        QVERIFY(back.form.isChecked(option));
        QCOMPARE(back.form.isChecked(ctl::chkPrintDirectionYoko), landscape);
        QCOMPARE(
            QSizeF(back.engine.settings().PaperWidthTwip, back.engine.settings().PaperHeightTwip),
            page);
        QCOMPARE(back.inUseTexts(), QStringList{"表題"});
        QVERIFY(back.messages.shown.isEmpty());

        EarlierReaders earlier;
        QVERIFY(earlier.read(path));
        QCOMPARE(earlier.paper, standIn);
        QCOMPARE(earlier.parameters.mid(0, 4), QStringList({"30", "30", "15", "15"}));
        QCOMPARE(earlier.parameters[12], yoko);
        QCOMPARE(earlier.texts, QStringList{"表題"});
        QVERIFY(earlier.images.isEmpty());
    }

    // A paper section is read whole or refused whole, the line named, and
    // then nothing of the file changes anything.
    void refusedPaperSection_data() {
        QTest::addColumn<QStringList>("section");
        QTest::addColumn<QString>("line");
        QTest::newRow("a paper of the parameter line") << QStringList{"paper=A4"} << "paper=A4";
        QTest::newRow("unknown paper") << QStringList{"paper=Letter"} << "paper=Letter";
        QTest::newRow("unknown key") << QStringList{"paper=letter", "colour=red"} << "colour=red";
        QTest::newRow("key twice") << QStringList{"paper=letter", "paper=legal"} << "paper=legal";
        QTest::newRow("no equals sign") << QStringList{"letter"} << "letter";
        QTest::newRow("side too small")
            << QStringList{"paper=custom", "width=49.99", "height=300"} << "width=49.99";
        QTest::newRow("side not a number")
            << QStringList{"paper=custom", "width=230", "height=30cm"} << "height=30cm";
        QTest::newRow("a side missing")
            << QStringList{"paper=custom", "width=230"} << "paper=custom";
        QTest::newRow("a side of another paper")
            << QStringList{"paper=letter", "height=300"} << "height=300";
    }
    void refusedPaperSection() {
        QFETCH(QStringList, section);
        QFETCH(QString, line);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.kvs2"));
        writeBytes(path,
                   crlfLines(QStringList{kTavriSetteiMarker, "20,20,10,10,細め,8,3,A4,0,1,0,5,1",
                                         "", "[$YoushiSettei$]"} +
                             section + QStringList{"", kTextSetteiMarker, "", kImageSetteiMarker}));
        Rig r;
        QVERIFY(!r.file.boLoadSetteiFile(path));
        QCOMPARE(r.messages.texts(), QStringList{"用紙の設定が読み込めませんでした。\r\n行「" +
                                                 line + "」は読み込めません。"});
        QCOMPARE(r.messages.shown[0].icon, MsgIcon::Critical);
        QCOMPARE(r.form.text(ctl::txtSpaceSizeUp), QStringLiteral("30"));
        QCOMPARE(r.paper(), QStringLiteral("optA4"));
        QVERIFY(!r.form.isChecked(ctl::chkPrintDirectionYoko));
    }

    // Default settings file --------------------------------------------------

    void defaultSettei_data() {
        QTest::addColumn<QByteArray>("content"); // "<missing>": no file
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::addColumn<QString>("scale"); // "X,Y", as the fields show it
        const QString none = QStringLiteral("100,100");
        QTest::newRow("missing") << QByteArray("<missing>") << "0"
                                 << "0" << none;
        QTest::newRow("two numbers") << QByteArray("1.5,-2\r\n") << "1.5"
                                     << "-2" << none;
        QTest::newRow("written with trailing zeros") << QByteArray("1.50,-0.250\r\n") << "1.5"
                                                     << "-0.25" << none;
        QTest::newRow("one number") << QByteArray("1.5\r\n") << "0"
                                    << "0" << none;
        QTest::newRow("empty") << QByteArray() << "0"
                               << "0" << none;
        QTest::newRow("words") << QByteArray("abc,x\r\n") << "0"
                               << "0" << none;
        QTest::newRow("with a scale") << QByteArray("1.5,-2,100.4,99.6\r\n") << "1.5"
                                      << "-2"
                                      << "100.4,99.6";
        QTest::newRow("scale at its ends") << QByteArray("0,0,98,102\r\n") << "0"
                                           << "0"
                                           << "98,102";
        QTest::newRow("scale out of range") << QByteArray("0,0,150,100\r\n") << "0"
                                            << "0" << none;
        QTest::newRow("one scale") << QByteArray("1,2,101\r\n") << "1"
                                   << "2" << none;
    }

    void defaultSettei() {
        QFETCH(QByteArray, content);
        QFETCH(QString, x);
        QFETCH(QString, y);
        QTemporaryDir dir;
        const QString path = dir.filePath(kDefaultSetteiName);
        if (content != "<missing>")
            writeBytes(path, content);
        QFETCH(QString, scale);
        HeadlessForm form;
        form.setText(ctl::txtPrinterGosaX, QStringLiteral("9"));
        form.setText(ctl::txtPrinterBairituX, QStringLiteral("99"));
        LoadDefaultSettei(form, path);
        QCOMPARE(form.text(ctl::txtPrinterGosaX), x);
        QCOMPARE(form.text(ctl::txtPrinterGosaY), y);
        QCOMPARE(form.text(ctl::txtPrinterBairituX) + u',' + form.text(ctl::txtPrinterBairituY),
                 scale);
        // Shutdown writes the numbers again, the scale only when it is not 100.
        QVERIFY(SaveDefaultSettei(form, path));
        const QString line = x + u',' + y + (scale == "100,100" ? QString() : u',' + scale);
        QCOMPARE(fileBytes(path), QByteArray((line + "\r\n").toLatin1()));
        // The earlier versions read two numbers from it and stop: the offsets.
        clsFileIO earlier;
        double ex = 9, ey = 9;
        QVERIFY(earlier.M_boOpen(path, false, false) && earlier.ReadDelimitedValue(ex, ey));
        QCOMPARE(num::toText(ex) + u',' + num::toText(ey), x + u',' + y);
    }

    void defaultSetteiWriteFailureKeepsTheFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(kDefaultSetteiName);
        writeBytes(path, "1,2\r\n");
        HeadlessForm form;
        form.setText(ctl::txtPrinterGosaX, QStringLiteral("1e999")); // cannot be written
        QVERIFY(!SaveDefaultSettei(form, path));
        QCOMPARE(fileBytes(path), QByteArray("1,2\r\n"));
        // A folder that cannot take the file: nothing happens, no file.
        writeBytes(dir.filePath(QStringLiteral("plain")), "x");
        QVERIFY(!SaveDefaultSettei(form, dir.filePath(QStringLiteral("plain/tavri_settei"))));
    }

    void defaultSetteiLocation() {
        QTemporaryDir dir;
        qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
        QCoreApplication::setApplicationName(QStringLiteral("pernoa"));
        QCOMPARE(DefaultSetteiPath(dir.path()), dir.filePath(kDefaultSetteiName));
        QCOMPARE(settingsDialogFolder(dir.path()), dir.path());
        const QString gone = dir.filePath(QStringLiteral("no such folder"));
        QCOMPARE(DefaultSetteiPath(gone),
                 dir.filePath(QStringLiteral("config/pernoa/tavri_settei")));
        QVERIFY(settingsDialogFolder(gone) != gone);
        // The configuration folder is made on the first save.
        HeadlessForm form;
        QVERIFY(SaveDefaultSettei(form, DefaultSetteiPath(gone)));
        QCOMPARE(fileBytes(DefaultSetteiPath(gone)), QByteArray("0,0\r\n"));
    }

    void commandLineFile_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("path");
        QTest::newRow("none") << QStringList({"pernoa"}) << "";
        QTest::newRow("path with spaces")
            << QStringList({"pernoa", "/home/me/My Scores/a b.kvs2", "more"})
            << "/home/me/My Scores/a b.kvs2";
    }

    void commandLineFile() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, path);
        QCOMPARE(stGetCommandLine(arguments), path);
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
