#include "support/child.h"
#include "support/freshsettings.h"
#include "support/scopedenvironment.h"
#include "support/testmachine.h"

#include "app/translations.h"
#include "browser/selpictureform.h"
#include "library/activebar.h"
#include "library/principale.h"
#include "online/frmonline.h"
#include "prefs/frmoptions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
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

QChar accessKey(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1].toLower();
        ++i; // "&&" is a plain ampersand
    }
    return {};
}

// The access keys that more than one of `texts` claims, with the texts that claim them.
QStringList sharedAccessKeys(const QStringList& texts)
{
    QMap<QChar, QStringList> claims;
    for (const QString& text : texts)
        if (const QChar key = accessKey(text); !key.isNull())
            claims[key].append(text);
    QStringList shared;
    for (const QStringList& claimants : claims)
        if (claimants.size() > 1)
            shared.append(claimants.join(QLatin1String(" / ")));
    return shared;
}

QStringList entryTexts(const QList<QAction*>& actions)
{
    QStringList texts;
    for (const QAction* action : actions)
        if (!action->isSeparator())
            texts.append(action->text());
    return texts;
}

// What a user reaches with Alt in a dialog as it shows now: buttons, captions of controls, frames.
QStringList dialogTexts(const QWidget& dialog)
{
    QStringList texts;
    for (const QWidget* widget : dialog.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&dialog))
            continue;
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            texts.append(button->text());
        else if (const auto* label = qobject_cast<const QLabel*>(widget); label && label->buddy())
            texts.append(label->text());
        else if (const auto* frame = qobject_cast<const QGroupBox*>(widget))
            texts.append(frame->title());
    }
    return texts;
}

void expectUniqueAccessKeysInMenus(const QWidget& window)
{
    for (const QMenu* menu : window.findChildren<QMenu*>())
        EXPECT_EQ(sharedAccessKeys(entryTexts(menu->actions())), QStringList())
            << menu->objectName().toStdString();
}

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
    EXPECT_EQ(sharedAccessKeys(dialogTexts(browser)), QStringList());
}

TEST_P(TranslatedProgram, DialogsSpeakTheLanguageWithUniqueAccessKeysOnEveryPage)
{
    FrmOptions preferences { MainWindowLink {} };
    EXPECT_NE(preferences.windowTitle(), QStringLiteral("Preferences"));
    auto* tabs = child<QTabBar>(preferences, "TabStrip1");
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        EXPECT_EQ(sharedAccessKeys(dialogTexts(preferences)), QStringList()) << page;
    }
    FrmOnline online;
    EXPECT_NE(online.windowTitle(), QStringLiteral("Online check"));
    EXPECT_EQ(sharedAccessKeys(dialogTexts(online)), QStringList());
}

INSTANTIATE_TEST_SUITE_P(ShippedLanguages, TranslatedProgram, ::testing::Values("de", "it"));
