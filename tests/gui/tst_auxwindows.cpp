// The printer selection dialog, the help window and the About box, and the
// main window's keyboard focus: Tab through the darkness scroll bar and into
// option groups at their selected button.

#include "document/document.h"
#include "engine/controls.h"
#include "engine/tavriengine.h"
#include "fixedprinterlist.h"
#include "overlay/overlayitems.h"
#include "presetanswers.h"
#include "recorders.h"
#include "ui/aboutbox.h"
#include "ui/filecommands.h"
#include "ui/formcontrols.h"
#include "ui/helpwindow.h"
#include "ui/mainwindow.h"
#include "ui/printerdialog.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWindow>

using namespace pernoa;
using pernoa::test::FixedPrinterList;
using pernoa::ui::AboutBox;
using pernoa::ui::HelpWindow;
using pernoa::ui::MainWindow;
using pernoa::ui::PrinterDialog;

namespace {

template <typename T> T* child(QWidget* parent, const QString& name, int index = -1) {
    for (T* w : parent->findChildren<T*>(name))
        if (index < 0 || w->property("index").toInt() == index)
            return w;
    qFatal("no %s %d", qPrintable(name), index);
    return nullptr;
}

QColor textColour(const QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}

QListWidget* printerList(PrinterDialog& d) {
    return child<QListWidget>(&d, QStringLiteral("lstSelectPrinter"));
}

QStringList rows(QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

int selectedRow(QListWidget* list) {
    const QList<QListWidgetItem*> s = list->selectedItems();
    return s.isEmpty() ? -1 : list->row(s.first());
}

// The main window on what it works on, without the rest of the program.
struct MainRig {
    test::RecordingMessages messages;
    ui::FormControls form;
    TavriEngine engine{form, messages};
    overlay::OverlayItems items{engine.settings(), messages};
    test::PresetAnswers answers;
    document::Document document{engine, items, QString()};
    ui::FileCommands files{engine, document, QString(), answers};
    FixedPrinterList printers;
    MainWindow main{form, engine, files, printers};

    MainRig() { engine.initStartValues(); }
};

// Receives the addresses the desktop would open.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

} // namespace

class AuxWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void printerDialogOpening_data();
    void printerDialogOpening();
    void printerDialogOk_data();
    void printerDialogOk();
    void printerDialogClosedThroughFrameChangesNothing();
    void mainWindowOpensPrinterDialogModal();

    void helpTexts_data();
    void helpTexts();
    void helpLooks();
    void aboutBox();
    void aboutLink();
    void oneHelpWindowAndOneAboutBox();

    void tabReachesDarknessScrollBar();
    void tabEntersOptionGroupAtSelection_data();
    void tabEntersOptionGroupAtSelection();
};

void AuxWindowsTest::initTestCase() {
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPointSize(9);
    QApplication::setFont(font);
}

void AuxWindowsTest::printerDialogOpening_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("current");
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("scheduler");
    QTest::newRow("default current")
        << QStringList{"Laser", "Inkjet", "PDF"} << "Inkjet" << 1 << true;
    QTest::newRow("case counts") << QStringList{"office", "Office"} << "Office" << 1 << true;
    QTest::newRow("current not listed") << QStringList{"Laser", "PDF"} << "Gone" << -1 << true;
    QTest::newRow("no printer") << QStringList{} << "" << -1 << true;
    QTest::newRow("no scheduler") << QStringList{} << "" << -1 << false;
}

