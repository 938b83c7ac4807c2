#pragma once

#include <functional>

class QAction;
class QObject;
class QUndoStack;

namespace pernoa::preview {

// The undo and redo commands of a window on the page's history: Ctrl+Z for
// undo, Ctrl+Shift+Z and Ctrl+Y for redo, captions naming the step they take
// back or do again ("文字の移動を元に戻す(&U)"), disabled when there is none.
// `before` runs first each time (it ends a gesture in progress as a step of
// its own). The window adds them to its menus and to itself.
struct HistoryActions {
    QAction* undo;
    QAction* redo;
};

HistoryActions createHistoryActions(QUndoStack& history, QObject* parent,
                                    std::function<void()> before);

} // namespace pernoa::preview
