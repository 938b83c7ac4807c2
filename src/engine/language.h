#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

class QCoreApplication;

namespace pernoa {

// The language the program speaks. Japanese is the language its texts are
// written in; English comes from the translation built into the program.
enum class Language { Japanese, English };

// The language of a word of the command line or the stored choice ("ja",
// "en"), none for any other word.
std::optional<Language> languageNamed(QStringView word);
// The word for a language, as --lang and the stored choice take it.
QString languageWord(Language language);

// The desktop's language: Japanese when the languages the desktop asks for
// start with Japanese, or when the locale is the plain C/POSIX one (scripts,
// and a session without any language set up, keep the texts they have
// always seen); English otherwise.
Language desktopLanguage(const QStringList& uiLanguages, const QString& localeName);
// The same for the running process's locale.
Language desktopLanguage();

// The file that keeps the choice of the windows' language menu: pernoa.ini
// in the user's configuration folder for the program (the application name
// must be set).
QString languageStore();
// The stored choice; none when the desktop decides (nothing stored, or a
// word that is no language).
std::optional<Language> storedLanguage(const QString& store);
// Keeps the choice for the next start; none lets the desktop decide again.
// False when the file could not be written.
bool storeLanguage(const QString& store, std::optional<Language> language);

// The language of this run: the one asked for on the command line, else
// the stored choice, else the desktop's.
Language runLanguage(std::optional<Language> asked, const QString& store);

// What of Qt's own speaks the language besides the program's texts.
enum class QtTexts {
    // Qt's dialogs and buttons (the windows).
    Translated,
    // Qt's words as Qt writes them: the causes the command line names after
    // its messages stay in Qt's English.
    AsTheyAre,
};

// Makes the running application speak the language: the program's own
// translation and, for the windows, Qt's, replacing what an earlier call
// installed. Japanese takes Qt's Japanese when the system has it; English
// needs neither. Needs a QCoreApplication.
void useLanguage(Language language, QtTexts qt = QtTexts::Translated);

// The language the application was last told to speak (Japanese before
// any call).
Language currentLanguage();

} // namespace pernoa
