// The items on paper: printed through the Qt printer adapter into a PDF and
// read back through poppler, as a reader of the page would see them.

#include "engine/headlessform.h"
#include "engine/numberrules.h"
#include "engine/tavriengine.h"
#include "output/fontmap.h"
#include "output/qtprinter.h"
#include "overlay/overlayitems.h"
#include "pdfprobe.h"
#include "recorders.h"

#include <QTemporaryDir>
#include <QTest>

using namespace pernoa;
using namespace pernoa::overlay;
using namespace pernoa::test;

namespace {

bool near(const QColor& got, const QColor& want) {
    return qAbs(got.red() - want.red()) <= 8 && qAbs(got.green() - want.green()) <= 8 &&
           qAbs(got.blue() - want.blue()) <= 8;
}

OverlayImage blueImage(int x, int y) {
    OverlayImage image;
    image.X = x;
    image.Y = y;
    image.Picture.image = QImage(40, 30, QImage::Format_RGB32);
    image.Picture.image.fill(Qt::blue);
    image.Picture.WidthHimetric = 4000;
    image.Picture.HeightHimetric = 3000;
    image.ImageSizePer = 25;
    image.InUse = true;
    return image;
}

} // namespace

class OverlayPdfTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase() { output::installFontSubstitutions(); }

    void textAndImageOnPaper_data() {
        QTest::addColumn<double>("gosaXmm");
        QTest::addColumn<double>("gosaYmm");
        QTest::newRow("no offsets") << 0.0 << 0.0;
        QTest::newRow("offsets 2 mm, 1 mm") << 2.0 << 1.0;
    }

    // A red three-line text and an image of 4000 x 3000 hundredths of a
    // millimetre at 25 % stored at the same point: the text's first line and
    // the image start at the same corner, shifted by the printer offsets; each
    // line is one line height below the last; the image is 1000 x 750 twips;
    // markup is printed as typed.
    void textAndImageOnPaper() {
        QFETCH(double, gosaXmm);
        QFETCH(double, gosaYmm);
        SheetSettings settings;
        settings.HyojiSize = 3;
        settings.PrinterGosaXTwip = num::mmToTwips(gosaXmm);
        settings.PrinterGosaYTwip = num::mmToTwips(gosaYmm);
        RecordingMessages messages;
        OverlayItems items(settings, messages);
        OverlayText text;
        text.Text = QStringLiteral("A\r\nB\r\n<b>x</b>");
        text.X = 2000;
        text.Y = 3000;
        text.ForeColor = QStringLiteral("255");
        text.InUse = true;
        items.add(text);
        items.add(blueImage(2000, 3000));

        const QString pdf = m_dir.filePath(QStringLiteral("items.pdf"));
        output::QtPrinter printer(pdf);
        printer.setPaperSize(*paperByKind(PaperKind::A4));
        printer.setOrientation(Orientation::Portrait);
        printer.setUnitTwips();
        items.outputTextItems(&printer);
        const double left = 2000 - settings.PrinterGosaXTwip; // twips
        const double top = 3000 - settings.PrinterGosaYTwip;
        const double lineHeight = (printer.currentY() - top) / 3;
        items.outputImageItems(&printer);
        printer.newPage();
        printer.endDoc();

        const QList<PdfWord> words = readWords(pdf);
        QCOMPARE(words.size(), 3);
        QCOMPARE(words[0].text, QStringLiteral("A"));
        QCOMPARE(words[1].text, QStringLiteral("B"));
        QCOMPARE(words[2].text, QStringLiteral("<b>x</b>"));
        // Glyph boxes in points: the left within a side bearing of the
        // corner, the top a little under the line's top.
        for (int i = 0; i < 3; ++i) {
            QVERIFY2(qAbs(words[i].xMin * kTwipsPerPoint - left) < 30, qPrintable(words[i].text));
            const double lineTop = top + i * lineHeight;
            QVERIFY2(words[i].yMin * kTwipsPerPoint >= lineTop - 2 &&
                         words[i].yMin * kTwipsPerPoint < lineTop + 60,
                     qPrintable(words[i].text));
        }
        QVERIFY(qAbs((words[1].yMin - words[0].yMin) * kTwipsPerPoint - lineHeight) < 2);

        // 144 dpi: 10 twips a pixel. The image covers exactly 1000 x 750
        // twips from the corner, over the text.
        const QImage page = render(pdf, 1, 144);
        const int x0 = qRound(left / 10);
        const int y0 = qRound(top / 10);
        QVERIFY(near(page.pixelColor(x0 + 1, y0 + 1), Qt::blue));
        QVERIFY(near(page.pixelColor(x0 + 98, y0 + 73), Qt::blue));
        QVERIFY(near(page.pixelColor(x0 - 2, y0 + 30), Qt::white));
        QVERIFY(near(page.pixelColor(x0 + 30, y0 - 2), Qt::white));
        QVERIFY(near(page.pixelColor(x0 + 102, y0 + 30), Qt::white));
        QVERIFY(near(page.pixelColor(x0 + 60, y0 + 77), Qt::white));
        // "255" is red: the third line shows below the image in red.
        bool red = false;
        const int y3 = qRound((top + 2 * lineHeight) / 10);
        for (int y = y3; y < y3 + qRound(lineHeight / 10) && !red; ++y)
            for (int x = x0; x < x0 + 100 && !red; ++x)
                red = page.pixelColor(x, y) == QColor(255, 0, 0);
        QVERIFY(red);
    }

    // A page printed 100 times through the drawing routine holds its picture
    // once: every copy paints the one decoded image.
    void hundredCopiesStoreThePictureOnce() {
        QImage indexed(64, 48, QImage::Format_Indexed8);
        indexed.setColorTable({qRgb(0, 0, 255), qRgb(255, 255, 0)});
        indexed.fill(0);
        const QString bmp = m_dir.filePath(QStringLiteral("indexed.bmp"));
        QVERIFY(indexed.save(bmp, "BMP"));

        HeadlessForm form;
        RecordingMessages messages;
        TavriEngine engine(form, messages);
        engine.initStartValues();
        engine.ApplyPaperSize();
        const QString pdf = m_dir.filePath(QStringLiteral("copies.pdf"));
        output::QtPrinter printer(pdf);
        engine.setPrinter(&printer);
        OverlayItems items(engine.settings(), messages);
        engine.setOverlayOutput(&items);
        OverlayImage image;
        image.X = image.Y = 3000;
        QVERIFY(loadPictureFile(bmp, image.Picture));
        image.InUse = true;
        items.add(image);
        OverlayText text;
        text.Text = QStringLiteral("copy");
        text.InUse = true;
        items.add(text);

        engine.DrawTavriSheet(100);
        QCOMPARE(pageCount(pdf), 100);
        const QList<int> objects = imageObjects(pdf);
        QCOMPARE(objects.size(), 100);
        QCOMPARE(objects.count(objects.first()), 100);
    }
};

QTEST_MAIN(OverlayPdfTest)
#include "tst_overlay_pdf.moc"
