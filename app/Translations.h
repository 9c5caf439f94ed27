#pragma once

#include <QString>
#include <QTranslator>

// The game's texts and Qt's own (the message boxes' buttons, the lists' context menus) in one
// language. The game's translations are compiled into the program as :/i18n/tessera_<lang>.qm;
// Qt's come from the system's Qt translations, in the same language, where they are installed.
// Both are taken out of force again when the object goes.
class CTranslations {
public:
    // The variables that choose the language, empty where one is not set.
    struct LocaleEnvironment {
        QString language; // LANGUAGE
        QString lcAll; // LC_ALL
        QString lcMessages; // LC_MESSAGES
        QString lang; // LANG
        static LocaleEnvironment Read();
    };

    // The language the player reads, named as the translation is ("de", "pt_BR"), by the
    // rules gettext follows. The locale of messages is the first of LC_ALL, LC_MESSAGES and
    // LANG that is set; when it is C or POSIX (or none is set), the answer is English whatever
    // LANGUAGE says. Otherwise the first of the languages LANGUAGE lists, then the locale's
    // own, that the game has a translation for: a country's translation before the
    // language's ("es_MX" reads "es"), and Portuguese of every country the Brazilian one.
    // Empty for English, the language of the texts themselves, where the search stops
    // (LANGUAGE=en:de means English), and when no language listed has a translation.
    static QString PlayerLanguage(const LocaleEnvironment& environment);
    static QString PlayerLanguage() { return PlayerLanguage(LocaleEnvironment::Read()); }

    // Loads the translations of a language the game has; an empty or unknown one loads
    // only English's plural forms, and the game stays in English.
    explicit CTranslations(const QString& language);
    CTranslations(const CTranslations&) = delete;
    CTranslations& operator=(const CTranslations&) = delete;

    // The language loaded, empty for English.
    const QString& Language() const { return m_language; }
    // Puts the translations in force for QCoreApplication::translate. Needs the application
    // object; before it exists, Translate answers.
    void Install();
    // A text of the game in the language loaded, or the text itself where it has none.
    QString Translate(const char* pContext, const char* pText) const;

private:
    QString m_language;
    // English's plural forms ("1 disc"); the texts themselves are English.
    QTranslator m_english;
    QTranslator m_game;
    QTranslator m_qt;
};
