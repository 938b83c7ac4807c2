#pragma once

// The texts of the document the user reads: the names of its undo steps.

#include <QString>

namespace pernoa::document::texts {

// Loading a settings file, by its file name.
QString loadFile(const QString& fileName);
// A field of the main window changed, by its caption.
QString changeField(const QString& caption);
// An option of a group chosen, by its caption.
QString chooseOption(const QString& caption);
// A group of options left with none chosen.
QString clearOptions();

} // namespace pernoa::document::texts
