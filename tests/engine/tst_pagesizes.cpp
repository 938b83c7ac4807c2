#include "engine/controls.h"
#include "enginerig.h"

#include <QTest>

using namespace pernoa;
using namespace pernoa::test;

class TestPageSizes : public QObject {
    Q_OBJECT

private slots:
    void sizeTable_data();
    void sizeTable();
    void setPaperPutsEachSizeInEffect();
    void standInPapers();
    void customSizeOutOfRangeKeepsThePage();
    void paperOptionRedraws();
    void landscapeBoxAppliesSelectedPaper();
    void displaySizeChangeResizesAndRedraws();
    void invalidParameterKeepsNewSize();
    void noPaperOptionSelectedAppliesNothing();
};

void TestPageSizes::sizeTable_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("yoko");
    QTest::addColumn<int>("hyoji");
    QTest::addColumn<double>("pageH");
    QTest::addColumn<double>("pageW");
    QTest::addColumn<int>("picW");
    QTest::addColumn<int>("picH");
    QTest::addColumn<int>("winW");
    QTest::addColumn<int>("winH");

    struct Row {
        const char* name;
        const char* option;
        bool yoko;
        double H, W;
        int smallW, smallH, smallWinW, smallWinH, largeW, largeH, largeWinW, largeWinH;
    };
    const Row rows[] = {
        {"A4 portrait", "optA4", false, 16840, 11907, 3969, 5613, 4320, 7155, 5954, 8420, 6305,
         9962},
        {"A4 landscape", "optA4", true, 11907, 16840, 5613, 3969, 5964, 5511, 8420, 5954, 8771,
         7496},
        {"B5 portrait", "optB5", false, 14572, 10319, 3440, 4857, 3791, 6399, 5160, 7286, 5511,
         8828},
        {"B5 landscape", "optB5", true, 10319, 14572, 4857, 3440, 5208, 4982, 7286, 5160, 7637,
         6702},
        {"A3 portrait", "optA3", false, 23814, 16840, 5613, 7938, 5964, 9480, 8420, 11907, 8771,
         13449},
        {"A3 landscape", "optA3", true, 16840, 23814, 7938, 5613, 8289, 7155, 11907, 8420, 12258,
         9962},
        {"B4 portrait", "optB4", false, 20439, 14572, 4857, 6813, 5208, 8355, 7286, 10220, 7637,
         11762},
        {"B4 landscape", "optB4", true, 14572, 20439, 6813, 4857, 7164, 6399, 10220, 7286, 10571,
         8828},
        {"A5 portrait", "optA5", false, 11907, 8420, 2807, 3969, 3158, 5511, 4210, 5954, 4561,
         7496},
        {"A5 landscape", "optA5", true, 8420, 11907, 3969, 2807, 4320, 4349, 5954, 4210, 6305,
         5752},
        // The later papers: mm x 56.7, unrounded.
        {"letter portrait", "optLetter", false, 279.4 * 56.7, 215.9 * 56.7, 4081, 5281, 4432, 6823,
         6121, 7921, 6472, 9463},
        {"legal landscape", "optLegal", true, 215.9 * 56.7, 355.6 * 56.7, 6721, 4081, 7072, 5623,
         10081, 6121, 10432, 7663},
        {"tabloid portrait", "optTabloid", false, 431.8 * 56.7, 279.4 * 56.7, 5281, 8161, 5632,
         9703, 7921, 12242, 8272, 13784},
        // The size of the user's (the fields start at 210 x 297 mm).
        {"user's size portrait", "optNini", false, 297 * 56.7, 210 * 56.7, 3969, 5613, 4320, 7155,
         5954, 8420, 6305, 9962},
    };
    for (const Row& r : rows) {
        QTest::addRow("%s small", r.name) << r.option << r.yoko << 3 << r.H << r.W << r.smallW
                                          << r.smallH << r.smallWinW << r.smallWinH;
        QTest::addRow("%s large", r.name) << r.option << r.yoko << 2 << r.H << r.W << r.largeW
                                          << r.largeH << r.largeWinW << r.largeWinH;
    }
}

