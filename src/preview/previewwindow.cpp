#include "preview/previewwindow.h"

#include "engine/messages.h"
#include "engine/numberrules.h"
#include "files/settingsfile.h"
#include "overlay/itemhistory.h"
#include "overlay/picture.h"
#include "preview/historyactions.h"
#include "preview/texts.h"
#include "preview/widgetparts.h"

#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QWindow>

#include <cmath>

namespace pernoa::preview {
namespace {

// The window as laid out for A4 portrait at the small display size, the state
// the program starts in.
constexpr int kStartPageWidth = 3969;
constexpr int kStartPageHeight = 5613;
constexpr int kStartWindowWidth = 4320;
constexpr int kStartWindowHeight = 7155;
constexpr int kStartDescriptionTop = 5880;
constexpr int kTitleWidth = 2415;
constexpr int kTitleHeight = 120;
// Room kept free below the explanation label.
constexpr int kBottomMarginPixels = 4;
// The least of the page a room beside the main window must show, each way,
// to take the window there rather than over the main window.
constexpr int kLeastShownPixels = 150;

// The scrolled view around the page, which can lay itself out while hidden.
class PageView : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    // Places the viewport and the bars for the present size and bar policies
    // now (a hidden view does it only when it is shown).
    void layOut() { setViewportMargins(0, 0, 0, 0); }
};

} // namespace

PreviewWindow::PreviewWindow(overlay::OverlayItems& items, IMessages& messages,
                             IItemDialogs& dialogs, QUndoStack& history, QWidget* parent)
    : QWidget(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_items(items), m_messages(messages), m_dialogs(dialogs), m_history(history) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(texts::previewTitle());

    // The view shows the page whole wherever it fits: no frame, the window's
    // own background around it.
    m_view = new PageView(this);
    m_view->setObjectName(QStringLiteral("pageView"));
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->setWidgetResizable(false);
    m_view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_view->setFocusPolicy(Qt::NoFocus);
    m_page = new PageSurface;
    m_page->setObjectName(QStringLiteral("Picture1"));
    m_page->setToolTip(texts::pageTip());
    m_page->installEventFilter(this);
    m_view->setWidget(m_page);

    m_description = plainLabel(texts::previewDescription(), "lblSetumei", -1, this);
    m_description->setWordWrap(true);
    m_description->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_title = plainLabel(QString(), "title", -1, this);
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setWordWrap(true);

    m_page->setWidthTwips(kStartPageWidth);
    m_page->setHeightTwips(kStartPageHeight);
    m_windowWidth = kStartWindowWidth;
    m_windowHeight = kStartWindowHeight;
    m_descriptionTop = kStartDescriptionTop;
    m_titleLeft = float(kStartPageWidth) / 2.0f - float(kTitleWidth) / 2.0f;
    relayout();
    const HistoryActions actions = createHistoryActions(m_history, this, [this] { endDrag(); });
    m_undo = actions.undo;
    m_redo = actions.redo;
    addAction(m_undo);
    addAction(m_redo);
    buildMenus();
    setAcceptDrops(true);
    items.setDisplay(this);
}

PreviewWindow::~PreviewWindow() {
    if (m_items.display() == this)
        m_items.setDisplay(nullptr);
}

void PreviewWindow::setSurfaceHeight(int twips) {
    m_page->setHeightTwips(twips);
    relayout();
}

void PreviewWindow::setSurfaceWidth(int twips) {
    m_page->setWidthTwips(twips);
    relayout();
}

void PreviewWindow::clear() {
    m_page->clearLines();
}

void PreviewWindow::drawLine(float x1, float y1, float x2, float y2, const QColor& colour) {
    m_page->addLine(x1, y1, x2, y2, colour);
}

void PreviewWindow::fillRect(float x, float y, float width, float height, const QColor& colour) {
    m_page->addFill(QRectF(x, y, width, height), colour);
}

void PreviewWindow::drawGlyphs(const QGlyphRun& glyphs, const QColor& colour) {
    m_page->addGlyphs(glyphs, colour);
}

void PreviewWindow::setWindowHeight(int twips) {
    m_windowHeight = twips;
    relayout();
}

void PreviewWindow::setWindowWidth(int twips) {
    m_windowWidth = twips;
    relayout();
}

void PreviewWindow::setDescriptionTop(int twips) {
    m_descriptionTop = twips;
    relayout();
}

