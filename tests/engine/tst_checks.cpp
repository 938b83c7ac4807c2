#include "engine/controls.h"
#include "enginerig.h"

#include <QTest>

using namespace pernoa;
using namespace pernoa::test;

namespace {
const QString kTeaseTitle = QStringLiteral("あなたＳＥでしょ、いじわるね");
const QString kTease = QStringLiteral("そんな値、入力していじめちゃいや～ん♪");
} // namespace

class TestChecks : public QObject {
    Q_OBJECT

private slots:
    void initialValuesPass();
    void singleFieldFaults_data();
    void singleFieldFaults();
    void firstFaultStopsTheCheck();
    void anySignPassesWhereSignIsFree();
    void positiveCheckBoundary();
    void checkNeverWritesBack();
};

void TestChecks::initialValuesPass() {
    EngineRig rig;
    QVERIFY(rig.engine.CheckSheetParams());
    // The ends of the ranges pass; the size of the user's paper counts only
    // while that paper is chosen.
    rig.form.setText(ctl::txtPrinterBairituX, QStringLiteral("98"));
    rig.form.setText(ctl::txtPrinterBairituY, QStringLiteral("102.0"));
    rig.form.setText(ctl::txtNiniHaba, QStringLiteral("x"));
    QVERIFY(rig.engine.CheckSheetParams());
    rig.form.setChecked(ctl::optNini, true);
    QVERIFY(!rig.engine.CheckSheetParams());
    QCOMPARE(rig.messages.shown.size(), 1);
    QCOMPARE(rig.messages.shown[0].text, QStringLiteral("用紙の幅に数値以外が入ってます"));
    rig.messages.shown.clear();
    for (const auto& [width, height] : {std::pair{"50", "1000"}, std::pair{"1000", "50.0"}}) {
        rig.form.setText(ctl::txtNiniHaba, QLatin1String(width));
        rig.form.setText(ctl::txtNiniTakasa, QLatin1String(height));
        QVERIFY(rig.engine.CheckSheetParams());
    }
    rig.form.setText(ctl::txtNiniTakasa, QStringLiteral("49.9"));
    QVERIFY(!rig.engine.CheckSheetParams());
    QCOMPARE(rig.messages.shown.size(), 1);
    QCOMPARE(rig.messages.shown[0].text,
             QStringLiteral("「用紙の高さ」は50から1000までの数値にしてください。"));
}

void TestChecks::singleFieldFaults_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");

    const QString app = QStringLiteral("ペルノア");
    QTest::newRow("empty top") << ctl::txtSpaceSizeUp << ""
                               << "上マージンが空欄です。" << app;
    QTest::newRow("empty bottom") << ctl::txtSpaceSizeDown << ""
                                  << "下マージンが空欄です。" << app;
    QTest::newRow("letters left") << ctl::txtSpaceSizeLeft << "abc"
                                  << "左マージンに数値以外が入ってます" << app;
    QTest::newRow("blanks right") << ctl::txtSpaceSizeRight << "  "
                                  << "右マージンに数値以外が入ってます" << app;
    QTest::newRow("negative top") << ctl::txtSpaceSizeUp << "-1" << kTease + "\r\n上マージン"
                                  << kTeaseTitle;
    QTest::newRow("zero staves") << ctl::txtTavriDansu << "0" << kTease + "\r\n五線の段数"
                                 << kTeaseTitle;
    QTest::newRow("letters spacing") << ctl::txtLineInterval << "x"
                                     << "線同士の幅に数値以外が入ってます" << app;
    QTest::newRow("comma spacing") << ctl::txtLineInterval << "1,5"
                                   << "線同士の幅に数値以外が入ってます" << app;
    QTest::newRow("zero blocks") << ctl::txtDaifuhyoCnt << "0" << kTease + "\r\n大譜表の数"
                                 << kTeaseTitle;
    QTest::newRow("empty gap") << ctl::txtDaifuhyoInterval << ""
                               << "大譜表の間隔が空欄です。" << app;
    QTest::newRow("letters offset x") << ctl::txtPrinterGosaX << "ab"
                                      << "プリンタの誤差・左に数値以外が入ってます" << app;
    QTest::newRow("empty offset y") << ctl::txtPrinterGosaY << ""
                                    << "プリンタの誤差・上が空欄です。" << app;
    // The scale correction: 98.0 to 102.0 per cent, both ends included.
    QTest::newRow("scale x below")
        << ctl::txtPrinterBairituX << "97.99"
        << "「プリンタの倍率・横」は98.0から102.0までの数値にしてください。" << app;
    QTest::newRow("scale y above")
        << ctl::txtPrinterBairituY << "102.01"
        << "「プリンタの倍率・縦」は98.0から102.0までの数値にしてください。" << app;
    QTest::newRow("scale x empty") << ctl::txtPrinterBairituX << ""
                                   << "プリンタの倍率・横が空欄です。" << app;
    // Longer than a field holds: 40,000 zeros and 30 is not taken for 30.
    QTest::newRow("too long top") << ctl::txtSpaceSizeUp << QString(40000, u'0') + "30"
                                  << "上マージンが長すぎます。32767文字以内で入力してください。"
                                  << app;
}

