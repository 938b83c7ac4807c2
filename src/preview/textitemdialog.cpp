#include "preview/textitemdialog.h"

#include "engine/messages.h"
#include "engine/numberrules.h"
#include "preview/fontchooser.h"
#include "preview/pagesurface.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextDocument>

namespace pernoa::preview {
namespace {

// The client area and the controls, in twips.
constexpr int ClientWidth = 4185;
constexpr int ClientHeight = 1440;

// The stored text has CR LF line breaks, the text field plain line feeds.
QString fieldText(const QString& stored) {
    QString text = stored;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QString storedText(const QString& field) {
    QString text = field;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

} // namespace

TextItemDialog::TextItemDialog(overlay::OverlayItems& items, IMessages& messages,
                               IFontChooser& fonts, QWidget* parent)
    : ItemDialog(ClientWidth, ClientHeight, parent), m_items(items), m_messages(messages),
      m_fonts(fonts), m_insert(items.InsertMode),
      m_caption(new QLabel(QStringLiteral("表示するテキスト(改行できます）"), this)),
      m_text(new QPlainTextEdit(this)),
      m_fontButton(
          dialogButton(QStringLiteral("cmdFreeTextSettei"),
                       QString(FontButtonCaption)
                           .replace(QRegularExpression(QStringLiteral(" +")), QStringLiteral("\n")),
                       1455, 480, this)),
      m_cancel(
          dialogButton(QStringLiteral("cmdCancel"), QStringLiteral("やめる"), 1095, 480, this)),
      m_ok(dialogButton(QStringLiteral("cmdOk"), QStringLiteral("登録"), 1155, 480, this)) {
    setObjectName(QStringLiteral("frmSetLabel"));
    setWindowTitle(QStringLiteral("ペルノア－テキストの設定"));

    m_caption->setObjectName(QStringLiteral("Label15"));
    m_caption->setTextFormat(Qt::PlainText);
    m_text->setObjectName(QStringLiteral("txtFreeText"));
    // Enter starts a new line; Tab moves on to the buttons.
    m_text->setTabChangesFocus(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The text field as designed, or two lines of the desktop's font; the
    // buttons below it share its width.
    const QSize field = twipsSize(3945, 540);
    const QFontMetrics metrics(m_text->font());
    m_text->setMinimumWidth(field.width());
    m_text->setFixedHeight(qMax(field.height(), 2 * metrics.lineSpacing() +
                                                    2 * m_text->frameWidth() +
                                                    2 * int(m_text->document()->documentMargin())));
    auto* fieldRow = new QHBoxLayout;
    fieldRow->addWidget(m_text);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(twipsToPixels(120));
    buttons->addWidget(m_fontButton);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_ok);
    layOutRows(m_caption, fieldRow, buttons, 60, 30);
    setTabOrder(m_text, m_fontButton);
    setTabOrder(m_fontButton, m_cancel);
    setTabOrder(m_cancel, m_ok);
    m_caption->setFocusPolicy(Qt::NoFocus);
    m_text->setFocus();

    connect(m_fontButton, &QPushButton::clicked, this, &TextItemDialog::chooseFont);
    connect(m_cancel, &QPushButton::clicked, this, &TextItemDialog::cancel);
    connect(m_ok, &QPushButton::clicked, this, &TextItemDialog::confirm);

    m_slot = takeSlot(
        m_insert, [this] { return m_items.AllocateTextSlot(); }, m_items.CurrentItemIndex,
        m_items.FreeTextCount);
    if (m_insert || m_slot == 0)
        return;
    const std::int16_t slot = m_slot;
    m_backup = m_items.FreeTextItems[slot];
    m_text->setPlainText(fieldText(m_backup.Text));
}

void TextItemDialog::chooseFont() {
    if (!isReady())
        return;
    overlay::OverlayText& item = m_items.FreeTextItems[m_slot];
    FontChoice choice;
    choice.face = item.FontName;
    choice.size = item.FontSize;
    choice.bold = item.FontBold;
    choice.italic = item.FontItalic;
    choice.underline = item.FontUnderline;
    choice.colour = colourNumber(overlay::colourFromForeColor(item.ForeColor));
    // Accepted or cancelled, the chooser's values go back into the item: a
    // cancelled chooser still holds the values it was given.
    m_fonts.choose(choice, this);
    overlay::OverlayText& after = m_items.FreeTextItems[m_slot];
    after.FontName = choice.face;
    try {
        after.FontSize = num::toInt16(choice.size);
    } catch (const RuntimeError&) {
        // A size beyond what the item can hold keeps the size it had.
    }
    after.FontBold = choice.bold;
    after.FontItalic = choice.italic;
    after.FontUnderline = choice.underline;
    after.ForeColor = num::toText(choice.colour);
}

void TextItemDialog::confirm() {
    if (!isReady())
        return;
    const QString text = m_text->toPlainText();
    if (text.isEmpty()) {
        m_messages.showMessage(QStringLiteral("文字を入力してください"),
                               QStringLiteral("エラーメッセージ"), MsgIcon::Warning);
        return;
    }
    overlay::OverlayText& item = m_items.FreeTextItems[m_slot];
    item.Text = storedText(text);
    if (m_insert) {
        // The same products as when the slot was taken, so they fit.
        item.X = num::toInt32(double(m_items.hyojiSize()) * m_items.ClickX);
        item.Y = num::toInt32(double(m_items.hyojiSize()) * m_items.ClickY);
    }
    m_items.ShowFreeText(m_slot);
    finish(QDialog::Accepted);
}

void TextItemDialog::cancel() {
    if (m_slot > 0) {
        if (m_insert)
            m_items.DeleteItem(overlay::ItemKind::Text, m_slot);
        else
            m_items.FreeTextItems[m_slot] = m_backup;
    }
    finish(QDialog::Rejected);
}

} // namespace pernoa::preview
