// Pages with music written to PDF by the printer adapter and measured back
// through poppler: bar lines, system lines, braces, brackets and clefs
// against the staff lines the same PDF holds, to 0.01 mm.

#include "engine/controls.h"
#include "engine/headlessform.h"
#include "engine/musiclayout.h"
#include "engine/numberrules.h"
#include "engine/tavriengine.h"
#include "output/musicfont.h"
#include "output/qtprinter.h"
#include "pdfprobe.h"
#include "recorders.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace pernoa;
using namespace pernoa::test;

namespace {

constexpr double Tolerance = 0.567; // 0.01 mm in twips

bool near(double a, double b) {
    return std::fabs(a - b) < Tolerance;
}

#define QVERIFY_NEAR(a, b)                                                                         \
    QVERIFY2(near((a), (b)), qPrintable(QStringLiteral("%1 is %2, expected %3")                    \
                                            .arg(QLatin1String(#a))                                \
                                            .arg(a, 0, 'f', 3)                                     \
                                            .arg(b, 0, 'f', 3)))

// A staff as the PDF shows it: the y of its lines, top first.
using PdfStaff = QList<double>;

struct Measured {
    QList<PdfStaff> staves;
    QList<QLineF> verticals; // bar lines and system lines, top to bottom
    double staffLineWidthPt = 0;
    double barWidthPt = 0;
    PdfPage page;
};

} // namespace

class MusicPdfTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    output::MusicFont m_font;
    HeadlessForm m_form;
    RecordingMessages m_messages;
    TavriEngine m_engine{m_form, m_messages};

    // Writes the page with the window's values as set and reads it back,
    // grouping the staff lines by the engine's staves.
    Measured exportPage(int copies = 1, IMusicFont* font = nullptr) {
        const QString path = m_dir.filePath(QStringLiteral("music.pdf"));
        output::QtPrinter printer(path);
        PrintJobOptions job;
        job.printer = &printer;
        job.doneMessage.clear();
        m_engine.setMusicFont(font ? font : &m_font);
        m_engine.DrawTavriSheet(copies, job);
        Measured m;
        const QList<PdfPage> pages = readPages(path);
        if (pages.size() != copies || !m_engine.lastMusicPage())
            return m;
        m.page = pages.first();
        QList<double> horizontal;
        for (const Stroke& s : std::as_const(m.page.strokes)) {
            if (s.line.y1() == s.line.y2()) {
                horizontal << s.line.y1();
                m.staffLineWidthPt = s.widthPt;
            } else {
                m.verticals << QLineF(s.line.x1(), std::min(s.line.y1(), s.line.y2()), s.line.x2(),
                                      std::max(s.line.y1(), s.line.y2()));
                m.barWidthPt = s.widthPt;
            }
        }
        for (const StaffPlace& staff : m_engine.lastMusicPage()->staves)
            m.staves << horizontal.mid(qsizetype(staff.firstLine), staff.lineCount);
        return m;
    }

    void setPage(int blocks, int staves, double gapMm, MusicPreset preset, int measures) {
        m_form.setText(ctl::txtDaifuhyoCnt, QString::number(blocks));
        m_form.setText(ctl::txtTavriDansu, QString::number(staves));
        m_form.setText(ctl::txtDaifuhyoInterval, num::toText(gapMm));
        MusicSettings music = applyMusicPreset(preset, {}, 2.0);
        music.measures = measures;
        m_engine.putMusicSettings(music);
    }

    // The glyph whose origin is nearest the point.
    static PdfGlyph glyphAt(const PdfPage& page, QPointF origin) {
        PdfGlyph best;
        double distance = 1e300;
        for (const PdfGlyph& g : page.glyphs) {
            const double d = QLineF(g.origin, origin).length();
            if (d < distance) {
                distance = d;
                best = g;
            }
        }
        return best;
    }

    // A clef's box as the font gives it, at its origin and em (twips, y down).
    QRectF expectedBox(QPointF origin, double em, const char* glyph) {
        const QRectF ems = m_font.glyphBox(m_font.designSizeFor(em), QLatin1String(glyph));
        return QRectF(QPointF(origin.x() + ems.left() * em, origin.y() - ems.bottom() * em),
                      QPointF(origin.x() + ems.right() * em, origin.y() - ems.top() * em));
    }

    void compareBox(const QRectF& got, const QRectF& want) {
        QVERIFY_NEAR(got.left(), want.left());
        QVERIFY_NEAR(got.right(), want.right());
        QVERIFY_NEAR(got.top(), want.top());
        QVERIFY_NEAR(got.bottom(), want.bottom());
    }

private slots:
    void initTestCase() {
        QVERIFY2(m_font.isAvailable(), "the music font (Debian package lilypond-fonts) is missing");
        m_engine.initStartValues();
    }

    // Six piano systems: treble and bass clefs, a brace and a system line
    // per system, four measures whose bar lines run through both staves.
    void pianoSystems() {
        setPage(6, 2, 8, MusicPreset::Piano, 4);
        const Measured m = exportPage();
        QCOMPARE(m.staves.size(), 12);
        QVERIFY(m.page.fills.isEmpty());
        QCOMPARE(m.page.glyphs.size(), 18); // 12 clefs, 6 braces
        QCOMPARE(m.verticals.size(), 6 * 5);
        QVERIFY(std::fabs(m.barWidthPt / m.staffLineWidthPt - kBarLineWidthRatio) < 0.01);

        const double L = 15 * TwipsPerMm;
        const double right = (210 - 15) * TwipsPerMm;
        const double step = LineThicknessTwip + 2 * TwipsPerMm;
        const double clefAreaEnd = L + kClefAreaSteps * step;
        for (int block = 0; block < 6; ++block) {
            const PdfStaff& treble = m.staves[2 * block];
            const PdfStaff& bass = m.staves[2 * block + 1];
            const QList<QLineF> lines = m.verticals.mid(5 * block, 5);
            // The system line at the left margin, then the bars, the last on
            // the right margin, each from the top line to the bottom line.
            for (int i = 0; i < 5; ++i) {
                const double x = i == 0 ? L : clefAreaEnd + (right - clefAreaEnd) * i / 4;
                QVERIFY_NEAR(lines[i].x1(), x);
                QVERIFY_NEAR(lines[i].y1(), treble.first());
                QVERIFY_NEAR(lines[i].y2(), bass.last());
            }
            // The brace's box spans the system, right of it the system line.
            const PdfGlyph brace = glyphAt(m.page, {L, (treble.first() + bass.last()) / 2});
            QVERIFY_NEAR(brace.box.top(), treble.first());
            QVERIFY_NEAR(brace.box.bottom(), bass.last());
            QVERIFY_NEAR(brace.box.right(), L - kBraceGapSteps * step);
            // The G clef's curl on the second line from the bottom, the F
            // clef's dots around the fourth.
            const QPointF g(L + step, treble[3]);
            compareBox(glyphAt(m.page, g).box, expectedBox(g, 4 * step, "clefs.G"));
            QVERIFY_NEAR(glyphAt(m.page, g).origin.y(), treble[3]);
            const QPointF f(L + step, bass[1]);
            compareBox(glyphAt(m.page, f).box, expectedBox(f, 4 * step, "clefs.F"));
        }
    }

    // Choir: a bracket with its tips, an 8 under the tenor's clef, bar lines
    // over each staff alone.
    void choirSystems() {
        setPage(2, 4, 10, MusicPreset::ChoirSatb, 3);
        const Measured m = exportPage();
        QCOMPARE(m.staves.size(), 8);
        QCOMPARE(m.page.fills.size(), 2);
        QCOMPARE(m.page.glyphs.size(), 8 + 2 + 2 * 2); // clefs, 8s, tips
        const double L = 15 * TwipsPerMm;
        const double step = LineThicknessTwip + 2 * TwipsPerMm;
        const QRectF bracket = m.page.fills.first();
        QVERIFY_NEAR(bracket.left(), L - (kBracketGapSteps + kBracketWidthSteps) * step);
        QVERIFY_NEAR(bracket.right(), L - kBracketGapSteps * step);
        QVERIFY_NEAR(bracket.top(), m.staves[0].first());
        QVERIFY_NEAR(bracket.bottom(), m.staves[3].last());
        // System line over the block, then each bar line per staff.
        QCOMPARE(m.verticals.size(), 2 * (1 + 3 * 4));
        QVERIFY_NEAR(m.verticals[0].y2(), m.staves[3].last());
        for (int k = 0; k < 4; ++k) {
            QVERIFY_NEAR(m.verticals[1 + k].y1(), m.staves[k].first());
            QVERIFY_NEAR(m.verticals[1 + k].y2(), m.staves[k].last());
        }
        // The 8 stands under the G clef, centred on it.
        const QPointF tenor(L + step, m.staves[2][3]);
        const QRectF clef = glyphAt(m.page, tenor).box;
        compareBox(clef, expectedBox(tenor, 4 * step, "clefs.G"));
        const QRectF eight = glyphAt(m.page, {tenor.x(), clef.bottom() + 4 * step}).box;
        QVERIFY(eight.top() > clef.bottom());
        QVERIFY(eight.top() - clef.bottom() < step);
        QVERIFY_NEAR(eight.center().x(), clef.center().x());
    }

    // Guitar: the TAB clef centred on its six-line staff, spaced 1.5 times
    // as wide; C clefs centred on their lines.
    void tabAndCClefs() {
        setPage(1, 2, 0, MusicPreset::GuitarTab, 0);
        m_form.setText(ctl::txtFuhyoNarabi,
                       m_form.text(ctl::txtFuhyoNarabi) + QStringLiteral(",alto,tenor"));
        m_form.setText(ctl::txtTavriDansu, QStringLiteral("4"));
        const Measured m = exportPage();
        QCOMPARE(m.staves.size(), 4);
        QVERIFY(m.verticals.isEmpty()); // no bars, no grouping: no system line
        const PdfStaff& tab = m.staves[1];
        QCOMPARE(tab.size(), 6);
        const double step = LineThicknessTwip + 2 * TwipsPerMm;
        QVERIFY_NEAR(tab[1] - tab[0], 1.5 * step);
        const QRectF tabClef =
            glyphAt(m.page, {15 * TwipsPerMm, (tab.first() + tab.last()) / 2}).box;
        QVERIFY_NEAR(tabClef.center().y(), (tab.first() + tab.last()) / 2);
        QVERIFY(tabClef.top() > tab.first() && tabClef.bottom() < tab.last());
        QVERIFY_NEAR(glyphAt(m.page, {0, m.staves[2][2]}).box.center().y(), m.staves[2][2]);
        QVERIFY_NEAR(glyphAt(m.page, {0, m.staves[3][1]}).box.center().y(), m.staves[3][1]);
    }

    // However many copies, the document holds each face once.
    void fontsStoredOnce() {
        setPage(6, 2, 8, MusicPreset::Piano, 4);
        exportPage(3);
        const QString path = m_dir.filePath(QStringLiteral("music.pdf"));
        QStringList names = fontNames(path);
        names.sort();
        const int size = m_font.designSizeFor(4 * (LineThicknessTwip + 2 * TwipsPerMm));
        QCOMPARE(size, 26); // a 9 mm staff is drawn best with the 26-point face
        QCOMPARE(names, QStringList({QStringLiteral("Emmentaler-%1").arg(size),
                                     QStringLiteral("Emmentaler-Brace")}));
        const QList<PdfPage> pages = readPages(path);
        for (const PdfPage& page : pages)
            QCOMPARE(page.glyphs.size(), 18);
    }

    // An SVG page holds the clefs and braces as their outlines: it has no
    // characters for them.
    void svgPageHoldsTheSigns() {
        setPage(6, 2, 8, MusicPreset::Piano, 4);
        const QString path = m_dir.filePath(QStringLiteral("music.svg"));
        {
            output::QtPrinter printer(path, output::FileFormat::Svg);
            PrintJobOptions job;
            job.printer = &printer;
            job.doneMessage.clear();
            m_engine.setMusicFont(&m_font);
            QVERIFY(m_engine.DrawTavriSheet(1, job).isDone());
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray svg = file.readAll();
        QVERIFY(!svg.contains("<text"));
        // 12 clefs and 6 braces of curves; the lines are polylines.
        QVERIFY2(svg.count(" C") + svg.count("C ") > 200, svg.left(200).constData());
    }

    // Without the font the page is drawn without its signs and says why.
    void missingFont() {
        setPage(6, 2, 8, MusicPreset::Piano, 4);
        output::MusicFont none({m_dir.filePath(QStringLiteral("no-such-folder"))});
        int reports = 0;
        none.setMissingReport([&reports] { ++reports; });
        m_messages.clear();
        RecordingSurface window;
        m_engine.setPreviewWindow(&window);
        const Measured m = exportPage(1, &none);
        m_engine.setPreviewWindow(nullptr);
        QVERIFY(m.page.glyphs.isEmpty());
        QCOMPARE(m.verticals.size(), 30);
        QCOMPARE(m.staves.size(), 12);
        QVERIFY(fontNames(m_dir.filePath(QStringLiteral("music.pdf"))).isEmpty());
        QVERIFY(m_engine.lastWarnings().musicFontMissing);
        QVERIFY(window.notice.contains(QStringLiteral("lilypond-fonts")));
        QVERIFY(m_messages.shown.isEmpty());
        // Told once, however often a page asks.
        exportPage(1, &none);
        QCOMPARE(reports, 1);
    }
};

QTEST_MAIN(MusicPdfTest)
#include "tst_musicpdf.moc"
