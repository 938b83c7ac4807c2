#include "preview/itemdialogs.h"

#include "preview/imageitemdialog.h"
#include "preview/textitemdialog.h"

namespace pernoa::preview {
namespace {

void run(ItemDialog& dialog, bool ready, QWidget* previewWindow) {
    if (!ready)
        return;
    if (previewWindow)
        dialog.move(itemDialogPosition(*previewWindow));
    dialog.exec();
}

} // namespace

void openTextItemDialog(overlay::OverlayItems& items, IMessages& messages, IFontChooser& fonts,
                        const ItemTarget& target, QWidget* previewWindow) {
    TextItemDialog dialog(items, messages, fonts, target, previewWindow);
    run(dialog, dialog.isReady(), previewWindow);
}

void openImageItemDialog(overlay::OverlayItems& items, IMessages& messages, IFileChooser& files,
                         const ItemTarget& target, QWidget* previewWindow) {
    ImageItemDialog dialog(items, messages, files, target, previewWindow);
    run(dialog, dialog.isReady(), previewWindow);
}

ItemDialogs::ItemDialogs(overlay::OverlayItems& items, IMessages& messages,
                         const QString& programFolder)
    : m_items(items), m_messages(messages), m_files(programFolder) {}

void ItemDialogs::open(const ItemTarget& target, QWidget* previewWindow) {
    if (target.kind == overlay::ItemKind::Text)
        openTextItemDialog(m_items, m_messages, m_fonts, target, previewWindow);
    else
        openImageItemDialog(m_items, m_messages, m_files, target, previewWindow);
}

} // namespace pernoa::preview
