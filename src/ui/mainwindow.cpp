#include "ui/mainwindow.h"

#include "document/document.h"
#include "document/texts.h"
#include "engine/calibrationsheet.h"
#include "engine/controls.h"
#include "engine/language.h"
#include "engine/numberrules.h"
#include "engine/papersizes.h"
#include "engine/tavriengine.h"
#include "engine/texts.h"
#include "engine/version.h"
#include "files/settingsfile.h"
#include "preview/historyactions.h"
#include "preview/widgetparts.h"
#include "ui/aboutbox.h"
#include "ui/filecommands.h"
#include "ui/formcontrols.h"
#include "ui/helpwindow.h"
#include "ui/printerdialog.h"
#include "ui/staffstackeditor.h"
#include "ui/texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWindow>

#include <vector>

namespace pernoa::ui {
namespace {

// Sizes at the screen's normal resolution (15 twips to a pixel): number fields
// 600 x 300 twips, buttons 1215 x 495 twips.
constexpr int kFieldWidth = 40;
constexpr int kFieldHeight = 20;
constexpr int kButtonWidth = 81;
constexpr int kButtonHeight = 33;

// The number fields use the desktop's fixed-pitch face, at the size of the
// rest of the interface, so that digits line up.
QFont numberFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    const QFont interface = QApplication::font();
    if (interface.pointSizeF() > 0)
        font.setPointSizeF(interface.pointSizeF());
    else if (interface.pixelSize() > 0)
        font.setPixelSize(interface.pixelSize());
    return font;
}

// A number field's size: the designed size, or what five digits of its font
// need where the desktop's font is larger.
QSize fieldSize(const QLineEdit& edit) {
    const QFontMetrics metrics(edit.font());
    return {qMax(kFieldWidth, metrics.horizontalAdvance(QStringLiteral("00000")) + 10),
            qMax(kFieldHeight, edit.sizeHint().height())};
}

// A field keeps one character more than a value may have: a longer value,
// pasted or loaded, then reaches the check as too long and is refused with
// its message, instead of being cut silently to what may be another number.
void holdOneCharacterMore(QLineEdit& edit) {
    edit.setMaxLength(kMaxFieldChars + 1);
}

QPushButton* commandButton(const char* name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    button->setMinimumSize(kButtonWidth, kButtonHeight);
    button->setAutoDefault(false);
    return button;
}

const ControlRow& tableRow(const char* name) {
    const ControlRow* row = controlRow(QString::fromLatin1(name));
    Q_ASSERT(row);
    return *row;
}

// An option button or the check box with its caption and start state.
template <typename Button> Button* button(const char* name) {
    const ControlRow& row = tableRow(name);
    auto* b = new Button(captionOf(row));
    b->setObjectName(QString::fromLatin1(name));
    b->setChecked(qstrcmp(row.initial, "1") == 0);
    return b;
}

QRadioButton* option(const char* name) {
    return button<QRadioButton>(name);
}

// The darkness scroll bar: Left and Up lower the value, Right and Down raise
// it, Page Up/Down by a page. (Qt's scroll bars swap Left and Right.) It is
// reached with Tab, so it shows the style's focus frame while it has the
// focus, as every other control does; the styles draw none on a scroll bar.
class ShadeScrollBar : public QScrollBar {
public:
    ShadeScrollBar() : QScrollBar(Qt::Horizontal) {}

protected:
    void paintEvent(QPaintEvent* event) override {
        QScrollBar::paintEvent(event);
        if (!hasFocus())
            return;
        QStylePainter painter(this);
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.backgroundColor = palette().color(QPalette::Window);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Left)
            triggerAction(SliderSingleStepSub);
        else if (event->key() == Qt::Key_Right)
            triggerAction(SliderSingleStepAdd);
        else
            QScrollBar::keyPressEvent(event);
    }
};

} // namespace

