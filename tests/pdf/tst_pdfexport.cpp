// The whole batch path: the pernoa executable writes a PDF, poppler reads it
// back, and the page is measured as printed.

#include "engine/controls.h"
#include "engine/headlessform.h"
#include "engine/papersizes.h"
#include "engine/tavriengine.h"
#include "pdfprobe.h"
#include "recorders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace pernoa;
using namespace pernoa::test;

namespace {

// 0.01 mm in twips: the precision the page is checked to.
constexpr double kTolerance = 0.567;

// An export that succeeds says nothing; the printer's confirmation belongs
// to printing.
const QString kQuiet;

const QString kCatchAll = QStringLiteral("エラーが発生しました\n");

const QString kPaperChoice =
    QStringLiteral("A3, A4, A5, B4, B5, letter, legal, tabloid or WIDTHxHEIGHT");

// The lines the engine lays out for the same options, in page twips.
std::vector<TavriLine> engineLines(const std::function<void(HeadlessForm&)>& setup) {
    HeadlessForm form;
    RecordingMessages messages;
    TavriEngine engine(form, messages);
    engine.initStartValues();
    setup(form);
    engine.ApplyPaperSize();
    engine.DrawTavriSheet(0);
    return engine.lastLines();
}

void compareLines(const PdfPage& page, const std::vector<TavriLine>& expected, double dx = 0,
                  double dy = 0) {
    QCOMPARE(page.strokes.size(), qsizetype(expected.size()));
    for (qsizetype i = 0; i < page.strokes.size(); ++i) {
        const QLineF& got = page.strokes[i].line;
        const TavriLine& want = expected[std::size_t(i)];
        const auto where = qPrintable(QStringLiteral("line %1").arg(i));
        QVERIFY2(qAbs(got.y1() - (want.StartY + dy)) < kTolerance, where);
        QVERIFY2(qAbs(got.y2() - (want.EndY + dy)) < kTolerance, where);
        QVERIFY2(qAbs(qMin(got.x1(), got.x2()) - (want.StartX + dx)) < kTolerance, where);
        QVERIFY2(qAbs(qMax(got.x1(), got.x2()) - (want.EndX + dx)) < kTolerance, where);
    }
}

QProcessEnvironment withoutDisplay() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(QString::fromLatin1(name));
    return env;
}

} // namespace

class PdfExportTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString pdf(const QString& name) { return m_dir.filePath(name); }

    PdfPage exportOne(const QStringList& options) {
        const QString out = pdf(QStringLiteral("one.pdf"));
        QFile::remove(out);
        const RunResult r = runPernoa(QStringList{QStringLiteral("--export-pdf"), out} + options);
        // Warnings about the page (the defaults overlap on A5 landscape) are
        // no failure.
        QStringList err = r.err.split(u'\n');
        err.removeIf([](const QString& line) { return line.startsWith("pernoa: warning: "); });
        if (r.exitCode != 0 || err.join(u'\n') != kQuiet) {
            qWarning("pernoa %s: exit %d, %s", qPrintable(options.join(QLatin1Char(' '))),
                     r.exitCode, qPrintable(r.err));
            return {};
        }
        const QList<PdfPage> pages = readPages(out);
        return pages.size() == 1 ? pages.first() : PdfPage{};
    }

