// Logo packs: ZIP archives made into sets, refused whole when anything in them is unsafe, and
// sets written back as packs.
#include "libraryfixture.h"
#include "support/encodedpicture.h"

#include "app/settings.h"
#include "sets/logopack.h"
#include "sets/logopackimport.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <zip.h>

namespace
{

struct Stored {
    QByteArray name;
    QByteArray bytes;
    bool link = false;
};

class LogoPacksTest : public LibraryTest
{
protected:
    static QByteArray screen(int grey) { return logoScreenBytes(grey); }
    static QByteArray encoded(const QImage& image, const char* format)
    {
        return encodedPicture(image, format);
    }

    QString pack(const QString& name, const QList<Stored>& entries) const
    {
        const QString path = packs.filePath(name);
        zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
        for (const Stored& entry : entries) {
            zip_source_t* source = zip_source_buffer(archive, entry.bytes.constData(), entry.bytes.size(), 0);
            const zip_int64_t index = zip_file_add(archive, entry.name.constData(), source, 0);
            if (entry.link)
                zip_file_set_external_attributes(archive, index, 0, ZIP_OPSYS_UNIX, (S_IFLNK | 0777) << 16);
        }
        zip_close(archive);
        return path;
    }

    // Every file under the logo folder with its bytes, to show that nothing was written.
    QMap<QString, QByteArray> library() const
    {
        QMap<QString, QByteArray> files;
        const QString root = machine.host(QStringLiteral("C:\\Logos"));
        for (QDirIterator it(
                 root, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
             it.hasNext();) {
            const QString path = it.next();
            QFile file(path);
            files.insert(
                path.mid(root.size()), file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
        }
        return files;
    }
    QByteArray logoFile(const QString& relative) const
    {
        return machine.readFile(QStringLiteral("C:\\Logos\\") + relative);
    }

    QTemporaryDir packs;
};

TEST_F(LogoPacksTest, EachFolderOfScreensBecomesASetAndLooseScreensOneNamedAfterThePack)
{
    const QByteArray photo = encoded(QImage(64, 48, QImage::Format_RGB32), "PNG");
    const QString file = pack("Summer Collection.zip",
        { { "Sunset/LOGO.SYS", screen(10) }, { "Sunset/logow.sys", photo }, { "Sunset/readme.txt", "hello" },
            { "nested/Dawn.sls/LOGO.SYS", screen(20) }, { "LOGO.SYS", screen(30) } });
    const PackImport imported = importLogoPack(file, settings().LogoPath, {});
    EXPECT_EQ(imported.problem, QString());
    EXPECT_EQ(imported.sets, QStringList({ "Sunset", "Dawn.sls", "Summer Collection" }));
    EXPECT_EQ(logoFile("Sunset\\LOGO.SYS"), screen(10)); // a logo screen is kept byte for byte
    // A picture under a screen's name is converted as a browsed one is.
    const QImage converted = QImage::fromData(logoFile("Sunset\\LOGOW.SYS"), "BMP");
    EXPECT_EQ(converted.size(), QSize(320, 400));
    EXPECT_EQ(converted.format(), QImage::Format_Indexed8);
    EXPECT_FALSE(machine.exists("C:\\Logos\\Sunset\\readme.txt"));
    EXPECT_EQ(logoFile("Dawn.sls\\LOGO.SYS"), screen(20));
    EXPECT_EQ(logoFile("Summer Collection\\LOGO.SYS"), screen(30));
}

TEST_F(LogoPacksTest, UnsafePacksAreRefusedWithNothingWritten)
{
    makeSet(QStringLiteral("Sunset"));
    machine.writeFile(QStringLiteral("C:\\Logos\\Sunset\\LOGO.SYS"), screen(1));
    const QMap<QString, QByteArray> before = library();
    QList<Stored> crowd;
    for (int i = 0; i <= packs::MaxEntries; ++i)
        crowd.append({ QByteArray("Many/") + QByteArray::number(i) + ".txt", "x" });
    const std::pair<QString, QString> cases[] = {
        { pack("climb.zip", { { "Fine/LOGO.SYS", screen(5) }, { "../Escaped/LOGO.SYS", screen(5) } }),
            "../Escaped/LOGO.SYS would be written outside the logo folder" },
        { pack("absolute.zip", { { "/tmp/Escaped/LOGO.SYS", screen(5) } }),
            "/tmp/Escaped/LOGO.SYS would be written outside the logo folder" },
        { pack("link.zip", { { "Fine/LOGO.SYS", "/etc/passwd", true } }), "Fine/LOGO.SYS is a link" },
        { pack("crowd.zip", crowd), "it holds more than the limit of 1000 entries" },
        // 10 MiB of zeros pack into a few kilobytes.
        { pack("bomb.zip", { { "Bomb/LOGO.SYS", QByteArray(10 * 1024 * 1024, '\0') } }),
            "Bomb/LOGO.SYS is packed more than 100 to 1, as no picture is" },
        { pack("clash.zip", { { "New/LOGO.SYS", screen(5) }, { "Sunset/LOGO.SYS", screen(5) } }),
            "a logo set named \"Sunset\" already exists" },
        { pack("device.zip", { { "CON/LOGO.SYS", screen(5) } }),
            "the set name \"CON\" cannot be used: CON is the name of a DOS device, which no disk can hold, "
            "with or without an extension." },
        { pack("words.zip", { { "Fine/LOGO.SYS", screen(5) }, { "Words/LOGOS.SYS", "just words" } }),
            "Words/LOGOS.SYS: not a picture Bootcanvas can read (it reads BMP, GIF, JPEG, PNG, WebP, TIFF)" },
        { pack("nothing.zip", { { "readme.txt", "hello" } }),
            "it holds no logo screens (LOGO.SYS, LOGOW.SYS, LOGOS.SYS)" },
    };
    for (const auto& [file, why] : cases) {
        const PackImport imported = importLogoPack(file, settings().LogoPath, {});
        EXPECT_EQ(imported.problem, why) << qPrintable(file);
        EXPECT_TRUE(imported.sets.isEmpty());
        EXPECT_EQ(library(), before) << qPrintable(file);
    }
    const QString text = packs.filePath("text.zip");
    QFile words(text);
    ASSERT_TRUE(words.open(QIODevice::WriteOnly) && words.write("just some words") > 0);
    words.close();
    EXPECT_EQ(importLogoPack(text, settings().LogoPath, {}).problem, "not a ZIP archive, or a damaged one");
}

TEST_F(LogoPacksTest, AClashIsAskedAboutAndOnlyAYesOverwrites)
{
    makeSet(QStringLiteral("Sunset"));
    machine.writeFile(QStringLiteral("C:\\Logos\\Sunset\\LOGO.SYS"), screen(1));
    const QString file = pack("p.zip", { { "Sunset/LOGO.SYS", screen(2) }, { "Other/LOGO.SYS", screen(3) } });
    QStringList asked;
    PackImport imported = importLogoPack(file, settings().LogoPath, [&](const QString& set) {
        asked.append(set);
        return false;
    });
    EXPECT_EQ(asked, QStringList({ "Sunset" }));
    EXPECT_EQ(imported.sets, QStringList({ "Other" }));
    EXPECT_EQ(logoFile("Sunset\\LOGO.SYS"), screen(1));
    imported = importLogoPack(file, settings().LogoPath, [](const QString&) { return true; });
    EXPECT_EQ(logoFile("Sunset\\LOGO.SYS"), screen(2));
}

TEST_F(LogoPacksTest, ExportThenImportGivesTheSameScreens)
{
    makeSet(QStringLiteral("Coast"));
    for (int i = 0; i < 3; ++i)
        machine.writeFile(
            QStringLiteral("C:\\Logos\\Coast\\") + QStringList({ "LOGO.SYS", "LOGOW.SYS", "LOGOS.SYS" })[i],
            screen(40 + i));
    makeSet(QStringLiteral("Dawn.sls"));
    machine.writeFile(QStringLiteral("C:\\Logos\\Dawn.sls\\LOGO.SYS"), screen(50));
    machine.writeFile(QStringLiteral("C:\\Logos\\LOGOW.SYS"), screen(51)); // the default wait screen
    machine.writeFile(QStringLiteral("C:\\Logos\\LOGOS.SYS"), screen(52));
    const QMap<QString, QByteArray> before = library();
    for (const char* set : { "Coast", "Dawn.sls" })
        EXPECT_EQ(exportLogoPack(set, settings().LogoPath, packs.filePath(QString(set) + ".zip")), QString());
    EXPECT_FALSE(exportLogoPack("Nowhere", settings().LogoPath, packs.filePath("n.zip")).isEmpty());

    QDir(machine.host("C:\\Logos\\Coast")).removeRecursively();
    QDir(machine.host("C:\\Logos\\Dawn.sls")).removeRecursively();
    EXPECT_EQ(
        importLogoPack(packs.filePath("Coast.zip"), settings().LogoPath, {}).sets, QStringList({ "Coast" }));
    EXPECT_EQ(importLogoPack(packs.filePath("Dawn.sls.zip"), settings().LogoPath, {}).sets,
        QStringList({ "Dawn.sls" }));
    // The single-logo set took the default wait and shutdown screens along.
    QMap<QString, QByteArray> expected = before;
    expected.insert("/Dawn.sls/LOGOW.SYS", screen(51));
    expected.insert("/Dawn.sls/LOGOS.SYS", screen(52));
    EXPECT_EQ(library(), expected);
}

} // namespace
