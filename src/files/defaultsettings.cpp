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

constexpr double kNoScaleCorrection = 100;

bool isScaleCorrection(double percent) {
    return percent >= kScaleCorrectionMin && percent <= kScaleCorrectionMax;
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
    // The scale correction follows on the same line, when it was not 100 %.
    // Both values or neither, and only values the field takes.
    double scaleX = kNoScaleCorrection;
    double scaleY = kNoScaleCorrection;
    if (!io.ReadDelimitedValue(scaleX, scaleY) || !isScaleCorrection(scaleX) ||
        !isScaleCorrection(scaleY)) {
        scaleX = kNoScaleCorrection;
        scaleY = kNoScaleCorrection;
    }
    form.setText(ctl::txtPrinterBairituX, num::toText(scaleX));
    form.setText(ctl::txtPrinterBairituY, num::toText(scaleY));
    io.M_Close();
}

bool SaveDefaultSettei(const IForm& form, const QString& path) {
    QList<double> numbers = {num::valOf(form.text(ctl::txtPrinterGosaX)),
                             num::valOf(form.text(ctl::txtPrinterGosaY))};
    const double scaleX = num::valOf(form.text(ctl::txtPrinterBairituX));
    const double scaleY = num::valOf(form.text(ctl::txtPrinterBairituY));
    if (scaleX != kNoScaleCorrection || scaleY != kNoScaleCorrection)
        numbers << scaleX << scaleY;
    // The configuration folder may not exist yet on a first run.
    QDir().mkpath(QFileInfo(path).absolutePath());
    clsFileIO io;
    return io.M_boOpen(path, true, false) && io.WriteDelimitedNumbers(numbers) && io.M_Close();
}

} // namespace pernoa
