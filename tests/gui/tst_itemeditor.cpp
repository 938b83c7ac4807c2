// The preview window as the editor of the page's items: the elements it
// shows, the right-click popups and their commands, dragging, deleting.

#include "preview/pagesurface.h"
#include "previewrig.h"

#include <QFontMetricsF>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

using namespace pernoa;
using namespace pernoa::overlay;
using pernoa::preview::ElementKind;
using pernoa::preview::PreviewWindow;

namespace {

struct Rig : test::PreviewRig {
    Rig() {
        window.setSurfaceWidth(3969);
        window.setSurfaceHeight(5613);
    }

    // Page positions that are whole pixels at divisor 3: multiples of 45.
    std::int16_t addText(const QString& text, int x, int y) {
        OverlayText item;
        item.Text = text;
        item.X = x;
        item.Y = y;
        item.InUse = true;
        return items.add(item);
    }
    std::int16_t addImage(int x, int y, QColor colour = Qt::red) {
        OverlayImage item;
        item.X = x;
        item.Y = y;
        item.Picture.image = QImage(40, 30, QImage::Format_RGB32);
        item.Picture.image.fill(colour);
        item.Picture.WidthHimetric = 4000;
        item.Picture.HeightHimetric = 3000;
        item.ImageSizePer = 25; // 1000 x 750 page twips: 333.3 x 250 preview twips
        item.InUse = true;
        return items.add(item);
    }

    void mouse(QEvent::Type type, QPointF pos, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QWidget* page = window.page();
        QMouseEvent event(type, pos, page->mapToGlobal(pos), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(page, &event);
    }
    void move(QPointF pos, Qt::MouseButtons buttons) {
        mouse(QEvent::MouseMove, pos, Qt::NoButton, buttons);
    }
    QString openMenu() const {
        for (QMenu* menu : window.findChildren<QMenu*>())
            if (menu->isVisible())
                return menu->objectName();
        return {};
    }
    void closeMenus() {
        for (QMenu* menu : window.findChildren<QMenu*>())
            menu->hide();
    }
    // A right click whose popup is closed again: its commands act on what
    // the click found.
    void rightClick(QPointF pos) {
        mouse(QEvent::MouseButtonPress, pos, Qt::RightButton, Qt::RightButton);
        mouse(QEvent::MouseButtonRelease, pos, Qt::RightButton, Qt::NoButton);
        closeMenus();
    }
};

} // namespace

class ItemEditorTest : public QObject {
    Q_OBJECT
private slots:
    void rightClick_data();
    void rightClick();
    void commands_data();
    void commands();
    void dragging_data();
    void dragging();
    void dragKeepsTheFraction_data();
    void dragKeepsTheFraction();
    void dragPastWhatAPositionHoldsStops();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void elementsUnderThePointer();
    void itemPointer();
    void textIsShownAsTyped();
    void longLineReachesThePageEdge();
    void scrolledPageKeepsPositions();
};

// Text 3 at page (2700, 1350): pixels (60, 30). Image 1 at page (9000, 4500):
// pixels (200, 100), 22.2 x 16.7 pixels.
void ItemEditorTest::rightClick_data() {
    QTest::addColumn<QPointF>("pos");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("clickX");
    QTest::addColumn<int>("clickY");
    const int right = Qt::RightButton;
    // 2.5 pixels are 37.5 twips (to 38), 3.5 pixels 52.5 (to 52). The first
    // right click of each row finds image 1 at (7, 7) pixels from its corner.
    QTest::newRow("page") << QPointF(2.5, 3.5) << right << "MnuPopUpSinki" << 0 << 38 << 52;
    QTest::newRow("text 3") << QPointF(62.5, 33.5) << right << "MnuPopUpLabel" << 3 << 38 << 52;
    QTest::newRow("image 1") << QPointF(202.5, 103.5) << right << "MnuPopUpImage" << 1 << 38 << 52;
    QTest::newRow("right with left")
        << QPointF(62.5, 33.5) << int(Qt::RightButton | Qt::LeftButton) << "" << 1 << 105 << 105;
}

void ItemEditorTest::rightClick() {
    QFETCH(QPointF, pos);
    QFETCH(int, buttons);
    QFETCH(QString, menu);
    QFETCH(int, index);
    QFETCH(int, clickX);
    QFETCH(int, clickY);
    Rig r;
    r.window.show();
    r.addText(QStringLiteral("one"), 0, 4500);
    r.addText(QStringLiteral("two"), 0, 9000);
    r.addText(QStringLiteral("three"), 2700, 1350);
    r.addImage(9000, 4500);
    r.rightClick(QPointF(207, 107));
    r.mouse(QEvent::MouseButtonPress, pos, Qt::RightButton, Qt::MouseButtons(buttons));
    QCOMPARE(r.openMenu(), menu);
    QCOMPARE(int(r.window.clickedSlot()), index);
    QCOMPARE(r.window.clickPoint(), QPoint(clickX, clickY));
    r.closeMenus();
}

void ItemEditorTest::commands_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("text");
    QTest::addColumn<bool>("insert");
    QTest::newRow("insert text") << "MnuPopUpSinki"
                                 << "MnuInsertLabel"
                                 << "この位置に文字を挿入" << true << true;
    QTest::newRow("insert image") << "MnuPopUpSinki"
                                  << "MneInsertPicture"
                                  << "この位置に画像を挿入" << false << true;
    QTest::newRow("edit text") << "MnuPopUpLabel"
                               << "MnuEditLabel"
                               << "この文字を編集" << true << false;
    QTest::newRow("edit image") << "MnuPopUpImage"
                                << "MnuEditImage"
                                << "この画像を編集" << false << false;
}

