#include "overlay/itemhistory.h"

#include "overlay/texts.h"

#include <QUndoCommand>
#include <QUndoStack>

#include <type_traits>
#include <utility>

namespace pernoa::overlay {
namespace {

// Puts a whole record into a slot: the item before or after the change.
template <typename Item> class PutItem final : public QUndoCommand {
public:
    PutItem(OverlayItems& items, std::int16_t slot, const Item& before, const Item& after,
            const QString& text)
        : QUndoCommand(text), m_items(items), m_slot(slot), m_before(before), m_after(after) {}

    void redo() override {
        if (std::exchange(m_done, false))
            return;
        m_items.change(m_slot, m_after);
    }
    void undo() override { m_items.change(m_slot, m_before); }

private:
    OverlayItems& m_items;
    std::int16_t m_slot;
    Item m_before;
    Item m_after;
    bool m_done = true;
};

// A new position only: the item's look stays, and a step takes a few bytes.
class MoveItem final : public QUndoCommand {
public:
    MoveItem(OverlayItems& items, ItemKind kind, std::int16_t slot, QPoint from, QPoint to)
        : QUndoCommand(kind == ItemKind::Text ? texts::moveTextItem() : texts::moveImageItem()),
          m_items(items), m_kind(kind), m_slot(slot), m_from(from), m_to(to) {}

    void redo() override {
        if (std::exchange(m_done, false))
            return;
        m_items.move(m_kind, m_slot, m_to.x(), m_to.y());
    }
    void undo() override { m_items.move(m_kind, m_slot, m_from.x(), m_from.y()); }

private:
    OverlayItems& m_items;
    ItemKind m_kind;
    std::int16_t m_slot;
    QPoint m_from;
    QPoint m_to;
    bool m_done = true;
};

template <typename Item> const Item& itemIn(const OverlayItems& items, std::int16_t slot) {
    if constexpr (std::is_same_v<Item, OverlayText>)
        return items.text(slot);
    else
        return items.image(slot);
}

template <typename Item>
void record(QUndoStack& history, OverlayItems& items, std::int16_t slot, const Item& before) {
    constexpr bool text = std::is_same_v<Item, OverlayText>;
    constexpr ItemKind kind = text ? ItemKind::Text : ItemKind::Image;
    if (!items.exists(kind, slot))
        return;
    const Item& after = itemIn<Item>(items, slot);
    if (sameItem(before, after) || (!before.InUse && !after.InUse))
        return;
    QString name;
    if (!before.InUse)
        name = text ? texts::insertTextItem() : texts::insertImageItem();
    else if (!after.InUse)
        name = text ? texts::deleteTextItem() : texts::deleteImageItem();
    else
        name = text ? texts::editTextItem() : texts::editImageItem();
    history.push(new PutItem<Item>(items, slot, before, after, name));
}

} // namespace

bool sameItem(const OverlayText& a, const OverlayText& b) {
    return a.Text == b.Text && a.X == b.X && a.Y == b.Y && a.FontName == b.FontName &&
           a.FontSize == b.FontSize && a.FontBold == b.FontBold && a.FontItalic == b.FontItalic &&
           a.FontUnderline == b.FontUnderline && a.ForeColor == b.ForeColor && a.InUse == b.InUse;
}

bool sameItem(const OverlayImage& a, const OverlayImage& b) {
    return a.X == b.X && a.Y == b.Y && a.ImagePath == b.ImagePath &&
           a.ImageSizePer == b.ImageSizePer && a.InUse == b.InUse;
}

void recordItemChange(QUndoStack& history, OverlayItems& items, std::int16_t slot,
                      const OverlayText& before) {
    record(history, items, slot, before);
}

void recordItemChange(QUndoStack& history, OverlayItems& items, std::int16_t slot,
                      const OverlayImage& before) {
    record(history, items, slot, before);
}

void recordItemMove(QUndoStack& history, OverlayItems& items, ItemKind kind, std::int16_t slot,
                    QPoint from) {
    if (!items.inUse(kind, slot))
        return;
    const QPoint to = kind == ItemKind::Text ? QPoint(items.text(slot).X, items.text(slot).Y)
                                             : QPoint(items.image(slot).X, items.image(slot).Y);
    if (to != from)
        history.push(new MoveItem(items, kind, slot, from, to));
}

void deleteItem(QUndoStack& history, OverlayItems& items, ItemKind kind, std::int16_t slot) {
    if (!items.inUse(kind, slot))
        return;
    if (kind == ItemKind::Text) {
        const OverlayText before = items.text(slot);
        items.remove(kind, slot);
        record(history, items, slot, before);
    } else {
        const OverlayImage before = items.image(slot);
        items.remove(kind, slot);
        record(history, items, slot, before);
    }
}

} // namespace pernoa::overlay
