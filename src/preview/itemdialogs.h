#pragma once

#include "overlay/overlayitems.h"
#include "preview/filechooser.h"
#include "preview/fontchooser.h"

#include <cstdint>

class QUndoStack;
class QWidget;

namespace pernoa {
class IMessages;
} // namespace pernoa

namespace pernoa::preview {

// What an insert or edit command of the preview window works on: a new item
// at the point of the right click, or the item in a slot.
struct ItemTarget {
    overlay::ItemKind kind = overlay::ItemKind::Text;
    bool insert = false;
    // The slot to edit.
    std::int16_t slot = 0;
    // Where a new item goes: the right click, preview twips from the page's
    // top left corner.
    std::int32_t clickX = 0;
    std::int32_t clickY = 0;
    // A new image item's picture file, already chosen (dropped on the page).
    QString picturePath;
};

// The item dialogs as the preview window's insert and edit commands open
// them.
class IItemDialogs {
public:
    virtual ~IItemDialogs() = default;
    // Opens the dialog of the target's kind, modal, standing below the middle
    // of the preview window; it does everything to the item and the preview
    // itself. Returns at once when there is no item to work on.
    virtual void open(const ItemTarget& target, QWidget* previewWindow) = 0;
};

// Opens the text item dialog for a target. Returns the slot it worked on (0
// when there was none).
std::int16_t openTextItemDialog(overlay::OverlayItems& items, IMessages& messages,
                                IFontChooser& fonts, const ItemTarget& target,
                                QWidget* previewWindow);

// The same for the image item dialog.
std::int16_t openImageItemDialog(overlay::OverlayItems& items, IMessages& messages,
                                 IFileChooser& files, const ItemTarget& target,
                                 QWidget* previewWindow);

// The two dialogs on the desktop's choosers for the whole run (the picture
// folder is remembered from one dialog to the next). What a dialog did to
// the page is one step of the history: an insert, an edit, or the deletion
// of an image item whose picture could not be loaded.
class ItemDialogs : public IItemDialogs {
public:
    ItemDialogs(overlay::OverlayItems& items, IMessages& messages, QUndoStack& history,
                const QString& programFolder);

    void open(const ItemTarget& target, QWidget* previewWindow) override;

private:
    overlay::OverlayItems& m_items;
    IMessages& m_messages;
    QUndoStack& m_history;
    QtFontChooser m_fonts;
    QtFileChooser m_files;
};

} // namespace pernoa::preview
