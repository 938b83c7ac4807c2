#include "ui/gui.h"

#include "document/document.h"
#include "engine/controls.h"
#include "engine/tavriengine.h"
#include "engine/texts.h"
#include "output/musicfont.h"
#include "output/qtprinter.h"
#include "overlay/overlayitems.h"
#include "preview/itemdialogs.h"
#include "preview/previewwindow.h"
#include "ui/dialogrunner.h"
#include "ui/filecommands.h"
#include "ui/formcontrols.h"
#include "ui/mainwindow.h"
#include "ui/messagebox.h"
#include "ui/progressdialog.h"
#include "ui/texts.h"
#include "ui/windowparts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QStandardPaths>
#include <QWindow>

#include <cstdio>
#include <cstring>

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

GuiProgram::GuiProgram(IDialogRunner& runner, const QString& programFolder)
    : m_programFolder(programFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                              : programFolder),
      m_messages(std::make_unique<MessageBoxes>(runner)), m_form(std::make_unique<FormControls>()),
      // Clefs and braces, looked for when a page first needs them.
      m_musicFont(std::make_unique<output::MusicFont>()),
      m_engine(std::make_unique<TavriEngine>(*m_form, *m_messages)),
      m_items(std::make_unique<overlay::OverlayItems>(m_engine->settings(), *m_messages)),
      m_document(std::make_unique<document::Document>(*m_engine, *m_items, recentFilesStore())),
      // Every print job goes to the printer current at the time it starts:
      // the system's default until the printer selection makes another
      // current.
      m_printers(std::make_unique<output::QtPrinterList>()),
      m_printer(std::make_unique<output::QtPrinter>(*m_printers)),
      m_fileCommands(
          std::make_unique<FileCommands>(*m_engine, *m_document, m_programFolder, runner)),
      m_dialogs(std::make_unique<preview::ItemDialogs>(*m_items, *m_messages, m_document->history(),
                                                       m_programFolder)),
      m_preview(std::make_unique<preview::PreviewWindow>(*m_items, *m_messages, *m_dialogs,
                                                         m_document->history())),
      m_main(std::make_unique<MainWindow>(*m_form, *m_engine, *m_fileCommands, *m_printers)),
      m_progress(std::make_unique<JobProgressDialog>(m_main.get())) {
    m_messages->setParentWindow(m_main.get());
    m_engine->setMusicFont(m_musicFont.get());
    // The preview's notice says so on every page that misses the font;
    // standard error once.
    m_musicFont->setMissingReport([] {
        std::fprintf(
            stderr, "%s\n",
            qUtf8Printable(texts::standardErrorWarning(pernoa::texts::musicFontMissing())));
    });
    m_engine->setPreviewSurface(m_preview.get());
    m_engine->setPreviewWindow(m_preview.get());
    m_engine->setOverlayOutput(m_items.get());
    m_engine->setPrinter(m_printer.get());
    m_engine->setProgress(m_progress.get());

    m_form->setChangeListener(
        [this](const QString& control) { m_document->fieldChanged(control); });
    // A drag in progress ends as its own step before a load, save, undo or
    // redo takes the page.
    QObject::connect(m_document.get(), &document::Document::settling, m_preview.get(),
                     &preview::PreviewWindow::endDrag);
    QObject::connect(
        m_preview.get(), &preview::PreviewWindow::settingsFileDropped, m_main.get(),
        [this](const QString& path) { m_fileCommands->openFile(path, m_preview.get()); });
}

GuiProgram::~GuiProgram() {
    m_form->setChangeListener({});
}

QString GuiProgram::recentFilesStore() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/recent-files.ini");
}

void GuiProgram::prepareApplication(QApplication& app, Language language) {
    // The windows take the desktop's font and size; Japanese text the face
    // lacks is drawn from another face by the system's font fallback.
    //
    // Qt's own dialogs (file, colour and font choosers, the buttons of
    // message boxes) speak the windows' language, when the system has Qt's
    // translation of it.
    useLanguage(language);
    app.setWindowIcon(programIcon());
    // The desktop matches the windows to the launcher (and its icon) by this.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.pernoa.pernoa"));
    app.setQuitOnLastWindowClosed(false);
}

void GuiProgram::start(const QStringList& arguments) {
    // 1. The preview window, shown modeless.
    m_preview->show();
    // 2. Start values: small display, A4 portrait.
    m_engine->initStartValues();
    // 3. Line weight.
    m_form->selectText(ctl::lstLineWeight, startTextOf(*controlRow(ctl::lstLineWeight)));
    // 4. The program's folder was taken when the program was built.
    // 5. The printer offsets of the last run.
    m_fileCommands->LoadDefaultSettei();
    // 6. The main window, and 7. the preview window against its right edge.
    m_main->move(startPosition(*m_main, *m_preview));
    m_main->show();
    waitUntilShown(*m_main);
    m_preview->placeBeside(*m_main);
    // The default page, at the size of the selected paper and display size.
    m_engine->ApplyPaperSize();
    m_engine->DrawTavriSheet(0);
    // From here on the page's changes count.
    m_document->begin();
    // 8. The settings file named on the command line.
    m_fileCommands->loadStartupFile(arguments);
}

namespace {

bool hasDisplay(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsEmpty("DISPLAY") ||
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
        !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    // Qt's own option naming the window system.
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0)
            return true;
    return false;
}

} // namespace

int runGui(int argc, char* argv[], Language language) {
    // Without a display Qt can only abort with a note about its platform
    // plugins; say what is missing and what works without one.
    if (!hasDisplay(argc, argv)) {
        int coreArgc = 1;
        char* coreArgv[] = {argv[0], nullptr};
        const QCoreApplication words(coreArgc, coreArgv);
        useLanguage(language);
        std::fputs(texts::noDisplay().toUtf8().constData(), stderr);
        return 1;
    }
    QApplication app(argc, argv);
    // The user's configuration folder is named after the program.
    QCoreApplication::setApplicationName(QStringLiteral("pernoa"));
    GuiProgram::prepareApplication(app, language);
    DesktopDialogRunner desktop;
    GuiProgram program(desktop);
    program.start(QCoreApplication::arguments());
    return app.exec();
}

} // namespace pernoa::ui