void AuxWindowsTest::printerDialogOpening() {
    QFETCH(QStringList, names);
    QFETCH(QString, current);
    QFETCH(int, selected);
    QFETCH(bool, scheduler);
    FixedPrinterList printers;
    printers.names = names;
    printers.current = current;
    printers.scheduler = scheduler;
    PrinterDialog dialog(printers);
    QCOMPARE(dialog.objectName(), QStringLiteral("frmSetPrinter"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("ペルノア－使用するプリンターの設定"));
    QVERIFY(
        !(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QCOMPARE(child<QPushButton>(&dialog, "cmdOK")->text(), QStringLiteral("OK"));
    QCOMPARE(rows(printerList(dialog)), names);
    QCOMPARE(selectedRow(printerList(dialog)), selected);
    QCOMPARE(child<QLabel>(&dialog, "lblSelectPrinter")->text(),
             !names.isEmpty() ? QStringLiteral("印刷に使用するプリンターを選択してください")
             : scheduler ? PrinterDialog::noPrinterText()
                         : PrinterDialog::noSchedulerText());
    // Shown and confirmed at once, nothing changes.
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Return);
    QCOMPARE(printers.current, current);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void AuxWindowsTest::printerDialogOk_data() {
    QTest::addColumn<int>("choose");
    QTest::addColumn<bool>("vanishes");
    QTest::addColumn<QString>("after");
    QTest::newRow("another printer") << 2 << false << "PDF";
    QTest::newRow("nothing selected") << -1 << false << "Inkjet";
    QTest::newRow("printer vanished") << 0 << true << "Inkjet";
}

void AuxWindowsTest::printerDialogOk() {
    QFETCH(int, choose);
    QFETCH(bool, vanishes);
    QFETCH(QString, after);
    FixedPrinterList printers;
    printers.names = QStringList{"Laser", "Inkjet", "PDF"};
    printers.current = QStringLiteral("Inkjet");
    {
        PrinterDialog dialog(printers);
        QListWidget* list = printerList(dialog);
        if (choose < 0)
            list->clearSelection();
        else
            list->setCurrentRow(choose);
        if (vanishes)
            printers.names.removeAt(choose);
        QTest::mouseClick(child<QPushButton>(&dialog, "cmdOK"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    }
    QCOMPARE(printers.current, after);
    // Reopened, the dialog shows the printer now current.
    PrinterDialog again(printers);
    QCOMPARE(printerList(again)->selectedItems().value(0)
                 ? printerList(again)->selectedItems().first()->text()
                 : QString(),
             printers.names.contains(after) ? after : QString());
}

void AuxWindowsTest::printerDialogClosedThroughFrameChangesNothing() {
    FixedPrinterList printers;
    printers.names = QStringList{"Laser", "Inkjet"};
    printers.current = QStringLiteral("Laser");
    PrinterDialog dialog(printers);
    dialog.show();
    printerList(dialog)->setCurrentRow(1);
    dialog.close();
    QCOMPARE(printers.current, QStringLiteral("Laser"));
    QCOMPARE(printers.changes, 0);
}

void AuxWindowsTest::mainWindowOpensPrinterDialogModal() {
    MainRig rig;
    FixedPrinterList& printers = rig.printers;
    printers.names = QStringList{"Laser", "Inkjet"};
    printers.current = QStringLiteral("Laser");
    MainWindow& main = rig.main;
    main.show();
    QString seen;
    Qt::WindowModality modality = Qt::NonModal;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<PrinterDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen = dialog->objectName();
        modality = dialog->windowModality();
        printerList(*dialog)->setCurrentRow(1);
        child<QPushButton>(dialog, "cmdOK")->click();
    });
    child<QPushButton>(&main, "cmdSetPrinter")->click();
    QCOMPARE(seen, QStringLiteral("frmSetPrinter"));
    QCOMPARE(modality, Qt::ApplicationModal);
    QCOMPARE(printers.current, QStringLiteral("Inkjet"));
}

void AuxWindowsTest::helpTexts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::newRow("title") << "Label1" << 0 << "ペルノア　Ver2.0";
    QTest::newRow("subtitle") << "Label1" << 1 << "のヘルプ";
    QTest::newRow("excuse") << "Label2" << -1
                            << "ヘルプエディタ、持ってないんです。これで勘弁してください。";
    QTest::newRow("purpose")
        << "Label4" << -1
        << "コンピュータ譜面は綺麗でいいけど、魂が入ってない為か何か味気なく、そして見にくいですね"
           "。"
           "そんなことはいいとして、このソフトは、市販の五線譜では段数が多すぎる、少なすぎるけどコ"
           "ン"
           "ピュータ譜面は使いたくない、試し書き（写譜など）したいというときなどにご使用ください。";
    QTest::newRow("usage") << "Label6" << -1
                           << "このソフトの使い方は見たままです。ということで・・・";
    QTest::newRow("heading") << "Label3" << -1 << "◎使用されている語句の説明";
    QTest::newRow("note 1") << "Label5" << 0 << "・単位はｍｍで、小数点以下も設定可能です。";
    QTest::newRow("note 2") << "Label5" << 1 << "・五線の間隔は自動で計算してくれます。";
    QTest::newRow("note 3") << "Label5" << 2 << "・プリンタによっては下方向に６ｍｍほどずれます。";
}

void AuxWindowsTest::helpTexts() {
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QString, text);
    HelpWindow help;
    QLabel* label = child<QLabel>(&help, name, index);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->textFormat(), Qt::PlainText);
}

