// The program's windows together: the main window's controls and start-up
// values, its handlers through the engine, the preview window beside it, and
// shutdown. Message boxes are pre-answered and recorded.

#include "engine/controls.h"
#include "engine/headlessform.h"
#include "engine/tavriengine.h"
#include "overlay/overlayitems.h"
#include "presetanswers.h"
#include "preview/previewwindow.h"
#include "ui/formcontrols.h"
#include "ui/gui.h"
#include "ui/mainwindow.h"
#include "ui/messagebox.h"
#include "ui/staffstackeditor.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>

using namespace pernoa;
using pernoa::ui::GuiProgram;
using pernoa::ui::MessageBoxes;

namespace {

const QString kReference = QStringLiteral("16.5335292964923");

} // namespace

namespace {

// The place of a control in the main window.
QRect placeOf(const QWidget* w) {
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

// Controls in reading order: rows top to bottom (a row is the controls whose
// heights overlap), each row left to right.
QList<QWidget*> readingOrder(QList<QWidget*> controls) {
    std::sort(controls.begin(), controls.end(),
              [](QWidget* a, QWidget* b) { return placeOf(a).top() < placeOf(b).top(); });
    QList<QWidget*> ordered;
    while (!controls.isEmpty()) {
        QList<QWidget*> row{controls.takeFirst()};
        int bottom = placeOf(row.first()).bottom();
        while (!controls.isEmpty() && placeOf(controls.first()).top() <= bottom) {
            bottom = qMax(bottom, placeOf(controls.first()).bottom());
            row << controls.takeFirst();
        }
        std::sort(row.begin(), row.end(),
                  [](QWidget* a, QWidget* b) { return placeOf(a).left() < placeOf(b).left(); });
        ordered << row;
    }
    return ordered;
}

// The controls that can take the focus among the children of a widget; with
// the frames (group boxes) apart or not.
QList<QWidget*> focusable(QWidget* parent, bool inFrames) {
    QList<QWidget*> out;
    for (QWidget* w : parent->findChildren<QWidget*>()) {
        const bool inFrame = qobject_cast<QGroupBox*>(w->parentWidget()) != nullptr;
        if (w->focusPolicy() != Qt::NoFocus && inFrame == inFrames)
            out << w;
    }
    return out;
}

QStringList names(const QList<QWidget*>& widgets) {
    QStringList out;
    for (const QWidget* w : widgets)
        out << w->objectName();
    return out;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowTextsAndMenus();
    void startUpValues_data();
    void startUpValues();
    void fieldCaptionsAndUnits_data();
    void fieldCaptionsAndUnits();
    void numberFieldsUseFixedPitchFont();
    void focusOrderFollowsRows();
    void previewSitsBesideMainWindow();
    void previewStaysClearOfTheMainWindow_data();
    void previewStaysClearOfTheMainWindow();
    void boxesStandOverTheWindowInUse();

    void previewCommandDrawsThePage();
    void emptyBottomMarginDrawsNothing();
    void valueLongerThanTheFieldIsRefused();
    void itemsFollowTheDisplaySizeAndAskBeforeDeleting();
    void pageSizes_data();
    void pageSizes();
    void customPaperSize();
    void landscapeWithA3();
    void copyCountGuard_data();
    void copyCountGuard();
    void darknessLabelFollowsScrollBar();
    void printCommandChecksTheCopyCount();
    void closedPreviewComesBack();

    void formRoundTrip_data();
    void formRoundTrip();
    void formChangesRunTheHandlers();

    void closingEndsTheProgram_data();
    void closingEndsTheProgram();

private:
    template <typename T> T* find(const QString& name) {
        T* w = rig.program->mainWindow().findChild<T*>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    IForm& form() { return rig.program->form(); }
    preview::PreviewWindow& previewWindow() { return rig.program->previewWindow(); }
    void clickOption(const QString& name) {
        auto* b = find<QAbstractButton>(name);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    }

    test::GuiRig rig;
};

void MainWindowTest::initTestCase() {
    // The offscreen platform cannot raise windows or pass size hints on; its
    // notes about that say nothing about the program.
    static const QtMessageHandler previous = qInstallMessageHandler(nullptr);
    qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (!message.startsWith(QLatin1String("This plugin does not support")))
                previous(type, context, message);
        });
    GuiProgram::prepareApplication(*qApp);
}

void MainWindowTest::init() {
    rig.start();
    QVERIFY(QTest::qWaitForWindowExposed(&rig.program->mainWindow()));
}

void MainWindowTest::cleanup() {
    rig.reset();
}

void MainWindowTest::windowTextsAndMenus() {
    auto& main = rig.program->mainWindow();
    QCOMPARE(main.objectName(), QStringLiteral("frmMain"));
    QCOMPARE(main.shownTitle(), QStringLiteral("ペルノアVer2.2"));

    auto* tabs = find<QTabWidget>(QStringLiteral("SSTab1"));
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), QStringLiteral("五線譜全体の設定"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("五線譜自身の設定"));
    QCOMPARE(tabs->tabText(2), QStringLiteral("譜表の組み合わせ"));
    QCOMPARE(tabs->currentIndex(), 0);

