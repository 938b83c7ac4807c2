// The Qt printer adapter on its own, in PDF mode: text output and the
// current position, pictures, page breaks, jobs, failures; and the Japanese
// face substitutes it relies on.

#include "engine/numberrules.h"
#include "enginerig.h"
#include "failingdevice.h"
#include "fixedprinterlist.h"
#include "output/fontmap.h"
#include "output/qtprinter.h"
#include "pdfprobe.h"
#include "recorders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QGlyphRun>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace pernoa;
using namespace pernoa::test;
using pernoa::output::QtPrinter;

namespace {

const PaperSize& paper(PaperKind kind) {
    return *paperByKind(kind);
}

void startA4(QtPrinter& p) {
    p.setPaperSize(paper(PaperKind::A4));
    p.setOrientation(Orientation::Portrait);
    p.setUnitTwips();
    p.setLineWidth(2);
}

// The operation fails on this printer; the failure is dropped again.
bool fails(QtPrinter& p, const std::function<void()>& f) {
    f();
    const bool failed = !p.failure().isEmpty();
    p.abortDoc();
    return failed && p.failure().isEmpty();
}

// Pictures may be stored with lossy compression: colours within a few steps.
bool near(const QColor& got, const QColor& want) {
    return qAbs(got.red() - want.red()) <= 8 && qAbs(got.green() - want.green()) <= 8 &&
           qAbs(got.blue() - want.blue()) <= 8;
}

QImage twoColourPicture() {
    // Left half red, right half blue.
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter painter(&image);
    painter.fillRect(0, 0, 20, 20, Qt::red);
    return image;
}

} // namespace

class QtPrinterTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString pdf(const QString& name) { return m_dir.filePath(name); }

