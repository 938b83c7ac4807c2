#pragma once

#include "engine/surfaces.h"
#include "overlay/picture.h"

#include <QColor>
#include <QFont>
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
    QString FontName = QStringLiteral("ＭＳ Ｐゴシック");
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

// The display elements of the items on the preview's page surface, one per
// slot of each kind. The preview window implements it; tests record it.
class IOverlayDisplay {
public:
    virtual ~IOverlayDisplay() = default;

    // A new element for a new slot, hidden.
    virtual void createTextElement(std::int16_t slot) = 0;
    virtual void createImageElement(std::int16_t slot) = 0;
    // Destroys the element of the highest slot (only ever the highest).
    virtual void destroyTextElement(std::int16_t slot) = 0;
    virtual void destroyImageElement(std::int16_t slot) = 0;
    virtual void showTextElement(std::int16_t slot, const TextElementLook& look) = 0;
    virtual void showImageElement(std::int16_t slot, const ImageElementLook& look) = 0;
    virtual void hideTextElement(std::int16_t slot) = 0;
    virtual void hideImageElement(std::int16_t slot) = 0;
};

enum class ItemKind { Text, Image };

// The sizes a text item may have, in whole points: those the font chooser
// offers.
inline constexpr std::int16_t MinFontSize = 1;
inline constexpr std::int16_t MaxFontSize = 1638;

// At most this many slots of each kind (the counts are 16-bit).
inline constexpr std::int16_t MaxItemSlots = 32767;

// The page's free text and image items: two slot arrays (slot 0 never holds
// an item), the editor state the preview window and the item dialogs share,
// and the routines that put the items on the preview and on paper. The
// drawing routine walks them after the staves through IOverlayOutput.
class OverlayItems : public IOverlayOutput {
public:
    // The settings give the display divisor and the printer offsets; the
    // messages refuse a slot beyond the last.
    OverlayItems(const SheetSettings& settings, IMessages& messages);

    void setDisplay(IOverlayDisplay* display) { m_display = display; }
    IOverlayDisplay* display() const { return m_display; }

    // --- the two collections (index 0 .. count; slot 0 unused) ---
    std::vector<OverlayText> FreeTextItems{1};
    std::int16_t FreeTextCount = 0;
    std::vector<OverlayImage> ImageItems{1};
    std::int16_t ImageCount = 0;

    // --- editor state ---
    bool InsertMode = false;
    std::int16_t CurrentItemIndex = 0;
    std::int32_t ClickX = 0; // preview twips
    std::int32_t ClickY = 0;

    // The slot for a new item at (ClickX, ClickY): the lowest free one, or a
    // new one with a hidden element. It is reset, given the click position in
    // page twips and made CurrentItemIndex; it stays free until shown. 0 when
    // all 32767 slots are in use (a message says so) or when the click
    // position cannot be held as a page position; nothing changes then.
    std::int16_t AllocateTextSlot();
    std::int16_t AllocateImageSlot();

    // Frees a slot and hides its element; the slot is reused by the next insert.
    void DeleteItem(ItemKind kind, std::int16_t slot);

    // Destroys every display element, highest slot first, counting the counts
    // down to 0. The arrays keep their records until a reader re-dimensions
    // them. False when an element could not be destroyed (the counts then
    // stay where it stopped).
    bool ClearOverlayItems();

    // For the settings file readers: the array down to slot 0 and the count 0,
    // and a new slot (with its hidden element) holding a record read from a
    // file. AddTextItem/AddImageItem return the new slot, or 0 when the count
    // is at its limit (nothing changes then).
    void ResetTextItems();
    void ResetImageItems();
    std::int16_t AddTextItem(const OverlayText& item);
    std::int16_t AddImageItem(const OverlayImage& item);

    // --- placement and output ---
    void ClearFreeText(std::int16_t slot);
    void ShowFreeText(std::int16_t slot);
    void ClearImage(std::int16_t slot);
    void ShowImage(std::int16_t slot);
    void SetPrinterFont(std::int16_t slot, IPrinter& printer) const;
    void PrintFreeText(IPrinter& printer, const QString& text, double x, double y) const;
    void PrintImage(std::int16_t slot, IPrinter& printer) const;

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
    std::int32_t hyojiSize() const;

    // The decoded pictures of the page's image items: every image item takes
    // its picture through it.
    PictureStore& pictures() { return m_pictures; }

    // The preview look of a slot at the current display divisor.
    TextElementLook textLook(std::int16_t slot) const;
    ImageElementLook imageLook(std::int16_t slot) const;

private:
    std::int16_t allocate(ItemKind kind);

    const SheetSettings& m_settings;
    IMessages& m_messages;
    IOverlayDisplay* m_display = nullptr;
    PictureStore m_pictures;
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
