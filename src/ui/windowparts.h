#pragma once

#include <QFont>
#include <QIcon>
#include <QString>

namespace pernoa::ui {

// What the program's windows share: the icon, the face of the large titles,
// the terms diagram. Their labels and colours are the preview library's
// (preview/widgetparts.h), which the item dialogs use too.

// The program's icon at every size it is drawn at (the window frames, the
// About box).
QIcon programIcon();

// The face of the large titles of the help window and the About box: a
// rounded Gothic face when the system has one, else a bold Gothic; always bold.
QFont displayFont(double points);

// The resource path of the help window's terms diagram.
QString termsDiagramPath();

} // namespace pernoa::ui
