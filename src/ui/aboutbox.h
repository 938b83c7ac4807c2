#pragma once

#include <QDialog>
#include <QString>

class QLabel;

namespace pernoa::ui {

// The About box (frmAbout): the program's name and version and the link to
// the author's page, which turns blue under the pointer, black again over the
// box's own background, and opens in the desktop's default handler on a click.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

    // The author's page the link shows and opens.
    static QString homePage();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setLinkColour(const QColor& colour);

    QLabel* m_url = nullptr;
};

} // namespace pernoa::ui
