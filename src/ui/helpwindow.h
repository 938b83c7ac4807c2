#pragma once

#include <QWidget>

namespace pernoa::ui {

// "ペルノアのへるぷ" (Form3): a fixed page of help text with the terms diagram,
// white, resizable with its content kept in order. "ＯＫ" closes it.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
};

} // namespace pernoa::ui
