// The StartUp choices of the preferences on a Windows inside a disk image: what they leave inside it.
#include "app/settings.h"
#include "install/guestdeployment.h"
#include "install/gueststartup.h"
#include "library/logolist.h"
#include "library/principale.h"
#include "platform/msgbox.h"
#include "platform/shelllink.h"
#include "prefs/frmoptions.h"
#include "support/child.h"
#include "support/cregbuilder.h"
#include "support/imagemachine.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>

namespace
{

const QString Companions = QStringLiteral("Program Files/Bootcanvas Companions/");
const QString GermanStartup = QStringLiteral("WINDOWS/Startmen\u00fc/Programme/Autostart/");
const QString EnglishStartup = QStringLiteral("WINDOWS/Start Menu/Programs/StartUp/");

QByteArray userDatNaming(const QString& startup)
{
    CregBuilder builder;
    builder.addString(QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"),
        QStringLiteral("Startup"), startup);
    return builder.bytes();
}

// The Windows path a shell link starts, as the link information holds it.
QString linkTarget(const QByteArray& link)
{
    const int start = link.indexOf("C:\\");
    return start < 0 ? QString() : QString::fromLatin1(link.mid(start, link.indexOf('\0', start) - start));
}

QString volumePath(const QString& windowsPath)
{
    return windowsPath.mid(3).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

} // namespace

class GuestCompanions : public ImageMachineTest
{
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_IMAGE_TOOLS();
        image = std::make_unique<TestImage>(TestImage::Layout::Fat32);
        useImage(image->path());
        resetSettings();
        Settings& s = settings();
        s.AppPath = s.LogoPath = QStringLiteral("H:\\");
        s.WinPath = QStringLiteral("C:\\WINDOWS\\");
        s.StartUpDrive = QStringLiteral("C:\\");
        for (const char* set : { "Ocean", "Meadow.sls" })
            addSet(QString::fromLatin1(set));
        writeHostFile(QStringLiteral("LOGOW.SYS"), "default wait");
        writeHostFile(QStringLiteral("LOGOS.SYS"), "default shutdown");
        setMsgBoxResponder([this](const MsgBoxRequest& request) {
            messages << request.prompt;
            return int(vbOK);
        });
    }
    void TearDown() override
    {
        setMsgBoxResponder({});
        resetSettings();
    }

    void addSet(const QString& name)
    {
        QDir(hostFolder()).mkpath(name);
        writeHostFile(name + QStringLiteral("/LOGO.SYS"), "startup of " + name.toLatin1());
        if (!name.endsWith(QLatin1String(".sls")))
            writeHostFile(name + QStringLiteral("/LOGOW.SYS"), "wait of " + name.toLatin1());
    }

    // Opens the program on the image, chooses StartUp option `option` in the preferences, closes.
    void chooseAndClose(int option)
    {
        Principale main;
        settings().StartupFolder = guestStartupFolder();
        child<LogoList>(main, "MyList")->addItem(QStringLiteral("Meadow.sls"), QStringLiteral("singlelogo"));
        child<LogoList>(main, "MyList")->addItem(QStringLiteral("Ocean"), QStringLiteral("multilogo"));
        QTimer::singleShot(0, &main, [&main, option, this] {
            auto* dialog = main.findChild<FrmOptions*>();
            ASSERT_TRUE(dialog);
            syncEnabled = child<QCheckBox>(*dialog, "ChkSyncronize")->isEnabled();
            child<QRadioButton>(*dialog, QStringLiteral("StartUpAction%1").arg(option).toLatin1())->click();
            syncEnabledAfterChoice = child<QCheckBox>(*dialog, "ChkSyncronize")->isEnabled();
            syncNote = child<QLabel>(*dialog, "SyncNote")->text();
            dialog->BtnOK_Click();
        });
        main.ItmPref_Click();
        main.Form_Unload();
    }

