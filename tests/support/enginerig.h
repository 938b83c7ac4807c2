#pragma once

#include "engine/controls.h"
#include "engine/headlessform.h"
#include "engine/papersizes.h"
#include "engine/tavriengine.h"
#include "recorders.h"

namespace pernoa::test {

// The main window's handlers of the landscape box and the paper options, run
// when a reader sets them on a headless form, as they run for the user.
inline void wirePageHandlers(HeadlessForm& form, TavriEngine& engine) {
    form.onChanged = [&form, &engine](const QString& control) {
        if (control == QLatin1String(ctl::chkPrintDirectionYoko))
            engine.onLandscapeClicked();
        for (const PaperSize& p : paperTable())
            if (control == QLatin1String(p.option) && form.isChecked(p.option))
                engine.onPaperOptionSelected(p.kind);
    };
}

// An engine on a headless form with recording messages, preview and printer,
// at the main window's start values.
struct EngineRig {
    HeadlessForm form;
    RecordingMessages messages;
    RecordingSurface surface;
    RecordingPrinter printer;
    TavriEngine engine{form, messages};

    EngineRig() {
        engine.initStartValues();
        engine.setPreviewSurface(&surface);
        engine.setPreviewWindow(&surface);
        engine.setPrinter(&printer);
    }
};

} // namespace pernoa::test
