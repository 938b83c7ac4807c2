#include "preview/itemdialog.h"

#include "engine/numberrules.h"
#include "preview/pagesurface.h"

#include <QKeyEvent>
#include <QPushButton>

namespace pernoa::preview {

ItemDialog::ItemDialog(int clientWidthTwips, int clientHeightTwips, QWidget* parent)
    : QDialog(parent) {
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(twipsToPixels(clientWidthTwips), twipsToPixels(clientHeightTwips));
    setModal(true);
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

std::int16_t ItemDialog::takeSlot(bool insert, const std::function<std::int16_t()>& allocate,
                                  std::int16_t current, std::int16_t count) {
    if (!insert)
        return current >= 1 && current <= count ? current : 0;
    try {
        return allocate();
    } catch (const RuntimeError&) {
        // A click position too far out to be held: no item is inserted.
        return 0;
    }
}

void placeInTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                        twipsToPixels(height));
}

QPushButton* dialogButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

} // namespace pernoa::preview
