#include "app/settings.h"
#include "library/principale.h"
#include "online/frmonline.h"
#include "prefs/frmoptions.h"
#include "support/testmachine.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace
{

// Acts on the modal dialog of type T once the main window has opened it; rejects it after a while
// in any case, so that a failing test cannot hang.
template <class T, class Action> void whenOpen(Principale& main, Action action)
{
    QTimer::singleShot(0, &main, [&main, action] {
        if (T* dialog = main.findChild<T*>())
            action(*dialog);
    });
    QTimer::singleShot(10000, &main, [&main] {
        if (T* dialog = main.findChild<T*>())
            dialog->reject();
    });
}

} // namespace

TEST(PrincipalePrefs, PreferencesChangeTheMainWindow)
{
    TestMachine machine;
    resetSettings();
    settings().AppPath = QStringLiteral("C:\\Program Files\\Bootcanvas\\");
    settings().LogoPath = QStringLiteral("C:\\Logos\\");
    Principale main;
    bool opened = false;
    whenOpen<FrmOptions>(main, [&](FrmOptions& dialog) {
        opened = dialog.isVisible() && dialog.windowTitle() == QStringLiteral("Preferences");
        dialog.ActiveStart->click();
        dialog.CustomName->setText(QStringLiteral("Gimp"));
        dialog.ChkShowAnim->setChecked(true);
        dialog.BtnOK_Click();
    });
    main.ItmPref_Click();
    EXPECT_TRUE(opened);
    EXPECT_TRUE(main.logochanged);
    EXPECT_EQ(main.ItmOpenAct[2]->text(), QStringLiteral("Gimp"));
    EXPECT_TRUE(main.ItmAnimate->isChecked());
    EXPECT_EQ(settings().CustomProgName, QStringLiteral("Gimp"));
    EXPECT_EQ(main.findChild<FrmOptions*>(), nullptr);
    resetSettings();
}

TEST(PrincipalePrefs, OnlineCheckOpensAndCloses)
{
    TestMachine machine;
    Principale main;
    bool opened = false;
    whenOpen<FrmOnline>(main, [&](FrmOnline& dialog) {
        opened = dialog.isVisible() && dialog.windowTitle() == QStringLiteral("Online check");
        dialog.BtnClose->click();
    });
    main.ItmOnline_Click();
    EXPECT_TRUE(opened);
    EXPECT_EQ(main.findChild<FrmOnline*>(), nullptr);
}
