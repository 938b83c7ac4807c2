#include "entry.h"

#include "batch.h"
#include "gui.h"

namespace pernoa::ui {

int runApplication(int argc, char* argv[]) {
    if (isBatchInvocation(argc, argv))
        return runBatch(argc, argv);
    return runGui(argc, argv);
}

} // namespace pernoa::ui
