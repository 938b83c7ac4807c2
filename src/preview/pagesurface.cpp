#include "preview/pagesurface.h"

#include "overlay/textrun.h"
#include "preview/texts.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QToolTip>
#include <QtMath>

#include <cmath>
#include <limits>

namespace pernoa::preview {
namespace {

// Qt places the glyphs of a painted run in fixed point, which wraps past
// 2^25 pixels: a line is never painted that far.
constexpr double kMaxRunPixels = 33554431.0;

// Beyond this many separate areas waiting to be repainted, the whole page is
// repainted instead: merging thousands of small areas costs more than that.
constexpr int kMaxPendingAreas = 32;

QRectF twipsRect(double left, double top, double width, double height) {
    return QRectF(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                  height / kTwipsPerPixel);
}

} // namespace

int twipsToPixels(double twips) {
    return int(std::lround(twips / kTwipsPerPixel));
}

QCursor itemCursor(qreal devicePixelRatio) {
    // A white arrow with a black outline and a small four-way mark below it:
    // the tip at (0, 0) is the hot spot. Drawn in the pointer's own 32 x 32
    // units on as many device pixels as the screen has for them.
    const int side = qCeil(32 * devicePixelRatio);
    QPixmap pixmap(side, side);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QPolygonF arrow({{0, 0}, {0, 17}, {4, 13}, {7, 20}, {10, 19}, {7, 12}, {12, 12}});
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawPolygon(arrow);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(QPointF(15, 25), QPointF(27, 25));
    painter.drawLine(QPointF(21, 19), QPointF(21, 31));
    painter.end();
    return QCursor(pixmap, 0, 0);
}

QRectF PageSurface::TextElement::rect() const {
    return QRectF(QPointF(leftTwips / kTwipsPerPixel, topTwips / kTwipsPerPixel), size);
}

QRectF PageSurface::ImageElement::rect() const {
    return twipsRect(leftTwips, topTwips, widthTwips, heightTwips).normalized();
}

PageSurface::PageSurface(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void PageSurface::setWidthTwips(int twips) {
    m_widthTwips = twips;
    updateSize();
}

void PageSurface::setHeightTwips(int twips) {
    m_heightTwips = twips;
    updateSize();
}

void PageSurface::updateSize() {
    setFixedSize(qMax(0, twipsToPixels(m_widthTwips)), qMax(0, twipsToPixels(m_heightTwips)));
    for (std::size_t i = 1; i < m_texts.size(); ++i)
        if (m_texts[i].visible)
            fitLines(m_texts[i], false);
}

void PageSurface::fitLines(TextElement& e, bool measured) {
    const double pageWidth = qMax(0, m_widthTwips) / kTwipsPerPixel;
    const double needed = pageWidth - e.leftTwips / kTwipsPerPixel;
    if (measured && needed <= e.reach)
        return;
    // A page's width of room, so that dragging the element to the left does
    // not cut its lines anew at every step.
    const double reach = needed + pageWidth;
    const QFontMetricsF metrics(e.font, this);
    e.shown.clear();
    e.reach = std::numeric_limits<double>::infinity();
    double width = 0;
    for (const QString& line : std::as_const(e.lines)) {
        const overlay::TextRun run = overlay::runToTheEdge(metrics, line, 0, reach, kMaxRunPixels);
        if (run.advance > kMaxRunPixels) {
            // So far left of the page that no glyph of it can show.
            e.shown << QString();
            e.reach = reach;
            continue;
        }
        if (run.length < line.size()) {
            e.shown << line.left(run.length);
            e.reach = reach;
        } else {
            e.shown << line;
        }
        width = qMax(width, run.advance);
    }
    e.size = QSizeF(width, (e.lines.size() - 1) * e.lineSpacing + metrics.height());
}

void PageSurface::clearLines() {
    m_lines.clear();
    m_lines.shrink_to_fit();
    m_fills.clear();
    m_glyphs.clear();
    update();
    m_wholePending = true;
}

void PageSurface::addLine(float x1, float y1, float x2, float y2, const QColor& colour) {
    m_lines.push_back(Line{x1, y1, x2, y2, colour.rgb()});
    if (!m_wholePending) {
        update();
        m_wholePending = true;
    }
}

void PageSurface::addFill(const QRectF& twips, const QColor& colour) {
    m_fills.emplace_back(QRectF(twips.topLeft() / kTwipsPerPixel, twips.size() / kTwipsPerPixel),
                         colour);
    if (!m_wholePending) {
        update();
        m_wholePending = true;
    }
}

void PageSurface::addGlyphs(const QGlyphRun& twips, const QColor& colour) {
    // Glyphs are sized for the screen's pixels rather than scaled by the
    // painter: the glyph cache then serves every repaint.
    QGlyphRun run = twips;
    QRawFont font = twips.rawFont();
    font.setPixelSize(font.pixelSize() / kTwipsPerPixel);
    run.setRawFont(font);
    QList<QPointF> positions = twips.positions();
    for (QPointF& p : positions)
        p /= kTwipsPerPixel;
    run.setPositions(positions);
    m_glyphs.emplace_back(run, colour);
    if (!m_wholePending) {
        update();
        m_wholePending = true;
    }
}

void PageSurface::invalidate(const QRectF& rect) {
    if (m_wholePending || rect.isEmpty())
        return;
    if (++m_pendingAreas > kMaxPendingAreas) {
        update();
        m_wholePending = true;
        return;
    }
    update(rect.toAlignedRect());
}

// ---------------------------------------------------------------------------
// Elements

void PageSurface::appendElement(ElementKind kind) {
    if (kind == ElementKind::Text)
        m_texts.emplace_back();
    else if (kind == ElementKind::Image)
        m_images.emplace_back();
}

void PageSurface::removeLastElement(ElementKind kind) {
    const int last = elementCount(kind);
    if (last < 1)
        return;
    hideElement({kind, last});
    if (kind == ElementKind::Text)
        m_texts.pop_back();
    else
        m_images.pop_back();
    updatePointer(mapFromGlobal(QCursor::pos()));
}

int PageSurface::elementCount(ElementKind kind) const {
    if (kind == ElementKind::Text)
        return int(m_texts.size()) - 1;
    if (kind == ElementKind::Image)
        return int(m_images.size()) - 1;
    return 0;
}

QRectF PageSurface::paintedRect(ElementRef element) const {
    if (element.kind == ElementKind::Text) {
        const TextElement& e = m_texts[element.slot];
        if (!e.visible)
            return {};
        // Italic and underlined text may reach a little past its advance.
        const double margin = e.lineSpacing / 4 + 1;
        return e.rect().adjusted(-margin, -1, margin, 1);
    }
    if (element.kind == ElementKind::Image) {
        const ImageElement& e = m_images[element.slot];
        return e.visible ? e.rect().adjusted(-1, -1, 1, 1) : QRectF();
    }
    return {};
}

void PageSurface::showText(int slot, const QString& text, const QFont& font, const QColor& colour,
                           double leftTwips, double topTwips) {
    TextElement& e = m_texts.at(slot);
    invalidate(paintedRect({ElementKind::Text, slot}));
    // The font's points are paper points at the page's scale: a point is 20
    // twips, whatever resolution the screen reports.
    QFont paperFont = font;
    if (font.pointSizeF() > 0)
        paperFont.setPointSizeF(font.pointSizeF() * 96.0 / logicalDpiY());
    // Measuring is the costly part of showing: a redraw that shows the same
    // text in the same font only moves the element.
    if (e.text.isNull() || e.text != text || e.font != paperFont) {
        e.text = text;
        e.lines = text.split(QStringLiteral("\r\n"));
        e.font = paperFont;
        const QFontMetricsF metrics(paperFont, this);
        e.ascent = metrics.ascent();
        e.lineSpacing = metrics.lineSpacing();
        e.leftTwips = leftTwips;
        fitLines(e, false);
    }
    e.colour = colour;
    e.leftTwips = leftTwips;
    e.topTwips = topTwips;
    fitLines(e, true);
    e.visible = true;
    invalidate(paintedRect({ElementKind::Text, slot}));
}

void PageSurface::showImage(int slot, const QImage& image, double leftTwips, double topTwips,
                            double widthTwips, double heightTwips) {
    ImageElement& e = m_images.at(slot);
    invalidate(paintedRect({ElementKind::Image, slot}));
    e.image = image;
    e.leftTwips = leftTwips;
    e.topTwips = topTwips;
    e.widthTwips = widthTwips;
    e.heightTwips = heightTwips;
    e.visible = true;
    invalidate(paintedRect({ElementKind::Image, slot}));
}

void PageSurface::hideElement(ElementRef element) {
    invalidate(paintedRect(element));
    if (element.kind == ElementKind::Text)
        m_texts.at(element.slot).visible = false;
    else if (element.kind == ElementKind::Image)
        m_images.at(element.slot).visible = false;
}

void PageSurface::moveElement(ElementRef element, double leftTwips, double topTwips) {
    invalidate(paintedRect(element));
    if (element.kind == ElementKind::Text) {
        TextElement& e = m_texts.at(element.slot);
        e.leftTwips = leftTwips;
        e.topTwips = topTwips;
        fitLines(e, true);
    } else if (element.kind == ElementKind::Image) {
        m_images.at(element.slot).leftTwips = leftTwips;
        m_images.at(element.slot).topTwips = topTwips;
    }
    invalidate(paintedRect(element));
}

QPointF PageSurface::elementTopLeftTwips(ElementRef element) const {
    if (element.kind == ElementKind::Text)
        return {m_texts.at(element.slot).leftTwips, m_texts.at(element.slot).topTwips};
    if (element.kind == ElementKind::Image)
        return {m_images.at(element.slot).leftTwips, m_images.at(element.slot).topTwips};
    return {};
}

ElementRef PageSurface::elementAt(const QPointF& pos) const {
    // The reverse of the painting order: the last painted is on top.
    for (int i = int(m_images.size()) - 1; i >= 1; --i)
        if (m_images[i].visible && m_images[i].rect().contains(pos))
            return {ElementKind::Image, i};
    for (int i = int(m_texts.size()) - 1; i >= 1; --i)
        if (m_texts[i].visible && m_texts[i].rect().contains(pos))
            return {ElementKind::Text, i};
    return {};
}

QString PageSurface::toolTipAt(const QPointF& pos) const {
    switch (elementAt(pos).kind) {
    case ElementKind::Text:
        return texts::textTip();
    case ElementKind::Image:
        return texts::imageTip();
    case ElementKind::None:
        break;
    }
    return toolTip();
}

// ---------------------------------------------------------------------------
// Pointer

bool PageSurface::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const ElementRef element = elementAt(help->pos());
        if (element.isItem()) {
            QToolTip::showText(help->globalPos(), toolTipAt(help->pos()), this,
                               paintedRect(element).toAlignedRect());
            return true;
        }
    }
    return QWidget::event(event);
}

