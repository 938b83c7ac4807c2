#pragma once

#include "preview/itemdialogs.h"

#include <QDialog>

#include <cstdint>

class QLabel;
class QLayout;
class QPushButton;
class QWidget;

namespace pernoa::preview {

// What the two item dialogs share: a fixed-size tool window without
// minimise and maximise boxes, no default and no cancel button (Enter and
// Esc do nothing by themselves; Enter on a focused button presses it, as
// Space does), and closing through the frame does what "やめる" does.
//
// The controls stand in Qt layouts: the window takes the size its layout
// needs with the desktop's font, never less than its designed client area.
class ItemDialog : public QDialog {
    Q_OBJECT
public:
    // The client area of the design, in twips.
    ItemDialog(int clientWidthTwips, int clientHeightTwips, QWidget* parent);
    QSize designedSize() const { return m_designedSize; }

    // "やめる": undoes what the dialog did to the item and closes it.
    virtual void cancel() = 0;

    // Closing through the frame.
    void reject() override { cancel(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Lays the window out in the designed rows: the caption, the middle row
    // just below it, the bottom row a little apart, between the design's
    // margins (top and bottom in twips); then fixes the window at what the
    // layout needs, at least the designed size.
    void layOutRows(QWidget* caption, QLayout* middle, QLayout* bottom, int topTwips,
                    int bottomTwips);
    // Closes the dialog with a result, without going through reject().
    void finish(int result) { QDialog::done(result); }
    // The slot the dialog works on: a newly reserved one when inserting, or
    // the target's slot when it exists; 0 when there is none (the model has
    // said why, or the click position cannot be held as page twips).
    static std::int16_t takeSlot(overlay::OverlayItems& items, const ItemTarget& target);

private:
    QSize m_designedSize;
};

// A size in twips as whole logical pixels.
QSize twipsSize(int width, int height);

// A button of an item dialog: never the default, so Enter presses only a
// button that has the focus. It asks the layout for its designed size (in
// twips), or what its caption needs where the desktop's font is larger.
QPushButton* dialogButton(const QString& name, const QString& caption, int widthTwips,
                          int heightTwips, QWidget* parent);

// Where an item dialog stands: its left edge at the preview window's left
// edge, its top at the preview window's top plus half the preview window's
// height (outer edges and height, frame included).
QPoint itemDialogPosition(const QWidget& previewWindow);

} // namespace pernoa::preview