private slots:
    void defaultPage() {
        const QString out = pdf(QStringLiteral("default.pdf"));
        // No platform and no display given: batch work must still run.
        const RunResult r = runPernoa({QStringLiteral("--export-pdf"), out}, withoutDisplay());
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.err, kQuiet);
        QCOMPARE(r.out, QString());

        const QList<PdfPage> pages = readPages(out);
        QCOMPARE(pages.size(), 1);
        const PdfPage& page = pages.first();
        const QSizeF box = pageBoxMm(out); // A4 portrait, to the hundredth
        QVERIFY2(qAbs(box.width() - 210) < 0.01 && qAbs(box.height() - 297) < 0.01,
                 qPrintable(QStringLiteral("%1 x %2 mm").arg(box.width()).arg(box.height())));
        QCOMPARE(page.strokes.size(), 50);
        // Nothing but the staff lines: no clef, brace or bracket.
        QVERIFY(page.glyphs.isEmpty());
        QVERIFY(page.fills.isEmpty());
        const double firstStaff[] = {1701, 1825.74, 1950.48, 2075.22, 2199.96};
        for (int i = 0; i < 5; ++i)
            QVERIFY(qAbs(page.strokes[i].line.y1() - firstStaff[i]) < kTolerance);
        QVERIFY(qAbs(page.strokes[5].line.y1() - 3137.4111) < kTolerance);
        QVERIFY(qAbs(page.strokes.last().line.y1() - 15127.66) < kTolerance);
        for (const Stroke& s : page.strokes) {
            QVERIFY(qAbs(s.line.y1() - s.line.y2()) < 1e-6);
            QVERIFY(qAbs(qMin(s.line.x1(), s.line.x2()) - 850.5) < kTolerance);
            QVERIFY(qAbs(qMax(s.line.x1(), s.line.x2()) - 11056.5) < kTolerance);
            QVERIFY(qAbs(s.widthPt - 0.24) < 1e-3); // 2 px at 600 dpi
            QCOMPARE(s.colour, QColor(Qt::black));
            QCOMPARE(s.cap, QStringLiteral("butt")); // no overhang past the margins
        }
    }

    // Every paper of the table in both orientations, and a size of the
    // user's: the page box is the paper to 0.01 mm, the staves where the
    // engine lays them out.
    void papers_data() {
        QTest::addColumn<QString>("paper");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<QSizeF>("portraitMm");
        for (const PaperSize* p : papersInWindowOrder()) {
            const bool custom = p->kind == PaperKind::Custom;
            const QString word = custom ? QStringLiteral("230.05x305.3") : p->name;
            const QSizeF mm = custom ? QSizeF(230.05, 305.3) : QSizeF(p->widthMm, p->heightMm);
            for (bool landscape : {false, true})
                QTest::addRow("%s %s", p->name, landscape ? "landscape" : "portrait")
                    << word << landscape << mm;
        }
    }
    void papers() {
        QFETCH(QString, paper);
        QFETCH(bool, landscape);
        QFETCH(QSizeF, portraitMm);
        QStringList options{QStringLiteral("--paper"), paper};
        if (landscape)
            options << QStringLiteral("--landscape");
        const PdfPage page = exportOne(options);

        // The job's page is exactly the paper (JIS B sizes for B4 and B5).
        const QSizeF expected = landscape ? portraitMm.transposed() : portraitMm;
        const QSizeF box = pageBoxMm(pdf(QStringLiteral("one.pdf")));
        QVERIFY2(qAbs(box.width() - expected.width()) < 0.01 &&
                     qAbs(box.height() - expected.height()) < 0.01,
                 qPrintable(QStringLiteral("%1 x %2 mm").arg(box.width()).arg(box.height())));

        const std::optional<PaperSize> row = paperByName(paper)
                                                 ? std::optional<PaperSize>(*paperByName(paper))
                                                 : customPaper(230.05, 305.3);
        const std::vector<TavriLine> lines = engineLines([&](HeadlessForm& form) {
            if (row->kind == PaperKind::Custom) {
                form.setText(ctl::txtNiniHaba, QStringLiteral("230.05"));
                form.setText(ctl::txtNiniTakasa, QStringLiteral("305.3"));
            }
            form.setChecked(row->option, true);
            form.setChecked(ctl::chkPrintDirectionYoko, landscape);
        });
        compareLines(page, lines);
        // The engine's own page size: the last line's band ends at the bottom margin.
        const double height = landscape ? row->widthTwip : row->heightTwip;
        QVERIFY(qAbs(page.strokes.last().line.y1() + LineThicknessTwip - (height - 1701)) <
                kTolerance);
    }

    void weights_data() {
        QTest::addColumn<QString>("weight");
        QTest::addColumn<double>("widthPt");
        // Device pixels at 600 dpi: 1, 2 and 3 of 72/600 pt.
        QTest::newRow("thin") << QStringLiteral("thin") << 0.12;
        QTest::newRow("normal") << QStringLiteral("normal") << 0.24;
        QTest::newRow("thick") << QStringLiteral("thick") << 0.36;
        QTest::newRow("caption") << QStringLiteral("太め") << 0.36;
    }
    void weights() {
        QFETCH(QString, weight);
        QFETCH(double, widthPt);
        const PdfPage page = exportOne({QStringLiteral("--weight"), weight});
        QCOMPARE(page.strokes.size(), 50);
        for (const Stroke& s : page.strokes)
            QVERIFY2(qAbs(s.widthPt - widthPt) < 1e-3, qPrintable(QString::number(s.widthPt)));
    }

    void shades_data() {
        QTest::addColumn<QString>("shade");
        QTest::addColumn<int>("grey");
        QTest::newRow("black") << QStringLiteral("0") << 0;
        QTest::newRow("half") << QStringLiteral("128") << 128;
        QTest::newRow("white") << QStringLiteral("255") << 255;
    }
    void shades() {
        QFETCH(QString, shade);
        QFETCH(int, grey);
        const PdfPage page = exportOne({QStringLiteral("--shade"), shade});
        QCOMPARE(page.strokes.size(), 50);
        for (const Stroke& s : page.strokes) {
            QCOMPARE(s.colour.red(), grey);
            QCOMPARE(s.colour.green(), grey);
            QCOMPARE(s.colour.blue(), grey);
        }
    }

    void offsets_data() {
        QTest::addColumn<QString>("offset");
        QTest::addColumn<double>("dx");
        QTest::addColumn<double>("dy");
        // X = 2 mm, Y = 6 mm: 113.4 twips further left, 340.2 higher.
        QTest::newRow("2,6") << QStringLiteral("2,6") << -113.4 << -340.2;
        QTest::newRow("-2,-6") << QStringLiteral("-2,-6") << 113.4 << 340.2;
        QTest::newRow("0.5,0") << QStringLiteral("0.5,0") << -28.35 << 0.0;
    }
    void offsets() {
        QFETCH(QString, offset);
        QFETCH(double, dx);
        QFETCH(double, dy);
        const PdfPage page = exportOne({QStringLiteral("--offset"), offset});
        compareLines(page, engineLines([](HeadlessForm&) {}), dx, dy);
    }

    void layoutOptions_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QList<double>>("staffTops");
        QTest::addColumn<int>("linesPerStaff");
        QTest::newRow("3 blocks, gap 10, 2 staves")
            << QStringList{QStringLiteral("--blocks"),    QStringLiteral("3"),
                           QStringLiteral("--block-gap"), QStringLiteral("10"),
                           QStringLiteral("--staves"),    QStringLiteral("2")}
            << QList<double>{1701, 5292.0333, 6369.3333, 9960.3667, 11037.6667, 14628.7} << 5;
        QTest::newRow("6 lines, 3 mm, 2 staves")
            << QStringList{QStringLiteral("--lines"),   QStringLiteral("6"),
                           QStringLiteral("--spacing"), QStringLiteral("3"),
                           QStringLiteral("--staves"),  QStringLiteral("2")}
            // The second staff's last band ends at the bottom margin.
            << QList<double>{1701, 16840 - 1701 - 918.54} << 6;
        QTest::newRow("margins 10,20,5,25, one staff")
            << QStringList{QStringLiteral("--margins=10,20,5,25"), QStringLiteral("--staves=1")}
            << QList<double>{567} << 5;
    }
    void layoutOptions() {
        QFETCH(QStringList, options);
        QFETCH(QList<double>, staffTops);
        QFETCH(int, linesPerStaff);
        const PdfPage page = exportOne(options);
        QCOMPARE(page.strokes.size(), staffTops.size() * linesPerStaff);
        for (qsizetype s = 0; s < staffTops.size(); ++s)
            QVERIFY2(qAbs(page.strokes[s * linesPerStaff].line.y1() - staffTops[s]) < kTolerance,
                     qPrintable(QString::number(page.strokes[s * linesPerStaff].line.y1())));
    }

    void copies_data() {
        QTest::addColumn<QString>("copies");
        QTest::addColumn<int>("pages");
        QTest::newRow("3") << QStringLiteral("3") << 3;
        QTest::newRow("2.5 rounds to even") << QStringLiteral("2.5") << 2;
        QTest::newRow("3.5 rounds to even") << QStringLiteral("3.5") << 4;
    }
    void copies() {
        QFETCH(QString, copies);
        QFETCH(int, pages);
        const QString out = pdf(QStringLiteral("copies.pdf"));
        const RunResult r =
            runPernoa({QStringLiteral("--export-pdf"), out, QStringLiteral("--copies"), copies});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.err, kQuiet);
        const QList<PdfPage> got = readPages(out);
        QCOMPARE(got.size(), pages); // no blank page after the last copy
        for (const PdfPage& page : got) {
            QCOMPARE(page.strokes.size(), 50);
            for (qsizetype i = 0; i < 50; ++i)
                QCOMPARE(page.strokes[i].line, got.first().strokes[i].line);
        }
    }

    void refused_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        const QString x = QStringLiteral("--export-pdf");
        const QString out = QStringLiteral("@OUT@");
        // The window's own messages, exactly.
        QTest::newRow("empty margin")
            << QStringList{x, out, QStringLiteral("--margins"), QStringLiteral("10,,5,5")} << 1
            << QStringLiteral("下マージンが空欄です。\n");
        QTest::newRow("no staves")
            << QStringList{x, out, QStringLiteral("--staves"), QStringLiteral("0")} << 1
            << QStringLiteral("そんな値、入力していじめちゃいや～ん♪\n五線の段数\n");
        QTest::newRow("letters in offset")
            << QStringList{x, out, QStringLiteral("--offset"), QStringLiteral("abc,0")} << 1
            << QStringLiteral("プリンタの誤差・左に数値以外が入ってます\n");
        QTest::newRow("margin longer than a field")
            << QStringList{x, out, QStringLiteral("--margins"),
                           QString(40000, u'0') + QStringLiteral("30,30,15,15")}
            << 1 << QStringLiteral("上マージンが長すぎます。32767文字以内で入力してください。\n");
        QTest::newRow("negative copies")
            << QStringList{x, out, QStringLiteral("--copies"), QStringLiteral("-1")} << 1
            << QStringLiteral("「印刷枚数」は整数にしてください。\n");
        QTest::newRow("zero copies")
            << QStringList{x, out, QStringLiteral("--copies"), QStringLiteral("0")} << 1
            << QStringLiteral("そんな値、入力していじめちゃいや～ん♪\n印刷枚数\n");
        QTest::newRow("blocks round to 0")
            << QStringList{x, out, QStringLiteral("--blocks"), QStringLiteral("0.4")} << 1
            << kCatchAll + QStringLiteral("pernoa: the block count rounds to 0\n");
        QTest::newRow("unwritable file")
            << QStringList{x, QStringLiteral("/nonexistent-dir/x.pdf")} << 1
            << kCatchAll +
                   QStringLiteral(
                       "pernoa: cannot write /nonexistent-dir/x.pdf: No such file or directory\n");
        QTest::newRow("calibration sheet, unwritable file")
            << QStringList{QStringLiteral("--calibration-sheet"), x,
                           QStringLiteral("/nonexistent-dir/x.pdf")}
            << 1
            << kCatchAll +
                   QStringLiteral(
                       "pernoa: cannot write /nonexistent-dir/x.pdf: No such file or directory\n");
        QTest::newRow("a million lines and more")
            << QStringList{x, out, QStringLiteral("--staves"), QStringLiteral("240000")} << 1
            << kCatchAll + QStringLiteral("pernoa: the page would hold 1,200,000 lines\n");
        QTest::newRow("copies round to 0")
            << QStringList{x, out, QStringLiteral("--copies"), QStringLiteral("0.4")} << 1
            << QStringLiteral("pernoa: the copy count rounds to 0, nothing was written\n");
        // Pages the document cannot hold, and a block count that once never
        // ended: refused before anything is written.
        QTest::newRow("offset past the document")
            << QStringList{x, out, QStringLiteral("--offset"), QStringLiteral("0,3800000")} << 1
            << kCatchAll + QStringLiteral("pernoa: line: coordinate -4.30917e+09 is beyond what "
                                          "the document can hold\n");
        QTest::newRow("margin past the document")
            << QStringList{x, out, QStringLiteral("--margins"), QStringLiteral("1e30,30,15,15")}
            << 1
            << kCatchAll + QStringLiteral("pernoa: line: coordinate 1.134e+33 is beyond what the "
                                          "document can hold\n");
        QTest::newRow("empty blocks at the 32-bit maximum")
            << QStringList{x,
                           out,
                           QStringLiteral("--blocks"),
                           QStringLiteral("2147483647"),
                           QStringLiteral("--staves"),
                           QStringLiteral("0.4")}
            << 1
            << kCatchAll + QStringLiteral("pernoa: the page would hold 2,147,483,647 blocks\n");
        // Usage errors.
        const QString hint = QStringLiteral("Try 'pernoa --help' for more information.\n");
        QTest::newRow("no action")
            << QStringList{QStringLiteral("--copies"), QStringLiteral("2")} << 2
            << QStringLiteral("pernoa: nothing to do: give --export-pdf, --export-svg, "
                              "--export-png, --print, --save-settings or --list-printers\n") +
                   hint;
        QTest::newRow("unknown option")
            << QStringList{x, out, QStringLiteral("--colour")} << 2
            << QStringLiteral("pernoa: unknown option --colour\n") + hint;
        // A word echoed back cannot drive the terminal.
        QTest::newRow("control characters in an option")
            << QStringList{x, out, QStringLiteral("--pa\x1b[2Jper")} << 2
            << QStringLiteral("pernoa: unknown option --pa\\x1b[2Jper\n") + hint;
        QTest::newRow("control characters in a value")
            << QStringList{x, out, QStringLiteral("--paper"), QStringLiteral("A4\r\x07\u009b")} << 2
            << QStringLiteral("pernoa: --paper takes %1, not \"A4\\x0d\\x07\\x9b\"\n")
                       .arg(kPaperChoice) +
                   hint;
        QTest::newRow("long value")
            << QStringList{x, out, QStringLiteral("--paper"), QString(5000, u'A')} << 2
            << QStringLiteral("pernoa: --paper takes %1, not \"%2…\"\n")
                       .arg(kPaperChoice, QString(40, u'A')) +
                   hint;
        QTest::newRow("calibration sheet saved")
            << QStringList{QStringLiteral("--save-settings"), out,
                           QStringLiteral("--calibration-sheet")}
            << 2
            << QStringLiteral("pernoa: --calibration-sheet only goes with --print or "
                              "--export-pdf\n") +
                   hint;
        QTest::newRow("missing value")
            << QStringList{x} << 2 << QStringLiteral("pernoa: --export-pdf needs a value\n") + hint;
        QTest::newRow("paper A6")
            << QStringList{x, out, QStringLiteral("--paper"), QStringLiteral("A6")} << 2
            << QStringLiteral("pernoa: --paper takes %1, not \"A6\"\n").arg(kPaperChoice) + hint;
        // A size of the user's: two numbers from 50 to 1000 joined by an x.
        for (const char* size : {"49.9x300", "230x1000.5", "0x0"})
            QTest::addRow("paper %s", size)
                << QStringList{x, out, QStringLiteral("--paper"), QString::fromLatin1(size)} << 2
                << QStringLiteral("pernoa: --paper takes a width and height from 50 to 1000 mm, "
                                  "not \"%1\"\n")
                           .arg(QLatin1String(size)) +
                       hint;
        for (const char* size : {"230", "230x305x1", "230*305", "x305", "230xabc"})
            QTest::addRow("paper %s", size)
                << QStringList{x, out, QStringLiteral("--paper"), QString::fromLatin1(size)} << 2
                << QStringLiteral("pernoa: --paper takes %1, not \"%2\"\n")
                           .arg(kPaperChoice, QLatin1String(size)) +
                       hint;
        const QString svg = QStringLiteral("--export-svg");
        const QString png = QStringLiteral("--export-png");
        for (const char* dpi : {"49", "1201", "300.5", "high"})
            QTest::addRow("dpi %s", dpi)
                << QStringList{png, out, QStringLiteral("--dpi"), QString::fromLatin1(dpi)} << 2
                << QStringLiteral("pernoa: --dpi takes a whole number from 50 to 1200, not "
                                  "\"%1\"\n")
                           .arg(QLatin1String(dpi)) +
                       hint;
        QTest::newRow("dpi without PNG")
            << QStringList{svg, out, QStringLiteral("--dpi"), QStringLiteral("300")} << 2
            << QStringLiteral("pernoa: --dpi only goes with --export-png\n") + hint;
        for (const char* scale : {"97.9,100", "100,102.01", "100", "100,abc"})
            QTest::addRow("scale %s", scale)
                << QStringList{QStringLiteral("--print"), QStringLiteral("--scale"),
                               QString::fromLatin1(scale)}
                << 2
                << (QByteArray(scale).contains(',')
                        ? QStringLiteral("pernoa: --scale takes X,Y in per cent from 98.0 to "
                                         "102.0, not \"%1\"\n")
                        : QStringLiteral("pernoa: --scale takes X,Y, not \"%1\"\n"))
                           .arg(QLatin1String(scale)) +
                       hint;
        QTest::newRow("scale on an export")
            << QStringList{x, out, QStringLiteral("--scale"), QStringLiteral("100,100")} << 2
            << QStringLiteral("pernoa: --scale only goes with --print\n") + hint;
        QTest::newRow("copies of an SVG")
            << QStringList{svg, out, QStringLiteral("--copies"), QStringLiteral("2")} << 2
            << QStringLiteral("pernoa: --copies does not go with --export-svg: it writes one "
                              "page\n") +
                   hint;
        QTest::newRow("PNG to standard output")
            << QStringList{png, QStringLiteral("-")} << 2
            << QStringLiteral("pernoa: --export-png writes a file, not standard output\n") + hint;
        QTest::newRow("unwritable SVG")
            << QStringList{svg, QStringLiteral("/nonexistent-dir/x.svg")} << 1
            << kCatchAll +
                   QStringLiteral(
                       "pernoa: cannot write /nonexistent-dir/x.svg: No such file or directory\n");
        QTest::newRow("unwritable PNG")
            << QStringList{png, QStringLiteral("/nonexistent-dir/x.png")} << 1
            << kCatchAll +
                   QStringLiteral(
                       "pernoa: cannot write /nonexistent-dir/x.png: No such file or directory\n");
        // More than 1 GB for the picture (5 bytes a pixel: grey, and colour
        // from the first coloured thing) is refused before anything is written.
        QTest::newRow("PNG too large")
            << QStringList{png,
                           out,
                           QStringLiteral("--paper"),
                           QStringLiteral("1000x1000"),
                           QStringLiteral("--dpi"),
                           QStringLiteral("400")}
            << 1
            << kCatchAll + QStringLiteral("pernoa: a PNG of 15748 x 15748 pixels would take "
                                          "1,183 MB of memory, more than the 1,024 MB allowed: "
                                          "choose a lower resolution\n");
        QTest::newRow("7 lines")
            << QStringList{x, out, QStringLiteral("--lines"), QStringLiteral("7")} << 2
            << QStringLiteral("pernoa: --lines takes 2, 3, 4, 5 or 6, not \"7\"\n") + hint;
        QTest::newRow("weight")
            << QStringList{x, out, QStringLiteral("--weight"), QStringLiteral("heavy")} << 2
            << QStringLiteral("pernoa: --weight takes thin, normal or thick, not \"heavy\"\n") +
                   hint;
        QTest::newRow("shade 256")
            << QStringList{x, out, QStringLiteral("--shade"), QStringLiteral("256")} << 2
            << QStringLiteral("pernoa: --shade takes a whole number from 0 to 255, not \"256\"\n") +
                   hint;
        QTest::newRow("shade 1.5")
            << QStringList{x, out, QStringLiteral("--shade"), QStringLiteral("1.5")} << 2
            << QStringLiteral("pernoa: --shade takes a whole number from 0 to 255, not \"1.5\"\n") +
                   hint;
        QTest::newRow("three margins")
            << QStringList{x, out, QStringLiteral("--margins"), QStringLiteral("1,2,3")} << 2
            << QStringLiteral("pernoa: --margins takes TOP,BOTTOM,LEFT,RIGHT, not \"1,2,3\"\n") +
                   hint;
        QTest::newRow("printer with export")
            << QStringList{x, out, QStringLiteral("--printer"), QStringLiteral("P")} << 2
            << QStringLiteral("pernoa: --printer only goes with --print\n") + hint;
        QTest::newRow("two actions") << QStringList{x, out, QStringLiteral("--print")} << 2
                                     << QStringLiteral("pernoa: --print cannot be combined with "
                                                       "another action\n") +
                                            hint;
        // A settings file that does not load completely: its messages, and
        // nothing made of the part that did load.
        QTest::newRow("settings file missing") << QStringList{x, out, QStringLiteral("sheet.kvs2")}
                                               << 1 << QStringLiteral("設定ファイルが開けません\n");
        // What a file says is quoted short and cannot drive the terminal.
        QTest::newRow("control characters in a settings file")
            << QStringList{x, out, pdf(QStringLiteral("escape.kvs2"))} << 1
            << QStringLiteral("五線の設定が読み込めませんでした。\n「線の幅」の値「\\x1b]0;x\\x07"
                              "\\x1b[2J」は読み込めません。\n");
        QTest::newRow("settings file without texts")
            << QStringList{x, out, QStringLiteral(PERNOA_SETTINGS_DATA "/no_text_section.kvs2")}
            << 1 << QStringLiteral("テキストの設定が読み込めませんでした。\n");
        QTest::newRow("settings saved from a file with a missing picture")
            << QStringList{QStringLiteral("--save-settings"), out,
                           QStringLiteral(PERNOA_SETTINGS_DATA "/missing_second_picture.kvs2")}
            << 1
            << QStringLiteral(
                   "画像の取得に失敗しました。\nペルノアファイルに定義された画像ファイルが"
                   "指定したパスに存在しません。\nこの画像の情報を削除します。\n");
        QTest::newRow("settings saved with an empty margin")
            << QStringList{QStringLiteral("--save-settings"), out, QStringLiteral("--margins"),
                           QStringLiteral(",1,1,1")}
            << 1
            << QStringLiteral("上マージンが空欄です。\nこの設定は完全ではないため保存できません。\n"
                              "該当の値を修正してから保存してください。\n");
        QTest::newRow("settings saved to a missing folder")
            << QStringList{QStringLiteral("--save-settings"),
                           QStringLiteral("/nonexistent-dir/x.kvs2")}
            << 1
            << QStringLiteral("設定ファイルの保存に失敗しました。\npernoa: cannot write "
                              "/nonexistent-dir/x.kvs2: No such file or directory\n");
        // How words are read: "=" joins a value, only "--" starts an option.
        QTest::newRow("switch with a value")
            << QStringList{x, out, QStringLiteral("--landscape=yes")} << 2
            << QStringLiteral("pernoa: --landscape takes no value\n") + hint;
        QTest::newRow("empty file name")
            << QStringList{QStringLiteral("--export-pdf=")} << 2
            << QStringLiteral("pernoa: --export-pdf needs a file name\n") + hint;
        QTest::newRow("empty settings file name")
            << QStringList{x, out, QString()} << 2
            << QStringLiteral("pernoa: the settings file name is empty\n") + hint;
        QTest::newRow("two settings files")
            << QStringList{x, out, QStringLiteral("a.kvs2"), QStringLiteral("--"),
                           QStringLiteral("--b")}
            << 2
            << QStringLiteral("pernoa: only one settings file may be given, not also \"--b\"\n") +
                   hint;
    }
    void refused() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        const QString out = pdf(QStringLiteral("refused.pdf"));
        QFile::remove(out);
        QFile escape(pdf(QStringLiteral("escape.kvs2")));
        QVERIFY(escape.open(QIODevice::WriteOnly));
        escape.write("[$TavriSettei$]\r\n30,30,15,15,\x1b]0;x\x07\x1b[2J\r\n");
        escape.close();
        args.replaceInStrings(QStringLiteral("@OUT@"), out);
        const RunResult r = runPernoa(args);
        QVERIFY(r.finished);
        QCOMPARE(r.err, err);
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY(!QFile::exists(out));
    }

    // A settings file on the command line: its parameters, texts and images
    // reach the PDF, the sheet options apply on top, one picture is stored
    // once however many items show it, and --save-settings writes what the
    // windows' save would.
    void settingsFile() {
        const QString kvs2 = pdf(QStringLiteral("page.kvs2"));
        QFile file(kvs2);
        QVERIFY(file.open(QIODevice::WriteOnly));
        // One picture under two spellings of its path.
        const QByteArray picture = PERNOA_SETTINGS_DATA "/pic.bmp";
        const QByteArray samePicture = PERNOA_SETTINGS_DATA "/././pic.bmp";
        file.write("[$TavriSettei$]\r\n30,30,15,15,\x95\x81\x92\xCA,10,2,B5,0,1,0,5,0\r\n\r\n"
                   "[$TextSettei$]\r\nEtude,3000,1200,IPAGothic,20,True,False,False,0\r\n\r\n"
                   "[$ImageSettei$]\r\n1500,9000," +
                   picture + ",100\r\n3000,9000," + samePicture + ",200\r\n");
        file.close();
        const QString out = pdf(QStringLiteral("settings.pdf"));
        RunResult r = runPernoa({QStringLiteral("--export-pdf"), out, QStringLiteral("--lines"),
                                 QStringLiteral("6"), kvs2});
        QCOMPARE(r.err, kQuiet);
        QCOMPARE(r.exitCode, 0);
        const QList<PdfPage> pages = readPages(out);
        QCOMPARE(pages.size(), 1);
        QCOMPARE(qRound(pages[0].sizePt.width() * kTwipsPerPoint / 56.7), 182); // B5
        QCOMPARE(pages[0].strokes.size(), 60);                                  // 10 x 6 lines
        QStringList words;
        for (const PdfWord& w : readWords(out))
            words << w.text;
        QVERIFY(words.contains(QStringLiteral("Etude")));
        const QList<int> images = imageObjects(out);
        QCOMPARE(images.size(), 2);
        QCOMPARE(images[0], images[1]);

        const QString saved = pdf(QStringLiteral("saved.kvs2"));
        r = runPernoa({QStringLiteral("--save-settings"), saved, QStringLiteral("--paper"),
                       QStringLiteral("A3"), kvs2});
        QCOMPARE(r.exitCode, 0);
        QFile back(saved);
        QVERIFY(back.open(QIODevice::ReadOnly));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(back.readAll(), file.readAll().replace(",B5,", ",A3,"));
    }

    // An export past the file size limit fails like a full disk: the message,
    // and the old file kept, instead of dying of SIGXFSZ without a word.
    void fileSizeLimitKeepsTheOldFile() {
        for (const char* format : {"pdf", "svg", "png"}) {
            const QString out = pdf(QStringLiteral("limited.") + QLatin1String(format));
            QFile old(out);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
            old.close();
            const RunResult r = run(
                QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"), QStringLiteral("ulimit -f 1 && exec \"$0\" \"$1\" \"$2\""),
                 pernoaPath(), QStringLiteral("--export-") + QLatin1String(format), out});
            QCOMPARE(r.err,
                     kCatchAll +
                         QStringLiteral("pernoa: cannot write %1: File too large\n").arg(out));
            QCOMPARE(r.exitCode, 1);
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), QByteArray("old"));
            // Nothing of the attempt is left beside it.
            QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("limited*")}, QDir::Files),
                     QStringList{QFileInfo(out).fileName()});
            old.remove();
        }
    }

    // A file written over keeps its owner and permissions: a read-only file
    // (which only root may replace) stays read-only, and another user's file
    // stays theirs.
    void replacedFilesKeepOwnerAndPermissions() {
        const bool root = ::geteuid() == 0;
        const mode_t mode = root ? 0444 : 0640;
        for (const QString& action :
             {QStringLiteral("--save-settings"), QStringLiteral("--export-pdf"),
              QStringLiteral("--export-svg"), QStringLiteral("--export-png")}) {
            const QString out = pdf(QStringLiteral("replaced") + action);
            const QByteArray path = QFile::encodeName(out);
            QFile old(out);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
            old.close();
            QCOMPARE(::chmod(path.constData(), mode), 0);
            if (root)
                QCOMPARE(::chown(path.constData(), 1234, 5678), 0);
            const RunResult r = runPernoa({action, out});
            QCOMPARE(r.err, QString());
            QCOMPARE(r.exitCode, 0);
            QVERIFY(old.open(QIODevice::ReadOnly));
            QVERIFY(old.readAll() != "old");
            struct stat info {};
            QCOMPARE(::stat(path.constData(), &info), 0);
            QCOMPARE(info.st_mode & 07777, mode);
            if (root) {
                QCOMPARE(info.st_uid, uid_t(1234));
                QCOMPARE(info.st_gid, gid_t(5678));
            }
        }
    }

    void helpAndVersion_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("starts");
        QTest::newRow("--help") << QStringLiteral("--help")
                                << QStringLiteral("Usage: pernoa --export-pdf OUT.pdf");
        QTest::newRow("-h") << QStringLiteral("-h")
                            << QStringLiteral("Usage: pernoa --export-pdf OUT.pdf");
        QTest::newRow("--version") << QStringLiteral("--version") << QStringLiteral("pernoa 2.2\n");
        QTest::newRow("-V") << QStringLiteral("-V") << QStringLiteral("pernoa 2.2\n");
    }
    void helpAndVersion() {
        QFETCH(QString, option);
        QFETCH(QString, starts);
        const RunResult r = runPernoa({option});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.startsWith(starts));
        QCOMPARE(r.err, QString());
        if (option.contains(QLatin1Char('h'))) {
            for (const char* name : {"--print",
                                     "--printer NAME",
                                     "--list-printers",
                                     "--paper",
                                     "--landscape",
                                     "--margins",
                                     "--blocks",
                                     "--block-gap",
                                     "--staves",
                                     "--lines",
                                     "--spacing",
                                     "--weight",
                                     "--shade",
                                     "--offset",
                                     "--copies",
                                     "--version",
                                     "--calibration-sheet",
                                     "--verbose",
                                     "--export-svg",
                                     "--export-png",
                                     "--dpi",
                                     "--scale",
                                     "--lang ja|en"})
                QVERIFY2(r.out.contains(QLatin1String(name)), name);
            // The papers' line, in the column of the others.
            QVERIFY(
                r.out.contains(QStringLiteral("\n  --paper A3|A4|A5|B4|B5|letter|legal|tabloid|\n  "
                                              "  WIDTHxHEIGHT                 "
                                              "   paper (A4); WIDTHxHEIGHT in mm, each\n")));
        }

        // An answer that cannot be written is no success.
        const RunResult full =
            run(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"), QStringLiteral("exec \"$0\" \"$1\" >/dev/full"),
                 pernoaPath(), option});
        QCOMPARE(full.exitCode, 1);
        QCOMPARE(full.err, QStringLiteral("pernoa: cannot write to standard output: No space left "
                                          "on device\n"));
    }

    // --verbose names the file and its pages; "-" writes the document to
    // standard output, the same page as a file.
    void verboseAndStandardOutput() {
        const QString file = pdf(QStringLiteral("verbose.pdf"));
        const RunResult r =
            runPernoa({QStringLiteral("--export-pdf"), file, QStringLiteral("--copies"),
                       QStringLiteral("2"), QStringLiteral("--verbose")});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.err, QStringLiteral("pernoa: wrote %1, 2 pages\n").arg(file));

        const QString piped = pdf(QStringLiteral("piped.pdf"));
        const RunResult p = run(QStringLiteral("/bin/sh"),
                                {QStringLiteral("-c"),
                                 QStringLiteral("exec \"$0\" --export-pdf - --copies 2 >\"$1\""),
                                 pernoaPath(), piped});
        QCOMPARE(p.exitCode, 0);
        QCOMPARE(p.err, kQuiet);
        const QList<PdfPage> fromFile = readPages(file);
        const QList<PdfPage> fromPipe = readPages(piped);
        QCOMPARE(fromPipe.size(), 2);
        for (qsizetype page = 0; page < 2; ++page) {
            QCOMPARE(fromPipe[page].sizePt, fromFile[page].sizePt);
            QCOMPARE(fromPipe[page].strokes.size(), fromFile[page].strokes.size());
            for (qsizetype i = 0; i < fromFile[page].strokes.size(); ++i)
                QCOMPARE(fromPipe[page].strokes[i].line, fromFile[page].strokes[i].line);
        }

        // A reader that goes away after a byte (more than a pipe holds is
        // written): the run stops with the reason, not killed without a word.
        const RunResult gone = run(QStringLiteral("/bin/bash"),
                                   {QStringLiteral("-c"),
                                    QStringLiteral("\"$0\" --export-pdf - --copies 1000 | "
                                                   "head -c 1 >/dev/null; exit ${PIPESTATUS[0]}"),
                                    pernoaPath()});
        QCOMPARE(gone.err, kCatchAll + QStringLiteral("pernoa: cannot write the document: Broken "
                                                      "pipe\n"));
        QCOMPARE(gone.exitCode, 1);
    }

    // The windows without any display: a clear word and the way to a PDF,
    // not Qt aborting.
    void windowsWithoutDisplay() {
        const RunResult r = runPernoa({}, withoutDisplay());
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.startsWith(QStringLiteral("pernoa: no display to open the windows on")),
                 qPrintable(r.err));
        QVERIFY(r.err.contains(QStringLiteral("pernoa --export-pdf page.pdf")));
    }

    // The command line speaks the desktop's language, Japanese under the C
    // locale, else the language stored by the windows; --lang chooses for
    // one run (the windows too), a wrong word is a usage error.
    void languageOfTheCommandLine() {
        QProcessEnvironment english = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
            english.remove(QString::fromLatin1(name));
        english.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
        const QString config = m_dir.filePath(QStringLiteral("config"));
        english.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        QProcessEnvironment c = QProcessEnvironment::systemEnvironment();
        c.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        const QString inEnglish = QStringLiteral("\"An error occurred\" a line");
        const QString inJapanese = QStringLiteral("\"エラーが発生しました\" a line");
        const QString help = QStringLiteral("--help");
        const QString lang = QStringLiteral("--lang");

        QVERIFY(runPernoa({help}, english).out.contains(inEnglish));
        QVERIFY(runPernoa({help}, c).out.contains(inJapanese));
        QVERIFY(runPernoa({lang, QStringLiteral("en"), help}, c).out.contains(inEnglish));
        QVERIFY(runPernoa({QStringLiteral("--lang=ja"), help}, english).out.contains(inJapanese));
        QVERIFY(QDir().mkpath(config + QStringLiteral("/pernoa")));
        {
            QFile stored(config + QStringLiteral("/pernoa/pernoa.ini"));
            QVERIFY(stored.open(QIODevice::WriteOnly));
            stored.write("[General]\nlanguage=en\n");
        }
        QVERIFY(runPernoa({help}, c).out.contains(inEnglish));
        QVERIFY(runPernoa({lang, QStringLiteral("ja"), help}, c).out.contains(inJapanese));
        QVERIFY(QFile::remove(config + QStringLiteral("/pernoa/pernoa.ini")));

        // The window's messages, in English.
        const RunResult margin =
            runPernoa({lang, QStringLiteral("en"), QStringLiteral("--export-pdf"),
                       pdf(QStringLiteral("lang.pdf")), QStringLiteral("--margins"),
                       QStringLiteral("10,,5,5")});
        QCOMPARE(margin.err, QStringLiteral("Bottom margin is empty.\n"));
        QCOMPARE(margin.exitCode, 1);

        const QString tryHelp = QStringLiteral("\nTry 'pernoa --help' for more information.\n");
        const RunResult wrong = runPernoa({lang, QStringLiteral("fr"), help});
        QCOMPARE(wrong.err, QStringLiteral("pernoa: --lang takes ja or en, not \"fr\"") + tryHelp);
        QCOMPARE(wrong.exitCode, 2);
        const RunResult missing =
            runPernoa({QStringLiteral("--export-pdf"), pdf(QStringLiteral("lang.pdf")), lang});
        QCOMPARE(missing.err, QStringLiteral("pernoa: --lang needs a value") + tryHelp);
        QCOMPARE(missing.exitCode, 2);
        // With only --lang, the windows are asked for.
        const RunResult windows = runPernoa({lang, QStringLiteral("en")}, withoutDisplay());
        QVERIFY2(windows.err.startsWith(QStringLiteral("pernoa: no display")),
                 qPrintable(windows.err));
        QCOMPARE(windows.exitCode, 1);
    }

    // With no scheduler to ask, an empty printer list is not the answer
    // "no printer is installed".
    void printersWithoutScheduler() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("CUPS_SERVER"), m_dir.filePath(QStringLiteral("no-cups.sock")));
        const RunResult list = runPernoa({QStringLiteral("--list-printers")}, env);
        QCOMPARE(list.err, QStringLiteral("pernoa: no print scheduler is running\n"));
        QCOMPARE(list.exitCode, 1);
        const RunResult print = runPernoa({QStringLiteral("--print")}, env);
        QCOMPARE(print.err, kCatchAll + QStringLiteral("pernoa: no print scheduler is running\n"));
        QCOMPARE(print.exitCode, 1);
    }

    // The calibration sheet's frame lies exactly 10 mm inside each edge of
    // the paper, whatever the offsets: what the printer shifts is what the
    // user measures.
    void calibrationFrame_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QSizeF>("paperMm");
        QTest::newRow("A4") << QStringList{} << QSizeF(210, 297);
        QTest::newRow("B5 landscape, offsets")
            << QStringList{QStringLiteral("--paper"), QStringLiteral("B5"),
                           QStringLiteral("--landscape"), QStringLiteral("--offset"),
                           QStringLiteral("3,-4")}
            << QSizeF(257, 182);
        QTest::newRow("A3") << QStringList{QStringLiteral("--paper"), QStringLiteral("A3")}
                            << QSizeF(297, 420);
        QTest::newRow("A5 landscape")
            << QStringList{QStringLiteral("--paper"), QStringLiteral("A5"),
                           QStringLiteral("--landscape")}
            << QSizeF(210, 148);
        QTest::newRow("letter") << QStringList{QStringLiteral("--paper"), QStringLiteral("letter")}
                                << QSizeF(215.9, 279.4);
        // Too small for 100 mm: the rulers are 20 mm.
        QTest::newRow("60 x 90 mm")
            << QStringList{QStringLiteral("--paper"), QStringLiteral("60x90")} << QSizeF(60, 90);
    }
    void calibrationFrame() {
        QFETCH(QStringList, options);
        QFETCH(QSizeF, paperMm);
        const QString out = pdf(QStringLiteral("calibration.pdf"));
        const RunResult r = runPernoa(QStringList{QStringLiteral("--calibration-sheet"),
                                                  QStringLiteral("--export-pdf"), out} +
                                      options);
        QCOMPARE(r.err, kQuiet);
        QCOMPARE(r.exitCode, 0);
        const QList<PdfPage> pages = readPages(out);
        QCOMPARE(pages.size(), 1);
        const PdfPage& page = pages.first();
        QVERIFY(qAbs(pageBoxMm(out).width() - paperMm.width()) < 0.01);

        const double twipsPerMm = 1440 / 25.4;
        const double left = 10 * twipsPerMm;
        const double top = 10 * twipsPerMm;
        const double right = (paperMm.width() - 10) * twipsPerMm;
        const double bottom = (paperMm.height() - 10) * twipsPerMm;
        // The four sides, each one stroke from corner to corner.
        const QLineF sides[] = {{left, top, right, top},
                                {left, bottom, right, bottom},
                                {left, top, left, bottom},
                                {right, top, right, bottom}};
        for (const QLineF& side : sides) {
            bool found = false;
            for (const Stroke& s : page.strokes) {
                const QLineF& l = s.line;
                if (qAbs(l.x1() - side.x1()) < kTolerance &&
                    qAbs(l.y1() - side.y1()) < kTolerance &&
                    qAbs(l.x2() - side.x2()) < kTolerance && qAbs(l.y2() - side.y2()) < kTolerance)
                    found = true;
            }
            QVERIFY2(found, qPrintable(QStringLiteral("side %1,%2 - %3,%4")
                                           .arg(side.x1())
                                           .arg(side.y1())
                                           .arg(side.x2())
                                           .arg(side.y2())));
        }
        // The crosshairs cross at the paper's centre.
        const QPointF centre(paperMm.width() / 2 * twipsPerMm, paperMm.height() / 2 * twipsPerMm);
        int through = 0;
        for (const Stroke& s : page.strokes)
            if (qAbs(s.line.center().x() - centre.x()) < kTolerance &&
                qAbs(s.line.center().y() - centre.y()) < kTolerance)
                ++through;
        QCOMPARE(through, 2);

        // The scale rulers, one across and one down: measured in the PDF from
        // the 0 tick to the last one, and along the baseline.
        const double length = qMin(paperMm.width(), paperMm.height()) >= 140 ? 100 : 20;
        auto measured = [&](bool across) {
            QList<double> ticks; // the long ticks' places along the ruler
            double baseline = 0;
            for (const Stroke& s : page.strokes) {
                const QLineF& l = s.line;
                const double along = across ? qAbs(l.dx()) : qAbs(l.dy());
                const double apart = across ? qAbs(l.dy()) : qAbs(l.dx());
                if (apart < 1e-6 && qAbs(along - length * twipsPerMm) < 2 * kTolerance)
                    baseline = along;
                // 5 mm long, standing off the ruler within the rulers' band.
                const double at = across ? l.x1() : l.y1();
                const bool inBand =
                    across ? l.y1() > bottom - 16 * twipsPerMm : l.x1() > right - 16 * twipsPerMm;
                if (along < 1e-6 && qAbs(apart - 5 * twipsPerMm) < kTolerance && inBand)
                    ticks << at;
            }
            std::sort(ticks.begin(), ticks.end());
            return std::pair{baseline, ticks.isEmpty() ? 0.0 : ticks.last() - ticks.first()};
        };
        for (bool across : {true, false}) {
            const auto [baseline, ticks] = measured(across);
            const auto where = qPrintable(QStringLiteral("%1: %2 and %3 twips")
                                              .arg(across ? "across" : "down")
                                              .arg(baseline)
                                              .arg(ticks));
            QVERIFY2(qAbs(baseline - length * twipsPerMm) < kTolerance, where);
            QVERIFY2(qAbs(ticks - length * twipsPerMm) < kTolerance, where);
        }

        QStringList words;
        for (const PdfWord& w : readWords(out))
            words << w.text;
        if (length == 100) {
            QVERIFY(words.join(QString()).contains(QStringLiteral("プリンタの誤差設定")));
            QVERIFY(words.join(QString()).contains(QStringLiteral("プリンタの倍率補正")));
        }
    }

    // An SVG page: the paper's size in mm in its root element, and every
    // line where the PDF of the same page has it, to 0.01 mm.
    void svgMatchesPdf_data() {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("default page") << QStringList{};
        QTest::newRow("letter landscape, blocks")
            << QStringList{"--paper", "letter", "--landscape", "--blocks", "3", "--staves", "2"};
        QTest::newRow("1000 x 1000 mm, thick")
            << QStringList{"--paper", "1000x1000", "--weight", "thick", "--shade", "128"};
    }
    void svgMatchesPdf() {
        QFETCH(QStringList, options);
        const QString svg = pdf(QStringLiteral("page.svg"));
        const QString out = pdf(QStringLiteral("page.pdf"));
        QCOMPARE(runPernoa(QStringList{QStringLiteral("--export-svg"), svg} + options).exitCode, 0);
        QCOMPARE(runPernoa(QStringList{QStringLiteral("--export-pdf"), out} + options).exitCode, 0);
        const SvgPage page = readSvg(svg);
        const QSizeF box = pageBoxMm(out);
        QVERIFY(qAbs(page.sizeMm.width() - box.width()) < 0.01);
        QVERIFY(qAbs(page.sizeMm.height() - box.height()) < 0.01);
        const QList<PdfPage> pages = readPages(out);
        QCOMPARE(pages.size(), 1);
        QCOMPARE(page.linesMm.size(), pages[0].strokes.size());
        const double mmPerTwip = 25.4 / 1440;
        for (qsizetype i = 0; i < page.linesMm.size(); ++i) {
            const QLineF want(pages[0].strokes[i].line.p1() * mmPerTwip,
                              pages[0].strokes[i].line.p2() * mmPerTwip);
            const QLineF& got = page.linesMm[i];
            QVERIFY2(qAbs(got.y1() - want.y1()) < 0.01 && qAbs(got.y2() - want.y2()) < 0.01 &&
                         qAbs(qMin(got.x1(), got.x2()) - qMin(want.x1(), want.x2())) < 0.01 &&
                         qAbs(qMax(got.x1(), got.x2()) - qMax(want.x1(), want.x2())) < 0.01,
                     qPrintable(QStringLiteral("line %1").arg(i)));
        }
        // It is an SVG file a viewer takes: Qt's own renderer reads it whole.
        QSvgRenderer renderer(svg);
        QVERIFY(renderer.isValid());
    }

    // A PNG page: as many pixels as the paper at the resolution, which the
    // file states in its pHYs chunk; the staves where the layout has them.
    void pngPixelsAndResolution_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("A4 at 300 dpi") << QStringList{} << 300 << QSize(2480, 3508);
        QTest::newRow("letter at 150 dpi")
            << QStringList{"--paper", "letter", "--dpi", "150"} << 150 << QSize(1275, 1650);
        QTest::newRow("230 x 305 landscape at 50 dpi")
            << QStringList{"--paper", "230x305", "--landscape", "--dpi", "50"} << 50
            << QSize(600, 453);
    }
    void pngPixelsAndResolution() {
        QFETCH(QStringList, options);
        QFETCH(int, dpi);
        QFETCH(QSize, pixels);
        const QString png = pdf(QStringLiteral("page.png"));
        const RunResult r = runPernoa(QStringList{QStringLiteral("--export-png"), png} + options);
        QCOMPARE(r.exitCode, 0);
        const PngInfo info = readPngInfo(png);
        QCOMPARE(info.pixels, pixels);
        QVERIFY(info.perMetre);
        QCOMPARE(info.pixelsPerMetreX, qRound(dpi / 0.0254));
        QCOMPARE(info.pixelsPerMetreY, qRound(dpi / 0.0254));
        // The first staff line, 30 mm (1701 twips) from the top, is dark
        // across the page's middle; the paper above it is white.
        const QImage image(png);
        const int row = qRound(1701.0 / 1440 * dpi);
        const int middle = image.width() / 2;
        int darkest = 255;
        for (int y = row - 1; y <= row + 1; ++y)
            darkest = qMin(darkest, qGray(image.pixel(middle, y)));
        QVERIFY2(darkest < 160, qPrintable(QString::number(darkest)));
        QCOMPARE(qGray(image.pixel(middle, row / 2)), 255);
    }

    // The warnings go to standard error, one line each; the page is written
    // all the same and the run succeeds.
    void warnings_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("warnings");
        QTest::newRow("default page") << QStringList{} << QStringList{};
        QTest::newRow("overlapping") << QStringList{"--staves", "40"}
                                     << QStringList{"pernoa: warning: 五線が重なっています"};
        QTest::newRow("past the paper")
            << QStringList{"--staves", "1", "--spacing", "80"}
            << QStringList{"pernoa: warning: 五線が用紙からはみ出しています"};
        // A PDF prints everything of the paper.
        QTest::newRow("hairline margins")
            << QStringList{"--margins", "0.1,0.1,0.1,0.1"} << QStringList{};
    }
    void warnings() {
        QFETCH(QStringList, options);
        QFETCH(QStringList, warnings);
        const QString out = pdf(QStringLiteral("warned.pdf"));
        QFile::remove(out);
        const RunResult r = runPernoa(QStringList{QStringLiteral("--export-pdf"), out} + options);
        QCOMPARE(r.exitCode, 0);
        QStringList told;
        for (const QString& line : r.err.split(u'\n'))
            if (line.startsWith(QStringLiteral("pernoa: warning: ")))
                told << line;
        QCOMPARE(told, warnings);
        QCOMPARE(readPages(out).size(), 1);
    }
};

QTEST_GUILESS_MAIN(PdfExportTest)
#include "tst_pdfexport.moc"
