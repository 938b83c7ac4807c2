// Loads a settings file the way the open command does (all items cleared,
// the three sections read, the page drawn once) on a headless form, and
// prints the wall time in milliseconds. With --window the items are shown on
// a real preview window and the time includes painting its page.
//
// Usage: pernoa_settings_load [--window] [--either] FILE.kvs2 [ROUNDS]
// With --either a refused file counts too (a hostile file must be loaded or
// refused in time) and the processor time of the load and the outcome,
// "loaded" or "refused", follow the wall time.

#include "cli/consolemessages.h"
#include "engine/headlessform.h"
#include "engine/tavriengine.h"
#include "files/settingsfile.h"
#include "overlay/overlayitems.h"
#include "preview/pagesurface.h"
#include "preview/previewwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QUndoStack>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <vector>

namespace {

// The processor time of this process so far, in milliseconds: on a machine
// shared with other work the wall time says more about the others.
double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// The benchmark opens no item dialog.
struct NoDialogs : pernoa::preview::IItemDialogs {
    void open(const pernoa::preview::ItemTarget&, QWidget*) override {}
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    bool window = false, either = false;
    int first = 1;
    for (; first < argc && argv[first][0] == '-' && argv[first][1] == '-'; ++first) {
        if (std::strcmp(argv[first], "--window") == 0)
            window = true;
        else if (std::strcmp(argv[first], "--either") == 0)
            either = true;
    }
    if (argc <= first) {
        std::fprintf(stderr, "usage: %s [--window] [--either] FILE.kvs2 [ROUNDS]\n", argv[0]);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[first]);
    const int rounds = argc > first + 1 ? std::max(1, atoi(argv[first + 1])) : 5;
    std::vector<double> times, cpu;
    bool loaded = false;
    for (int round = 0; round < rounds; ++round) {
        pernoa::HeadlessForm form;
        pernoa::cli::ConsoleMessages messages;
        pernoa::TavriEngine engine(form, messages);
        engine.initStartValues();
        pernoa::overlay::OverlayItems items(engine.settings(), messages);
        engine.setOverlayOutput(&items);
        NoDialogs dialogs;
        QUndoStack history;
        std::unique_ptr<pernoa::preview::PreviewWindow> preview;
        if (window) {
            preview =
                std::make_unique<pernoa::preview::PreviewWindow>(items, messages, dialogs, history);
            engine.setPreviewSurface(preview.get());
            engine.setPreviewWindow(preview.get());
            engine.ApplyPaperSize();
            preview->show();
            QCoreApplication::processEvents();
        }
        pernoa::SettingsFile file(engine, items);
        QElapsedTimer clock;
        const double cpuBefore = cpuMs();
        clock.start();
        const bool ok = file.boLoadSetteiFile(path);
        if (preview)
            preview->page()->repaint();
        times.push_back(clock.nsecsElapsed() / 1e6);
        cpu.push_back(cpuMs() - cpuBefore);
        loaded = ok;
        if (!either && (!ok || items.count(pernoa::overlay::ItemKind::Text) == 0))
            return 1;
    }
    std::sort(times.begin(), times.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("%.1f", times[times.size() / 2]);
    if (either)
        std::printf(" %.1f", cpu[cpu.size() / 2]);
    std::printf(either ? (loaded ? " loaded\n" : " refused\n") : "\n");
    return 0;
}