    const QList<QPair<const char*, QString>> captions = {
        {"cmdPreview", "プレビュー"},
        {"cmdPrint", "印刷"},
        {"cmdSetPrinter", "使用するプリンタの選択"},
        {"cmdShowHelp", "ヘルプ"},
        {"cmdEnd", "終了"},
        {ctl::optA3, "A3"},
        {ctl::optA4, "A4"},
        {ctl::optA5, "A5"},
        {ctl::optB4, "B4"},
        {ctl::optB5, "B5"},
        {ctl::optLetter, "レター"},
        {ctl::optLegal, "リーガル"},
        {ctl::optTabloid, "タブロイド"},
        {ctl::optNini, "任意"},
        {ctl::chkPrintDirectionYoko, "横長"},
        {ctl::optHyojiLarge, "大"},
        {ctl::opbHyojiSmall, "小"},
        {ctl::opt2, "２本"},
        {ctl::opt3, "３本"},
        {ctl::opt4, "４本-４弦楽器のタブ譜"},
        {ctl::opt5, "５本-五線譜"},
        {ctl::opt6, "６本-ギターのタブ譜"},
        {ctl::optKukuriNashi, "なし"},
        {ctl::optKukuriBrace, "ブレース"},
        {ctl::optKukuriBracket, "ブラケット"},
        {ctl::optShosetsuTsuranuku, "大譜表を貫く"},
        {ctl::optShosetsuFuhyogoto, "譜表ごと"},
        {"cmdFuhyoAdd", "段を追加"},
        {"cmdFuhyoRemove", "段を削除"},
    };
    for (const auto& [name, caption] : captions)
        QCOMPARE(find<QAbstractButton>(name)->text(), caption);
    const QList<QPair<const char*, QString>> frames = {{"Frame1", "紙のサイズ"},
                                                       {"FrmHyojiSize", "表示サイズ"},
                                                       {"fraLineCnt", "線の本数"},
                                                       {"fraKukuri", "大譜表をくくる記号"},
                                                       {"fraShosetsusen", "小節線"}};
    for (const auto& [name, caption] : frames)
        QCOMPARE(find<QGroupBox>(name)->title(), caption);

