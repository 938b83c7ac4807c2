#include "cli/consoleprogress.h"
#include "engine/controls.h"
#include "enginerig.h"

#include <QTest>

using namespace pernoa;
using namespace pernoa::test;

namespace {
const QString kConfirm =
    QStringLiteral("プリンタへ印刷の要求をしました。\r\n印刷されるまでしばらくお待ちください");
const QString kGuard = QStringLiteral("「印刷枚数」は整数にしてください。");
} // namespace

class TestPrintJob : public QObject {
    Q_OBJECT

private slots:
    void preparationOrder_data();
    void preparationOrder();
    void scaleCorrectionGoesToThePrinter();
    void copies_data();
    void copies();
    void printCountChecks_data();
    void printCountChecks();
    void copyCountGuard_data();
    void copyCountGuard();
    void darknessLabel_data();
    void darknessLabel();
    void printerFailureAbortsTheJob();
    void printerThatCannotOpenLeavesPreviewCleared();
    void noPrinterIsARuntimeError();
    void previewCommandShowsWindowAndDraws();
    void progressAndCancel_data();
    void progressAndCancel();
    void jobOptionsChoosePrinterAndMessages();
    void consoleProgress_data();
    void consoleProgress();
};

void TestPrintJob::preparationOrder_data() {
    QTest::addColumn<QString>("paper");
    QTest::addColumn<bool>("yoko");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("A4 normal") << "optA4" << false << "普通"
                               << QStringList{"paper 9", "orientation 1", "unit twips", "width 2"};
    QTest::newRow("B5 landscape thin")
        << "optB5" << true << "細め"
        << QStringList{"paper 13", "orientation 2", "unit twips", "width 1"};
    QTest::newRow("A3 thick") << "optA3" << false << "太め"
                              << QStringList{"paper 8", "orientation 1", "unit twips", "width 3"};
    QTest::newRow("B4") << "optB4" << false << "普通"
                        << QStringList{"paper 12", "orientation 1", "unit twips", "width 2"};
    QTest::newRow("A5 landscape") << "optA5" << true << "普通"
                                  << QStringList{"paper 11", "orientation 2", "unit twips",
                                                 "width 2"};
    QTest::newRow("letter") << "optLetter" << false << "普通"
                            << QStringList{"paper 1", "orientation 1", "unit twips", "width 2"};
    QTest::newRow("user's size") << "optNini" << true << "普通"
                                 << QStringList{"paper 256", "orientation 2", "unit twips",
                                                "width 2"};
}

void TestPrintJob::preparationOrder() {
    QFETCH(QString, paper);
    QFETCH(bool, yoko);
    QFETCH(QString, weight);
    QFETCH(QStringList, expected);
    EngineRig rig;
    rig.form.setChecked(paper, true);
    rig.form.setChecked(ctl::chkPrintDirectionYoko, yoko);
    rig.form.selectText(ctl::lstLineWeight, weight);
    rig.engine.DrawTavriSheet(1);
    QCOMPARE(rig.printer.calls.mid(0, 4), expected);
    // The device is opened before the first line.
    QCOMPARE(rig.printer.calls.mid(4, 2), QStringList({"begin", "line"}));
    QCOMPARE(rig.printer.calls.last(), QStringLiteral("enddoc"));
    // No scale correction unless one is typed.
    QCOMPARE(rig.printer.scaleX, 1.0);
    QCOMPARE(rig.printer.scaleY, 1.0);
}

// The scale correction goes to the printer with the job; the page is laid
// out as it is, and the preview does not change.
void TestPrintJob::scaleCorrectionGoesToThePrinter() {
    EngineRig rig;
    rig.engine.DrawTavriSheet(1);
    const QList<RecordedLine> plain = rig.printer.pages.first();
    EngineRig scaled;
    scaled.form.setText(ctl::txtPrinterBairituX, QStringLiteral("101.5"));
    scaled.form.setText(ctl::txtPrinterBairituY, QStringLiteral("98"));
    scaled.engine.DrawTavriSheet(1);
    QCOMPARE(scaled.printer.scaleX, 1.015);
    QCOMPARE(scaled.printer.scaleY, 0.98);
    QCOMPARE(scaled.printer.pages.first(), plain);
    QCOMPARE(scaled.surface.lines, rig.surface.lines);
}

