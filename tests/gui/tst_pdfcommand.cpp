// The PDF export of the main window against the command line's, and the
// progress of long jobs: the window's dialog and stopping a job.

#include "engine/controls.h"
#include "engine/tavriengine.h"
#include "files/settingsfile.h"
#include "output/fontmap.h"
#include "pdfprobe.h"
#include "presetanswers.h"
#include "recorders.h"
#include "ui/filecommands.h"
#include "ui/formcontrols.h"
#include "ui/gui.h"
#include "ui/mainwindow.h"
#include "ui/messagebox.h"
#include "ui/progressdialog.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHashFunctions>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace pernoa;
using namespace pernoa::ui;
using namespace pernoa::test;

namespace {

// The file with the moment it was written taken out: Qt stamps every PDF
// with its creation time.
QByteArray pdfWithoutDate(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "<missing>";
    QByteArray bytes = f.readAll();
    static const QRegularExpression dates(QStringLiteral(
        "/CreationDate \\(D:[^)]*\\)|<xmp:(Create|Modify|Metadata)Date>[^<]*</xmp:\\w+Date>"));
    QString text = QString::fromLatin1(bytes);
    text.replace(dates, QStringLiteral("<date>"));
    return text.toLatin1();
}

} // namespace

class PdfCommandTest : public QObject {
    Q_OBJECT
    QTemporaryDir folder;
    test::GuiRig rig;
    GuiProgram* program = nullptr;

    void exportPdf(const QString& path) {
        rig.answers.fileAnswers = {path};
        auto* action =
            program->mainWindow().findChild<QAction*>(QStringLiteral("mnuSettei_ExportPdf"));
        QVERIFY(action);
        action->trigger();
    }

private slots:
    void initTestCase() {
        // Qt writes a PDF's fonts in the order of a hash table: with the
        // same seed in both processes the order is the same.
        QHashSeed::setDeterministicGlobalSeed();
        output::installFontSubstitutions();
        GuiProgram::prepareApplication(*qApp);
        // The pictures of a settings file are found from the current folder,
        // by the window and by the command line alike.
        QVERIFY(QDir::setCurrent(QStringLiteral(PERNOA_SETTINGS_DATA)));
    }
    void init() {
        rig.start(folder.path());
        program = rig.program.get();
        rig.answers.takeBoxes();
    }
    void cleanup() { rig.reset(); }

    void sameBytesAsCommandLine_data();
    void sameBytesAsCommandLine();
    void cancelLeavesNoFile_data();
    void cancelLeavesNoFile();
    void progressDialog();
    void svgAndPngPages();
};

// "SVGに書き出す…" and "PNGに書き出す…": one page whatever the copy count, the
// same file as the command line writes, its dialog and confirmation; an
// unwritable path is the catch-all message with nothing written.
void PdfCommandTest::svgAndPngPages() {
    IForm& form = program->form();
    form.setText(ctl::txtPrintCount, "3");
    form.setChecked(ctl::optLetter, true);
    for (const QString& format : {QStringLiteral("svg"), QStringLiteral("png")}) {
        const QString window = folder.filePath("window." + format);
        rig.answers.fileAnswers = {window};
        auto* action = program->mainWindow().findChild<QAction*>(
            "mnuSettei_Export" + format.left(1).toUpper() + format.mid(1));
        QVERIFY(action);
        action->trigger();
        const auto dialogs = rig.answers.takeFileDialogs();
        QCOMPARE(dialogs.size(), 1);
        QCOMPARE(dialogs[0].nameFilters, QStringList{format.toUpper() + " (*." + format + ")"});
        QCOMPARE(dialogs[0].defaultSuffix, format);
        const auto shown = rig.answers.takeBoxes();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, format.toUpper() + "ファイルに書き出しました。\r\n" +
                                    QDir::toNativeSeparators(window));

        const QString batch = folder.filePath("batch." + format);
        const RunResult r =
            runPernoa({"--export-" + format, batch, QStringLiteral("--paper"), "letter"});
        QCOMPARE(r.exitCode, 0);
        QFile a(window), b(batch);
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QCOMPARE(a.readAll(), b.readAll());

        rig.answers.fileAnswers = {QStringLiteral("/nonexistent-dir/x.") + format};
        action->trigger();
        rig.answers.takeFileDialogs();
        const auto failed = rig.answers.takeBoxes();
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed[0].text, QStringLiteral("エラーが発生しました"));
    }
}

