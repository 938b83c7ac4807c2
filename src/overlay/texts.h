#pragma once

// The texts of the item model the user reads: the names of its undo steps.

#include <QString>

namespace pernoa::overlay::texts {

QString insertTextItem();
QString insertImageItem();
QString editTextItem();
QString editImageItem();
QString moveTextItem();
QString moveImageItem();
QString deleteTextItem();
QString deleteImageItem();

} // namespace pernoa::overlay::texts
