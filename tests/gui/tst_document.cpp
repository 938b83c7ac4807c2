// The page as a document in the program's windows: the file in the title,
// the question before unsaved changes are lost, the recent files, files
// dropped on the windows, and undo and redo of every change.

#include "document/document.h"
#include "engine/controls.h"
#include "engine/tavriengine.h"
#include "files/defaultsettings.h"
#include "overlay/overlayitems.h"
#include "presetanswers.h"
#include "preview/imageitemdialog.h"
#include "preview/previewwindow.h"
#include "preview/textitemdialog.h"
#include "ui/filecommands.h"
#include "ui/formcontrols.h"
#include "ui/gui.h"
#include "ui/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace pernoa;
using namespace pernoa::ui;
using overlay::ItemKind;

namespace {

const QString kFixtures = QStringLiteral(PERNOA_FILES_TESTDATA "/settings");

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QList<QUrl> urls(const QStringList& paths) {
    QList<QUrl> list;
    for (const QString& path : paths)
        list << QUrl::fromLocalFile(path);
    return list;
}

} // namespace

class DocumentTest : public QObject {
    Q_OBJECT
    QTemporaryDir folder; // the program's folder, with a copy of the fixtures
    test::GuiRig rig;

    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }
    // A picture of 4 by 2 cm.
    QString makePicture(const char* name) {
        QImage image(151, 76, QImage::Format_RGB32);
        image.fill(Qt::blue);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        image.save(path(name), "BMP");
        return path(name);
    }
    void start(const QStringList& arguments = {}) { rig.start(folder.path(), arguments); }
    MainWindow& main() { return rig.program->mainWindow(); }
    preview::PreviewWindow& preview() { return rig.program->previewWindow(); }
    document::Document& doc() { return rig.program->document(); }
    overlay::OverlayItems& items() { return rig.program->items(); }
    FormControls& form() { return rig.program->form(); }
    QString title() { return main().shownTitle(); }
    QStringList boxTexts() { return rig.answers.takeBoxTexts(); }
    QAction* action(QWidget& window, const QString& name) {
        auto* a = window.findChild<QAction*>(name);
        if (!a)
            qFatal("no action %s", qPrintable(name));
        return a;
    }
    void trigger(const char* name) { action(main(), QString::fromLatin1(name))->trigger(); }
    void undo() { action(main(), QStringLiteral("mnuEdit_Undo"))->trigger(); }
    void redo() { action(main(), QStringLiteral("mnuEdit_Redo"))->trigger(); }
    QString undoText() { return action(main(), QStringLiteral("mnuEdit_Undo"))->text(); }

    // Acts on the next modal dialog of a kind once it shows (the item
    // dialogs run modal); true once it has acted.
    template <typename Dialog> std::shared_ptr<bool> whenShown(std::function<void(Dialog&)> act) {
        auto done = std::make_shared<bool>(false);
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, poll, [poll, act, done] {
            if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
                poll->stop();
                poll->deleteLater();
                act(*dialog);
                *done = true;
            }
        });
        poll->start(5);
        return done;
    }

    // The preview page's pointer, in the page surface's pixels.
    QPointF onPage(int xTwips, int yTwips) {
        const double divisor = rig.program->engine().settings().HyojiSize;
        return {xTwips / divisor / 15.0 + 2, yTwips / divisor / 15.0 + 2};
    }
    void mouse(QEvent::Type type, QPointF pos, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QWidget* page = preview().page();
        QMouseEvent event(type, pos, page->mapToGlobal(pos), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(page, &event);
    }
    void rightClickCommand(QPointF pos, const char* command) {
        mouse(QEvent::MouseButtonPress, pos, Qt::RightButton, Qt::RightButton);
        mouse(QEvent::MouseButtonRelease, pos, Qt::RightButton, Qt::NoButton);
        for (QMenu* menu : preview().findChildren<QMenu*>())
            menu->hide();
        action(preview(), QString::fromLatin1(command))->trigger();
    }
    void drag(QPointF from, const QList<QPointF>& moves) {
        mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        for (QPointF to : moves)
            mouse(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, moves.last(), Qt::LeftButton, Qt::NoButton);
    }
    // A text through the text item dialog, inserted at a preview point.
    void insertText(QPointF at, const QString& text) {
        const auto done = whenShown<preview::TextItemDialog>([text](preview::TextItemDialog& d) {
            d.textField()->setPlainText(text);
            d.confirm();
        });
        rightClickCommand(at, "MnuInsertLabel");
        QVERIFY(*done);
    }

    // Files dragged over a widget and dropped there: whether the drag was
    // accepted where it moved, and (when dropping) the drop.
    bool dragFiles(QWidget* target, QPointF pos, const QStringList& paths) {
        QMimeData data;
        data.setUrls(urls(paths));
        QDragEnterEvent enter(pos.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDragMoveEvent move(pos.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(target, &move);
        return move.isAccepted();
    }
    bool dropFiles(QWidget* target, QPointF pos, const QStringList& paths) {
        if (!dragFiles(target, pos, paths))
            return false;
        QMimeData data;
        data.setUrls(urls(paths));
        QDropEvent drop(pos, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(target, &drop);
        // What the drop starts runs once it has ended.
        QCoreApplication::processEvents();
        return drop.isAccepted();
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        GuiProgram::prepareApplication(*qApp);
        for (const QString& name : QDir(kFixtures).entryList(QDir::Files))
            QVERIFY(QFile::copy(kFixtures + u'/' + name, folder.filePath(name)));
        QVERIFY(QDir::setCurrent(folder.path())); // the fixtures' picture paths
    }
    void init() {
        QFile::remove(GuiProgram::recentFilesStore());
        start();
    }
    void cleanup() {
        rig.reset();
        QFile::remove(folder.filePath(kDefaultSetteiName));
    }

    // The title names the file after an open, a save or the start-up file,
    // and marks every kind of change until the next save.
    void titleFollowsTheDocument() {
        QCOMPARE(title(), QStringLiteral("ペルノアVer2.2"));
        QVERIFY(!main().isWindowModified());

        form().setText(ctl::txtSpaceSizeUp, QStringLiteral("4"));
        QCOMPARE(title(), QStringLiteral("ペルノアVer2.2*"));
        undo();
        QCOMPARE(title(), QStringLiteral("ペルノアVer2.2"));

        rig.answers.fileAnswers = {path("full.kvs2")};
        trigger("mnuSettei_Open");
        QCOMPARE(title(), QStringLiteral("ペルノアVer2.2 - full.kvs2"));

        // Each kind of change marks the title; saving clears the mark.
        const QString out = path("out.kvs2");
        const QList<std::function<void()>> changes = {
            [&] { form().setText(ctl::txtLineInterval, QStringLiteral("3")); },
            [&] { form().setChecked(ctl::optA5, true); },
            [&] { form().setChecked(ctl::chkPrintDirectionYoko, false); },
            [&] { form().setValue(ctl::sbrPrintShade, 3); },
            [&] { form().selectText(ctl::lstLineWeight, QStringLiteral("細め")); },
            [&] { form().setChecked(ctl::opt2, true); },
            [&] { insertText(onPage(300, 300), QStringLiteral("新")); },
            [&] {
                drag(onPage(4500, 2400), {onPage(4600, 2500), onPage(4800, 2700)});
            },
            [&] { rightClickCommand(onPage(4700, 2600), "MneDeleteLabel"); },
        };
        for (int i = 0; i < changes.size(); ++i) {
            changes[i]();
            QVERIFY2(title().endsWith(u'*'), qPrintable(QString::number(i)));
            rig.answers.fileAnswers = {out};
            trigger("mnuSettei_Save");
            QCOMPARE(title(), QStringLiteral("ペルノアVer2.2 - out.kvs2"));
        }
        // A value typed back to where it was is no change.
        form().setText(ctl::txtLineInterval, QStringLiteral("35"));
        form().setText(ctl::txtLineInterval, QStringLiteral("3"));
        QCOMPARE(title(), QStringLiteral("ペルノアVer2.2 - out.kvs2"));
        // Fields the settings file does not keep are no change either.
        form().setText(ctl::txtPrinterGosaX, QStringLiteral("1"));
        form().setText(ctl::txtPrinterBairituY, QStringLiteral("101"));
        form().setText(ctl::txtPrintCount, QStringLiteral("2"));
        form().setChecked(ctl::optHyojiLarge, true);
        QCOMPARE(title(), QStringLiteral("ペルノアVer2.2 - out.kvs2"));
        QCOMPARE(boxTexts(), QStringList({QStringLiteral("本当に削除しますか？")}));

        rig.reset();
        start({QStringLiteral("pernoa"), path("full.kvs2")});
        QCOMPARE(title(), QStringLiteral("ペルノアVer2.2 - full.kvs2"));
        QVERIFY(!doc().isModified());
    }

    // Opening and closing ask about unsaved changes, and only then; each
    // answer does what it says.
    void questionBeforeChangesAreLost_data() {
        QTest::addColumn<QString>("how");    // open or close
        QTest::addColumn<bool>("changed");   // a change before
        QTest::addColumn<QString>("answer"); // save, save-cancelled, discard, cancel
        for (const char* how : {"open", "close"}) {
            QTest::addRow("%s unchanged", how) << how << false << "";
            for (const char* answer : {"save", "save-cancelled", "discard", "cancel"})
                QTest::addRow("%s, %s", how, answer) << how << true << answer;
        }
    }
    void questionBeforeChangesAreLost() {
        QFETCH(QString, how);
        QFETCH(bool, changed);
        QFETCH(QString, answer);
        if (changed)
            insertText(onPage(450, 450), QStringLiteral("残す"));
        const QString saved = path("answered.kvs2");
        QFile::remove(saved);
        if (answer == QLatin1String("save")) {
            rig.answers.boxAnswers = {MsgAnswer::Save};
            rig.answers.fileAnswers = {saved};
        } else if (answer == QLatin1String("save-cancelled")) {
            rig.answers.boxAnswers = {MsgAnswer::Save};
        } else if (answer == QLatin1String("discard")) {
            rig.answers.boxAnswers = {MsgAnswer::Discard};
        } else if (answer == QLatin1String("cancel")) {
            rig.answers.boxAnswers = {MsgAnswer::Cancel};
        }
        const bool goesOn =
            !changed || answer == QLatin1String("save") || answer == QLatin1String("discard");
        if (how == QLatin1String("open")) {
            if (goesOn)
                rig.answers.fileAnswers << path("empty_page.kvs2");
            trigger("mnuSettei_Open");
        } else {
            main().close();
        }

        const QList<test::BoxRecord> boxes = rig.answers.takeBoxes();
        if (!changed) {
            QVERIFY(boxes.isEmpty());
        } else {
            QCOMPARE(boxes.size(), 1);
            QCOMPARE(boxes[0].text, QStringLiteral("変更を保存しますか？"));
            QCOMPARE(boxes[0].title, QStringLiteral("ペルノア"));
            QCOMPARE(boxes[0].buttonTexts.size(), 3);
            for (const char* button : {"保存", "保存しない", "キャンセル"})
                QVERIFY2(boxes[0].buttonTexts.contains(QString::fromUtf8(button)), button);
        }
        QCOMPARE(QFile::exists(saved), answer == QLatin1String("save"));
        if (answer == QLatin1String("save")) // the page with its text
            QVERIFY(fileBytes(saved).size() > fileBytes(path("empty_page.kvs2")).size());
        // The default settings file is written when the program ends,
        // whatever the answer, and only then.
        const bool ended = how == QLatin1String("close") && goesOn;
        QCOMPARE(QFile::exists(folder.filePath(kDefaultSetteiName)), ended);
        QCOMPARE(main().isVisible(), !ended);
        if (how == QLatin1String("open"))
            QCOMPARE(doc().currentFile() == path("empty_page.kvs2"), goesOn);
        if (!goesOn) {
            QCOMPARE(int(items().count(ItemKind::Text)), 1);
            QVERIFY(doc().isModified());
        }
    }

    // Every item step and a load undo and redo exactly, checked against
    // the item model and against the file saved at each end.
    void itemStepsUndoAndRedo() {
        const QString picture = makePicture("drop.bmp");
        insertText(onPage(900, 900), QStringLiteral("一"));
        QCOMPARE(undoText(), QStringLiteral("文字の挿入を元に戻す(&U)"));
        const QPoint inserted(items().text(1).X, items().text(1).Y);
        const QPointF imageAt = preview().page()->mapTo(&preview(), onPage(2700, 2700).toPoint());
        const auto confirmed =
            whenShown<preview::ImageItemDialog>([](preview::ImageItemDialog& d) { d.confirm(); });
        QVERIFY(dropFiles(&preview(), imageAt, {picture}));
        QTRY_VERIFY(*confirmed);
        QCOMPARE(undoText(), QStringLiteral("画像の挿入を元に戻す(&U)"));
        QVERIFY(items().inUse(ItemKind::Image, 1));
        QCOMPARE(items().image(1).ImagePath, picture);
        // Placed at the drop point (whole pixels of the small display).
        const QPoint image(items().image(1).X, items().image(1).Y);
        QVERIFY(qAbs(image.x() - 2700) <= 90 && qAbs(image.y() - 2700) <= 90);

        const auto edited = whenShown<preview::TextItemDialog>([](preview::TextItemDialog& d) {
            d.textField()->setPlainText(QStringLiteral("二\n行"));
            d.confirm();
        });
        rightClickCommand(onPage(inserted.x(), inserted.y()), "MnuEditLabel");
        QVERIFY(*edited);
        QCOMPARE(undoText(), QStringLiteral("文字の編集を元に戻す(&U)"));
        // A drag of many moves is one step.
        const int steps = doc().history().count();
        drag(onPage(inserted.x(), inserted.y()),
             {onPage(1000, 1000), onPage(1200, 1100), onPage(1500, 1500)});
        QCOMPARE(doc().history().count(), steps + 1);
        QCOMPARE(undoText(), QStringLiteral("文字の移動を元に戻す(&U)"));
        const QPoint moved(items().text(1).X, items().text(1).Y);
        QCOMPARE(moved, inserted + QPoint(500, 500)); // by the pointer's way after grabbing
        rightClickCommand(onPage(image.x(), image.y()), "MnuDeleteImage");
        QCOMPARE(undoText(), QStringLiteral("画像の削除を元に戻す(&U)"));
        QVERIFY(!items().inUse(ItemKind::Image, 1));
        rig.answers.fileAnswers = {path("full.kvs2")};
        rig.answers.boxAnswers = {MsgAnswer::Discard};
        trigger("mnuSettei_Open");
        QCOMPARE(boxTexts(), QStringList({QStringLiteral("本当に削除しますか？"),
                                          QStringLiteral("変更を保存しますか？")}));
        QCOMPARE(undoText(), QStringLiteral("「full.kvs2」の読み込みを元に戻す(&U)"));

        const QString end = path("end.kvs2");
        rig.answers.fileAnswers = {end};
        trigger("mnuSettei_Save");
        const QByteArray endBytes = fileBytes(end);
        QCOMPARE(endBytes, fileBytes(path("full.kvs2")));

        // Back step by step.
        undo(); // the load: the page before it, slots and all
        QCOMPARE(form().text(ctl::txtSpaceSizeUp), QStringLiteral("30"));
        QVERIFY(form().isChecked(ctl::optA4));
        QCOMPARE(int(items().count(ItemKind::Text)), 1);
        QCOMPARE(int(items().count(ItemKind::Image)), 1);
        QCOMPARE(items().text(1).Text, QStringLiteral("二\r\n行"));
        QCOMPARE(doc().currentFile(), QString());
        QVERIFY(doc().isModified());
        undo(); // the deletion: the same slot, its picture
        QVERIFY(items().inUse(ItemKind::Image, 1));
        QVERIFY(!items().image(1).Picture.isEmpty());
        QVERIFY(preview().page()->imageElement(1).visible);
        undo(); // the move
        QCOMPARE(QPoint(items().text(1).X, items().text(1).Y), inserted);
        undo(); // the edit
        QCOMPARE(items().text(1).Text, QStringLiteral("一"));
        undo(); // the picture's insert
        QVERIFY(!items().inUse(ItemKind::Image, 1));
        QVERIFY(!preview().page()->imageElement(1).visible);
        undo(); // the text's insert
        QVERIFY(!items().inUse(ItemKind::Text, 1));
        QVERIFY(!action(main(), QStringLiteral("mnuEdit_Undo"))->isEnabled());
        QCOMPARE(undoText(), QStringLiteral("元に戻す(&U)"));
        rig.answers.fileAnswers = {path("start.kvs2")};
        trigger("mnuSettei_Save");
        QCOMPARE(fileBytes(path("start.kvs2")), fileBytes(path("empty_page.kvs2")));

        // And forward again, from the preview's own commands.
        for (int i = 0; i < 5; ++i)
            action(preview(), QStringLiteral("actRedo"))->trigger();
        QCOMPARE(QPoint(items().text(1).X, items().text(1).Y), moved);
        QCOMPARE(items().text(1).Text, QStringLiteral("二\r\n行"));
        QVERIFY(!items().inUse(ItemKind::Image, 1));
        redo();
        QCOMPARE(doc().currentFile(), path("full.kvs2"));
        QCOMPARE(title(), QStringLiteral("ペルノアVer2.2 - full.kvs2*")); // clean where saved last
        rig.answers.fileAnswers = {end};
        trigger("mnuSettei_Save");
        QCOMPARE(fileBytes(end), endBytes);
        QVERIFY(boxTexts().isEmpty());
    }

    // Field edits: typing in one field is one step, an option is one each.
    void fieldSteps() {
        form().setText(ctl::txtSpaceSizeUp, QStringLiteral("3"));
        form().setText(ctl::txtSpaceSizeUp, QStringLiteral("35"));
        QCOMPARE(undoText(), QStringLiteral("上マージンの変更を元に戻す(&U)"));
        form().setChecked(ctl::optB4, true);
        QCOMPARE(undoText(), QStringLiteral("B4の選択を元に戻す(&U)"));
        QCOMPARE(preview().page()->widthTwips(), 4857);
        undo();
        QVERIFY(form().isChecked(ctl::optA4));
        QCOMPARE(preview().page()->widthTwips(), 3969); // the handler ran
        undo();
        QCOMPARE(form().text(ctl::txtSpaceSizeUp), QStringLiteral("30"));
        QVERIFY(!doc().isModified());
        redo();
        QCOMPARE(form().text(ctl::txtSpaceSizeUp), QStringLiteral("35"));
        // After a save, the next keystroke is a step of its own.
        rig.answers.fileAnswers = {path("fields.kvs2")};
        trigger("mnuSettei_Save");
        form().setText(ctl::txtSpaceSizeUp, QStringLiteral("36"));
        undo();
        QCOMPARE(form().text(ctl::txtSpaceSizeUp), QStringLiteral("35"));
        QVERIFY(!doc().isModified());
    }

    // The third tab's fields are the page's: the stack row by row is a field
    // step, a preset or a staff size one step however many fields it fills,
    // and a file with music loads as one step back to the page before.
    void musicSteps() {
        form().setText(ctl::txtFuhyoNarabi, QStringLiteral("treble"));
        QCOMPARE(undoText(), QStringLiteral("譜表の並び（上から）の変更を元に戻す(&U)"));
        undo();
        QCOMPARE(form().text(ctl::txtFuhyoNarabi), QString());
        QVERIFY(!doc().isModified());

        auto* presets = main().findChild<QComboBox*>(QStringLiteral("lstHinagata"));
        emit presets->activated(presets->findText(QStringLiteral("ピアノ")));
        QCOMPARE(undoText(), QStringLiteral("ひな形の選択を元に戻す(&U)"));
        QCOMPARE(form().text(ctl::txtFuhyoNarabi), QStringLiteral("treble:5,bass:5"));
        QVERIFY(form().isChecked(ctl::optKukuriBrace));
        QCOMPARE(form().text(ctl::txtTavriDansu), QStringLiteral("2"));
        const int steps = doc().history().count();
        // The same preset again changes nothing: no step.
        emit presets->activated(presets->findText(QStringLiteral("ピアノ")));
        QCOMPARE(doc().history().count(), steps);
        rig.answers.fileAnswers = {path("piano.kvs2")};
        trigger("mnuSettei_Save");
        undo();
        QCOMPARE(form().text(ctl::txtFuhyoNarabi), QString());
        QVERIFY(form().isChecked(ctl::optKukuriNashi));
        QCOMPARE(form().text(ctl::txtTavriDansu), QStringLiteral("10"));
        QCOMPARE(form().text(ctl::txtDaifuhyoCnt), QStringLiteral("1"));

        auto* rastral = main().findChild<QComboBox*>(QStringLiteral("lstRastral"));
        emit rastral->activated(rastral->findData(3));
        QCOMPARE(undoText(), QStringLiteral("五線の大きさ（ラストラル）の選択を元に戻す(&U)"));
        QCOMPARE(form().text(ctl::txtLineInterval), QStringLiteral("1.55"));
        undo();
        QCOMPARE(form().text(ctl::txtLineInterval), QStringLiteral("2"));

        rig.answers.fileAnswers = {path("piano.kvs2")};
        rig.answers.boxAnswers = {MsgAnswer::Discard};
        trigger("mnuSettei_Open");
        QCOMPARE(form().text(ctl::txtFuhyoNarabi), QStringLiteral("treble:5,bass:5"));
        QVERIFY(!doc().isModified());
        undo();
        QCOMPARE(form().text(ctl::txtFuhyoNarabi), QString());
        QVERIFY(form().isChecked(ctl::optKukuriNashi));
        redo();
        QVERIFY(form().isChecked(ctl::optKukuriBrace));
    }

    // A load that cannot read the file changes nothing and is no step; one
    // that reads part of it is a step, and the page modified.
    void badFiles() {
        insertText(onPage(450, 450), QStringLiteral("前"));
        const int steps = doc().history().count();
        rig.answers.fileAnswers = {path("no_parameter_section.kvs2")};
        rig.answers.boxAnswers = {MsgAnswer::Discard};
        trigger("mnuSettei_Open");
        QCOMPARE(boxTexts(), QStringList({QStringLiteral("変更を保存しますか？"),
                                          QStringLiteral("五線の設定が読み込めませんでした。")}));
        QCOMPARE(doc().history().count(), steps);
        QVERIFY(items().inUse(ItemKind::Text, 1));
        QCOMPARE(items().text(1).Text, QStringLiteral("前"));
        QCOMPARE(title(), QStringLiteral("ペルノアVer2.2*"));

        rig.answers.fileAnswers = {path("missing_second_picture.kvs2")};
        rig.answers.boxAnswers = {MsgAnswer::Discard};
        trigger("mnuSettei_Open");
        QCOMPARE(boxTexts().size(), 2); // the question, the picture's message
        QCOMPARE(doc().history().count(), steps + 1);
        QCOMPARE(title(), QStringLiteral("ペルノアVer2.2 - missing_second_picture.kvs2*"));
        undo();
        QCOMPARE(items().text(1).Text, QStringLiteral("前"));

        // Dropped: the same rules, and the reader's messages.
        QFile broken(path("broken.kvs2"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a settings file\r\n");
        broken.close();
        rig.answers.boxAnswers = {MsgAnswer::Discard};
        QVERIFY(dropFiles(&main(), QPointF(20, 20), {broken.fileName()}));
        QCOMPARE(boxTexts(), QStringList({QStringLiteral("変更を保存しますか？"),
                                          QStringLiteral("五線の設定が読み込めませんでした。")}));
        QCOMPARE(items().text(1).Text, QStringLiteral("前"));
    }

    // Settings files dropped on either window open with the question;
    // pictures only on the page; anything else, and several files, are
    // refused while they are dragged.
    void drops() {
        const QString settings = path("full.kvs2");
        const QString picture = makePicture("drop.bmp");
        const QString text = path("note.txt");
        QFile note(text);
        QVERIFY(note.open(QIODevice::WriteOnly));
        note.write("hello");
        note.close();
        QLineEdit* field = main().findChild<QLineEdit*>(QString::fromLatin1(ctl::txtSpaceSizeUp));
        const QPointF page = preview().page()->mapTo(&preview(), QPoint(30, 30));
        const QPointF beside = preview().page()->mapTo(&preview(), QPoint(-6, 30));

        QVERIFY(!dragFiles(&main(), QPointF(20, 20), {picture}));
        QVERIFY(!dragFiles(&main(), QPointF(20, 20), {text}));
        QVERIFY(!dragFiles(&main(), QPointF(20, 20), {settings, path("empty_page.kvs2")}));
        QVERIFY(!dragFiles(field, QPointF(5, 5), {text}));
        QVERIFY(!dragFiles(&preview(), page, {text}));
        QVERIFY(!dragFiles(&preview(), page, {picture, picture}));
        QVERIFY(!dragFiles(&preview(), beside, {picture}));
        QVERIFY(dragFiles(&preview(), beside, {settings}));
        QCOMPARE(doc().history().count(), 0);
        QCOMPARE(form().text(ctl::txtSpaceSizeUp), QStringLiteral("30"));

        // Onto a field: opened, not typed in.
        QVERIFY(dropFiles(field, QPointF(5, 5), {settings}));
        QCOMPARE(form().text(ctl::txtSpaceSizeUp), QStringLiteral("25"));
        QCOMPARE(title(), QStringLiteral("ペルノアVer2.2 - full.kvs2"));
        QVERIFY(boxTexts().isEmpty());

        // Onto the preview with changes: the question first.
        form().setText(ctl::txtSpaceSizeUp, QStringLiteral("1"));
        rig.answers.boxAnswers = {MsgAnswer::Cancel};
        QVERIFY(dropFiles(&preview(), page, {path("empty_page.kvs2")}));
        QCOMPARE(boxTexts(),
                 QStringList({QStringLiteral("「full.kvs2」への変更を保存しますか？")}));
        QCOMPARE(form().text(ctl::txtSpaceSizeUp), QStringLiteral("1"));
        rig.answers.boxAnswers = {MsgAnswer::Discard};
        QVERIFY(dropFiles(&preview(), page, {path("empty_page.kvs2")}));
        QCOMPARE(boxTexts().size(), 1);
        QCOMPARE(form().text(ctl::txtSpaceSizeUp), QStringLiteral("30"));
        // The next save dialog offers the dropped file.
        trigger("mnuSettei_Save");
        QCOMPARE(rig.answers.takeFileDialogs().last().selectedFiles,
                 QStringList({path("empty_page.kvs2")}));

        // A picture that turns out not to load: the dialog says so and the
        // page stays as it was.
        const QString fake = path("fake.bmp");
        QVERIFY(QFile::copy(picture, fake));
        const int steps = doc().history().count();
        const auto confirmed =
            whenShown<preview::ImageItemDialog>([fake](preview::ImageItemDialog& d) {
                QFile::resize(fake, 20); // cut short after the drop
                d.confirm();
            });
        QVERIFY(dropFiles(&preview(), page, {fake}));
        QTRY_VERIFY(*confirmed);
        QCOMPARE(boxTexts(), QStringList({QStringLiteral(
                                 "画像の取得に失敗しました。\r\nこの画像の情報を削除します。")}));
        QCOMPARE(doc().history().count(), steps);
        QVERIFY(!items().inUse(ItemKind::Image, 1));
    }

    // An inserted picture whose file is deleted afterwards is still undone
    // and redone: the picture is held in memory.
    void undoAfterThePictureFileWentAway() {
        const QString picture = makePicture("gone.bmp");
        const auto confirmed =
            whenShown<preview::ImageItemDialog>([](preview::ImageItemDialog& d) { d.confirm(); });
        QVERIFY(
            dropFiles(&preview(), preview().page()->mapTo(&preview(), QPoint(40, 40)), {picture}));
        QTRY_VERIFY(*confirmed);
        const QImage image = items().image(1).Picture.image;
        QVERIFY(!image.isNull());
        QVERIFY(QFile::remove(picture));
        undo();
        QVERIFY(!items().inUse(ItemKind::Image, 1));
        redo();
        QVERIFY(items().inUse(ItemKind::Image, 1));
        QCOMPARE(items().image(1).Picture.image, image);
        QCOMPARE(preview().page()->imageElement(1).visible, true);
    }

    // The recent files: newest first, five at most, Ctrl+1 ... Ctrl+5, kept
    // across a restart; one that has gone is dropped when chosen.
    void recentFiles() {
        QCOMPARE(main().findChild<QAction*>(QStringLiteral("mnuSettei_Recent1")), nullptr);
        QStringList names;
        for (int i = 1; i <= 6; ++i) {
            names << QStringLiteral("r%1.kvs2").arg(i);
            rig.answers.fileAnswers = {folder.filePath(names.last())};
            trigger("mnuSettei_Save");
        }
        rig.answers.fileAnswers = {path("full.kvs2")};
        trigger("mnuSettei_Open");
        rig.reset();
        start();
        const QStringList expected = {QStringLiteral("full.kvs2"), names[5], names[4], names[3],
                                      names[2]};
        for (int i = 0; i < 5; ++i) {
            QAction* entry = action(main(), QStringLiteral("mnuSettei_Recent%1").arg(i + 1));
            QCOMPARE(entry->text(), QStringLiteral("&%1 %2").arg(i + 1).arg(expected[i]));
            QCOMPARE(entry->shortcut(), QKeySequence(Qt::CTRL | (Qt::Key_1 + i)));
        }
        QCOMPARE(main().findChild<QAction*>(QStringLiteral("mnuSettei_Recent6")), nullptr);

        QVERIFY(QFile::remove(folder.filePath(names[5])));
        trigger("mnuSettei_Recent2");
        QCOMPARE(boxTexts(), QStringList({QStringLiteral("設定ファイルが開けません")}));
        QCOMPARE(doc().history().count(), 0);
        QCOMPARE(action(main(), QStringLiteral("mnuSettei_Recent2"))->text(),
                 QStringLiteral("&2 %1").arg(names[4]));
        QCOMPARE(main().findChild<QAction*>(QStringLiteral("mnuSettei_Recent5")), nullptr);
        trigger("mnuSettei_Recent1");
        QCOMPARE(doc().currentFile(), path("full.kvs2"));
    }
};

QTEST_MAIN(DocumentTest)
#include "tst_document.moc"
