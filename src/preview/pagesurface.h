#pragma once

#include <QColor>
#include <QWidget>

#include <vector>

namespace pernoa::preview {

// Twips per logical pixel: the screen's resolution at 96 dots per inch. Qt
// maps logical pixels to device pixels on high-resolution screens.
inline constexpr double TwipsPerPixel = 15.0;

// A length in twips as whole logical pixels.
int twipsToPixels(double twips);

// The white page on which the staves are previewed. It keeps every line drawn
// on it, in twips from its top left corner, and paints them one device pixel
// wide without smoothing, so that thin staff lines stay crisp. Its child
// widgets (the page's text and image items) are positioned in the same frame.
class PageSurface : public QWidget {
    Q_OBJECT
public:
    struct Line {
        float x1, y1, x2, y2; // twips
        QRgb colour;
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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void updateSize();

    int m_widthTwips = 0;
    int m_heightTwips = 0;
    std::vector<Line> m_lines;
};

} // namespace pernoa::preview