void ItemEditorTest::commands() {
    QFETCH(QString, menu);
    QFETCH(QString, command);
    QFETCH(QString, caption);
    QFETCH(bool, text);
    QFETCH(bool, insert);
    Rig r;
    const auto slot = text ? r.addText(QStringLiteral("x"), 450, 450) : r.addImage(450, 450);
    // Right-clicked at (2, 3) pixels: on the item, or beside it on the page.
    r.rightClick(insert ? QPointF(2, 3) : QPointF(12, 13));
    auto* action = r.window.findChild<QMenu*>(menu)->findChild<QAction*>(command);
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    action->trigger();
    QCOMPARE(r.dialogs.opened.size(), 1);
    const preview::ItemTarget& target = r.dialogs.opened[0];
    QCOMPARE(target.kind, text ? ItemKind::Text : ItemKind::Image);
    QCOMPARE(target.insert, insert);
    QCOMPARE(int(target.slot), insert ? 0 : int(slot));
    QCOMPARE(QPoint(target.clickX, target.clickY), QPoint(30, 45));
}

// Drags of text 1 at preview left 100 twips (page 300, divisor 3) and top 0:
// press, a first move (the grab point), a second move by (dx, dy) pixels.
void ItemEditorTest::dragging_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QPointF>("grab");
    QTest::addColumn<QPointF>("delta");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    // 50.2 twips right: left 150.2, X 450.6 rounded to 451.
    QTest::newRow("text right") << "text" << QPointF(8, 5) << QPointF(50.2 / 15, 0) << 451 << 0;
    QTest::newRow("text past the left edge")
        << "text" << QPointF(8, 5) << QPointF(-20, 4) << 300 - 900 << 180;
    QTest::newRow("image down") << "image" << QPointF(8, 5) << QPointF(0, 10) << 300 << 450;
}

