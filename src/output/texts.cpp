#include "output/texts.h"

#include "engine/numberrules.h"

#include <QCoreApplication>

namespace pernoa::output::texts {

QString lineNotFinite() {
    return QCoreApplication::translate("output", "line: coordinate is not a finite number");
}

QString textNotFinite() {
    return QCoreApplication::translate("output", "text: coordinate is not a finite number");
}

QString pictureNotFinite() {
    return QCoreApplication::translate("output", "picture: coordinate is not a finite number");
}

QString rectangleNotFinite() {
    return QCoreApplication::translate("output", "rectangle: coordinate is not a finite number");
}

QString glyphsNotFinite() {
    return QCoreApplication::translate("output", "glyphs: coordinate is not a finite number");
}

QString rectangleBeyondDocument(double units) {
    return QCoreApplication::translate(
               "output", "rectangle: coordinate %1 is beyond what the document can hold")
        .arg(units);
}

QString glyphsBeyondDocument(double units) {
    return QCoreApplication::translate("output",
                                       "glyphs: coordinate %1 is beyond what the document can hold")
        .arg(units);
}

QString glyphsWithoutFont() {
    return QCoreApplication::translate("output", "glyphs: no usable font");
}

QString lineBeyondDocument(double units) {
    return QCoreApplication::translate("output",
                                       "line: coordinate %1 is beyond what the document can hold")
        .arg(units);
}

QString textBeyondDocument(double units) {
    return QCoreApplication::translate("output",
                                       "text: coordinate %1 is beyond what the document can hold")
        .arg(units);
}

QString pictureBeyondDocument(double units) {
    return QCoreApplication::translate(
               "output", "picture: coordinate %1 is beyond what the document can hold")
        .arg(units);
}

QString noPrinterInstalled() {
    return QCoreApplication::translate("output", "no printer is installed");
}

QString noScheduler() {
    return QCoreApplication::translate("output", "no print scheduler is running");
}

QString printerNotInstalled(const QString& printer) {
    return QCoreApplication::translate("output", "printer %1 is not installed").arg(printer);
}

QString printerLacksPaper(const QString& printer, const QString& paper) {
    return QCoreApplication::translate("output", "printer %1 has no %2 paper").arg(printer, paper);
}

QString cupsLibraryMissing() {
    return QCoreApplication::translate(
        "output", "the printing system's library (libcups.so.2) cannot be loaded");
}

QString printerUnknownToCups(const QString& printer, const QString& why) {
    return QCoreApplication::translate("output",
                                       "printer %1 is not known to the printing system: %2")
        .arg(printer, why);
}

QString jobRefused(const QString& why) {
    return QCoreApplication::translate("output", "the printing system refused the job: %1")
        .arg(why);
}

QString printerFailed() {
    return QCoreApplication::translate("output", "the printer failed");
}

QString cannotCreateSpoolFile(const QString& why) {
    return QCoreApplication::translate("output", "cannot create the spool file: %1").arg(why);
}

QString cannotWriteSpoolFile(const QString& why) {
    return QCoreApplication::translate("output", "cannot write the spool file: %1").arg(why);
}

QString pageLayoutRefused() {
    return QCoreApplication::translate("output", "the page layout was refused");
}

QString cannotStartDrawing() {
    return QCoreApplication::translate("output", "cannot start drawing the document");
}

QString cannotStartPage() {
    return QCoreApplication::translate("output", "cannot start a new page");
}

QString cannotWriteDocument(const QString& why) {
    return QCoreApplication::translate("output", "cannot write the document: %1").arg(why);
}

QString cannotFinishDocument() {
    return QCoreApplication::translate("output", "cannot finish the document");
}

QString paperNotSupported(const QString& paper) {
    return QCoreApplication::translate("output", "paper size %1 is not supported").arg(paper);
}

QString orientationNotSupported(int code) {
    return QCoreApplication::translate("output", "orientation %1 is not supported")
        .arg(num::toText(code));
}

QString lineWidthRatioNotSupported(double ratio) {
    return QCoreApplication::translate("output", "line width ratio %1 is not supported").arg(ratio);
}

QString lineWidthNotSupported(int devicePixels) {
    return QCoreApplication::translate("output", "line width %1 is not supported")
        .arg(num::toText(devicePixels));
}

QString fontSizeNotSupported(double points) {
    return QCoreApplication::translate("output", "font size %1 is not supported").arg(points);
}

QString scaleCorrectionNotSupported(double x, double y) {
    return QCoreApplication::translate("output", "scale correction %1 x %2 is not supported")
        .arg(num::toText(x), num::toText(y));
}

QString svgHoldsOnePage() {
    return QCoreApplication::translate("output", "an SVG file holds one page");
}

QString pngHoldsOnePage() {
    return QCoreApplication::translate("output", "a PNG file holds one page");
}

QString cannotStartSvg() {
    return QCoreApplication::translate("output", "cannot start drawing the SVG file");
}

QString pngResolutionNotSupported(int dpi) {
    return QCoreApplication::translate("output", "a resolution of %1 dpi is not supported")
        .arg(num::toText(dpi));
}

QString pngTooLarge(const QString& width, const QString& height, const QString& megabytes,
                    const QString& allowedMegabytes) {
    return QCoreApplication::translate("output",
                                       "a PNG of %1 x %2 pixels would take %3 MB of memory, more "
                                       "than the %4 MB allowed: choose a lower resolution")
        .arg(width, height, megabytes, allowedMegabytes);
}

QString pngOutOfMemory(int width, int height) {
    return QCoreApplication::translate("output", "not enough memory for a PNG of %1 x %2 pixels")
        .arg(num::toText(width), num::toText(height));
}

QString pngInColourOutOfMemory(int width, int height) {
    return QCoreApplication::translate("output",
                                       "not enough memory for a PNG of %1 x %2 pixels in colour")
        .arg(num::toText(width), num::toText(height));
}

QString cannotStartPng() {
    return QCoreApplication::translate("output", "cannot start drawing the PNG picture");
}

QString cannotContinuePng() {
    return QCoreApplication::translate("output", "cannot go on drawing the PNG picture");
}

QString cannotCompressPicture() {
    return QCoreApplication::translate("output", "cannot compress the picture");
}

} // namespace pernoa::output::texts
