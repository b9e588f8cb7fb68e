#include "support/accesskeys.h"
#include "support/child.h"
#include "support/freshsettings.h"
#include "support/scopedenvironment.h"
#include "support/testmachine.h"

#include "app/translations.h"
#include "browser/selpictureform.h"
#include "images/conversionproblem.h"
#include "library/activebar.h"
#include "library/principale.h"
#include "online/frmonline.h"
#include "prefs/frmoptions.h"
#include "sets/logopackimport.h"
#include "sets/setname.h"

#include <QApplication>
#include <QDir>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

QStringList languagesFor(const QMap<QString, QString>& environment)
{
    return wantedLanguages([&](const char* name) { return environment.value(QLatin1String(name)); });
}

} // namespace

TEST(Translations, LanguagesComeFromLanguageThenTheFirstLocaleSet)
{
    EXPECT_EQ(languagesFor({ { "LANGUAGE", "it:de_DE" }, { "LANG", "fr_FR.UTF-8" } }),
        (QStringList { "it", "de_DE", "fr_FR" }));
    EXPECT_EQ(
        languagesFor({ { "LC_ALL", "de_AT.ISO-8859-1@euro" }, { "LC_MESSAGES", "it_IT" }, { "LANG", "C" } }),
        QStringList { "de_AT" });
    EXPECT_EQ(languagesFor({ { "LC_MESSAGES", "it_CH.UTF-8" }, { "LANG", "de_DE.UTF-8" } }),
        QStringList { "it_CH" });
    EXPECT_EQ(languagesFor({ { "LANGUAGE", "::" }, { "LANG", "C.UTF-8" } }), QStringList { "C" });
    EXPECT_TRUE(languagesFor({}).isEmpty());
}

TEST(Translations, ChoosesTheFirstShippedLanguageUnlessEnglishComesFirst)
{
    EXPECT_EQ(chosenTranslation({ "de_AT" }), "de");
    EXPECT_EQ(chosenTranslation({ "fr_FR", "it_CH", "de" }), "it");
    EXPECT_EQ(chosenTranslation({ "en_GB", "de" }), QString());
    EXPECT_EQ(chosenTranslation({ "C", "it" }), QString());
    EXPECT_EQ(chosenTranslation({ "fr", "es" }), QString());
    EXPECT_EQ(chosenTranslation({}), QString());
}

namespace
{

// The program as it starts where the desktop's language is `language`.
class TranslatedProgram : public ::testing::TestWithParam<const char*>
{
protected:
    TranslatedProgram()
        : m_language("LANGUAGE", QString::fromLatin1(GetParam()))
    {
        startWithFreshSettings();
        EXPECT_EQ(installTranslations(*qApp), QString::fromLatin1(GetParam()));
    }
    ~TranslatedProgram() override { removeTranslations(*qApp); }

    TestMachine machine;

private:
    ScopedEnvironment m_language;
};

} // namespace

TEST_P(TranslatedProgram, MenusSpeakTheLanguageWithUniqueAccessKeys)
{
    Principale window;
    window.Form_Load();
    const QStringList expected = QString::fromLatin1(GetParam()) == QLatin1String("de")
        ? QStringList { "&Logo", "&Optionen", "&Hilfe", "&Beenden" }
        : QStringList { "&Logo", "&Opzioni", "&Aiuto", "&Esci" };
    EXPECT_EQ(entryTexts(window.menuBar()->actions()), expected);
    const QAction* rename = child<ActiveBar>(window, "ActiveBar1")->Tools(QStringLiteral("ToolRename"));
    EXPECT_NE(rename->text(), QStringLiteral("&Rename"));
    EXPECT_NE(rename->toolTip(), QStringLiteral("Rename selected logo set"));
    EXPECT_EQ(sharedAccessKeys(entryTexts(window.menuBar()->actions())), QStringList());
    expectUniqueAccessKeysInMenus(window);

    SelPictureForm browser;
    expectUniqueAccessKeysInMenus(browser);
    EXPECT_EQ(sharedAccessKeys(windowTexts(browser, Pages::ShownPage)), QStringList());
}

TEST_P(TranslatedProgram, DialogsSpeakTheLanguageWithUniqueAccessKeysOnEveryPage)
{
    FrmOptions preferences { MainWindowLink {} };
    EXPECT_NE(preferences.windowTitle(), QStringLiteral("Preferences"));
    auto* tabs = child<QTabBar>(preferences, "TabStrip1");
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        EXPECT_EQ(sharedAccessKeys(windowTexts(preferences, Pages::ShownPage)), QStringList()) << page;
    }
    FrmOnline online;
    EXPECT_NE(online.windowTitle(), QStringLiteral("Online check"));
    EXPECT_EQ(sharedAccessKeys(windowTexts(online, Pages::ShownPage)), QStringList());
}

// Messages made below the windows reach people inside a window's message, so they must follow
// the language too, with their file names and numbers still in place.
TEST_P(TranslatedProgram, ReasonsAndRulesMadeOutsideTheWindowsSpeakTheLanguage)
{
    QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("missing.bmp"));
    const QString pictureProblem = images::pictureProblem(missing);
    EXPECT_TRUE(pictureProblem.startsWith(QDir::toNativeSeparators(missing))) << pictureProblem.toStdString();
    EXPECT_FALSE(pictureProblem.endsWith(QStringLiteral("no such file")));

    const SetNameCheck device = checkSetName(QStringLiteral("CON"), folder.path());
    EXPECT_TRUE(device.rule.startsWith(QStringLiteral("CON "))) << device.rule.toStdString();
    EXPECT_FALSE(device.rule.contains(QStringLiteral("DOS device")));
    EXPECT_NE(emptySetNameMessage(), QStringLiteral("The logo set has no name. Type a name for it first."));

    const QString absent = exportLogoPack(QStringLiteral("Nowhere"), folder.path(), folder.filePath("x.zip"));
    EXPECT_TRUE(absent.contains(QStringLiteral("Nowhere"))) << absent.toStdString();
    EXPECT_FALSE(absent.startsWith(QStringLiteral("there is no logo set")));
}

INSTANTIATE_TEST_SUITE_P(ShippedLanguages, TranslatedProgram, ::testing::Values("de", "it"));
