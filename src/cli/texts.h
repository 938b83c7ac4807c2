#pragma once

// The texts of the command line that a user reads, in one place: the help,
// the usage errors, the progress line and the lines it writes on standard
// error. Each is wrapped for Qt's translation tools in the context "cli", in
// the English the command line shows today. The option names, their value
// names and the paper names are words of the command line's format, not
// texts: a translation never changes what the command line takes.

#include <QString>

namespace pernoa::cli::texts {

// --- the help ---
// The whole help: paperLine is the --paper line (the option and its values,
// then paperHelp's description in the descriptions' column), catchAll the
// windows' catch-all message the help quotes.
QString usage(const QString& paperLine, const QString& catchAll);
// The --paper line's description: the default paper, and the least and the
// greatest side of a paper of the user's size; its second line starts in the
// descriptions' column.
QString paperHelp(const QString& defaultPaper, const QString& least, const QString& greatest);
QString version(const QString& version);

// --- usage errors ---
// The line a usage error is reported in, with its hint.
QString usageError(const QString& error);
// "A3, A4, A5, B4 or B5": a list of choices, built from its last two entries
// joined by choiceOr() and the others by choiceSeparator().
QString choiceOr(const QString& head, const QString& last);
QString choiceSeparator();
QString takesValues(const QString& option, const QString& values, const QString& value);
QString paperTakes(const QString& choices, const QString& value);
// A paper of the user's size outside the sides it may have, a scale
// correction or a resolution out of range: the range, then the value given.
QString paperSidesTake(const QString& least, const QString& greatest, const QString& value);
QString scaleTakes(const QString& least, const QString& greatest, const QString& value);
QString dpiTakes(const QString& least, const QString& greatest, const QString& value);
QString linesTake(const QString& value);
QString weightTakes(const QString& value);
QString shadeTakes(const QString& value);
QString needsValue(const QString& option);
QString takesNoValue(const QString& option);
QString unknownOption(const QString& option);
QString langTakes(const QString& value);
QString cannotBeCombined(const QString& option);
QString exportNeedsFileName(const QString& option);
QString writesFileNotStandardOutput(const QString& option);
QString saveNeedsFileName();
QString onlyOneSettingsFile(const QString& another);
QString settingsFileNameEmpty();
QString nothingToDo();
QString listPrintersAlone();
QString printerOnlyWithPrint();
QString scaleOnlyWithPrint();
QString dpiOnlyWithPng();
QString copiesNotWithPicture(const QString& option);
QString calibrationOnlyWithOutput();
QString stackTakesRows(const QString& value);
QString stackClefTakes(const QString& choices, const QString& clef);
QString rastralTakes(const QString& fewest, const QString& most, const QString& value);

// --- lines on standard error, each after "pernoa: " ---
QString line(const QString& text);
QString warning(const QString& text);
QString cannotWriteStandardOutput(const QString& why);
QString noPrinterNamed(const QString& name);
QString standardOutputIsTerminal();
QString copiesRoundToZeroNothingWritten();
QString copiesRoundToZeroNothingPrinted();
QString wroteFileOnePage(const QString& path);
QString wroteFilePages(const QString& path, const QString& pages);
QString wroteStandardOutputOnePage();
QString wroteStandardOutputPages(const QString& pages);
// The progress line of a long job.
QString copyOf(const QString& done, const QString& total);

// --- the printer list on standard output ---
QString defaultPrinter(const QString& name);

} // namespace pernoa::cli::texts