void TestPageSizes::sizeTable() {
    QFETCH(QString, option);
    QFETCH(bool, yoko);
    QFETCH(int, hyoji);
    QFETCH(double, pageH);
    QFETCH(double, pageW);
    QFETCH(int, picW);
    QFETCH(int, picH);
    QFETCH(int, winW);
    QFETCH(int, winH);

    EngineRig rig;
    rig.surface.titleW = 1000;
    rig.form.setChecked(option, true);
    rig.form.setChecked(ctl::chkPrintDirectionYoko, yoko);
    if (hyoji == 2) {
        rig.form.setChecked(ctl::optHyojiLarge, true);
        rig.engine.GF_boChangeHyojiSizeLarge();
    } else {
        rig.form.setChecked(ctl::opbHyojiSmall, true);
        rig.engine.GF_boChangeHyojiSizeSmall();
    }
    const SheetSettings& s = rig.engine.settings();
    QCOMPARE(s.HyojiSize, hyoji);
    QCOMPARE(s.PaperHeightTwip, pageH);
    QCOMPARE(s.PaperWidthTwip, pageW);
    QCOMPARE(rig.surface.width, picW);
    QCOMPARE(rig.surface.height, picH);
    QCOMPARE(rig.surface.windowWidth, winW);
    QCOMPARE(rig.surface.windowHeight, winH);
    QCOMPARE(rig.surface.descriptionTop, picH + 267);
    QCOMPARE(rig.surface.titleLeft, float(picW) / 2.0f - 500.0f);
    // Height is set before width, and the page was redrawn at that size.
    QCOMPARE(rig.surface.log.mid(0, 2), QStringList({QStringLiteral("height %1").arg(picH),
                                                     QStringLiteral("width %1").arg(picW)}));
    QCOMPARE(rig.surface.lines.size(), 50);
    QCOMPARE(rig.surface.lines.last().y1, float(rig.engine.lastLines().back().StartY / hyoji));
}

void TestPageSizes::setPaperPutsEachSizeInEffect() {
    EngineRig rig;
    using O = Orientation;
    struct Case {
        PaperKind kind;
        Orientation orientation;
        double H, W;
    };
    const Case cases[] = {
        {PaperKind::A4, O::Portrait, 16840, 11907}, {PaperKind::A4, O::Landscape, 11907, 16840},
        {PaperKind::B5, O::Portrait, 14572, 10319}, {PaperKind::B5, O::Landscape, 10319, 14572},
        {PaperKind::A3, O::Portrait, 23814, 16840}, {PaperKind::A3, O::Landscape, 16840, 23814},
        {PaperKind::B4, O::Portrait, 20439, 14572}, {PaperKind::B4, O::Landscape, 14572, 20439},
        {PaperKind::A5, O::Portrait, 11907, 8420},  {PaperKind::A5, O::Landscape, 8420, 11907},
    };
    for (const Case& c : cases) {
        rig.engine.setPaper(*paperByKind(c.kind), c.orientation);
        QCOMPARE(rig.engine.settings().PaperHeightTwip, c.H);
        QCOMPARE(rig.engine.settings().PaperWidthTwip, c.W);
    }
    // The routine only resizes: nothing is drawn or cleared.
    QCOMPARE(rig.surface.clears, 0);
    QVERIFY(rig.surface.lines.isEmpty());
}

// Each later paper stands in the parameter line as the paper of the first
// five nearest in size; the first five stand for themselves.
void TestPageSizes::standInPapers() {
    const QList<QPair<const PaperSize*, const char*>> cases = {
        {paperByKind(PaperKind::Letter), "A4"},  {paperByKind(PaperKind::Legal), "B4"},
        {paperByKind(PaperKind::Tabloid), "A3"}, {paperByKind(PaperKind::B5), "B5"},
        {paperByKind(PaperKind::A5), "A5"},
    };
    for (const auto& [paper, word] : cases)
        QCOMPARE(standInPaper(*paper).name, word);
    QCOMPARE(standInPaper(customPaper(50, 50)).name, "A5");
    QCOMPARE(standInPaper(customPaper(305, 230)).name, "A4"); // sides compared short to short
    QCOMPARE(standInPaper(customPaper(800, 1000)).name, "A3");
    QVERIFY(!paperNames().contains(QStringLiteral("custom")));
}