void TestPrintJob::copies_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("pages");
    QTest::newRow("1") << "1" << 1;
    QTest::newRow("3") << "3" << 3;
    QTest::newRow("2.5 rounds to 2") << "2.5" << 2;
    QTest::newRow("3.5 rounds to 4") << "3.5" << 4;
    QTest::newRow("0.4 previews only") << "0.4" << 0;
}

void TestPrintJob::copies() {
    QFETCH(QString, count);
    QFETCH(int, pages);
    EngineRig rig;
    rig.form.setText(ctl::txtPrintCount, count);
    QCOMPARE(rig.engine.cmdPrintClick(), Outcome::done(pages));
    QCOMPARE(rig.surface.lines.size(), 50);
    if (pages == 0) {
        QVERIFY(rig.printer.calls.isEmpty());
        QVERIFY(rig.messages.shown.isEmpty());
        return;
    }
    QCOMPARE(rig.printer.pageCount(), pages);
    for (int p = 0; p < pages; ++p)
        QCOMPARE(rig.printer.pages[p].size(), 50);
    QVERIFY(rig.printer.ended);
    QCOMPARE(rig.printer.calls.count("enddoc"), 1);
    // Confirmation once, after the pointer is back to normal.
    QCOMPARE(rig.messages.shown.size(), 1);
    QCOMPARE(rig.messages.shown.first().text, kConfirm);
    QCOMPARE(rig.messages.shown.first().title, QStringLiteral("ペルノア"));
    QCOMPARE(rig.messages.shown.first().icon, MsgIcon::Information);
    QCOMPARE(rig.messages.busyLog, QStringList({"on", "off"}));
}

void TestPrintJob::printCountChecks_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << ""
                           << "印刷枚数が空欄です。";
    QTest::newRow("letters") << "two"
                             << "印刷枚数に数値以外が入ってます";
    QTest::newRow("zero") << "0"
                          << "そんな値、入力していじめちゃいや～ん♪\r\n印刷枚数";
    QTest::newRow("beyond 32 bits") << "1e10"
                                    << "「印刷枚数」は整数にしてください。";
}

void TestPrintJob::printCountChecks() {
    QFETCH(QString, count);
    QFETCH(QString, message);
    EngineRig rig;
    rig.form.setText(ctl::txtPrintCount, count);
    QCOMPARE(rig.engine.cmdPrintClick(), Outcome::refused());
    QCOMPARE(rig.messages.texts(), QStringList{message});
    QVERIFY(rig.printer.calls.isEmpty());
    QVERIFY(rig.surface.lines.isEmpty());
}

void TestPrintJob::copyCountGuard_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("refused");
    QTest::newRow("last digit deleted") << "" << true;
    QTest::newRow("letters") << "a" << true;
    QTest::newRow("minus one") << "-1" << true;
    QTest::newRow("beyond 32 bits") << "99999999999" << true;
    QTest::newRow("minus 0.4 rounds to 0") << "-0.4" << false;
    QTest::newRow("fraction stays") << "2.5" << false;
    QTest::newRow("zero accepted here") << "0" << false;
}

void TestPrintJob::copyCountGuard() {
    QFETCH(QString, typed);
    QFETCH(bool, refused);
    EngineRig rig;
    // Every change of the text runs the guard, also the one it makes itself.
    int runs = 0;
    QList<Outcome> outcomes;
    rig.form.onChanged = [&](const QString& control) {
        if (control == QLatin1String(ctl::txtPrintCount)) {
            ++runs;
            outcomes.append(rig.engine.txtPrintCountChanged());
        }
    };
    rig.form.setText(ctl::txtPrintCount, typed);
    // The run for the typed text ends last (the guard's change back to 1 runs within it).
    QCOMPARE(outcomes.last(), refused ? Outcome::refused() : Outcome::done());
    if (refused) {
        QCOMPARE(rig.messages.shown.size(), 1);
        QCOMPARE(rig.messages.shown.first().text, kGuard);
        QCOMPARE(rig.messages.shown.first().icon, MsgIcon::Warning);
        QCOMPARE(rig.messages.shown.first().title, QStringLiteral("ペルノア"));
        QCOMPARE(rig.form.text(ctl::txtPrintCount), QStringLiteral("1"));
        QCOMPARE(runs, 2);
    } else {
        QVERIFY(rig.messages.shown.isEmpty());
        QCOMPARE(rig.form.text(ctl::txtPrintCount), typed);
    }
}