MainWindow::MainWindow(FormControls& form, TavriEngine& engine, FileCommands& fileCommands,
                       IPrinterList& printers, QWidget* parent)
    : QMainWindow(parent), m_form(form), m_engine(engine), m_fileCommands(fileCommands),
      m_printers(printers) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(texts::mainWindowTitle(QLatin1String(kVersionText)));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("SSTab1"));
    tabs->addTab(buildSheetTab(), texts::sheetTab());
    tabs->addTab(buildStaffTab(), texts::staffTab());
    tabs->addTab(buildMusicTab(), texts::musicTab());
    tabs->setCurrentIndex(0);
    layout->addWidget(tabs);
    layout->addWidget(buildCommands());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setCentralWidget(central);
    buildMenus();
    // The window is as large as its content and no larger: a fixed parameter
    // window, so no empty band is left below the commands.
    QMainWindow::layout()->setSizeConstraint(QLayout::SetFixedSize);

    for (QWidget* w : findChildren<QWidget*>())
        if (!w->objectName().isEmpty())
            m_form.add(w);

    setFocusOrder();
    tabToSelectedOptions();
    connectHandlers();

    // Files dropped anywhere on the window, the fields included (which
    // would otherwise take a file's path as text).
    setAcceptDrops(true);
    for (QWidget* w : findChildren<QWidget*>())
        if (w->acceptDrops())
            w->installEventFilter(this);

    document::Document& document = m_fileCommands.document();
    connect(&document, &document::Document::stateChanged, this, &MainWindow::updateTitle);
    connect(&document.recentFiles(), &document::RecentFiles::changed, this,
            &MainWindow::updateRecentFiles);
    updateTitle();
    updateRecentFiles();
}

void MainWindow::updateTitle() {
    const document::Document& document = m_fileCommands.document();
    const QString title = texts::mainWindowTitle(QLatin1String(kVersionText));
    // "[*]" stands for the mark of unsaved changes; a file name's own is
    // written twice to stay as it is.
    QString name = QFileInfo(document.currentFile()).fileName();
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle((name.isEmpty() ? title : texts::titleWithFile(title, name)) +
                   QStringLiteral("[*]"));
    setWindowModified(document.isModified());
}

QString MainWindow::shownTitle() const {
    return windowHandle() ? windowHandle()->title() : QString();
}

void MainWindow::updateRecentFiles() {
    for (QAction* entry : std::as_const(m_recentEntries))
        delete entry;
    m_recentEntries.clear();
    const QStringList paths = m_fileCommands.document().recentFiles().paths();
    if (paths.isEmpty())
        return;
    m_recentEntries << m_settingsMenu->addSeparator();
    QStringList names;
    for (const QString& path : paths)
        names << QFileInfo(path).fileName();
    for (int i = 0; i < paths.size(); ++i) {
        const QString& path = paths[i];
        // The file's name, or its whole path where two files share a name.
        QString shown = names.count(names[i]) > 1 ? QDir::toNativeSeparators(path) : names[i];
        shown.replace(u'&', QStringLiteral("&&"));
        QAction* entry = m_settingsMenu->addAction(texts::recentFileEntry(i + 1, shown));
        entry->setObjectName(QStringLiteral("mnuSettei_Recent%1").arg(i + 1));
        entry->setToolTip(QDir::toNativeSeparators(path));
        entry->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + i)));
        connect(entry, &QAction::triggered, this,
                [this, path] { m_fileCommands.openRecentFile(path, this); });
        m_recentEntries << entry;
    }
}

QLineEdit* MainWindow::sizeField(const char* name) {
    const ControlRow& field = tableRow(name);
    auto* edit = new QLineEdit(startTextOf(field));
    edit->setObjectName(QString::fromLatin1(name));
    holdOneCharacterMore(*edit);
    edit->setFont(numberFont());
    edit->setFixedSize(fieldSize(*edit));
    // The caption names the field where there is no room to show it.
    edit->setToolTip(captionOf(field));
    edit->setAccessibleName(captionOf(field));
    return edit;
}

QWidget* MainWindow::control(const QString& name) const {
    return m_form.control(name);
}

QLabel* MainWindow::captionLabel(const QString& text, QWidget* buddy) {
    QLabel* label = preview::plainLabel(text);
    label->setBuddy(buddy);
    return label;
}

QLineEdit* MainWindow::addField(QGridLayout* grid, int row, int column, const char* name) {
    const ControlRow& field = tableRow(name);
    const QString caption = captionOf(field);
    const QString unit = unitOf(field);
    auto* edit = new QLineEdit(startTextOf(field));
    edit->setObjectName(QString::fromLatin1(name));
    holdOneCharacterMore(*edit);
    edit->setFont(numberFont());
    edit->setFixedSize(fieldSize(*edit));

    auto* line = new QHBoxLayout;
    line->setSpacing(4);
    line->addWidget(edit);
    line->addWidget(captionLabel(unit, edit));
    line->addStretch(1);
    auto* cell = new QVBoxLayout;
    cell->setSpacing(2);
    cell->addWidget(captionLabel(caption, edit));
    cell->addLayout(line);
    grid->addLayout(cell, row, column, Qt::AlignTop);
    return edit;
}

