// The page's history with many items: how long undoing and redoing a move
// takes on a page with 1,000 texts and 100 images shown in a real preview
// window (the item moved and the page painted again), and how much memory
// 10,000 steps of every kind hold. Run by bench/history_bench.sh.

#include "previewprogram.h"

#include "cli/consolemessages.h"
#include "engine/headlessform.h"
#include "engine/tavriengine.h"
#include "overlay/itemhistory.h"
#include "overlay/overlayitems.h"
#include "preview/previewwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QUndoStack>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace pernoa;
using namespace pernoa::overlay;

namespace {

struct Program : PreviewProgram {
    Program() {
        for (int i = 0; i < 1000; ++i) {
            OverlayText text;
            text.Text = QStringLiteral("テキスト %1").arg(i);
            text.X = (i * 397) % 11000;
            text.Y = (i * 631) % 16000;
            text.InUse = true;
            items.add(text);
        }
        Picture picture;
        picture.image = QImage(320, 240, QImage::Format_RGB32);
        picture.image.fill(QColor(80, 140, 200));
        picture.WidthHimetric = 8467;
        picture.HeightHimetric = 6350;
        for (int i = 0; i < 100; ++i) {
            OverlayImage image;
            image.Picture = picture;
            image.X = (i * 1117) % 10000;
            image.Y = (i * 1499) % 15000;
            image.ImageSizePer = 20;
            image.InUse = true;
            items.add(image);
        }
        engine.DrawTavriSheet(0);
        window.page()->repaint();
    }
};

double ms(qint64 ns) {
    return ns / 1e6;
}

// The process's resident memory now, in MB.
double residentMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

// Undo and redo of one move, each with what changed painted again.
int timeScenario(int rounds) {
    Program p;
    std::vector<double> undo;
    std::vector<double> redo;
    QElapsedTimer clock;
    for (int i = 0; i < rounds; ++i) {
        const auto slot = static_cast<std::int16_t>(1 + i % 1000);
        const QPoint from(p.items.text(slot).X, p.items.text(slot).Y);
        p.items.move(ItemKind::Text, slot, from.x() + 450, from.y() + 300);
        recordItemMove(p.history, p.items, ItemKind::Text, slot, from);
        QCoreApplication::processEvents(); // the move itself painted
        clock.start();
        p.history.undo();
        QCoreApplication::processEvents(); // the repaint of what changed
        undo.push_back(ms(clock.nsecsElapsed()));
        clock.restart();
        p.history.redo();
        QCoreApplication::processEvents();
        redo.push_back(ms(clock.nsecsElapsed()));
    }
    std::sort(undo.begin(), undo.end());
    std::sort(redo.begin(), redo.end());
    std::printf("undo_median %.3f ms\nundo_max %.3f ms\n", undo[undo.size() / 2], undo.back());
    std::printf("redo_median %.3f ms\nredo_max %.3f ms\n", redo[redo.size() / 2], redo.back());
    return 0;
}

// 10,000 steps: moves of texts and pictures, edits of texts, deletions and
// inserts, as a user makes them.
int memoryScenario(int steps) {
    Program p;
    p.history.setUndoLimit(0);
    const double before = residentMb();
    for (int i = 0; p.history.count() < steps; ++i) {
        const auto slot = static_cast<std::int16_t>(1 + (i * 7) % 100);
        switch (i % 10) {
        case 0:
        case 1:
        case 2:
        case 3: {
            const QPoint from(p.items.text(slot).X, p.items.text(slot).Y);
            p.items.move(ItemKind::Text, slot, from.x() + 45, from.y());
            recordItemMove(p.history, p.items, ItemKind::Text, slot, from);
            break;
        }
        case 4: {
            const QPoint from(p.items.image(slot).X, p.items.image(slot).Y);
            p.items.move(ItemKind::Image, slot, from.x(), from.y() + 45);
            recordItemMove(p.history, p.items, ItemKind::Image, slot, from);
            break;
        }
        case 5:
        case 6:
        case 7: {
            const OverlayText before = p.items.text(slot);
            OverlayText after = before;
            after.Text = QStringLiteral("編集した文字 %1").arg(i);
            p.items.change(slot, after);
            recordItemChange(p.history, p.items, slot, before);
            break;
        }
        case 8:
            deleteItem(p.history, p.items, ItemKind::Image, slot);
            break;
        default: {
            // The deleted picture back as a new item in its slot.
            const OverlayImage before = p.items.image(slot);
            OverlayImage after = before;
            after.InUse = true;
            p.items.change(slot, after);
            recordItemChange(p.history, p.items, slot, before);
            break;
        }
        }
    }
    const double after = residentMb();
    std::printf("steps %d\nsteps_memory %.1f MB\n", p.history.count(), after - before);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QByteArray scenario = argc > 1 ? QByteArray(argv[1]) : QByteArray("time");
    if (scenario == "time")
        return timeScenario(200);
    if (scenario == "memory")
        return memoryScenario(10000);
    std::fprintf(stderr, "usage: pernoa_history_bench time|memory\n");
    return 2;
}
