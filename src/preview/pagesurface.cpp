#include "preview/pagesurface.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace pernoa::preview {

int twipsToPixels(double twips) {
    return int(std::lround(twips / TwipsPerPixel));
}

PageSurface::PageSurface(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
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
}

void PageSurface::clearLines() {
    m_lines.clear();
    m_lines.shrink_to_fit();
    update();
}

void PageSurface::addLine(float x1, float y1, float x2, float y2, const QColor& colour) {
    m_lines.push_back(Line{x1, y1, x2, y2, colour.rgb()});
    update();
}

void PageSurface::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    if (m_lines.empty())
        return;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setClipRect(event->rect());
    // Lines are kept in twips; the painter maps them to logical pixels. A
    // cosmetic pen (width 0) is one device pixel wide at any scale.
    painter.scale(1.0 / TwipsPerPixel, 1.0 / TwipsPerPixel);
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
}

} // namespace pernoa::preview