// A tab page with the grid its fields stand in: two columns of fields, the
// frames in a third.
static QGridLayout* newTabPage(const QString& name, QWidget*& page) {
    page = new QWidget;
    page->setObjectName(name);
    auto* grid = new QGridLayout(page);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(8);
    return grid;
}

QWidget* MainWindow::buildSheetTab() {
    QWidget* page = nullptr;
    QGridLayout* grid = newTabPage(QStringLiteral("tabSheet"), page);

    addField(grid, 0, 0, ctl::txtSpaceSizeUp);
    addField(grid, 0, 1, ctl::txtSpaceSizeDown);
    addField(grid, 1, 0, ctl::txtSpaceSizeLeft);
    addField(grid, 1, 1, ctl::txtSpaceSizeRight);

    // The two printer offsets under their common heading.
    auto* offsets = new QGridLayout;
    offsets->setContentsMargins(0, 0, 0, 0);
    offsets->setHorizontalSpacing(16);
    offsets->setVerticalSpacing(2);
    QLabel* heading = preview::plainLabel(texts::offsetHeading(), "lblPrinterGosa");
    offsets->addWidget(heading, 0, 0, 1, 2);
    addField(offsets, 1, 0, ctl::txtPrinterGosaY);
    addField(offsets, 1, 1, ctl::txtPrinterGosaX);
    grid->addLayout(offsets, 2, 0, 1, 2);

    // The scale correction, printing only, likewise.
    auto* scale = new QGridLayout;
    scale->setContentsMargins(0, 0, 0, 0);
    scale->setHorizontalSpacing(16);
    scale->setVerticalSpacing(2);
    QLabel* scaleHeading = preview::plainLabel(texts::scaleCorrectionHeading());
    scaleHeading->setObjectName(QStringLiteral("lblPrinterBairitu"));
    scale->addWidget(scaleHeading, 0, 0, 1, 2);
    addField(scale, 1, 0, ctl::txtPrinterBairituX);
    addField(scale, 1, 1, ctl::txtPrinterBairituY);
    grid->addLayout(scale, 3, 0, 1, 2);

    // Darkness: caption, the percentage, then the scroll bar.
    auto* shade = new ShadeScrollBar;
    shade->setObjectName(QString::fromLatin1(ctl::sbrPrintShade));
    shade->setRange(0, 255);
    shade->setValue(num::textToInt32(startTextOf(tableRow(ctl::sbrPrintShade))));
    shade->setSingleStep(1);
    shade->setPageStep(16);
    // Reached with Tab and moved with the arrow keys and Page Up/Down.
    shade->setFocusPolicy(Qt::StrongFocus);
    auto* shadeCaption = new QHBoxLayout;
    shadeCaption->setSpacing(12);
    shadeCaption->addWidget(captionLabel(captionOf(tableRow(ctl::sbrPrintShade)), shade));
    QLabel* percent =
        preview::plainLabel(startTextOf(tableRow(ctl::lblPrintShade)), ctl::lblPrintShade);
    shadeCaption->addWidget(percent);
    shadeCaption->addStretch(1);
    auto* shadeCell = new QVBoxLayout;
    shadeCell->setSpacing(2);
    shadeCell->addLayout(shadeCaption);
    shadeCell->addWidget(shade);
    grid->addLayout(shadeCell, 4, 0, 1, 2);

    // Third column: paper and display size.
    auto* paper = new QGroupBox(texts::paperFrame());
    paper->setObjectName(QStringLiteral("Frame1"));
    auto* paperGrid = new QGridLayout(paper);
    for (const PaperSize* p : papersInWindowOrder())
        paperGrid->addWidget(option(p->option), p->row, p->column);
    // The size of the user's paper beside its option: width × height mm.
    const PaperSize& custom = *paperByKind(PaperKind::Custom);
    auto* size = new QHBoxLayout;
    size->setSpacing(4);
    QLineEdit* width = sizeField(ctl::txtNiniHaba);
    QLineEdit* height = sizeField(ctl::txtNiniTakasa);
    size->addWidget(width);
    size->addWidget(captionLabel(texts::sizeTimes(), height));
    size->addWidget(height);
    size->addWidget(captionLabel(unitOf(tableRow(ctl::txtNiniTakasa)), height));
    size->addStretch(1);
    paperGrid->addLayout(size, custom.row, custom.column + 1, 1, 2);
    // The landscape box on a row of its own below the papers.
    paperGrid->addWidget(button<QCheckBox>(ctl::chkPrintDirectionYoko), paperGrid->rowCount(), 0, 1,
                         paperGrid->columnCount());

    auto* display = new QGroupBox(texts::displayFrame());
    display->setObjectName(QStringLiteral("FrmHyojiSize"));
    auto* displayRow = new QHBoxLayout(display);
    displayRow->addWidget(option(ctl::optHyojiLarge));
    displayRow->addWidget(option(ctl::opbHyojiSmall));
    displayRow->addStretch(1);

    auto* frames = new QVBoxLayout;
    frames->setSpacing(8);
    frames->addWidget(paper);
    frames->addWidget(display);
    frames->addStretch(1);
    grid->addLayout(frames, 0, 2, 5, 1);
    grid->setRowStretch(5, 1);
    return page;
}

