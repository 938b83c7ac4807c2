#include "overlay/overlayitems.h"

#include "engine/messages.h"
#include "engine/numberrules.h"
#include "engine/sheetsettings.h"

namespace pernoa::overlay {

OverlayItems::OverlayItems(const SheetSettings& settings, IMessages& messages)
    : m_settings(settings), m_messages(messages) {}

std::int32_t OverlayItems::hyojiSize() const {
    return m_settings.HyojiSize;
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
// Slots

std::int16_t OverlayItems::allocate(ItemKind kind) {
    const bool text = kind == ItemKind::Text;
    const std::int16_t count = text ? FreeTextCount : ImageCount;
    std::int16_t slot = 0;
    for (std::int16_t i = 1; i <= count && i > 0; ++i) {
        const bool inUse = text ? FreeTextItems[i].InUse : ImageItems[i].InUse;
        if (!inUse) {
            slot = i;
            break;
        }
    }
    // The position is computed before anything changes, so a click position
    // that cannot be held leaves the page as it was.
    const std::optional<std::int32_t> x = pageFromPreview(double(ClickX));
    const std::optional<std::int32_t> y = pageFromPreview(double(ClickY));
    if (!x || !y)
        return 0;
    if (slot == 0) {
        if (count >= MaxItemSlots) {
            m_messages.showMessage(
                text ? joinLines({QStringLiteral("これ以上文字を挿入できません。"),
                                  QStringLiteral("ひとつのページに置ける文字は32767個までです。")})
                     : joinLines({QStringLiteral("これ以上画像を挿入できません。"),
                                  QStringLiteral("ひとつのページに置ける画像は32767個までです。")}),
                QStringLiteral("エラーメッセージ"), MsgIcon::Warning);
            return 0;
        }
        slot = text ? AddTextItem(OverlayText{}) : AddImageItem(OverlayImage{});
    }
    CurrentItemIndex = slot;
    if (text) {
        ClearFreeText(slot);
        FreeTextItems[slot].X = *x;
        FreeTextItems[slot].Y = *y;
    } else {
        ClearImage(slot);
        ImageItems[slot].X = *x;
        ImageItems[slot].Y = *y;
    }
    return slot;
}

std::int16_t OverlayItems::AllocateTextSlot() {
    return allocate(ItemKind::Text);
}

std::int16_t OverlayItems::AllocateImageSlot() {
    return allocate(ItemKind::Image);
}

void OverlayItems::DeleteItem(ItemKind kind, std::int16_t slot) {
    if (kind == ItemKind::Text) {
        if (slot < 1 || slot > FreeTextCount)
            return;
        FreeTextItems[slot].InUse = false;
        if (m_display)
            m_display->hideTextElement(slot);
    } else {
        if (slot < 1 || slot > ImageCount)
            return;
        ImageItems[slot].InUse = false;
        if (m_display)
            m_display->hideImageElement(slot);
    }
}

bool OverlayItems::ClearOverlayItems() {
    try {
        while (FreeTextCount > 0) {
            if (m_display)
                m_display->destroyTextElement(FreeTextCount);
            --FreeTextCount;
        }
        while (ImageCount > 0) {
            if (m_display)
                m_display->destroyImageElement(ImageCount);
            --ImageCount;
        }
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

void OverlayItems::ResetTextItems() {
    FreeTextItems.assign(1, OverlayText{});
    FreeTextCount = 0;
}

void OverlayItems::ResetImageItems() {
    ImageItems.assign(1, OverlayImage{});
    ImageCount = 0;
}

namespace {

// A new slot at the end of one array, holding the record; 0 at the limit.
template <typename Item>
std::int16_t appendSlot(std::vector<Item>& items, std::int16_t& count, const Item& item) {
    if (count >= MaxItemSlots)
        return 0;
    const auto slot = static_cast<std::int16_t>(count + 1);
    items.resize(slot + 1);
    items[slot] = item;
    count = slot;
    return slot;
}

} // namespace

std::int16_t OverlayItems::AddTextItem(const OverlayText& item) {
    const std::int16_t slot = appendSlot(FreeTextItems, FreeTextCount, item);
    if (slot && m_display)
        m_display->createTextElement(slot);
    return slot;
}

std::int16_t OverlayItems::AddImageItem(const OverlayImage& item) {
    const std::int16_t slot = appendSlot(ImageItems, ImageCount, item);
    if (slot && m_display)
        m_display->createImageElement(slot);
    return slot;
}

// ---------------------------------------------------------------------------
// Placement on the preview

void OverlayItems::ClearFreeText(std::int16_t slot) {
    FreeTextItems[slot] = OverlayText{};
}

void OverlayItems::ClearImage(std::int16_t slot) {
    ImageItems[slot] = OverlayImage{};
}

TextElementLook OverlayItems::textLook(std::int16_t slot) const {
    const OverlayText& item = FreeTextItems[slot];
    TextElementLook look;
    look.text = item.Text;
    look.left = previewFromPage(item.X);
    look.top = previewFromPage(item.Y);
    look.font = itemFont(item, num::divide(item.FontSize, m_settings.HyojiSize));
    look.colour = colourFromForeColor(item.ForeColor);
    return look;
}

ImageElementLook OverlayItems::imageLook(std::int16_t slot) const {
    const OverlayImage& item = ImageItems[slot];
    ImageElementLook look;
    look.image = item.Picture.image;
    look.left = previewFromPage(item.X);
    look.top = previewFromPage(item.Y);
    const double scale = item.ImageSizePer / 100.0;
    look.height = previewFromPage(scale * item.Picture.HeightHimetric);
    look.width = previewFromPage(scale * item.Picture.WidthHimetric);
    return look;
}

void OverlayItems::ShowFreeText(std::int16_t slot) {
    FreeTextItems[slot].InUse = true;
    if (m_display)
        m_display->showTextElement(slot, textLook(slot));
}

void OverlayItems::ShowImage(std::int16_t slot) {
    ImageItems[slot].InUse = true;
    if (m_display)
        m_display->showImageElement(slot, imageLook(slot));
}

// ---------------------------------------------------------------------------
// Output on paper

void OverlayItems::SetPrinterFont(std::int16_t slot, IPrinter& printer) const {
    const OverlayText& item = FreeTextItems[slot];
    printer.setFontName(item.FontName);
    printer.setFontSize(item.FontSize);
    printer.setFontBold(item.FontBold);
    printer.setFontItalic(item.FontItalic);
    printer.setForeColor(colourFromForeColor(item.ForeColor));
    printer.setFontUnderline(item.FontUnderline);
}

void OverlayItems::PrintFreeText(IPrinter& printer, const QString& text, double x, double y) const {
    const float left = num::toSingle(x - m_settings.PrinterGosaXTwip);
    printer.setCurrentX(left);
    printer.setCurrentY(num::toSingle(y - m_settings.PrinterGosaYTwip));
    std::int32_t position = 1;
    QString line;
    while (position != 0) {
        GetTextLine(text, position, line);
        printer.printLine(line);
        printer.setCurrentX(left);
    }
}

void OverlayItems::PrintImage(std::int16_t slot, IPrinter& printer) const {
    const OverlayImage& item = ImageItems[slot];
    const double scale = item.ImageSizePer / 100.0;
    const float height = num::toSingle(item.Picture.HeightHimetric * scale);
    const float width = num::toSingle(item.Picture.WidthHimetric * scale);
    printer.paintPicture(item.Picture.image, num::toSingle(item.X - m_settings.PrinterGosaXTwip),
                         num::toSingle(item.Y - m_settings.PrinterGosaYTwip), width, height);
}

Outcome OverlayItems::outputTextItems(IPrinter* printer) {
    try {
        const std::int16_t count = FreeTextCount;
        for (std::int16_t i = 1; i <= count && i > 0; ++i) {
            if (!FreeTextItems[i].InUse)
                continue;
            ShowFreeText(i);
            if (printer) {
                SetPrinterFont(i, *printer);
                PrintFreeText(*printer, FreeTextItems[i].Text, FreeTextItems[i].X,
                              FreeTextItems[i].Y);
            }
        }
    } catch (const RuntimeError& error) {
        return Outcome::failed(QString::fromStdString(error.what()));
    }
    return Outcome::done();
}

Outcome OverlayItems::outputImageItems(IPrinter* printer) {
    try {
        const std::int16_t count = ImageCount;
        for (std::int16_t i = 1; i <= count && i > 0; ++i) {
            if (!ImageItems[i].InUse)
                continue;
            ShowImage(i);
            if (printer)
                PrintImage(i, *printer);
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
