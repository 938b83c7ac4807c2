#include "ui/helpwindow.h"

#include "preview/widgetparts.h"
#include "ui/texts.h"
#include "ui/windowparts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSvgWidget>
#include <QVBoxLayout>

namespace pernoa::ui {
namespace {

using preview::plainLabel;
using preview::setBackgroundColour;
using preview::setBold;
using preview::setTextColour;

// 5835 x 8085 twips at 15 twips to a pixel.
constexpr int kWidth = 389;
constexpr int kHeight = 539;
// The terms diagram, in pixels.
constexpr int kDiagramWidth = 339;
constexpr int kDiagramHeight = 222;

// The page's labels wrap their lines.
QLabel* label(const char* name, const QString& text, int index = -1) {
    QLabel* l = plainLabel(text, name, index);
    l->setWordWrap(true);
    return l;
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(texts::helpTitle());
    setBackgroundColour(*this, Qt::white);

    // The page's own title, "Ver2.0" as the page was written: not the
    // program's version, which the main window's title and the About box show.
    QLabel* title = label("Label1", texts::helpHeading(), 0);
    title->setFont(displayFont(20));
    title->setAlignment(Qt::AlignHCenter);
    setTextColour(*title, QColor(0, 128, 0));
    QLabel* subtitle = label("Label1", texts::helpSubheading(), 1);
    subtitle->setFont(displayFont(20));
    subtitle->setAlignment(Qt::AlignHCenter);
    setTextColour(*subtitle, QColor(0, 0, 128));

    QLabel* excuse = label("Label2", texts::helpExcuse());
    excuse->setAlignment(Qt::AlignCenter);
    setBackgroundColour(*excuse, QColor(255, 255, 192));
    excuse->setContentsMargins(0, 4, 0, 4);

    QLabel* purpose = label("Label4", texts::helpPurpose());
    QLabel* usage = label("Label6", texts::helpUsage());

    QLabel* heading = label("Label3", texts::helpTermsHeading());
    setBold(*heading);
    setTextColour(*heading, QColor(255, 0, 0));

    auto* diagram = new QSvgWidget(termsDiagramPath());
    diagram->setObjectName(QStringLiteral("Image1"));
    diagram->setFixedSize(kDiagramWidth, kDiagramHeight);

    const QString notes[] = {texts::helpNoteUnits(), texts::helpNoteStaffDistance(),
                             texts::helpNotePrinterShift()};

    auto* ok = new QPushButton(texts::helpOk());
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(6);
    layout->addWidget(title);
    layout->addWidget(subtitle);
    layout->addWidget(excuse);
    layout->addWidget(purpose);
    layout->addWidget(usage);
    layout->addWidget(heading);
    layout->addWidget(diagram, 0, Qt::AlignHCenter);
    for (int i = 0; i < 3; ++i)
        layout->addWidget(label("Label5", notes[i], i));
    // Extra height goes below the notes: the page keeps its order and spacing.
    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    layout->addLayout(buttons);

    resize(kWidth, qMax(kHeight, layout->heightForWidth(kWidth)));
}

} // namespace pernoa::ui
