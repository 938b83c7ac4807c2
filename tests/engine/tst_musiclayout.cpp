// The layout of pages with music: today's lines where the staves are equal,
// equal white space where they are not, clefs on their lines, bar lines,
// braces and brackets, the refusals and the warnings.

#include "engine/controls.h"
#include "engine/musicdrawing.h"
#include "engine/musiclayout.h"
#include "engine/numberrules.h"
#include "enginerig.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace pernoa;
using namespace pernoa::test;

namespace {

bool near(double a, double b, double eps = 1e-9) {
    return std::abs(a - b) <= eps;
}

// A font of one glyph, placed at a fixed offset from every point it is asked
// for: shows where the engine puts the signs on each surface.
struct OneGlyphFont : IMusicFont {
    bool isAvailable() override { return true; }
    std::vector<MusicGlyph> one() { return {{QRawFont(), 7, QPointF(10, 20)}}; }
    std::vector<MusicGlyph> clefGlyphs(Clef, double) override { return one(); }
    std::vector<MusicGlyph> braceGlyphs(double, double) override { return one(); }
    std::vector<MusicGlyph> bracketTipGlyphs(bool, double) override { return one(); }
};

// The music record is written into the window's controls before each
// drawing, as the window, the settings file and the command line put it.
struct MusicRig : EngineRig {
    MusicSettings music;
    Outcome draw() {
        engine.putMusicSettings(music);
        return engine.DrawTavriSheet(0);
    }
    Outcome print() {
        engine.putMusicSettings(music);
        return engine.cmdPrintClick();
    }
    const MusicPage& page() const { return *engine.lastMusicPage(); }
    double step() const { return LineThicknessTwip + engine.settings().LineIntervalTwip; }
    void setStaves(int blocks, int staves) {
        form.setText(ctl::txtDaifuhyoCnt, QString::number(blocks));
        form.setText(ctl::txtTavriDansu, QString::number(staves));
    }
};

} // namespace

class TestMusicLayout : public QObject {
    Q_OBJECT

private slots:
    // With equal staves the lines are today's to the last digit, and so is
    // the reference distance, whatever else the record adds.
    void equalStavesAreTodaysLayout_data() {
        QTest::addColumn<QStringList>("setup"); // control=value pairs
        QTest::newRow("default") << QStringList();
        QTest::newRow("3 blocks gap 10")
            << QStringList{"txtDaifuhyoCnt=3", "txtTavriDansu=2", "txtDaifuhyoInterval=10"};
        QTest::newRow("one staff, two blocks")
            << QStringList{"txtDaifuhyoCnt=2", "txtTavriDansu=1", "txtDaifuhyoInterval=7"};
        QTest::newRow("overlapping blocks")
            << QStringList{"txtDaifuhyoCnt=4", "txtTavriDansu=3", "txtDaifuhyoInterval=-5"};
        QTest::newRow("spacing 3.3") << QStringList{"txtLineInterval=3.3", "txtTavriDansu=7"};
    }
    void equalStavesAreTodaysLayout() {
        QFETCH(QStringList, setup);
        MusicRig plain;
        for (const QString& pair : setup)
            plain.form.setText(pair.section('=', 0, 0), pair.section('=', 1));
        plain.engine.DrawTavriSheet(0);
        const std::vector<TavriLine> today = plain.engine.lastLines();
        const QString distance = plain.form.text(ctl::txtTavriInterval);
        QVERIFY(plain.engine.lastMusicPage() == nullptr);

        const double spacing = plain.engine.settings().LineInterval;
        const MusicSettings variants[] = {
            {{}, BlockGrouping::None, 2, BarLineReach::Block},
            {{{5, 0, Clef::Treble}}, BlockGrouping::Brace, 0, BarLineReach::Block},
            {{{5, spacing, Clef::Bass}, {5, 0, Clef::Alto}},
             BlockGrouping::Bracket,
             1,
             BarLineReach::Staff},
        };
        for (const MusicSettings& music : variants) {
            MusicRig rig;
            for (const QString& pair : setup)
                rig.form.setText(pair.section('=', 0, 0), pair.section('=', 1));
            rig.music = music;
            rig.draw();
            QVERIFY(rig.messages.shown.isEmpty());
            QVERIFY(rig.engine.lastMusicPage());
            const std::vector<TavriLine>& lines = rig.engine.lastLines();
            QCOMPARE(lines.size(), today.size());
            // Bit for bit: QCOMPARE would forgive the last digits.
            for (std::size_t i = 0; i < lines.size(); ++i)
                QVERIFY2(lines[i].StartY == today[i].StartY && lines[i].StartX == today[i].StartX &&
                             lines[i].EndX == today[i].EndX,
                         qPrintable(QStringLiteral("line %1: %2, today %3")
                                        .arg(i)
                                        .arg(lines[i].StartY, 0, 'g', 17)
                                        .arg(today[i].StartY, 0, 'g', 17)));
            QCOMPARE(rig.form.text(ctl::txtTavriInterval), distance);
        }
    }

