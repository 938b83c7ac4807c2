#pragma once

// The windows' texts that the user reads, one function each, with the
// Japanese as the source text of Qt's translation tools (context "ui").

#include <QString>

namespace pernoa::ui::texts {

// The heading over the two scale correction fields of the main window.
QString scaleCorrectionHeading();
// The separator between the two sides of a paper of the user's size.
QString sizeTimes();

// Menu "設定": the SVG and PNG pages.
QString exportSvg();
QString exportPng();
// After an SVG or PNG page was written; %1 the file.
QString svgWritten();
QString pngWritten();
// The file dialogs' filters.
QString svgFileFilter();
QString pngFileFilter();

} // namespace pernoa::ui::texts
