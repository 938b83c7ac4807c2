#include "preview/itemdialogs.h"

#include "overlay/itemhistory.h"
#include "preview/imageitemdialog.h"
#include "preview/textitemdialog.h"

#include <type_traits>

namespace pernoa::preview {
namespace {

std::int16_t run(ItemDialog& dialog, std::int16_t slot, QWidget* previewWindow) {
    if (slot == 0)
        return 0;
    if (previewWindow)
        dialog.move(itemDialogPosition(*previewWindow));
    dialog.exec();
    return slot;
}

// Runs a dialog and records what it did to its slot: an item taken from a
// free slot is an insert, whatever the reserved slot held before.
template <typename Item, typename Open>
void openRecorded(overlay::OverlayItems& items, QUndoStack& history, const ItemTarget& target,
                  const Item& current, Open open) {
    const std::int16_t slot = open();
    if (slot == 0)
        return;
    Item before = target.insert ? Item{} : current;
    if (target.insert) {
        if constexpr (std::is_same_v<Item, overlay::OverlayText>)
            before = items.text(slot);
        else
            before = items.image(slot);
        before.InUse = false;
    }
    overlay::recordItemChange(history, items, slot, before);
}

} // namespace

std::int16_t openTextItemDialog(overlay::OverlayItems& items, IMessages& messages,
                                IFontChooser& fonts, const ItemTarget& target,
                                QWidget* previewWindow) {
    TextItemDialog dialog(items, messages, fonts, target, previewWindow);
    return run(dialog, dialog.slot(), previewWindow);
}

std::int16_t openImageItemDialog(overlay::OverlayItems& items, IMessages& messages,
                                 IFileChooser& files, const ItemTarget& target,
                                 QWidget* previewWindow) {
    ImageItemDialog dialog(items, messages, files, target, previewWindow);
    return run(dialog, dialog.slot(), previewWindow);
}

ItemDialogs::ItemDialogs(overlay::OverlayItems& items, IMessages& messages, QUndoStack& history,
                         const QString& programFolder)
    : m_items(items), m_messages(messages), m_history(history), m_files(programFolder) {}

void ItemDialogs::open(const ItemTarget& target, QWidget* previewWindow) {
    // The item as it was, for an edit (copied: the dialog changes the slot).
    if (target.kind == overlay::ItemKind::Text) {
        const overlay::OverlayText current = m_items.text(target.slot);
        openRecorded(m_items, m_history, target, current, [&] {
            return openTextItemDialog(m_items, m_messages, m_fonts, target, previewWindow);
        });
    } else {
        const overlay::OverlayImage current = m_items.image(target.slot);
        openRecorded(m_items, m_history, target, current, [&] {
            return openImageItemDialog(m_items, m_messages, m_files, target, previewWindow);
        });
    }
}

} // namespace pernoa::preview
