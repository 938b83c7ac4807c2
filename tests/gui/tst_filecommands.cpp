// The settings-file commands of the main window, the start-up file and the
// default settings file across a restart, with pre-answered dialogs.

#include "engine/controls.h"
#include "files/defaultsettings.h"
#include "overlay/overlayitems.h"
#include "ui/filecommands.h"
#include "ui/gui.h"
#include "ui/mainwindow.h"
#include "ui/messagebox.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace pernoa;
using namespace pernoa::ui;

namespace {

const QString Fixtures = QStringLiteral(PERNOA_FILES_TESTDATA "/settings");

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QStringList messageTexts() {
    QStringList texts;
    for (const auto& r : MessageBoxes::takeRecords())
        texts << r.text;
    return texts;
}

} // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT
    QTemporaryDir folder; // the program's folder, with a copy of the fixtures
    std::unique_ptr<GuiProgram> program;

    void startProgram(const QStringList& arguments = {}) {
        program = std::make_unique<GuiProgram>();
        program->setProgramFolder(folder.path());
        program->start(arguments);
    }
    void trigger(const char* action) {
        auto* a = program->mainWindow().findChild<QAction*>(QString::fromLatin1(action));
        QVERIFY(a);
        a->trigger();
    }

private slots:
    void initTestCase() {
        GuiProgram::prepareApplication(*qApp);
        MessageBoxes::setPreAnswering(true);
        for (const QString& name : QDir(Fixtures).entryList(QDir::Files))
            QVERIFY(QFile::copy(Fixtures + u'/' + name, folder.filePath(name)));
        QVERIFY(QDir::setCurrent(folder.path())); // the fixtures' picture paths
    }
    void cleanup() {
        program.reset();
        MessageBoxes::takeRecords();
        SettingsFileDialogs::takeRecords();
        QFile::remove(folder.filePath(DefaultSetteiName));
    }

    void openThenSave() {
        startProgram();
        MainWindow& main = program->mainWindow();
        program->items().AddTextItem(overlay::OverlayText{QStringLiteral("earlier"), 1, 1});

        SettingsFileDialogs::preset({folder.filePath(QStringLiteral("full.kvs2"))});
        trigger("mnuSettei_Open");
        QCOMPARE(messageTexts(), QStringList());
        QCOMPARE(main.text(ctl::txtSpaceSizeUp), QStringLiteral("25"));
        QVERIFY(main.isChecked(ctl::optB4));
        QCOMPARE(int(program->items().FreeTextCount), 3);
        QCOMPARE(program->items().FreeTextItems[1].Text, QStringLiteral("練習曲\r\n第1番"));

        // Cancelling the next open changes nothing.
        SettingsFileDialogs::preset({QString()});
        trigger("mnuSettei_Open");
        QCOMPARE(int(program->items().FreeTextCount), 3);

        const QString out = folder.filePath(QStringLiteral("typed without extension"));
        SettingsFileDialogs::preset({out});
        trigger("mnuSettei_Save");
        QCOMPARE(fileBytes(out), fileBytes(Fixtures + QStringLiteral("/full.kvs2")));

        const auto dialogs = SettingsFileDialogs::takeRecords();
        QCOMPARE(dialogs.size(), 3);
        const auto& open = dialogs[0];
        QCOMPARE(open.acceptMode, QFileDialog::AcceptOpen);
        QCOMPARE(open.fileMode, QFileDialog::ExistingFile);
        QCOMPARE(open.nameFilters, QStringList({"ペルノアファイル(*.kvs2)"}));
        QCOMPARE(open.directory, QDir(folder.path()).absolutePath());
        const auto& save = dialogs[2];
        QCOMPARE(save.acceptMode, QFileDialog::AcceptSave);
        QVERIFY(save.confirmOverwrite);
        QCOMPARE(save.defaultSuffix, QString());
        QCOMPARE(save.nameFilters, QStringList({"ペルノアファイル(*.kvs2)"}));
        // The file accepted last is offered again.
        QCOMPARE(save.selectedFiles, QStringList({folder.filePath(QStringLiteral("full.kvs2"))}));
        QCOMPARE(program->fileCommands().dialogs().lastFileName(), out);
    }

    void startupFile_data() {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QStringList>("messages");
        const QString failed =
            QStringLiteral("関連づけされた設定ファイルの読み込みに失敗しました。");
        QTest::newRow("loads") << "full.kvs2" << QStringList();
        QTest::newRow("path with a space") << "my scores/a.kvs2" << QStringList();
        QTest::newRow("missing file")
            << "none.kvs2" << QStringList({"設定ファイルが開けません", failed});
        QTest::newRow("no parameter section")
            << "no_parameter_section.kvs2"
            << QStringList({"五線の設定が読み込めませんでした。", failed});
    }

    void startupFile() {
        QFETCH(QString, argument);
        QFETCH(QStringList, messages);
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("my scores")));
        QFile::copy(folder.filePath(QStringLiteral("full.kvs2")),
                    folder.filePath(QStringLiteral("my scores/a.kvs2")));
        startProgram({QStringLiteral("pernoa"), folder.filePath(argument)});
        QCOMPARE(messageTexts(), messages);
        QCOMPARE(program->items().FreeTextCount > 0, messages.isEmpty());
    }

    void offsetsSurviveARestart() {
        startProgram();
        QCOMPARE(program->mainWindow().text(ctl::txtPrinterGosaX), QStringLiteral("0"));
        program->mainWindow().setText(ctl::txtPrinterGosaX, QStringLiteral("1.50"));
        program->mainWindow().setText(ctl::txtPrinterGosaY, QStringLiteral("abc"));
        program->mainWindow().close();
        QCOMPARE(fileBytes(folder.filePath(DefaultSetteiName)), QByteArray("1.5,0\r\n"));
        startProgram();
        QCOMPARE(program->mainWindow().text(ctl::txtPrinterGosaX), QStringLiteral("1.5"));
        QCOMPARE(program->mainWindow().text(ctl::txtPrinterGosaY), QStringLiteral("0"));
    }
};

QTEST_MAIN(FileCommandsTest)
#include "tst_filecommands.moc"