void TestChecks::singleFieldFaults() {
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QString, title);

    EngineRig rig;
    rig.form.setText(control, text);
    QVERIFY(!rig.engine.CheckSheetParams());
    QCOMPARE(rig.messages.shown.size(), 1);
    const ShownMessage& m = rig.messages.shown.first();
    QCOMPARE(m.text, message);
    QCOMPARE(m.title, title);
    QCOMPARE(m.icon, MsgIcon::Warning);
    QCOMPARE(m.buttons, MsgButtons::Ok);
}

void TestChecks::firstFaultStopsTheCheck() {
    EngineRig rig;
    rig.form.setText(ctl::txtSpaceSizeDown, "");
    rig.form.setText(ctl::txtSpaceSizeLeft, "x");
    rig.form.setText(ctl::txtTavriDansu, "-3");
    rig.form.setText(ctl::txtPrinterGosaY, "");
    QVERIFY(!rig.engine.CheckSheetParams());
    QCOMPARE(rig.messages.texts(), QStringList{"下マージンが空欄です。"});

    // The documented order: staves before spacing before block count.
    EngineRig order;
    order.form.setText(ctl::txtDaifuhyoCnt, "0");
    order.form.setText(ctl::txtLineInterval, "0");
    order.form.setText(ctl::txtTavriDansu, "0");
    QVERIFY(!order.engine.CheckSheetParams());
    QCOMPARE(order.messages.texts(), QStringList{kTease + "\r\n五線の段数"});
    order.form.setText(ctl::txtTavriDansu, "1");
    order.messages.clear();
    QVERIFY(!order.engine.CheckSheetParams());
    QCOMPARE(order.messages.texts(), QStringList{kTease + "\r\n線同士の幅"});
}

void TestChecks::anySignPassesWhereSignIsFree() {
    EngineRig rig;
    rig.form.setText(ctl::txtDaifuhyoInterval, "-5");
    rig.form.setText(ctl::txtPrinterGosaX, "-6");
    rig.form.setText(ctl::txtPrinterGosaY, "6");
    QVERIFY(rig.engine.CheckSheetParams());
    rig.form.setText(ctl::txtPrinterGosaX, "6");
    rig.form.setText(ctl::txtPrinterGosaY, "-6");
    QVERIFY(rig.engine.CheckSheetParams());
    // A block count of 0.4 is a positive number here; it is rounded later.
    rig.form.setText(ctl::txtDaifuhyoCnt, "0.4");
    QVERIFY(rig.engine.CheckSheetParams());
    QVERIFY(rig.messages.shown.isEmpty());
}

void TestChecks::positiveCheckBoundary() {
    EngineRig rig;
    QVERIFY(rig.engine.CheckPositiveNumber("0.001", "x"));
    QVERIFY(rig.engine.CheckPositiveNumber(" 1e-3 ", "x"));
    QVERIFY(!rig.engine.CheckPositiveNumber("0", "x"));
    QVERIFY(!rig.engine.CheckPositiveNumber("-0", "x"));
    QVERIFY(!rig.engine.CheckPositiveNumber("1e-400", "x")); // underflows to 0
    QCOMPARE(rig.messages.shown.size(), 3);
    QVERIFY(rig.engine.CheckNumber("-99999", "x"));
    QVERIFY(rig.engine.CheckPositiveNumber(QString(32765, u'0') + "30", "x"));
    QVERIFY(!rig.engine.CheckNumber("1e400", "label"));
    QCOMPARE(rig.messages.shown.last().text, QStringLiteral("labelに数値以外が入ってます"));
}

void TestChecks::checkNeverWritesBack() {
    EngineRig rig;
    rig.form.setText(ctl::txtSpaceSizeUp, " 30x");
    QVERIFY(!rig.engine.CheckSheetParams());
    QCOMPARE(rig.form.text(ctl::txtSpaceSizeUp), QStringLiteral(" 30x"));
}

QTEST_GUILESS_MAIN(TestChecks)
#include "tst_checks.moc"
