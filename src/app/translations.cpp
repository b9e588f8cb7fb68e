#include "translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <vector>

namespace
{

const QString BuiltInFolder = QStringLiteral(":/i18n/");

QString withoutCodesetAndModifier(const QString& locale)
{
    return locale.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0);
}

bool isUntranslated(const QString& language)
{
    return language == QLatin1String("C") || language == QLatin1String("POSIX")
        || language == QLatin1String("en") || language.startsWith(QLatin1String("en_"));
}

QString builtInFile(const QString& language)
{
    return BuiltInFolder + QStringLiteral("bootcanvas_%1.qm").arg(language);
}

std::vector<std::unique_ptr<QTranslator>>& installedTranslators()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

void install(QCoreApplication& application, std::unique_ptr<QTranslator> translator)
{
    application.installTranslator(translator.get());
    installedTranslators().push_back(std::move(translator));
}

} // namespace

QStringList wantedLanguages(const EnvironmentLookup& environment)
{
    QStringList languages;
    for (const QString& entry : environment("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        languages.append(withoutCodesetAndModifier(entry));
    for (const char* name : { "LC_ALL", "LC_MESSAGES", "LANG" }) {
        const QString locale = environment(name);
        if (!locale.isEmpty()) {
            languages.append(withoutCodesetAndModifier(locale));
            break;
        }
    }
    languages.removeAll(QString());
    return languages;
}

QString chosenTranslation(const QStringList& languages)
{
    for (const QString& language : languages) {
        if (isUntranslated(language))
            return QString();
        // "pt_BR" is served by a Brazilian translation first, then by a Portuguese one.
        for (const QString& candidate : { language, language.section(QLatin1Char('_'), 0, 0) })
            if (QFile::exists(builtInFile(candidate)))
                return candidate;
    }
    return QString();
}

QString installTranslations(QCoreApplication& application)
{
    const QString language
        = chosenTranslation(wantedLanguages([](const char* name) { return qEnvironmentVariable(name); }));
    if (language.isEmpty())
        return language;
    auto own = std::make_unique<QTranslator>();
    if (!own->load(builtInFile(language)))
        return QString();
    install(application, std::move(own));
    // Qt's own texts (the file dialogs' buttons, for one), where the system has them.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        install(application, std::move(qt));
    return language;
}

void removeTranslations(QCoreApplication& application)
{
    for (const std::unique_ptr<QTranslator>& translator : installedTranslators())
        application.removeTranslator(translator.get());
    installedTranslators().clear();
}