QWidget* MainWindow::buildStaffTab() {
    QWidget* page = nullptr;
    QGridLayout* grid = newTabPage(QStringLiteral("tabStaff"), page);

    addField(grid, 0, 0, ctl::txtDaifuhyoCnt);
    addField(grid, 0, 1, ctl::txtDaifuhyoInterval);

    // The line weight list stands in the first column of the second row.
    auto* weights = new QListWidget;
    weights->setObjectName(QString::fromLatin1(ctl::lstLineWeight));
    weights->setSelectionMode(QAbstractItemView::SingleSelection);
    weights->addItems(lineWeightCaptions());
    weights->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    weights->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int rows = weights->sizeHintForRow(0) * weights->count();
    weights->setFixedSize(qMax(kFieldWidth + 24, weights->sizeHintForColumn(0) + 12),
                          rows + 2 * weights->frameWidth());
    auto* weightCell = new QVBoxLayout;
    weightCell->setSpacing(2);
    weightCell->addWidget(captionLabel(captionOf(tableRow(ctl::lstLineWeight)), weights));
    weightCell->addWidget(weights);
    grid->addLayout(weightCell, 1, 0, Qt::AlignTop | Qt::AlignLeft);

    addField(grid, 1, 1, ctl::txtTavriDansu);
    addField(grid, 2, 0, ctl::txtLineInterval);
    QLineEdit* reference = addField(grid, 2, 1, ctl::txtTavriInterval);
    reference->setEnabled(false);
    // Wide enough for the fifteen significant digits the value is written with.
    reference->setFixedWidth(
        QFontMetrics(reference->font()).horizontalAdvance(QStringLiteral("-16.5335292964923")) +
        12);

    auto* lineCount = new QGroupBox(pernoa::texts::tableText(pernoa::texts::kLineCount));
    lineCount->setObjectName(QStringLiteral("fraLineCnt"));
    auto* column = new QVBoxLayout(lineCount);
    for (const QString& name : lineCountOptions())
        column->addWidget(option(qPrintable(name)));
    grid->addWidget(lineCount, 0, 2, 4, 1, Qt::AlignTop);
    grid->setRowStretch(3, 1);
    return page;
}