void PdfCommandTest::sameBytesAsCommandLine_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("settingsFile");
    QTest::newRow("start values") << QStringList{} << QString();
    QTest::newRow("3 copies of B5 landscape, items, offsets")
        << QStringList{"--copies", "3",       "--paper", "B5",       "--landscape", "--staves",
                       "7",        "--shade", "128",     "--offset", "2,6"}
        << QStringLiteral("full.kvs2");
}

void PdfCommandTest::sameBytesAsCommandLine() {
    QFETCH(QStringList, options);
    QFETCH(QString, settingsFile);
    IForm& form = program->form();
    if (!settingsFile.isEmpty())
        QVERIFY(program->fileCommands().settingsFile().boLoadSetteiFile(settingsFile));
    if (!options.isEmpty()) {
        form.setText(ctl::txtPrintCount, "3");
        form.setChecked(ctl::optB5, true);
        form.setChecked(ctl::chkPrintDirectionYoko, true);
        form.setText(ctl::txtTavriDansu, "7");
        form.setValue(ctl::sbrPrintShade, 128);
        form.setText(ctl::txtPrinterGosaX, "2");
        form.setText(ctl::txtPrinterGosaY, "6");
    }
    const QString window = folder.filePath("window.pdf");
    exportPdf(window);

    const auto dialogs = rig.answers.takeFileDialogs();
    QCOMPARE(dialogs.size(), 1);
    QCOMPARE(dialogs[0].acceptMode, QFileDialog::AcceptSave);
    QCOMPARE(dialogs[0].nameFilters, QStringList{"PDF (*.pdf)"});
    QCOMPARE(dialogs[0].defaultSuffix, QStringLiteral("pdf"));
    QVERIFY(dialogs[0].confirmOverwrite);
    const auto shown = rig.answers.takeBoxes();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, "PDFファイルに書き出しました。\r\n" + QDir::toNativeSeparators(window));
    QCOMPARE(shown[0].title, QStringLiteral("ペルノア"));
    QCOMPARE(shown[0].icon, QMessageBox::Information);

    const QString batch = folder.filePath("batch.pdf");
    QStringList args{"--export-pdf", batch};
    args << options;
    if (!settingsFile.isEmpty())
        args << settingsFile;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_HASH_SEED"), QStringLiteral("0"));
    const RunResult r = runPernoa(args, env);
    QCOMPARE(r.exitCode, 0);
    const QByteArray expected = pdfWithoutDate(batch);
    QVERIFY(expected.startsWith("%PDF"));
    QCOMPARE(pdfWithoutDate(window), expected);
}

void PdfCommandTest::cancelLeavesNoFile_data() {
    QTest::addColumn<bool>("oldFile");
    QTest::newRow("new file") << false;
    QTest::newRow("earlier file kept") << true;
}

void PdfCommandTest::cancelLeavesNoFile() {
    QFETCH(bool, oldFile);
    QTemporaryDir out;
    const QString path = out.filePath("page.pdf");
    if (oldFile) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("earlier");
    }
    RecordingProgress stop;
    stop.cancelAt = 2;
    program->engine().setProgress(&stop);
    program->form().setText(ctl::txtPrintCount, "5");
    exportPdf(path);
    program->engine().setProgress(&program->progress());

    QCOMPARE(stop.log, QStringList({"start 5", "step 1", "step 2", "finish"}));
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden),
             oldFile ? QStringList{"page.pdf"} : QStringList{});
    if (oldFile) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("earlier"));
    }
    const auto shown = rig.answers.takeBoxes();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, QStringLiteral("PDFファイルの書き出しを中止しました。"));
    QCOMPARE(shown[0].icon, QMessageBox::Information);
}

void PdfCommandTest::progressDialog() {
    JobProgressDialog& progress = program->progress();
    progress.start(4);
    QProgressDialog* dialog = progress.dialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->minimumDuration(), 500);
    QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("ペルノア"));
    // A quick copy shows nothing.
    QVERIFY(progress.step(1));
    QVERIFY(!dialog->isVisible());
    // Past the half second the dialog shows the copies done.
    dialog->setMinimumDuration(0);
    QVERIFY(progress.step(2));
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->labelText(), QStringLiteral("出力中… 2 / 4 枚"));
    QCOMPARE(dialog->value(), 2);
    auto* button = dialog->findChild<QPushButton*>();
    QVERIFY(button);
    QCOMPARE(button->text(), QStringLiteral("中止"));
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!progress.step(3));
    progress.finish();
    QVERIFY(!progress.dialog());
    QVERIFY(!QApplication::overrideCursor());
}

QTEST_MAIN(PdfCommandTest)
#include "tst_pdfcommand.moc"
