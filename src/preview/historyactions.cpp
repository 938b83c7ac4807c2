#include "preview/historyactions.h"

#include "preview/texts.h"

#include <QAction>
#include <QUndoStack>

namespace pernoa::preview {

HistoryActions createHistoryActions(QUndoStack& history, QObject* parent,
                                    std::function<void()> before) {
    auto* undo = new QAction(parent);
    undo->setObjectName(QStringLiteral("actUndo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    auto* redo = new QAction(parent);
    redo->setObjectName(QStringLiteral("actRedo"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});

    const auto follow = [&history, undo, redo] {
        // A file name's "&" is no shortcut letter.
        const QString undoText = QString(history.undoText()).replace(u'&', QStringLiteral("&&"));
        const QString redoText = QString(history.redoText()).replace(u'&', QStringLiteral("&&"));
        undo->setText(undoText.isEmpty() ? texts::undo() : texts::undoStep(undoText));
        redo->setText(redoText.isEmpty() ? texts::redo() : texts::redoStep(redoText));
        undo->setEnabled(history.canUndo());
        redo->setEnabled(history.canRedo());
    };
    follow();
    QObject::connect(&history, &QUndoStack::indexChanged, undo, follow);
    QObject::connect(&history, &QUndoStack::cleanChanged, undo, follow);
    QObject::connect(undo, &QAction::triggered, &history, [&history, before] {
        if (before)
            before();
        history.undo();
    });
    QObject::connect(redo, &QAction::triggered, &history, [&history, before] {
        if (before)
            before();
        history.redo();
    });
    return {undo, redo};
}

} // namespace pernoa::preview
