#include "app/settings.h"
#include "library/principale.h"
#include "online/frmonline.h"
#include "prefs/frmoptions.h"
#include "support/child.h"
#include "support/testmachine.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

// Acts on the main window's modal dialog once it is open; rejects it after a while in any case, so
// that a failing test cannot hang.
template <class Dialog, class Action> void whenOpen(Principale& main, Action action)
{
    QTimer::singleShot(0, &main, [&main, action] {
        if (Dialog* dialog = main.findChild<Dialog*>(); dialog && dialog->isVisible())
            action(*dialog);
    });
    QTimer::singleShot(10000, &main, [&main] {
        if (Dialog* dialog = main.findChild<Dialog*>())
            dialog->reject();
    });
}

TEST(PrincipalePrefs, DialogsOpenFromTheMainWindowAndReachIt)
{
    TestMachine machine;
    resetSettings();
    Principale main;
    whenOpen<FrmOptions>(main, [](FrmOptions& dialog) {
        child<QCheckBox>(dialog, "ActiveStart")->click();
        child<QLineEdit>(dialog, "CustomName")->setText(QStringLiteral("Gimp"));
        child<QCheckBox>(dialog, "ChkShowAnim")->setChecked(true);
        dialog.BtnOK_Click();
    });
    main.ItmPref_Click();
    EXPECT_TRUE(main.isLogoOptionChanged());
    EXPECT_EQ(child<QAction>(main, "ItmOpenAct2")->text(), QStringLiteral("Gimp"));
    EXPECT_TRUE(child<QAction>(main, "ItmAnimate")->isChecked());

    bool online = false;
    whenOpen<FrmOnline>(main, [&](FrmOnline& dialog) {
        online = true;
        child<QPushButton>(dialog, "BtnClose")->click();
    });
    main.ItmOnline_Click();
    EXPECT_TRUE(online);
    resetSettings();
}
