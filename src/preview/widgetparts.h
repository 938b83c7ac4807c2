#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QWidget;

namespace pernoa::preview {

// What the widgets of every window share (the preview window, the item
// dialogs, and above them the main window, the help window, the About box
// and the printer selection dialog): plain-text labels and colours.

// A label that shows its text as plain text (never rich text), with the
// object name of the design (none when name is empty) and, for the controls
// of a design that share a name, its index (none when negative). Like every
// label it stays out of the focus chain.
QLabel* plainLabel(const QString& text, const char* name = "", int index = -1,
                   QWidget* parent = nullptr);

// The colour of a widget's text.
void setTextColour(QWidget& widget, const QColor& colour);
// A widget's background filled with a colour (a window's page, a band, a line).
void setBackgroundColour(QWidget& widget, const QColor& colour);
// A widget's own font, made bold.
void setBold(QWidget& widget);

} // namespace pernoa::preview
