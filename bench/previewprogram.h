// The program as the benchmarks of the preview run it: a headless form, the
// engine, the item model and a real preview window on the offscreen
// platform, shown with the default page drawn. No item dialog opens.

#pragma once

#include "cli/consolemessages.h"
#include "engine/headlessform.h"
#include "engine/tavriengine.h"
#include "overlay/overlayitems.h"
#include "preview/previewwindow.h"

#include <QCoreApplication>
#include <QUndoStack>

namespace pernoa {

struct NoItemDialogs : preview::IItemDialogs {
    void open(const preview::ItemTarget&, QWidget*) override {}
};

struct PreviewProgram {
    HeadlessForm form;
    cli::ConsoleMessages messages;
    TavriEngine engine{form, messages};
    overlay::OverlayItems items{engine.settings(), messages};
    NoItemDialogs dialogs;
    QUndoStack history;
    preview::PreviewWindow window{items, messages, dialogs, history};

    PreviewProgram() {
        engine.setPreviewSurface(&window);
        engine.setPreviewWindow(&window);
        engine.setOverlayOutput(&items);
        engine.initStartValues();
        engine.ApplyPaperSize();
        window.show();
        for (int i = 0; i < 10; ++i)
            QCoreApplication::processEvents();
    }
};

} // namespace pernoa
