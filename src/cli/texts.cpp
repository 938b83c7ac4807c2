#include "cli/texts.h"

#include <QCoreApplication>

namespace pernoa::cli::texts {

QString usage(const QString& paperLine, const QString& catchAll) {
    return QCoreApplication::translate(
               "cli",
               "Usage: pernoa --export-pdf OUT.pdf [OPTIONS] [SETTINGS.kvs2]\n"
               "   or: pernoa --export-svg OUT.svg [OPTIONS] [SETTINGS.kvs2]\n"
               "   or: pernoa --export-png OUT.png [--dpi N] [OPTIONS] [SETTINGS.kvs2]\n"
               "   or: pernoa --print [--printer NAME] [OPTIONS] [SETTINGS.kvs2]\n"
               "   or: pernoa --save-settings OUT.kvs2 [OPTIONS] [SETTINGS.kvs2]\n"
               "   or: pernoa --calibration-sheet --print | --export-pdf OUT.pdf [OPTIONS]\n"
               "   or: pernoa --list-printers\n"
               "   or: pernoa --help | --version\n"
               "Without any of these options pernoa opens its windows.\n"
               "\n"
               "Prints blank staff paper without opening a window. Every message the\n"
               "windows would show goes to standard error.\n"
               "\n"
               "Actions:\n"
               "  --export-pdf OUT.pdf   write the page to a PDF file, one page per copy;\n"
               "                         - writes it to standard output\n"
               "  --export-svg OUT.svg   write the page to an SVG file (one page, in mm), a\n"
               "                         template for note-taking apps\n"
               "  --export-png OUT.png   write the page to a PNG picture (one page)\n"
               "  --dpi N                with --export-png: its resolution, 50 to 1200 (300)\n"
               "  --print                print on the system's default printer\n"
               "  --save-settings OUT.kvs2  write the page as a settings file of the windows\n"
               "  --printer NAME         with --print: print on the installed printer NAME\n"
               "  --list-printers        list the installed printers, the default marked\n"
               "  --calibration-sheet    with --print or --export-pdf: instead of the page, a\n"
               "                         sheet to measure the printer's offsets and scale on:\n"
               "                         a frame 10 mm inside the paper's edges and 100 mm\n"
               "                         rulers (paper and orientation from the options;\n"
               "                         drawn without the offsets, printed at the scale\n"
               "                         correction)\n"
               "  --verbose              after an export, name the file and its page count\n"
               "  --lang ja|en           speak Japanese or English (the windows too); without\n"
               "                         it, the language chosen in the windows, else the\n"
               "                         desktop's (Japanese under the C locale)\n"
               "  -h, --help             show this help\n"
               "  -V, --version          show the version\n"
               "\n"
               "Sheet options, the fields of the main window (checked as the window checks\n"
               "them; lengths in mm):\n"
               "%1\n"
               "  --landscape                       landscape orientation (portrait)\n"
               "  --margins TOP,BOTTOM,LEFT,RIGHT   page margins (30,30,15,15)\n"
               "  --blocks N                        number of grand-staff blocks (1)\n"
               "  --block-gap MM                    gap between the blocks (0)\n"
               "  --staves N                        staves in each block (10)\n"
               "  --lines 2..6                      lines of each staff (5)\n"
               "  --spacing MM                      space between the lines of a staff (2)\n"
               "  --weight thin|normal|thick        line weight (normal)\n"
               "  --shade 0..255                    grey level of the lines, 0 black (0)\n"
               "  --offset X,Y                      printer offset correction, left and top; "
               "--print\n"
               "                                    takes the windows' saved correction without "
               "it\n"
               "  --scale X,Y                       with --print: printer scale correction across\n"
               "                                    and down, 98.0 to 102.0 %; without it the\n"
               "                                    windows' saved correction (100,100)\n"
               "  --copies N                        number of copies (1); not for SVG and PNG\n"
               "\n"
               "Music on the staves (the third tab of the main window):\n"
               "  --preset piano|guitar-tab|satb|percussion|plain\n"
               "                                    fill the fields as the window's preset does;\n"
               "                                    the other options override it, in any order\n"
               "  --stack ROWS                      the staves of each block from the top,\n"
               "                                    separated by commas, each\n"
               "                                    CLEF[:LINES[:SPACING]] with CLEF one of\n"
               "                                    treble bass alto tenor treble8 percussion\n"
               "                                    tab none; LINES 1..6 (5); SPACING in mm\n"
               "                                    (--spacing); e.g. --stack treble,tab:6:3\n"
               "  --brace                           a brace before each block\n"
               "  --bracket                         a bracket before each block\n"
               "  --bars N                          bar lines: N measures per staff line (0)\n"
               "  --bars-through block|staff        bar lines through the block or over each\n"
               "                                    staff alone (block)\n"
               "  --rastral 0..8                    staff size: the spacing whose staff has the\n"
               "                                    rastral's height (9.2 mm to 3.9 mm)\n"
               "An option's value may also follow an equals sign (--copies=3).\n"
               "\n"
               "SETTINGS.kvs2, a settings file of the windows (parameters, texts, images), is\n"
               "loaded before the sheet options are applied. A file that does not load\n"
               "completely stops the run with its messages: nothing is written or printed.\n"
               "\n"
               "An export says nothing when it succeeds; after the windows' message\n"
               "\"%2\" a line starting \"pernoa:\" names the cause.\n"
               "\n"
               "Exit status: 0 when done, 1 after an error message, 2 for a usage error.\n")
        .arg(paperLine, catchAll);
}

QString paperHelp(const QString& defaultPaper, const QString& least, const QString& greatest) {
    return QCoreApplication::translate("cli", "paper (%1); WIDTHxHEIGHT in mm, each\n"
                                              "                                    %2 to %3 "
                                              "(230x305)")
        .arg(defaultPaper, least, greatest);
}

QString version(const QString& version) {
    return QCoreApplication::translate("cli", "pernoa %1").arg(version);
}

QString usageError(const QString& error) {
    return QCoreApplication::translate("cli",
                                       "pernoa: %1\nTry 'pernoa --help' for more information.")
        .arg(error);
}

QString choiceOr(const QString& head, const QString& last) {
    return QCoreApplication::translate("cli", "%1 or %2").arg(head, last);
}

QString choiceSeparator() {
    return QCoreApplication::translate("cli", ", ");
}

QString takesValues(const QString& option, const QString& values, const QString& value) {
    return QCoreApplication::translate("cli", "%1 takes %2, not \"%3\"").arg(option, values, value);
}

QString paperTakes(const QString& choices, const QString& value) {
    return QCoreApplication::translate("cli", "--paper takes %1, not \"%2\"").arg(choices, value);
}

QString paperSidesTake(const QString& least, const QString& greatest, const QString& value) {
    return QCoreApplication::translate(
               "cli", "--paper takes a width and height from %1 to %2 mm, not \"%3\"")
        .arg(least, greatest, value);
}

QString scaleTakes(const QString& least, const QString& greatest, const QString& value) {
    return QCoreApplication::translate("cli",
                                       "--scale takes X,Y in per cent from %1 to %2, not \"%3\"")
        .arg(least, greatest, value);
}

QString dpiTakes(const QString& least, const QString& greatest, const QString& value) {
    return QCoreApplication::translate("cli",
                                       "--dpi takes a whole number from %1 to %2, not \"%3\"")
        .arg(least, greatest, value);
}

QString linesTake(const QString& value) {
    return QCoreApplication::translate("cli", "--lines takes 2, 3, 4, 5 or 6, not \"%1\"")
        .arg(value);
}

QString weightTakes(const QString& value) {
    return QCoreApplication::translate("cli", "--weight takes thin, normal or thick, not \"%1\"")
        .arg(value);
}

QString shadeTakes(const QString& value) {
    return QCoreApplication::translate("cli",
                                       "--shade takes a whole number from 0 to 255, not \"%1\"")
        .arg(value);
}

QString needsValue(const QString& option) {
    return QCoreApplication::translate("cli", "%1 needs a value").arg(option);
}

QString takesNoValue(const QString& option) {
    return QCoreApplication::translate("cli", "%1 takes no value").arg(option);
}

QString unknownOption(const QString& option) {
    return QCoreApplication::translate("cli", "unknown option %1").arg(option);
}

QString langTakes(const QString& value) {
    return QCoreApplication::translate("cli", "--lang takes ja or en, not \"%1\"").arg(value);
}

QString cannotBeCombined(const QString& option) {
    return QCoreApplication::translate("cli", "%1 cannot be combined with another action")
        .arg(option);
}

QString exportNeedsFileName(const QString& option) {
    return QCoreApplication::translate("cli", "%1 needs a file name").arg(option);
}

QString writesFileNotStandardOutput(const QString& option) {
    return QCoreApplication::translate("cli", "%1 writes a file, not standard output").arg(option);
}

QString saveNeedsFileName() {
    return QCoreApplication::translate("cli", "--save-settings needs a file name");
}

QString onlyOneSettingsFile(const QString& another) {
    return QCoreApplication::translate("cli",
                                       "only one settings file may be given, not also \"%1\"")
        .arg(another);
}

QString settingsFileNameEmpty() {
    return QCoreApplication::translate("cli", "the settings file name is empty");
}

QString nothingToDo() {
    return QCoreApplication::translate(
        "cli", "nothing to do: give --export-pdf, --export-svg, --export-png, --print, "
               "--save-settings or --list-printers");
}

QString listPrintersAlone() {
    return QCoreApplication::translate("cli", "--list-printers takes no other option");
}

QString printerOnlyWithPrint() {
    return QCoreApplication::translate("cli", "--printer only goes with --print");
}

QString scaleOnlyWithPrint() {
    return QCoreApplication::translate("cli", "--scale only goes with --print");
}

QString dpiOnlyWithPng() {
    return QCoreApplication::translate("cli", "--dpi only goes with --export-png");
}

QString copiesNotWithPicture(const QString& option) {
    return QCoreApplication::translate("cli", "--copies does not go with %1: it writes one page")
        .arg(option);
}

QString calibrationOnlyWithOutput() {
    return QCoreApplication::translate(
        "cli", "--calibration-sheet only goes with --print or --export-pdf");
}

QString stackTakesRows(const QString& value) {
    return QCoreApplication::translate(
               "cli", "--stack takes rows CLEF[:LINES[:SPACING]] separated by commas, not \"%1\"")
        .arg(value);
}

QString stackClefTakes(const QString& choices, const QString& clef) {
    return QCoreApplication::translate("cli", "--stack: the clef is one of %1, not \"%2\"")
        .arg(choices, clef);
}

QString rastralTakes(const QString& fewest, const QString& most, const QString& value) {
    return QCoreApplication::translate("cli",
                                       "--rastral takes a whole number from %1 to %2, not \"%3\"")
        .arg(fewest, most, value);
}

QString line(const QString& text) {
    return QCoreApplication::translate("cli", "pernoa: %1").arg(text);
}

QString warning(const QString& text) {
    return QCoreApplication::translate("cli", "pernoa: warning: %1").arg(text);
}

QString cannotWriteStandardOutput(const QString& why) {
    return QCoreApplication::translate("cli", "pernoa: cannot write to standard output: %1")
        .arg(why);
}

QString noPrinterNamed(const QString& name) {
    return QCoreApplication::translate("cli", "pernoa: no installed printer is named \"%1\"")
        .arg(name);
}

QString standardOutputIsTerminal() {
    return QCoreApplication::translate(
        "cli", "pernoa: standard output is a terminal: redirect it to write the PDF there");
}

QString copiesRoundToZeroNothingWritten() {
    return QCoreApplication::translate("cli",
                                       "pernoa: the copy count rounds to 0, nothing was written");
}

QString copiesRoundToZeroNothingPrinted() {
    return QCoreApplication::translate("cli",
                                       "pernoa: the copy count rounds to 0, nothing was printed");
}

QString wroteFileOnePage(const QString& path) {
    return QCoreApplication::translate("cli", "pernoa: wrote %1, 1 page").arg(path);
}

QString wroteFilePages(const QString& path, const QString& pages) {
    return QCoreApplication::translate("cli", "pernoa: wrote %1, %2 pages").arg(path, pages);
}

QString wroteStandardOutputOnePage() {
    return QCoreApplication::translate("cli", "pernoa: wrote the PDF to standard output, 1 page");
}

QString wroteStandardOutputPages(const QString& pages) {
    return QCoreApplication::translate("cli", "pernoa: wrote the PDF to standard output, %1 pages")
        .arg(pages);
}

QString copyOf(const QString& done, const QString& total) {
    return QCoreApplication::translate("cli", "pernoa: copy %1 of %2").arg(done, total);
}

QString defaultPrinter(const QString& name) {
    return QCoreApplication::translate("cli", "%1 (default)").arg(name);
}

} // namespace pernoa::cli::texts
