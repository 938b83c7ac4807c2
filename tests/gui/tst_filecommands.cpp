// The settings-file commands of the main window, the start-up file and the
// default settings file across a restart, with pre-answered dialogs.

#include "engine/controls.h"
#include "files/defaultsettings.h"
#include "overlay/overlayitems.h"
#include "presetanswers.h"
#include "ui/filecommands.h"
#include "ui/formcontrols.h"
#include "ui/gui.h"
#include "ui/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace pernoa;
using namespace pernoa::ui;

namespace {

const QString kFixtures = QStringLiteral(PERNOA_FILES_TESTDATA "/settings");

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT
    QTemporaryDir folder; // the program's folder, with a copy of the fixtures
    test::GuiRig rig;

    void startProgram(const QStringList& arguments = {}) { rig.start(folder.path(), arguments); }
    QStringList messageTexts() { return rig.answers.takeBoxTexts(); }
    FormControls& form() { return rig.program->form(); }
    overlay::OverlayItems& items() { return rig.program->items(); }
    void trigger(const char* action) {
        auto* a = rig.program->mainWindow().findChild<QAction*>(QString::fromLatin1(action));
        QVERIFY(a);
        a->trigger();
    }

private slots:
    void initTestCase() {
        GuiProgram::prepareApplication(*qApp);
        for (const QString& name : QDir(kFixtures).entryList(QDir::Files))
            QVERIFY(QFile::copy(kFixtures + u'/' + name, folder.filePath(name)));
        QVERIFY(QDir::setCurrent(folder.path())); // the fixtures' picture paths
    }
    void cleanup() {
        rig.reset();
        QFile::remove(folder.filePath(kDefaultSetteiName));
    }

    void openThenSave() {
        startProgram();
        items().add(overlay::OverlayText{QStringLiteral("earlier"), 1, 1});

        rig.answers.fileAnswers = {folder.filePath(QStringLiteral("full.kvs2"))};
        trigger("mnuSettei_Open");
        QCOMPARE(messageTexts(), QStringList());
        QCOMPARE(form().text(ctl::txtSpaceSizeUp), QStringLiteral("25"));
        QVERIFY(form().isChecked(ctl::optB4));
        QCOMPARE(int(items().count(overlay::ItemKind::Text)), 3);
        QCOMPARE(items().text(1).Text, QStringLiteral("練習曲\r\n第1番"));

        // Cancelling the next open changes nothing.
        trigger("mnuSettei_Open");
        QCOMPARE(int(items().count(overlay::ItemKind::Text)), 3);

        const QString out = folder.filePath(QStringLiteral("typed without extension"));
        rig.answers.fileAnswers = {out};
        trigger("mnuSettei_Save");
        QCOMPARE(fileBytes(out), fileBytes(kFixtures + QStringLiteral("/full.kvs2")));

        const auto dialogs = rig.answers.takeFileDialogs();
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
        QCOMPARE(rig.program->fileCommands().dialogs().lastFileName(), out);
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
        QCOMPARE(items().count(overlay::ItemKind::Text) > 0, messages.isEmpty());
    }

    void offsetsSurviveARestart() {
        startProgram();
        QCOMPARE(form().text(ctl::txtPrinterGosaX), QStringLiteral("0"));
        form().setText(ctl::txtPrinterGosaX, QStringLiteral("1.50"));
        form().setText(ctl::txtPrinterGosaY, QStringLiteral("abc"));
        rig.program->mainWindow().close();
        QCOMPARE(fileBytes(folder.filePath(kDefaultSetteiName)), QByteArray("1.5,0\r\n"));
        startProgram();
        QCOMPARE(form().text(ctl::txtPrinterGosaX), QStringLiteral("1.5"));
        QCOMPARE(form().text(ctl::txtPrinterGosaY), QStringLiteral("0"));
    }
};

QTEST_MAIN(FileCommandsTest)
#include "tst_filecommands.moc"
