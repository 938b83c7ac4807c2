// The preview window on its own: the page surface's painting, its sizes in
// twips and pixels, the labels around the page, hiding and showing.

#include "preview/previewwindow.h"
#include "previewrig.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QTest>

using pernoa::preview::PageSurface;
using pernoa::preview::PreviewWindow;
using pernoa::preview::twipsToPixels;

namespace {

// The page surface's place in the window's client area.
QRect pageInWindow(PreviewWindow& window) {
    return {window.page()->mapTo(&window, QPoint(0, 0)), window.page()->size()};
}

// The page-size routines' calls for a picture, in twips.
void sizeFor(PreviewWindow& window, int pictureWidth, int pictureHeight, int windowWidth,
             int windowHeight) {
    window.setSurfaceHeight(pictureHeight);
    window.setSurfaceWidth(pictureWidth);
    window.setWindowHeight(windowHeight);
    window.setWindowWidth(windowWidth);
    window.setDescriptionTop(pictureHeight + 267);
    window.setTitleLeft(float(pictureWidth) / 2.0f - float(window.titleWidth()) / 2.0f);
}

QImage pageImage(PreviewWindow& window) {
    return window.page()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The rows of an image column that are not white.
QList<int> inkRows(const QImage& image, int x) {
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y)
        if (image.pixel(x, y) != qRgb(255, 255, 255))
            rows << y;
    return rows;
}

} // namespace

class PreviewWindowTest : public QObject {
    Q_OBJECT
private slots:
    void windowKindAndTexts();
    void linesArePaintedCrispInTheirColour();
    void clearRemovesEveryLine();
    void sizes_data();
    void sizes();
    void closingOnlyHides();
    void placedBesideAnotherWindow();
    void fitsTheAvailableArea_data();
    void fitsTheAvailableArea();
    void noticeInTheTitle();
};

void PreviewWindowTest::windowKindAndTexts() {
    pernoa::test::PreviewRig rig;
    PreviewWindow& window = rig.window;
    QCOMPARE(window.objectName(), QStringLiteral("Form2"));
    QCOMPARE(window.windowTitle(), QStringLiteral("ぷれびゅ～♪"));
    QVERIFY(window.windowFlags().testFlag(Qt::Tool));
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(window.minimumSize(), window.maximumSize());

    QCOMPARE(window.page()->objectName(), QStringLiteral("Picture1"));
    QCOMPARE(window.page()->toolTip(), QStringLiteral("右クリックで文字と画像が挿入できます。"));
    auto* description = window.findChild<QLabel*>(QStringLiteral("lblSetumei"));
    QVERIFY(description);
    QCOMPARE(
        description->text(),
        QStringLiteral("右クリックで、文字・画像の挿入が出来ます。") + QString(3, QChar(0x3000)) +
            QStringLiteral("現存の文字・画像を右クリックで編集が出来ます。テキスト、画像の位置は、"
                           "ドラッグすることにより、位置を調整できます。"));
    auto* title = window.findChild<QLabel*>(QStringLiteral("title"));
    QVERIFY(title);
    QVERIFY(title->text().isEmpty());
    for (QLabel* label : window.findChildren<QLabel*>())
        QCOMPARE(label->textFormat(), Qt::PlainText);
}

void PreviewWindowTest::linesArePaintedCrispInTheirColour() {
    pernoa::test::PreviewRig rig;
    PreviewWindow& window = rig.window;
    window.setSurfaceWidth(3000);
    window.setSurfaceHeight(1500);
    window.setUnitTwips();
    // Twips: 15 to a pixel. A black line at y 300 (pixel 20), a grey one at
    // y 907.5 (pixel 60.5), both from x 150 to 2850 (pixels 10 to 190).
    window.drawLine(150, 300, 2850, 300, QColor(0, 0, 0));
    window.drawLine(150, 907.5f, 2850, 907.5f, QColor(128, 128, 128));
    QCOMPARE(window.page()->lines().size(), std::size_t(2));

    const QImage image = pageImage(window);
    QCOMPARE(image.size(), QSize(200, 100));
    const QList<int> rows = inkRows(image, 100);
    QCOMPARE(rows.size(), 2); // one device pixel each
    QVERIFY(qAbs(rows[0] - 20) <= 1);
    QVERIFY(qAbs(rows[1] - 60) <= 1);
    QCOMPARE(image.pixel(100, rows[0]), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(100, rows[1]), qRgb(128, 128, 128));

    // No smoothing: every pixel is white or exactly a line's colour, and the
    // lines stop at their ends.
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    QCOMPARE(colours, (QSet<QRgb>{qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(128, 128, 128)}));
    QVERIFY(inkRows(image, 5).isEmpty());
    QVERIFY(inkRows(image, 195).isEmpty());
}

