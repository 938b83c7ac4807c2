#pragma once

#include "preview/filechooser.h"
#include "preview/fontchooser.h"

class QWidget;

namespace pernoa {
class IMessages;
namespace overlay {
class OverlayItems;
}
} // namespace pernoa

namespace pernoa::preview {

// Opens the text item dialog for the preview window's insert and edit
// commands. The caller has set InsertMode and ClickX/ClickY (insert) or
// CurrentItemIndex (edit); the dialog stands below the middle of the
// preview window, runs modal and does everything to the item and the
// preview itself. Returns at once when there is no item to work on.
void openTextItemDialog(overlay::OverlayItems& items, IMessages& messages, IFontChooser& fonts,
                        QWidget* previewWindow);

// The same for the image item dialog.
void openImageItemDialog(overlay::OverlayItems& items, IMessages& messages, IFileChooser& files,
                         QWidget* previewWindow);

// The desktop's choosers for the whole run (the picture folder is
// remembered from one dialog to the next) and the two commands.
class ItemDialogs {
public:
    ItemDialogs(overlay::OverlayItems& items, IMessages& messages, const QString& programFolder);

    void openText(QWidget* previewWindow);
    void openImage(QWidget* previewWindow);

private:
    overlay::OverlayItems& m_items;
    IMessages& m_messages;
    QtFontChooser m_fonts;
    QtFileChooser m_files;
};

} // namespace pernoa::preview
