#include "output/fontmap.h"

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
        {"ＭＳ Ｐゴシック", pGothic}, {"MS PGothic", pGothic}, {"ＭＳ ゴシック", gothic},
        {"MS Gothic", gothic},        {"ＭＳ 明朝", mincho},   {"MS Mincho", mincho},
        {"ＭＳ Ｐ明朝", pMincho},     {"MS PMincho", pMincho},
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