void PreviewWindowTest::clearRemovesEveryLine() {
    pernoa::test::PreviewRig rig;
    PreviewWindow& window = rig.window;
    window.drawLine(0, 150, 3969, 150, Qt::black);
    window.clear();
    QVERIFY(window.page()->lines().empty());
    const QImage image = pageImage(window);
    for (int x : {0, 100, image.width() - 1})
        QVERIFY(inkRows(image, x).isEmpty());
}

// Picture and window sizes in twips as the page-size routines hand them over.
void PreviewWindowTest::sizes_data() {
    QTest::addColumn<int>("pictureWidth");
    QTest::addColumn<int>("pictureHeight");
    QTest::addColumn<int>("windowWidth");
    QTest::addColumn<int>("windowHeight");
    QTest::newRow("A4 portrait small") << 3969 << 5613 << 4320 << 7155;
    QTest::newRow("A3 landscape large") << 11907 << 8420 << 12258 << 9962;
    QTest::newRow("A5 landscape small") << 3969 << 2807 << 4320 << 4349;
    QTest::newRow("A5 portrait small") << 2807 << 3969 << 3158 << 5511;
}

void PreviewWindowTest::sizes() {
    QFETCH(int, pictureWidth);
    QFETCH(int, pictureHeight);
    QFETCH(int, windowWidth);
    QFETCH(int, windowHeight);
    pernoa::test::PreviewRig rig;
    PreviewWindow& window = rig.window;
    window.setAvailableArea(QRect(0, 0, 4000, 3000));
    sizeFor(window, pictureWidth, pictureHeight, windowWidth, windowHeight);

    QCOMPARE(window.page()->widthTwips(), pictureWidth);
    QCOMPARE(window.page()->heightTwips(), pictureHeight);
    QCOMPARE(window.windowWidthTwips(), windowWidth);
    QCOMPARE(window.windowHeightTwips(), windowHeight);

    // The page at 120, 120 twips, its size in whole pixels.
    const QRect page = pageInWindow(window);
    QCOMPARE(page, QRect(8, 8, twipsToPixels(pictureWidth), twipsToPixels(pictureHeight)));
    // The client area is the outer size less the frame it was designed with.
    QCOMPARE(window.width(), twipsToPixels(windowWidth - PreviewWindow::kDesignFrameWidth));
    QVERIFY(window.height() >= twipsToPixels(windowHeight - PreviewWindow::kDesignFrameHeight));
    QVERIFY(page.right() < window.width() - 1);

    // The explanation below the page, whole and inside the window.
    auto* description = window.findChild<QLabel*>(QStringLiteral("lblSetumei"));
    const QRect text = description->geometry();
    QCOMPARE(text.top(), twipsToPixels(pictureHeight + 267));
    QVERIFY(text.top() > page.bottom());
    QCOMPARE(text.left(), page.left());
    QVERIFY(text.right() < window.width());
    QVERIFY(text.height() >= description->heightForWidth(text.width()));
    QVERIFY(text.bottom() < window.height());

    // The title centred over the page.
    auto* title = window.findChild<QLabel*>(QStringLiteral("title"));
    QVERIFY(qAbs(title->geometry().center().x() - page.center().x()) <= 1);
}

void PreviewWindowTest::closingOnlyHides() {
    pernoa::test::PreviewRig rig;
    PreviewWindow& window = rig.window;
    window.showWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.drawLine(0, 150, 3969, 150, Qt::black);
    QVERIFY(window.close());
    QVERIFY(!window.isVisible());
    QCOMPARE(window.page()->lines().size(), std::size_t(1));
    window.showWindow();
    QVERIFY(window.isVisible());
    QCOMPARE(window.page()->lines().size(), std::size_t(1));
}

void PreviewWindowTest::placedBesideAnotherWindow() {
    QWidget other;
    other.setGeometry(100, 50, 300, 200);
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    pernoa::test::PreviewRig rig;
    PreviewWindow& window = rig.window;
    window.show();
    window.placeBeside(other);
    const QRect frame = other.frameGeometry();
    QCOMPARE(window.frameGeometry().topLeft(), QPoint(frame.x() + frame.width(), frame.y()));
}

