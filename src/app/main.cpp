// Prints a summary of the default page's layout. The windows and the PDF
// export take this place as they are built.

#include "consolemessages.h"
#include "controls.h"
#include "headlessform.h"
#include "numberrules.h"
#include "tavriengine.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    pernoa::HeadlessForm form;
    pernoa::ConsoleMessages messages;
    pernoa::TavriEngine engine(form, messages);
    engine.InitStartValues();
    engine.DrawTavriSheet(0);
    const auto& lines = engine.lastLines();
    const auto& s = engine.settings();
    std::printf("page %s x %s twips, %d staves of %d lines, %zu lines\n",
                qPrintable(pernoa::num::toText(s.PaperWidthTwip)),
                qPrintable(pernoa::num::toText(s.PaperHeightTwip)), s.DaifuhyoCnt * s.TavriDansu,
                s.LineCnt, lines.size());
    if (!lines.empty())
        std::printf("first line y %s, last line y %s, x %s to %s\n",
                    qPrintable(pernoa::num::toText(lines.front().StartY)),
                    qPrintable(pernoa::num::toText(lines.back().StartY)),
                    qPrintable(pernoa::num::toText(lines.front().StartX)),
                    qPrintable(pernoa::num::toText(lines.front().EndX)));
    std::printf("reference distance %s mm\n", qPrintable(form.text(pernoa::ctl::txtTavriInterval)));
    return messages.errorsShown() ? 1 : 0;
}
