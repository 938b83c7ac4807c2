#include "engine/controls.h"
#include "engine/numberrules.h"
#include "enginerig.h"

#include <QTest>

using namespace pernoa;
using namespace pernoa::test;

namespace {

// Staff tops: the y of the first line of every staff.
QList<double> staffTops(const std::vector<TavriLine>& lines, int linesPerStaff) {
    QList<double> tops;
    for (std::size_t i = 0; i < lines.size(); i += std::size_t(linesPerStaff))
        tops << lines[i].StartY;
    return tops;
}

bool near(double a, double b, double eps = 1e-6) {
    return std::abs(a - b) <= eps;
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    void defaultPage();
    void defaultPageOnTheSurfaces();
    void grandStaffBlocks();
    void singleStaffPerBlock();
    void blocksTouchingWithZeroGap();
    void sixLineStaves();
    void countsRoundHalfEven_data();
    void countsRoundHalfEven();
    void printerOffsetsMovePrinterLinesOnly();
    void greyLevel();
    void runtimeErrorsTakeTheCatchAll_data();
    void runtimeErrorsTakeTheCatchAll();
    void emptyBlocksBoundTheWork_data();
    void emptyBlocksBoundTheWork();
    void failedCheckDrawsNothing();
    void negativeUsableHeightIsDrawnAsComputed();
    void noOptionSelectedKeepsPreviousValue();
    void warnings_data();
    void warnings();
};

void TestLayout::defaultPage() {
    EngineRig rig;
    rig.engine.DrawTavriSheet(0);
    QVERIFY(rig.messages.shown.isEmpty());
    const auto& lines = rig.engine.lastLines();
    QCOMPARE(lines.size(), std::size_t(50));

    const double firstStaff[] = {1701, 1825.74, 1950.48, 2075.22, 2199.96};
    for (int i = 0; i < 5; ++i)
        QVERIFY2(near(lines[std::size_t(i)].StartY, firstStaff[i], 1e-9),
                 qPrintable(QString::number(lines[std::size_t(i)].StartY, 'g', 17)));
    QVERIFY(near(lines[5].StartY, 1701 + 1436.4111111111111, 1e-9));
    QVERIFY(near(lines.back().StartY, 15127.66, 1e-9));
    QVERIFY(near(lines.back().StartY + LineThicknessTwip, 16840 - 1701, 1e-9));
    for (const TavriLine& l : lines) {
        QCOMPARE(l.StartX, 850.5);
        QCOMPARE(l.EndX, 11056.5);
        QCOMPARE(l.EndY, l.StartY);
    }
    QCOMPARE(rig.form.text(ctl::txtTavriInterval), QStringLiteral("16.5335292964923"));

    const SheetSettings& s = rig.engine.settings();
    QCOMPARE(s.SpaceSizeUpTwip, 1701.0);
    QCOMPARE(s.SpaceSizeLeftTwip, 850.5);
    QCOMPARE(s.LineIntervalTwip, 113.4);
    QVERIFY(s.PaperKind == PaperKind::A4);
    QCOMPARE(s.HyojiSize, 3);
    QCOMPARE(s.LineWeight, 2);
    QCOMPARE(s.LineCnt, 5);
    QCOMPARE(s.TavriDansu, 10);
    QCOMPARE(s.DaifuhyoCnt, 1);
    QCOMPARE(LineThicknessTwip, 11.340000000000002);
}

void TestLayout::defaultPageOnTheSurfaces() {
    EngineRig rig;
    rig.engine.DrawTavriSheet(0);
    // Busy pointer on, then off; the preview was cleared before drawing and
    // the unit set after the layout.
    QCOMPARE(rig.messages.busyLog, QStringList({"on", "off"}));
    QCOMPARE(rig.surface.log, QStringList({"clear", "unit"}));
    QCOMPARE(rig.surface.lines.size(), 50);
    const RecordedLine& first = rig.surface.lines.first();
    QCOMPARE(first.x1, float(850.5 / 3));
    QCOMPARE(first.y1, float(1701.0 / 3));
    QCOMPARE(first.x2, float(11056.5 / 3));
    QCOMPARE(first.colour, QColor(0, 0, 0));
    // Preview only: the printer is never touched.
    QVERIFY(rig.printer.calls.isEmpty());

    // Drawing again replaces the preview's lines instead of adding to them.
    rig.engine.DrawTavriSheet(0);
    QCOMPARE(rig.surface.lines.size(), 50);
    QCOMPARE(rig.surface.clears, 2);
}

void TestLayout::grandStaffBlocks() {
    EngineRig rig;
    rig.form.setText(ctl::txtDaifuhyoCnt, "3");
    rig.form.setText(ctl::txtDaifuhyoInterval, "10");
    rig.form.setText(ctl::txtTavriDansu, "2");
    rig.engine.DrawTavriSheet(0);
    const auto tops = staffTops(rig.engine.lastLines(), 5);
    const QList<double> expected = {
        1701, 5292.033333333333, 6369.333333333333, 9960.366666666667, 11037.666666666666, 14628.7};
    QCOMPARE(tops.size(), expected.size());
    for (int i = 0; i < tops.size(); ++i)
        QVERIFY2(near(tops[i], expected[i], 1e-6), qPrintable(QString::number(tops[i], 'g', 17)));
    // The last band of a block ends exactly one gap above the next block.
    const auto& lines = rig.engine.lastLines();
    QVERIFY(near(lines[9].StartY + LineThicknessTwip + 567, lines[10].StartY, 1e-6));
    QVERIFY(near(lines.back().StartY + LineThicknessTwip, 16840 - 1701, 1e-6));
}

void TestLayout::singleStaffPerBlock() {
    {
        EngineRig rig;
        rig.form.setText(ctl::txtTavriInterval, "previous");
        rig.form.setText(ctl::txtTavriDansu, "1");
        rig.engine.DrawTavriSheet(0);
        const auto& lines = rig.engine.lastLines();
        QCOMPARE(lines.size(), std::size_t(5));
        QCOMPARE(lines[0].StartY, 1701.0);
        // One staff only: the reference distance keeps its text.
        QCOMPARE(rig.form.text(ctl::txtTavriInterval), QStringLiteral("previous"));
    }
    {
        EngineRig rig;
        rig.form.setText(ctl::txtTavriDansu, "1");
        rig.form.setText(ctl::txtDaifuhyoCnt, "2");
        rig.form.setText(ctl::txtDaifuhyoInterval, "10");
        rig.engine.DrawTavriSheet(0);
        const auto& lines = rig.engine.lastLines();
        QCOMPARE(lines.size(), std::size_t(10));
        const double Hb = (13438 - 567.0) / 2;
        QVERIFY(near(lines[5].StartY, 1701 + Hb + 567, 1e-9));
        // The distance spans the block gap.
        const double d = (lines[5].StartY - lines[4].StartY) / 56.7;
        QCOMPARE(rig.form.text(ctl::txtTavriInterval), num::toText(d));
        QVERIFY(d > 100);
    }
}

void TestLayout::blocksTouchingWithZeroGap() {
    EngineRig rig;
    rig.form.setText(ctl::txtDaifuhyoCnt, "2");
    rig.form.setText(ctl::txtTavriDansu, "2");
    rig.engine.DrawTavriSheet(0);
    const auto& lines = rig.engine.lastLines();
    QCOMPARE(lines.size(), std::size_t(20));
    // Last band of block 1 ends where block 2's first line starts.
    QVERIFY(near(lines[9].StartY + LineThicknessTwip, lines[10].StartY, 1e-9));
}

void TestLayout::sixLineStaves() {
    EngineRig rig;
    rig.form.setChecked(ctl::opt6, true);
    rig.form.setText(ctl::txtLineInterval, "3");
    rig.engine.DrawTavriSheet(0);
    const auto& lines = rig.engine.lastLines();
    QCOMPARE(lines.size(), std::size_t(60));
    QVERIFY(near(lines[5].StartY + LineThicknessTwip - lines[0].StartY, 918.54, 1e-9));
    QCOMPARE(rig.engine.settings().LineCnt, 6);

    rig.form.setChecked(ctl::opt2, true);
    rig.engine.DrawTavriSheet(0);
    QCOMPARE(rig.engine.lastLines().size(), std::size_t(20));
}

void TestLayout::countsRoundHalfEven_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lineCount");
    QTest::newRow("staves 2.5") << ctl::txtTavriDansu << "2.5" << 10;
    QTest::newRow("staves 3.5") << ctl::txtTavriDansu << "3.5" << 20;
    QTest::newRow("blocks 2.5") << ctl::txtDaifuhyoCnt << "2.5" << 100;
    QTest::newRow("blocks 1.5") << ctl::txtDaifuhyoCnt << "1.5" << 100;
}