void ItemEditorTest::dragging() {
    QFETCH(QString, kind);
    QFETCH(QPointF, grab);
    QFETCH(QPointF, delta);
    QFETCH(int, x);
    QFETCH(int, y);
    Rig r;
    const bool text = kind == QLatin1String("text");
    const std::int16_t slot =
        text ? r.addText(QStringLiteral("drag me"), 300, 0) : r.addImage(300, 0);
    const auto stored = [&] {
        return text ? QPoint(r.items.text(slot).X, r.items.text(slot).Y)
                    : QPoint(r.items.image(slot).X, r.items.image(slot).Y);
    };
    const QPointF corner(100.0 / 15, 0);

    // A press without a move changes nothing; the first move takes the grab
    // point and leaves the item where it is.
    r.mouse(QEvent::MouseButtonPress, corner + grab, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(stored(), QPoint(300, 0));
    r.move(corner + grab + QPointF(1, 1), Qt::LeftButton);
    QVERIFY(r.window.dragging());
    QCOMPARE(r.window.dragOffsetX(), std::int16_t((grab.x() + 1) * 15));
    QCOMPARE(r.window.dragOffsetY(), std::int16_t((grab.y() + 1) * 15));
    QCOMPARE(stored(), QPoint(300, 0));
    r.move(corner + grab + QPointF(1, 1) + delta, Qt::LeftButton);
    QCOMPARE(stored(), QPoint(x, y));

    // Released: a new drag grabs the element where the pointer now is, so it
    // does not jump, even with no move in between.
    r.mouse(QEvent::MouseButtonRelease, corner + grab + delta, Qt::LeftButton, Qt::NoButton);
    QVERIFY(!r.window.dragging());
    const QPointF corner2 = r.window.page()->elementTopLeftTwips(
                                {text ? ElementKind::Text : ElementKind::Image, slot}) /
                            15;
    r.mouse(QEvent::MouseButtonPress, corner2 + QPointF(2, 2), Qt::LeftButton, Qt::LeftButton);
    r.move(corner2 + QPointF(3, 3), Qt::LeftButton);
    QVERIFY(qAbs(stored().x() - x) <= 2 && qAbs(stored().y() - y) <= 2);
    r.mouse(QEvent::MouseButtonRelease, corner2, Qt::LeftButton, Qt::NoButton);

    // A drag that starts on the empty page moves nothing.
    const QPoint before = stored();
    r.mouse(QEvent::MouseButtonPress, QPointF(250, 350), Qt::LeftButton, Qt::LeftButton);
    r.move(corner2 + QPointF(3, 3), Qt::LeftButton);
    r.move(QPointF(1, 1), Qt::LeftButton);
    QCOMPARE(stored(), before);
    QVERIFY(!r.window.dragging());
}

// Items whose preview position has a fraction of a twip: a drag moves them
// by whole pixels and stores exactly the moved position, rounded once; a drag
// back restores the stored position.
void ItemEditorTest::dragKeepsTheFraction_data() {
    QTest::addColumn<int>("divisor");
    QTest::addColumn<bool>("text");
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("pixels");
    QTest::addColumn<QPoint>("moved");
    // 1380.33 + 15 preview twips, times 3: 4186; 735.33 stays 735.33: 2206.
    QTest::newRow("text, small, 1 px right")
        << 3 << true << QPoint(4141, 2206) << QPoint(1, 0) << QPoint(4186, 2206);
    // 3802.5 + 150 preview twips, times 2: 7905.
    QTest::newRow("image, large, 10 px down")
        << 2 << false << QPoint(1001, 7605) << QPoint(0, 10) << QPoint(1001, 7905);
}

void ItemEditorTest::dragKeepsTheFraction() {
    QFETCH(int, divisor);
    QFETCH(bool, text);
    QFETCH(QPoint, start);
    QFETCH(QPoint, pixels);
    QFETCH(QPoint, moved);
    Rig r;
    r.settings.HyojiSize = std::int16_t(divisor);
    const std::int16_t slot = text ? r.addText(QStringLiteral("drag me"), start.x(), start.y())
                                   : r.addImage(start.x(), start.y());
    const ElementKind kind = text ? ElementKind::Text : ElementKind::Image;
    const auto stored = [&] {
        return text ? QPoint(r.items.text(slot).X, r.items.text(slot).Y)
                    : QPoint(r.items.image(slot).X, r.items.image(slot).Y);
    };
    const auto drag = [&](QPointF by) {
        // The pointer stands on whole pixels, the element between them.
        const QPointF at =
            (r.window.page()->elementTopLeftTwips({kind, slot}) / 15).toPoint() + QPoint(3, 3);
        r.mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        r.move(at, Qt::LeftButton);
        r.move(at + by, Qt::LeftButton);
        r.mouse(QEvent::MouseButtonRelease, at + by, Qt::LeftButton, Qt::NoButton);
    };
    drag(pixels);
    QCOMPARE(stored(), moved);
    drag(-QPointF(pixels));
    QCOMPARE(stored(), start);
}

void ItemEditorTest::dragPastWhatAPositionHoldsStops() {
    Rig r;
    const auto slot = r.addText(QStringLiteral("far"), 0, 0);
    r.mouse(QEvent::MouseButtonPress, QPointF(2, 2), Qt::LeftButton, Qt::LeftButton);
    // The first move lands 3,000 pixels away: a grab point of 45,000 twips
    // does not fit its 16 bits. The drag stops; nothing escapes the handler.
    r.move(QPointF(3000, 2), Qt::LeftButton);
    QVERIFY(!r.window.dragging());
    r.move(QPointF(4, 4), Qt::LeftButton);
    QVERIFY(!r.window.dragging());
    QCOMPARE(r.items.text(slot).X, 0);
    QCOMPARE(r.window.page()->elementTopLeftTwips({ElementKind::Text, slot}), QPointF(0, 0));
}

void ItemEditorTest::deleteAsksFirst_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("text");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("kept");
    QTest::newRow("text, cancel") << "MneDeleteLabel" << true << int(MsgAnswer::Cancel) << true;
    QTest::newRow("text, OK") << "MneDeleteLabel" << true << int(MsgAnswer::Ok) << false;
    QTest::newRow("image, cancel") << "MnuDeleteImage" << false << int(MsgAnswer::Cancel) << true;
    QTest::newRow("image, OK") << "MnuDeleteImage" << false << int(MsgAnswer::Ok) << false;
}