int PreviewWindow::titleWidth() const {
    // The empty label's width: a notice widens it around the same centre.
    return kTitleWidth;
}

void PreviewWindow::setTitleLeft(float twips) {
    m_titleLeft = twips;
    relayout();
}

void PreviewWindow::showWindow() {
    show();
    raise();
}

void PreviewWindow::setNotice(const QString& text) {
    if (text == m_notice)
        return;
    m_notice = text;
    m_title->setText(text);
    relayout();
}

void PreviewWindow::placeBeside(const QWidget& window) {
    m_companion = &window;
    const QRect frame = window.frameGeometry();
    move(frame.x() + frame.width(), frame.y());
    relayout();
}

void PreviewWindow::setAvailableArea(std::optional<QRect> area) {
    m_availableArea = area;
    relayout();
}

QRect PreviewWindow::availableArea() const {
    if (m_availableArea)
        return *m_availableArea;
    if (const QScreen* s = screen())
        return s->availableGeometry();
    return QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

QSize PreviewWindow::frameExtent() const {
    // The frame the window manager puts around the client area, known once
    // the window is shown.
    if (const QWindow* handle = windowHandle(); handle && isVisible()) {
        const QMargins m = handle->frameMargins();
        return {m.left() + m.right(), m.top() + m.bottom()};
    }
    return {};
}

PreviewWindow::Layout PreviewWindow::layoutFor(QSize room) const {
    Layout out;
    const int margin = twipsToPixels(kPageLeft);
    const int pageWidth = m_page->width();
    const int pageHeight = m_page->height();
    const int clientWidth = qMax(1, twipsToPixels(m_windowWidth - kDesignFrameWidth));
    const int clientHeight = qMax(1, twipsToPixels(m_windowHeight - kDesignFrameHeight));
    const int descriptionTop = twipsToPixels(m_descriptionTop);
    const int maxWidth = qMax(1, room.width());
    const int maxHeight = qMax(1, room.height());

    // The title: empty, at its designed size; with a notice, as wide as its
    // text allows and as high as its lines, the page below it.
    const int designTitleWidth = twipsToPixels(kTitleWidth);
    int titleWidth = designTitleWidth;
    int titleHeight = twipsToPixels(kTitleHeight);
    if (!m_notice.isEmpty()) {
        const int widest = qMax(designTitleWidth, qMin(clientWidth, maxWidth));
        titleWidth = qBound(designTitleWidth,
                            m_title->fontMetrics().horizontalAdvance(m_notice) + 4, widest);
        titleHeight = m_title->heightForWidth(titleWidth);
    }
    const int pageTop = qMax(twipsToPixels(kPageTop), titleHeight);
    const int shiftDown = pageTop - twipsToPixels(kPageTop);

    // The explanation label spans the client area less the page's margin on
    // either side, and the window keeps it whole: what the window needs in
    // height beyond the page, for a view of this width.
    const auto labelWidthFor = [&](int viewWidth) {
        return qMax(1, clientWidth + (viewWidth - pageWidth) - 2 * margin);
    };
    const auto heightBeyondPage = [&](int viewWidth) {
        const int labelHeight = m_description->heightForWidth(labelWidthFor(viewWidth));
        return shiftDown + qMax(clientHeight, descriptionTop + labelHeight + kBottomMarginPixels) -
               pageHeight;
    };

    // The view: the page whole where the window fits, else as much as fits,
    // with room for the scroll bars it then needs.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_view);
    const int minView = 3 * bar;
    bool across = clientWidth > maxWidth;
    int viewWidth = across ? pageWidth - (clientWidth - maxWidth) : pageWidth;
    int beyond = heightBeyondPage(qMax(minView, viewWidth));
    const bool down = pageHeight + (across ? bar : 0) > maxHeight - beyond;
    if (down && !across) {
        viewWidth = qMin(pageWidth + bar, pageWidth + (maxWidth - clientWidth));
        across = viewWidth < pageWidth + bar;
        beyond = heightBeyondPage(qMax(minView, viewWidth));
    }
    viewWidth = qMax(minView, viewWidth);
    const int viewHeight =
        qMax(minView, down ? maxHeight - beyond : pageHeight + (across ? bar : 0));
    out.view = QRect(margin, pageTop, viewWidth, viewHeight);
    out.across = across;
    out.down = down;
    out.shown = QSize(qMin(pageWidth, viewWidth - (down ? bar : 0)),
                      qMin(pageHeight, viewHeight - (across ? bar : 0)));

    const int labelWidth = labelWidthFor(viewWidth);
    out.description = QRect(margin, descriptionTop + shiftDown + (viewHeight - pageHeight),
                            labelWidth, m_description->heightForWidth(labelWidth));
    const int windowWidth = clientWidth + (viewWidth - pageWidth);
    const int windowHeight = viewHeight + beyond;

    // The title's left is computed relative to the page surface; over a page
    // that does not show whole, it is centred over what shows.
    int titleLeft = margin + int(std::lround(m_titleLeft / kTwipsPerPixel));
    const int shownWidth = viewWidth - (down ? bar : 0);
    if (shownWidth < pageWidth)
        titleLeft = margin + shownWidth / 2 - designTitleWidth / 2;
    if (titleWidth != designTitleWidth) {
        titleLeft += designTitleWidth / 2 - titleWidth / 2;
        titleLeft = qBound(0, titleLeft, qMax(0, windowWidth - titleWidth));
    }
    out.title = QRect(titleLeft, 0, titleWidth, titleHeight);
    out.window = QSize(qMax(1, windowWidth), qMax(1, windowHeight));
    return out;
}

PreviewWindow::Layout PreviewWindow::besideCompanion(QRect& room, QPoint& at) const {
    const QRect area = availableArea();
    const QSize frame = frameExtent();
    const QRect c = m_companion->frameGeometry();
    // The room on each side of the companion, in the order they are tried,
    // and where the window stands in it: level with the companion's top
    // beside it, in line with its left edge above or below it.
    enum Side { Right, Left, Below, Above };
    const QRect rooms[] = {QRect(QPoint(c.right() + 1, area.top()), area.bottomRight()),
                           QRect(area.topLeft(), QPoint(c.left() - 1, area.bottom())),
                           QRect(QPoint(area.left(), c.bottom() + 1), area.bottomRight()),
                           QRect(area.topLeft(), QPoint(area.right(), c.top() - 1))};
    const QSize page = m_page->size();
    const QSize least(qMin(page.width(), kLeastShownPixels),
                      qMin(page.height(), kLeastShownPixels));
    int best = -1;
    qint64 bestShown = 0;
    Layout bestLayout;
    for (int side = Right; side <= Above; ++side) {
        const QRect r = rooms[side].intersected(area);
        if (r.width() <= frame.width() || r.height() <= frame.height())
            continue;
        const Layout layout = layoutFor(r.size() - frame);
        const QSize outer = layout.window + frame;
        if (outer.width() > r.width() || outer.height() > r.height() ||
            layout.shown.width() < least.width() || layout.shown.height() < least.height())
            continue;
        // The first room that shows the page whole, else the one showing most.
        const qint64 shown = qint64(layout.shown.width()) * layout.shown.height();
        const bool whole = !layout.across && !layout.down;
        if (whole || shown > bestShown) {
            best = side;
            bestShown = shown;
            bestLayout = layout;
            if (whole)
                break;
        }
    }
    if (best < 0) {
        // No room beside it: the window goes over the companion, inside the
        // area, as little over it as it can.
        room = area;
        at = QPoint(c.right() + 1, c.top());
        return layoutFor(area.size() - frame);
    }
    room = rooms[best].intersected(area);
    const QSize outer = bestLayout.window + frame;
    switch (best) {
    case Right:
        at = QPoint(room.left(), c.top());
        break;
    case Left:
        at = QPoint(room.right() + 1 - outer.width(), c.top());
        break;
    case Below:
        at = QPoint(c.left(), room.top());
        break;
    default:
        at = QPoint(c.left(), room.bottom() + 1 - outer.height());
        break;
    }
    return bestLayout;
}

void PreviewWindow::relayout() {
    const QSize frame = frameExtent();
    QRect room = availableArea();
    QPoint at = pos();
    Layout layout = layoutFor(room.size() - frame);
    // Beside the window it belongs to: where it would now pass the available
    // area or cover that window, it moves to the room beside it.
    if (isVisible() && m_companion && m_companion->isVisible()) {
        const QRect here(at, layout.window + frame);
        if (!room.contains(here) || here.intersects(m_companion->frameGeometry()))
            layout = besideCompanion(room, at);
    }

    m_view->setGeometry(layout.view);
    m_view->setHorizontalScrollBarPolicy(layout.across ? Qt::ScrollBarAlwaysOn
                                                       : Qt::ScrollBarAlwaysOff);
    m_view->setVerticalScrollBarPolicy(layout.down ? Qt::ScrollBarAlwaysOn
                                                   : Qt::ScrollBarAlwaysOff);
    static_cast<PageView*>(m_view)->layOut();
    m_description->setGeometry(layout.description);
    m_title->setGeometry(layout.title);
    setFixedSize(layout.window);
    if (isVisible())
        moveInto(room, at, layout.window + frame);
}

void PreviewWindow::moveInto(const QRect& room, QPoint at, QSize outer) {
    at.setX(qMax(room.left(), qMin(at.x(), room.right() + 1 - outer.width())));
    at.setY(qMax(room.top(), qMin(at.y(), room.bottom() + 1 - outer.height())));
    if (at != pos())
        move(at);
}

// ---------------------------------------------------------------------------
// The items' display elements

namespace {

ElementKind elementKind(overlay::ItemKind kind) {
    return kind == overlay::ItemKind::Text ? ElementKind::Text : ElementKind::Image;
}

} // namespace

void PreviewWindow::createElement(overlay::ItemKind kind, std::int16_t slot) {
    while (m_page->elementCount(elementKind(kind)) < slot)
        m_page->appendElement(elementKind(kind));
}

void PreviewWindow::destroyElement(overlay::ItemKind kind, std::int16_t slot) {
    const ElementKind element = elementKind(kind);
    if (slot == m_page->elementCount(element))
        m_page->removeLastElement(element);
    if (m_captured.kind == element && m_captured.slot >= slot)
        m_captured = {};
}

void PreviewWindow::showTextElement(std::int16_t slot, const overlay::TextElementLook& look) {
    createElement(overlay::ItemKind::Text, slot);
    m_page->showText(slot, look.text, look.font, look.colour, look.left, look.top);
}

void PreviewWindow::showImageElement(std::int16_t slot, const overlay::ImageElementLook& look) {
    createElement(overlay::ItemKind::Image, slot);
    m_page->showImage(slot, look.image, look.left, look.top, look.width, look.height);
}

void PreviewWindow::moveElement(overlay::ItemKind kind, std::int16_t slot, double left,
                                double top) {
    if (slot >= 1 && slot <= m_page->elementCount(elementKind(kind)))
        m_page->moveElement({elementKind(kind), slot}, left, top);
}

void PreviewWindow::hideElement(overlay::ItemKind kind, std::int16_t slot) {
    if (slot >= 1 && slot <= m_page->elementCount(elementKind(kind)))
        m_page->hideElement({elementKind(kind), slot});
}

// ---------------------------------------------------------------------------
// Popup menus and their commands

void PreviewWindow::buildMenus() {
    const auto menu = [this](const char* name, const QString& title) {
        auto* m = new QMenu(title, this);
        m->setObjectName(QLatin1String(name));
        return m;
    };
    const auto command = [](QMenu* m, const char* name, const QString& caption) {
        QAction* action = m->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    m_menuSinki = menu("MnuPopUpSinki", texts::newMenu());
    connect(command(m_menuSinki, "MnuInsertLabel", texts::insertTextHere()), &QAction::triggered,
            this, [this] { insertOrEdit(true, overlay::ItemKind::Text); });
    connect(command(m_menuSinki, "MneInsertPicture", texts::insertImageHere()), &QAction::triggered,
            this, [this] { insertOrEdit(true, overlay::ItemKind::Image); });

    m_menuLabel = menu("MnuPopUpLabel", texts::textMenu());
    connect(command(m_menuLabel, "MnuEditLabel", texts::editThisText()), &QAction::triggered, this,
            [this] { insertOrEdit(false, overlay::ItemKind::Text); });
    connect(command(m_menuLabel, "MneDeleteLabel", texts::deleteThisText()), &QAction::triggered,
            this, [this] { deleteCurrent(overlay::ItemKind::Text); });

    m_menuImage = menu("MnuPopUpImage", texts::imageMenu());
    connect(command(m_menuImage, "MnuEditImage", texts::editThisImage()), &QAction::triggered, this,
            [this] { insertOrEdit(false, overlay::ItemKind::Image); });
    connect(command(m_menuImage, "MnuDeleteImage", texts::deleteThisImage()), &QAction::triggered,
            this, [this] { deleteCurrent(overlay::ItemKind::Image); });

    for (QMenu* m : {m_menuSinki, m_menuLabel, m_menuImage}) {
        m->addSeparator();
        m->addAction(m_undo);
        m->addAction(m_redo);
    }
}

void PreviewWindow::insertOrEdit(bool insert, overlay::ItemKind kind) {
    ItemTarget target;
    target.kind = kind;
    target.insert = insert;
    target.slot = m_clickedSlot;
    target.clickX = m_clickPoint.x();
    target.clickY = m_clickPoint.y();
    m_dialogs.open(target, this);
}

void PreviewWindow::deleteCurrent(overlay::ItemKind kind) {
    const MsgAnswer answer = m_messages.showMessage(texts::deleteQuestion(), texts::deleteTitle(),
                                                    MsgIcon::Question, MsgButtons::OkCancel);
    if (answer != MsgAnswer::Ok)
        return;
    overlay::deleteItem(m_history, m_items, kind, m_clickedSlot);
}

// ---------------------------------------------------------------------------
// The pointer on the page

bool PreviewWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_page)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        pagePressed(mouse->position(), mouse->button(), mouse->buttons(),
                    mouse->globalPosition().toPoint());
        return true;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        pageMoved(mouse->position(), mouse->buttons());
        return false; // the page surface sets its pointer too
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        pageReleased(mouse->buttons());
        return true;
    }
    default:
        return false;
    }
}

