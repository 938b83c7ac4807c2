#pragma once

// The texts of the windows the user reads (those added with the page as a
// document; the rest still stand where they are shown).

#include <QString>

namespace pernoa::ui::texts {

// The question before unsaved changes would be lost, with and without the
// file's name, and its buttons.
QString saveChangesQuestion();
QString saveChangesToFileQuestion(const QString& fileName);
QString saveButton();
QString discardButton();
QString cancelButton();

// The main window's title with the current file's name after it.
QString titleWithFile(const QString& title, const QString& fileName);

QString editMenu();
// An entry of the recent files in the menu "設定": its number (the shortcut
// letter) and the file.
QString recentFileEntry(int number, const QString& file);

} // namespace pernoa::ui::texts