// A size of the user's that is no size leaves the page as it was.
void TestPageSizes::customSizeOutOfRangeKeepsThePage() {
    EngineRig rig;
    rig.form.setText(ctl::txtNiniHaba, QStringLiteral("1000.1"));
    rig.form.setChecked(ctl::optNini, true);
    rig.engine.onPaperOptionSelected(PaperKind::Custom);
    QCOMPARE(rig.engine.settings().PaperWidthTwip, 11907.0);
    QVERIFY(!rig.engine.selectedPaper());
    QCOMPARE(rig.messages.shown.size(), 1);
    rig.messages.shown.clear();
    rig.form.setText(ctl::txtNiniHaba, QStringLiteral("1000"));
    rig.engine.onCustomSizeEdited();
    QCOMPARE(rig.engine.settings().PaperWidthTwip, 1000 * 56.7);
    QVERIFY(rig.messages.shown.isEmpty());
    QCOMPARE(rig.surface.lines.size(), 50);
}

void TestPageSizes::paperOptionRedraws() {
    EngineRig rig;
    rig.form.setChecked(ctl::optB4, true);
    rig.engine.onPaperOptionSelected(PaperKind::B4);
    QCOMPARE(rig.engine.settings().PaperHeightTwip, 20439.0); // not 20639
    QVERIFY(rig.engine.settings().PaperKind == PaperKind::B4);
    QCOMPARE(rig.surface.width, 4857);
    QCOMPARE(rig.surface.lines.size(), 50);
    QCOMPARE(rig.surface.lines.last().y1, float((20439 - 1701 - LineThicknessTwip) / 3));
}

void TestPageSizes::landscapeBoxAppliesSelectedPaper() {
    EngineRig rig;
    rig.form.setChecked(ctl::optA3, true);
    rig.form.setChecked(ctl::chkPrintDirectionYoko, true);
    rig.engine.onLandscapeClicked();
    QCOMPARE(rig.engine.settings().PaperHeightTwip, 16840.0);
    QCOMPARE(rig.engine.settings().PaperWidthTwip, 23814.0);
    QVERIFY(rig.engine.settings().PrintDirectionYoko == Orientation::Landscape);
    QCOMPARE(rig.surface.lines.size(), 50);
    QCOMPARE(rig.surface.lines.first().x2, float((23814 - 850.5) / 3));
}

void TestPageSizes::displaySizeChangeResizesAndRedraws() {
    EngineRig rig;
    rig.form.setChecked(ctl::optA5, true);
    rig.engine.onPaperOptionSelected(PaperKind::A5);
    QCOMPARE(rig.surface.width, 2807);
    QCOMPARE(rig.surface.height, 3969);
    rig.form.setChecked(ctl::optHyojiLarge, true);
    QVERIFY(rig.engine.GF_boChangeHyojiSizeLarge());
    QCOMPARE(rig.surface.width, 4210);
    QCOMPARE(rig.surface.height, 5954);
    QCOMPARE(rig.surface.lines.first().y1, float(1701.0 / 2));
    QCOMPARE(rig.surface.clears, 2);
}

void TestPageSizes::invalidParameterKeepsNewSize() {
    EngineRig rig;
    rig.engine.DrawTavriSheet(0);
    rig.form.setText(ctl::txtLineInterval, "");
    rig.form.setChecked(ctl::optA3, true);
    rig.engine.onPaperOptionSelected(PaperKind::A3);
    QCOMPARE(rig.messages.texts(), QStringList{"線同士の幅が空欄です。"});
    QCOMPARE(rig.engine.settings().PaperHeightTwip, 23814.0);
    QCOMPARE(rig.surface.height, 7938);
    QCOMPARE(rig.surface.clears, 1); // the old page stays on the preview
}

void TestPageSizes::noPaperOptionSelectedAppliesNothing() {
    EngineRig rig;
    rig.form.setChecked(ctl::optA4, false);
    rig.engine.ApplyPaperSize();
    QVERIFY(rig.surface.log.isEmpty());
    QCOMPARE(rig.engine.settings().PaperHeightTwip, 16840.0);
}

QTEST_GUILESS_MAIN(TestPageSizes)
#include "tst_pagesizes.moc"