void AuxWindowsTest::helpLooks() {
    HelpWindow help;
    QCOMPARE(help.objectName(), QStringLiteral("Form3"));
    QCOMPARE(help.windowTitle(), QStringLiteral("ペルノアのへるぷ"));
    QCOMPARE(help.palette().color(QPalette::Window), QColor(Qt::white));
    QLabel* title = child<QLabel>(&help, "Label1", 0);
    QLabel* subtitle = child<QLabel>(&help, "Label1", 1);
    QCOMPARE(textColour(title), QColor(0, 128, 0));
    QCOMPARE(textColour(subtitle), QColor(0, 0, 128));
    QVERIFY(title->font().bold());
    QCOMPARE(subtitle->font(), title->font());
    QVERIFY(title->font().pointSizeF() > 2 * QApplication::font().pointSizeF());
    QCOMPARE(textColour(child<QLabel>(&help, "Label3")), QColor(255, 0, 0));
    QVERIFY(child<QLabel>(&help, "Label3")->font().bold());
    QCOMPARE(child<QLabel>(&help, "Label2")->palette().color(QPalette::Window),
             QColor(255, 255, 192));

    auto* diagram = child<QSvgWidget>(&help, "Image1");
    QVERIFY(diagram->renderer()->isValid());
    QCOMPARE(diagram->renderer()->defaultSize(), QSize(339, 222));
    QCOMPARE(diagram->size(), QSize(339, 222));

    auto* ok = child<QPushButton>(&help, "Command1");
    QCOMPARE(ok->text(), QStringLiteral("ＯＫ"));
    // Resizable; growing keeps the content in place, "ＯＫ" at the bottom right.
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QVERIFY(help.maximumSize().height() > help.height());
    const QPoint titleAt = title->pos();
    help.resize(help.width() + 120, help.height() + 150);
    QCoreApplication::processEvents();
    QCOMPARE(title->y(), titleAt.y());
    QVERIFY(qAbs(help.width() - ok->geometry().right()) < 30);
    QVERIFY(qAbs(help.height() - ok->geometry().bottom()) < 30);
    QVERIFY(diagram->geometry().bottom() < child<QLabel>(&help, "Label5", 0)->y());
    ok->click();
    QVERIFY(!help.isVisible());
}

