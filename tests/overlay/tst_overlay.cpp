// The item model without windows: slots, coordinates, the preview look and
// the printer output of texts and images.

#include "engine/sheetsettings.h"
#include "overlay/overlayitems.h"
#include "overlay/picture.h"
#include "recorders.h"
#include "recordingdisplay.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

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
    std::int16_t insertText(const QString& text) {
        const auto slot = items.AllocateTextSlot();
        items.FreeTextItems[slot].Text = text;
        items.ShowFreeText(slot);
        return slot;
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
        r.items.DeleteItem(ItemKind::Text, 5);
        r.items.DeleteItem(ItemKind::Text, 2);
        QCOMPARE(r.items.AllocateTextSlot(), std::int16_t(2));
        // A reserved slot is not in use until shown: the next insert takes it
        // again, as an insert cancelled leaves it.
        QCOMPARE(r.items.AllocateTextSlot(), std::int16_t(2));
        r.items.ShowFreeText(2);
        QCOMPARE(r.items.AllocateTextSlot(), std::int16_t(5));
        r.items.ShowFreeText(5);
        QCOMPARE(r.items.AllocateTextSlot(), std::int16_t(7));
        QCOMPARE(r.items.FreeTextCount, std::int16_t(7));
        QCOMPARE(r.display.log.filter(QStringLiteral("create text")).size(), 7);
        // Images count on their own.
        QCOMPARE(r.items.AllocateImageSlot(), std::int16_t(1));
    }

    void clickPositionAndCoordinates() {
        Rig r;
        r.items.ClickX = 100;
        r.items.ClickY = 250;
        const auto slot = r.items.AllocateTextSlot();
        QCOMPARE(r.items.FreeTextItems[slot].X, 300);
        QCOMPARE(r.items.FreeTextItems[slot].Y, 750);
        QCOMPARE(r.items.FreeTextItems[slot].FontName, QStringLiteral("ＭＳ Ｐゴシック"));
        r.settings.HyojiSize = 2;
        r.items.ShowFreeText(slot);
        QCOMPARE(r.display.text.left, 150.0);
        QCOMPARE(r.display.text.top, 375.0);
        QCOMPARE(r.display.text.font.pointSizeF(), 10.0);
        r.settings.HyojiSize = 3;
        QCOMPARE(r.items.pageFromPreview(123.4), 370);
        QCOMPARE(r.items.pageFromPreview(150.2), 451);
        QCOMPARE(r.items.pageFromPreview(-10.5), -32); // -31.5 to even
    }

    void theLastSlotIsRefusedBeforeAnythingChanges() {
        Rig r;
        r.items.setDisplay(nullptr);
        for (int i = 0; i < MaxItemSlots; ++i)
            r.items.AddTextItem(OverlayText{});
        for (int i = 1; i <= MaxItemSlots; ++i)
            r.items.FreeTextItems[i].InUse = true;
        r.items.CurrentItemIndex = 9;
        QCOMPARE(r.items.AllocateTextSlot(), std::int16_t(0));
        QCOMPARE(r.items.FreeTextCount, MaxItemSlots);
        QCOMPARE(r.items.CurrentItemIndex, std::int16_t(9));
        QCOMPARE(r.messages.shown.size(), 1);
        QCOMPARE(r.messages.shown[0].icon, MsgIcon::Warning);
        QCOMPARE(r.items.AddTextItem(OverlayText{}), std::int16_t(0));
    }

    void clearDestroysElementsHighestFirst() {
        Rig r;
        r.insertText(QStringLiteral("a"));
        r.insertText(QStringLiteral("b"));
        r.items.ClickX = 1;
        r.items.AllocateImageSlot();
        r.display.log.clear();
        QVERIFY(r.items.ClearOverlayItems());
        QCOMPARE(r.display.log,
                 (QStringList{QStringLiteral("destroy text 2"), QStringLiteral("destroy text 1"),
                              QStringLiteral("destroy image 1")}));
        QCOMPARE(r.items.FreeTextCount, std::int16_t(0));
        QCOMPARE(r.items.ImageCount, std::int16_t(0));
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
        const auto t = r.insertText(QStringLiteral("A\r\nB"));
        r.items.FreeTextItems[t].X = 1000;
        r.items.FreeTextItems[t].Y = 2000;
        r.items.FreeTextItems[t].ForeColor = QStringLiteral("255");
        const auto i = r.items.AllocateImageSlot();
        OverlayImage& image = r.items.ImageItems[i];
        image.X = 1000;
        image.Y = 2000;
        image.ImageSizePer = 25;
        image.Picture.image = QImage(40, 30, QImage::Format_RGB32);
        image.Picture.WidthHimetric = 4000;
        image.Picture.HeightHimetric = 3000;
        r.items.ShowImage(i);
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
        QVERIFY(LoadPictureFile(bmp, picture));
        QCOMPARE(picture.WidthHimetric, 2540); // 96 px at 96 dpi: one inch
        QCOMPARE(picture.HeightHimetric, 1270);
        QVERIFY(LoadPictureFile(jpg, picture));
        QCOMPARE(picture.WidthHimetric, 813); // 96 px at 300 dpi
        QVERIFY(!LoadPictureFile(text, picture));
        QVERIFY(!LoadPictureFile(dir.filePath(QStringLiteral("missing.bmp")), picture));
        QVERIFY(!LoadPictureFile(dir.path(), picture));
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
        QVERIFY(!LoadPictureFile(QDir(dir.path()).filePath(path), picture));
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
        QVERIFY(LoadPictureFile(bmp, picture));
        QCOMPARE(picture.image.format(), QImage::Format_RGB32);
        const int limit = QImageReader::allocationLimit();
        QImageReader::setAllocationLimit(1); // 1 MB: the 8 bits fit, the 32 do not
        const bool loaded = LoadPictureFile(bmp, picture);
        QImageReader::setAllocationLimit(limit);
        QVERIFY(!loaded);
    }
};

QTEST_MAIN(TestOverlay)
#include "tst_overlay.moc"
