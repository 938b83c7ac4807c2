#include "cli/batch.h"
#include "output/fontmap.h"
#include "ui/gui.h"

// The program: the windows by default, batch work when a batch option is given.
int main(int argc, char* argv[]) {
    // Settings and text items name Windows faces; both the windows and the
    // batch output need them mapped before any font is chosen.
    pernoa::output::installFontSubstitutions();
    if (pernoa::cli::isBatchInvocation(argc, argv))
        return pernoa::cli::runBatch(argc, argv);
    return pernoa::ui::runGui(argc, argv);
}
