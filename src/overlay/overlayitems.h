#pragma once

#include "engine/formatwords.h"
#include "engine/surfaces.h"
#include "overlay/picture.h"

#include <QColor>
#include <QFont>
#include <QObject>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace pernoa {
class IMessages;
struct SheetSettings;
} // namespace pernoa

namespace pernoa::overlay {

// One free text item. Positions are page twips: origin at the page's top
// left corner, y downwards.
struct OverlayText {
    QString Text;       // lines separated by CR LF
    std::int32_t X = 0; // left edge
    std::int32_t Y = 0; // top edge
    QString FontName = QString::fromUtf8(face::kDefaultTextFace);
    std::int16_t FontSize = 20; // points on paper
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;
    QString ForeColor = QStringLiteral("0"); // colour number, red in the low byte
    bool InUse = false;
};

// One image item: the picture stretched to its natural size in hundredths of
// a millimetre times ImageSizePer / 100, that number taken as page twips.
struct OverlayImage {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    QString ImagePath;
    overlay::Picture Picture;
    std::int16_t ImageSizePer = 100;
    bool InUse = false;
};

// How a text element looks on the preview: preview twips and the font
// already divided by the display divisor.
struct TextElementLook {
    QString text; // shown as plain text, never as rich text
    double left = 0;
    double top = 0;
    QFont font;
    QColor colour;
};

// How an image element looks on the preview, in preview twips.
struct ImageElementLook {
    QImage image;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

enum class ItemKind { Text, Image };

// The display elements of the items on the preview's page surface, one per
// slot of each kind. The preview window implements it; tests record it.
class IOverlayDisplay {
public:
    virtual ~IOverlayDisplay() = default;

    // A new element for a new slot, hidden.
    virtual void createElement(ItemKind kind, std::int16_t slot) = 0;
    // Destroys the element of the highest slot (only ever the highest).
    virtual void destroyElement(ItemKind kind, std::int16_t slot) = 0;
    virtual void showTextElement(std::int16_t slot, const TextElementLook& look) = 0;
    virtual void showImageElement(std::int16_t slot, const ImageElementLook& look) = 0;
    // Moves an element's corner, preview twips; its look stays.
    virtual void moveElement(ItemKind kind, std::int16_t slot, double left, double top) = 0;
    virtual void hideElement(ItemKind kind, std::int16_t slot) = 0;
};

// The sizes a text item may have, in whole points: those the font chooser
// offers.
inline constexpr std::int16_t kMinFontSize = 1;
inline constexpr std::int16_t kMaxFontSize = 1638;

// At most this many slots of each kind (the counts are 16-bit).
inline constexpr std::int16_t kMaxItemSlots = 32767;

class OverlayItems;

// The slots of one kind whose items are in use, lowest first: the one walk
// of drawing, printing and saving.
class SlotsInUse {
public:
    class iterator {
    public:
        std::int16_t operator*() const { return static_cast<std::int16_t>(m_slot); }
        iterator& operator++();
        bool operator==(const iterator& other) const { return m_slot == other.m_slot; }

    private:
        friend class SlotsInUse;
        iterator(const OverlayItems* items, ItemKind kind, int slot);
        void skipFree();
        const OverlayItems* m_items;
        ItemKind m_kind;
        int m_slot;
    };

    iterator begin() const;
    iterator end() const;

private:
    friend class OverlayItems;
    SlotsInUse(const OverlayItems* items, ItemKind kind) : m_items(items), m_kind(kind) {}
    const OverlayItems* m_items;
    ItemKind m_kind;
};

// The page's free text and image items: two slot arrays of their own, changed
// only through the methods below, which keep the slot rules: slot 0 never
// holds an item; a new item takes the lowest free slot before the array grows;
// every slot that exists has one display element, created with it and
// destroyed only when the items of its kind are removed; at most 32767 slots
// of each kind. Every change is signalled, so that whatever follows the page
// (the display elements, a document's state) sees it.
//
// The drawing routine walks the items after the staves through
// IOverlayOutput: on the preview and, when printing, on paper.
class OverlayItems : public QObject, public IOverlayOutput {
    Q_OBJECT
public:
    // The settings give the display divisor and the printer offsets; the
    // messages refuse a slot beyond the last.
    OverlayItems(const SheetSettings& settings, IMessages& messages, QObject* parent = nullptr);
    ~OverlayItems() override;

    // The display elements: a display set here gets a hidden element for
    // every slot that exists already; the next drawing shows them.
    void setDisplay(IOverlayDisplay* display);
    IOverlayDisplay* display() const { return m_display; }

