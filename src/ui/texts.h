#pragma once

// The texts of the windows that a user reads, in one place: the main
// window's title, tabs, frames, commands and menus, the About box, the help
// window, the printer selection, the progress of a print job and the file
// commands' dialogs and messages. Each is wrapped for Qt's translation tools
// in the context "ui", the Japanese the program shows as the source text.
// The control captions are in the engine's catalogue (its control table),
// the buttons "OK" and "キャンセル" in the preview's.

#include <QString>

namespace pernoa::ui::texts {

// --- the main window: title, tabs, frames, commands and menus ---
QString mainWindowTitle(const QString& version);
QString sheetTab();
QString staffTab();
QString offsetHeading();
// The heading over the two fields of the printer's scale correction.
QString scaleCorrectionHeading();
// What stands between the two sides of a paper of the user's size.
QString sizeTimes();
QString paperFrame();
QString displayFrame();
QString previewButton();
QString printButton();
QString helpButton();
QString choosePrinterButton();
QString endButton();
QString settingsMenu();
QString openCommand();
QString saveCommand();
QString exportPdfCommand();
QString exportSvgCommand();
QString exportPngCommand();
QString calibrationCommand();
QString helpMenu();
QString helpCommand();
// The language menu and what it says.
QString languageMenu();
QString languageOfDesktop();
QString languageJapanese();
QString languageEnglish();
QString languageAtNextStart();
QString languageNotStored();
QString aboutCommand();

// --- the About box ---
QString aboutTitle(const QString& appTitle);
QString aboutVersion(const QString& version);
QString aboutDescription();
QString aboutDisclaimer();

// --- the help window ---
QString helpTitle();
// The help page's own title. The page was written for version 2.0 and its
// title says so; the program's version is in the main window's title and
// the About box.
QString helpHeading();
QString helpSubheading();
QString helpExcuse();
QString helpPurpose();
QString helpUsage();
QString helpTermsHeading();
// The labels of the terms diagram; a line break splits a label in two lines.
QString diagramTopMargin();
QString diagramBottomMargin();
QString diagramLeftMargin();
QString diagramRightMargin();
QString diagramStaffDistance();
QString diagramBlockGap();
QString diagramLineSpacing();
QString diagramLineWidth();
QString helpNoteUnits();
QString helpNoteStaffDistance();
QString helpNotePrinterShift();
// "ＯＫ" in full-width letters, unlike the other windows' "OK".
QString helpOk();

// --- the printer selection ---
QString printerDialogTitle();
QString choosePrinter();
QString noPrinterInstalled();
QString noScheduler();

// --- the progress of a print job ---
QString copiesDone(const QString& done, const QString& total);
QString stopJob();

// --- the file commands ---
QString settingsFileFilter();
QString pdfFileFilter();
QString pdfWritten(const QString& path);
QString svgFileFilter();
QString pngFileFilter();
QString svgWritten(const QString& path);
QString pngWritten(const QString& path);
QString pdfCancelled();
QString startupFileFailed();

// Started without any display: what is missing and what works without one
// (standard error, in English like the command line).
QString noDisplay();
// A warning on standard error, in the command line's form.
QString standardErrorWarning(const QString& text);

// --- the page as a document ---
// The question before unsaved changes would be lost, with and without the
// file's name, and its buttons (its cancel button is the preview's cancel()).
QString saveChangesQuestion();
QString saveChangesToFileQuestion(const QString& fileName);
QString saveButton();
QString discardButton();

// The main window's title with the current file's name after it.
QString titleWithFile(const QString& title, const QString& fileName);

QString editMenu();
// An entry of the recent files in the menu "設定": its number (the shortcut
// letter) and the file.
QString recentFileEntry(int number, const QString& file);

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
// A rastral number with its staff height ("3番（7mm）").
QString rastralEntry(const QString& number, const QString& heightMm);

} // namespace pernoa::ui::texts
