#pragma once

// A preview window on items of its own, its item dialogs recorded instead of
// opened.

#include "engine/sheetsettings.h"
#include "overlay/overlayitems.h"
#include "preview/itemdialogs.h"
#include "preview/previewwindow.h"
#include "recorders.h"

#include <QList>
#include <QUndoStack>

namespace pernoa::test {

struct RecordingItemDialogs : preview::IItemDialogs {
    QList<preview::ItemTarget> opened;
    void open(const preview::ItemTarget& target, QWidget*) override { opened << target; }
};

struct PreviewRig {
    SheetSettings settings;
    RecordingMessages messages;
    overlay::OverlayItems items{settings, messages};
    RecordingItemDialogs dialogs;
    QUndoStack history;
    preview::PreviewWindow window{items, messages, dialogs, history};

    PreviewRig() { settings.HyojiSize = 3; }
};

} // namespace pernoa::test
