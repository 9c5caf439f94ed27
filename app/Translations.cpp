#include "app/Translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>

namespace {

QString FileOf(const QString& language)
{
    return QStringLiteral(":/i18n/tessera_%1.qm").arg(language);
}

} // namespace

QString CTranslations::PlayerLanguage()
{
    // Qt lists the languages of LANGUAGE first, then the one of LC_ALL, LC_MESSAGES or LANG.
    // QTranslator's own search would go on past English to the next language that has a
    // file, since English has none.
    for (const QString& name : QLocale::system().uiLanguages()) {
        const QLocale locale(name);
        if (locale.language() == QLocale::English)
            return {};
        // The C locale, or a name Qt does not know: nothing to translate into.
        if (locale.language() == QLocale::C)
            continue;
        const QString candidates[] = {
            locale.language() == QLocale::Portuguese ? QStringLiteral("pt_BR") : locale.name(),
            QLocale::languageToCode(locale.language()),
        };
        for (const QString& candidate : candidates)
            if (QFile::exists(FileOf(candidate)))
                return candidate;
    }
    return {};
}

CTranslations::CTranslations(const QString& language)
{
    // In every language, for the texts a translation might lack.
    (void)m_english.load(FileOf(QStringLiteral("en")));
    if (language.isEmpty() || !m_game.load(FileOf(language)))
        return;
    m_language = language;
    // A game left in English keeps Qt's texts in English too, whatever the locale.
    (void)m_qt.load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

void CTranslations::Install()
{
    // The translator installed last is asked first.
    if (!m_english.isEmpty())
        QCoreApplication::installTranslator(&m_english);
    if (!m_game.isEmpty())
        QCoreApplication::installTranslator(&m_game);
    if (!m_qt.isEmpty())
        QCoreApplication::installTranslator(&m_qt);
}

QString CTranslations::Translate(const char* pContext, const char* pText) const
{
    // QTranslator answers an empty string for a text it does not hold.
    const QString translated = m_game.translate(pContext, pText);
    return translated.isEmpty() ? QString::fromUtf8(pText) : translated;
}
