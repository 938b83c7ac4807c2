// The calibration sheet on a recording printer: the paper and orientation of
// the main window, a frame 10 mm inside the paper whatever the offsets, the
// window's scale correction, one page, and the catch-all path when the
// printer fails.

#include "engine/calibrationsheet.h"
#include "engine/controls.h"
#include "enginerig.h"

#include <QTest>

using namespace pernoa;
using namespace pernoa::test;

class CalibrationSheetTest : public QObject {
    Q_OBJECT

private slots:
    void frameInsideThePaper_data() {
        QTest::addColumn<QString>("paperOption");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<int>("paperCode");
        QTest::addColumn<QSizeF>("paperMm");
        QTest::newRow("A4") << QString(ctl::optA4) << false << 9 << QSizeF(210, 297);
        QTest::newRow("B4 landscape") << QString(ctl::optB4) << true << 12 << QSizeF(364, 257);
        QTest::newRow("A5") << QString(ctl::optA5) << false << 11 << QSizeF(148, 210);
    }
    void frameInsideThePaper() {
        QFETCH(QString, paperOption);
        QFETCH(bool, landscape);
        QFETCH(int, paperCode);
        QFETCH(QSizeF, paperMm);
        EngineRig rig;
        rig.form.setChecked(paperOption, true);
        rig.form.setChecked(ctl::chkPrintDirectionYoko, landscape);
        // Offsets, and a sheet field the check would refuse: neither matters.
        rig.form.setText(ctl::txtPrinterGosaX, "3");
        rig.form.setText(ctl::txtPrinterGosaY, "-4");
        rig.form.setText(ctl::txtTavriDansu, "");

        QCOMPARE(drawCalibrationSheet(rig.engine), Outcome::done(1));
        QCOMPARE(rig.printer.calls.mid(0, 4),
                 QStringList({QStringLiteral("paper %1").arg(paperCode),
                              QStringLiteral("orientation %1").arg(landscape ? 2 : 1), "unit twips",
                              "begin"}));
        QCOMPARE(rig.printer.pageCount(), 1);
        QVERIFY(rig.printer.ended);
        QCOMPARE(rig.messages.texts(),
                 QStringList{
                     "プリンタへ印刷の要求をしました。\r\n印刷されるまでしばらくお待ちください"});
        QCOMPARE(rig.messages.busyLog, QStringList({"on", "off"}));

        // The frame comes first: top, bottom, left, right, in exact twips.
        const double t = 1440 / 25.4;
        const double l = 10 * t, r = (paperMm.width() - 10) * t, b = (paperMm.height() - 10) * t;
        const QList<RecordedLine>& lines = rig.printer.pages.first();
        const double frame[4][4] = {{l, l, r, l}, {l, b, r, b}, {l, l, l, b}, {r, l, r, b}};
        for (int i = 0; i < 4; ++i) {
            const RecordedLine& got = lines.at(i);
            const double values[4] = {got.x1, got.y1, got.x2, got.y2};
            for (int k = 0; k < 4; ++k)
                QVERIFY2(qAbs(values[k] - frame[i][k]) < 0.01,
                         qPrintable(QStringLiteral("side %1: %2").arg(i).arg(values[k])));
        }
        // Nothing reaches past the paper.
        for (const RecordedLine& line : lines)
            QVERIFY(qMax(line.x1, line.x2) <= paperMm.width() * t &&
                    qMax(line.y1, line.y2) <= paperMm.height() * t);
    }

    // The sheet is printed at the window's scale correction, whatever the
    // printer kept from an earlier job; a correction out of range is refused
    // with the check's message before anything is printed.
    void scaleCorrectionOfTheWindow() {
        EngineRig rig;
        rig.printer.setScaleCorrection(1.02, 0.98); // an earlier page's
        QCOMPARE(drawCalibrationSheet(rig.engine), Outcome::done(1));
        QCOMPARE(rig.printer.scaleX, 1.0);
        QCOMPARE(rig.printer.scaleY, 1.0);
        rig.form.setText(ctl::txtPrinterBairituX, "101.5");
        rig.form.setText(ctl::txtPrinterBairituY, "99");
        QCOMPARE(drawCalibrationSheet(rig.engine), Outcome::done(1));
        QCOMPARE(rig.printer.scaleX, 1.015);
        QCOMPARE(rig.printer.scaleY, 0.99);

        EngineRig refused;
        refused.form.setText(ctl::txtPrinterBairituY, "102.5");
        QCOMPARE(drawCalibrationSheet(refused.engine), Outcome::refused());
        QVERIFY(refused.printer.calls.isEmpty());
        QCOMPARE(refused.messages.texts(),
                 QStringList{"「プリンタの倍率・縦」は98.0から102.0までの数値にしてください。"});
    }

    void printerFailureTakesTheCatchAll() {
        EngineRig rig;
        rig.printer.failAtCall = 8; // within the frame
        QCOMPARE(drawCalibrationSheet(rig.engine), Outcome::failed("printer failure (test)"));
        QVERIFY(rig.printer.aborted);
        QVERIFY(!rig.printer.ended);
        QCOMPARE(rig.messages.texts(), QStringList{"エラーが発生しました"});
        QCOMPARE(rig.messages.causes, QStringList{"printer failure (test)"});
        QVERIFY(!rig.messages.busy);
    }
};

QTEST_GUILESS_MAIN(CalibrationSheetTest)
#include "tst_calibrationsheet.moc"
