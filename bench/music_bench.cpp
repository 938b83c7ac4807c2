// A page of six piano systems (A4 portrait, 12 staves of rastral 3, treble
// and bass clefs, braces, four bars per line) on the preview window of the
// offscreen platform, at both display sizes: the drawing routine's preview
// pass and the page's repaint, ROUNDS times; prints "name value unit" lines
// (run by music_bench.sh, which times the PDF export through the command
// line). Exits with status 2 when the page cannot be drawn.

#include "cli/consolemessages.h"
#include "engine/controls.h"
#include "engine/headlessform.h"
#include "engine/musicsettings.h"
#include "engine/numberrules.h"
#include "engine/tavriengine.h"
#include "output/musicfont.h"
#include "overlay/overlayitems.h"
#include "preview/itemdialogs.h"
#include "preview/pagesurface.h"
#include "preview/previewwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QUndoStack>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

using namespace pernoa;

namespace {

struct Page {
    HeadlessForm form;
    cli::ConsoleMessages messages;
    TavriEngine engine{form, messages};
    output::MusicFont font;

    explicit Page(MusicPreset preset = MusicPreset::Piano) {
        engine.initStartValues();
        form.setText(ctl::txtDaifuhyoCnt, QStringLiteral("6"));
        form.setText(ctl::txtDaifuhyoInterval, QStringLiteral("8"));
        form.setText(ctl::txtTavriDansu, QStringLiteral("2"));
        const double spacing = rastralSpacingMm(3, 5);
        form.setText(ctl::txtLineInterval, num::toText(spacing));
        MusicSettings music = applyMusicPreset(preset, {}, spacing);
        if (const MusicPresetEntry* entry = musicPreset(preset); entry && !entry->rows.empty())
            form.setText(ctl::txtTavriDansu, QString::number(entry->rows.size()));
        music.measures = 4;
        engine.putMusicSettings(music);
        engine.setMusicFont(&font);
    }
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

int previewRounds(int rounds) {
    Page page;
    overlay::OverlayItems items(page.engine.settings(), page.messages);
    QUndoStack history;
    preview::ItemDialogs dialogs(items, page.messages, history,
                                 QCoreApplication::applicationDirPath());
    preview::PreviewWindow window(items, page.messages, dialogs, history);
    page.engine.setPreviewSurface(&window);
    page.engine.setPreviewWindow(&window);
    window.show();
    for (const int size : {kHyojiSmall, kHyojiLarge}) {
        const char* name = size == kHyojiSmall ? "small" : "large";
        page.form.setChecked(ctl::optHyojiLarge, size == kHyojiLarge);
        page.form.setChecked(ctl::opbHyojiSmall, size == kHyojiSmall);
        page.engine.settings().HyojiSize = size;
        page.engine.ApplyPaperSize();
        for (int i = 0; i < 10; ++i)
            QCoreApplication::processEvents();
        // A page that is not shown would not be painted at all.
        if (window.page()->visibleRegion().isEmpty())
            return 2;
        QElapsedTimer clock;
        clock.start();
        const Outcome first = page.engine.DrawTavriSheet(0);
        window.page()->repaint();
        std::printf("preview_%s_first %.2f ms\n", name, clock.nsecsElapsed() / 1e6);
        if (window.page()->signCount() == 0 || !first.isDone())
            return 2;
        std::vector<double> times;
        for (int i = 0; i < rounds; ++i) {
            clock.restart();
            page.engine.DrawTavriSheet(0);
            window.page()->repaint();
            times.push_back(clock.nsecsElapsed() / 1e6);
        }
        std::printf("preview_%s_median %.2f ms\n", name, median(times));
        std::printf("preview_%s_max %.2f ms\n", name,
                    *std::max_element(times.begin(), times.end()));
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == QLatin1String("preview") && argc == 3) {
        QApplication app(argc, argv);
        return previewRounds(std::max(1, std::atoi(argv[2])));
    }
    std::fprintf(stderr, "usage: %s preview ROUNDS\n", argv[0]);
    return 1;
}