    void expectCompanionInStartup(const QString& startup, const QString& shortcut, const QString& program)
    {
        const QString target = linkTarget(image->get(startup + shortcut));
        EXPECT_EQ(target.compare(QStringLiteral("C:\\Program Files\\Bootcanvas Companions\\") + program,
                      Qt::CaseInsensitive),
            0)
            << qPrintable(target);
        EXPECT_FALSE(image->get(volumePath(target)).isEmpty()) << qPrintable(target);
        EXPECT_FALSE(image->get(Companions + QStringLiteral("tandemist.exe")).isEmpty());
        EXPECT_EQ(image->get(Companions + QStringLiteral("Logos/Ocean/LOGO.SYS")), "startup of Ocean");
        EXPECT_EQ(image->get(Companions + QStringLiteral("Logos/LOGOW.SYS")), "default wait");
        EXPECT_TRUE(image->get(Companions + QStringLiteral("Bootcanvas.ini")).contains("StartupFolder=C:\\"));
        EXPECT_EQ(image->fsckProblems(), QString());
    }

    void expectNothingOfOurs(const QString& startup)
    {
        for (const char* shortcut : { "Shufflet.lnk", "Cyclette.lnk", "Tandemist.lnk" })
            EXPECT_TRUE(image->get(startup + QLatin1String(shortcut)).isEmpty()) << shortcut;
        EXPECT_TRUE(image->get(Companions + QStringLiteral("Bootcanvas.ini")).isEmpty());
        EXPECT_FALSE(guestCompanionsDeployed());
        EXPECT_EQ(image->fsckProblems(), QString());
    }

    QStringList messages;
    bool syncEnabled = true, syncEnabledAfterChoice = false;
    QString syncNote;
};

TEST_F(GuestCompanions, EachStartUpChoiceLeavesItsCompanionAndNothingLeavesNoneOfOurFiles)
{
    chooseAndClose(1);
    expectCompanionInStartup(EnglishStartup, QStringLiteral("Shufflet.lnk"), QStringLiteral("shufflet.exe"));
    EXPECT_FALSE(syncEnabled); // "Nothing" was chosen when the dialog opened
    EXPECT_TRUE(syncEnabledAfterChoice);
    EXPECT_EQ(image->get(Companions + QStringLiteral("Logos/Meadow.sls/LOGO.SYS")), "startup of Meadow.sls");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QLatin1String(" KB"))) << qPrintable(messages[0]);

    // The copy follows the library at the next exit: a new set arrives, a deleted one goes.
    QDir(hostFolder() + QStringLiteral("/Meadow.sls")).removeRecursively();
    addSet(QStringLiteral("Sunrise"));
    chooseAndClose(0);
    expectCompanionInStartup(EnglishStartup, QStringLiteral("Cyclette.lnk"), QStringLiteral("cyclette.exe"));
    EXPECT_EQ(image->get(Companions + QStringLiteral("Logos/Sunrise/LOGO.SYS")), "startup of Sunrise");
    EXPECT_TRUE(image->get(Companions + QStringLiteral("Logos/Meadow.sls/LOGO.SYS")).isEmpty());
    EXPECT_TRUE(image->get(EnglishStartup + QStringLiteral("Shufflet.lnk")).isEmpty());
    EXPECT_TRUE(image->get(Companions + QStringLiteral("shufflet.exe")).isEmpty());

    // A run that only closes keeps the copy in step too.
    writeHostFile(QStringLiteral("Sunrise/LOGO.SYS"), "new startup of Sunrise");
    {
        Principale again;
        settings().StartupFolder = guestStartupFolder();
        again.Form_Unload();
    }
    EXPECT_EQ(image->get(Companions + QStringLiteral("Logos/Sunrise/LOGO.SYS")), "new startup of Sunrise");

    chooseAndClose(2);
    expectNothingOfOurs(EnglishStartup);
    EXPECT_FALSE(syncNote.isEmpty());
}

TEST_F(GuestCompanions, TheStartUpFolderIsTheOneTheGuestsRegistryNames)
{
    image->put(QStringLiteral("WINDOWS/USER.DAT"),
        userDatNaming(QStringLiteral("C:\\WINDOWS\\Startmen\u00fc\\Programme\\Autostart")));
    EXPECT_EQ(guestStartupFolder(), QStringLiteral("C:\\WINDOWS\\Startmen\u00fc\\Programme\\Autostart\\"));
    chooseAndClose(1);
    expectCompanionInStartup(GermanStartup, QStringLiteral("Shufflet.lnk"), QStringLiteral("shufflet.exe"));
    EXPECT_TRUE(image->get(EnglishStartup + QStringLiteral("Shufflet.lnk")).isEmpty());
    chooseAndClose(2);
    expectNothingOfOurs(GermanStartup);
}

