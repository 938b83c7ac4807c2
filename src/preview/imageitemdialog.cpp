#include "preview/imageitemdialog.h"

#include "engine/messages.h"
#include "engine/numberrules.h"
#include "engine/texts.h"
#include "overlay/overlayitems.h"
#include "overlay/picture.h"
#include "overlay/texts.h"
#include "preview/filechooser.h"
#include "preview/pagesurface.h"
#include "preview/texts.h"
#include "preview/widgetparts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

namespace pernoa::preview {
namespace {

constexpr int kClientWidth = 3645;
constexpr int kClientHeight = 1155;

} // namespace

ImageItemDialog::ImageItemDialog(overlay::OverlayItems& items, IMessages& messages,
                                 IFileChooser& files, const ItemTarget& target, QWidget* parent)
    : ItemDialog(kClientWidth, kClientHeight, parent), m_items(items), m_messages(messages),
      m_files(files), m_insert(target.insert),
      m_path(plainLabel(QString(), "lblImagePath", -1, this)),
      m_browse(dialogButton(QStringLiteral("CmdImagePath"), texts::browse(), 585, 360, this)),
      m_scale(new QLineEdit(QStringLiteral("100"), this)),
      m_cancel(dialogButton(QStringLiteral("cmdCancel"), texts::giveUp(), 600, 360, this)),
      m_ok(dialogButton(QStringLiteral("cmdOk"), texts::registerItem(), 600, 360, this)) {
    setObjectName(QStringLiteral("frmSetImage"));
    setWindowTitle(texts::imageDialogTitle());

    QLabel* caption = plainLabel(texts::imagePlace(), "Label8", -1, this);
    QLabel* scaleCaption = plainLabel(texts::scaleCaption(), "Label2", -1, this);
    QLabel* percent = plainLabel(texts::percentUnit(), "Label10", -1, this);
    m_path->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_path->setLineWidth(1);
    m_scale->setObjectName(QStringLiteral("txtImageSizePer"));

    // The path takes what room there is (its whole text is its tooltip); the
    // scale field holds five digits; the buttons stand apart from the "%".
    m_path->setMinimumSize(twipsSize(2700, 300));
    m_path->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    const QSize field = twipsSize(600, 300);
    m_scale->setFixedSize(
        qMax(field.width(), m_scale->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 10),
        qMax(field.height(), m_scale->sizeHint().height()));
    auto* pathRow = new QHBoxLayout;
    pathRow->setSpacing(twipsToPixels(120));
    pathRow->addWidget(m_path, 1);
    pathRow->addWidget(m_browse);
    auto* scaleRow = new QHBoxLayout;
    scaleRow->setSpacing(twipsToPixels(30));
    scaleRow->addWidget(scaleCaption);
    scaleRow->addWidget(m_scale);
    scaleRow->addWidget(percent);
    scaleRow->addSpacing(twipsToPixels(180));
    scaleRow->addStretch(1);
    scaleRow->addWidget(m_cancel);
    scaleRow->addSpacing(twipsToPixels(45));
    scaleRow->addWidget(m_ok);
    layOutRows(caption, pathRow, scaleRow, 90, 75);
    setTabOrder(m_browse, m_scale);
    setTabOrder(m_scale, m_cancel);
    setTabOrder(m_cancel, m_ok);
    m_browse->setFocus();

    connect(m_browse, &QPushButton::clicked, this, &ImageItemDialog::browse);
    connect(m_cancel, &QPushButton::clicked, this, &ImageItemDialog::cancel);
    connect(m_ok, &QPushButton::clicked, this, &ImageItemDialog::confirm);

    ItemTarget own = target;
    own.kind = overlay::ItemKind::Image;
    m_slot = takeSlot(m_items, own);
    if (m_slot == 0)
        return;
    m_item = m_items.image(m_slot);
    if (m_insert) {
        // A picture dropped on the page comes with its file.
        if (!target.picturePath.isEmpty())
            setPath(target.picturePath);
        return;
    }
    setPath(m_item.ImagePath);
    m_scale->setText(num::toText(m_item.ImageSizePer));
    m_pathChanged = false;
}

void ImageItemDialog::setPath(const QString& path) {
    m_path->setText(path);
    m_path->setToolTip(path);
    m_pathChanged = true;
}

void ImageItemDialog::browse() {
    const QString file = m_files.choosePictureFile(this);
    if (!file.isEmpty())
        setPath(file);
}

bool ImageItemDialog::scaleAccepted(std::int16_t& scale) {
    const QString text = m_scale->text();
    if (text.isEmpty()) {
        m_messages.showMessage(pernoa::texts::fieldEmpty(texts::imageScale()),
                               pernoa::texts::errorTitle(), MsgIcon::Warning);
        return false;
    }
    if (!num::isNumeric(text)) {
        m_messages.showMessage(pernoa::texts::fieldNotNumeric(texts::imageScale()),
                               pernoa::texts::errorTitle(), MsgIcon::Warning);
        return false;
    }
    const double value = num::toDouble(text);
    if (!(value > 0)) {
        m_messages.showMessage(pernoa::texts::tease(), texts::imageTeaseTitle(), MsgIcon::Warning);
        return false;
    }
    // The scale is held in 16 bits; a larger one would overflow on storing.
    if (num::roundHalfEven(value) > std::numeric_limits<std::int16_t>::max()) {
        m_messages.showMessage(texts::scaleTooLarge(), pernoa::texts::errorTitle(),
                               MsgIcon::Warning);
        return false;
    }
    scale = num::toInt16(value);
    return true;
}

bool ImageItemDialog::loadPicture(overlay::OverlayImage& item) {
    if (m_items.pictures().load(item.ImagePath, item.Picture))
        return true;
    m_messages.showMessage(
        joinLines({overlay::texts::pictureNotLoaded(), overlay::texts::pictureRemoved()}),
        pernoa::texts::errorTitle(), MsgIcon::Warning);
    m_items.remove(overlay::ItemKind::Image, m_slot);
    return false;
}

void ImageItemDialog::confirm() {
    if (!isReady())
        return;
    std::int16_t scale = 100;
    if (!scaleAccepted(scale))
        return;
    const QString path = m_path->text();
    if (path.isEmpty()) {
        m_messages.showMessage(texts::chooseImage(), pernoa::texts::errorTitle(), MsgIcon::Warning);
        return;
    }
    m_item.ImagePath = path;
    m_item.ImageSizePer = scale;
    if (m_pathChanged && !loadPicture(m_item)) {
        finish(QDialog::Rejected);
        return;
    }
    m_item.InUse = true;
    m_items.change(m_slot, m_item);
    finish(QDialog::Accepted);
}

void ImageItemDialog::cancel() {
    if (m_slot > 0) {
        if (m_insert) {
            m_items.remove(overlay::ItemKind::Image, m_slot);
        } else {
            // The item keeps its path, scale and position, and takes its
            // picture from its file again; a file changed meanwhile is shown
            // as it is now, one gone removes the item.
            overlay::OverlayImage item = m_items.image(m_slot);
            if (loadPicture(item) &&
                item.Picture.image.cacheKey() != m_items.image(m_slot).Picture.image.cacheKey())
                m_items.change(m_slot, item);
        }
    }
    finish(QDialog::Rejected);
}

} // namespace pernoa::preview
