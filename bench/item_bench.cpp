// The preview with many items, on the offscreen platform. One scenario per
// run, so that each peak memory figure is that scenario's own:
//   redraw  the default page with 1,000 text and 100 image items: the
//           drawing routine's preview pass and the page's repaint
//   drag    one drag step (pointer move, stored position, repaint of what
//           changed) with 1,000 items on the page
//   many    32,767 text items placed as a settings file brings them (the
//           last one inserted as the text dialog does), then the page drawn
//           and painted
// Prints one line "name value unit" per figure.

#include "previewprogram.h"

#include "cli/consolemessages.h"
#include "engine/headlessform.h"
#include "engine/tavriengine.h"
#include "output/fontmap.h"
#include "overlay/overlayitems.h"
#include "preview/previewwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>

#include <sys/resource.h>

#include <QUndoStack>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace pernoa;
using namespace pernoa::overlay;

namespace {

struct Program : PreviewProgram {
    // Texts spread over the page (A4 portrait: 11907 x 16840 twips), every
    // fifth on two lines, a few in other faces, sizes and colours. They are
    // put in without the window, which gets their hidden elements after:
    // the next drawing shows them for the first time.
    void addTexts(int count) {
        items.setDisplay(nullptr);
        for (int i = 0; i < count; ++i) {
            OverlayText text;
            text.Text = QStringLiteral("テキスト %1").arg(i);
            if (i % 5 == 0)
                text.Text += QStringLiteral("\r\n二行目");
            text.X = (i * 397) % 11000;
            text.Y = (i * 631) % 16000;
            text.FontSize = std::int16_t(10 + i % 4 * 4);
            text.FontBold = i % 7 == 0;
            if (i % 3 == 0)
                text.FontName = QStringLiteral("ＭＳ 明朝");
            text.ForeColor = QString::number((i % 4) * 85);
            text.InUse = true;
            items.add(text);
        }
        items.setDisplay(&window);
    }
    void addImages(int count) {
        Picture picture;
        picture.image = QImage(320, 240, QImage::Format_RGB32);
        picture.image.fill(QColor(80, 140, 200));
        picture.WidthHimetric = 8467;
        picture.HeightHimetric = 6350;
        items.setDisplay(nullptr);
        for (int i = 0; i < count; ++i) {
            OverlayImage image;
            image.Picture = picture; // one decoded image, as a file loaded once
            image.X = (i * 1117) % 10000;
            image.Y = (i * 1499) % 15000;
            image.ImageSizePer = std::int16_t(10 + i % 3 * 10);
            image.InUse = true;
            items.add(image);
        }
        items.setDisplay(&window);
    }
    // The preview pass of the drawing routine, then the page painted.
    void redraw() {
        engine.DrawTavriSheet(0);
        window.page()->repaint();
    }
    void mouse(QEvent::Type type, QPointF pos, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QWidget* page = window.page();
        QMouseEvent event(type, pos, page->mapToGlobal(pos), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(page, &event);
    }
};

double ms(qint64 ns) {
    return ns / 1e6;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double peakMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

int redrawScenario(int rounds) {
    Program p;
    p.addTexts(1000);
    p.addImages(100);
    // The first redraw shows every text for the first time: it loads the
    // faces and measures each text. Later ones reuse the measurements.
    QElapsedTimer clock;
    clock.start();
    p.redraw();
    std::printf("redraw_first %.2f ms\n", ms(clock.nsecsElapsed()));
    clock.restart();
    p.engine.DrawTavriSheet(0);
    std::printf("redraw_walk_only %.2f ms\n", ms(clock.nsecsElapsed()));
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        clock.restart();
        p.redraw();
        times.push_back(ms(clock.nsecsElapsed()));
    }
    std::printf("redraw_median %.2f ms\n", median(times));
    std::printf("redraw_max %.2f ms\n", *std::max_element(times.begin(), times.end()));
    std::printf("redraw_peak %.1f MB\n", peakMb());
    return 0;
}

int dragScenario(int rounds) {
    Program p;
    p.addTexts(990);
    p.addImages(10);
    p.redraw();
    // Drag text 1 (at the page's corner) in a circle-like path over the page.
    const QPointF start = p.window.page()->elementTopLeftTwips({preview::ElementKind::Text, 1}) /
                              preview::kTwipsPerPixel +
                          QPointF(3, 3);
    p.mouse(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    std::vector<double> times;
    QElapsedTimer clock;
    for (int i = 0; i < rounds; ++i) {
        const QPointF pos = start + QPointF((i * 7) % 240, (i * 11) % 360);
        clock.restart();
        p.mouse(QEvent::MouseMove, pos, Qt::NoButton, Qt::LeftButton);
        QCoreApplication::processEvents(); // the repaint of what changed
        times.push_back(ms(clock.nsecsElapsed()));
    }
    p.mouse(QEvent::MouseButtonRelease, start, Qt::LeftButton, Qt::NoButton);
    std::printf("drag_median %.3f ms\n", median(times));
    std::printf("drag_max %.3f ms\n", *std::max_element(times.begin(), times.end()));
    std::printf("drag_peak %.1f MB\n", peakMb());
    return 0;
}

int manyScenario() {
    const double before = peakMb();
    QElapsedTimer clock;
    clock.start();
    Program p;
    const double startMs = ms(clock.nsecsElapsed());
    clock.restart();
    // As the settings file reader places them: each item read fills a new
    // slot and is shown.
    for (int i = 0; i < kMaxItemSlots - 1; ++i) {
        OverlayText text;
        text.Text = QStringLiteral("文字 %1").arg(i);
        text.X = (i * 393) % 11700;
        text.Y = (i * 633) % 16800;
        text.InUse = true;
        p.items.add(text);
    }
    // The last one as the text dialog inserts it: the lowest free slot is
    // searched among all the others first.
    QElapsedTimer insertClock;
    insertClock.start();
    const auto last = p.items.reserve(ItemKind::Text, 100, 200);
    OverlayText text = p.items.text(last);
    text.Text = QStringLiteral("最後");
    text.InUse = true;
    p.items.change(last, text);
    const double insertMs = ms(insertClock.nsecsElapsed());
    const double placeMs = ms(clock.nsecsElapsed());
    p.redraw();
    std::printf("many_window_start %.1f ms\n", startMs);
    std::printf("many_place_and_draw %.1f ms\n", ms(clock.nsecsElapsed()));
    std::printf("many_place %.1f ms\n", placeMs);
    std::printf("many_last_insert %.3f ms\n", insertMs);
    clock.restart();
    p.redraw();
    std::printf("many_redraw %.1f ms\n", ms(clock.nsecsElapsed()));
    std::printf("many_peak %.1f MB\n", peakMb());
    std::printf("many_peak_before %.1f MB\n", before);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    output::installFontSubstitutions();
    const QString scenario = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (scenario == QLatin1String("redraw"))
        return redrawScenario(30);
    if (scenario == QLatin1String("drag"))
        return dragScenario(500);
    if (scenario == QLatin1String("many"))
        return manyScenario();
    std::fprintf(stderr, "usage: pernoa_item_bench redraw|drag|many\n");
    return 2;
}