    // Menus: titles, entries in order, shortcuts.
    const QList<QAction*> menus = main.menuBar()->actions();
    QCOMPARE(menus.size(), 3);
    QCOMPARE(menus[0]->text(), QStringLiteral("設定"));
    QCOMPARE(menus[1]->text(), QStringLiteral("編集"));
    QCOMPARE(menus[2]->text(), QStringLiteral("ヘルプ"));
    const QList<QAction*> settings = menus[0]->menu()->actions();
    QCOMPARE(settings.size(), 6);
    QCOMPARE(settings[0]->objectName(), QStringLiteral("mnuSettei_Open"));
    QCOMPARE(settings[0]->text(), QStringLiteral("開く(&O)"));
    QCOMPARE(settings[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    QCOMPARE(settings[1]->objectName(), QStringLiteral("mnuSettei_Save"));
    QCOMPARE(settings[1]->text(), QStringLiteral("保存(&S)"));
    QCOMPARE(settings[1]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    QCOMPARE(settings[2]->objectName(), QStringLiteral("mnuSettei_ExportPdf"));
    QCOMPARE(settings[2]->text(), QStringLiteral("PDFに書き出す…"));
    QCOMPARE(settings[2]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    QCOMPARE(settings[3]->objectName(), QStringLiteral("mnuSettei_ExportSvg"));
    QCOMPARE(settings[3]->text(), QStringLiteral("SVGに書き出す…"));
    QCOMPARE(settings[4]->objectName(), QStringLiteral("mnuSettei_ExportPng"));
    QCOMPARE(settings[4]->text(), QStringLiteral("PNGに書き出す…"));
    QCOMPARE(settings[5]->objectName(), QStringLiteral("mnuSettei_CalibrationSheet"));
    QCOMPARE(settings[5]->text(), QStringLiteral("誤差測定用紙を印刷"));
    const QList<QAction*> help = menus[2]->menu()->actions();
    QCOMPARE(help.size(), 3);
    QCOMPARE(help[0]->objectName(), QStringLiteral("mnuHelp_View"));
    QCOMPARE(help[0]->text(), QStringLiteral("ヘルプ"));
    QCOMPARE(help[1]->objectName(), QStringLiteral("mnuHelp_Ver"));
    QCOMPARE(help[1]->text(), QStringLiteral("バージョン情報"));
    QCOMPARE(help[2]->menu()->objectName(), QStringLiteral("mnuHelp_Lang"));
    QCOMPARE(help[2]->text(), QStringLiteral("Language / 言語"));
    for (QAction* entry : settings + help)
        QVERIFY2(entry->isEnabled(), qPrintable(entry->objectName()));
    for (const char* name : {"cmdShowHelp", "cmdSetPrinter", "cmdPreview", "cmdPrint", "cmdEnd"})
        QVERIFY2(find<QPushButton>(name)->isEnabled(), name);

    // Texts the user or a settings file supplies are never read as markup.
    for (QLabel* label : main.findChildren<QLabel*>())
        QCOMPARE(label->textFormat(), Qt::PlainText);
}

// Every control after start-up: text, "on"/"off", scroll value or the
// selected list entry.
void MainWindowTest::startUpValues_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("expected");
    const QList<QPair<const char*, const char*>> rows = {
        {ctl::txtSpaceSizeUp, "30"},
        {ctl::txtSpaceSizeDown, "30"},
        {ctl::txtSpaceSizeLeft, "15"},
        {ctl::txtSpaceSizeRight, "15"},
        {ctl::txtPrinterGosaY, "0"},
        {ctl::txtPrinterGosaX, "0"},
        {ctl::txtPrinterBairituX, "100"},
        {ctl::txtPrinterBairituY, "100"},
        {ctl::sbrPrintShade, "0"},
        {ctl::lblPrintShade, "100%"},
        {ctl::optA3, "off"},
        {ctl::optA4, "on"},
        {ctl::optA5, "off"},
        {ctl::optB4, "off"},
        {ctl::optB5, "off"},
        {ctl::optLetter, "off"},
        {ctl::optLegal, "off"},
        {ctl::optTabloid, "off"},
        {ctl::optNini, "off"},
        {ctl::txtNiniHaba, "210"},
        {ctl::txtNiniTakasa, "297"},
        {ctl::chkPrintDirectionYoko, "off"},
        {ctl::optHyojiLarge, "off"},
        {ctl::opbHyojiSmall, "on"},
        {ctl::txtDaifuhyoCnt, "1"},
        {ctl::txtDaifuhyoInterval, "0"},
        {ctl::lstLineWeight, "普通"},
        {ctl::txtTavriDansu, "10"},
        {ctl::txtLineInterval, "2"},
        // The default page is drawn at start-up, which writes the reference.
        {ctl::txtTavriInterval, "16.5335292964923"},
        {ctl::opt2, "off"},
        {ctl::opt3, "off"},
        {ctl::opt4, "off"},
        {ctl::opt5, "on"},
        {ctl::opt6, "off"},
        {ctl::txtFuhyoNarabi, ""},
        {ctl::optKukuriNashi, "on"},
        {ctl::optKukuriBrace, "off"},
        {ctl::optKukuriBracket, "off"},
        {ctl::txtShosetsuSu, "0"},
        {ctl::optShosetsuTsuranuku, "on"},
        {ctl::optShosetsuFuhyogoto, "off"},
        {ctl::lblGosenTakasa, "高さ 8.8mm"},
        {ctl::txtPrintCount, "1"},
    };
    for (const auto& [name, value] : rows)
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(value);
}

void MainWindowTest::startUpValues() {
    QFETCH(QString, control);
    QFETCH(QString, expected);
    QWidget* w = find<QWidget>(control);
    QString actual;
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        actual = edit->text();
    else if (auto* label = qobject_cast<QLabel*>(w))
        actual = label->text();
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        actual = button->isChecked() ? "on" : "off";
    else if (auto* bar = qobject_cast<QScrollBar*>(w))
        actual = QString::number(bar->value());
    else if (auto* list = qobject_cast<QListWidget*>(w))
        actual = list->selectedItems().size() == 1 ? list->selectedItems().first()->text() : "";
    else if (auto* stack = qobject_cast<ui::StaffStackEditor*>(w))
        actual = stack->table()->rowCount() == 0 ? "" : stack->text();
    QCOMPARE(actual, expected);

    // The rest of the start state, once.
    if (control == QLatin1String(ctl::txtSpaceSizeUp)) {
        QCOMPARE(rig.program->engine().settings().HyojiSize, 3);
        QCOMPARE(rig.program->engine().settings().PaperHeightTwip, 16840.0);
        QCOMPARE(rig.program->engine().settings().PaperWidthTwip, 11907.0);
        QCOMPARE(rig.program->programFolder(), QCoreApplication::applicationDirPath());
        QVERIFY(find<QLineEdit>(ctl::txtSpaceSizeUp)->isEnabled());
        QVERIFY(!find<QLineEdit>(ctl::txtTavriInterval)->isEnabled());
        QVERIFY(previewWindow().isVisible());
        QCOMPARE(previewWindow().page()->lines().size(), std::size_t(50));
        QVERIFY(rig.answers.takeBoxes().isEmpty());
        QVERIFY(!QApplication::overrideCursor());
    }
}

void MainWindowTest::fieldCaptionsAndUnits_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("labels"); // caption, then unit
    const QList<std::tuple<const char*, const char*, const char*>> rows = {
        {ctl::txtSpaceSizeUp, "上マージン", "mm"},
        {ctl::txtSpaceSizeDown, "下マージン", "mm"},
        {ctl::txtSpaceSizeLeft, "左マージン", "mm"},
        {ctl::txtSpaceSizeRight, "右マージン", "mm"},
        {ctl::txtPrinterGosaY, "上", "mm"},
        {ctl::txtPrinterGosaX, "左", "mm"},
        {ctl::txtPrinterBairituX, "横", "%"},
        {ctl::txtPrinterBairituY, "縦", "%"},
        {ctl::sbrPrintShade, "五線の色の濃さ", nullptr},
        {ctl::txtDaifuhyoCnt, "大譜表の数", "段"},
        {ctl::txtDaifuhyoInterval, "大譜表の間隔", "mm"},
        {ctl::lstLineWeight, "線の幅", nullptr},
        {ctl::txtTavriDansu, "五線の段数", "段"},
        {ctl::txtLineInterval, "線の間隔", "mm"},
        {ctl::txtTavriInterval, "五線間隔 ・参考値", "mm"},
        {ctl::txtShosetsuSu, "1段の小節数", "小節"},
        {ctl::txtPrintCount, "印刷枚数", "枚"},
    };
    for (const auto& [name, caption, unit] : rows) {
        QStringList labels{QString::fromUtf8(caption)};
        if (unit)
            labels << QString::fromUtf8(unit);
        QTest::newRow(name) << QString::fromLatin1(name) << labels;
    }
}

void MainWindowTest::fieldCaptionsAndUnits() {
    QFETCH(QString, control);
    QFETCH(QStringList, labels);
    QWidget* field = find<QWidget>(control);
    auto* tabs = find<QTabWidget>(QStringLiteral("SSTab1"));
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->widget(i)->isAncestorOf(field))
            tabs->setCurrentIndex(i);
    QVERIFY(field->isVisible());
    QList<QLabel*> found;
    for (QLabel* label : rig.program->mainWindow().findChildren<QLabel*>())
        if (label->buddy() == field)
            found << label;
    QCOMPARE(found.size(), labels.size());
    // The caption stands above the field, the unit after it on the same line.
    QLabel* caption = found.first();
    QLabel* unit = found.size() > 1 ? found.last() : nullptr;
    const QPoint fieldPos = field->mapTo(&rig.program->mainWindow(), QPoint(0, 0));
    for (QLabel* label : found) {
        const QPoint pos = label->mapTo(&rig.program->mainWindow(), QPoint(0, 0));
        if (pos.y() + label->height() <= fieldPos.y() + 1)
            caption = label;
        else
            unit = label;
    }
    QCOMPARE(caption->text(), labels.first());
    if (labels.size() > 1) {
        QVERIFY(unit && unit != caption);
        QCOMPARE(unit->text(), labels.last());
        QVERIFY(unit->mapTo(&rig.program->mainWindow(), QPoint(0, 0)).x() > fieldPos.x());
    }
}

void MainWindowTest::numberFieldsUseFixedPitchFont() {
    for (const char* name :
         {ctl::txtSpaceSizeUp, ctl::txtDaifuhyoCnt, ctl::txtTavriInterval, ctl::txtPrintCount}) {
        const QFont font = find<QLineEdit>(name)->font();
        // The desktop's fixed-pitch face at the interface's size.
        QVERIFY(QFontInfo(font).fixedPitch());
        QCOMPARE(font.pointSizeF(), QApplication::font().pointSizeF());
        QVERIFY(find<QLineEdit>(name)->height() >= find<QLineEdit>(name)->sizeHint().height());
        // Digits, point and sign all take one half-width cell.
        const QFontMetricsF metrics(font);
        for (const char* c : {"0", "1", "7", ".", "-"})
            QCOMPARE(metrics.horizontalAdvance(QLatin1String(c)),
                     metrics.horizontalAdvance(QStringLiteral("8")));
    }
    // The reference field shows the whole value.
    auto* reference = find<QLineEdit>(ctl::txtTavriInterval);
    QVERIFY(reference->fontMetrics().horizontalAdvance(kReference) < reference->width() - 4);
}

// Tab goes through each tab page row by row, its frames (the column on the
// right) after its fields, each frame row by row; then through the commands
// below the tabs row by row, except that "使用するプリンタの選択", which
// stands under "印刷" and the copy count, follows the copy count.
void MainWindowTest::focusOrderFollowsRows() {
    auto* tabs = find<QTabWidget>(QStringLiteral("SSTab1"));
    QList<QWidget*> expected;
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i); // a page is laid out once shown
        QWidget* page = tabs->widget(i);
        expected << readingOrder(focusable(page, false));
        QList<QWidget*> frames;
        for (QGroupBox* frame : page->findChildren<QGroupBox*>())
            frames << frame;
        for (QWidget* frame : readingOrder(frames))
            expected << readingOrder(focusable(frame, true));
    }
    tabs->setCurrentIndex(0);
    QList<QWidget*> commands;
    for (QWidget* w : focusable(&rig.program->mainWindow(), false))
        if (w != tabs && !tabs->isAncestorOf(w))
            commands << w;
    commands = readingOrder(commands);
    auto* setPrinter = find<QWidget>(QStringLiteral("cmdSetPrinter"));
    commands.move(commands.indexOf(setPrinter),
                  commands.indexOf(find<QWidget>(ctl::txtPrintCount)) + 1);
    expected << commands;
    QCOMPARE(expected.size(), 51);

    QList<QWidget*> chain;
    QWidget* w = expected.first();
    do {
        if (expected.contains(w))
            chain << w;
        w = w->nextInFocusChain();
    } while (w != expected.first());
    QCOMPARE(names(chain), names(expected));
}

