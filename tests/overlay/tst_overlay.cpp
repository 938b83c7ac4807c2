// The item model without windows: slots, coordinates, the preview look and
// the printer output of texts and images.

#include "engine/numberrules.h"
#include "engine/sheetsettings.h"
#include "overlay/overlayitems.h"
#include "overlay/picture.h"
#include "recorders.h"
#include "recordingdisplay.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace pernoa;
using namespace pernoa::overlay;

namespace {

struct Rig {
    SheetSettings settings;
    test::RecordingMessages messages;
    test::RecordingDisplay display;
    OverlayItems items{settings, messages};
    Rig() {
        settings.HyojiSize = 3;
        items.setDisplay(&display);
    }
    // Puts a reserved slot's record to use, as "登録" does.
    void use(std::int16_t slot) {
        OverlayText item = items.text(slot);
        item.InUse = true;
        items.change(slot, item);
    }
    std::int16_t insertText(const QString& text) {
        const auto slot = items.reserve(ItemKind::Text, 0, 0);
        OverlayText item = items.text(slot);
        item.Text = text;
        item.InUse = true;
        items.change(slot, item);
        return slot;
    }
    int walked(ItemKind kind) const {
        int n = 0;
        for (const std::int16_t slot : items.slotsInUse(kind))
            n += slot > 0 && items.inUse(kind, slot);
        return n;
    }
};

} // namespace

class TestOverlay : public QObject {
    Q_OBJECT
private slots:
    void slotsAreReusedLowestFirst() {
        Rig r;
        for (int i = 0; i < 6; ++i)
            QCOMPARE(r.insertText(QString::number(i)), std::int16_t(i + 1));
        r.items.remove(ItemKind::Text, 5);
        r.items.remove(ItemKind::Text, 2);
        QCOMPARE(r.walked(ItemKind::Text), 4);
        QCOMPARE(r.items.reserve(ItemKind::Text, 0, 0), std::int16_t(2));
        // A reserved slot is not in use until an item is put into it: the
        // next insert takes it again, as an insert cancelled leaves it.
        QCOMPARE(r.items.reserve(ItemKind::Text, 0, 0), std::int16_t(2));
        r.use(2);
        QCOMPARE(r.items.reserve(ItemKind::Text, 0, 0), std::int16_t(5));
        r.use(5);
        QCOMPARE(r.items.reserve(ItemKind::Text, 0, 0), std::int16_t(7));
        QCOMPARE(r.items.count(ItemKind::Text), std::int16_t(7));
        QCOMPARE(r.display.log.filter(QStringLiteral("create text")).size(), 7);
        // Images count on their own; slot 0 and slots that do not exist read
        // as the empty record and change nothing.
        QCOMPARE(r.items.reserve(ItemKind::Image, 0, 0), std::int16_t(1));
        QVERIFY(!r.items.inUse(ItemKind::Text, 0) && !r.items.inUse(ItemKind::Text, 8));
        QCOMPARE(r.items.text(8).Text, QString());
        r.items.change(8, OverlayText{QStringLiteral("x"), 1, 1});
        r.items.move(ItemKind::Image, 2, 5, 5);
        QCOMPARE(r.items.count(ItemKind::Text), std::int16_t(7));
        QCOMPARE(r.items.count(ItemKind::Image), std::int16_t(1));
    }

    // Every change of the items is signalled, with its kind and slot.
    void changesAreSignalled() {
        Rig r;
        QSignalSpy changed(&r.items, &OverlayItems::itemChanged);
        QSignalSpy removed(&r.items, &OverlayItems::itemsRemoved);
        const auto slot = r.insertText(QStringLiteral("a")); // reserved, then put
        r.items.move(ItemKind::Text, slot, 90, 90);
        r.items.remove(ItemKind::Text, slot);
        r.items.remove(ItemKind::Text, slot); // free already: no change
        r.items.add(OverlayImage{});
        QCOMPARE(changed.size(), 5);
        QCOMPARE(changed.last().at(0).value<ItemKind>(), ItemKind::Image);
        QCOMPARE(changed.last().at(1).value<std::int16_t>(), std::int16_t(1));
        QVERIFY(r.items.removeAll());
        QCOMPARE(removed.size(), 2);
        QCOMPARE(changed.size(), 5);
    }

