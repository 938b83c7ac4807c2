#include "output/fontmap.h"

#include "engine/formatwords.h"

#include <QFont>

namespace pernoa::output {

const QList<FaceSubstitute>& japaneseFaceSubstitutes() {
    // Proportional faces map to the proportional IPA faces, fixed-pitch to
    // fixed-pitch, so text keeps the width it had when it was placed. Other
    // common Japanese faces follow in case the IPA fonts are missing.
    static const QStringList pGothic = {QStringLiteral("IPAPGothic"), QStringLiteral("VL PGothic"),
                                        QStringLiteral("Noto Sans CJK JP"),
                                        QStringLiteral("IPAGothic")};
    static const QStringList gothic = {QStringLiteral("IPAGothic"), QStringLiteral("VL Gothic"),
                                       QStringLiteral("Noto Sans Mono CJK JP"),
                                       QStringLiteral("IPAPGothic")};
    static const QStringList mincho = {QStringLiteral("IPAMincho"),
                                       QStringLiteral("Noto Serif CJK JP"),
                                       QStringLiteral("IPAPMincho")};
    static const QStringList pMincho = {QStringLiteral("IPAPMincho"),
                                        QStringLiteral("Noto Serif CJK JP"),
                                        QStringLiteral("IPAMincho")};
    static const QList<FaceSubstitute> table = {
        {face::kMsPGothic, pGothic}, {face::kMsPGothicEnglish, pGothic},
        {face::kMsGothic, gothic},   {face::kMsGothicEnglish, gothic},
        {face::kMsMincho, mincho},   {face::kMsMinchoEnglish, mincho},
        {face::kMsPMincho, pMincho}, {face::kMsPMinchoEnglish, pMincho},
    };
    return table;
}

void installFontSubstitutions() {
    static const bool installed = [] {
        for (const FaceSubstitute& face : japaneseFaceSubstitutes())
            QFont::insertSubstitutions(QString::fromUtf8(face.windowsFace), face.substitutes);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace pernoa::output
