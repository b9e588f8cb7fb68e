// Logo packs through bootcanvas-cli itself: what a user types, as real processes.
#include "climachine.h"

#include <QDir>

namespace
{

class CliPacks : public CliMachine
{
protected:
    // The first command makes the default machine with its sample sets.
    QString library() const
    {
        return home.filePath(QStringLiteral("bootcanvas/machine/drive_c/Program Files/Bootcanvas/"));
    }

    // Every file below the logo folder with its bytes, to tell that a refusal wrote nothing.
    QMap<QString, QByteArray> libraryContents() const
    {
        QMap<QString, QByteArray> contents;
        const QDir root(library());
        for (const QString& path : root.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
            for (const QString& file : QDir(root.filePath(path)).entryList(QDir::Files))
                contents.insert(path + u'/' + file, bytesOf(root.filePath(path + u'/' + file)));
        return contents;
    }
};

} // namespace

TEST_F(CliPacks, AnExportedSetImportsBackByteForByte)
{
    const QString set = QStringLiteral("Deep Ocean");
    const QString pack = home.filePath(QStringLiteral("ocean.zip"));
    const CliRun exported = run({ QStringLiteral("export"), set, pack });
    ASSERT_EQ(exported.exitCode, 0) << qPrintable(exported.errors);
    ASSERT_TRUE(QFileInfo(pack).size() > 0);

    const QMap<QString, QByteArray> before = libraryContents();
    ASSERT_TRUE(QDir(library() + set).removeRecursively());

    const CliRun imported = run({ QStringLiteral("import"), pack });
    ASSERT_EQ(imported.exitCode, 0) << qPrintable(imported.errors);
    EXPECT_TRUE(imported.output.contains(QStringLiteral("imported: ") + set)) << qPrintable(imported.output);
    EXPECT_EQ(libraryContents(), before);
    EXPECT_TRUE(run({ QStringLiteral("list") }).output.contains(set));
}

TEST_F(CliPacks, RefusedPacksExitOneNameTheReasonAndWriteNothing)
{
    const QString pack = home.filePath(QStringLiteral("ocean.zip"));
    ASSERT_EQ(run({ QStringLiteral("export"), QStringLiteral("Deep Ocean"), pack }).exitCode, 0);
    const QMap<QString, QByteArray> before = libraryContents();

    // The set is still in the library: a terminal has nobody to ask, so the import is refused.
    const CliRun clash = run({ QStringLiteral("import"), pack });
    EXPECT_EQ(clash.exitCode, 1);
    EXPECT_TRUE(clash.errors.contains(QStringLiteral("Deep Ocean"))) << qPrintable(clash.errors);

    const QString notAPack = home.filePath(QStringLiteral("notes.zip"));
    QFile text(notAPack);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("these are notes, not a ZIP archive\n");
    text.close();
    const CliRun broken = run({ QStringLiteral("import"), notAPack });
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_TRUE(broken.errors.contains(notAPack)) << qPrintable(broken.errors);

    const CliRun missingSet = run({ QStringLiteral("export"), QStringLiteral("No Such Set"),
        home.filePath(QStringLiteral("none.zip")) });
    EXPECT_EQ(missingSet.exitCode, 1);
    EXPECT_FALSE(QFileInfo::exists(home.filePath(QStringLiteral("none.zip"))));

    EXPECT_EQ(libraryContents(), before);
}
