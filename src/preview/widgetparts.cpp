#include "preview/widgetparts.h"

#include <QLabel>

namespace pernoa::preview {

QLabel* plainLabel(const QString& text, const char* name, int index, QWidget* parent) {
    auto* label = new QLabel(parent);
    if (*name)
        label->setObjectName(QString::fromLatin1(name));
    if (index >= 0)
        label->setProperty("index", index);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

void setTextColour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    widget.setPalette(palette);
}

void setBackgroundColour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void setBold(QWidget& widget) {
    QFont font = widget.font();
    font.setBold(true);
    widget.setFont(font);
}

} // namespace pernoa::preview
