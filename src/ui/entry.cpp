#include "entry.h"

#include "batch.h"
#include "fontmap.h"
#include "gui.h"

namespace pernoa::ui {

int runApplication(int argc, char* argv[]) {
    // Settings and text items name Windows faces; both the windows and the
    // batch output need them mapped before any font is chosen.
    installFontSubstitutions();
    if (isBatchInvocation(argc, argv))
        return runBatch(argc, argv);
    return runGui(argc, argv);
}

} // namespace pernoa::ui
