#include "gui.h"

#include "consolemessages.h"
#include "controls.h"
#include "headlessform.h"
#include "numberrules.h"
#include "tavriengine.h"

#include <QCoreApplication>

#include <cstdio>

namespace pernoa::ui {

// Until the windows exist: a summary of the default page's layout.
int runGui(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    HeadlessForm form;
    ConsoleMessages messages;
    TavriEngine engine(form, messages);
    engine.InitStartValues();
    engine.DrawTavriSheet(0);
    const auto& lines = engine.lastLines();
    const auto& s = engine.settings();
    std::printf("page %s x %s twips, %d staves of %d lines, %zu lines\n",
                qPrintable(num::toText(s.PaperWidthTwip)),
                qPrintable(num::toText(s.PaperHeightTwip)), s.DaifuhyoCnt * s.TavriDansu, s.LineCnt,
                lines.size());
    if (!lines.empty())
        std::printf("first line y %s, last line y %s, x %s to %s\n",
                    qPrintable(num::toText(lines.front().StartY)),
                    qPrintable(num::toText(lines.back().StartY)),
                    qPrintable(num::toText(lines.front().StartX)),
                    qPrintable(num::toText(lines.front().EndX)));
    std::printf("reference distance %s mm\n", qPrintable(form.text(ctl::txtTavriInterval)));
    return messages.errorsShown() ? 1 : 0;
}

} // namespace pernoa::ui
