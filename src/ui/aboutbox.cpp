#include "ui/aboutbox.h"

#include "engine/texts.h"
#include "engine/version.h"
#include "preview/texts.h"
#include "preview/widgetparts.h"
#include "ui/texts.h"
#include "ui/windowparts.h"

#include <QDesktopServices>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#ifndef PERNOA_HOMEPAGE_URL
#error "PERNOA_HOMEPAGE_URL is set by the build from the project's home page"
#endif

namespace pernoa::ui {
namespace {

using preview::plainLabel;
using preview::setBackgroundColour;
using preview::setBold;
using preview::setTextColour;

// 5730 x 3555 twips at 15 twips to a pixel.
constexpr int kWidth = 382;
constexpr int kHeight = 237;

QFrame* separator(int index, const QColor& colour) {
    auto* line = new QFrame;
    line->setObjectName(QStringLiteral("Line1"));
    line->setProperty("index", index);
    line->setFixedHeight(1);
    setBackgroundColour(*line, colour);
    return line;
}

} // namespace

QString AboutBox::homePage() {
    return QStringLiteral(PERNOA_HOMEPAGE_URL);
}

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(texts::aboutTitle(pernoa::texts::appTitle()));
    setBackgroundColour(*this, Qt::white);

    auto* icon = new QLabel;
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(programIcon().pixmap(32, 32));
    icon->setFixedSize(32, 32);

    QLabel* title = plainLabel(pernoa::texts::appTitle(), "lblTitle");
    title->setFont(displayFont(18));
    setTextColour(*title, QColor(0, 128, 0));

    // The version in full-width characters ("Ｖｅｒ　２．２"), from the one
    // place it is written.
    QString digits;
    for (const QChar c : QLatin1String(kVersionText))
        digits += QChar(c.unicode() + 0xFEE0);
    QLabel* version = plainLabel(texts::aboutVersion(digits), "lblVersion");
    setBold(*version);
    setTextColour(*version, QColor(0, 0, 255));

    QLabel* description = plainLabel(texts::aboutDescription(), "lblDescription");
    description->setWordWrap(true);

    m_url = plainLabel(homePage(), "lblUrl");
    QFont underlined = m_url->font();
    underlined.setUnderline(true);
    m_url->setFont(underlined);
    m_url->setCursor(Qt::PointingHandCursor);
    m_url->setMouseTracking(true);
    m_url->installEventFilter(this);
    setLinkColour(Qt::black);

    QLabel* disclaimer = plainLabel(texts::aboutDisclaimer(), "lblDisclaimer");

    auto* ok = new QPushButton(preview::texts::ok());
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    // Enter and Esc both close the box: "OK" is its only button.
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* heading = new QVBoxLayout;
    heading->setSpacing(2);
    heading->addWidget(title);
    heading->addWidget(version);
    auto* top = new QHBoxLayout;
    top->setSpacing(12);
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(heading, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(disclaimer, 1, Qt::AlignBottom);
    bottom->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(6);
    layout->addLayout(top);
    layout->addWidget(description);
    layout->addWidget(m_url);
    layout->addStretch(1);
    layout->setSpacing(6);
    auto* etched = new QVBoxLayout;
    etched->setSpacing(0);
    etched->addWidget(separator(0, QColor(128, 128, 128)));
    etched->addWidget(separator(1, Qt::white));
    layout->addLayout(etched);
    layout->addLayout(bottom);

    // Moves over the other labels stay with them (they do not track the
    // pointer); only the box's own background turns the link black.
    setMouseTracking(true);
    setFixedSize(kWidth, kHeight);
}

void AboutBox::setLinkColour(const QColor& colour) {
    setTextColour(*m_url, colour);
}

void AboutBox::mouseMoveEvent(QMouseEvent* event) {
    setLinkColour(Qt::black);
    QDialog::mouseMoveEvent(event);
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_url) {
        if (event->type() == QEvent::MouseMove) {
            setLinkColour(QColor(0, 0, 255));
            // Taken here: a move the label left alone would reach the box's
            // background and turn the link black again.
            return true;
        }
        if (event->type() == QEvent::Enter) {
            setLinkColour(QColor(0, 0, 255));
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton &&
                m_url->rect().contains(mouse->position().toPoint()))
                // A desktop without a handler leaves it at that: nothing is reported.
                QDesktopServices::openUrl(QUrl(m_url->text()));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace pernoa::ui
