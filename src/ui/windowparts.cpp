#include "ui/windowparts.h"

#include "engine/formatwords.h"

#include <QFontDatabase>
#include <QStringList>

// The resources live in a static library: they are registered by name before
// their first use, outside any namespace as the macro requires.
static void registerUiResources() {
    Q_INIT_RESOURCE(ui);
}

namespace pernoa::ui {
namespace {

void ensureResources() {
    static const bool done = (registerUiResources(), true);
    Q_UNUSED(done);
}

bool isRoundedFace(const QString& family) {
    for (const char* mark : face::kRoundedFaceMarks)
        if (family.contains(QString::fromUtf8(mark), Qt::CaseInsensitive))
            return true;
    return false;
}

} // namespace

QIcon programIcon() {
    ensureResources();
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/pernoa/icon/%1.png").arg(size), QSize(size, size));
    return icon;
}

QString termsDiagramPath() {
    ensureResources();
    return QStringLiteral(":/pernoa/terms.svg");
}

QFont displayFont(double points) {
    static const QString face = [] {
        const QStringList families = QFontDatabase::families(QFontDatabase::Japanese);
        for (const QString& family : families)
            if (isRoundedFace(family))
                return family;
        return QStringLiteral("IPAPGothic");
    }();
    QFont font(face);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

} // namespace pernoa::ui