void MainWindowTest::previewSitsBesideMainWindow() {
    const QRect main = rig.program->mainWindow().frameGeometry();
    QCOMPARE(previewWindow().frameGeometry().topLeft(), QPoint(main.x() + main.width(), main.y()));
}

// A3 at the large display on small screens: the preview takes the room
// beside the main window, scrolled, and covers no part of it; only where no
// room beside it shows enough of the page does it go over it.
void MainWindowTest::previewStaysClearOfTheMainWindow_data() {
    QTest::addColumn<QSize>("area");
    QTest::addColumn<bool>("mainAtRightEdge");
    QTest::addColumn<QString>("side");
    QTest::newRow("1024 x 600") << QSize(1024, 600) << false << "right";
    QTest::newRow("1024 x 600, main window at the right edge")
        << QSize(1024, 600) << true << "left";
    QTest::newRow("no room beside it") << QSize(640, 480) << true << "over";
}

void MainWindowTest::previewStaysClearOfTheMainWindow() {
    QFETCH(QSize, area);
    QFETCH(bool, mainAtRightEdge);
    QFETCH(QString, side);
    const QRect available(QPoint(0, 0), area);
    auto& main = rig.program->mainWindow();
    auto& preview = previewWindow();
    preview.setAvailableArea(available);
    if (mainAtRightEdge)
        main.move(available.right() + 1 - main.frameGeometry().width(), 0);
    QVERIFY(available.contains(main.frameGeometry()));
    clickOption(ctl::optA3);
    clickOption(ctl::optHyojiLarge);
    QCOMPARE(preview.page()->widthTwips(), 8420);

    const QRect m = main.frameGeometry();
    const QRect p = preview.frameGeometry();
    QVERIFY(available.contains(p));
    QCOMPARE(p.intersects(m), side == "over");
    if (side == "right")
        QVERIFY(p.left() > m.right());
    if (side == "left")
        QVERIFY(p.right() < m.left());
    // Level with the main window's top as far as the area lets it.
    QCOMPARE(p.top(), qMin(m.top(), available.bottom() + 1 - p.height()));
    QVERIFY(preview.pageView()->viewport()->width() >= 150);
}

