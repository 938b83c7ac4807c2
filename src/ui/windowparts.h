#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QString>

class QLabel;
class QWidget;

namespace pernoa::ui {

// What the program's windows share: the icon, the face of the large titles,
// the terms diagram, and the labels, colours and background of their pages.

// The program's icon at every size it is drawn at (the window frames, the
// About box).
QIcon programIcon();

// The face of the large titles of the help window and the About box: a
// rounded Gothic face when the system has one, else a bold Gothic; always bold.
QFont displayFont(double points);

// The resource path of the help window's terms diagram.
QString termsDiagramPath();

// A label that shows its text as plain text (never rich text), with the
// object name of the design (none when name is empty) and, for the controls
// of a design that share a name, its index (none when negative).
QLabel* plainLabel(const QString& text, const char* name = "", int index = -1);

// The colour of a widget's text, and a white page behind a window's controls.
void setTextColour(QWidget& widget, const QColor& colour);
void setWhiteBackground(QWidget& window);

} // namespace pernoa::ui