void PageSurface::updatePointer(const QPointF& pos) {
    const bool over = rect().contains(pos.toPoint()) && elementAt(pos).isItem();
    if (over == m_pointerOverItem)
        return;
    m_pointerOverItem = over;
    if (over)
        setCursor(itemCursor(devicePixelRatioF()));
    else
        unsetCursor();
}

void PageSurface::mouseMoveEvent(QMouseEvent* event) {
    // While a button is held the element being dragged stays under the
    // pointer, and so does its pointer.
    if (event->buttons() == Qt::NoButton)
        updatePointer(event->position());
    QWidget::mouseMoveEvent(event);
}

void PageSurface::leaveEvent(QEvent* event) {
    m_pointerOverItem = false;
    unsetCursor();
    QWidget::leaveEvent(event);
}

// ---------------------------------------------------------------------------
// Painting

void PageSurface::paintEvent(QPaintEvent* event) {
    m_pendingAreas = 0;
    m_wholePending = false;
    QPainter painter(this);
    const QRect area = event->rect();
    painter.fillRect(area, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setClipRect(area);
    if (!m_lines.empty()) {
        // Lines are kept in twips; the painter maps them to logical pixels. A
        // cosmetic pen (width 0) is one device pixel wide at any scale.
        painter.save();
        painter.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
        QPen pen(QColor(m_lines.front().colour), 0);
        painter.setPen(pen);
        QRgb current = m_lines.front().colour;
        for (const Line& line : m_lines) {
            if (line.colour != current) {
                current = line.colour;
                pen.setColor(QColor(current));
                painter.setPen(pen);
            }
            painter.drawLine(QLineF(line.x1, line.y1, line.x2, line.y2));
        }
        painter.restore();
    }
    for (const auto& [rect, colour] : m_fills)
        painter.fillRect(rect, colour);
    if (!m_glyphs.empty()) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, true);
        for (const auto& [run, colour] : m_glyphs) {
            painter.setPen(colour);
            painter.drawGlyphRun(QPointF(0, 0), run);
        }
        painter.restore();
    }

    const QRectF areaF(area);
    // Texts are drawn as plain text, line by line, never interpreted.
    bool fontSet = false;
    QFont currentFont;
    QColor currentColour;
    for (std::size_t i = 1; i < m_texts.size(); ++i) {
        const TextElement& e = m_texts[i];
        if (!e.visible || !paintedRect({ElementKind::Text, int(i)}).intersects(areaF))
            continue;
        if (!fontSet || !(e.font == currentFont)) {
            painter.setFont(e.font);
            currentFont = e.font;
        }
        if (!fontSet || e.colour != currentColour) {
            painter.setPen(e.colour);
            currentColour = e.colour;
        }
        fontSet = true;
        const QRectF r = e.rect();
        double baseline = r.top() + e.ascent;
        for (const QString& line : e.shown) {
            if (!line.isEmpty())
                painter.drawText(QPointF(r.left(), baseline), line);
            baseline += e.lineSpacing;
        }
    }
    for (std::size_t i = 1; i < m_images.size(); ++i) {
        const ImageElement& e = m_images[i];
        if (!e.visible || e.image.isNull())
            continue;
        const QRectF r = e.rect();
        if (r.intersects(areaF))
            painter.drawImage(r, e.image);
    }
}

} // namespace pernoa::preview