void TestLayout::countsRoundHalfEven() {
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(int, lineCount);
    EngineRig rig;
    rig.form.setText(control, text);
    rig.engine.DrawTavriSheet(0);
    QCOMPARE(int(rig.engine.lastLines().size()), lineCount);
}

void TestLayout::printerOffsetsMovePrinterLinesOnly() {
    EngineRig rig;
    rig.form.setText(ctl::txtPrinterGosaX, "2");
    rig.form.setText(ctl::txtPrinterGosaY, "6");
    rig.engine.DrawTavriSheet(1);
    QCOMPARE(rig.printer.pageCount(), 1);
    const auto& printed = rig.printer.pages.first();
    QCOMPARE(printed.size(), 50);
    const auto& lines = rig.engine.lastLines();
    for (int i = 0; i < 50; ++i) {
        QCOMPARE(printed[i].x1, float(lines[std::size_t(i)].StartX - 113.4));
        QCOMPARE(printed[i].y1, float(lines[std::size_t(i)].StartY - 340.20000000000005));
        QCOMPARE(printed[i].x2, float(lines[std::size_t(i)].EndX - 113.4));
        QCOMPARE(rig.surface.lines[i].x1, float(lines[std::size_t(i)].StartX / 3));
        QCOMPARE(rig.surface.lines[i].y1, float(lines[std::size_t(i)].StartY / 3));
    }
}

