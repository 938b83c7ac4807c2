#include "cli/batch.h"
#include "output/fontmap.h"
#include "ui/gui.h"

#include <csignal>

// The program: the windows by default, batch work when a batch option is given.
int main(int argc, char* argv[]) {
#ifdef SIGXFSZ
    // A file that would pass the process's file size limit must end in the
    // write error path (which keeps the old file and says so), not kill the
    // program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    // Settings and text items name Windows faces; both the windows and the
    // batch output need them mapped before any font is chosen.
    pernoa::output::installFontSubstitutions();
    if (pernoa::cli::isBatchInvocation(argc, argv))
        return pernoa::cli::runBatch(argc, argv);
    return pernoa::ui::runGui(argc, argv);
}