void PreviewWindow::pagePressed(const QPointF& pos, Qt::MouseButton button,
                                Qt::MouseButtons buttons, const QPoint& globalPos) {
    const ElementRef element = m_page->elementAt(pos);
    // The first button pressed decides where the moves go until all are up.
    if (buttons == button)
        m_captured = element;
    if (button != Qt::RightButton || buttons != Qt::RightButton)
        return;
    const QPointF origin = m_page->elementTopLeftTwips(element);
    try {
        const std::int32_t x = num::toInt32(pos.x() * kTwipsPerPixel - origin.x());
        const std::int32_t y = num::toInt32(pos.y() * kTwipsPerPixel - origin.y());
        m_clickedSlot = static_cast<std::int16_t>(element.slot);
        m_clickPoint = QPoint(x, y);
    } catch (const RuntimeError&) {
        return; // a point no position can hold opens nothing
    }
    QMenu* menu = element.kind == ElementKind::Text    ? m_menuLabel
                  : element.kind == ElementKind::Image ? m_menuImage
                                                       : m_menuSinki;
    menu->popup(globalPos);
}

void PreviewWindow::pageMoved(const QPointF& pos, Qt::MouseButtons buttons) {
    const ElementRef element = buttons == Qt::NoButton ? m_page->elementAt(pos) : m_captured;
    if (!element.isItem())
        return; // moves over the page itself do nothing
    if (buttons != Qt::LeftButton) {
        endDrag();
        return;
    }
    dragTo(element, pos);
}