    // Staves of different heights keep the block's place and height and
    // share its white space equally; the rows repeat.
    void unequalStavesShareTheWhiteSpace() {
        MusicRig rig;
        rig.setStaves(2, 5);
        rig.form.setText(ctl::txtDaifuhyoInterval, QStringLiteral("10"));
        rig.music.stack = {{5, 0, Clef::Treble}, {6, 3, Clef::Tab}, {2, 1, Clef::None}};
        rig.draw();
        const MusicPage& page = rig.page();
        QCOMPARE(page.staves.size(), std::size_t(10));
        const SheetSettings& s = rig.engine.settings();
        const double blockHeight = (16840 - 2 * 1701 - s.DaifuhyoIntervalTwip) / 2;
        const double t = LineThicknessTwip;
        for (int block = 0; block < 2; ++block) {
            const StaffPlace* staves = &page.staves[std::size_t(block) * 5];
            const int counts[] = {5, 6, 2, 5, 6};
            const double top = 1701 + block * (blockHeight + s.DaifuhyoIntervalTwip);
            QVERIFY(near(staves[0].top, top));
            QVERIFY(near(staves[4].bottom + t, top + blockHeight, 1e-6));
            const double white = staves[1].top - (staves[0].bottom + t);
            for (int k = 0; k < 5; ++k) {
                QCOMPARE(staves[k].lineCount, counts[k]);
                if (k > 0)
                    QVERIFY(near(staves[k].top - (staves[k - 1].bottom + t), white, 1e-6));
            }
            QVERIFY(near(staves[1].step, t + 3 * TwipsPerMm));
        }
        // The reference distance: last line of the first staff to the first
        // of the second.
        const double d = (page.staves[1].top - page.staves[0].bottom) / TwipsPerMm;
        QCOMPARE(rig.form.text(ctl::txtTavriInterval), num::toText(d));
        QVERIFY(!rig.engine.lastWarnings().overlapping);

        // A spacing that makes the staves overlap is the page's warning.
        rig.music.stack[1].spacingMm = 40;
        rig.draw();
        QVERIFY(rig.engine.lastWarnings().overlapping);
    }

    // Each clef's origin on its line, a step right of the margin, at an em of
    // four steps; TAB sized by its staff.
    void clefsOnTheirLines() {
        MusicRig rig;
        rig.setStaves(1, 8);
        rig.music.stack = {
            {5, 0, Clef::Treble},
            {5, 0, Clef::Bass},
            {5, 0, Clef::Alto},
            {5, 0, Clef::Tenor},
            {5, 0, Clef::TrebleOctaveDown},
            {1, 0, Clef::Percussion},
            {6, 0, Clef::Tab},
            {4, 0, Clef::None},
        };
        rig.draw();
        const MusicPage& page = rig.page();
        QCOMPARE(page.clefs.size(), std::size_t(7));
        const double step = rig.step();
        const double L = 850.5;
        // Lines counted from the top of each staff.
        const int lineFromTop[] = {3, 1, 2, 1, 3};
        for (int k = 0; k < 5; ++k) {
            const StaffPlace& staff = page.staves[std::size_t(k)];
            const ClefPlace& clef = page.clefs[std::size_t(k)];
            QCOMPARE(clef.y, page.lines[staff.firstLine + std::size_t(lineFromTop[k])].StartY);
            QVERIFY(near(clef.em, 4 * step));
            QVERIFY(near(clef.x, L + step));
        }
        QCOMPARE(page.clefs[5].y, page.staves[5].top); // the one line
        const StaffPlace& tab = page.staves[6];
        QVERIFY(near(page.clefs[6].y, (tab.top + tab.bottom) / 2));
        QVERIFY(near(page.clefs[6].em, 5 * step * 8 / 15));
        QVERIFY(near(page.clefs[6].x, L + page.clefs[6].em / 4));
    }