    void clickPositionAndCoordinates() {
        Rig r;
        const auto slot = r.items.reserve(ItemKind::Text, 100, 250);
        QCOMPARE(r.items.text(slot).X, 300);
        QCOMPARE(r.items.text(slot).Y, 750);
        QCOMPARE(r.items.text(slot).FontName, QStringLiteral("ＭＳ Ｐゴシック"));
        r.settings.HyojiSize = 2;
        r.use(slot);
        QCOMPARE(r.display.text.left, 150.0);
        QCOMPARE(r.display.text.top, 375.0);
        QCOMPARE(r.display.text.font.pointSizeF(), 10.0);
        r.settings.HyojiSize = 3;
        QCOMPARE(r.items.pageFromPreview(123.4), 370);
        QCOMPARE(r.items.pageFromPreview(150.2), 451);
        QCOMPARE(r.items.pageFromPreview(-10.5), -32); // -31.5 to even
        // Moved from the preview: stored rounded once, shown where it was put.
        r.items.moveFromPreview(ItemKind::Text, slot, 123.4, 150.2);
        QCOMPARE(QPoint(r.items.text(slot).X, r.items.text(slot).Y), QPoint(370, 451));
        QCOMPARE(r.display.text.left, 123.4);
        QVERIFY(!r.items.moveFromPreview(ItemKind::Text, slot, 1e12, 0));
        QCOMPARE(r.items.text(slot).X, 370);
        QCOMPARE(r.items.pageFromPreview(1e9), std::nullopt);

        // A click too far out for a page position: no slot, nothing changes.
        const std::int16_t count = r.items.count(ItemKind::Text);
        QCOMPARE(r.items.reserve(ItemKind::Text, 2147483647, 0), std::int16_t(0));
        QCOMPARE(r.items.count(ItemKind::Text), count);
    }

    void theLastSlotIsRefusedBeforeAnythingChanges() {
        Rig r;
        r.items.setDisplay(nullptr);
        OverlayText used;
        used.InUse = true;
        for (int i = 0; i < kMaxItemSlots; ++i)
            r.items.add(used);
        // The walk ends after the last slot the 16-bit count can name.
        QCOMPARE(r.walked(ItemKind::Text), int(kMaxItemSlots));
        QCOMPARE(r.items.reserve(ItemKind::Text, 0, 0), std::int16_t(0));
        QCOMPARE(r.items.count(ItemKind::Text), kMaxItemSlots);
        QCOMPARE(r.messages.shown.size(), 1);
        QCOMPARE(r.messages.shown[0].icon, MsgIcon::Warning);
        QCOMPARE(r.items.add(OverlayText{}), std::int16_t(0));
    }

    void clearDestroysElementsHighestFirst() {
        Rig r;
        r.insertText(QStringLiteral("a"));
        r.insertText(QStringLiteral("b"));
        r.items.reserve(ItemKind::Image, 1, 0);
        r.display.log.clear();
        QVERIFY(r.items.removeAll());
        QCOMPARE(r.display.log,
                 (QStringList{QStringLiteral("destroy text 2"), QStringLiteral("destroy text 1"),
                              QStringLiteral("destroy image 1")}));
        QCOMPARE(r.items.count(ItemKind::Text), std::int16_t(0));
        QCOMPARE(r.items.count(ItemKind::Image), std::int16_t(0));
        // A display set later gets a hidden element for every slot there is.
        r.insertText(QStringLiteral("c"));
        test::RecordingDisplay other;
        r.items.setDisplay(&other);
        QCOMPARE(other.log, QStringList{QStringLiteral("create text 1")});
    }