void TestLayout::greyLevel() {
    EngineRig rig;
    rig.form.setValue(ctl::sbrPrintShade, 128);
    rig.engine.DrawTavriSheet(1);
    QCOMPARE(rig.surface.lines.first().colour, QColor(128, 128, 128));
    QCOMPARE(rig.printer.pages.first().first().colour, QColor(128, 128, 128));
}

void TestLayout::runtimeErrorsTakeTheCatchAll_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("laidOut");  // the error comes after the layout
    QTest::addColumn<QString>("cause"); // handed on after the message
    QTest::newRow("block count rounds to 0")
        << ctl::txtDaifuhyoCnt << "0.4" << false << "the block count rounds to 0";
    QTest::newRow("block count beyond 32 bits")
        << ctl::txtDaifuhyoCnt << "3e9" << false << "overflow (32-bit)";
    QTest::newRow("staves beyond 32 bits")
        << ctl::txtTavriDansu << "1e12" << false << "overflow (32-bit)";
    QTest::newRow("margin not finite in twips")
        << ctl::txtSpaceSizeUp << "1e308" << false << "overflow";
    QTest::newRow("gap not finite in twips")
        << ctl::txtDaifuhyoInterval << "-1e308" << false << "overflow";
    QTest::newRow("million lines")
        << ctl::txtTavriDansu << "200001" << false << "the page would hold 1,000,005 lines";
    QTest::newRow("coordinates beyond single")
        << ctl::txtSpaceSizeLeft << "1e300" << true << "overflow (single)";
}

void TestLayout::runtimeErrorsTakeTheCatchAll() {
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(bool, laidOut);
    QFETCH(QString, cause);
    EngineRig rig;
    rig.form.setText(ctl::txtTavriInterval, "before");
    rig.form.setText(control, text);
    rig.engine.DrawTavriSheet(0);
    QCOMPARE(rig.messages.shown.size(), 1);
    const ShownMessage& m = rig.messages.shown.first();
    QCOMPARE(m.text, QStringLiteral("エラーが発生しました"));
    QCOMPARE(m.title, QStringLiteral("ペルノア"));
    QCOMPARE(m.icon, MsgIcon::None);
    QCOMPARE(m.buttons, MsgButtons::Ok);
    QVERIFY(!rig.messages.busy);
    QCOMPARE(rig.messages.causes, QStringList{cause});
    if (!laidOut)
        QCOMPARE(rig.form.text(ctl::txtTavriInterval), QStringLiteral("before"));
}