void AuxWindowsTest::aboutBox() {
    AboutBox about;
    QCOMPARE(about.objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(about.windowTitle(), QStringLiteral("ペルノアのﾊﾞｰｼﾞｮﾝ情報"));
    QVERIFY(!(about.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QCOMPARE(about.palette().color(QPalette::Window), QColor(Qt::white));
    QLabel* title = child<QLabel>(&about, "lblTitle");
    QCOMPARE(title->text(), QStringLiteral("ペルノア"));
    QCOMPARE(textColour(title), QColor(0, 128, 0));
    QVERIFY(title->font().bold());
    QLabel* version = child<QLabel>(&about, "lblVersion");
    QCOMPARE(version->text(), QStringLiteral("Ｖｅｒ　２．２"));
    QCOMPARE(textColour(version), QColor(0, 0, 255));
    QVERIFY(version->font().bold());
    QVERIFY(child<QLabel>(&about, "lblDescription")
                ->text()
                .endsWith(
                    QStringLiteral("このソフトの最新版は以下のＵＲＬにあります。クリックするとジャ"
                                   "ンプします。ご意見・バグ報告も以下のＵＲＬのソフトサポート"
                                   "掲示板まで")));
    QCOMPARE(child<QLabel>(&about, "lblDisclaimer")->text(),
             QStringLiteral("警告:バグがあったらごめんね。"));
    QVERIFY(!child<QLabel>(&about, "picIcon")->pixmap().isNull());
    QCOMPARE(about.findChildren<QFrame*>("Line1").size(), 2);

    auto* ok = child<QPushButton>(&about, "cmdOK");
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(ok->isDefault());
    // Esc closes it as "OK" does.
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QTest::keyClick(&about, Qt::Key_Escape);
    QVERIFY(!about.isVisible());
}

void AuxWindowsTest::aboutLink() {
    AboutBox about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QLabel* url = child<QLabel>(&about, "lblUrl");
    QCOMPARE(url->text(), AboutBox::homePage());
    QVERIFY(url->text().startsWith(QLatin1String("https://")));
    QCOMPARE(textColour(url), QColor(Qt::black));

    QLabel* version = child<QLabel>(&about, "lblVersion");
    const QPoint background(about.width() - 4, url->geometry().bottom() + 6);
    QCOMPARE(about.childAt(background), nullptr);
    // Over the link blue, onto another label still blue, over the background black.
    // Through the window, as the pointer moves: Qt 6.4 moves a widget's
    // pointer by placing the cursor, which the offscreen platform ignores.
    QWindow* window = about.windowHandle();
    QTest::mouseMove(window, url->geometry().center());
    QCOMPARE(textColour(url), QColor(0, 0, 255));
    QTest::mouseMove(window, version->geometry().center());
    QCOMPARE(textColour(url), QColor(0, 0, 255));
    QTest::mouseMove(window, background);
    QCOMPARE(textColour(url), QColor(0, 0, 0));

    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "open");
    QTest::mouseClick(url, Qt::LeftButton, {}, url->rect().center());
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(recorder.opened, QList<QUrl>{QUrl(AboutBox::homePage())});
}

void AuxWindowsTest::oneHelpWindowAndOneAboutBox() {
    MainRig rig;
    MainWindow& main = rig.main;
    main.show();
    QVERIFY(main.helpWindow() == nullptr);
    child<QPushButton>(&main, "cmdShowHelp")->click();
    HelpWindow* help = main.helpWindow();
    QVERIFY(help && help->isVisible());
    help->showMinimized();
    main.findChild<QAction*>("mnuHelp_View")->trigger();
    QCOMPARE(main.helpWindow(), help);
    QVERIFY(help->isVisible() && !help->isMinimized());
    QCOMPARE(main.findChildren<HelpWindow*>().size(), 1);

    main.findChild<QAction*>("mnuHelp_Ver")->trigger();
    AboutBox* about = main.aboutBox();
    QVERIFY(about && about->isVisible());
    QVERIFY(!about->isModal());
    main.findChild<QAction*>("mnuHelp_Ver")->trigger();
    QCOMPARE(main.aboutBox(), about);
    QCOMPARE(main.findChildren<AboutBox*>().size(), 1);

    // Closed by its button, the help window goes; the next command opens a new one.
    child<QPushButton>(help, "Command1")->click();
    QTRY_VERIFY(main.helpWindow() == nullptr);
    child<QPushButton>(&main, "cmdShowHelp")->click();
    QVERIFY(main.helpWindow() && main.helpWindow()->isVisible());
}

void AuxWindowsTest::tabReachesDarknessScrollBar() {
    MainRig rig;
    MainWindow& main = rig.main;
    main.show();
    QApplication::setActiveWindow(&main);
    QVERIFY(QTest::qWaitForWindowActive(&main));
    auto* offset = child<QWidget>(&main, ctl::txtPrinterBairituY);
    auto* bar = child<QScrollBar>(&main, ctl::sbrPrintShade);
    offset->setFocus();
    const QImage unfocused = bar->grab().toImage();
    QTest::keyClick(offset, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), bar);
    // It shows that it has the focus, and stops showing it when Tab goes on.
    QVERIFY(bar->grab().toImage() != unfocused);
    QTest::keyClick(bar, Qt::Key_Tab);
    QVERIFY(bar->grab().toImage() == unfocused);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), bar);
    // Each key and the value it leaves, from 0.
    const QList<QPair<Qt::Key, int>> keys = {{Qt::Key_Right, 1},
                                             {Qt::Key_Down, 2},
                                             {Qt::Key_PageDown, 2 + bar->pageStep()},
                                             {Qt::Key_Left, 1 + bar->pageStep()},
                                             {Qt::Key_PageUp, 1},
                                             {Qt::Key_Up, 0}};
    for (const auto& [key, value] : keys) {
        QTest::keyClick(bar, key);
        QCOMPARE(bar->value(), value);
    }
}