    void getTextLine_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("breaks") << QStringLiteral("ab\r\n\r\nc") << QStringList{"ab", "", "c"};
        QTest::newRow("empty") << QString() << QStringList{""};
        QTest::newRow("trailing break") << QStringLiteral("a\r\n") << QStringList{"a", ""};
        QTest::newRow("lone LF stays") << QStringLiteral("a\nb") << QStringList{"a\nb"};
        const QString longLine(40000, QLatin1Char('x'));
        QTest::newRow("past 32767")
            << longLine + QStringLiteral("\r\ny\r\nz") << QStringList{longLine, "y", "z"};
    }
    void getTextLine() {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        std::int32_t position = 1;
        QStringList got;
        QString line;
        while (position != 0) {
            QVERIFY(GetTextLine(text, position, line));
            got << line;
        }
        QCOMPARE(got, lines);
    }

    void foreColor_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("red") << "255" << QColor(255, 0, 0);
        QTest::newRow("green") << "65280" << QColor(0, 255, 0);
        QTest::newRow("blue") << "16711680" << QColor(0, 0, 255);
        QTest::newRow("white") << "16777215" << QColor(255, 255, 255);
        QTest::newRow("fraction rounds") << "254.5" << QColor(254, 0, 0);
        QTest::newRow("too large") << "16777216" << QColor(Qt::black);
        QTest::newRow("negative") << "-1" << QColor(Qt::black);
        QTest::newRow("letters") << "red" << QColor(Qt::black);
        QTest::newRow("empty") << "" << QColor(Qt::black);
    }
    void foreColor() {
        QFETCH(QString, text);
        QFETCH(QColor, colour);
        QCOMPARE(colourFromForeColor(text), colour);
    }

    void printsTextAndImageAtTheSameCornerWithOffsets() {
        Rig r;
        r.settings.PrinterGosaXTwip = 2 * 56.7;
        r.settings.PrinterGosaYTwip = 1 * 56.7;
        OverlayText text = r.items.text(r.insertText(QStringLiteral("A\r\nB")));
        text.X = 1000;
        text.Y = 2000;
        text.ForeColor = QStringLiteral("255");
        r.items.change(1, text);
        OverlayImage image;
        image.X = 1000;
        image.Y = 2000;
        image.ImageSizePer = 25;
        image.Picture.image = QImage(40, 30, QImage::Format_RGB32);
        image.Picture.WidthHimetric = 4000;
        image.Picture.HeightHimetric = 3000;
        image.InUse = true;
        r.items.add(image);
        QCOMPARE(r.display.image.width, 1000 / 3.0);
        QCOMPARE(r.display.image.height, 250.0);

        test::RecordingPrinter printer;
        r.items.outputTextItems(&printer);
        r.items.outputImageItems(&printer);
        const QString x = QString::number(double(float(1000 - 113.4)));
        const QString y = QString::number(double(float(2000 - 56.7)));
        const QString y2 = QString::number(double(float(2000 - 56.7) + 240));
        QVERIFY(printer.calls.contains(QStringLiteral("color #ff0000")));
        QVERIFY(printer.calls.contains(QStringLiteral("size 20")));
        QVERIFY(printer.calls.contains(QStringLiteral("print A at %1,%2").arg(x, y)));
        QVERIFY(printer.calls.contains(QStringLiteral("print B at %1,%2").arg(x, y2)));
        QVERIFY2(printer.calls.last().startsWith(
                     QStringLiteral("picture 40x30 at %1,%2 size 1000x750").arg(x, y)),
                 qPrintable(printer.calls.last()));
    }

    void pictureFilesAndTheirNaturalSize() {
        QTemporaryDir dir;
        QImage image(96, 48, QImage::Format_RGB32);
        image.fill(Qt::red);
        const QString bmp = dir.filePath(QStringLiteral("a.bmp"));
        QVERIFY(image.save(bmp, "BMP"));
        image.setDotsPerMeterX(11811); // 300 dpi
        image.setDotsPerMeterY(11811);
        const QString jpg = dir.filePath(QStringLiteral("b.JPG"));
        QVERIFY(image.save(jpg, "JPEG"));
        const QString text = dir.filePath(QStringLiteral("c.bmp"));
        QFile f(text);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a picture");
        f.close();

        Picture picture;
        QVERIFY(loadPictureFile(bmp, picture));
        QCOMPARE(picture.WidthHimetric, 2540); // 96 px at 96 dpi: one inch
        QCOMPARE(picture.HeightHimetric, 1270);
        QVERIFY(loadPictureFile(jpg, picture));
        QCOMPARE(picture.WidthHimetric, 813); // 96 px at 300 dpi
        QVERIFY(!loadPictureFile(text, picture));
        QVERIFY(!loadPictureFile(dir.filePath(QStringLiteral("missing.bmp")), picture));
        QVERIFY(!loadPictureFile(dir.path(), picture));
        QCOMPARE(picture.WidthHimetric, 813); // a failure leaves the picture
    }

    // An 8-bit picture is decoded once into 32 bits, the form every redraw
    // and printed copy paints; one whose 32-bit form would pass the
    // decoder's allocation limit fails like an unreadable file.
    // A path that is no regular file never reaches the decoder: a FIFO
    // without a writer would block it, a device would feed it forever.
    void picturesThatAreNoFiles_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("fifo") << QStringLiteral("fifo.bmp");
        QTest::newRow("endless device") << QStringLiteral("/dev/zero");
        QTest::newRow("link to a device") << QStringLiteral("zero.bmp");
    }
    void picturesThatAreNoFiles() {
        QFETCH(QString, path);
        QTemporaryDir dir;
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("fifo.bmp"))), 0600) == 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), dir.filePath(QStringLiteral("zero.bmp"))));
        Picture picture;
        QVERIFY(!loadPictureFile(QDir(dir.path()).filePath(path), picture));
        QVERIFY(picture.isEmpty());
    }

    void picturesArePaintReadyWithinTheAllocationLimit() {
        QTemporaryDir dir;
        QImage indexed(600, 600, QImage::Format_Indexed8);
        indexed.setColorTable({qRgb(0, 0, 255)});
        indexed.fill(0);
        const QString bmp = dir.filePath(QStringLiteral("indexed.bmp"));
        QVERIFY(indexed.save(bmp, "BMP"));
        Picture picture;
        QVERIFY(loadPictureFile(bmp, picture));
        QCOMPARE(picture.image.format(), QImage::Format_RGB32);
        const int limit = QImageReader::allocationLimit();
        QImageReader::setAllocationLimit(1); // 1 MB: the 8 bits fit, the 32 do not
        const bool loaded = loadPictureFile(bmp, picture);
        QImageReader::setAllocationLimit(limit);
        QVERIFY(!loaded);
    }

    // One file is one decoded image, whatever path names it; a changed file
    // is decoded anew. The images still in use are bounded in total; one let
    // go no longer counts.
    void picturesAreSharedPerFileAndBoundedPerPage() {
        QTemporaryDir dir;
        const QDir d(dir.path());
        QVERIFY(d.mkdir(QStringLiteral("sub")));
        QImage image(100, 100, QImage::Format_RGB32); // 40,000 bytes decoded
        image.fill(Qt::green);
        const QString a = d.filePath(QStringLiteral("a.bmp"));
        QVERIFY(image.save(a, "BMP"));
        QVERIFY(QFile::copy(a, d.filePath(QStringLiteral("b.bmp"))));
        QVERIFY(QFile::copy(a, d.filePath(QStringLiteral("c.bmp"))));
        QVERIFY(QFile::link(a, d.filePath(QStringLiteral("link.bmp"))));
        QVERIFY(::link(QFile::encodeName(a), QFile::encodeName(d.filePath("hard.bmp"))) == 0);

        Rig r;
        PictureStore& store = r.items.pictures();
        store.setLimitBytes(100000);
        Picture first;
        QVERIFY(store.load(a, first));
        for (const char* spelling :
             {"./a.bmp", "sub/../a.bmp", ".//a.bmp", "link.bmp", "hard.bmp"}) {
            Picture same;
            QVERIFY2(store.load(d.path() + u'/' + QLatin1String(spelling), same), spelling);
            QCOMPARE(same.image.cacheKey(), first.image.cacheKey());
        }
        QCOMPARE(store.bytesInUse(), 40000);

        Picture b, c;
        QVERIFY(store.load(d.filePath(QStringLiteral("b.bmp")), b));
        QVERIFY(b.image.cacheKey() != first.image.cacheKey());
        QVERIFY(!store.load(d.filePath(QStringLiteral("c.bmp")), c)); // 120,000 bytes
        QVERIFY(c.isEmpty());
        b = Picture{};
        QVERIFY(store.load(d.filePath(QStringLiteral("c.bmp")), c));
        QCOMPARE(store.bytesInUse(), 80000);

        QImage wider(120, 100, QImage::Format_RGB32);
        wider.fill(Qt::red);
        QVERIFY(wider.save(a, "BMP"));
        first = Picture{};
        Picture changed;
        QVERIFY(store.load(a, changed));
        QCOMPARE(changed.image.width(), 120);
        QVERIFY(!store.load(a + QChar(0) + QStringLiteral("x"), changed));
    }
};

QTEST_MAIN(TestOverlay)
#include "tst_overlay.moc"