void TestLayout::emptyBlocksBoundTheWork_data() {
    QTest::addColumn<QString>("blocks");
    QTest::addColumn<bool>("refused");
    QTest::newRow("limit") << "1000000" << false;
    QTest::newRow("past the limit") << "1000001" << true;
    QTest::newRow("32-bit maximum") << "2147483647" << true;
}

// A staff count that rounds to 0 leaves every block empty: the line count
// cannot stop a block count of billions, which used to spin (or never end).
void TestLayout::emptyBlocksBoundTheWork() {
    QFETCH(QString, blocks);
    QFETCH(bool, refused);
    EngineRig rig;
    rig.form.setText(ctl::txtDaifuhyoCnt, blocks);
    rig.form.setText(ctl::txtTavriDansu, "0.4");
    rig.engine.DrawTavriSheet(0);
    QCOMPARE(rig.messages.shown.size(), refused ? 1 : 0);
    if (refused)
        QCOMPARE(rig.messages.shown.first().text, QStringLiteral("エラーが発生しました"));
    QVERIFY(rig.engine.lastLines().empty());
}

void TestLayout::failedCheckDrawsNothing() {
    EngineRig rig;
    rig.engine.DrawTavriSheet(0);
    QCOMPARE(rig.surface.lines.size(), 50);
    const QString interval = rig.form.text(ctl::txtTavriInterval);
    rig.form.setText(ctl::txtTavriDansu, "3");
    rig.form.setText(ctl::txtSpaceSizeDown, "");
    rig.messages.clear();
    rig.engine.DrawTavriSheet(0);
    QCOMPARE(rig.messages.texts(), QStringList{"下マージンが空欄です。"});
    QCOMPARE(rig.messages.busyLog, QStringList({"on", "off"}));
    QCOMPARE(rig.surface.lines.size(), 50); // not cleared
    QCOMPARE(rig.surface.clears, 1);
    QCOMPARE(rig.form.text(ctl::txtTavriInterval), interval);
}

void TestLayout::negativeUsableHeightIsDrawnAsComputed() {
    EngineRig rig;
    rig.form.setText(ctl::txtSpaceSizeUp, "200");
    rig.form.setText(ctl::txtSpaceSizeDown, "200");
    rig.engine.DrawTavriSheet(0);
    QVERIFY(rig.messages.shown.isEmpty());
    const auto& lines = rig.engine.lastLines();
    QCOMPARE(lines.size(), std::size_t(50));
    QVERIFY(lines[5].StartY < lines[0].StartY); // stacked upwards
    QVERIFY(rig.form.text(ctl::txtTavriInterval).startsWith(u'-'));
}

void TestLayout::noOptionSelectedKeepsPreviousValue() {
    EngineRig rig;
    rig.form.setChecked(ctl::optA3, true);
    rig.form.setChecked(ctl::opt4, true);
    rig.engine.DrawTavriSheet(0);
    QVERIFY(rig.engine.settings().PaperKind == PaperKind::A3);
    rig.form.setChecked(ctl::optA3, false);
    rig.form.setChecked(ctl::opt4, false);
    rig.form.selectText(ctl::lstLineWeight, "none of them");
    rig.engine.DrawTavriSheet(0);
    QVERIFY(rig.engine.settings().PaperKind == PaperKind::A3);
    QCOMPARE(rig.engine.settings().LineCnt, 4);
    QCOMPARE(rig.engine.settings().LineWeight, 3);
}

