#pragma once

// The texts of the settings files that a user reads, in one place: the
// loading and saving messages and the causes of a failed save. Each is
// wrapped for Qt's translation tools in the context "files"; its source text
// is the text as the program shows it today, Japanese, or the English of the
// causes. The words of the file's format are in formatwords.h.

#include <QString>

namespace pernoa::files::texts {

// --- loading ---
QString cannotOpen();
QString tavriSectionNotLoaded();
QString textSectionNotLoaded();
QString imageSectionNotLoaded();
QString paperSectionNotLoaded();
// A field of the parameter line, named by its caption, holds a value the
// program never writes.
QString valueNotReadable(const QString& field, const QString& value);
// A line of a section of key=value lines that is refused, quoted short.
QString lineNotReadable(const QString& line);
// The n-th text item's size is none the program writes.
QString fontSizeNotReadable(const QString& n, const QString& text, const QString& size);
QString pictureNotAtPath();
QString clearingFailed();

// --- saving ---
QString saveFailed();
QString incompleteNotSaved();
QString cannotBeWrittenFaithfully();
QString fixAndSave();
// What cannot be written of the n-th text item (quoted) or image item: a
// character code page 932 lacks, the two characters \n in a text, or a line
// that is a section marker.
QString textHasUnwritableCharacter(const QString& n, const QString& text);
QString textHasEscapedBreak(const QString& n, const QString& text);
QString textHasMarkerLine(const QString& n, const QString& text);
QString fontHasUnwritableCharacter(const QString& n, const QString& text);
QString fontHasMarkerLine(const QString& n, const QString& text);
QString colourHasUnwritableCharacter(const QString& n, const QString& text);
QString colourHasMarkerLine(const QString& n, const QString& text);
QString imagePathHasUnwritableCharacter(const QString& n);
QString imagePathHasMarkerLine(const QString& n);

// --- causes of a failed save or export (the command line's "pernoa:" line) ---
QString cannotWriteFile(const QString& path, const QString& why);
QString cannotWriteSettings(const QString& why);
QString noFileName();
QString converterMissing();
QString notRegularFile();
QString deviceNotOpenForThis();
QString numberNotFinite();

// The music section of a settings file was refused (followed by
// lineNotReadable()).
QString musicSectionUnreadable();

} // namespace pernoa::files::texts
