#include "preview/itemdialogbase.h"

#include "engine/numberrules.h"
#include "preview/pagesurface.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace pernoa::preview {

namespace {

// A push button whose wish is its designed size, or its caption with the
// style's margins where that is larger (the style's own wish is far wider
// than the design on some desktops).
class DialogButton : public QPushButton {
public:
    DialogButton(const QString& caption, QSize designed, QWidget* parent)
        : QPushButton(caption, parent), m_designed(designed) {}

    QSize sizeHint() const override {
        const int pad = 2 * (style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, this) +
                             style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this));
        const QSize caption = fontMetrics().size(Qt::TextShowMnemonic, text());
        return m_designed.expandedTo(caption + QSize(pad, pad));
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

private:
    QSize m_designed;
};

} // namespace

ItemDialog::ItemDialog(int clientWidthTwips, int clientHeightTwips, QWidget* parent)
    : QDialog(parent), m_designedSize(twipsSize(clientWidthTwips, clientHeightTwips)) {
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
}

void ItemDialog::layOutRows(QWidget* caption, QLayout* middle, QLayout* bottom, int topTwips,
                            int bottomTwips) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twipsToPixels(120), twipsToPixels(topTwips), twipsToPixels(120),
                               twipsToPixels(bottomTwips));
    layout->setSpacing(twipsToPixels(30));
    layout->addWidget(caption);
    layout->addLayout(middle);
    layout->addSpacing(twipsToPixels(60));
    layout->addLayout(bottom);
    setFixedSize(sizeHint().expandedTo(m_designedSize));
}

void ItemDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->click();
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

QPoint itemDialogPosition(const QWidget& previewWindow) {
    const QRect frame = previewWindow.frameGeometry();
    return {frame.left(), frame.top() + frame.height() / 2};
}

std::int16_t ItemDialog::takeSlot(overlay::OverlayItems& items, const ItemTarget& target) {
    if (!target.insert)
        return items.exists(target.kind, target.slot) ? target.slot : 0;
    // 0 also for a click position too far out to be held: no item is inserted.
    return items.reserve(target.kind, target.clickX, target.clickY);
}

QSize twipsSize(int width, int height) {
    return {twipsToPixels(width), twipsToPixels(height)};
}

QPushButton* dialogButton(const QString& name, const QString& caption, int widthTwips,
                          int heightTwips, QWidget* parent) {
    auto* b = new DialogButton(caption, twipsSize(widthTwips, heightTwips), parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

} // namespace pernoa::preview
