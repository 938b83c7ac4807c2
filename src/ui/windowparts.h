#pragma once

#include <QFont>
#include <QIcon>
#include <QString>

namespace pernoa::ui {

// The program's icon at every size it is drawn at (the window frames, the
// About box).
QIcon programIcon();

// The face of the large titles of the help window and the About box: a
// rounded Gothic face when the system has one, else a bold Gothic; always bold.
QFont displayFont(double points);

// The resource path of the help window's terms diagram.
QString termsDiagramPath();

} // namespace pernoa::ui