// Picture and window sizes as in sizes(), on screens of several sizes.
void PreviewWindowTest::fitsTheAvailableArea_data() {
    QTest::addColumn<QSize>("area");
    QTest::addColumn<int>("pictureWidth");
    QTest::addColumn<int>("pictureHeight");
    QTest::addColumn<int>("windowWidth");
    QTest::addColumn<int>("windowHeight");
    QTest::addColumn<bool>("whole");
    QTest::newRow("A4 small, large screen")
        << QSize(1920, 1080) << 3969 << 5613 << 4320 << 7155 << true;
    QTest::newRow("A3 portrait large, 1366 x 768")
        << QSize(1366, 768) << 8420 << 11907 << 8771 << 13449 << false;
    QTest::newRow("A3 landscape large, 800 x 600")
        << QSize(800, 600) << 11907 << 8420 << 12258 << 9962 << false;
    QTest::newRow("A4 small, too low") << QSize(1024, 400) << 3969 << 5613 << 4320 << 7155 << false;
    QTest::newRow("A3 landscape large, too narrow")
        << QSize(640, 1080) << 11907 << 8420 << 12258 << 9962 << false;
}

void PreviewWindowTest::fitsTheAvailableArea() {
    QFETCH(QSize, area);
    QFETCH(int, pictureWidth);
    QFETCH(int, pictureHeight);
    QFETCH(int, windowWidth);
    QFETCH(int, windowHeight);
    QFETCH(bool, whole);
    const QRect available(QPoint(30, 20), area);
    pernoa::test::PreviewRig rig;
    PreviewWindow& window = rig.window;
    window.setAvailableArea(available);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    sizeFor(window, pictureWidth, pictureHeight, windowWidth, windowHeight);
    // Placed beside a window at the area's right edge, it stays inside.
    QWidget other;
    other.setGeometry(available.right() - 100, available.bottom() - 100, 90, 90);
    window.placeBeside(other);
    QVERIFY(available.contains(window.frameGeometry()));

    // The page keeps its size; the view shows it whole or scrolls.
    QCOMPARE(window.page()->widthTwips(), pictureWidth);
    QCOMPARE(window.page()->size(),
             QSize(twipsToPixels(pictureWidth), twipsToPixels(pictureHeight)));
    QScrollArea* view = window.pageView();
    const QSize shown = view->viewport()->size();
    QCOMPARE(shown == window.page()->size(), whole);
    QCOMPARE(view->horizontalScrollBar()->maximum(), window.page()->width() - shown.width());
    QCOMPARE(view->verticalScrollBar()->maximum(), window.page()->height() - shown.height());
    if (whole) {
        QCOMPARE(window.width(), twipsToPixels(windowWidth - PreviewWindow::kDesignFrameWidth));
        QCOMPARE(pageInWindow(window).topLeft(), QPoint(8, 8));
    }
    // The explanation whole, just below the view, inside the window.
    auto* description = window.findChild<QLabel*>(QStringLiteral("lblSetumei"));
    const QRect text = description->geometry();
    QCOMPARE(text.top() - view->geometry().bottom(),
             twipsToPixels(pictureHeight + 267) - (7 + twipsToPixels(pictureHeight)));
    QVERIFY(text.height() >= description->heightForWidth(text.width()));
    QVERIFY(text.bottom() < window.height());
    QVERIFY(view->geometry().right() < window.width());
}

void PreviewWindowTest::noticeInTheTitle() {
    pernoa::test::PreviewRig rig;
    PreviewWindow& window = rig.window;
    window.setAvailableArea(QRect(0, 0, 1920, 1080));
    sizeFor(window, 3969, 5613, 4320, 7155);
    const QSize plain = window.size();
    auto* title = window.findChild<QLabel*>(QStringLiteral("title"));
    const QString notice = QStringLiteral("五線が重なっています　五線が印刷できない範囲にあります");
    window.setNotice(notice);
    QCOMPARE(title->text(), notice);
    QVERIFY(title->height() >= title->heightForWidth(title->width()));
    const QRect page = pageInWindow(window);
    QVERIFY(qAbs(title->geometry().center().x() - page.center().x()) <= 1);
    QVERIFY(title->geometry().bottom() < page.top());
    QCOMPARE(window.height() - plain.height(), page.top() - 8);

    window.setNotice(QString());
    QCOMPARE(title->text(), QString());
    QCOMPARE(pageInWindow(window).topLeft(), QPoint(8, 8));
    QCOMPARE(window.size(), plain);
}

QTEST_MAIN(PreviewWindowTest)
#include "tst_previewwindow.moc"
