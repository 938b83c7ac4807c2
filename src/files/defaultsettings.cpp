#include "files/defaultsettings.h"

#include "engine/controls.h"
#include "engine/form.h"
#include "engine/numberrules.h"
#include "files/fileio.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdlib>

namespace pernoa {
namespace {

bool writableFolder(const QString& folder) {
    const QFileInfo info(folder);
    return !folder.isEmpty() && info.isDir() && info.isWritable();
}

} // namespace

QString DefaultSetteiPath(const QString& programFolder) {
    if (writableFolder(programFolder))
        return QDir(programFolder).filePath(DefaultSetteiName);
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return QDir(config).filePath(DefaultSetteiName);
}

QString SettingsDialogFolder(const QString& programFolder) {
    if (writableFolder(programFolder))
        return programFolder;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void LoadDefaultSettei(IForm& form, const QString& path) {
    clsFileIO io;
    double x = 0;
    double y = 0;
    if (io.M_boOpen(path, false, false) && io.ReadDelimitedValue(x, y)) {
        form.setText(ctl::txtPrinterGosaX, num::toText(x));
        form.setText(ctl::txtPrinterGosaY, num::toText(y));
    } else {
        form.setText(ctl::txtPrinterGosaX, QStringLiteral("0"));
        form.setText(ctl::txtPrinterGosaY, QStringLiteral("0"));
    }
    io.M_Close();
}

bool SaveDefaultSettei(const IForm& form, const QString& path) {
    const double x = valOf(form.text(ctl::txtPrinterGosaX));
    const double y = valOf(form.text(ctl::txtPrinterGosaY));
    // The configuration folder may not exist yet on a first run.
    QDir().mkpath(QFileInfo(path).absolutePath());
    clsFileIO io;
    return io.M_boOpen(path, true, false) && io.WriteDelimitedNumbers({x, y}) && io.M_Close();
}

double valOf(const QString& text) {
    QString s;
    s.reserve(text.size());
    for (QChar c : text)
        if (c != u' ' && c != u'\t' && c != u'\n')
            s += c;

    qsizetype i = 0;
    const qsizetype n = s.size();
    auto digits = [&] {
        const qsizetype from = i;
        while (i < n && s[i] >= u'0' && s[i] <= u'9')
            ++i;
        return i - from;
    };
    if (i < n && (s[i] == u'+' || s[i] == u'-'))
        ++i;
    qsizetype mantissa = digits();
    if (i < n && s[i] == u'.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return 0;
    qsizetype end = i;
    if (i < n && (s[i] == u'e' || s[i] == u'E')) {
        ++i;
        if (i < n && (s[i] == u'+' || s[i] == u'-'))
            ++i;
        if (digits() > 0)
            end = i;
    }
    // A value too large for a double stays infinite, and the writer then
    // refuses it (the old file stays).
    const QByteArray number = s.left(end).toLatin1();
    return std::strtod(number.constData(), nullptr);
}

} // namespace pernoa
