// Loads a settings file the way the open command does (all items cleared,
// the three sections read, the page drawn once) on a headless form, and
// prints the wall time in milliseconds. With --window the items are shown on
// a real preview window and the time includes painting its page.
//
// Usage: pernoa_settings_load [--window] FILE.kvs2 [ROUNDS]

#include "engine/consolemessages.h"
#include "engine/headlessform.h"
#include "engine/tavriengine.h"
#include "files/settingsfile.h"
#include "overlay/overlayitems.h"
#include "preview/pagesurface.h"
#include "preview/previewwindow.h"

#include <QElapsedTimer>
#include <QApplication>

#include <cstring>
#include <memory>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[]) {
    const bool window = argc > 1 && std::strcmp(argv[1], "--window") == 0;
    const int first = window ? 2 : 1;
    if (argc <= first) {
        std::fprintf(stderr, "usage: %s [--window] FILE.kvs2 [ROUNDS]\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    const QString path = QString::fromLocal8Bit(argv[first]);
    const int rounds = argc > first + 1 ? std::max(1, atoi(argv[first + 1])) : 5;
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        pernoa::HeadlessForm form;
        pernoa::ConsoleMessages messages;
        pernoa::TavriEngine engine(form, messages);
        engine.InitStartValues();
        pernoa::overlay::OverlayItems items(engine.settings(), messages);
        engine.setOverlayOutput(&items);
        std::unique_ptr<pernoa::preview::PreviewWindow> preview;
        if (window) {
            preview = std::make_unique<pernoa::preview::PreviewWindow>();
            engine.setPreviewSurface(preview.get());
            engine.setPreviewWindow(preview.get());
            preview->attachItems(items, messages);
            engine.ApplyPaperSize();
            preview->show();
            QCoreApplication::processEvents();
        }
        pernoa::SettingsFile file(engine, items);
        QElapsedTimer clock;
        clock.start();
        const bool ok = file.boLoadSetteiFile(path);
        if (preview)
            preview->page()->repaint();
        times.push_back(clock.nsecsElapsed() / 1e6);
        if (preview)
            preview->detachItems();
        if (!ok || items.FreeTextCount == 0)
            return 1;
    }
    std::sort(times.begin(), times.end());
    std::printf("%.1f\n", times[times.size() / 2]);
    return 0;
}
