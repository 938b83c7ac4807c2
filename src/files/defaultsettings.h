#pragma once

// The default settings file "tavri_settei": the printer's corrections, kept
// from one run to the next as one line: the two offsets in mm, then, only
// when it is not 100 %, the scale correction in percent, horizontal first
// (0,0 or 1.5,-2 or 1.5,-2,100.4,99.6). The earlier versions read the first
// two numbers and stop. Nothing else is stored there.
//
// It lives in the program's folder when the program may write there (a copy
// of the program carried on a stick keeps its own offsets); otherwise, as for
// an installed program, in the user's configuration folder
// (~/.config/pernoa/tavri_settei).

#include "files/formatwords.h"

#include <QString>

namespace pernoa {

class IForm;

// Where the default settings file is read and written for a program in
// programFolder.
QString DefaultSetteiPath(const QString& programFolder);

// Where the settings file dialogs start: the program's folder when the
// program may write there, otherwise the user's documents folder.
QString settingsDialogFolder(const QString& programFolder);

// Puts the saved offsets into txtPrinterGosaX and txtPrinterGosaY as number
// texts (1.5, -0.25, 0); "0" into both when the file is missing, unreadable or
// holds fewer than two values. The scale correction into txtPrinterBairituX
// and txtPrinterBairituY likewise; "100" into both unless the file holds two
// more values in the field's range. Shows nothing.
void LoadDefaultSettei(IForm& form, const QString& path);

// Writes the numeric values of the two offset texts (the number at their
// start: 1.5mm gives 1.5, abc gives 0), horizontal first, and of the two
// scale texts when either is not 100. The file is
// replaced only when completely written; a failure keeps the old file and
// shows nothing. True when written.
bool SaveDefaultSettei(const IForm& form, const QString& path);

} // namespace pernoa