void AuxWindowsTest::tabEntersOptionGroupAtSelection_data() {
    QTest::addColumn<QString>("select"); // "" keeps the start values
    QTest::addColumn<bool>("byMouse");
    QTest::addColumn<QString>("from");
    QTest::addColumn<bool>("backwards");
    QTest::addColumn<QString>("expected");
    QTest::newRow("paper at start") << "" << false << ctl::sbrPrintShade << false << ctl::optA4;
    QTest::newRow("paper set by program")
        << ctl::optB4 << false << ctl::sbrPrintShade << false << ctl::optB4;
    QTest::newRow("paper clicked, back-tab")
        << ctl::optB5 << true << ctl::txtNiniHaba << true << ctl::optB5;
    QTest::newRow("paper of the user's size, back-tab from its field")
        << ctl::optNini << true << ctl::txtNiniHaba << true << ctl::optNini;
    QTest::newRow("display size at start")
        << "" << false << ctl::chkPrintDirectionYoko << false << ctl::opbHyojiSmall;
    QTest::newRow("line count at start")
        << "" << false << ctl::txtLineInterval << false << ctl::opt5;
    QTest::newRow("line count set by program")
        << ctl::opt3 << false << ctl::txtLineInterval << false << ctl::opt3;
}

void AuxWindowsTest::tabEntersOptionGroupAtSelection() {
    QFETCH(QString, select);
    QFETCH(bool, byMouse);
    QFETCH(QString, from);
    QFETCH(bool, backwards);
    QFETCH(QString, expected);
    MainRig rig;
    MainWindow& main = rig.main;
    main.show();
    QApplication::setActiveWindow(&main);
    QVERIFY(QTest::qWaitForWindowActive(&main));
    if (expected == QLatin1String(ctl::opt3) || expected == QLatin1String(ctl::opt5))
        main.findChild<QTabWidget*>("SSTab1")->setCurrentIndex(1);
    if (!select.isEmpty()) {
        auto* option = child<QRadioButton>(&main, select);
        if (byMouse)
            QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
        else
            rig.form.setChecked(select, true);
        QVERIFY(option->isChecked());
    }
    QWidget* start = child<QWidget>(&main, from);
    start->setFocus();
    QTest::keyClick(start, Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), expected);
}

QTEST_MAIN(AuxWindowsTest)
#include "tst_auxwindows.moc"
