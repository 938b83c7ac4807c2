#include "engine/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>

#include <vector>

namespace pernoa {
namespace {

// The key of the stored choice in the language store.
constexpr auto kLanguageKey = "language";

std::vector<QPointer<QTranslator>>& installedTranslators() {
    static std::vector<QPointer<QTranslator>> translators;
    return translators;
}

Language& current() {
    static Language language = Language::Japanese;
    return language;
}

void install(const QString& name, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, folder) && QCoreApplication::installTranslator(translator))
        installedTranslators().emplace_back(translator);
    else
        delete translator;
}

} // namespace

std::optional<Language> languageNamed(QStringView word) {
    if (word == u"ja")
        return Language::Japanese;
    if (word == u"en")
        return Language::English;
    return std::nullopt;
}

QString languageWord(Language language) {
    return language == Language::Japanese ? QStringLiteral("ja") : QStringLiteral("en");
}

Language desktopLanguage(const QStringList& uiLanguages, const QString& localeName) {
    if (localeName == u"C" || localeName == u"POSIX" || localeName.startsWith(u"C.") ||
        uiLanguages.isEmpty())
        return Language::Japanese;
    const QString first = uiLanguages.constFirst();
    if (first == u"ja" || first.startsWith(u"ja-") || first.startsWith(u"ja_"))
        return Language::Japanese;
    return Language::English;
}

Language desktopLanguage() {
    const QLocale system = QLocale::system();
    // The C locale reports the languages of its own, not the desktop's.
    const QString name = system.language() == QLocale::C ? QStringLiteral("C") : system.name();
    return desktopLanguage(system.uiLanguages(), name);
}

QString languageStore() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/pernoa.ini");
}

std::optional<Language> storedLanguage(const QString& store) {
    if (store.isEmpty())
        return std::nullopt;
    const QSettings settings(store, QSettings::IniFormat);
    return languageNamed(settings.value(QLatin1String(kLanguageKey)).toString());
}

bool storeLanguage(const QString& store, std::optional<Language> language) {
    if (store.isEmpty())
        return false;
    QSettings settings(store, QSettings::IniFormat);
    if (language)
        settings.setValue(QLatin1String(kLanguageKey), languageWord(*language));
    else
        settings.remove(QLatin1String(kLanguageKey));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

Language runLanguage(std::optional<Language> asked, const QString& store) {
    if (asked)
        return *asked;
    if (const std::optional<Language> stored = storedLanguage(store))
        return *stored;
    return desktopLanguage();
}

void useLanguage(Language language, QtTexts qt) {
    for (const QPointer<QTranslator>& translator : installedTranslators()) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    installedTranslators().clear();
    current() = language;
    if (language == Language::English)
        install(QStringLiteral("pernoa_en"), QStringLiteral(":/i18n"));
    else if (qt == QtTexts::Translated)
        install(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

Language currentLanguage() {
    return current();
}

} // namespace pernoa