    // --- reading ---
    // The slots of a kind that exist (1 .. count).
    std::int16_t count(ItemKind kind) const;
    bool exists(ItemKind kind, std::int16_t slot) const { return slot >= 1 && slot <= count(kind); }
    bool inUse(ItemKind kind, std::int16_t slot) const;
    // The item in a slot; the empty record of slot 0 for a slot that does
    // not exist.
    const OverlayText& text(std::int16_t slot) const;
    const OverlayImage& image(std::int16_t slot) const;
    SlotsInUse slotsInUse(ItemKind kind) const { return SlotsInUse(this, kind); }

    // --- changes ---
    // The slot for a new item at a click point (preview twips): the lowest
    // free one, or a new one with a hidden element. It holds the defaults
    // and the click position in page twips (the display divisor times the
    // point) and stays free until an item is put into it. 0 when all 32767
    // slots are in use (a message says so) or when the click position
    // cannot be held as a page position; nothing changes then.
    std::int16_t reserve(ItemKind kind, std::int32_t clickX, std::int32_t clickY);
    // A new slot after the last, holding the record: shown when the record
    // is in use, a free slot otherwise. 0, with nothing changed, when the
    // count is at its limit.
    std::int16_t add(const OverlayText& item);
    std::int16_t add(const OverlayImage& item);
    // Puts a record into a slot that exists: shown when it is in use, hidden
    // otherwise.
    void change(std::int16_t slot, const OverlayText& item);
    void change(std::int16_t slot, const OverlayImage& item);
    // A new position, page twips; the element follows.
    void move(ItemKind kind, std::int16_t slot, std::int32_t x, std::int32_t y);
    // A new position from the preview: page twips = preview twips times the
    // display divisor, rounded once; the element stands exactly at (left,
    // top). False, with nothing changed, when the position cannot be held.
    bool moveFromPreview(ItemKind kind, std::int16_t slot, double left, double top);
    // Frees a slot and hides its element; the record stays until the slot is
    // reused by the next new item.
    void remove(ItemKind kind, std::int16_t slot);
    // Destroys the display elements of a kind, highest slot first, and drops
    // its slots. False when an element could not be destroyed (the slots
    // above it are gone, the others stay).
    bool removeAll(ItemKind kind);
    // Both kinds, the texts first.
    bool removeAll();

    // IOverlayOutput: every item in use, slot order, on the preview and, when
    // a printer is given, on the printer page. Failed when an item's position
    // or size cannot be held; the items before it have been output.
    Outcome outputTextItems(IPrinter* printer) override;
    Outcome outputImageItems(IPrinter* printer) override;

    // --- coordinate rules ---
    // Preview twips to page twips: times the display divisor, half to even;
    // none when the result cannot be held in 32 bits.
    std::optional<std::int32_t> pageFromPreview(double previewTwips) const;
    // Page twips to preview twips: real division.
    double previewFromPage(double pageTwips) const;

    // The decoded pictures of the page's image items: every image item takes
    // its picture through it.
    PictureStore& pictures() { return m_pictures; }

signals:
    // A slot's item was added, changed, moved or removed (also a slot
    // reserved for a new item).
    void itemChanged(pernoa::overlay::ItemKind kind, std::int16_t slot);
    // Every slot of a kind went.
    void itemsRemoved(pernoa::overlay::ItemKind kind);

private:
    template <typename Item> std::vector<Item>& slotsOf();
    template <typename Item> std::int16_t append(const Item& item);
    template <typename Item> void put(std::int16_t slot, const Item& item);
    void show(ItemKind kind, std::int16_t slot);
    // Stores a position and moves the element to its preview corner.
    void place(ItemKind kind, std::int16_t slot, std::int32_t x, std::int32_t y, double left,
               double top);
    // The preview look of a slot at the current display divisor.
    TextElementLook textLook(std::int16_t slot) const;
    ImageElementLook imageLook(std::int16_t slot) const;
    void setPrinterFont(std::int16_t slot, IPrinter& printer) const;
    void printText(std::int16_t slot, IPrinter& printer) const;
    void printImage(std::int16_t slot, IPrinter& printer) const;

    const SheetSettings& m_settings;
    IMessages& m_messages;
    IOverlayDisplay* m_display = nullptr;
    PictureStore m_pictures;
    std::vector<OverlayText> m_texts{1};
    std::vector<OverlayImage> m_images{1};
};

// The next line of a text whose lines are separated by CR LF, from the
// 1-based position on: the line, and the position after its CR LF (0 after
// the last line). Always true.
bool GetTextLine(const QString& text, std::int32_t& position, QString& line);

// The colour of a ForeColor text: the decimal colour number, red in the low
// byte, then green, then blue. A text that is no whole number from 0 to
// 16777215 (after rounding half to even) draws black.
QColor colourFromForeColor(const QString& foreColor);

// The preview or paper font of a text item: the stored face (shown with the
// mapped installed face), the size in points and the three styles.
QFont itemFont(const OverlayText& item, double points);

} // namespace pernoa::overlay
