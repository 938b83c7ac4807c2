#pragma once

// The windows' texts that a user reads, each in one place, with the Japanese
// as the source text for Qt's translation tools (context "ui").

#include <QString>

namespace pernoa::ui::texts {

// --- the main window's third tab ---
QString musicTab();
QString presetCaption();
QString presetPrompt();
QString stackColumnClef();
QString stackColumnLines();
QString stackColumnSpacing();
QString stackSpacingOfTheWindow();
QString stackHint();
QString stackAddRow();
QString stackRemoveRow();
QString groupingFrame();
QString barLinesFrame();
QString rastralCaption();
QString rastralNone();
// A rastral number with its staff height ("3（7mm）").
QString rastralEntry(const QString& number, const QString& heightMm);

} // namespace pernoa::ui::texts
