#include "overlay/overlayitems.h"

#include "engine/messages.h"
#include "engine/numberrules.h"
#include "engine/sheetsettings.h"
#include "engine/texts.h"
#include "overlay/texts.h"

#include <type_traits>

namespace pernoa::overlay {

OverlayItems::OverlayItems(const SheetSettings& settings, IMessages& messages, QObject* parent)
    : QObject(parent), m_settings(settings), m_messages(messages) {}

OverlayItems::~OverlayItems() = default;

void OverlayItems::setDisplay(IOverlayDisplay* display) {
    m_display = display;
    if (!display)
        return;
    for (const ItemKind kind : {ItemKind::Text, ItemKind::Image})
        for (int slot = 1; slot <= count(kind); ++slot)
            display->createElement(kind, static_cast<std::int16_t>(slot));
}

std::optional<std::int32_t> OverlayItems::pageFromPreview(double previewTwips) const {
    try {
        return num::toInt32(previewTwips * m_settings.HyojiSize);
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

double OverlayItems::previewFromPage(double pageTwips) const {
    return num::divide(pageTwips, m_settings.HyojiSize);
}

// ---------------------------------------------------------------------------
// Reading

template <> std::vector<OverlayText>& OverlayItems::slotsOf<OverlayText>() {
    return m_texts;
}

template <> std::vector<OverlayImage>& OverlayItems::slotsOf<OverlayImage>() {
    return m_images;
}

std::int16_t OverlayItems::count(ItemKind kind) const {
    const std::size_t size = kind == ItemKind::Text ? m_texts.size() : m_images.size();
    return static_cast<std::int16_t>(size - 1);
}

bool OverlayItems::inUse(ItemKind kind, std::int16_t slot) const {
    if (!exists(kind, slot))
        return false;
    return kind == ItemKind::Text ? m_texts[slot].InUse : m_images[slot].InUse;
}

const OverlayText& OverlayItems::text(std::int16_t slot) const {
    return m_texts[exists(ItemKind::Text, slot) ? slot : 0];
}

const OverlayImage& OverlayItems::image(std::int16_t slot) const {
    return m_images[exists(ItemKind::Image, slot) ? slot : 0];
}

SlotsInUse::iterator::iterator(const OverlayItems* items, ItemKind kind, int slot)
    : m_items(items), m_kind(kind), m_slot(slot) {}

void SlotsInUse::iterator::skipFree() {
    // The counts are 16-bit; the walk itself is not, so it ends after 32767.
    const int last = m_items->count(m_kind);
    while (m_slot <= last && !m_items->inUse(m_kind, static_cast<std::int16_t>(m_slot)))
        ++m_slot;
}

SlotsInUse::iterator& SlotsInUse::iterator::operator++() {
    ++m_slot;
    skipFree();
    return *this;
}

SlotsInUse::iterator SlotsInUse::begin() const {
    iterator first(m_items, m_kind, 1);
    first.skipFree();
    return first;
}

SlotsInUse::iterator SlotsInUse::end() const {
    return iterator(m_items, m_kind, m_items->count(m_kind) + 1);
}

// ---------------------------------------------------------------------------
// Changes

namespace {

template <typename Item> constexpr ItemKind kindOf() {
    return std::is_same_v<Item, OverlayText> ? ItemKind::Text : ItemKind::Image;
}

} // namespace

template <typename Item> std::int16_t OverlayItems::append(const Item& item) {
    constexpr ItemKind kind = kindOf<Item>();
    std::vector<Item>& items = slotsOf<Item>();
    if (count(kind) >= kMaxItemSlots)
        return 0;
    items.push_back(item);
    const std::int16_t slot = count(kind);
    if (m_display)
        m_display->createElement(kind, slot);
    if (item.InUse)
        show(kind, slot);
    emit itemChanged(kind, slot);
    return slot;
}

template <typename Item> void OverlayItems::put(std::int16_t slot, const Item& item) {
    constexpr ItemKind kind = kindOf<Item>();
    if (!exists(kind, slot))
        return;
    const bool wasInUse = inUse(kind, slot);
    slotsOf<Item>()[slot] = item;
    if (item.InUse)
        show(kind, slot);
    else if (wasInUse && m_display)
        m_display->hideElement(kind, slot);
    emit itemChanged(kind, slot);
}

std::int16_t OverlayItems::reserve(ItemKind kind, std::int32_t clickX, std::int32_t clickY) {
    // The position is computed before anything changes, so a click position
    // that cannot be held leaves the page as it was.
    const std::optional<std::int32_t> x = pageFromPreview(clickX);
    const std::optional<std::int32_t> y = pageFromPreview(clickY);
    if (!x || !y)
        return 0;
    // The lowest free slot: the first one the walk of the slots in use
    // leaves out.
    int slot = 1;
    for (const std::int16_t used : slotsInUse(kind)) {
        if (used != slot)
            break;
        ++slot;
    }
    const bool text = kind == ItemKind::Text;
    if (slot > count(kind) && count(kind) >= kMaxItemSlots) {
        m_messages.showMessage(text ? joinLines({texts::cannotInsertText(), texts::textLimit()})
                                    : joinLines({texts::cannotInsertImage(), texts::imageLimit()}),
                               pernoa::texts::errorTitle(), MsgIcon::Warning);
        return 0;
    }
    const auto take = [&](auto item) {
        item.X = *x;
        item.Y = *y;
        if (slot > count(kind))
            return append(item);
        const auto reused = static_cast<std::int16_t>(slot);
        put(reused, item);
        return reused;
    };
    return text ? take(OverlayText{}) : take(OverlayImage{});
}

std::int16_t OverlayItems::add(const OverlayText& item) {
    return append(item);
}

std::int16_t OverlayItems::add(const OverlayImage& item) {
    return append(item);
}

void OverlayItems::change(std::int16_t slot, const OverlayText& item) {
    put(slot, item);
}

void OverlayItems::change(std::int16_t slot, const OverlayImage& item) {
    put(slot, item);
}

void OverlayItems::place(ItemKind kind, std::int16_t slot, std::int32_t x, std::int32_t y,
                         double left, double top) {
    if (kind == ItemKind::Text) {
        m_texts[slot].X = x;
        m_texts[slot].Y = y;
    } else {
        m_images[slot].X = x;
        m_images[slot].Y = y;
    }
    if (m_display)
        m_display->moveElement(kind, slot, left, top);
    emit itemChanged(kind, slot);
}

void OverlayItems::move(ItemKind kind, std::int16_t slot, std::int32_t x, std::int32_t y) {
    if (exists(kind, slot))
        place(kind, slot, x, y, previewFromPage(x), previewFromPage(y));
}

bool OverlayItems::moveFromPreview(ItemKind kind, std::int16_t slot, double left, double top) {
    const std::optional<std::int32_t> x = pageFromPreview(left);
    const std::optional<std::int32_t> y = pageFromPreview(top);
    if (!x || !y)
        return false;
    if (exists(kind, slot))
        place(kind, slot, *x, *y, left, top);
    return true;
}

void OverlayItems::remove(ItemKind kind, std::int16_t slot) {
    if (!exists(kind, slot))
        return;
    const bool wasInUse = inUse(kind, slot);
    if (kind == ItemKind::Text)
        m_texts[slot].InUse = false;
    else
        m_images[slot].InUse = false;
    if (m_display)
        m_display->hideElement(kind, slot);
    if (wasInUse)
        emit itemChanged(kind, slot);
}

bool OverlayItems::removeAll(ItemKind kind) {
    if (count(kind) == 0)
        return true;
    bool done = true;
    try {
        while (count(kind) > 0) {
            if (m_display)
                m_display->destroyElement(kind, count(kind));
            if (kind == ItemKind::Text)
                m_texts.pop_back();
            else
                m_images.pop_back();
        }
    } catch (const std::exception&) {
        done = false;
    }
    emit itemsRemoved(kind);
    return done;
}

bool OverlayItems::removeAll() {
    return removeAll(ItemKind::Text) && removeAll(ItemKind::Image);
}

// ---------------------------------------------------------------------------
// Placement on the preview

TextElementLook OverlayItems::textLook(std::int16_t slot) const {
    const OverlayText& item = m_texts[slot];
    TextElementLook look;
    look.text = item.Text;
    look.left = previewFromPage(item.X);
    look.top = previewFromPage(item.Y);
    look.font = itemFont(item, num::divide(item.FontSize, m_settings.HyojiSize));
    look.colour = colourFromForeColor(item.ForeColor);
    return look;
}

ImageElementLook OverlayItems::imageLook(std::int16_t slot) const {
    const OverlayImage& item = m_images[slot];
    ImageElementLook look;
    look.image = item.Picture.image;
    look.left = previewFromPage(item.X);
    look.top = previewFromPage(item.Y);
    const double scale = item.ImageSizePer / 100.0;
    look.height = previewFromPage(scale * item.Picture.HeightHimetric);
    look.width = previewFromPage(scale * item.Picture.WidthHimetric);
    return look;
}

void OverlayItems::show(ItemKind kind, std::int16_t slot) {
    if (!m_display)
        return;
    if (kind == ItemKind::Text)
        m_display->showTextElement(slot, textLook(slot));
    else
        m_display->showImageElement(slot, imageLook(slot));
}

// ---------------------------------------------------------------------------
// Output on paper

void OverlayItems::setPrinterFont(std::int16_t slot, IPrinter& printer) const {
    const OverlayText& item = m_texts[slot];
    printer.setFontName(item.FontName);
    printer.setFontSize(item.FontSize);
    printer.setFontBold(item.FontBold);
    printer.setFontItalic(item.FontItalic);
    printer.setForeColor(colourFromForeColor(item.ForeColor));
    printer.setFontUnderline(item.FontUnderline);
}

void OverlayItems::printText(std::int16_t slot, IPrinter& printer) const {
    const OverlayText& item = m_texts[slot];
    const float left = num::toSingle(item.X - m_settings.PrinterGosaXTwip);
    printer.setCurrentX(left);
    printer.setCurrentY(num::toSingle(item.Y - m_settings.PrinterGosaYTwip));
    std::int32_t position = 1;
    QString line;
    while (position != 0) {
        GetTextLine(item.Text, position, line);
        printer.printLine(line);
        printer.setCurrentX(left);
    }
}

void OverlayItems::printImage(std::int16_t slot, IPrinter& printer) const {
    const OverlayImage& item = m_images[slot];
    const double scale = item.ImageSizePer / 100.0;
    const float height = num::toSingle(item.Picture.HeightHimetric * scale);
    const float width = num::toSingle(item.Picture.WidthHimetric * scale);
    printer.paintPicture(item.Picture.image, num::toSingle(item.X - m_settings.PrinterGosaXTwip),
                         num::toSingle(item.Y - m_settings.PrinterGosaYTwip), width, height);
}

Outcome OverlayItems::outputTextItems(IPrinter* printer) {
    try {
        for (const std::int16_t slot : slotsInUse(ItemKind::Text)) {
            show(ItemKind::Text, slot);
            if (printer) {
                setPrinterFont(slot, *printer);
                printText(slot, *printer);
            }
        }
    } catch (const RuntimeError& error) {
        return Outcome::failed(QString::fromStdString(error.what()));
    }
    return Outcome::done();
}

Outcome OverlayItems::outputImageItems(IPrinter* printer) {
    try {
        for (const std::int16_t slot : slotsInUse(ItemKind::Image)) {
            show(ItemKind::Image, slot);
            if (printer)
                printImage(slot, *printer);
        }
    } catch (const RuntimeError& error) {
        return Outcome::failed(QString::fromStdString(error.what()));
    }
    return Outcome::done();
}

// ---------------------------------------------------------------------------

bool GetTextLine(const QString& text, std::int32_t& position, QString& line) {
    line.clear();
    // Positions are 1-based; a text of any length works, not only the first
    // 32767 characters.
    const qsizetype from = position - 1;
    const qsizetype p = text.indexOf(QStringLiteral("\r\n"), from);
    if (p < 0) {
        line = text.mid(from);
        position = 0;
        return true;
    }
    line = text.mid(from, p - from);
    position = static_cast<std::int32_t>(p + 1 + 2);
    return true;
}

QColor colourFromForeColor(const QString& foreColor) {
    // A colour the file or the user left that is no colour number at all
    // draws black rather than stopping the page.
    if (!num::isNumeric(foreColor))
        return Qt::black;
    const double value = num::roundHalfEven(num::toDouble(foreColor));
    if (!(value >= 0 && value <= 0xFFFFFF))
        return Qt::black;
    const auto number = static_cast<std::uint32_t>(value);
    return QColor(number & 0xFF, (number >> 8) & 0xFF, (number >> 16) & 0xFF);
}

QFont itemFont(const OverlayText& item, double points) {
    QFont font;
    font.setBold(item.FontBold);
    if (points > 0)
        font.setPointSizeF(points);
    font.setItalic(item.FontItalic);
    font.setUnderline(item.FontUnderline);
    // The face last, keeping the size and styles: the stored Windows name
    // finds its installed substitute through the font map.
    font.setFamily(item.FontName);
    return font;
}

} // namespace pernoa::overlay
