#pragma once

// The texts of paper and PDF output that a user reads: the causes of a failed
// print job or export, which the command line names after the catch-all
// message ("pernoa: ..."), and the printers' state the command line reports.
// Each is wrapped for Qt's translation tools in the context "output", in the
// English the program shows today. A cause that quotes a coordinate or a
// size shows the number in its short form (six significant digits).

#include <QString>

namespace pernoa::output::texts {

// Output that could not be placed.
QString lineNotFinite();
QString textNotFinite();
QString pictureNotFinite();
QString lineBeyondDocument(double units);
QString textBeyondDocument(double units);
QString pictureBeyondDocument(double units);
QString rectangleNotFinite();
QString glyphsNotFinite();
QString rectangleBeyondDocument(double units);
QString glyphsBeyondDocument(double units);
// Glyphs of the music font given without a font the document can hold.
QString glyphsWithoutFont();

// The printers.
QString noPrinterInstalled();
QString noScheduler();
QString printerNotInstalled(const QString& printer);
QString printerLacksPaper(const QString& printer, const QString& paper);
QString cupsLibraryMissing();
QString printerUnknownToCups(const QString& printer, const QString& why);
QString jobRefused(const QString& why);
QString printerFailed();

// The document.
QString cannotCreateSpoolFile(const QString& why);
QString cannotWriteSpoolFile(const QString& why);
QString pageLayoutRefused();
QString cannotStartDrawing();
QString cannotStartPage();
QString cannotWriteDocument(const QString& why);
QString cannotFinishDocument();
QString paperNotSupported(const QString& paper);
QString orientationNotSupported(int code);
QString lineWidthNotSupported(int devicePixels);
QString lineWidthRatioNotSupported(double ratio);
QString fontSizeNotSupported(double points);
QString scaleCorrectionNotSupported(double x, double y);

// SVG and PNG pages.
QString svgHoldsOnePage();
QString pngHoldsOnePage();
QString cannotStartSvg();
QString pngResolutionNotSupported(int dpi);
// A PNG page refused before anything is written: its size in pixels and the
// memory it would take and may take, in MB, already worded as numbers.
QString pngTooLarge(const QString& width, const QString& height, const QString& megabytes,
                    const QString& allowedMegabytes);
QString pngOutOfMemory(int width, int height);
QString pngInColourOutOfMemory(int width, int height);
QString cannotStartPng();
QString cannotContinuePng();
QString cannotCompressPicture();

} // namespace pernoa::output::texts