void TestPrintJob::darknessLabel_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("label");
    QTest::newRow("0") << 0 << "100%";
    QTest::newRow("128") << 128 << "50%";
    QTest::newRow("255") << 255 << "0%";
    QTest::newRow("1") << 1 << "100%";
    QTest::newRow("254") << 254 << "0%";
    QTest::newRow("64") << 64 << "75%";
}

void TestPrintJob::darknessLabel() {
    QFETCH(int, value);
    QFETCH(QString, label);
    EngineRig rig;
    rig.form.setValue(ctl::sbrPrintShade, value);
    rig.engine.sbrPrintShadeChanged();
    QCOMPARE(rig.form.text(ctl::lblPrintShade), label);
    QVERIFY(rig.surface.lines.isEmpty()); // no redraw
}

void TestPrintJob::printerFailureAbortsTheJob() {
    EngineRig rig;
    rig.printer.failAtCall = 30; // in the middle of the first page's lines
    rig.form.setText(ctl::txtPrintCount, "2");
    QCOMPARE(rig.engine.cmdPrintClick(), Outcome::failed("printer failure (test)"));
    QCOMPARE(rig.messages.texts(), QStringList{"エラーが発生しました"});
    QVERIFY(rig.printer.aborted);
    QVERIFY(!rig.printer.ended);
    QVERIFY(!rig.messages.busy);

    // The program keeps running: the next print works.
    rig.printer = RecordingPrinter();
    rig.messages.clear();
    rig.engine.cmdPrintClick();
    QCOMPARE(rig.printer.pageCount(), 2);
    QCOMPARE(rig.messages.texts(), QStringList{kConfirm});
}

void TestPrintJob::printerThatCannotOpenLeavesPreviewCleared() {
    EngineRig rig;
    rig.engine.cmdPreviewClick();
    rig.printer.failAtCall = 5; // "begin": the device refuses the job
    rig.engine.cmdPrintClick();
    QCOMPARE(rig.printer.calls.last(), QStringLiteral("abort"));
    QCOMPARE(rig.messages.texts(), QStringList{"エラーが発生しました"});
    QCOMPARE(rig.surface.clears, 2);
    QVERIFY(rig.surface.lines.isEmpty());
}

void TestPrintJob::noPrinterIsARuntimeError() {
    EngineRig rig;
    rig.engine.setPrinter(nullptr);
    rig.engine.cmdPrintClick();
    QCOMPARE(rig.messages.texts(), QStringList{"エラーが発生しました"});
    // The printer is prepared before any line is drawn: the preview was cleared
    // and stays empty.
    QCOMPARE(rig.surface.clears, 1);
    QVERIFY(rig.surface.lines.isEmpty());
}

void TestPrintJob::previewCommandShowsWindowAndDraws() {
    EngineRig rig;
    rig.engine.cmdPreviewClick();
    QCOMPARE(rig.surface.shows, 1);
    QCOMPARE(rig.surface.lines.size(), 50);
    QVERIFY(rig.printer.calls.isEmpty());
}

void TestPrintJob::progressAndCancel_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("cancelAt");
    QTest::addColumn<int>("failAtCall");
    QTest::addColumn<QStringList>("progress");
    QTest::addColumn<QStringList>("messages");
    const QString cancelled = QStringLiteral("印刷を中止しました。");
    QTest::newRow("runs to the end")
        << "3" << 0 << 0 << QStringList{"start 3", "step 1", "step 2", "step 3", "finish"}
        << QStringList{kConfirm};
    QTest::newRow("cancel after copy 2 of 5")
        << "5" << 2 << 0 << QStringList{"start 5", "step 1", "step 2", "finish"}
        << QStringList{cancelled};
    QTest::newRow("cancel during the last copy")
        << "1" << 1 << 0 << QStringList{"start 1", "step 1", "finish"} << QStringList{cancelled};
    // 4 calls of preparation, "begin", 50 lines, "newpage": the second copy.
    QTest::newRow("printer error on copy 2")
        << "3" << 0 << 60 << QStringList{"start 3", "step 1", "finish"}
        << QStringList{"エラーが発生しました"};
    QTest::newRow("preview only") << "0.4" << 0 << 0 << QStringList{} << QStringList{};
}

