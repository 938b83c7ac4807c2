#pragma once

// The texts of the page's items that a user reads, in one place: the limits
// of the slots and the failure to load a picture (shown by the item model,
// the settings file readers and the image item dialog alike). Each is wrapped
// for Qt's translation tools in the context "overlay", the Japanese the
// program shows as the source text.

#include <QString>

namespace pernoa::overlay::texts {

QString cannotInsertText();
QString cannotInsertImage();
QString textLimit();
QString imageLimit();
QString pictureNotLoaded();
QString pictureRemoved();

// --- the names of the item model's undo steps ---
QString insertTextItem();
QString insertImageItem();
QString editTextItem();
QString editImageItem();
QString moveTextItem();
QString moveImageItem();
QString deleteTextItem();
QString deleteImageItem();

} // namespace pernoa::overlay::texts
