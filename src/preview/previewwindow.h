#pragma once

#include "engine/surfaces.h"
#include "overlay/overlayitems.h"
#include "preview/itemdialogs.h"
#include "preview/pagesurface.h"

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <cstdint>
#include <optional>

class QAction;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QLabel;
class QMimeData;
class QMenu;
class QScrollArea;
class QUndoStack;

namespace pernoa {
class IMessages;
}

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
// The window never passes the screen's available area: where the page at its
// size would take the window past it (a large paper at the large display size,
// a small screen, a high scale factor), the page is shown in a scrolled view
// as large as fits, the explanation label just below it, and the window is
// moved back inside the area when it would pass an edge. The page itself, its
// twips and everything on it stay as they are; the pointer's positions stay
// relative to the page wherever it is scrolled.
//
// Placed beside the main window, it stays clear of it: when a new size would
// take it past the area or over that window, it moves into the room beside
// the main window (right, left, below, above: the first that shows the page
// whole, else the one that shows most of it, scrolled) and only where no
// room shows a useful part of the page does it go over the main window.
//
// The title label shows a short notice about the page when there is one. It
// then takes the height of its text, centred where the empty label stands,
// and the page moves down by what the label needs beyond the room above it.
//
// Closing the window with its close box only hides it; the page and
// everything on it stay, and showWindow() brings it back.
//
// It is also the editor of the page's text and image items: it shows them as
// display elements of the page surface (IOverlayDisplay), opens the popup
// menus of a right click (the right button alone), moves an item dragged with
// the left button and deletes one after asking. Inserting and editing open
// the item dialogs on the slot or the point of the right click. A deletion
// and a whole drag are one step each of the page's history, which the
// window's undo and redo commands (in each popup menu, and Ctrl+Z,
// Ctrl+Shift+Z, Ctrl+Y) walk.
//
// Files dropped on it: a settings file anywhere on the window is handed on
// (settingsFileDropped), a BMP, GIF or JPEG file on the page opens the image
// item dialog with that file at the drop point. Anything else, and more than
// one file at a time, is refused while it is dragged over the window (the
// pointer shows that it cannot be dropped).
class PreviewWindow : public QWidget,
                      public IPreviewSurface,
                      public IPreviewWindow,
                      public overlay::IOverlayDisplay {
    Q_OBJECT
public:
    // The frame the outer sizes include, in twips.
    static constexpr int kDesignFrameWidth = 90;
    static constexpr int kDesignFrameHeight = 345;
    // The page surface's position in the client area, in twips.
    static constexpr int kPageLeft = 120;
    static constexpr int kPageTop = 120;

    // The window shows and edits the items (their display for as long as it
    // lives); the messages ask before an item is deleted; the dialogs insert
    // and edit items.
    PreviewWindow(overlay::OverlayItems& items, IMessages& messages, IItemDialogs& dialogs,
                  QUndoStack& history, QWidget* parent = nullptr);
    ~PreviewWindow() override;

    // IPreviewSurface
    void setSurfaceHeight(int twips) override;
    void setSurfaceWidth(int twips) override;
    void clear() override;
    void setUnitTwips() override {}
    void drawLine(float x1, float y1, float x2, float y2, const QColor& colour) override;
    void fillRect(float x, float y, float width, float height, const QColor& colour) override;
    void drawGlyphs(const QGlyphRun& glyphs, const QColor& colour) override;

    // IPreviewWindow
    void setWindowHeight(int twips) override;
    void setWindowWidth(int twips) override;
    void setDescriptionTop(int twips) override;
    int titleWidth() const override;
    void setTitleLeft(float twips) override;
    void showWindow() override;
    void setNotice(const QString& text) override;
    QString notice() const { return m_notice; }

    // IOverlayDisplay
    void createElement(overlay::ItemKind kind, std::int16_t slot) override;
    void destroyElement(overlay::ItemKind kind, std::int16_t slot) override;
    void showTextElement(std::int16_t slot, const overlay::TextElementLook& look) override;
    void showImageElement(std::int16_t slot, const overlay::ImageElementLook& look) override;
    void moveElement(overlay::ItemKind kind, std::int16_t slot, double left, double top) override;
    void hideElement(overlay::ItemKind kind, std::int16_t slot) override;

    // --- the pointer on the page (the page surface's events end here) ---
    // pos is in the page surface's logical pixels; button is the one that
    // changed, buttons those held after the change.
    void pagePressed(const QPointF& pos, Qt::MouseButton button, Qt::MouseButtons buttons,
                     const QPoint& globalPos);
    void pageMoved(const QPointF& pos, Qt::MouseButtons buttons);
    void pageReleased(Qt::MouseButtons buttons);
    // What the last right click found: the slot of the element under it (0
    // on the empty page) and the point, preview twips in the element's own
    // coordinates.
    std::int16_t clickedSlot() const { return m_clickedSlot; }
    QPoint clickPoint() const { return m_clickPoint; }
    // The drag state: whether a drag is in progress and its grab point in the
    // element, preview twips.
    bool dragging() const { return m_dragging; }
    // Ends a drag in progress as one step, as releasing the button does.
    void endDrag();
    QAction* undoAction() const { return m_undo; }
    QAction* redoAction() const { return m_redo; }
    std::int16_t dragOffsetX() const { return m_dragOffsetX; }
    std::int16_t dragOffsetY() const { return m_dragOffsetY; }

    PageSurface* page() const { return m_page; }
    // The outer size last set, in twips.
    int windowWidthTwips() const { return m_windowWidth; }
    int windowHeightTwips() const { return m_windowHeight; }

    // Puts this window against the right edge of another window's frame, the
    // top edges level, as far as the available area lets it, and keeps it
    // clear of that window from now on.
    void placeBeside(const QWidget& window);

    // The area of the screen the window keeps to (frame included): the
    // screen's available geometry unless one is set here.
    void setAvailableArea(std::optional<QRect> area);
    QRect availableArea() const;
    // The scrolled view around the page.
    QScrollArea* pageView() const { return m_view; }

signals:
    // A settings file was dropped on the window (handed on after the drop
    // has ended).
    void settingsFileDropped(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Where everything stands for a client area of at most a given size, in
    // logical pixels.
    struct Layout {
        QRect view;
        bool across = false; // scroll bars
        bool down = false;
        QSize shown; // the part of the page the view shows
        QRect description;
        QRect title;
        QSize window; // the client area
    };
    Layout layoutFor(QSize room) const;
    // The layout in the best room beside the companion window; room and at
    // receive that room and where the window's frame stands in it.
    Layout besideCompanion(QRect& room, QPoint& at) const;
    QSize frameExtent() const;
    void relayout();
    // Moves the window's frame to at, or as near as the room allows.
    void moveInto(const QRect& room, QPoint at, QSize outer);
    void buildMenus();
    void insertOrEdit(bool insert, overlay::ItemKind kind);
    void deleteCurrent(overlay::ItemKind kind);
    void dragTo(ElementRef element, const QPointF& pos);
    // Whether a drag of files may be dropped at a point of the window; the
    // file it brings.
    bool acceptsDrop(const QMimeData* data, const QPointF& pos, QString* path = nullptr) const;

    PageSurface* m_page;
    QScrollArea* m_view;
    QLabel* m_description;
    QLabel* m_title;
    QString m_notice;
    std::optional<QRect> m_availableArea;
    QPointer<const QWidget> m_companion;
    int m_windowWidth = 0;
    int m_windowHeight = 0;
    int m_descriptionTop = 0;
    float m_titleLeft = 0;

    overlay::OverlayItems& m_items;
    IMessages& m_messages;
    IItemDialogs& m_dialogs;
    QUndoStack& m_history;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    std::int16_t m_clickedSlot = 0;
    QPoint m_clickPoint;
    QMenu* m_menuSinki = nullptr;
    QMenu* m_menuLabel = nullptr;
    QMenu* m_menuImage = nullptr;

    // The element a press happened on: while a button is held, the pointer's
    // moves go to it wherever the pointer is.
    ElementRef m_captured;
    bool m_buttonHeld = false;
    bool m_dragging = false;
    std::int16_t m_dragOffsetX = 0;
    std::int16_t m_dragOffsetY = 0;
    // The grab point as the pointer gave it, unrounded.
    QPointF m_grabPoint;
    // The dragged item and where it stood (page twips) when the drag began.
    ElementRef m_dragged;
    QPoint m_dragStart;
};

} // namespace pernoa::preview
