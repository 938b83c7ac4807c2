#include "preview/fontchooser.h"

#include "engine/musicfont.h"
#include "engine/numberrules.h"
#include "overlay/overlayitems.h"
#include "preview/texts.h"
#include "preview/widgetparts.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace pernoa::preview {
namespace {

using overlay::kMaxFontSize;
using overlay::kMinFontSize;

// A typed size, or 0 when it is none the chooser takes.
double sizeFromText(const QString& text) {
    if (!num::isNumeric(text))
        return 0;
    const double size = num::toDouble(text);
    return size >= kMinFontSize && size <= kMaxFontSize ? size : 0;
}

// The sizes the chooser takes, as the user reads them.
QString sizeRangeText() {
    return texts::sizeRange(num::toText(kMinFontSize), num::toText(kMaxFontSize));
}

QIcon swatch(const QColor& colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

} // namespace

std::int32_t colourNumber(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16);
}

QColor colourFromNumber(std::int32_t number) {
    return QColor(number & 0xff, (number >> 8) & 0xff, (number >> 16) & 0xff);
}

FontChooserDialog::FontChooserDialog(const FontChoice& choice, QWidget* parent)
    : QDialog(parent), m_faces(new QListWidget(this)), m_size(new QComboBox(this)),
      m_bold(new QCheckBox(texts::bold(), this)), m_italic(new QCheckBox(texts::italic(), this)),
      m_underline(new QCheckBox(texts::underline(), this)),
      m_colourButton(new QPushButton(texts::colourButton(), this)),
      m_sample(plainLabel(texts::fontSample(), "sample", -1, this)),
      m_sizeError(plainLabel(QString(), "sizeError", -1, this)), m_presetSize(choice.size) {
    setObjectName(QStringLiteral("FontChooser"));
    setWindowTitle(texts::fontTitle());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    // Scalable faces only: the item is drawn at a third of its size on the
    // preview and at full size on paper. The music font's symbols are no
    // face for text.
    QStringList faces;
    for (const QString& family : QFontDatabase::families())
        if (!QFontDatabase::isPrivateFamily(family) && QFontDatabase::isSmoothlyScalable(family) &&
            !isMusicFontFamily(family))
            faces << family;
    if (!choice.face.isEmpty() && !faces.contains(choice.face))
        faces.prepend(choice.face);
    for (const QString& face : faces) {
        auto* item = new QListWidgetItem(face, m_faces);
        QFont font(face);
        font.setPointSize(10);
        item->setFont(font);
    }
    m_faces->setObjectName(QStringLiteral("faceList"));
    const auto found = m_faces->findItems(choice.face, Qt::MatchExactly);
    if (!found.isEmpty())
        m_faces->setCurrentItem(found.first());

    m_size->setObjectName(QStringLiteral("sizeBox"));
    m_size->setEditable(true);
    m_size->setInsertPolicy(QComboBox::NoInsert);
    // Room for "10.5" or "1638" whatever the desktop's font.
    m_size->setMinimumContentsLength(4);
    m_size->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    for (int size : QFontDatabase::standardSizes())
        m_size->addItem(num::toText(size));
    m_size->setEditText(num::toText(choice.size));

    m_bold->setChecked(choice.bold);
    m_italic->setChecked(choice.italic);
    m_underline->setChecked(choice.underline);
    m_colourButton->setObjectName(QStringLiteral("colourButton"));
    setColour(colourFromNumber(choice.colour));

    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setFixedHeight(72);
    m_sample->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    QLabel* sizeRange = plainLabel(sizeRangeText(), "sizeRange", -1, this);
    m_sizeError->setWordWrap(true);
    setTextColour(*m_sizeError, QColor(192, 0, 0));
    // The line keeps its height when empty, so the window does not jump.
    m_sizeError->setMinimumHeight(m_sizeError->fontMetrics().lineSpacing());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setText(texts::ok());
    buttons->button(QDialogButtonBox::Cancel)->setText(texts::cancel());
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* styles = new QGroupBox(texts::stylesFrame(), this);
    auto* styleLayout = new QVBoxLayout(styles);
    styleLayout->addWidget(m_bold);
    styleLayout->addWidget(m_italic);
    styleLayout->addWidget(m_underline);
    styleLayout->addWidget(m_colourButton);
    styleLayout->addStretch();

    auto* sizeColumn = new QVBoxLayout;
    sizeColumn->addWidget(m_size);
    sizeColumn->addWidget(sizeRange);
    sizeColumn->addStretch();

    auto* grid = new QGridLayout(this);
    grid->addWidget(plainLabel(texts::faceCaption(), "", -1, this), 0, 0);
    grid->addWidget(plainLabel(texts::sizeCaption(), "", -1, this), 0, 1);
    grid->addWidget(m_faces, 1, 0);
    grid->addLayout(sizeColumn, 1, 1);
    grid->addWidget(styles, 1, 2);
    grid->addWidget(plainLabel(texts::sampleCaption(), "", -1, this), 2, 0);
    grid->addWidget(m_sample, 3, 0, 1, 3);
    grid->addWidget(m_sizeError, 4, 0, 1, 3);
    grid->addWidget(buttons, 5, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    resize(520, 360);

    connect(m_faces, &QListWidget::currentItemChanged, this, &FontChooserDialog::updateSample);
    connect(m_size, &QComboBox::currentTextChanged, this, &FontChooserDialog::updateSample);
    connect(m_size, &QComboBox::currentTextChanged, this, &FontChooserDialog::checkSize);
    for (QCheckBox* box : {m_bold, m_italic, m_underline})
        connect(box, &QCheckBox::toggled, this, &FontChooserDialog::updateSample);
    connect(m_colourButton, &QPushButton::clicked, this, &FontChooserDialog::askColour);
    updateSample();
    checkSize();
}

void FontChooserDialog::checkSize() {
    const bool taken = sizeFromText(m_size->currentText()) > 0;
    m_sizeError->setText(
        taken ? QString()
              : texts::sizeOutOfRange(num::toText(kMinFontSize), num::toText(kMaxFontSize)));
    m_ok->setEnabled(taken);
}

void FontChooserDialog::setColour(const QColor& colour) {
    m_colour = colour;
    m_colourButton->setIcon(swatch(colour));
    updateSample();
}

void FontChooserDialog::askColour() {
    const QColor colour = QColorDialog::getColor(m_colour, this, texts::colourTitle());
    if (colour.isValid())
        setColour(colour);
}

FontChoice FontChooserDialog::choice() const {
    FontChoice result;
    if (const QListWidgetItem* item = m_faces->currentItem())
        result.face = item->text();
    const double size = sizeFromText(m_size->currentText());
    result.size = size > 0 ? size : m_presetSize;
    result.bold = m_bold->isChecked();
    result.italic = m_italic->isChecked();
    result.underline = m_underline->isChecked();
    result.colour = colourNumber(m_colour);
    return result;
}

void FontChooserDialog::updateSample() {
    if (!m_sample)
        return;
    const FontChoice now = choice();
    QFont font(now.face);
    font.setPointSizeF(qMin(now.size, 36.0));
    font.setBold(now.bold);
    font.setItalic(now.italic);
    font.setUnderline(now.underline);
    m_sample->setFont(font);
    setTextColour(*m_sample, m_colour);
}

bool QtFontChooser::choose(FontChoice& choice, QWidget* parent) {
    FontChooserDialog dialog(choice, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const FontChoice chosen = dialog.choice();
    // No face selected (an empty list) keeps the face the item had.
    const QString face = chosen.face.isEmpty() ? choice.face : chosen.face;
    choice = chosen;
    choice.face = face;
    return true;
}

} // namespace pernoa::preview