TEST_F(GuestCompanions, WithoutAReadableRegistryTheStartUpFolderThatExistsIsUsed)
{
    image->makeFolder(QStringLiteral("WINDOWS/Menu Avvio"));
    image->makeFolder(QStringLiteral("WINDOWS/Menu Avvio/Programmi"));
    image->makeFolder(QStringLiteral("WINDOWS/Menu Avvio/Programmi/Esecuzione automatica"));
    image->put(QStringLiteral("WINDOWS/USER.DAT"), "CREG damaged");
    EXPECT_EQ(
        guestStartupFolder(), QStringLiteral("C:\\WINDOWS\\Menu Avvio\\Programmi\\Esecuzione automatica\\"));
    image->makeFolder(QStringLiteral("WINDOWS/Profiles"));
    image->makeFolder(QStringLiteral("WINDOWS/Profiles/Anna"));
    image->put(QStringLiteral("WINDOWS/Profiles/Anna/USER.DAT"),
        userDatNaming(QStringLiteral("C:\\WINDOWS\\Profiles\\Anna\\Start Menu\\Programs\\StartUp")));
    CregBuilder system;
    system.addString(QStringLiteral("Network\\Logon"), QStringLiteral("username"), QStringLiteral("Anna"));
    image->put(QStringLiteral("WINDOWS/SYSTEM.DAT"), system.bytes());
    EXPECT_EQ(
        guestStartupFolder(), QStringLiteral("C:\\WINDOWS\\Profiles\\Anna\\Start Menu\\Programs\\StartUp\\"));
}

TEST_F(GuestCompanions, SetAsDefaultWritesAllThreeScreensAtOnceWhateverSynchronizeSays)
{
    chooseAndClose(1);
    Principale main;
    settings().StartupFolder = guestStartupFolder();
    settings().SynchronizeLogos = 1;
    child<LogoList>(main, "MyList")->addItem(QStringLiteral("Ocean"), QStringLiteral("multilogo"));
    child<LogoList>(main, "MyList")->selectRow(0);
    main.ItmSetDefault_Click();
    main.Form_Unload();
    EXPECT_EQ(image->get(QStringLiteral("LOGO.SYS")), "startup of Ocean");
    EXPECT_EQ(image->get(QStringLiteral("WINDOWS/LOGOW.SYS")), "wait of Ocean");
    EXPECT_TRUE(image->get(QStringLiteral("WINDOWS/LOGOS.SYS")).isEmpty()); // Ocean has none
    EXPECT_FALSE(QFile::exists(hostFolder() + QStringLiteral("/Tandemist.ini")));
    EXPECT_EQ(guestInstalledSet(), QStringLiteral("Ocean")); // where the companions start from
    EXPECT_TRUE(image->get(Companions + QStringLiteral("Bootcanvas.ini")).contains("Synchronize=1"));
}

TEST_F(GuestCompanions, AShortcutAnEarlierVersionPointedAtTheHostGetsItsCompanionAtExit)
{
    ShellLink old;
    old.target = QStringLiteral("P:\\shufflet.exe"); // a drive only the host side had
    for (const char* folder :
        { "WINDOWS/Start Menu", "WINDOWS/Start Menu/Programs", "WINDOWS/Start Menu/Programs/StartUp" })
        image->makeFolder(QString::fromLatin1(folder));
    image->put(EnglishStartup + QStringLiteral("Shufflet.lnk"), shellLinkBytes(old));
    {
        Principale main;
        settings().StartupFolder = guestStartupFolder();
        main.Form_Unload();
    }
    expectCompanionInStartup(EnglishStartup, QStringLiteral("Shufflet.lnk"), QStringLiteral("shufflet.exe"));
    EXPECT_TRUE(messages.isEmpty()); // nothing to ask or tell at exit
}
