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
                        QWidget* previewWindow) {
    TextItemDialog dialog(items, messages, fonts, previewWindow);
    run(dialog, dialog.isReady(), previewWindow);
}

void openImageItemDialog(overlay::OverlayItems& items, IMessages& messages, IFileChooser& files,
                         QWidget* previewWindow) {
    ImageItemDialog dialog(items, messages, files, previewWindow);
    run(dialog, dialog.isReady(), previewWindow);
}

ItemDialogs::ItemDialogs(overlay::OverlayItems& items, IMessages& messages,
                         const QString& programFolder)
    : m_items(items), m_messages(messages), m_files(programFolder) {}

void ItemDialogs::openText(QWidget* previewWindow) {
    openTextItemDialog(m_items, m_messages, m_fonts, previewWindow);
}

void ItemDialogs::openImage(QWidget* previewWindow) {
    openImageItemDialog(m_items, m_messages, m_files, previewWindow);
}

} // namespace pernoa::preview
