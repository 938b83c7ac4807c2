#pragma once

#include <QString>
#include <QStringList>

namespace pernoa::output {

// The Japanese Windows faces that settings files and text items name, each
// with the installed faces that stand in for it, best first.
struct FaceSubstitute {
    const char* windowsFace;
    QStringList substitutes;
};
const QList<FaceSubstitute>& japaneseFaceSubstitutes();

// Makes the Windows face names ("ＭＳ Ｐゴシック", "MS PGothic", ...) resolve to
// installed Japanese faces (the IPA fonts) wherever a font is chosen by name:
// the preview's labels, the printer and PDF output. Call once at program
// start; later calls change nothing. Needs no application object.
void installFontSubstitutions();

} // namespace pernoa::output
