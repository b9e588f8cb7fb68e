#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QCoreApplication;

// The user's languages, most wanted first, as the desktop gives them: the LANGUAGE list, then the
// first of LC_ALL, LC_MESSAGES and LANG that is set. Codesets and modifiers are dropped
// ("de_DE.UTF-8@euro" is "de_DE"); "C" and "POSIX" are kept, since they mean untranslated.
using EnvironmentLookup = std::function<QString(const char* name)>;
QStringList wantedLanguages(const EnvironmentLookup& environment);

// The shipped translation that serves `languages` ("de" for "de_CH"), or empty text for the
// program's own English, which also wins where English comes before any shipped language.
QString chosenTranslation(const QStringList& languages);

// Installs the translators (the program's and Qt's own) for the user's language into `application`;
// returns the language chosen, or empty text for English. Call before any window is made.
QString installTranslations(QCoreApplication& application);
// Removes what installTranslations put in, so the texts made afterwards are English again.
void removeTranslations(QCoreApplication& application);
