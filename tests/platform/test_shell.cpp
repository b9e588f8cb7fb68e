#include "platform/shell.h"
#include "platformui/dialogs.h"
#include "platformui/foldercopy.h"
#include "support/scopedtrash.h"
#include "support/scriptedmsgbox.h"
#include "support/testmachine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <gtest/gtest.h>

namespace
{

class ScopedDialogs
{
public:
    explicit ScopedDialogs(const QString& answer)
    {
        platform::setDialogResponder([this, answer](const QString& title) {
            titles.append(title);
            return answer;
        });
    }
    ~ScopedDialogs() { platform::setDialogResponder({}); }
    QStringList titles;
};

TEST(CopyFolderInto, CopiesEveryLevelIntoTheExistingFolderOfAnyCase)
{
    TestMachine machine;
    machine.writeFile(QStringLiteral("C:\\Incoming\\Sunset\\LOGO.SYS"), "new logo");
    machine.writeFile(QStringLiteral("C:\\Incoming\\Sunset\\Extra\\Deep\\a.bmp"), "deep");
    machine.writeFile(QStringLiteral("C:\\Incoming\\Sunset\\.hidden"), "hidden");
    machine.makeFolder(QStringLiteral("C:\\Incoming\\Sunset\\Empty"));
    machine.writeFile(QStringLiteral("C:\\Logos\\SUNSET\\LOGO.SYS"), "old logo");
    machine.writeFile(QStringLiteral("C:\\Logos\\SUNSET\\keep.txt"), "kept");
    machine.writeFile(QStringLiteral("C:\\Logos\\SUNSET\\extra\\old.bmp"), "old");
    machine.writeFile(QStringLiteral("C:\\Incoming\\Blue.Sls\\LOGO.SYS"), "blue");
    QFile::setPermissions(machine.host(QStringLiteral("C:\\Logos\\SUNSET\\LOGO.SYS")), QFile::ReadOwner);

    EXPECT_TRUE(platform::copyFolderInto(
        QStringLiteral("C:\\Incoming\\Sunset"), QStringLiteral("C:\\Logos\\"), nullptr));

    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\Logos\\SUNSET\\LOGO.SYS")), "new logo");
    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\Logos\\SUNSET\\keep.txt")), "kept");
    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\Logos\\SUNSET\\extra\\old.bmp")), "old");
    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\Logos\\SUNSET\\extra\\Deep\\a.bmp")), "deep");
    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\Logos\\SUNSET\\.hidden")), "hidden");
    EXPECT_TRUE(QFileInfo(machine.host(QStringLiteral("C:\\Logos\\SUNSET\\Empty"))).isDir());
    // A new set folder keeps the case of its source, here given as a host path.
    EXPECT_TRUE(platform::copyFolderInto(
        machine.host(QStringLiteral("C:\\Incoming\\Blue.Sls")), QStringLiteral("c:\\logos"), nullptr));
    EXPECT_EQ(QDir(machine.host(QStringLiteral("C:\\Logos"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
        QStringList({ QStringLiteral("Blue.Sls"), QStringLiteral("SUNSET") }));
    // Nothing of the copy's own is left behind.
    EXPECT_EQ(
        QDir(machine.host(QStringLiteral("C:\\Logos\\SUNSET"))).entryList(QDir::Files | QDir::Hidden).size(),
        3);
}

TEST(CopyFolderInto, GoesOnPastEntriesItCannotCopyAndReportsThem)
{
    TestMachine machine;
    machine.writeFile(QStringLiteral("C:\\Incoming\\Set\\LOGO.SYS"), "logo");
    machine.writeFile(QStringLiteral("C:\\Incoming\\Set\\LOGOW.SYS"), "wait");
    // A host name that no Windows drive can hold.
    QFile bad(machine.host(QStringLiteral("C:\\Incoming\\Set")) + QStringLiteral("/what?.bmp"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.close();
    machine.makeFolder(QStringLiteral("C:\\Logos\\Set\\LOGO.SYS")); // a folder where a file should go

    EXPECT_FALSE(
        platform::copyFolderInto(QStringLiteral("C:\\Incoming\\Set"), QStringLiteral("C:\\Logos"), nullptr));

    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\Logos\\Set\\LOGOW.SYS")), "wait");
    EXPECT_TRUE(QFileInfo(machine.host(QStringLiteral("C:\\Logos\\Set\\LOGO.SYS"))).isDir());
}

TEST(CopyFolderInto, RefusesToCopyAFolderIntoItselfOrFromNowhere)
{
    TestMachine machine;
    machine.writeFile(QStringLiteral("C:\\Logos\\Set\\LOGO.SYS"), "logo");

    EXPECT_FALSE(
        platform::copyFolderInto(QStringLiteral("C:\\Logos\\Set"), QStringLiteral("C:\\Logos"), nullptr));
    EXPECT_FALSE(
        platform::copyFolderInto(QStringLiteral("C:\\Logos"), QStringLiteral("C:\\Logos\\Set"), nullptr));
    EXPECT_FALSE(
        platform::copyFolderInto(QStringLiteral("C:\\Missing"), QStringLiteral("C:\\Logos"), nullptr));
    EXPECT_FALSE(platform::copyFolderInto(QStringLiteral("Q:\\Set"), QStringLiteral("C:\\Logos"), nullptr));

    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\Logos\\Set\\LOGO.SYS")), "logo");
    EXPECT_FALSE(machine.exists(QStringLiteral("C:\\Logos\\Set\\Logos")));
}

TEST(MoveToTrash, DecliningChangesNothing)
{
    TestMachine machine;
    const ScopedTrash trash;
    machine.writeFile(QStringLiteral("C:\\Logos\\Blue\\LOGO.SYS"), "logo");
    machine.writeFile(QStringLiteral("C:\\Logos\\Red\\LOGO.SYS"), "logo");
    ScriptedMsgBox box(vbNo);

    EXPECT_FALSE(platform::moveToTrash({ QStringLiteral("C:\\Logos\\Blue\\") }));
    EXPECT_FALSE(
        platform::moveToTrash({ QStringLiteral("C:\\Logos\\Blue"), QStringLiteral("C:\\Logos\\Red") }));

    ASSERT_EQ(box.shown.size(), 2);
    EXPECT_TRUE(box.shown[0].prompt.contains(QStringLiteral("'Blue'"))) << box.shown[0].prompt.toStdString();
    EXPECT_TRUE(box.shown[1].prompt.contains(QStringLiteral("2 items"))) << box.shown[1].prompt.toStdString();
    EXPECT_EQ(box.shown[0].buttons, vbYesNo | vbQuestion);
    EXPECT_TRUE(machine.exists(QStringLiteral("C:\\Logos\\Blue\\LOGO.SYS")));
    EXPECT_TRUE(machine.exists(QStringLiteral("C:\\Logos\\Red\\LOGO.SYS")));
    EXPECT_TRUE(trash.trashed().isEmpty());
}

TEST(MoveToTrash, WildcardsTakeEveryEntryAfterOneQuestion)
{
    TestMachine machine;
    const ScopedTrash trash;
    machine.writeFile(QStringLiteral("C:\\Logos\\Blue\\LOGO.SYS"), "logo");
    machine.writeFile(QStringLiteral("C:\\Logos\\Blue\\LOGOW.SYS"), "wait");
    machine.writeFile(QStringLiteral("C:\\Logos\\Blue\\README"), "no dot");
    ScriptedMsgBox box(vbYes);

    EXPECT_TRUE(platform::moveToTrash({ QStringLiteral("C:\\Logos\\Blue\\*.*") }));

    ASSERT_EQ(box.shown.size(), 1);
    EXPECT_TRUE(box.shown[0].prompt.contains(QStringLiteral("3 items")));
    EXPECT_TRUE(QDir(machine.host(QStringLiteral("C:\\Logos\\Blue"))).isEmpty());
    QStringList trashed = trash.trashed();
    trashed.sort();
    EXPECT_EQ(trashed,
        QStringList({ QStringLiteral("LOGO.SYS"), QStringLiteral("LOGOW.SYS"), QStringLiteral("README") }));

    // An empty folder's "*.*" is nothing to do; a missing path fails; neither asks.
    EXPECT_TRUE(platform::moveToTrash({ QStringLiteral("C:\\Logos\\Blue\\*.*") }));
    EXPECT_FALSE(platform::moveToTrash({ QStringLiteral("C:\\Logos\\Blue\\gone.bmp") }));
    EXPECT_EQ(box.shown.size(), 1);
}

TEST(ShellOpen, HandsTheDesktopAUrlOrTheHostFile)
{
    TestMachine machine;
    machine.writeFile(QStringLiteral("C:\\Logos\\Blue\\LOGO.SYS"), "logo");

    EXPECT_EQ(platform::shellUrlFor(QStringLiteral("https://example.org/get?v=4")),
        QUrl(QStringLiteral("https://example.org/get?v=4")));
    EXPECT_EQ(platform::shellUrlFor(QStringLiteral("c:\\logos\\blue")),
        QUrl::fromLocalFile(machine.host(QStringLiteral("C:\\Logos\\Blue"))));
    EXPECT_FALSE(platform::shellUrlFor(QStringLiteral("C:\\Logos\\Missing")).isValid());
    EXPECT_FALSE(platform::shellUrlFor(QStringLiteral("Q:\\x")).isValid());
}

TEST(ChooseFolder, TranslatesTheHostChoiceOrExplainsWhyItCannot)
{
    TestMachine machine;
    machine.makeFolder(QStringLiteral("C:\\Logos"));
    ScriptedMsgBox box;
    {
        const ScopedDialogs dialogs(machine.host(QStringLiteral("C:\\Logos")));
        EXPECT_EQ(platform::chooseFolder(nullptr, QStringLiteral("Pick")), QStringLiteral("C:\\Logos"));
        EXPECT_EQ(dialogs.titles, QStringList { QStringLiteral("Pick") });
    }
    {
        const ScopedDialogs dialogs(QStringLiteral("/usr"));
        EXPECT_EQ(platform::chooseFolder(nullptr, QStringLiteral("Pick")), QString());
        EXPECT_EQ(platform::chooseOpenFile(nullptr, QStringLiteral("Pick"), {}, {}), QString());
    }
    ASSERT_EQ(box.shown.size(), 2);
    EXPECT_TRUE(box.shown[0].prompt.contains(QStringLiteral("/usr")));
}

} // namespace
