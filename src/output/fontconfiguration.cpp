#include "output/fontconfiguration.h"

#include <fontconfig/fontconfig.h>

namespace pernoa::output {

void startWithoutSystemFonts() {
    static bool started = false;
    if (started)
        return;
    started = true;
    // The configuration becomes the process's own; fontconfig releases it
    // when Qt's font database does.
    if (FcConfig* config = FcConfigCreate()) {
        if (!FcConfigSetCurrent(config))
            FcConfigDestroy(config);
    }
}

} // namespace pernoa::output
