#include "ui/gui.h"

#include "engine/controls.h"
#include "engine/tavriengine.h"
#include "output/qtprinter.h"
#include "preview/previewwindow.h"
#include "ui/mainwindow.h"
#include "ui/messagebox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFont>
#include <QScreen>
#include <QWindow>

namespace pernoa::ui {
namespace {

// Lets the window system show and frame a window (a second at most), so that
// its frame geometry is where the window really stands.
void waitUntilShown(QWidget& window) {
    const QWindow* handle = window.windowHandle();
    QElapsedTimer clock;
    clock.start();
    while (handle && !handle->isExposed() && clock.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QCoreApplication::processEvents();
}

// Where the main window starts: the two windows side by side, the pair in the
// middle of the screen.
QPoint startPosition(QWidget& main, const QWidget& preview) {
    const QScreen* screen = main.screen();
    if (!screen)
        return main.pos();
    const QRect area = screen->availableGeometry();
    main.adjustSize();
    const int width = main.width() + preview.width();
    const int height = qMax(main.height(), preview.height());
    return {area.x() + qMax(0, (area.width() - width) / 2),
            area.y() + qMax(0, (area.height() - height) / 2)};
}

} // namespace

GuiProgram::GuiProgram()
    : m_messages(std::make_unique<MessageBoxes>()),
      m_preview(std::make_unique<preview::PreviewWindow>()), m_main(std::make_unique<MainWindow>()),
      m_engine(std::make_unique<TavriEngine>(*m_main, *m_messages)) {
    m_messages->setParentWindow(m_main.get());
    m_engine->setPreviewSurface(m_preview.get());
    m_engine->setPreviewWindow(m_preview.get());
    connectPrinter();
    m_main->setEngine(m_engine.get());
}

GuiProgram::~GuiProgram() {
    // The window's handlers must not reach the engine while it goes.
    m_main->setEngine(nullptr);
}

void GuiProgram::connectPrinter() {
    // Every print job goes to the printer current at the time it starts: the
    // system's default until the printer selection makes another current.
    m_printers = std::make_unique<output::QtPrinterList>();
    m_printer = std::make_unique<output::QtPrinter>(*m_printers);
    m_engine->setPrinter(m_printer.get());
}

void GuiProgram::prepareApplication(QApplication& app) {
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPointSize(9);
    app.setFont(font);
    app.setQuitOnLastWindowClosed(false);
}

void GuiProgram::start() {
    // 1. The preview window, shown modeless.
    m_preview->show();
    // 2. Start values: small display, A4 portrait.
    m_engine->InitStartValues();
    // 3. Line weight.
    m_main->selectText(ctl::lstLineWeight,
                       QString::fromUtf8(controlRow(ctl::lstLineWeight)->initial));
    // 4. The program's folder.
    m_main->setProgramFolder(QCoreApplication::applicationDirPath());
    // 5. The printer offsets of the last run are read here (settings file
    //    commands issue).
    // 6. The main window, and 7. the preview window against its right edge.
    m_main->move(startPosition(*m_main, *m_preview));
    m_main->show();
    waitUntilShown(*m_main);
    m_preview->placeBeside(*m_main);
    // The default page, at the size of the selected paper and display size.
    m_engine->ApplyPaperSize();
    m_engine->DrawTavriSheet(0);
    // 8. A settings file named on the command line is loaded here (settings
    //    file commands issue).
}

int runGui(int argc, char* argv[]) {
    QApplication app(argc, argv);
    GuiProgram::prepareApplication(app);
    GuiProgram program;
    program.start();
    return app.exec();
}

} // namespace pernoa::ui
