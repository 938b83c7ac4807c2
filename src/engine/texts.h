#pragma once

// The engine's texts that a user reads, each in one place, with the Japanese
// as the source text for Qt's translation tools (context "engine").

#include <QString>

namespace pernoa::texts {

// --- the staff stack, checked as the window's fields are ---
QString stackTooManyRows(int most);
QString stackLineCountRange(int row, int fewest, int most);
// The field names the window's number messages put in front of their words.
QString stackLineCountField(int row);
QString stackSpacingField(int row);
QString stackSpacingWrong(int row);
QString stackClefUnknown(int row, const QString& word);
QString stackClefWrong(int row);
QString stackUnreadable(const QString& text);
QString groupingWrong();
QString barReachWrong();
QString measuresField();
QString measuresNotWhole();
QString tooManyMeasures(int room);

// --- the third tab's reading of the staff size ---
QString staffHeight(const QString& millimetres);

// --- the page's warnings ---
QString musicFontMissing();

} // namespace pernoa::texts
