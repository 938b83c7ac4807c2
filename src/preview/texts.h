#pragma once

// The texts of the preview library the user reads that are shown from more
// than one place: the undo and redo commands of both windows.

#include <QString>

namespace pernoa::preview::texts {

QString undo();
// Undoing a step, by the step's name.
QString undoStep(const QString& step);
QString redo();
QString redoStep(const QString& step);

} // namespace pernoa::preview::texts