    // Bar lines evenly from the end of the clef area, the last on the right
    // margin; through the block or per staff; a system line at the margin
    // whenever there are bars or a grouping.
    void barLinesAndSystemLines() {
        MusicRig rig;
        rig.setStaves(2, 2);
        rig.music = applyMusicPreset(MusicPreset::Piano, {}, 2);
        rig.music.measures = 3;
        rig.draw();
        const double L = 850.5, right = 11056.5;
        const double clefEnd = L + kClefAreaSteps * rig.step();
        {
            const MusicPage& page = rig.page();
            QCOMPARE(page.barLines.size(), std::size_t(2 * 4));
            for (int block = 0; block < 2; ++block) {
                const TavriLine* bars = &page.barLines[std::size_t(block) * 4];
                const StaffPlace& top = page.staves[std::size_t(block) * 2];
                const StaffPlace& bottom = page.staves[std::size_t(block) * 2 + 1];
                for (int i = 0; i < 4; ++i) {
                    QCOMPARE(bars[i].StartY, top.top);
                    QCOMPARE(bars[i].EndY, bottom.bottom);
                    QCOMPARE(bars[i].StartX, bars[i].EndX);
                }
                QCOMPARE(bars[0].StartX, L);
                QVERIFY(near(bars[1].StartX, clefEnd + (right - clefEnd) / 3));
                QVERIFY(near(bars[2].StartX, clefEnd + (right - clefEnd) * 2 / 3));
                QVERIFY(bars[3].StartX == right); // exactly on the margin
            }
            QCOMPARE(page.braces.size(), std::size_t(2));
            const BracePlace& brace = page.braces[1];
            QCOMPARE(brace.top, page.staves[2].top);
            QCOMPARE(brace.bottom, page.staves[3].bottom);
            QVERIFY(near(brace.right, L - kBraceGapSteps * rig.step()));
        }

        rig.music.barReach = BarLineReach::Staff;
        rig.music.grouping = BlockGrouping::Bracket;
        rig.draw();
        {
            const MusicPage& page = rig.page();
            QCOMPARE(page.barLines.size(), std::size_t(2 * (1 + 3 * 2)));
            QCOMPARE(page.barLines[1].StartY, page.staves[0].top);
            QCOMPARE(page.barLines[1].EndY, page.staves[0].bottom);
            QCOMPARE(page.barLines[2].StartY, page.staves[1].top);
            const BracketPlace& bracket = page.brackets[0];
            QVERIFY(near(bracket.left + bracket.width, L - kBracketGapSteps * rig.step()));
            QCOMPARE(bracket.top, page.staves[0].top);
            QCOMPARE(bracket.bottom, page.staves[1].bottom);
        }

        // A one-line staff's bars reach a step above and below its line.
        rig.music.stack = {{1, 0, Clef::None}};
        rig.music.grouping = BlockGrouping::None;
        rig.draw();
        QVERIFY(near(rig.page().barLines[1].StartY, rig.page().staves[0].top - rig.step()));
        QVERIFY(near(rig.page().barLines[1].EndY, rig.page().staves[0].top + rig.step()));

        // A block of negative height stacks its staves upwards: the signs
        // still reach from its highest line to its lowest.
        rig.music = applyMusicPreset(MusicPreset::Piano, {}, 2);
        rig.form.setText(ctl::txtSpaceSizeUp, QStringLiteral("200"));
        rig.form.setText(ctl::txtSpaceSizeDown, QStringLiteral("200"));
        rig.draw();
        QVERIFY(rig.page().staves[1].top < rig.page().staves[0].top);
        QCOMPARE(rig.page().braces[0].top, rig.page().staves[1].top);
        QCOMPARE(rig.page().braces[0].bottom, rig.page().staves[0].bottom);
        rig.music.stack = {{1, 0, Clef::None}};
        rig.music.grouping = BlockGrouping::None;
        rig.music.measures = 3;

        // Clefs alone: no system line.
        rig.music.measures = 0;
        rig.draw();
        QVERIFY(rig.page().barLines.empty());
    }