void ItemEditorTest::deleteAsksFirst() {
    QFETCH(QString, command);
    QFETCH(bool, text);
    QFETCH(int, answer);
    QFETCH(bool, kept);
    Rig r;
    r.addText(QStringLiteral("a"), 0, 0);
    r.addText(QStringLiteral("b"), 450, 450);
    r.addImage(900, 900);
    r.addImage(1800, 1800);
    // On text 2 at (10, 10) pixels, or on image 2 at (40, 40).
    r.rightClick(text ? QPointF(11, 11) : QPointF(41, 41));
    r.messages.answers = {MsgAnswer(answer)};
    r.window.findChild<QAction*>(command)->trigger();

    QCOMPARE(r.messages.shown.size(), 1);
    QCOMPARE(r.messages.shown[0].text, QStringLiteral("本当に削除しますか？"));
    QCOMPARE(r.messages.shown[0].title, QStringLiteral("削除確認"));
    QCOMPARE(r.messages.shown[0].icon, MsgIcon::Question);
    QCOMPARE(r.messages.shown[0].buttons, MsgButtons::OkCancel);
    const bool inUse = r.items.inUse(text ? ItemKind::Text : ItemKind::Image, 2);
    const bool visible =
        text ? r.window.page()->textElement(2).visible : r.window.page()->imageElement(2).visible;
    QCOMPARE(inUse, kept);
    QCOMPARE(visible, kept);
    // The other kind's slot 2 is untouched, and so is slot 1.
    QVERIFY(r.items.inUse(ItemKind::Text, 1) && r.items.inUse(ItemKind::Image, 1));
    QVERIFY(r.items.inUse(text ? ItemKind::Image : ItemKind::Text, 2));
}

void ItemEditorTest::elementsUnderThePointer() {
    Rig r;
    r.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&r.window));
    // A text and an image with the same corner (pixels 60, 30): the image
    // lies on top. A second image over the first one wins in turn.
    r.addText(QStringLiteral("MMMMMMMMMMMM\r\nMMMMMMMMMMMM"), 2700, 1350);
    r.addImage(2700, 1350, Qt::red);
    r.addImage(2700 + 450, 1350, Qt::blue);
    auto* page = r.window.page();
    const QImage shot = page->grab().toImage();
    QCOMPARE(page->elementAt({65, 35}), (preview::ElementRef{ElementKind::Image, 1}));
    QCOMPARE(shot.pixelColor(65, 35), QColor(Qt::red));
    QCOMPARE(page->elementAt({75, 35}), (preview::ElementRef{ElementKind::Image, 2}));
    QCOMPARE(shot.pixelColor(75, 35), QColor(Qt::blue));
    QCOMPARE(page->elementAt({61, 48}).kind, ElementKind::Text); // below the images
    QCOMPARE(page->elementAt({55, 35}).kind, ElementKind::None);
    // Image 1 stretched to 333.3 x 250 preview twips: 22.2 x 16.7 pixels.
    QCOMPARE(page->imageElement(1).rect(), QRectF(60, 30, 1000.0 / 45, 250.0 / 15));

    QCOMPARE(page->toolTipAt({65, 35}),
             QStringLiteral("右クリックでこの画像を編集・削除できます。"));
    QCOMPARE(page->toolTipAt({61, 48}),
             QStringLiteral("右クリックでこの文字を編集・削除できます。"));
    QCOMPARE(page->toolTipAt({55, 35}), QStringLiteral("右クリックで文字と画像が挿入できます。"));

    // Deleted items let the pointer through; clearing removes every element.
    r.items.remove(ItemKind::Image, 1);
    QCOMPARE(page->elementAt({65, 35}).kind, ElementKind::Text);
    QVERIFY(r.items.removeAll());
    QCOMPARE(page->elementCount(ElementKind::Text), 0);
    QCOMPARE(page->elementCount(ElementKind::Image), 0);
    QCOMPARE(page->elementAt({65, 35}).kind, ElementKind::None);
}

