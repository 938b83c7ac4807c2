#pragma once

// The page as a whole, as the settings file keeps it: the fields of the main
// window and the items, every slot with its record.

#include "engine/controls.h"
#include "overlay/overlayitems.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace pernoa {
class IForm;
}

namespace pernoa::document {

// One value the page keeps in the main window: a text field, the line
// weight list, the darkness scroll bar, the landscape box, or a group of
// option buttons, whose value is the name of the option selected ("" when
// none is).
struct PageField {
    QString key; // the control's name, or the group's
    ControlKind kind;
    QStringList controls; // the control, or the options of the group
};

// The fields the settings file keeps: every control of the control table but
// the printer offsets (kept in the default settings file), the display size,
// the copy count and what the program only shows.
const std::vector<PageField>& pageFields();
// The field a control belongs to, or nullptr.
const PageField* pageFieldOf(const QString& control);

// A field's value as text: the text, the selected entry's caption, the
// scroll bar's position, "1" or "0" for the box, the option's name.
QString readField(const IForm& form, const PageField& field);
// Sets a field as the user would: the handlers of its controls run.
void writeField(IForm& form, const PageField& field, const QString& value);
// What a change of a field to a value is called in the undo menu.
QString fieldStepName(const PageField& field, const QString& value);

struct PageState {
    std::vector<QString> fields;               // in the order of pageFields()
    std::vector<overlay::OverlayText> texts;   // slots 1 ...
    std::vector<overlay::OverlayImage> images; // slots 1 ...
};

PageState capturePage(const IForm& form, const overlay::OverlayItems& items);
// Puts the page back: the fields, then every slot of both kinds with its
// record (a slot that was free stays free, so slot numbers hold).
void restorePage(IForm& form, overlay::OverlayItems& items, const PageState& state);

} // namespace pernoa::document