    // What the music controls may not hold is refused with the window's
    // message before the preview changes, as a bar count the page cannot
    // hold is.
    void refusals_data() {
        QTest::addColumn<QString>("stack");
        QTest::addColumn<QString>("bars");
        QTest::addColumn<QString>("message");
        const QString range = QStringLiteral("譜表の2段目の線の数は1本から6本までにしてください。");
        QTest::newRow("0 lines") << "treble,none:0"
                                 << "0" << range;
        QTest::newRow("7 lines") << "treble,none:7"
                                 << "0" << range;
        QTest::newRow("lines not a number")
            << "treble:five"
            << "0" << QStringLiteral("譜表の1段目の線の数に数値以外が入ってます");
        QTest::newRow("negative spacing")
            << "treble,none:5:-1"
            << "0"
            << QStringLiteral("そんな値、入力していじめちゃいや～ん♪\r\n譜表の2段目の線同士の幅");
        QTest::newRow("unknown clef")
            << "trebel"
            << "0" << QStringLiteral("譜表の1段目の音部記号「trebel」は使えません。");
        QTest::newRow("empty row")
            << "treble,,bass"
            << "0" << QStringLiteral("譜表の並び「treble,,bass」は読み取れません。");
        QTest::newRow("65 rows") << QStringList(65, QStringLiteral("none")).join(u',') << "0"
                                 << QStringLiteral("譜表の段は64段までにしてください。");
        QTest::newRow("negative bars")
            << ""
            << "-1" << QStringLiteral("「1段の小節数」は0以上の整数にしてください。");
        QTest::newRow("empty bars") << ""
                                    << "" << QStringLiteral("1段の小節数が空欄です。");
        // 180 mm less a clef area of 4.5 steps holds 19 measures of 4 steps.
        QTest::newRow("20 bars") << "treble"
                                 << "20"
                                 << QStringLiteral(
                                        "小節の数が多すぎます。1段に入るのは19小節までです。");
    }
    void refusals() {
        QFETCH(QString, stack);
        QFETCH(QString, bars);
        QFETCH(QString, message);
        MusicRig rig;
        rig.form.setText(ctl::txtFuhyoNarabi, stack);
        rig.form.setText(ctl::txtShosetsuSu, bars);
        rig.form.setText(ctl::txtPrintCount, QStringLiteral("1"));
        QCOMPARE(rig.engine.cmdPrintClick(), Outcome::refused());
        QCOMPARE(rig.messages.texts(), QStringList{message});
        QCOMPARE(rig.messages.shown.first().icon, MsgIcon::Warning);
        QCOMPARE(rig.surface.clears, 0);
        QVERIFY(rig.printer.calls.isEmpty());
        if (bars == QLatin1String("20")) { // one fewer fits
            rig.form.setText(ctl::txtShosetsuSu, QStringLiteral("19"));
            QVERIFY(rig.engine.DrawTavriSheet(0).isDone());
            QCOMPARE(rig.messages.shown.size(), 1);
        }
    }

    // A page too large to lay out in any useful time is refused before
    // anything is reserved, its bar lines counted too.
    void pagesTooLargeAreRefused() {
        MusicRig rig;
        rig.form.setText(ctl::txtTavriDansu, QStringLiteral("200000"));
        rig.music.stack = {{6, 0, Clef::None}};
        rig.draw();
        rig.music.stack = {{1, 0, Clef::None}};
        rig.music.measures = 19;
        rig.music.barReach = BarLineReach::Staff;
        rig.draw();
        QCOMPARE(rig.messages.causes,
                 QStringList({QStringLiteral("the page would hold 1,200,000 lines"),
                              QStringLiteral("the page would hold 3,800,000 bar lines")}));
    }

