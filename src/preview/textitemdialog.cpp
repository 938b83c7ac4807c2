#include "preview/textitemdialog.h"

#include "engine/messages.h"
#include "engine/numberrules.h"
#include "engine/texts.h"
#include "preview/fontchooser.h"
#include "preview/pagesurface.h"
#include "preview/texts.h"
#include "preview/widgetparts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextDocument>

namespace pernoa::preview {
namespace {

// The client area and the controls, in twips.
constexpr int kClientWidth = 4185;
constexpr int kClientHeight = 1440;

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
                               IFontChooser& fonts, const ItemTarget& target, QWidget* parent)
    : ItemDialog(kClientWidth, kClientHeight, parent), m_items(items), m_messages(messages),
      m_fonts(fonts), m_insert(target.insert),
      m_caption(plainLabel(texts::textCaption(), "Label15", -1, this)),
      m_text(new QPlainTextEdit(this)),
      m_fontButton(dialogButton(QStringLiteral("cmdFreeTextSettei"),
                                texts::fontButton().replace(
                                    QRegularExpression(QStringLiteral(" +")), QStringLiteral("\n")),
                                1455, 480, this)),
      m_cancel(dialogButton(QStringLiteral("cmdCancel"), texts::giveUp(), 1095, 480, this)),
      m_ok(dialogButton(QStringLiteral("cmdOk"), texts::registerItem(), 1155, 480, this)) {
    setObjectName(QStringLiteral("frmSetLabel"));
    setWindowTitle(texts::textDialogTitle());

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
    m_text->setFocus();

    connect(m_fontButton, &QPushButton::clicked, this, &TextItemDialog::chooseFont);
    connect(m_cancel, &QPushButton::clicked, this, &TextItemDialog::cancel);
    connect(m_ok, &QPushButton::clicked, this, &TextItemDialog::confirm);

    ItemTarget own = target;
    own.kind = overlay::ItemKind::Text;
    m_slot = takeSlot(m_items, own);
    if (m_slot == 0)
        return;
    m_item = m_items.text(m_slot);
    if (!m_insert)
        m_text->setPlainText(fieldText(m_item.Text));
}

void TextItemDialog::chooseFont() {
    if (!isReady())
        return;
    FontChoice choice;
    choice.face = m_item.FontName;
    choice.size = m_item.FontSize;
    choice.bold = m_item.FontBold;
    choice.italic = m_item.FontItalic;
    choice.underline = m_item.FontUnderline;
    choice.colour = colourNumber(overlay::colourFromForeColor(m_item.ForeColor));
    // Accepted or cancelled, the chooser's values are taken: a cancelled
    // chooser still holds the values it was given.
    m_fonts.choose(choice, this);
    m_item.FontName = choice.face;
    try {
        m_item.FontSize = num::toInt16(choice.size);
    } catch (const RuntimeError&) {
        // A size beyond what the item can hold keeps the size it had.
    }
    m_item.FontBold = choice.bold;
    m_item.FontItalic = choice.italic;
    m_item.FontUnderline = choice.underline;
    m_item.ForeColor = num::toText(choice.colour);
}

void TextItemDialog::confirm() {
    if (!isReady())
        return;
    const QString text = m_text->toPlainText();
    if (text.isEmpty()) {
        m_messages.showMessage(texts::enterText(), pernoa::texts::errorTitle(), MsgIcon::Warning);
        return;
    }
    m_item.Text = storedText(text);
    m_item.InUse = true;
    m_items.change(m_slot, m_item);
    finish(QDialog::Accepted);
}

void TextItemDialog::cancel() {
    if (m_slot > 0 && m_insert)
        m_items.remove(overlay::ItemKind::Text, m_slot);
    finish(QDialog::Rejected);
}

} // namespace pernoa::preview
