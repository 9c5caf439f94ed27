#include "app/Translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>

namespace {

QString FileOf(const QString& language)
{
    return QStringLiteral(":/i18n/tessera_%1.qm").arg(language);
}

} // namespace

CTranslations::LocaleEnvironment CTranslations::LocaleEnvironment::Read()
{
    return { qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
        qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG") };
}

QString CTranslations::PlayerLanguage(const LocaleEnvironment& environment)
{
    QString locale = environment.lcAll;
    if (locale.isEmpty())
        locale = environment.lcMessages;
    if (locale.isEmpty())
        locale = environment.lang;
    // The C locale promises the program's own texts, so that a script or a bug report gets
    // the same words on every machine: LANG=C or LC_ALL=C is how one asks for English for a
    // single run. C.UTF-8 is not C: there LANGUAGE still counts, as it does for gettext.
    if (locale.isEmpty() || locale == QLatin1String("C") || locale == QLatin1String("POSIX"))
        return {};

    QStringList wanted = environment.language.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    wanted << locale;
    for (QString name : std::as_const(wanted)) {
        // "de_AT.UTF-8@euro" is German of Austria: the codeset and the modifier do not count.
        name = name.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0);
        name.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString language = name.section(QLatin1Char('_'), 0, 0);
        // QTranslator's own search would go on past English to the next language that has a
        // file, since English has none.
        if (language == QLatin1String("en"))
            return {};
        if (language.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX"))
            continue;
        const QString candidates[]
            = { language == QLatin1String("pt") ? QStringLiteral("pt_BR") : name, language };
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