    // The signs on both surfaces: the preview at each display size, the
    // printer moved by the offsets; bar lines wider than staff lines.
    void signsOnTheSurfaces() {
        OneGlyphFont font;
        for (const bool large : {false, true}) {
            MusicRig rig;
            rig.engine.setMusicFont(&font);
            rig.form.setChecked(ctl::optHyojiLarge, large);
            rig.form.setChecked(ctl::opbHyojiSmall, !large);
            rig.form.setText(ctl::txtPrinterGosaX, QStringLiteral("2"));
            rig.form.setText(ctl::txtPrinterGosaY, QStringLiteral("-1"));
            rig.form.setText(ctl::txtPrintCount, QStringLiteral("2"));
            rig.setStaves(1, 2);
            rig.music = applyMusicPreset(MusicPreset::ChoirSatb, {}, 2);
            rig.music.stack.resize(2);
            rig.music.measures = 1;
            rig.print();
            const double hyoji = large ? 2 : 3;
            const MusicPage& page = rig.page();
            const ClefPlace& clef = page.clefs[0];
            // One run: 2 clefs and 2 tips of the one font.
            QCOMPARE(rig.surface.glyphs.size(), 1);
            const QList<QPointF> shown = rig.surface.glyphs[0].positions();
            QCOMPARE(shown.size(), 4);
            QVERIFY(near(shown[0].x(), (clef.x + 10) / hyoji));
            QVERIFY(near(shown[0].y(), (clef.y + 20) / hyoji));
            QCOMPARE(rig.surface.fills.size(), 1);
            QVERIFY(near(rig.surface.fills[0].rect.height(),
                         (page.brackets[0].bottom - page.brackets[0].top) / hyoji, 1e-3));
            // The preview's bar lines follow its staff lines, one pixel wide.
            QCOMPARE(rig.surface.lines.size(), qsizetype(page.lines.size() + 3));
            QVERIFY(near(rig.surface.lines.last().x1, 11056.5 / hyoji, 1e-3));

            QCOMPARE(rig.printer.glyphs.size(), 2); // a run per copy
            const QPointF printed = rig.printer.glyphs[1].positions()[0];
            QVERIFY(near(printed.x(), clef.x + 10 - 2 * TwipsPerMm));
            QVERIFY(near(printed.y(), clef.y + 20 + 1 * TwipsPerMm));
            QCOMPARE(rig.printer.wideLines.size(), 2 * 3);
            QVERIFY(
                rig.printer.calls.contains(QStringLiteral("wideline %1").arg(kBarLineWidthRatio)));
            QCOMPARE(rig.printer.fills.size(), 2);
            QVERIFY(!rig.engine.lastWarnings().any());
        }
    }

    // Without a font the page keeps its lines and bar lines, says why its
    // signs are missing, and still prints.
    void missingFontIsAWarning() {
        MusicRig rig;
        rig.music = applyMusicPreset(MusicPreset::Piano, {}, 2);
        rig.music.measures = 2;
        rig.setStaves(1, 2);
        rig.form.setText(ctl::txtPrintCount, QStringLiteral("1"));
        rig.print();
        QVERIFY(rig.engine.lastWarnings().musicFontMissing);
        QCOMPARE(staffWarningTexts(rig.engine.lastWarnings()).size(), 1);
        QCOMPARE(rig.surface.notice, staffWarningTexts(rig.engine.lastWarnings()).first());
        QVERIFY(rig.printer.glyphs.isEmpty());
        QCOMPARE(rig.printer.wideLines.size(), 3);
        QVERIFY(rig.printer.ended);

        // Bar lines alone need no font.
        rig.music.stack.clear();
        rig.music.grouping = BlockGrouping::None;
        rig.draw();
        QVERIFY(!rig.engine.lastWarnings().any());
    }

    void presetsAndRastralSizes() {
        // A rastral size gives the staff height it names, for any line count.
        for (const RastralSize& size : rastralSizes())
            for (int lines = 2; lines <= 6; ++lines)
                QVERIFY(near(staffHeightMm(lines, rastralSpacingMm(size.number, lines)),
                             size.staffHeightMm, 1e-12));
        QVERIFY(near(rastralSpacingMm(2, 5), 1.675, 1e-12));
        QCOMPARE(rastralSpacingMm(9, 5), 0.0);
        QCOMPARE(rastralSpacingMm(3, 1), 0.0);

        // The guitar's tablature lines lie 1.5 times as far apart.
        MusicSettings current;
        current.measures = 4;
        const MusicSettings guitar = applyMusicPreset(MusicPreset::GuitarTab, current, 2);
        QCOMPARE(guitar.measures, 4);
        QCOMPARE(guitar.stack.size(), std::size_t(2));
        QCOMPARE(guitar.stack[0].spacingMm, 0.0); // follows the window
        QVERIFY(near(guitar.stack[1].spacingMm + 0.2, 1.5 * 2.2, 1e-12));
        QCOMPARE(guitar.stack[1].clef, Clef::Tab);
        QVERIFY(!applyMusicPreset(MusicPreset::Plain, guitar, 2).isActive());
        QCOMPARE(applyMusicPreset(MusicPreset::Piano, {}, 2).grouping, BlockGrouping::Brace);
    }
};

QTEST_MAIN(TestMusicLayout)
#include "tst_musiclayout.moc"