void PreviewWindow::pageReleased(Qt::MouseButtons buttons) {
    if (buttons != Qt::NoButton)
        return;
    // Every drag ends with the button: the next one takes a new grab point
    // even when the pointer leaves the page before it moves again.
    m_captured = {};
    endDrag();
}

void PreviewWindow::endDrag() {
    m_dragging = false;
    const ElementRef dragged = std::exchange(m_dragged, {});
    if (!dragged.isItem())
        return;
    // The whole drag is one step, from where the item stood before it.
    overlay::recordItemMove(m_history, m_items,
                            dragged.kind == ElementKind::Text ? overlay::ItemKind::Text
                                                              : overlay::ItemKind::Image,
                            static_cast<std::int16_t>(dragged.slot), m_dragStart);
}

void PreviewWindow::dragTo(ElementRef element, const QPointF& pos) {
    const overlay::ItemKind kind =
        element.kind == ElementKind::Text ? overlay::ItemKind::Text : overlay::ItemKind::Image;
    const auto slot = static_cast<std::int16_t>(element.slot);
    if (!m_items.exists(kind, slot))
        return;
    if (!m_dragging) {
        endDrag();
        m_dragged = element;
        m_dragStart = kind == overlay::ItemKind::Text
                          ? QPoint(m_items.text(slot).X, m_items.text(slot).Y)
                          : QPoint(m_items.image(slot).X, m_items.image(slot).Y);
    }
    const QPointF origin = m_page->elementTopLeftTwips(element);
    // The pointer relative to the element's corner, preview twips.
    const double x = pos.x() * kTwipsPerPixel - origin.x();
    const double y = pos.y() * kTwipsPerPixel - origin.y();
    std::int16_t offsetX = m_dragOffsetX;
    std::int16_t offsetY = m_dragOffsetY;
    QPointF grab = m_grabPoint;
    bool moved = false;
    try {
        if (!m_dragging) {
            offsetX = num::toInt16(x);
            offsetY = num::toInt16(y);
            grab = QPointF(x, y);
        }
        // The element moves by the pointer's movement alone: it keeps the
        // grab point under the pointer to the fraction of a twip, so the
        // fraction of its preview position survives the drag and only the
        // stored page position is rounded. (Moving it by the whole-twip grab
        // point would shift it by up to half a twip at the first move.)
        moved = m_items.moveFromPreview(kind, slot, origin.x() + x - grab.x(),
                                        origin.y() + y - grab.y());
    } catch (const RuntimeError&) {
        moved = false; // a grab offset beyond 16 bits
    }
    if (!moved) {
        // A position the item cannot hold: the drag stops here, the item
        // stays where it was last stored, until the button is released.
        m_captured = {};
        endDrag();
        return;
    }
    m_dragOffsetX = offsetX;
    m_dragOffsetY = offsetY;
    m_grabPoint = grab;
    m_dragging = true;
}

