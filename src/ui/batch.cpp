#include "batch.h"

#include <cstring>

namespace pernoa::ui {

bool isBatchInvocation(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--", 2) == 0)
            return true;
    return false;
}

int runBatch(int, char*[]) {
    return 2;
}

} // namespace pernoa::ui
