#include "files/defaultsettings.h"

#include "engine/controls.h"
#include "engine/form.h"
#include "engine/numberrules.h"
#include "files/fileio.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace pernoa {
namespace {

bool writableFolder(const QString& folder) {
    const QFileInfo info(folder);
    return !folder.isEmpty() && info.isDir() && info.isWritable();
}

} // namespace

QString DefaultSetteiPath(const QString& programFolder) {
    if (writableFolder(programFolder))
        return QDir(programFolder).filePath(kDefaultSetteiName);
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return QDir(config).filePath(kDefaultSetteiName);
}

QString settingsDialogFolder(const QString& programFolder) {
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
    const double x = num::valOf(form.text(ctl::txtPrinterGosaX));
    const double y = num::valOf(form.text(ctl::txtPrinterGosaY));
    // The configuration folder may not exist yet on a first run.
    QDir().mkpath(QFileInfo(path).absolutePath());
    clsFileIO io;
    return io.M_boOpen(path, true, false) && io.WriteDelimitedNumbers({x, y}) && io.M_Close();
}

} // namespace pernoa
