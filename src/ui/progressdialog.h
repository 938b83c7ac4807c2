#pragma once

#include "engine/progress.h"
#include "ui/dialogrunner.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QProgressDialog>

class QWidget;

namespace pernoa::ui {

// The windows' progress of a print job: a modal QProgressDialog with the
// copies done and a "中止" button, shown only when the job runs for more than
// half a second. The dialog gets its events (the button, repaints) only when
// a copy is done; being modal for the whole application, it is the only
// window that takes input meanwhile. Should its window be deleted during the
// job, the job goes on without the dialog.
class JobProgressDialog : public IProgress {
public:
    explicit JobProgressDialog(QWidget* parent = nullptr) : m_parent(parent) {}
    ~JobProgressDialog() override;

    void start(int total) override;
    bool step(int done) override;
    void finish() override;

    // The dialog of the job in progress (null between jobs, and once its
    // window is deleted).
    QProgressDialog* dialog() const { return m_dialog.get(); }

    // The label for copies done of the total.
    static QString labelText(int done, int total);

private:
    QPointer<QWidget> m_parent;
    OwnedDialog<QProgressDialog> m_dialog;
    QElapsedTimer m_clock;
    bool m_pointerSet = false;
};

} // namespace pernoa::ui