// A box is centred on the window the user works in: the preview for its
// delete confirmation, the item dialog for its refusals, the main window for
// its own commands.
void MainWindowTest::boxesStandOverTheWindowInUse() {
    auto& items = rig.program->items();
    auto& preview = previewWindow();
    overlay::OverlayText text;
    text.Text = QStringLiteral("item");
    text.X = 300;
    text.Y = 750;
    text.InUse = true;
    const auto slot = items.add(text);
    QTest::mouseClick(find<QPushButton>("cmdPreview"), Qt::LeftButton);

    // Right-click the item, then "この文字を削除".
    QTest::mousePress(preview.page(), Qt::RightButton, {}, QPoint(100 / 15 + 2, 250 / 15 + 2));
    QCOMPARE(preview.clickedSlot(), slot);
    auto* menu = preview.findChild<QMenu*>(QStringLiteral("MnuPopUpLabel"));
    QVERIFY(menu->isVisible());
    menu->hide();
    menu->findChild<QAction*>(QStringLiteral("MneDeleteLabel"))->trigger();
    QList<test::BoxRecord> shown = rig.answers.takeBoxes();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].parent.data(), &preview);

    // "登録" with no text in the text item dialog opened from the preview.
    QString dialog;
    QString refusalOver;
    QTimer::singleShot(0, this, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        dialog = modal->objectName();
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("cmdOk")), Qt::LeftButton);
        const QList<test::BoxRecord> refusals = rig.answers.takeBoxes();
        if (refusals.size() == 1 && refusals[0].parent)
            refusalOver = refusals[0].parent->objectName();
        modal->close();
    });
    preview.findChild<QAction*>(QStringLiteral("MnuInsertLabel"))->trigger();
    QCOMPARE(dialog, QStringLiteral("frmSetLabel"));
    QCOMPARE(refusalOver, dialog);

    // The print command's copy-count message, over the main window.
    form().setText(ctl::txtPrintCount, "0");
    rig.answers.takeBoxes();
    QTest::mouseClick(find<QPushButton>("cmdPrint"), Qt::LeftButton);
    shown = rig.answers.takeBoxes();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].parent.data(), &rig.program->mainWindow());
}

void MainWindowTest::previewCommandDrawsThePage() {
    previewWindow().close();
    previewWindow().clear();
    form().setText(ctl::txtTavriInterval, QString());
    QTest::mouseClick(find<QPushButton>("cmdPreview"), Qt::LeftButton);

    QVERIFY(previewWindow().isVisible());
    const auto& lines = previewWindow().page()->lines();
    QCOMPARE(lines.size(), std::size_t(50));
    // Preview twips are page twips / 3: margins 15 mm left and right, 30 mm top.
    QCOMPARE(lines.front().x1, 850.5f / 3);
    QCOMPARE(lines.front().x2, 11056.5f / 3);
    QCOMPARE(lines.front().y1, 567.0f);
    QCOMPARE(lines.front().colour, qRgb(0, 0, 0));
    QCOMPARE(form().text(ctl::txtTavriInterval), kReference);
    QCOMPARE(find<QLineEdit>(ctl::txtTavriInterval)->text(), kReference);
    QVERIFY(rig.answers.takeBoxes().isEmpty());
    QVERIFY(!QApplication::overrideCursor());
}

// The program's items are drawn after the staves on the preview window, at
// the display divisor of the moment, and deleting one asks first.
void MainWindowTest::itemsFollowTheDisplaySizeAndAskBeforeDeleting() {
    auto& items = rig.program->items();
    overlay::OverlayText text;
    text.Text = QStringLiteral("item");
    text.X = 300;
    text.Y = 750;
    text.InUse = true;
    const auto slot = items.add(text);
    QTest::mouseClick(find<QPushButton>("cmdPreview"), Qt::LeftButton);
    const auto& element = previewWindow().page()->textElement(slot);
    QVERIFY(element.visible);
    QCOMPARE(QPointF(element.leftTwips, element.topTwips), QPointF(100, 250));
    clickOption(QString::fromLatin1(ctl::optHyojiLarge));
    QCOMPARE(QPointF(element.leftTwips, element.topTwips), QPointF(150, 375));

    // Right-clicked where it now stands, then "この文字を削除".
    QTest::mousePress(previewWindow().page(), Qt::RightButton, {},
                      QPoint(150 / 15 + 2, 375 / 15 + 2));
    previewWindow().findChild<QMenu*>(QStringLiteral("MnuPopUpLabel"))->hide();
    QCOMPARE(previewWindow().clickedSlot(), slot);
    previewWindow().findChild<QAction*>(QStringLiteral("MneDeleteLabel"))->trigger();
    QCOMPARE(rig.answers.takeBoxes().size(), 1); // pre-answered OK
    QVERIFY(!items.inUse(overlay::ItemKind::Text, slot) && !element.visible);
}

void MainWindowTest::emptyBottomMarginDrawsNothing() {
    previewWindow().clear();
    find<QLineEdit>(ctl::txtSpaceSizeDown)->clear();
    QTest::mouseClick(find<QPushButton>("cmdPreview"), Qt::LeftButton);

    const QList<test::BoxRecord> shown = rig.answers.takeBoxes();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, QStringLiteral("下マージンが空欄です。"));
    QCOMPARE(shown[0].title, QStringLiteral("ペルノア"));
    QCOMPARE(shown[0].icon, QMessageBox::Warning);
    QCOMPARE(shown[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(previewWindow().page()->lines().empty());
    QVERIFY(!QApplication::overrideCursor());
}

// A value longer than a field holds, as a settings file or a paste brings
// it, is refused as too long, as the command line refuses it, not cut short
// to another number.
void MainWindowTest::valueLongerThanTheFieldIsRefused() {
    form().setText(ctl::txtSpaceSizeUp, QString(40000, u'0') + QStringLiteral("30"));
    QTest::mouseClick(find<QPushButton>("cmdPreview"), Qt::LeftButton);
    const QList<test::BoxRecord> shown = rig.answers.takeBoxes();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text,
             QStringLiteral("上マージンが長すぎます。32767文字以内で入力してください。"));
}