QWidget* MainWindow::buildMusicTab() {
    QWidget* page = nullptr;
    QGridLayout* grid = newTabPage(QStringLiteral("tabMusic"), page);

    // A preset fills the fields; the list then offers the presets again.
    auto* presets = new QComboBox;
    presets->setObjectName(QStringLiteral("lstHinagata"));
    presets->addItem(texts::presetPrompt());
    for (const MusicPresetEntry& entry : musicPresets())
        presets->addItem(pernoa::texts::tableText(entry.name), int(entry.preset));
    auto* presetCell = new QVBoxLayout;
    presetCell->setSpacing(2);
    presetCell->addWidget(captionLabel(texts::presetCaption(), presets));
    presetCell->addWidget(presets);
    grid->addLayout(presetCell, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    connect(presets, &QComboBox::activated, this, [this, presets](int index) {
        const QVariant preset = presets->itemData(index);
        presets->setCurrentIndex(0);
        if (preset.isValid())
            m_fileCommands.document().changeFields(
                document::texts::chooseOption(texts::presetCaption()),
                [this, preset] { m_engine.applyPreset(MusicPreset(preset.toInt())); });
    });

    // The rastral sizes, and the height of a staff at the spacing as it is.
    auto* rastral = new QComboBox;
    rastral->setObjectName(QStringLiteral("lstRastral"));
    rastral->addItem(texts::rastralNone());
    for (const RastralSize& size : rastralSizes())
        rastral->addItem(
            texts::rastralEntry(num::toText(size.number), num::toText(size.staffHeightMm)),
            size.number);
    QLabel* height = preview::plainLabel(QString(), ctl::lblGosenTakasa);
    // As wide as the widest height it shows: the window keeps its size.
    height->setMinimumWidth(height->fontMetrics().horizontalAdvance(
        pernoa::texts::staffHeight(QStringLiteral("88.88"))));
    auto* rastralLine = new QHBoxLayout;
    rastralLine->setSpacing(6);
    rastralLine->addWidget(rastral);
    rastralLine->addWidget(height);
    rastralLine->addStretch(1);
    auto* rastralCell = new QVBoxLayout;
    rastralCell->setSpacing(2);
    rastralCell->addWidget(captionLabel(texts::rastralCaption(), rastral));
    rastralCell->addLayout(rastralLine);
    grid->addLayout(rastralCell, 0, 1, Qt::AlignTop);
    connect(rastral, &QComboBox::activated, this, [this, rastral](int index) {
        const QVariant number = rastral->itemData(index);
        if (number.isValid())
            m_fileCommands.document().changeFields(
                document::texts::chooseOption(texts::rastralCaption()),
                [this, number] { m_engine.applyRastral(number.toInt()); });
        showStaffSize();
    });

    auto* stack = new StaffStackEditor;
    stack->setObjectName(QString::fromLatin1(ctl::txtFuhyoNarabi));
    auto* stackCell = new QVBoxLayout;
    stackCell->setSpacing(2);
    stackCell->addWidget(captionLabel(captionOf(tableRow(ctl::txtFuhyoNarabi)), stack->table()));
    stackCell->addWidget(stack);
    grid->addLayout(stackCell, 1, 0, 1, 2);

    addField(grid, 2, 0, ctl::txtShosetsuSu);
    // The stack's row commands beside the bar count, level with its field.
    auto* rowCommands = new QHBoxLayout;
    rowCommands->addWidget(stack->addButton());
    rowCommands->addWidget(stack->removeButton());
    rowCommands->addStretch(1);
    grid->addLayout(rowCommands, 2, 1, Qt::AlignBottom);

    auto* grouping = new QGroupBox(texts::groupingFrame());
    grouping->setObjectName(QStringLiteral("fraKukuri"));
    auto* groupingColumn = new QVBoxLayout(grouping);
    for (const char* name : {ctl::optKukuriNashi, ctl::optKukuriBrace, ctl::optKukuriBracket})
        groupingColumn->addWidget(option(name));
    auto* bars = new QGroupBox(texts::barLinesFrame());
    bars->setObjectName(QStringLiteral("fraShosetsusen"));
    auto* barsColumn = new QVBoxLayout(bars);
    for (const char* name : {ctl::optShosetsuTsuranuku, ctl::optShosetsuFuhyogoto})
        barsColumn->addWidget(option(name));
    auto* frames = new QVBoxLayout;
    frames->setSpacing(8);
    frames->addWidget(grouping);
    frames->addWidget(bars);
    frames->addStretch(1);
    grid->addLayout(frames, 0, 2, 4, 1);
    grid->setRowStretch(3, 1);
    return page;
}

void MainWindow::showStaffSize() {
    m_engine.showStaffHeight();
    auto* rastral = qobject_cast<QComboBox*>(control(QStringLiteral("lstRastral")));
    const int at = rastral->findData(m_engine.currentRastral());
    rastral->setCurrentIndex(at >= 0 ? at : 0);
}

QWidget* MainWindow::buildCommands() {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);

    grid->addWidget(commandButton("cmdPreview", texts::previewButton()), 0, 0, Qt::AlignBottom);
    grid->addWidget(commandButton("cmdPrint", texts::printButton()), 0, 1, Qt::AlignBottom);

    const ControlRow& countRow = tableRow(ctl::txtPrintCount);
    auto* count = new QLineEdit(startTextOf(countRow));
    count->setObjectName(QString::fromLatin1(ctl::txtPrintCount));
    holdOneCharacterMore(*count);
    count->setFont(numberFont());
    count->setFixedSize(fieldSize(*count));
    auto* countCell = new QGridLayout;
    countCell->setSpacing(2);
    countCell->addWidget(captionLabel(captionOf(countRow), count), 0, 0, 1, 2);
    countCell->addWidget(count, 1, 0);
    countCell->addWidget(captionLabel(unitOf(countRow), count), 1, 1);
    grid->addLayout(countCell, 0, 2, Qt::AlignBottom);

    grid->addWidget(commandButton("cmdShowHelp", texts::helpButton()), 0, 3, Qt::AlignBottom);
    grid->addWidget(commandButton("cmdSetPrinter", texts::choosePrinterButton()), 1, 1, 1, 2,
                    Qt::AlignLeft);
    grid->addWidget(commandButton("cmdEnd", texts::endButton()), 1, 3);
    grid->setColumnStretch(4, 1);
    return box;
}