void TestPrintJob::progressAndCancel() {
    QFETCH(QString, count);
    QFETCH(int, cancelAt);
    QFETCH(int, failAtCall);
    QFETCH(QStringList, progress);
    QFETCH(QStringList, messages);
    EngineRig normal;
    normal.engine.DrawTavriSheet(0);

    EngineRig rig;
    RecordingProgress recorder;
    recorder.cancelAt = cancelAt;
    rig.engine.setProgress(&recorder);
    rig.printer.failAtCall = failAtCall;
    rig.form.setText(ctl::txtPrintCount, count);
    const Outcome::Kind outcome = rig.engine.cmdPrintClick().kind();

    QCOMPARE(outcome, cancelAt     ? Outcome::Kind::Cancelled
                      : failAtCall ? Outcome::Kind::Failed
                                   : Outcome::Kind::Done);
    QCOMPARE(recorder.log, progress);
    QCOMPARE(rig.messages.texts(), messages);
    if (!messages.isEmpty())
        QCOMPARE(rig.messages.shown.first().icon,
                 failAtCall ? MsgIcon::None : MsgIcon::Information);
    QVERIFY(!rig.messages.busy);
    if (cancelAt > 0) {
        // Stopped at that copy and dropped whole.
        QCOMPARE(rig.printer.pageCount(), cancelAt);
        QVERIFY(rig.printer.aborted);
        QVERIFY(!rig.printer.ended);
        QCOMPARE(rig.printer.calls.last(), QStringLiteral("abort"));
    }
    // The preview is the page a plain drawing leaves.
    if (failAtCall == 0) {
        QCOMPARE(rig.surface.log, normal.surface.log);
        QCOMPARE(rig.surface.lines.size(), normal.surface.lines.size());
        QCOMPARE(rig.surface.lines.last().y1, normal.surface.lines.last().y1);
    }
}

void TestPrintJob::jobOptionsChoosePrinterAndMessages() {
    EngineRig rig;
    RecordingPrinter other;
    PrintJobOptions job;
    job.printer = &other;
    job.doneMessage.clear();
    rig.form.setText(ctl::txtPrintCount, "2");
    rig.engine.cmdPrintClick(job);
    QCOMPARE(other.pageCount(), 2);
    QVERIFY(other.ended);
    QVERIFY(rig.printer.calls.isEmpty());
    QVERIFY(rig.messages.shown.isEmpty());
    QCOMPARE(rig.engine.printer(), &rig.printer);

    // The copy count is checked as for the print command; a failure on the
    // job's printer drops that job.
    job.doneMessage = QStringLiteral("done");
    rig.form.setText(ctl::txtPrintCount, "0");
    rig.engine.cmdPrintClick(job);
    QCOMPARE(rig.messages.texts(),
             QStringList{"そんな値、入力していじめちゃいや～ん♪\r\n印刷枚数"});
    other = RecordingPrinter();
    other.failAtCall = 20;
    rig.messages.clear();
    rig.form.setText(ctl::txtPrintCount, "1");
    rig.engine.cmdPrintClick(job);
    QVERIFY(other.aborted);
    QCOMPARE(rig.messages.texts(), QStringList{"エラーが発生しました"});
}

void TestPrintJob::consoleProgress_data() {
    QTest::addColumn<bool>("terminal");
    QTest::addColumn<int>("delayMs");
    QTest::addColumn<QByteArray>("written");
    const QByteArray blank = "\r" + QByteArray(19, ' ') + "\r";
    QTest::newRow("terminal") << true << 0 << "\rpernoa: copy 1 of 2\rpernoa: copy 2 of 2" + blank;
    QTest::newRow("not a terminal") << false << 0 << QByteArray();
    QTest::newRow("quick job") << true << 60000 << QByteArray();
}

void TestPrintJob::consoleProgress() {
    QFETCH(bool, terminal);
    QFETCH(int, delayMs);
    QFETCH(QByteArray, written);
    std::FILE* out = std::tmpfile();
    QVERIFY(out);
    cli::ConsoleProgress progress(out, terminal, delayMs);
    progress.start(2);
    QVERIFY(progress.step(1));
    QVERIFY(progress.step(2));
    progress.finish();
    std::rewind(out);
    QByteArray got(256, '\0');
    got.resize(qsizetype(std::fread(got.data(), 1, std::size_t(got.size()), out)));
    std::fclose(out);
    QCOMPARE(got, written);
}

QTEST_GUILESS_MAIN(TestPrintJob)
#include "tst_printjob.moc"
