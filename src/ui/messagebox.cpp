#include "ui/messagebox.h"

#include "preview/texts.h"
#include "ui/texts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>

namespace pernoa::ui {
namespace {

QMessageBox::Icon toQtIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Warning:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

// Notes the window of the user's last click or key, a popup menu counting as
// the window it belongs to.
class MessageBoxes::InputWatcher : public QObject {
public:
    QPointer<QWidget> window;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::Wheel:
            if (watched->isWidgetType()) {
                QWidget* w = static_cast<QWidget*>(watched)->window();
                while (w && w->windowType() == Qt::Popup)
                    w = w->parentWidget() ? w->parentWidget()->window() : nullptr;
                if (w)
                    window = w;
            }
            break;
        default:
            break;
        }
        return false;
    }
};

MessageBoxes::MessageBoxes(IDialogRunner& runner, QWidget* parentWindow)
    : m_runner(runner), m_parentWindow(parentWindow), m_input(std::make_unique<InputWatcher>()) {
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(m_input.get());
}

MessageBoxes::~MessageBoxes() = default;

QWidget* MessageBoxes::boxParent() const {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (m_input->window && m_input->window->isVisible())
        return m_input->window;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return m_parentWindow;
}

OwnedDialog<QMessageBox> MessageBoxes::createBox(const QString& text, const QString& title,
                                                 MsgIcon icon, MsgButtons buttons,
                                                 QWidget* parent) {
    OwnedDialog<QMessageBox> box(new QMessageBox(parent));
    box->setWindowTitle(title);
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    box->setIcon(toQtIcon(icon));
    box->setWindowModality(Qt::ApplicationModal);
    if (buttons == MsgButtons::SaveDiscardCancel) {
        box->setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        box->button(QMessageBox::Save)->setText(texts::saveButton());
        box->button(QMessageBox::Discard)->setText(texts::discardButton());
        box->button(QMessageBox::Cancel)->setText(preview::texts::cancel());
        box->setEscapeButton(QMessageBox::Cancel);
        box->setDefaultButton(QMessageBox::Save);
        return box;
    }
    if (buttons == MsgButtons::OkCancel) {
        box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box->button(QMessageBox::Cancel)->setText(preview::texts::cancel());
        box->setEscapeButton(QMessageBox::Cancel);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
        box->setEscapeButton(QMessageBox::Ok);
    }
    box->button(QMessageBox::Ok)->setText(preview::texts::ok());
    box->setDefaultButton(QMessageBox::Ok);
    return box;
}

MsgAnswer MessageBoxes::showMessage(const QString& text, const QString& title, MsgIcon icon,
                                    MsgButtons buttons) {
    const OwnedDialog<QMessageBox> box = createBox(text, title, icon, buttons, boxParent());
    // The user has to answer: show the normal pointer over the box even while
    // the program is busy.
    if (m_busy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    const MsgAnswer answer = m_runner.runMessageBox(*box);
    if (m_busy)
        QApplication::restoreOverrideCursor();
    // A box with only an OK button has no other answer.
    return buttons == MsgButtons::Ok ? MsgAnswer::Ok : answer;
}

void MessageBoxes::setBusyPointer(bool busy) {
    if (busy == m_busy)
        return;
    m_busy = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

} // namespace pernoa::ui
