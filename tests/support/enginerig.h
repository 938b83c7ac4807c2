#pragma once

#include "engine/headlessform.h"
#include "recorders.h"
#include "engine/tavriengine.h"

namespace pernoa::test {

// An engine on a headless form with recording messages, preview and printer,
// at the main window's start values.
struct EngineRig {
    HeadlessForm form;
    RecordingMessages messages;
    RecordingSurface surface;
    RecordingPrinter printer;
    TavriEngine engine{form, messages};

    EngineRig() {
        engine.InitStartValues();
        engine.setPreviewSurface(&surface);
        engine.setPreviewWindow(&surface);
        engine.setPrinter(&printer);
    }
};

} // namespace pernoa::test