// Paper, orientation and display size chosen with the mouse; the sizes in
// twips the window and its page take.
void MainWindowTest::pageSizes_data() {
    QTest::addColumn<QString>("paper");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<bool>("large");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("window");
    QTest::newRow("A4 portrait small")
        << QString(ctl::optA4) << false << false << QSize(3969, 5613) << QSize(4320, 7155);
    QTest::newRow("A4 portrait large")
        << QString(ctl::optA4) << false << true << QSize(5954, 8420) << QSize(6305, 9962);
    QTest::newRow("A3 landscape small")
        << QString(ctl::optA3) << true << false << QSize(7938, 5613) << QSize(8289, 7155);
    QTest::newRow("A3 landscape large")
        << QString(ctl::optA3) << true << true << QSize(11907, 8420) << QSize(12258, 9962);
    QTest::newRow("A5 portrait small")
        << QString(ctl::optA5) << false << false << QSize(2807, 3969) << QSize(3158, 5511);
    QTest::newRow("A5 portrait large")
        << QString(ctl::optA5) << false << true << QSize(4210, 5954) << QSize(4561, 7496);
    QTest::newRow("B4 portrait small")
        << QString(ctl::optB4) << false << false << QSize(4857, 6813) << QSize(5208, 8355);
    QTest::newRow("B5 landscape large")
        << QString(ctl::optB5) << true << true << QSize(7286, 5160) << QSize(7637, 6702);
    // Letter: 215.9 x 279.4 mm, x 56.7 twips.
    QTest::newRow("letter portrait small")
        << QString(ctl::optLetter) << false << false << QSize(4081, 5281) << QSize(4432, 6823);
    QTest::newRow("letter portrait large")
        << QString(ctl::optLetter) << false << true << QSize(6121, 7921) << QSize(6472, 9463);
    // 230 x 305 mm typed: 13041 x 17293.5 twips, halves rounded to even.
    QTest::newRow("230x305 small")
        << QString(ctl::optNini) << false << false << QSize(4347, 5764) << QSize(4698, 7306);
    QTest::newRow("230x305 landscape large")
        << QString(ctl::optNini) << true << true << QSize(8647, 6520) << QSize(8998, 8062);
}

void MainWindowTest::pageSizes() {
    QFETCH(QString, paper);
    QFETCH(bool, landscape);
    QFETCH(bool, large);
    QFETCH(QSize, picture);
    QFETCH(QSize, window);
    if (paper == QLatin1String(ctl::optNini)) {
        // Typed into the fields, which take effect once that paper is chosen.
        for (const auto& [name, text] :
             {std::pair{ctl::txtNiniHaba, "230"}, std::pair{ctl::txtNiniTakasa, "305"}}) {
            auto* edit = find<QLineEdit>(name);
            edit->selectAll();
            QTest::keyClicks(edit, QLatin1String(text));
        }
    }
    clickOption(paper);
    if (landscape)
        clickOption(ctl::chkPrintDirectionYoko);
    if (large)
        clickOption(ctl::optHyojiLarge);
    QCOMPARE(form().isChecked(paper), true);
    QCOMPARE(form().isChecked(ctl::chkPrintDirectionYoko), landscape);
    QCOMPARE(form().isChecked(ctl::optHyojiLarge), large);

    auto& preview = previewWindow();
    QCOMPARE(QSize(preview.page()->widthTwips(), preview.page()->heightTwips()), picture);
    QCOMPARE(QSize(preview.windowWidthTwips(), preview.windowHeightTwips()), window);
    QCOMPARE(preview.page()->size(), QSize(preview::twipsToPixels(picture.width()),
                                           preview::twipsToPixels(picture.height())));

    // Redrawn at the new size: the last line ends at the right margin, the
    // last staff sits on the bottom margin.
    const auto& lines = preview.page()->lines();
    QCOMPARE(lines.size(), std::size_t(50));
    const double hyoji = large ? 2 : 3;
    const double pageWidth = picture.width() * hyoji; // within rounding of the page
    QVERIFY(qAbs(lines.back().x2 - (pageWidth - 850.5) / hyoji) < 1);
    QVERIFY(lines.back().y1 * hyoji < picture.height() * hyoji - 1701 + 1);
    QVERIFY(rig.answers.takeBoxes().isEmpty());
}

// The size of the user's paper: an edited field takes effect when it is left
// while that paper is chosen; a size outside 50 to 1000 mm is refused with
// the check's message and leaves the page as it was.
void MainWindowTest::customPaperSize() {
    clickOption(ctl::optNini);
    QCOMPARE(rig.program->engine().settings().PaperWidthTwip, 210 * 56.7);
    auto* width = find<QLineEdit>(ctl::txtNiniHaba);
    width->setFocus();
    width->selectAll();
    QTest::keyClicks(width, QStringLiteral("1000"));
    QTest::keyClick(width, Qt::Key_Return);
    QCOMPARE(rig.program->engine().settings().PaperWidthTwip, 1000 * 56.7);
    QVERIFY(rig.answers.takeBoxes().isEmpty());
    QCOMPARE(previewWindow().page()->lines().size(), std::size_t(50));

    width->selectAll();
    QTest::keyClicks(width, QStringLiteral("1000.5"));
    QTest::keyClick(width, Qt::Key_Return);
    auto shown = rig.answers.takeBoxes();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, QStringLiteral("「用紙の幅」は50から1000までの数値にしてください。"));
    QCOMPARE(rig.program->engine().settings().PaperWidthTwip, 1000 * 56.7);

    // Another paper does not look at the fields.
    clickOption(ctl::optA4);
    QVERIFY(rig.answers.takeBoxes().isEmpty());
    form().setText(ctl::txtPrinterBairituY, QStringLiteral("97.9"));
    QTest::mouseClick(find<QPushButton>("cmdPreview"), Qt::LeftButton);
    shown = rig.answers.takeBoxes();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text,
             QStringLiteral("「プリンタの倍率・縦」は98.0から102.0までの数値にしてください。"));
    // The size fields name themselves where their captions do not show.
    QCOMPARE(width->toolTip(), QStringLiteral("幅"));
    QCOMPARE(find<QLineEdit>(ctl::txtNiniTakasa)->toolTip(), QStringLiteral("高さ"));
}

