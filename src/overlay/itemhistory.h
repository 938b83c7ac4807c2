#pragma once

// The user's changes to the page's items as undo steps: inserting, editing,
// moving and deleting an item. Each step is recorded once the change is
// done (the dialogs and the drag change the items as they go), so the first
// redo of a step does nothing; later ones put the item back as it was after
// the change, the undo as it was before, slot, text, font, colour and
// picture alike (a picture is held in memory, so a step undoes even after
// its file went away).

#include "overlay/overlayitems.h"

#include <QPoint>

#include <cstdint>

class QUndoStack;

namespace pernoa::overlay {

// Whether two records hold the same item as the settings file keeps it: an
// image item is its place, path, scale and whether it is in use, whatever
// its decoded picture.
bool sameItem(const OverlayText& a, const OverlayText& b);
bool sameItem(const OverlayImage& a, const OverlayImage& b);

// A slot held `before` and holds something else now: one step, named after
// what happened (a free slot taken is an insert, an item in use freed is a
// deletion, anything else an edit). Nothing is recorded when the item is
// the same as the file keeps it.
void recordItemChange(QUndoStack& history, OverlayItems& items, std::int16_t slot,
                      const OverlayText& before);
void recordItemChange(QUndoStack& history, OverlayItems& items, std::int16_t slot,
                      const OverlayImage& before);

// An item moved from a page position (page twips) to where it stands now:
// one step, however many pointer moves it took.
void recordItemMove(QUndoStack& history, OverlayItems& items, ItemKind kind, std::int16_t slot,
                    QPoint from);

// Deletes the item of a slot, as one step.
void deleteItem(QUndoStack& history, OverlayItems& items, ItemKind kind, std::int16_t slot);

} // namespace pernoa::overlay
