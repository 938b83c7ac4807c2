#pragma once

#include "overlay/overlayitems.h"
#include "preview/itemdialogbase.h"

#include <cstdint>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace pernoa {
class IMessages;
}

namespace pernoa::preview {

class IFontChooser;

// frmSetLabel "ペルノア－テキストの設定": the text and font of one free text
// item. Inserting, it reserves a slot for a new item at the click point when
// it opens; editing, it works on the target's slot. It edits a copy of the
// item: "登録" puts it into the slot and shows it on the preview, "やめる"
// leaves the item as it was (and frees the reserved slot).
class TextItemDialog : public ItemDialog {
    Q_OBJECT
public:
    TextItemDialog(overlay::OverlayItems& items, IMessages& messages, IFontChooser& fonts,
                   const ItemTarget& target, QWidget* parent = nullptr);

    // False when there is no item to work on (no slot left for a new item,
    // or the slot to edit does not exist); the dialog must not be shown then.
    bool isReady() const { return m_slot > 0; }
    std::int16_t slot() const { return m_slot; }
    // The item as "登録" will store it (all but the text field).
    const overlay::OverlayText& item() const { return m_item; }

    QPlainTextEdit* textField() const { return m_text; }
    QPushButton* fontButton() const { return m_fontButton; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* okButton() const { return m_ok; }

    // "テキストの     フォント設定"
    void chooseFont();
    // "登録"
    void confirm();
    // "やめる"
    void cancel() override;

private:
    overlay::OverlayItems& m_items;
    IMessages& m_messages;
    IFontChooser& m_fonts;
    bool m_insert;
    std::int16_t m_slot = 0;
    overlay::OverlayText m_item;

    QLabel* m_caption;
    QPlainTextEdit* m_text;
    QPushButton* m_fontButton;
    QPushButton* m_cancel;
    QPushButton* m_ok;
};

} // namespace pernoa::preview