void MainWindow::buildMenus() {
    QMenu* settings = menuBar()->addMenu(texts::settingsMenu());
    settings->setObjectName(QStringLiteral("mnuSettei"));
    settings->setToolTipsVisible(true);
    m_settingsMenu = settings;
    QAction* open = settings->addAction(texts::openCommand());
    open->setObjectName(QStringLiteral("mnuSettei_Open"));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    QAction* save = settings->addAction(texts::saveCommand());
    save->setObjectName(QStringLiteral("mnuSettei_Save"));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QAction* pdf = settings->addAction(texts::exportPdfCommand());
    pdf->setObjectName(QStringLiteral("mnuSettei_ExportPdf"));
    pdf->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    // One page for a note-taking app's template.
    QAction* svg = settings->addAction(texts::exportSvgCommand());
    svg->setObjectName(QStringLiteral("mnuSettei_ExportSvg"));
    QAction* png = settings->addAction(texts::exportPngCommand());
    png->setObjectName(QStringLiteral("mnuSettei_ExportPng"));
    // A sheet to measure the printer's offsets on, printed on the paper and
    // in the orientation chosen here.
    QAction* calibration = settings->addAction(texts::calibrationCommand());
    calibration->setObjectName(QStringLiteral("mnuSettei_CalibrationSheet"));
    connect(calibration, &QAction::triggered, this, [this] { drawCalibrationSheet(m_engine); });

    QMenu* edit = menuBar()->addMenu(texts::editMenu());
    edit->setObjectName(QStringLiteral("mnuEdit"));
    document::Document& document = m_fileCommands.document();
    const preview::HistoryActions history =
        preview::createHistoryActions(document.history(), this, [&document] { document.settle(); });
    history.undo->setObjectName(QStringLiteral("mnuEdit_Undo"));
    history.redo->setObjectName(QStringLiteral("mnuEdit_Redo"));
    edit->addAction(history.undo);
    edit->addAction(history.redo);

    QMenu* help = menuBar()->addMenu(texts::helpMenu());
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* view = help->addAction(texts::helpCommand());
    view->setObjectName(QStringLiteral("mnuHelp_View"));
    QAction* version = help->addAction(texts::aboutCommand());
    version->setObjectName(QStringLiteral("mnuHelp_Ver"));
    buildLanguageMenu(*help);

    connect(open, &QAction::triggered, this, &MainWindow::openSettings);
    connect(save, &QAction::triggered, this, &MainWindow::saveSettings);
    connect(pdf, &QAction::triggered, this, &MainWindow::exportPdf);
    connect(svg, &QAction::triggered, this, [this] { m_fileCommands.exportSvgCommand(this); });
    connect(png, &QAction::triggered, this, [this] { m_fileCommands.exportPngCommand(this); });
    connect(view, &QAction::triggered, this, &MainWindow::showHelp);
    connect(version, &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::buildLanguageMenu(QMenu& help) {
    // The choice is kept for the next start: the windows are built in one
    // language, and the user keeps working in it until then.
    QMenu* menu = help.addMenu(texts::languageMenu());
    menu->setObjectName(QStringLiteral("mnuHelp_Lang"));
    auto* group = new QActionGroup(menu);
    const std::optional<Language> stored = storedLanguage(languageStore());
    const struct {
        const char* name;
        std::optional<Language> language;
        QString caption;
    } entries[] = {
        {"mnuHelp_Lang_Desktop", std::nullopt, texts::languageOfDesktop()},
        {"mnuHelp_Lang_ja", Language::Japanese, texts::languageJapanese()},
        {"mnuHelp_Lang_en", Language::English, texts::languageEnglish()},
    };
    for (const auto& entry : entries) {
        QAction* action = menu->addAction(entry.caption);
        action->setObjectName(QLatin1String(entry.name));
        action->setCheckable(true);
        action->setChecked(entry.language == stored);
        group->addAction(action);
        const std::optional<Language> language = entry.language;
        connect(action, &QAction::triggered, this, [this, language] {
            IMessages& messages = m_engine.messages();
            if (storeLanguage(languageStore(), language))
                messages.showMessage(texts::languageAtNextStart(), pernoa::texts::appTitle(),
                                     MsgIcon::Information);
            else
                messages.showMessage(texts::languageNotStored(), pernoa::texts::appTitle(),
                                     MsgIcon::Critical);
        });
    }
}

void MainWindow::setFocusOrder() {
    std::vector<const char*> order = {
        ctl::txtSpaceSizeUp,     ctl::txtSpaceSizeDown,   ctl::txtSpaceSizeLeft,
        ctl::txtSpaceSizeRight,  ctl::txtPrinterGosaY,    ctl::txtPrinterGosaX,
        ctl::txtPrinterBairituX, ctl::txtPrinterBairituY, ctl::sbrPrintShade};
    for (const PaperSize* p : papersInWindowOrder())
        order.push_back(p->option);
    order.insert(order.end(), {ctl::txtNiniHaba,
                               ctl::txtNiniTakasa,
                               ctl::chkPrintDirectionYoko,
                               ctl::optHyojiLarge,
                               ctl::opbHyojiSmall,
                               ctl::txtDaifuhyoCnt,
                               ctl::txtDaifuhyoInterval,
                               ctl::lstLineWeight,
                               ctl::txtTavriDansu,
                               ctl::txtLineInterval,
                               ctl::txtTavriInterval,
                               ctl::opt2,
                               ctl::opt3,
                               ctl::opt4,
                               ctl::opt5,
                               ctl::opt6,
                               "lstHinagata",
                               "lstRastral",
                               "tblFuhyoNarabi",
                               ctl::txtShosetsuSu,
                               "cmdFuhyoAdd",
                               "cmdFuhyoRemove",
                               ctl::optKukuriNashi,
                               ctl::optKukuriBrace,
                               ctl::optKukuriBracket,
                               ctl::optShosetsuTsuranuku,
                               ctl::optShosetsuFuhyogoto,
                               "cmdPreview",
                               "cmdPrint",
                               ctl::txtPrintCount,
                               "cmdSetPrinter",
                               "cmdShowHelp",
                               "cmdEnd"});
    QWidget* previous = nullptr;
    for (const char* name : order) {
        QWidget* w = control(QString::fromLatin1(name));
        Q_ASSERT(w);
        if (previous && w)
            setTabOrder(previous, w);
        previous = w;
    }
}

void MainWindow::tabToSelectedOptions() {
    // Tab enters an option group at its selected button: only that button of
    // the group takes Tab focus, whichever way it came to be selected (a
    // click, the arrow keys, a settings file). A group with none selected is
    // entered at its first button.
    auto refresh = [](QWidget* group) {
        const QList<QRadioButton*> options =
            group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
        QRadioButton* target = options.isEmpty() ? nullptr : options.first();
        for (QRadioButton* option : options)
            if (option->isChecked())
                target = option;
        for (QRadioButton* option : options)
            option->setFocusPolicy(option == target ? Qt::StrongFocus : Qt::ClickFocus);
    };
    for (QRadioButton* option : findChildren<QRadioButton*>()) {
        QWidget* group = option->parentWidget();
        refresh(group);
        connect(option, &QRadioButton::toggled, group, [group, refresh] { refresh(group); });
    }
}

void MainWindow::connectHandlers() {
    // Paper options: the routine for the paper in the box's orientation, then
    // a redraw. Only the option that becomes selected acts.
    for (const PaperSize& paper : paperTable()) {
        auto* button = qobject_cast<QRadioButton*>(control(QString::fromLatin1(paper.option)));
        const PaperKind kind = paper.kind;
        connect(button, &QRadioButton::toggled, this, [this, kind](bool on) {
            if (on)
                m_engine.onPaperOptionSelected(kind);
        });
    }
    // The size of the user's paper: a size the user edited takes effect when
    // the field is left (or Enter pressed), while that paper is selected.
    for (const char* name : {ctl::txtNiniHaba, ctl::txtNiniTakasa}) {
        auto* edit = qobject_cast<QLineEdit*>(control(QString::fromLatin1(name)));
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
            if (!edit->isModified())
                return;
            edit->setModified(false);
            m_engine.onCustomSizeEdited();
        });
    }
    // The landscape box acts on every change, either way.
    connect(qobject_cast<QCheckBox*>(control(ctl::chkPrintDirectionYoko)), &QCheckBox::toggled,
            this, [this] { m_engine.onLandscapeClicked(); });
    connect(qobject_cast<QRadioButton*>(control(ctl::opbHyojiSmall)), &QRadioButton::toggled, this,
            [this](bool on) {
                if (on)
                    m_engine.onDisplaySmallSelected();
            });
    connect(qobject_cast<QRadioButton*>(control(ctl::optHyojiLarge)), &QRadioButton::toggled, this,
            [this](bool on) {
                if (on)
                    m_engine.onDisplayLargeSelected();
            });

    connect(qobject_cast<QScrollBar*>(control(ctl::sbrPrintShade)), &QScrollBar::valueChanged, this,
            [this] { m_engine.sbrPrintShadeChanged(); });
    // The staff size follows the spacing and the line count, typed or set.
    connect(qobject_cast<QLineEdit*>(control(ctl::txtLineInterval)), &QLineEdit::textChanged, this,
            &MainWindow::showStaffSize);
    for (const QString& name : lineCountOptions())
        connect(qobject_cast<QRadioButton*>(control(name)), &QRadioButton::toggled, this,
                &MainWindow::showStaffSize);
    connect(qobject_cast<StaffStackEditor*>(control(ctl::txtFuhyoNarabi)),
            &StaffStackEditor::changed, this, &MainWindow::showStaffSize);
    showStaffSize();

    // Every change of the copy count, typed or set by the program.
    connect(qobject_cast<QLineEdit*>(control(ctl::txtPrintCount)), &QLineEdit::textChanged, this,
            [this] { m_engine.txtPrintCountChanged(); });

    auto button = [this](const char* name) {
        return qobject_cast<QPushButton*>(control(QString::fromLatin1(name)));
    };
    connect(button("cmdPreview"), &QPushButton::clicked, this,
            [this] { m_engine.cmdPreviewClick(); });
    connect(button("cmdPrint"), &QPushButton::clicked, this, [this] { m_engine.cmdPrintClick(); });
    connect(button("cmdSetPrinter"), &QPushButton::clicked, this, &MainWindow::choosePrinter);
    connect(button("cmdShowHelp"), &QPushButton::clicked, this, &MainWindow::showHelp);
    connect(button("cmdEnd"), &QPushButton::clicked, this, &MainWindow::close);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Unsaved changes are saved or given up as the user says; a cancel keeps
    // the program running with everything as it is.
    if (!m_fileCommands.mayDiscardChanges(this)) {
        event->ignore();
        return;
    }
    // The printer offsets are kept for the next run.
    m_fileCommands.SaveDefaultSettei();
    event->accept();
    // The program ends at once, every other window with it, none asked.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows)
        if (window != this && window->isVisible())
            window->hide();
    QCoreApplication::quit();
}

