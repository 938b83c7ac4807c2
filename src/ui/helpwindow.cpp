#include "ui/helpwindow.h"

#include "ui/windowparts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSvgWidget>
#include <QVBoxLayout>

namespace pernoa::ui {
namespace {

// 5835 x 8085 twips at 15 twips to a pixel.
constexpr int kWidth = 389;
constexpr int kHeight = 539;
// The terms diagram, in pixels.
constexpr int kDiagramWidth = 339;
constexpr int kDiagramHeight = 222;

QLabel* label(const char* name, const QString& text, int index = -1) {
    auto* l = new QLabel;
    l->setObjectName(QString::fromLatin1(name));
    if (index >= 0)
        l->setProperty("index", index);
    l->setTextFormat(Qt::PlainText);
    l->setText(text);
    l->setWordWrap(true);
    return l;
}

void setTextColour(QLabel* l, const QColor& colour) {
    QPalette palette = l->palette();
    palette.setColor(QPalette::WindowText, colour);
    l->setPalette(palette);
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("ペルノアのへるぷ"));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    QLabel* title = label("Label1", QStringLiteral("ペルノア　Ver2.0"), 0);
    title->setFont(displayFont(20));
    title->setAlignment(Qt::AlignHCenter);
    setTextColour(title, QColor(0, 128, 0));
    QLabel* subtitle = label("Label1", QStringLiteral("のヘルプ"), 1);
    subtitle->setFont(displayFont(20));
    subtitle->setAlignment(Qt::AlignHCenter);
    setTextColour(subtitle, QColor(0, 0, 128));

    QLabel* excuse = label(
        "Label2", QStringLiteral("ヘルプエディタ、持ってないんです。これで勘弁してください。"));
    excuse->setAlignment(Qt::AlignCenter);
    excuse->setAutoFillBackground(true);
    QPalette band = excuse->palette();
    band.setColor(QPalette::Window, QColor(255, 255, 192));
    excuse->setPalette(band);
    excuse->setContentsMargins(0, 4, 0, 4);

    QLabel* purpose =
        label("Label4",
              QStringLiteral(
                  "コンピュータ譜面は綺麗でいいけど、魂が入ってない為か何か味気なく、そして見にく"
                  "いですね。そんなことはいいとして、このソフトは、市販の五線譜では段数が多すぎる"
                  "、少なすぎるけどコンピュータ譜面は使いたくない、試し書き（写譜など）したいとい"
                  "うときなどにご使用ください。"));
    QLabel* usage =
        label("Label6", QStringLiteral("このソフトの使い方は見たままです。ということで・・・"));

    QLabel* heading = label("Label3", QStringLiteral("◎使用されている語句の説明"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    setTextColour(heading, QColor(255, 0, 0));

    auto* diagram = new QSvgWidget(termsDiagramPath());
    diagram->setObjectName(QStringLiteral("Image1"));
    diagram->setFixedSize(kDiagramWidth, kDiagramHeight);

    const QString notes[] = {QStringLiteral("・単位はｍｍで、小数点以下も設定可能です。"),
                             QStringLiteral("・五線の間隔は自動で計算してくれます。"),
                             QStringLiteral("・プリンタによっては下方向に６ｍｍほどずれます。")};

    auto* ok = new QPushButton(QStringLiteral("ＯＫ"));
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