void MainWindowTest::landscapeWithA3() {
    clickOption(ctl::optA3);
    QCOMPARE(rig.program->engine().settings().PaperHeightTwip, 23814.0);
    previewWindow().clear();
    clickOption(ctl::chkPrintDirectionYoko);
    QCOMPARE(rig.program->engine().settings().PaperHeightTwip, 16840.0);
    QCOMPARE(rig.program->engine().settings().PaperWidthTwip, 23814.0);
    QCOMPARE(previewWindow().page()->widthTwips(), 7938);
    QCOMPARE(previewWindow().page()->heightTwips(), 5613);
    QCOMPARE(previewWindow().page()->lines().size(), std::size_t(50));
    QCOMPARE(previewWindow().page()->lines().front().x2, float((23814 - 850.5) / 3));
    // And back to portrait with the box cleared.
    clickOption(ctl::chkPrintDirectionYoko);
    QCOMPARE(previewWindow().page()->widthTwips(), 5613);
    QCOMPARE(previewWindow().page()->heightTwips(), 7938);
}

void MainWindowTest::copyCountGuard_data() {
    QTest::addColumn<QString>("typed");    // keys typed after selecting the field's text
    QTest::addColumn<QString>("assigned"); // or a text the program assigns
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("messages");
    QTest::newRow("last digit deleted") << QString("\b") << QString() << "1" << 1;
    QTest::newRow("typed 2.5") << QString("2.5") << QString() << "2.5" << 0;
    QTest::newRow("typed 12") << QString("12") << QString() << "12" << 0;
    QTest::newRow("assigned -1") << QString() << QString("-1") << "1" << 1;
    QTest::newRow("assigned -0.4") << QString() << QString("-0.4") << "-0.4" << 0;
    QTest::newRow("assigned 0") << QString() << QString("0") << "0" << 0;
    QTest::newRow("assigned text") << QString() << QString("abc") << "1" << 1;
    QTest::newRow("assigned empty") << QString() << QString("") << "1" << 1;
    QTest::newRow("assigned beyond 32 bits") << QString() << QString("3000000000") << "1" << 1;
}

void MainWindowTest::copyCountGuard() {
    QFETCH(QString, typed);
    QFETCH(QString, assigned);
    QFETCH(QString, result);
    QFETCH(int, messages);
    auto* count = find<QLineEdit>(ctl::txtPrintCount);
    if (!typed.isEmpty()) {
        count->setFocus();
        count->end(false);
        if (typed == QLatin1String("\b"))
            QTest::keyClick(count, Qt::Key_Backspace);
        else {
            count->selectAll();
            QTest::keyClicks(count, typed);
        }
    } else {
        form().setText(ctl::txtPrintCount, assigned);
    }
    QCOMPARE(count->text(), result);
    const QList<test::BoxRecord> shown = rig.answers.takeBoxes();
    QCOMPARE(shown.size(), messages);
    for (const test::BoxRecord& r : shown) {
        QCOMPARE(r.text, QStringLiteral("「印刷枚数」は整数にしてください。"));
        QCOMPARE(r.title, QStringLiteral("ペルノア"));
        QCOMPARE(r.icon, QMessageBox::Warning);
    }
}

void MainWindowTest::darknessLabelFollowsScrollBar() {
    auto* bar = find<QScrollBar>(ctl::sbrPrintShade);
    auto* label = find<QLabel>(ctl::lblPrintShade);
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 255);
    const QList<QPair<int, QString>> steps = {
        {255, "0%"}, {128, "50%"}, {1, "100%"}, {254, "0%"}, {0, "100%"}};
    for (const auto& [value, text] : steps) {
        form().setValue(ctl::sbrPrintShade, value);
        QCOMPARE(label->text(), text);
    }
    // The user's keys.
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_End);
    QCOMPARE(label->text(), QStringLiteral("0%"));
    QTest::keyClick(bar, Qt::Key_Home);
    QCOMPARE(label->text(), QStringLiteral("100%"));

    // The label change does not redraw; the next drawing takes the darkness.
    form().setValue(ctl::sbrPrintShade, 128);
    QCOMPARE(previewWindow().page()->lines().front().colour, qRgb(0, 0, 0));
    QTest::mouseClick(find<QPushButton>("cmdPreview"), Qt::LeftButton);
    QCOMPARE(previewWindow().page()->lines().front().colour, qRgb(128, 128, 128));
}

void MainWindowTest::printCommandChecksTheCopyCount() {
    form().setText(ctl::txtPrintCount, "0");
    QTest::mouseClick(find<QPushButton>("cmdPrint"), Qt::LeftButton);
    const QList<test::BoxRecord> shown = rig.answers.takeBoxes();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, QStringLiteral("そんな値、入力していじめちゃいや～ん♪\r\n印刷枚数"));
    QCOMPARE(shown[0].title, QStringLiteral("あなたＳＥでしょ、いじわるね"));
}

void MainWindowTest::closedPreviewComesBack() {
    auto& preview = previewWindow();
    QVERIFY(preview.close());
    QVERIFY(!preview.isVisible());
    QVERIFY(rig.program->mainWindow().isVisible());
    QCOMPARE(preview.page()->lines().size(), std::size_t(50));
    // Changing the paper while it is hidden still resizes and redraws it.
    clickOption(ctl::optB5);
    QCOMPARE(preview.page()->widthTwips(), 3440);
    QVERIFY(!preview.isVisible());
    QTest::mouseClick(find<QPushButton>("cmdPreview"), Qt::LeftButton);
    QVERIFY(preview.isVisible());
    QCOMPARE(preview.page()->lines().size(), std::size_t(50));
}