// ---------------------------------------------------------------------------
// Files dropped on the window

namespace {

// The one local file a drag brings, or "" (several files, or none).
QString draggedFile(const QMimeData* data) {
    // Several would leave open which one counts: one file at a time.
    if (!data || !data->hasUrls() || data->urls().size() != 1 ||
        !data->urls().first().isLocalFile())
        return QString();
    return data->urls().first().toLocalFile();
}

} // namespace

bool PreviewWindow::acceptsDrop(const QMimeData* data, const QPointF& pos, QString* path) const {
    const QString file = draggedFile(data);
    if (file.isEmpty())
        return false;
    if (path)
        *path = file;
    if (isSettingsFilePath(file))
        return true;
    const QPointF onPage = m_page->mapFrom(this, pos);
    return QRectF(m_page->rect()).contains(onPage) && overlay::isPictureFile(file);
}

void PreviewWindow::dragEnterEvent(QDragEnterEvent* event) {
    // A picture is judged where it moves to (the move that follows at once),
    // a settings file is welcome anywhere.
    const QString file = draggedFile(event->mimeData());
    if (!file.isEmpty() && (isSettingsFilePath(file) || overlay::isPictureFile(file)))
        event->acceptProposedAction();
    else
        event->ignore();
}

void PreviewWindow::dragMoveEvent(QDragMoveEvent* event) {
    if (acceptsDrop(event->mimeData(), event->position()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void PreviewWindow::dropEvent(QDropEvent* event) {
    QString path;
    if (!acceptsDrop(event->mimeData(), event->position(), &path)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // What the drop starts asks questions and opens dialogs: it runs once
    // the drop itself has ended, so the program the file came from is not
    // kept waiting for the answer.
    if (isSettingsFilePath(path)) {
        QMetaObject::invokeMethod(
            this, [this, path] { emit settingsFileDropped(path); }, Qt::QueuedConnection);
        return;
    }
    const QPointF onPage = m_page->mapFrom(this, event->position());
    std::int32_t x = 0;
    std::int32_t y = 0;
    try {
        x = num::toInt32(onPage.x() * kTwipsPerPixel);
        y = num::toInt32(onPage.y() * kTwipsPerPixel);
    } catch (const RuntimeError&) {
        return;
    }
    QMetaObject::invokeMethod(
        this,
        [this, path, x, y] {
            ItemTarget target;
            target.kind = overlay::ItemKind::Image;
            target.insert = true;
            target.clickX = x;
            target.clickY = y;
            target.picturePath = path;
            m_dialogs.open(target, this);
        },
        Qt::QueuedConnection);
}

} // namespace pernoa::preview