void ItemEditorTest::itemPointer() {
    // Also run on a screen of two device pixels to a pixel, where a pointer
    // of 32 x 32 device pixels would be scaled up and blurred.
    Rig r;
    r.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&r.window));
    r.addImage(2700, 1350);
    auto* page = r.window.page();
    const qreal ratio = page->devicePixelRatioF();
    const int scale = qEnvironmentVariableIntValue("QT_SCALE_FACTOR");
    QCOMPARE(ratio, scale ? qreal(scale) : 1.0);

    // 32 x 32 with its hot spot at the tip, over items only.
    r.move({65, 35}, Qt::NoButton);
    QCOMPARE(page->cursor().shape(), Qt::BitmapCursor);
    const QPixmap pointer = page->cursor().pixmap();
    QCOMPARE(pointer.devicePixelRatio(), ratio);
    QCOMPARE(pointer.deviceIndependentSize(), QSizeF(32, 32));
    QCOMPARE(page->cursor().hotSpot(), QPoint(0, 0));
    r.move({55, 35}, Qt::NoButton);
    QCOMPARE(page->cursor().shape(), Qt::ArrowCursor);
}

void ItemEditorTest::textIsShownAsTyped() {
    Rig r;
    const QString typed = QStringLiteral("<b>x</b>\r\n<img src=\"a.png\">&amp;");
    const auto slot = r.addText(typed, 0, 0);
    const auto& element = r.window.page()->textElement(slot);
    QCOMPARE(element.lines,
             (QStringList{QStringLiteral("<b>x</b>"), QStringLiteral("<img src=\"a.png\">&amp;")}));
    // Sized to the typed characters of its longest line, two lines high.
    const QFontMetricsF metrics(element.font, r.window.page());
    QCOMPARE(element.size.width(), metrics.horizontalAdvance(element.lines[1]));
    QCOMPARE(element.size.height(), metrics.lineSpacing() + metrics.height());
    // At divisor 3 the 20-point default shows at 6.67 points, 20 / 3 of the
    // paper's 20 twips a point.
    QCOMPARE(element.font.pointSizeF() * r.window.page()->logicalDpiY() / 96.0, 20.0 / 3);
}

// A line far wider than the page is measured and painted only as far as the
// page shows it, from wherever the item stands.
void ItemEditorTest::longLineReachesThePageEdge() {
    Rig r;
    const auto slot = r.addText(QString(1000000, u'a'), 450, 450);
    preview::PageSurface* page = r.window.page();
    const auto& element = page->textElement(slot);
    const double pageRight = page->width();
    for (int x : {450, -450000}) {
        r.items.move(ItemKind::Text, slot, x, 450);
        const QRectF shown = element.rect();
        QVERIFY2(shown.right() > pageRight && shown.right() < 20 * pageRight,
                 qPrintable(QString::number(shown.right())));
        const QImage painted = page->grab().toImage();
        bool inkAtTheEdge = false;
        for (int px = int(pageRight) - 10; px < int(pageRight); ++px)
            for (int py = int(shown.top()); py < int(shown.bottom()); ++py)
                inkAtTheEdge = inkAtTheEdge || painted.pixelColor(px, py) != Qt::white;
        QVERIFY(inkAtTheEdge);
    }
}

// A page larger than the screen scrolls; clicks through the window still find
// their page positions and elements.
void ItemEditorTest::scrolledPageKeepsPositions() {
    Rig r;
    r.window.setAvailableArea(QRect(0, 0, 220, 300));
    r.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&r.window));
    QScrollArea* view = r.window.pageView();
    view->horizontalScrollBar()->setValue(60);
    view->verticalScrollBar()->setValue(150);
    const QPoint scroll(view->horizontalScrollBar()->value(), view->verticalScrollBar()->value());
    QVERIFY(scroll.x() > 0 && scroll.y() > 0);
    const QPoint viewAt = view->geometry().topLeft();
    // Text 1 at page pixels (80, 180): page twips 3600, 8100 at divisor 3.
    r.addText(QStringLiteral("one"), 80 * 45, 180 * 45);

    const struct {
        QPoint pagePixel;
        const char* menu;
        int index;
        int clickX, clickY;
    } clicks[] = {
        {{70, 175}, "MnuPopUpSinki", 0, 70 * 15, 175 * 15},
        {{82, 183}, "MnuPopUpLabel", 1, 2 * 15, 3 * 15},
    };
    for (const auto& c : clicks) {
        const QPoint inWindow = c.pagePixel - scroll + viewAt;
        QTest::mousePress(r.window.windowHandle(), Qt::RightButton, {}, inWindow);
        QCOMPARE(r.openMenu(), QString::fromLatin1(c.menu));
        QCOMPARE(int(r.window.clickedSlot()), c.index);
        QCOMPARE(r.window.clickPoint(), QPoint(c.clickX, c.clickY));
        r.closeMenus();
        QTest::mouseRelease(r.window.windowHandle(), Qt::RightButton, {}, inWindow);
    }
}

QTEST_MAIN(ItemEditorTest)
#include "tst_itemeditor.moc"
