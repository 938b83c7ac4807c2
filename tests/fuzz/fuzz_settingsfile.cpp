// The settings file readers: any file goes through the loading sequence of the
// open command into a headless main window and the item model, and is loaded
// or refused with a message. A file that loads saves, or the save refuses it
// with its message; a save that is made loads again and saves to the same
// bytes. The default settings file reader gets the same
// bytes: whatever it puts into the offset fields saves and reads back alike.

#include "engine/controls.h"
#include "engine/headlessform.h"
#include "engine/papersizes.h"
#include "engine/tavriengine.h"
#include "enginerig.h"
#include "files/defaultsettings.h"
#include "files/settingsfile.h"
#include "fuzzcheck.h"
#include "overlay/overlayitems.h"
#include "recorders.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <cstdint>

namespace {

using namespace pernoa;

// The main window's state as the readers see it, with the window's handlers
// of the landscape box and the paper options.
struct Window {
    HeadlessForm form;
    test::RecordingMessages messages;
    // The preview's lines are counted, not recorded: a page at the line
    // limit is a million of them, and recording each would time the
    // recorder, not the readers.
    struct CountingSurface : test::RecordingSurface {
        double lines = 0;
        void drawLine(float, float, float, float, const QColor&) override { ++lines; }
    } surface;
    TavriEngine engine{form, messages};
    overlay::OverlayItems items{engine.settings(), messages};
    SettingsFile file{engine, items};

    Window() {
        engine.initStartValues();
        engine.setPreviewSurface(&surface);
        engine.setOverlayOutput(&items);
        test::wirePageHandlers(form, engine);
    }

    // The save of the page as it stands, or nothing when the save refuses.
    QByteArray save() {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        return file.SaveSetteiFile(buffer) ? buffer.data() : QByteArray();
    }
};

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static int argc = 1;
    static char name[] = "fuzz_settingsfile";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    Q_UNUSED(app);
    // Image items name their pictures relative to the working folder: a
    // folder of our own with two small pictures that such names can find.
    static QTemporaryDir* folder = [] {
        auto* dir = new QTemporaryDir;
        QImage picture(3, 2, QImage::Format_RGB32);
        picture.fill(Qt::darkBlue);
        picture.save(dir->filePath(QStringLiteral("pic.bmp")), "BMP");
        picture.save(dir->filePath(QStringLiteral("pic,copy.bmp")), "BMP");
        return dir;
    }();
    // Only while this input runs: libFuzzer and the replay name their own
    // files relative to the folder they started in.
    struct Within {
        QString before = QDir::currentPath();
        explicit Within(const QString& path) { QDir::setCurrent(path); }
        ~Within() { QDir::setCurrent(before); }
    } within{folder->path()};
    const QString path = folder->filePath(QStringLiteral("page.kvs2"));
    const QString again = folder->filePath(QStringLiteral("again.kvs2"));
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    FUZZ_CHECK(writeFile(path, bytes));

    {
        Window window;
        if (window.file.boLoadSetteiFile(path)) {
            const QByteArray first = window.save();
            if (!first.isEmpty()) {
                // What the program wrote, its readers take, and it writes
                // alike again. A page that passes the check may still stop
                // the drawing at a run-time error (a margin of 1e88): the
                // landscape box and the paper options redraw as they are set,
                // as for the user. The save's load shows nothing the first
                // load did not. (Its final drawing is left out: a page at
                // the line limit would be drawn twice per input.)
                FUZZ_CHECK(writeFile(again, first));
                Window reread;
                FUZZ_CHECK(reread.file.loadSections(again));
                for (const QString& text : reread.messages.texts())
                    FUZZ_CHECK(window.messages.texts().contains(text));
                FUZZ_CHECK(reread.save() == first);
            }
        }
    }
    {
        // The default settings file: two numbers in the offset fields, "0"
        // for anything else, and a save of them that reads back unchanged.
        HeadlessForm form;
        LoadDefaultSettei(form, path);
        if (SaveDefaultSettei(form, again)) {
            const QByteArray first = readFile(again);
            HeadlessForm reread;
            LoadDefaultSettei(reread, again);
            FUZZ_CHECK(reread.text(ctl::txtPrinterGosaX) == form.text(ctl::txtPrinterGosaX));
            FUZZ_CHECK(reread.text(ctl::txtPrinterGosaY) == form.text(ctl::txtPrinterGosaY));
            FUZZ_CHECK(SaveDefaultSettei(reread, again));
            FUZZ_CHECK(readFile(again) == first);
        }
    }
    return 0;
}
