#include "preview/previewwindow.h"

#include <QLabel>

#include <cmath>

namespace pernoa::preview {
namespace {

const QString kWindowTitle = QStringLiteral("ぷれびゅ～♪");
const QString kPageTip = QStringLiteral("右クリックで文字と画像が挿入できます。");
const QString kDescription =
    QStringLiteral("右クリックで、文字・画像の挿入が出来ます。　　　現存の文字・画像を右クリック"
                   "で編集が出来ます。テキスト、画像の位置は、ドラッグすることにより、位置を調"
                   "整できます。");

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

} // namespace

PreviewWindow::PreviewWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(kWindowTitle);

    m_page = new PageSurface(this);
    m_page->setObjectName(QStringLiteral("Picture1"));
    m_page->setToolTip(kPageTip);

    m_description = new QLabel(this);
    m_description->setObjectName(QStringLiteral("lblSetumei"));
    m_description->setTextFormat(Qt::PlainText);
    m_description->setWordWrap(true);
    m_description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_description->setText(kDescription);

    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("title"));
    m_title->setTextFormat(Qt::PlainText);
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setFixedSize(twipsToPixels(kTitleWidth), twipsToPixels(kTitleHeight));

    m_page->setWidthTwips(kStartPageWidth);
    m_page->setHeightTwips(kStartPageHeight);
    m_windowWidth = kStartWindowWidth;
    m_windowHeight = kStartWindowHeight;
    m_descriptionTop = kStartDescriptionTop;
    m_titleLeft = float(kStartPageWidth) / 2.0f - float(kTitleWidth) / 2.0f;
    relayout();
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
    return int(std::lround(m_title->width() * TwipsPerPixel));
}

void PreviewWindow::setTitleLeft(float twips) {
    m_titleLeft = twips;
    relayout();
}

void PreviewWindow::showWindow() {
    show();
    raise();
}

void PreviewWindow::placeBeside(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    move(frame.x() + frame.width(), frame.y());
}

void PreviewWindow::relayout() {
    const int margin = twipsToPixels(PageLeft);
    m_page->move(margin, twipsToPixels(PageTop));

    int clientWidth = twipsToPixels(m_windowWidth - DesignFrameWidth);
    int clientHeight = twipsToPixels(m_windowHeight - DesignFrameHeight);

    // The explanation label spans the client area less the page's margin on
    // either side, and the window keeps it whole.
    const int labelWidth = qMax(1, clientWidth - 2 * margin);
    const int labelTop = twipsToPixels(m_descriptionTop);
    const int labelHeight = m_description->heightForWidth(labelWidth);
    m_description->setGeometry(margin, labelTop, labelWidth, labelHeight);
    clientHeight = qMax(clientHeight, labelTop + labelHeight + kBottomMarginPixels);

    // The title's left is computed relative to the page surface.
    m_title->move(margin + int(std::lround(m_titleLeft / TwipsPerPixel)), 0);

    setFixedSize(qMax(1, clientWidth), qMax(1, clientHeight));
}

} // namespace pernoa::preview
