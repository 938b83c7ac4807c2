#pragma once

#include "preview/pagesurface.h"
#include "engine/surfaces.h"

#include <QWidget>

class QLabel;

namespace pernoa::preview {

// The preview window "ぷれびゅ～♪": a fixed-size tool window around the page
// surface Picture1, with the explanation label lblSetumei below the page and
// the (empty) label title centred over it. The page-size routines size it
// through IPreviewSurface and IPreviewWindow, the drawing routine draws on it.
//
// Sizes arrive in twips. The page surface takes them as they are (15 twips to
// a logical pixel). The window sizes are outer sizes that include the frame of
// the window they were designed for: a fixed tool window with 3-pixel borders
// and a 17-pixel title bar. The window's client area is the outer size less
// that frame (90 twips in width, 345 in height); the window manager then puts
// its own frame around it. This keeps the page at 8 pixels from the client
// area's left and top edges and the explanation label below it on every
// platform. Should the label's text need more room than the window leaves it
// (narrow pages with a large font), the window grows just enough to show it
// whole.
//
// Closing the window with its close box only hides it; the page and
// everything on it stay, and showWindow() brings it back.
class PreviewWindow : public QWidget, public IPreviewSurface, public IPreviewWindow {
    Q_OBJECT
public:
    // The frame the outer sizes include, in twips.
    static constexpr int DesignFrameWidth = 90;
    static constexpr int DesignFrameHeight = 345;
    // The page surface's position in the client area, in twips.
    static constexpr int PageLeft = 120;
    static constexpr int PageTop = 120;

    explicit PreviewWindow(QWidget* parent = nullptr);

    // IPreviewSurface
    void setSurfaceHeight(int twips) override;
    void setSurfaceWidth(int twips) override;
    void clear() override;
    void setUnitTwips() override {}
    void drawLine(float x1, float y1, float x2, float y2, const QColor& colour) override;

    // IPreviewWindow
    void setWindowHeight(int twips) override;
    void setWindowWidth(int twips) override;
    void setDescriptionTop(int twips) override;
    int titleWidth() const override;
    void setTitleLeft(float twips) override;
    void showWindow() override;

    PageSurface* page() const { return m_page; }
    // The outer size last set, in twips.
    int windowWidthTwips() const { return m_windowWidth; }
    int windowHeightTwips() const { return m_windowHeight; }

    // Puts this window against the right edge of another window's frame, the
    // top edges level.
    void placeBeside(const QWidget& window);

private:
    void relayout();

    PageSurface* m_page;
    QLabel* m_description;
    QLabel* m_title;
    int m_windowWidth = 0;
    int m_windowHeight = 0;
    int m_descriptionTop = 0;
    float m_titleLeft = 0;
};

} // namespace pernoa::preview
