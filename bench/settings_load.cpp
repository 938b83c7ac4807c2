// Loads a settings file the way the open command does (all items cleared,
// the three sections read, the page drawn once) on a headless form with an
// item model that has no display, and prints the wall time in milliseconds.
//
// Usage: pernoa_settings_load FILE.kvs2 [ROUNDS]

#include "engine/consolemessages.h"
#include "engine/headlessform.h"
#include "engine/tavriengine.h"
#include "files/settingsfile.h"
#include "overlay/overlayitems.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE.kvs2 [ROUNDS]\n", argv[0]);
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QString path = QString::fromLocal8Bit(argv[1]);
    const int rounds = argc > 2 ? std::max(1, atoi(argv[2])) : 5;
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        pernoa::HeadlessForm form;
        pernoa::ConsoleMessages messages;
        pernoa::TavriEngine engine(form, messages);
        engine.InitStartValues();
        pernoa::overlay::OverlayItems items(engine.settings(), messages);
        engine.setOverlayOutput(&items);
        pernoa::SettingsFile file(engine, items);
        QElapsedTimer clock;
        clock.start();
        const bool ok = file.boLoadSetteiFile(path);
        times.push_back(clock.nsecsElapsed() / 1e6);
        if (!ok || items.FreeTextCount == 0)
            return 1;
    }
    std::sort(times.begin(), times.end());
    std::printf("%.1f\n", times[times.size() / 2]);
    return 0;
}