// Each warning exactly when its condition holds. Edits are "control=value";
// the printer's unprintable strips are in mm on every edge (0: a PDF).
void TestLayout::warnings_data() {
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<double>("stripMm");
    QTest::addColumn<bool>("overlapping");
    QTest::addColumn<bool>("pastThePage");
    QTest::addColumn<bool>("unprintable");
    const auto row = [](const char* name, QStringList edits, double strip, bool overlapping,
                        bool past, bool unprintable) {
        QTest::newRow(name) << edits << strip << overlapping << past << unprintable;
    };
    row("default page, PDF", {}, 0, false, false, false);
    row("default page, printer", {}, 5, false, false, false);
    row("A3 landscape, printer", {"optA3=1", "chkPrintDirectionYoko=1"}, 5, false, false, false);
    row("more staves than fit", {"txtTavriDansu=40"}, 0, true, false, false);
    row("blocks touching", {"txtDaifuhyoCnt=2", "txtTavriDansu=2"}, 0, false, false, false);
    row("negative block gap", {"txtDaifuhyoCnt=2", "txtTavriDansu=2", "txtDaifuhyoInterval=-1"}, 0,
        true, false, false);
    row("a staff taller than the page", {"txtTavriDansu=1", "txtLineInterval=80"}, 0, false, true,
        false);
    row("left margin past the page", {"txtSpaceSizeLeft=220"}, 0, false, true, false);
    row("hairline margins, PDF",
        {"txtSpaceSizeUp=0.1", "txtSpaceSizeDown=0.1", "txtSpaceSizeLeft=0.1",
         "txtSpaceSizeRight=0.1"},
        0, false, false, false);
    row("hairline margins, printer",
        {"txtSpaceSizeUp=0.1", "txtSpaceSizeDown=0.1", "txtSpaceSizeLeft=0.1",
         "txtSpaceSizeRight=0.1"},
        4.2, false, false, true);
    row("left margin in the strip", {"txtSpaceSizeLeft=3"}, 5, false, false, true);
    row("bottom margin in the strip", {"txtSpaceSizeDown=4.9"}, 5, false, false, true);
    row("margins on the strips' edge",
        {"txtSpaceSizeUp=5", "txtSpaceSizeDown=5", "txtSpaceSizeLeft=5", "txtSpaceSizeRight=5"}, 5,
        false, false, false);
    row("offset sends lines into the strip", {"txtSpaceSizeUp=6", "txtPrinterGosaY=2"}, 5, false,
        false, true);
    row("offset sends lines out of the strip", {"txtSpaceSizeUp=4", "txtPrinterGosaY=-2"}, 5, false,
        false, false);
    row("overlapping and past the page", {"txtTavriDansu=2", "txtLineInterval=80"}, 0, true, true,
        false);
    row("all three", {"txtTavriDansu=2", "txtLineInterval=80"}, 31, true, true, true);
}

void TestLayout::warnings() {
    QFETCH(QStringList, edits);
    QFETCH(double, stripMm);
    QFETCH(bool, overlapping);
    QFETCH(bool, pastThePage);
    QFETCH(bool, unprintable);
    EngineRig rig;
    for (const QString& edit : edits) {
        const QString name = edit.section(u'=', 0, 0);
        const QString value = edit.section(u'=', 1);
        if (name.startsWith(u't'))
            rig.form.setText(name, value);
        else
            rig.form.setChecked(name, value == u'1');
    }
    const double strip = stripMm * TwipsPerMm;
    rig.printer.strips = QMarginsF(strip, strip, strip, strip);
    rig.engine.ApplyPaperSize();
    rig.engine.DrawTavriSheet(0);
    QVERIFY(rig.messages.shown.isEmpty());

    StaffWarnings expected;
    expected.overlapping = overlapping;
    expected.pastThePage = pastThePage;
    expected.unprintable = unprintable;
    QCOMPARE(rig.engine.lastWarnings(), expected);
    QCOMPARE(rig.surface.notice, staffWarningTexts(expected).join(QChar(0x3000)));
    // Still drawn exactly as laid out.
    QCOMPARE(std::size_t(rig.surface.lines.size()), rig.engine.lastLines().size());
    QCOMPARE(rig.printer.stripsAsked,
             edits.contains("optA3=1") ? QStringLiteral("8 2") : QStringLiteral("9 1"));
}

QTEST_GUILESS_MAIN(TestLayout)
#include "tst_layout.moc"
