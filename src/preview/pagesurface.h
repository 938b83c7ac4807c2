#pragma once

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QRectF>
#include <QStringList>
#include <QWidget>

#include <vector>

namespace pernoa::preview {

// Twips per logical pixel: the screen's resolution at 96 dots per inch. Qt
// maps logical pixels to device pixels on high-resolution screens.
inline constexpr double kTwipsPerPixel = 15.0;

// A length in twips as whole logical pixels.
int twipsToPixels(double twips);

// Which display element a point falls on.
enum class ElementKind { None, Text, Image };
struct ElementRef {
    ElementKind kind = ElementKind::None;
    int slot = 0;
    bool isItem() const { return kind != ElementKind::None; }
    friend bool operator==(const ElementRef&, const ElementRef&) = default;
};

// The arrow pointer shown over the page's items: 32 x 32, hot spot at the tip,
// drawn at the screen's device pixel ratio so that it stays sharp there.
QCursor itemCursor(qreal devicePixelRatio = 1.0);

// The white page on which the staves are previewed, and the display elements
// of the page's text and image items. It keeps every line drawn on it, in
// twips from its top left corner, and paints them one device pixel wide
// without smoothing, so that thin staff lines stay crisp.
//
// The items are not widgets: a page can hold tens of thousands of them. Each
// element is a small record (what it shows, where, whether it is visible) that
// the surface paints itself over the staves: every text, then every image,
// each kind in slot order, so an element painted later covers one painted
// earlier, and the pointer finds the topmost element by the reverse order.
// Changes repaint only the area they touch.
class PageSurface : public QWidget {
    Q_OBJECT
public:
    struct Line {
        float x1, y1, x2, y2; // twips
        QRgb colour;
    };

    // A multi-line text label sized to its text.
    struct TextElement {
        bool visible = false;
        QString text;
        QStringList lines; // the text split at CR LF
        // The lines as far as they are painted: to a little past reach
        // (logical pixels right of the element's left edge), infinite when
        // every line is whole.
        QStringList shown;
        double reach = 0;
        QFont font; // the size adjusted to the page's twips
        QColor colour;
        double leftTwips = 0;
        double topTwips = 0;
        double ascent = 0;      // logical pixels
        double lineSpacing = 0; // logical pixels
        QSizeF size;            // logical pixels
        QRectF rect() const;    // logical pixels
    };

    // A picture stretched into its rectangle. The image is the item's own
    // (implicitly shared), never a copy.
    struct ImageElement {
        bool visible = false;
        QImage image;
        double leftTwips = 0;
        double topTwips = 0;
        double widthTwips = 0;
        double heightTwips = 0;
        QRectF rect() const; // logical pixels
    };

    explicit PageSurface(QWidget* parent = nullptr);

    // The surface's size in twips; the widget takes the nearest whole pixels.
    void setWidthTwips(int twips);
    void setHeightTwips(int twips);
    int widthTwips() const { return m_widthTwips; }
    int heightTwips() const { return m_heightTwips; }

    void clearLines();
    void addLine(float x1, float y1, float x2, float y2, const QColor& colour);
    const std::vector<Line>& lines() const { return m_lines; }
    // Filled rectangles and glyphs drawn over the lines (twips; a glyph
    // run's font has the em in twips as its pixel size); cleared with them.
    void addFill(const QRectF& twips, const QColor& colour);
    void addGlyphs(const QGlyphRun& twips, const QColor& colour);
    int signCount() const { return int(m_fills.size() + m_glyphs.size()); }

    // --- item display elements, addressed by slot (element 0 is never shown) ---
    // A new hidden element for the slot after the last; destroying removes the last.
    void appendElement(ElementKind kind);
    void removeLastElement(ElementKind kind);
    int elementCount(ElementKind kind) const;
    // Shows a text element with this text (plain, lines at CR LF, left
    // aligned), font (point size for paper divided by the display divisor),
    // colour and top left corner in twips.
    void showText(int slot, const QString& text, const QFont& font, const QColor& colour,
                  double leftTwips, double topTwips);
    void showImage(int slot, const QImage& image, double leftTwips, double topTwips,
                   double widthTwips, double heightTwips);
    void hideElement(ElementRef element);
    // Moves a visible or hidden element; its look stays.
    void moveElement(ElementRef element, double leftTwips, double topTwips);
    QPointF elementTopLeftTwips(ElementRef element) const;
    const TextElement& textElement(int slot) const { return m_texts.at(slot); }
    const ImageElement& imageElement(int slot) const { return m_images.at(slot); }

    // The topmost visible element under a point in logical pixels.
    ElementRef elementAt(const QPointF& pos) const;
    // The tooltip at a point: the element's, else the page's own.
    QString toolTipAt(const QPointF& pos) const;

protected:
    bool event(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void updateSize();
    // Cuts an element's lines to what the page can show from where the
    // element stands, when they are not cut far enough yet.
    void fitLines(TextElement& e, bool measured);
    // Repaints an area: a few areas one by one, many at once as the whole page.
    void invalidate(const QRectF& rect);
    QRectF paintedRect(ElementRef element) const;
    void updatePointer(const QPointF& pos);

    int m_widthTwips = 0;
    int m_heightTwips = 0;
    std::vector<Line> m_lines;
    // Kept in logical pixels, ready to paint.
    std::vector<std::pair<QRectF, QColor>> m_fills;
    std::vector<std::pair<QGlyphRun, QColor>> m_glyphs;
    std::vector<TextElement> m_texts{1};
    std::vector<ImageElement> m_images{1};
    int m_pendingAreas = 0;
    bool m_wholePending = false;
    bool m_pointerOverItem = false;
};

} // namespace pernoa::preview
