#include "ui/progressdialog.h"

#include "engine/numberrules.h"
#include "engine/texts.h"
#include "ui/texts.h"

#include <QApplication>

namespace pernoa::ui {

JobProgressDialog::~JobProgressDialog() {
    finish();
}

QString JobProgressDialog::labelText(int done, int total) {
    return texts::copiesDone(num::toText(done), num::toText(total));
}

void JobProgressDialog::start(int total) {
    finish();
    m_dialog.reset(new QProgressDialog(labelText(0, total), texts::stopJob(), 0, total, m_parent));
    m_dialog->setWindowTitle(pernoa::texts::appTitle());
    m_dialog->setWindowModality(Qt::ApplicationModal);
    m_dialog->setMinimumDuration(500);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setValue(0);
    m_clock.start();
}

bool JobProgressDialog::step(int done) {
    if (!m_dialog)
        return true;
    if (!m_dialog->isVisible()) {
        // Shown only for a job still running after half a second, and never
        // just to vanish again after its last copy.
        if (m_clock.elapsed() < m_dialog->minimumDuration() || done >= m_dialog->maximum())
            return true;
    }
    m_dialog->setLabelText(labelText(done, m_dialog->maximum()));
    // The first time this shows the dialog; from then on it lets the dialog
    // handle its events (the button, repaints).
    m_dialog->setValue(done);
    if (!m_dialog)
        return true; // its window was deleted meanwhile
    if (m_dialog->isVisible() && !m_pointerSet) {
        // The busy pointer would hide that the dialog takes clicks.
        QApplication::setOverrideCursor(Qt::BusyCursor);
        m_pointerSet = true;
    }
    return !m_dialog->wasCanceled();
}

void JobProgressDialog::finish() {
    if (m_pointerSet) {
        QApplication::restoreOverrideCursor();
        m_pointerSet = false;
    }
    m_dialog.reset();
}

} // namespace pernoa::ui