// Every control, written and read back through the form interface, and the
// widget showing what was written.
void MainWindowTest::formRoundTrip_data() {
    QTest::addColumn<QString>("control");
    // Every control the form interface reaches: the rows of the control table.
    for (const ControlRow& row : controlTable())
        QTest::newRow(row.name) << QString::fromLatin1(row.name);
}

void MainWindowTest::formRoundTrip() {
    QFETCH(QString, control);
    QWidget* w = find<QWidget>(control);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        const QString value = control == QLatin1String(ctl::txtPrintCount) ? "7" : "12.75";
        form().setText(control, value);
        QCOMPARE(form().text(control), value);
        QCOMPARE(edit->text(), value);
    } else if (auto* stack = qobject_cast<ui::StaffStackEditor*>(w)) {
        // Counts and spacings as typed, rows as the stack's text has them.
        const QString value = QStringLiteral("treble:5,tab:6:3.1,bass::2.5,none: 7 ");
        form().setText(control, value);
        QCOMPARE(form().text(control), value);
        QCOMPARE(stack->table()->rowCount(), 4);
        QCOMPARE(stack->table()->item(1, 0)->text(), QStringLiteral("TAB"));
        QCOMPARE(stack->table()->item(3, 1)->text(), QStringLiteral(" 7 "));
        form().setText(control, QString());
        QCOMPARE(stack->table()->rowCount(), 0);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        form().setText(control, "<b>42%</b>");
        QCOMPARE(form().text(control), QStringLiteral("<b>42%</b>"));
        QCOMPARE(label->text(), QStringLiteral("<b>42%</b>"));
    } else if (auto* bar = qobject_cast<QScrollBar*>(w)) {
        form().setValue(control, 77);
        QCOMPARE(form().value(control), 77);
        QCOMPARE(bar->value(), 77);
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
        for (const QString entry : {"細め", "太め", "普通"}) {
            form().selectText(control, entry);
            QCOMPARE(form().selectedText(control), entry);
            QCOMPARE(list->selectedItems().size(), 1);
            QCOMPARE(list->selectedItems().first()->text(), entry);
        }
        form().selectText(control, "極太");
        QCOMPARE(form().selectedText(control), QString());
        QVERIFY(list->selectedItems().isEmpty());
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        const QStringList group = optionGroupOf(control);
        form().setChecked(control, true);
        QVERIFY(form().isChecked(control));
        QVERIFY(button->isChecked());
        for (const QString& other : group)
            if (other != control)
                QVERIFY(!form().isChecked(other));
        form().setChecked(control, false);
        QVERIFY(!form().isChecked(control));
        QVERIFY(!button->isChecked());
        // A group cleared this way has no selection until one is chosen, and
        // stays exclusive afterwards.
        if (!group.isEmpty()) {
            for (const QString& other : group)
                QVERIFY(!form().isChecked(other));
            form().setChecked(group.first(), true);
            form().setChecked(group.last(), true);
            QVERIFY(!form().isChecked(group.first()));
            QVERIFY(form().isChecked(group.last()));
        }
    } else {
        QFAIL("control of an unknown kind");
    }
}

void MainWindowTest::formChangesRunTheHandlers() {
    auto& preview = previewWindow();
    form().setChecked(ctl::optB4, true);
    QCOMPARE(QSize(preview.page()->widthTwips(), preview.page()->heightTwips()), QSize(4857, 6813));
    form().setChecked(ctl::chkPrintDirectionYoko, true);
    QCOMPARE(QSize(preview.page()->widthTwips(), preview.page()->heightTwips()), QSize(6813, 4857));
    form().setChecked(ctl::optHyojiLarge, true);
    QCOMPARE(QSize(preview.page()->widthTwips(), preview.page()->heightTwips()),
             QSize(10220, 7286));
    QCOMPARE(rig.program->engine().settings().HyojiSize, 2);
    form().setChecked(ctl::opbHyojiSmall, true);
    QCOMPARE(rig.program->engine().settings().HyojiSize, 3);
    QCOMPARE(preview.page()->widthTwips(), 6813);
    form().setValue(ctl::sbrPrintShade, 255);
    QCOMPARE(form().text(ctl::lblPrintShade), QStringLiteral("0%"));
    form().setText(ctl::txtPrintCount, "x");
    QCOMPARE(form().text(ctl::txtPrintCount), QStringLiteral("1"));
    QCOMPARE(rig.answers.takeBoxes().size(), 1);
    // The line weight list and the line count options have no handlers.
    previewWindow().clear();
    form().setChecked(ctl::opt2, true);
    form().selectText(ctl::lstLineWeight, "太め");
    QVERIFY(preview.page()->lines().empty());
}

void MainWindowTest::closingEndsTheProgram_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("close box") << "close";
    QTest::newRow("終了") << "cmdEnd";
    QTest::newRow("close box, preview hidden") << "close hidden";
}

void MainWindowTest::closingEndsTheProgram() {
    QFETCH(QString, how);
    auto& main = rig.program->mainWindow();
    if (how == QLatin1String("close hidden"))
        previewWindow().close();
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(10000);
    QTimer::singleShot(0, &main, [&] {
        if (how == QLatin1String("cmdEnd"))
            QTest::mouseClick(find<QPushButton>("cmdEnd"), Qt::LeftButton);
        else
            main.close();
    });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!main.isVisible());
    QVERIFY(!previewWindow().isVisible());
    QVERIFY(rig.answers.takeBoxes().isEmpty());
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