HelpWindow* MainWindow::helpWindow() const {
    return m_help;
}

AboutBox* MainWindow::aboutBox() const {
    return m_about;
}

// A window already open is shown again, restored and brought forward.
static void bringForward(QWidget* window) {
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

void MainWindow::showHelp() {
    if (!m_help) {
        m_help = new HelpWindow(this);
        m_help->setAttribute(Qt::WA_DeleteOnClose);
    }
    bringForward(m_help);
}

void MainWindow::showAbout() {
    if (!m_about) {
        m_about = new AboutBox(this);
        m_about->setAttribute(Qt::WA_DeleteOnClose);
    }
    bringForward(m_about);
}

void MainWindow::choosePrinter() {
    PrinterDialog dialog(m_printers, this);
    // Application modal: the preview window takes no input either.
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.exec();
}

void MainWindow::openSettings() {
    m_fileCommands.openCommand(this);
}

void MainWindow::saveSettings() {
    m_fileCommands.saveCommand(this);
}

void MainWindow::exportPdf() {
    m_fileCommands.exportPdfCommand(this);
}

// ---------------------------------------------------------------------------
// Files dropped on the window

QString MainWindow::droppedSettingsFile(const QMimeData* data) {
    // One file at a time: of several, none would be the obvious one.
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return QString();
    const QUrl url = data->urls().first();
    return url.isLocalFile() && isSettingsFilePath(url.toLocalFile()) ? url.toLocalFile()
                                                                      : QString();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (droppedSettingsFile(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
    if (droppedSettingsFile(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = droppedSettingsFile(event->mimeData());
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // The question and the load run once the drop has ended, so the program
    // the file came from is not kept waiting for the answer.
    QMetaObject::invokeMethod(
        this, [this, path] { m_fileCommands.openFile(path, this); }, Qt::QueuedConnection);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // Files dragged over a field are the window's to take or refuse; a text
    // dragged there stays the field's.
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!drop->mimeData()->hasUrls())
            break;
        if (event->type() == QEvent::Drop)
            dropEvent(drop);
        else if (droppedSettingsFile(drop->mimeData()).isEmpty())
            drop->ignore();
        else
            drop->acceptProposedAction();
        return true;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace pernoa::ui