private slots:
    void initTestCase() { output::installFontSubstitutions(); }

    void windowsFacesResolveToJapaneseFaces_data() {
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("family");
        QTest::newRow("MS P Gothic")
            << QStringLiteral("ＭＳ Ｐゴシック") << QStringLiteral("IPAPGothic");
        QTest::newRow("MS PGothic") << QStringLiteral("MS PGothic") << QStringLiteral("IPAPGothic");
        QTest::newRow("MS Gothic wide")
            << QStringLiteral("ＭＳ ゴシック") << QStringLiteral("IPAGothic");
        QTest::newRow("MS Gothic") << QStringLiteral("MS Gothic") << QStringLiteral("IPAGothic");
        QTest::newRow("MS Mincho wide")
            << QStringLiteral("ＭＳ 明朝") << QStringLiteral("IPAMincho");
        QTest::newRow("MS Mincho") << QStringLiteral("MS Mincho") << QStringLiteral("IPAMincho");
        QTest::newRow("MS P Mincho")
            << QStringLiteral("ＭＳ Ｐ明朝") << QStringLiteral("IPAPMincho");
        QTest::newRow("MS PMincho") << QStringLiteral("MS PMincho") << QStringLiteral("IPAPMincho");
    }
    void windowsFacesResolveToJapaneseFaces() {
        QFETCH(QString, face);
        QFETCH(QString, family);
        QCOMPARE(QFontInfo(QFont(face)).family(), family);
    }

    void textLinesAndCurrentPosition() {
        const QString out = pdf(QStringLiteral("text.pdf"));
        QtPrinter p(out);
        startA4(p);
        p.setFontName(QStringLiteral("ＭＳ 明朝"));
        p.setFontSize(20);
        p.setForeColor(QColor(255, 0, 0));
        // As a text item "A" CR LF "B" at X 1000, Y 2000 prints.
        p.setCurrentX(1000);
        p.setCurrentY(2000);
        p.printLine(QStringLiteral("A"));
        QCOMPARE(p.currentX(), 0.0f);
        const float lineHeight = p.currentY() - 2000;
        // One line of 20-point text: a little more than 20 points (400 twips).
        QVERIFY2(lineHeight > 400 && lineHeight < 560, qPrintable(QString::number(lineHeight)));
        p.setCurrentX(1000);
        p.printLine(QStringLiteral("B"));
        QCOMPARE(p.currentY(), 2000 + 2 * lineHeight);
        p.printLine(QString()); // an empty line only moves down
        QCOMPARE(p.currentY(), 2000 + 3 * lineHeight);

        p.setFontSize(10);
        p.setCurrentX(1000);
        p.setCurrentY(6000);
        p.printLine(QStringLiteral("五線譜"));
        const float smallHeight = p.currentY() - 6000;
        QVERIFY(qAbs(smallHeight * 2 - lineHeight) < 2);
        p.newPage();
        p.endDoc();

        const QList<PdfWord> words = readWords(out);
        QCOMPARE(words.size(), 3);
        // pdftotext boxes in points: the glyph box of "A" starts at x = 50 pt
        // (1000 twips) and its top is at 100 pt (2000 twips) at the most.
        QCOMPARE(words[0].text, QStringLiteral("A"));
        QVERIFY(qAbs(words[0].xMin - 50) < 1.5);
        QVERIFY(words[0].yMin >= 99 && words[0].yMin < 100 + 2);
        // A 20-point font: the box is about 20 points high.
        QVERIFY2(words[0].yMax - words[0].yMin > 17 && words[0].yMax - words[0].yMin < 26,
                 qPrintable(QString::number(words[0].yMax - words[0].yMin)));
        QCOMPARE(words[1].text, QStringLiteral("B"));
        QVERIFY(qAbs(words[1].xMin - 50) < 1.5);
        QVERIFY(qAbs((words[1].yMin - words[0].yMin) * kTwipsPerPoint - lineHeight) < 2);
        QCOMPARE(words[2].text, QStringLiteral("五線譜"));
        QVERIFY(qAbs(words[2].yMax - words[2].yMin - (words[0].yMax - words[0].yMin) / 2) < 1.5);
        QVERIFY(fontNames(out).contains(QStringLiteral("IPAMincho")));

        // The text is red.
        const QImage page = render(out, 1, 144);
        bool red = false;
        for (int x = 100; x < 160 && !red; ++x)
            for (int y = 200; y < 250 && !red; ++y)
                red = page.pixelColor(x, y) == QColor(255, 0, 0);
        QVERIFY(red);
    }

    // The top of a text lies at its y at every size the font chooser offers,
    // and a line moves the position down by a little more than the size.
    void textTopAtEverySize_data() {
        QTest::addColumn<double>("points");
        for (double points : {1.0, 20.0, 46.0, 47.0, 72.0, 150.0, 500.0, 1638.0})
            QTest::newRow(qPrintable(QString::number(points))) << points;
    }
    void textTopAtEverySize() {
        QFETCH(double, points);
        const QString out = pdf(QStringLiteral("size.pdf"));
        QtPrinter p(out);
        startA4(p);
        p.setFontName(QStringLiteral("ＭＳ Ｐゴシック"));
        p.setFontSize(points);
        // The larger sizes start above the paper, so that the baseline, where
        // a reader takes the glyphs to stand, is on it.
        const float top = points <= 200 ? 4000.0f : float(4000 - points * 17);
        p.setCurrentX(1000);
        p.setCurrentY(top);
        p.printLine(QStringLiteral("ab"));
        const double lineHeight = (p.currentY() - top) / (points * kTwipsPerPoint);
        QVERIFY2(lineHeight > 1 && lineHeight < 1.5, qPrintable(QString::number(lineHeight)));
        p.endDoc();

        const QList<PdfWord> words = readWords(out);
        QVERIFY(!words.isEmpty());
        QVERIFY2(qAbs(words[0].yMin * kTwipsPerPoint - top) < 0.5,
                 qPrintable(QString::number(words[0].yMin * kTwipsPerPoint)));
        QVERIFY(qAbs(words[0].xMin * kTwipsPerPoint - 1000) < 0.5);
    }

    // A line far wider than the paper runs off its right edge on its own
    // line; one that would reach the paper only past what the document can
    // hold is refused.
    void longLineRunsOffThePaper() {
        QString line;
        for (int i = 0; i < 20000; ++i)
            line += QChar(u'a' + i % 26);
        const QString out = pdf(QStringLiteral("long.pdf"));
        QtPrinter p(out);
        startA4(p);
        p.setFontSize(20);
        p.setCurrentX(1000);
        p.setCurrentY(4000);
        p.printLine(line);
        p.endDoc();
        const QList<PdfWord> words = readWords(out);
        QVERIFY(!words.isEmpty());
        for (const PdfWord& w : words) {
            QVERIFY2(
                w.xMin > 49.9 && qAbs(w.yMin - 200) < 0.1,
                qPrintable(QStringLiteral("%1 at %2, %3").arg(w.text).arg(w.xMin).arg(w.yMin)));
        }
        QVERIFY(words.last().xMax > 595);

        QtPrinter far(pdf(QStringLiteral("far-long.pdf")));
        startA4(far);
        far.setFontSize(20);
        far.setCurrentX(-1670000);
        far.setCurrentY(4000);
        QVERIFY(fails(far, [&] { far.printLine(line); }));
    }

    void pictureStretchedIntoRectangle() {
        const QString out = pdf(QStringLiteral("picture.pdf"));
        const QImage picture = twoColourPicture();
        QtPrinter p(out);
        startA4(p);
        // 2880 x 1440 twips at (1440, 1440): 2 x 1 inches, one inch from the corner.
        p.paintPicture(picture, 1440, 1440, 2880, 1440);
        p.newPage();
        p.paintPicture(picture, 1440, 1440, 2880, 1440);
        p.newPage();
        p.endDoc();
        QCOMPARE(pageCount(out), 2);

        const QImage page = render(out, 2, 72);                     // one pixel per point
        QVERIFY(near(page.pixelColor(90, 90), QColor(Qt::red)));    // left half
        QVERIFY(near(page.pixelColor(200, 90), QColor(Qt::blue)));  // right half
        QVERIFY(near(page.pixelColor(70, 90), QColor(Qt::white)));  // left of it
        QVERIFY(near(page.pixelColor(90, 146), QColor(Qt::white))); // below it
        QVERIFY(near(page.pixelColor(214, 142), QColor(Qt::blue))); // its far corner
        QVERIFY(near(page.pixelColor(218, 142), QColor(Qt::white)));

        // The same picture on two pages is stored once.
        const QList<int> objects = imageObjects(out);
        QCOMPARE(objects.size(), 2);
        QCOMPARE(objects[0], objects[1]);
    }

    void pageBreaksFollowCopies_data() {
        QTest::addColumn<QString>("script"); // d = draw a line, n = new page
        QTest::addColumn<int>("pages");
        QTest::newRow("one copy") << QStringLiteral("dn") << 1;
        QTest::newRow("three copies") << QStringLiteral("dndndn") << 3;
        QTest::newRow("blank copies") << QStringLiteral("nn") << 2;
        QTest::newRow("blank copy between") << QStringLiteral("dnndn") << 3;
        QTest::newRow("no final break") << QStringLiteral("dnd") << 2;
    }
    void pageBreaksFollowCopies() {
        QFETCH(QString, script);
        QFETCH(int, pages);
        const QString out = pdf(QStringLiteral("pages.pdf"));
        QtPrinter p(out);
        startA4(p);
        for (QChar c : script) {
            if (c == QLatin1Char('d'))
                p.drawLine(850.5f, 1701, 11056.5f, 1701, Qt::black);
            else
                p.newPage();
        }
        p.endDoc();
        QCOMPARE(p.lastJobPages(), pages);
        QCOMPARE(pageCount(out), pages);
        QVERIFY(!p.jobOpen());
    }

    // A stream (standard output) takes each page as it is done, not the whole
    // document at the end; the first write it refuses stops the job at the
    // next page with the reason, and an aborted job sends nothing more.
    void streamTakesEachPageAsItIsDone() {
        FailingDevice stream({}, std::numeric_limits<qint64>::max());
        QVERIFY(stream.open(QIODevice::WriteOnly));
        QtPrinter p(stream);
        startA4(p);
        for (int page = 0; page < 20; ++page) {
            p.drawLine(850.5f, 1701 + page, 11056.5f, 1701, Qt::black);
            p.newPage();
        }
        p.drawLine(850.5f, 1701, 11056.5f, 1701, Qt::black);
        const qsizetype before = stream.written.size();
        QVERIFY2(before > 20 * 50, qPrintable(QString::number(before)));
        p.endDoc();
        const QString out = pdf(QStringLiteral("streamed.pdf"));
        QFile file(out);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(stream.written);
        file.close();
        QCOMPARE(pageCount(out), 21);

        FailingDevice full({}, 2000);
        QVERIFY(full.open(QIODevice::WriteOnly));
        QtPrinter q(full);
        startA4(q);
        int pages = 0;
        for (; pages < 1000 && q.failure().isEmpty(); ++pages) {
            q.drawLine(850.5f, 1701 + pages, 11056.5f, 1701, Qt::black);
            q.newPage();
        }
        QVERIFY2(q.failure().startsWith("cannot write the document: "), qPrintable(q.failure()));
        QVERIFY2(pages < 50, qPrintable(QString::number(pages)));
        q.abortDoc();

        FailingDevice cut({}, std::numeric_limits<qint64>::max());
        QVERIFY(cut.open(QIODevice::WriteOnly));
        QtPrinter r(cut);
        startA4(r);
        r.drawLine(850.5f, 1701, 11056.5f, 1701, Qt::black);
        r.newPage();
        r.drawLine(850.5f, 1701, 11056.5f, 1701, Qt::black);
        const qsizetype sent = cut.written.size();
        r.abortDoc();
        QCOMPARE(cut.written.size(), sent);
    }

    void orientationAndPaperPerJob() {
        const QString out = pdf(QStringLiteral("jobs.pdf"));
        QtPrinter p(out);
        p.setPaperSize(paper(PaperKind::B4));
        p.setOrientation(Orientation::Landscape);
        p.drawLine(0, 100, 1000, 100, Qt::black);
        p.newPage();
        p.endDoc();
        QList<PdfPage> pages = readPages(out);
        QCOMPARE(pages.size(), 1);
        // The page box is the paper to the hundredth of a point, not Qt's whole points.
        QVERIFY(qAbs(pages[0].sizePt.width() - 364 * 72 / 25.4) < 0.01);
        QVERIFY(qAbs(pages[0].sizePt.height() - 257 * 72 / 25.4) < 0.01);
        // Coordinates follow the orientation: y from the top of the landscape page.
        QVERIFY(qAbs(pages[0].strokes[0].line.y1() - 100) < 0.6);

        // A second job on the same printer replaces the file.
        p.setPaperSize(paper(PaperKind::A5));
        p.setOrientation(Orientation::Portrait);
        p.drawLine(0, 200, 1000, 200, Qt::black);
        p.newPage();
        p.drawLine(0, 300, 1000, 300, Qt::black);
        p.newPage();
        p.endDoc();
        pages = readPages(out);
        QCOMPARE(pages.size(), 2);
        QVERIFY(qAbs(pages[1].sizePt.height() - 210 * 72 / 25.4) < 0.01);
        QVERIFY(qAbs(pages[1].strokes[0].line.y1() - 300) < 0.6);
        QCOMPARE(p.jobsDelivered(), 2);
        QCOMPARE(p.resolution(), output::kPdfResolution);

        // A paper of the user's own size is taken in millimetres.
        PaperSize own = paper(PaperKind::A4);
        own.pageSizeId = QPageSize::Custom;
        own.widthMm = 200;
        own.heightMm = 300;
        p.setPaperSize(own);
        p.drawLine(0, 200, 1000, 200, Qt::black);
        p.endDoc();
        const QSizeF points = readPages(out).value(0).sizePt;
        QVERIFY(qAbs(points.width() - 200 * 72 / 25.4) < 0.01);
        QVERIFY(qAbs(points.height() - 300 * 72 / 25.4) < 0.01);

        // Papers that change within a job: each page's box and lines its own.
        p.setPaperSize(customPaper(230.05, 305.3));
        p.drawLine(0, 200, 1000, 200, Qt::black);
        p.newPage();
        p.setPaperSize(paper(PaperKind::Tabloid));
        p.setOrientation(Orientation::Landscape);
        p.drawLine(0, 400, 1000, 400, Qt::black);
        p.newPage();
        p.endDoc();
        pages = readPages(out);
        QCOMPARE(pages.size(), 2);
        QVERIFY(qAbs(pages[0].sizePt.height() - 305.3 * 72 / 25.4) < 0.01);
        QVERIFY(qAbs(pages[1].sizePt.width() - 1224) < 0.01);
        QVERIFY(qAbs(pages[0].strokes[0].line.y1() - 200) < 0.6);
        QVERIFY(qAbs(pages[1].strokes[0].line.y1() - 400) < 0.6);
    }

    // SVG and PNG pages: one page each, true to size whatever scale
    // correction is asked for (a file is the paper itself), the SVG naming
    // the installed face a Windows face stands for.
    void svgAndPngPages() {
        const QString svg = pdf(QStringLiteral("page.svg"));
        QtPrinter s(svg, output::FileFormat::Svg);
        startA4(s);
        s.setScaleCorrection(1.02, 0.98);
        s.drawLine(850.5f, 1701, 11056.5f, 1701, Qt::black);
        s.setCurrentX(1000);
        s.setCurrentY(3000);
        s.setFontName(QStringLiteral("ＭＳ Ｐゴシック"));
        s.printLine(QStringLiteral("楽譜"));
        s.newPage();
        s.endDoc();
        QCOMPARE(s.failure(), QString());
        const SvgPage page = readSvg(svg);
        QCOMPARE(page.sizeMm, QSizeF(210, 297));
        QCOMPARE(page.linesMm.size(), 1);
        QVERIFY(qAbs(page.linesMm[0].y1() - 1701 * 25.4 / 1440) < 0.001);
        QVERIFY(qAbs(page.linesMm[0].x2() - 11056.5 * 25.4 / 1440) < 0.001);
        QCOMPARE(page.texts, QStringList{"楽譜"});
        QFile file(svg);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("font-family=\"IPAPGothic\""));

        // A second page has no place in the file: the job fails, the file
        // written before stays.
        s.drawLine(0, 100, 1000, 100, Qt::black);
        s.newPage();
        s.drawLine(0, 200, 1000, 200, Qt::black);
        QCOMPARE(s.failure(), QStringLiteral("an SVG file holds one page"));
        s.abortDoc();
        QCOMPARE(readSvg(svg).linesMm.size(), 1);

        const QString png = pdf(QStringLiteral("page.png"));
        QtPrinter p(png, output::FileFormat::Png);
        startA4(p);
        p.setPngResolution(100);
        p.setScaleCorrection(1.02, 0.98);
        p.drawLine(0, 1440, 11907, 1440, Qt::black); // one inch down
        p.endDoc();
        QCOMPARE(p.failure(), QString());
        QImage image(png);
        QCOMPARE(image.size(), QSize(827, 1169));
        QCOMPARE(image.dotsPerMeterX(), 3937);
        QVERIFY(qGray(image.pixel(400, 100)) < 128 || qGray(image.pixel(400, 99)) < 128);
        QCOMPARE(qGray(image.pixel(400, 90)), 255);
        QCOMPARE(readPngInfo(png).colourType, 0); // a grey page is a grey PNG

        // A coloured line after a grey one: the picture goes on in colour,
        // what was drawn before kept.
        startA4(p);
        p.drawLine(0, 1440, 11907, 1440, Qt::black);
        p.drawLine(0, 2880, 11907, 2880, QColor(255, 0, 0));
        p.endDoc();
        QCOMPARE(readPngInfo(png).colourType, 2);
        image.load(png);
        QVERIFY(qGray(image.pixel(400, 100)) < 128 || qGray(image.pixel(400, 99)) < 128);
        const QRgb red = qRed(image.pixel(400, 200)) > qRed(image.pixel(400, 199))
                             ? image.pixel(400, 200)
                             : image.pixel(400, 199);
        QVERIFY(qRed(red) == 255 && qGreen(red) < 200 && qGreen(red) == qBlue(red));
    }

    void abortedJobLeavesNoFile() {
        const QString out = pdf(QStringLiteral("aborted.pdf"));
        QFile old(out);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("earlier document");
        old.close();
        {
            QtPrinter p(out);
            startA4(p);
            p.drawLine(0, 0, 100, 100, Qt::black);
            p.newPage();
            p.drawLine(0, 0, 100, 100, Qt::black);
            p.abortDoc();
            QVERIFY(!p.jobOpen());
            p.abortDoc(); // nothing open: nothing happens
            p.endDoc();   // likewise
            QCOMPARE(p.jobsDelivered(), 0);
        }
        QFile check(out);
        QVERIFY(check.open(QIODevice::ReadOnly));
        QCOMPARE(check.readAll(), QByteArray("earlier document"));
        // No half-written file is left beside it.
        QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("aborted.pdf*")}, QDir::Files),
                 QStringList{QStringLiteral("aborted.pdf")});
    }

    void failuresAreDeviceErrors() {
        const QString out = pdf(QStringLiteral("fail.pdf"));
        QtPrinter p(out);
        PaperSize noSize = paper(PaperKind::A4);
        noSize.pageSizeId = QPageSize::Custom;
        noSize.widthMm = 0;
        QVERIFY(fails(p, [&] { p.setPaperSize(noSize); }));
        QVERIFY(fails(p, [&] { p.setOrientation(Orientation(3)); }));
        QVERIFY(fails(p, [&] { p.setLineWidth(0); }));
        QVERIFY(fails(p, [&] { p.setFontSize(0); }));
        QVERIFY(fails(p, [&] { p.drawLine(0, qInf(), 1, 1, Qt::black); }));
        QVERIFY(fails(p, [&] { p.drawWideLine(0, 0, 1, 1, 0.0, Qt::black); }));
        QVERIFY(fails(p, [&] { p.fillRect(0, 0, qInf(), 1, Qt::black); }));
        QVERIFY(fails(p, [&] { p.drawGlyphs(QGlyphRun(), Qt::black); }));
        QVERIFY(!p.jobOpen());

        // The first failure stays, and what follows does nothing, until the
        // job is dropped.
        p.setLineWidth(0);
        p.drawLine(0, 0, 1, 1, Qt::black);
        p.newPage();
        p.endDoc();
        QCOMPARE(p.failure(), QStringLiteral("line width 0 is not supported"));
        QVERIFY(!p.jobOpen() && !QFile::exists(out));
        p.abortDoc();
        p.drawLine(0, 0, 1, 1, Qt::black);
        p.endDoc();
        QCOMPARE(p.failure(), QString());
        QCOMPARE(p.jobsDelivered(), 1);

        // A FIFO is refused, not replaced by a regular file.
        const QString fifo = pdf(QStringLiteral("fifo.pdf"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QtPrinter toFifo(fifo);
        QVERIFY(fails(toFifo, [&] { toFifo.drawLine(0, 0, 1, 1, Qt::black); }));
        QVERIFY(!QFileInfo(fifo).isFile());

        QtPrinter unwritable(QStringLiteral("/nonexistent-dir/x.pdf"));
        QVERIFY(fails(unwritable, [&] { unwritable.drawLine(0, 0, 1, 1, Qt::black); }));
        QVERIFY(!unwritable.jobOpen());
    }

    // Far from the paper's corner: printed exactly while the document can hold
    // the position (poppler reads back the same whole number), refused past it.
    void farFromTheCorner_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<float>("twips");
        QTest::addColumn<QString>("written"); // empty: refused
        QTest::newRow("line") << "line" << 200000000.0f << "4000000000";
        QTest::newRow("line, negative") << "line" << -200000000.0f << "-4000000000";
        QTest::newRow("line past 32 bits") << "line" << 220000000.0f << "";
        QTest::newRow("text") << "text" << 1600000.0f << "32000000";
        QTest::newRow("text past fixed point") << "text" << 1700000.0f << "";
        QTest::newRow("picture") << "picture" << 192000000.0f << "80000000";
        QTest::newRow("picture past 32 bits") << "picture" << 220000000.0f << "";
    }
    void farFromTheCorner() {
        QFETCH(QString, kind);
        QFETCH(float, twips);
        QFETCH(QString, written);
        const QString out = pdf(QStringLiteral("far.pdf"));
        QFile::remove(out);
        QtPrinter p(out);
        startA4(p);
        const auto draw = [&] {
            if (kind == QLatin1String("line")) {
                p.drawLine(1000, twips, 2000, twips, Qt::black);
            } else if (kind == QLatin1String("text")) {
                p.setCurrentX(twips);
                p.setCurrentY(2000);
                p.printLine(QStringLiteral("A"));
            } else {
                p.paintPicture(twoColourPicture(), twips, 1440, 1440, 1440);
            }
        };
        if (written.isEmpty()) {
            QVERIFY(fails(p, draw));
            QVERIFY(!QFile::exists(out));
            return;
        }
        draw();
        p.endDoc();
        const RunResult ps = run(QStringLiteral("pdftops"), {out, QStringLiteral("-")});
        QCOMPARE(ps.err, QString());
        QVERIFY(QRegularExpression(QStringLiteral("(^|[ \\[])%1 ").arg(written),
                                   QRegularExpression::MultilineOption)
                    .match(ps.out)
                    .hasMatch());
    }

    void printerModeNeedsAnInstalledPrinter() {
        FixedPrinterList none;
        QtPrinter p(none);
        startA4(p);
        QVERIFY(!p.isPdf());
        // No current printer, then one the system does not know.
        QVERIFY(fails(p, [&] { p.drawLine(0, 0, 1, 1, Qt::black); }));
        none.current = QStringLiteral("pernoa-test-no-such-printer");
        QVERIFY(fails(p, [&] { p.newPage(); }));
        QVERIFY(!p.jobOpen());
    }

    void unusablePrinterFailsBeforeTheFirstLine_data() {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("current");
        QTest::newRow("no printer at all") << QStringList() << QString();
        QTest::newRow("current printer gone") << QStringList{QStringLiteral("pernoa-test-gone")}
                                              << QStringLiteral("pernoa-test-gone");
    }
    void unusablePrinterFailsBeforeTheFirstLine() {
        // A print on a printer that cannot be used ends in the catch-all
        // message with the preview cleared: not one line drawn on it.
        QFETCH(QStringList, installed);
        QFETCH(QString, current);
        FixedPrinterList printers;
        printers.names = installed;
        printers.current = current;
        QtPrinter printer(printers);
        EngineRig rig;
        rig.engine.setPrinter(&printer);
        rig.engine.cmdPreviewClick();
        QCOMPARE(rig.surface.lines.size(), 50);
        rig.engine.cmdPrintClick();
        QCOMPARE(rig.messages.texts(), QStringList{"エラーが発生しました"});
        QCOMPARE(rig.surface.clears, 2);
        QVERIFY(rig.surface.lines.isEmpty());
        QVERIFY(!printer.jobOpen());
    }
};

QTEST_MAIN(QtPrinterTest)
#include "tst_qtprinter.moc"
