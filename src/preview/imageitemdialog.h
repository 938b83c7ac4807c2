#pragma once

#include "overlay/overlayitems.h"
#include "preview/itemdialogbase.h"

#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;

namespace pernoa {
class IMessages;
} // namespace pernoa

namespace pernoa::preview {

class IFileChooser;

// frmSetImage "ペルノア－画像の設定": the picture file and the scale of one
// image item, on a copy of the item like the text item dialog. The picture is
// loaded on "登録" only when another file was chosen; "やめる" on an item
// being edited loads its own picture again. A picture that cannot be loaded
// removes the item from the page.
class ImageItemDialog : public ItemDialog {
    Q_OBJECT
public:
    ImageItemDialog(overlay::OverlayItems& items, IMessages& messages, IFileChooser& files,
                    const ItemTarget& target, QWidget* parent = nullptr);

    // False when there is no item to work on; the dialog must not be shown then.
    bool isReady() const { return m_slot > 0; }
    std::int16_t slot() const { return m_slot; }
    // True once the path shown differs from the one the item had at opening.
    bool imagePathChanged() const { return m_pathChanged; }

    QLabel* pathLabel() const { return m_path; }
    QLineEdit* scaleField() const { return m_scale; }
    QPushButton* browseButton() const { return m_browse; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* okButton() const { return m_ok; }

    // "参照"
    void browse();
    // "登録"
    void confirm();
    // "やめる"
    void cancel() override;

private:
    void setPath(const QString& path);
    // Loads the item's picture from its path; on failure says so and removes
    // the item from the page. False on failure.
    bool loadPicture(overlay::OverlayImage& item);
    bool scaleAccepted(std::int16_t& scale);

    overlay::OverlayItems& m_items;
    IMessages& m_messages;
    IFileChooser& m_files;
    bool m_insert;
    std::int16_t m_slot = 0;
    bool m_pathChanged = false;
    overlay::OverlayImage m_item;

    QLabel* m_path;
    QPushButton* m_browse;
    QLineEdit* m_scale;
    QPushButton* m_cancel;
    QPushButton* m_ok;
};

} // namespace pernoa::preview
