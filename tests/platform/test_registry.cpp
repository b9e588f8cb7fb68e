#include "platform/machine.h"
#include "platform/registry.h"
#include "support/testmachine.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform;

namespace
{

const QString Lm = QStringLiteral("HKEY_LOCAL_MACHINE");
const QString SettingsKey = QStringLiteral("SOFTWARE\\Quillmark\\Bootcanvas");

QByteArray dword(uint32_t number)
{
    return QByteArray(reinterpret_cast<const char*>(&number), 4);
}

QByteArray readHost(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeHost(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray queryText(HKEY root, const QString& subKey, const QString& name)
{
    HKEY key = 0;
    if (RegOpenKeyExA(root, subKey, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return "<no key>";
    QByteArray data;
    const long status = RegQueryValueExA(key, name, nullptr, &data, nullptr);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? data : QByteArray("<no value>");
}

long setText(HKEY root, const QString& subKey, const QString& name, const QByteArray& text)
{
    HKEY key = 0;
    long status = RegCreateKeyExA(root, subKey, &key);
    if (status == ERROR_SUCCESS)
        status = RegSetValueExA(key, name, REG_SZ, text);
    RegCloseKey(key);
    return status;
}

} // namespace

TEST(RegistryHive, TextRoundTripKeepsEveryKindOfValue)
{
    RegistryHive hive;
    RegistryHive::Key& key = hive.createKey(SettingsKey);
    key.setValue(QStringLiteral("Quote \"and\" C:\\path\\"), REG_SZ, "say \"hi\" in C:\\dir\\");
    key.setValue(QStringLiteral("Empty"), REG_SZ, "");
    key.setValue(QString(), REG_SZ, "default");
    key.setValue(QStringLiteral("Caf\u00e9"), REG_SZ, "na\xEFve");
    key.setValue(QStringLiteral("Lines"), REG_SZ, QByteArray("one\r\ntwo\0three", 15));
    key.setValue(QStringLiteral("Count"), REG_DWORD, dword(10));
    key.setValue(QStringLiteral("Short dword"), REG_DWORD, "\x01");
    key.setValue(QStringLiteral("Blob"), REG_BINARY, QByteArray(100, '\xAB'));
    key.setValue(QStringLiteral("Expand"), 2, "%WINDIR%");
    hive.createKey(QStringLiteral("SOFTWARE\\Empty"));

    const QByteArray text = hive.toText(Lm);
    EXPECT_TRUE(text.startsWith("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE]\r\n\r\n"
                                "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Empty]\r\n\r\n"
                                "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quillmark]\r\n\r\n"));
    EXPECT_TRUE(
        text.contains("\"Quote \\\"and\\\" C:\\\\path\\\\\"=\"say \\\"hi\\\" in C:\\\\dir\\\\\"\r\n"));
    EXPECT_TRUE(text.contains("@=\"default\"\r\n\"Caf\xE9\"=\"na\xEFve\"\r\n"));
    EXPECT_TRUE(text.contains("\"Count\"=dword:0000000a\r\n"));
    EXPECT_TRUE(text.contains("\"Blob\"=hex:ab,ab,"));
    EXPECT_TRUE(text.contains(",\\\r\n  ab,ab")); // long binary data goes on over several lines
    for (const QByteArray& line : text.split('\n'))
        EXPECT_LE(line.size(), 81);

    const RegistryHive back = RegistryHive::parse(text, Lm);
    const RegistryHive::Key* reread = back.findKey(SettingsKey);
    ASSERT_NE(reread, nullptr);
    ASSERT_EQ(reread->values.size(), key.values.size());
    for (qsizetype i = 0; i < key.values.size(); ++i) {
        EXPECT_EQ(reread->values[i].name, key.values[i].name);
        EXPECT_EQ(reread->values[i].type, key.values[i].type) << key.values[i].name.toStdString();
        EXPECT_EQ(reread->values[i].data, key.values[i].data) << key.values[i].name.toStdString();
    }
    EXPECT_NE(back.findKey(QStringLiteral("software\\empty")), nullptr);
    EXPECT_EQ(back.toText(Lm), text);
}

TEST(RegistryHive, ReadsWhatOtherEditorsWrite)
{
    const QByteArray text = "Windows Registry Editor Version 5.00\n\n; exported by hand\n"
                            "[HKEY_CURRENT_USER\\Software\\A\\B]\n\"Bin\"=hex:01, 02,\\\n   03\n"
                            "\"Sz\"=hex(1):41,42,00\n\"Num\"=DWORD:FFFFFFFF\n  @ = \"d\"  \n"
                            "[hkey_current_user\\SOFTWARE\\a]\n\"bin\"=\"replaced\"\n";
    const RegistryHive hive = RegistryHive::parse(text, QStringLiteral("HKEY_CURRENT_USER"));
    const RegistryHive::Key* b = hive.findKey(QStringLiteral("software\\a\\b"));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->path, "Software\\A\\B");
    EXPECT_EQ(b->findValue(QStringLiteral("bin"))->data, "\x01\x02\x03");
    EXPECT_EQ(b->findValue(QStringLiteral("Sz"))->type, REG_SZ);
    EXPECT_EQ(b->findValue(QStringLiteral("Sz"))->data, "AB");
    EXPECT_EQ(b->findValue(QStringLiteral("Num"))->data, dword(0xFFFFFFFF));
    EXPECT_EQ(b->findValue(QString())->data, "d");
    ASSERT_NE(hive.findKey(QStringLiteral("Software")), nullptr);
    const RegistryHive::Key* a = hive.findKey(QStringLiteral("Software\\A"));
    ASSERT_EQ(a->values.size(), 1);
    EXPECT_EQ(a->values[0].name, "bin");
    EXPECT_EQ(hive.keys().size(), 3);
}

TEST(RegistryHive, RefusesTextThatIsNotAHiveAndSaysWhere)
{
    const std::pair<QByteArray, QString> cases[] = {
        { "REGEDIT5\r\n", "REGEDIT4" },
        { "REGEDIT4\r\n\r\n\"a\"=\"b\"\r\n", "line 3" },
        { "REGEDIT4\r\n[HKEY_CURRENT_USER\\X]\r\n", "outside" },
        { "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\X]\r\n\"a\"=\"unterminated\r\n", "line 3" },
        { "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\X]\r\n\"a\"=dword:123456789\r\n", "line 3" },
        { "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\X]\r\n\"a\"=hex:01,zz\r\n", "line 3" },
        { "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\X]\r\n\"a\"=hex:01,\\", "ends inside" },
        { "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\X\r\n", "line 2" },
        { "REGEDIT4\r\n" + QByteArray(RegistryHive::MaxBytes, ';'), "8 MB" },
    };
    for (const auto& [text, reason] : cases) {
        try {
            RegistryHive::parse(text, Lm);
            ADD_FAILURE() << "accepted: " << text.left(80).constData();
        } catch (const DamagedFileError& error) {
            EXPECT_TRUE(error.reason().contains(reason)) << error.reason().toStdString();
        }
    }
    EXPECT_TRUE(RegistryHive::parse(" \r\n", Lm).keys().isEmpty());
}

TEST(Registry, CallsAnswerWithWindowsStatusCodes)
{
    TestMachine machine;
    HKEY key = 0;
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, SettingsKey, KEY_ALL_ACCESS, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key, 0u);
    EXPECT_EQ(RegOpenKeyExA(0x1234567, SettingsKey, KEY_ALL_ACCESS, &key), ERROR_INVALID_HANDLE);
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, SettingsKey, &key), ERROR_SUCCESS);

    uint32_t type = 0, size = 0;
    EXPECT_EQ(RegQueryValueExA(key, QStringLiteral("LogoPath"), &type, nullptr, &size), ERROR_FILE_NOT_FOUND);
    ASSERT_EQ(RegSetValueExA(key, QStringLiteral("LogoPath"), REG_SZ, QByteArray("C:\\Logos\\", 10)),
        ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, QStringLiteral("Count"), REG_DWORD, dword(7)), ERROR_SUCCESS);

    EXPECT_EQ(RegQueryValueExA(key, QStringLiteral("logopath"), &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(size, 10u); // the text and its NUL
    QByteArray data;
    EXPECT_EQ(RegQueryValueExA(key, QStringLiteral("Count"), &type, &data, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(data, dword(7));

    EXPECT_EQ(RegDeleteValueA(key, QStringLiteral("COUNT")), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValueA(key, QStringLiteral("Count")), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegSetValueExA(key, QStringLiteral("two\nlines"), REG_SZ, "x"), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegQueryValueExA(key, QStringLiteral("LogoPath"), &type, nullptr, &size), ERROR_INVALID_HANDLE);

    // The roots are keys too, and a subkey opened from an open key is found without regard to case.
    HKEY software = 0, nested = 0;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, QStringLiteral("software"), KEY_ALL_ACCESS, &software),
        ERROR_SUCCESS);
    EXPECT_EQ(RegOpenKeyExA(software, QStringLiteral("QUILLMARK\\bootcanvas"), KEY_ALL_ACCESS, &nested),
        ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValueExA(nested, QStringLiteral("LogoPath"), nullptr, nullptr, nullptr), ERROR_SUCCESS);
    RegCloseKey(nested);
    RegCloseKey(software);
    EXPECT_EQ(RegSetValueExA(HKEY_CURRENT_USER, QStringLiteral("AtRoot"), REG_SZ, "1"), ERROR_SUCCESS);
    EXPECT_EQ(queryText(HKEY_CURRENT_USER, {}, QStringLiteral("AtRoot")), QByteArray("1", 2));
}

TEST(Registry, HivesAreRegedit4FilesThatKeepTheCaseGivenFirst)
{
    TestMachine machine;
    const QString hive = platform::currentMachine().systemHivePath();
    EXPECT_FALSE(QFile::exists(hive));
    ASSERT_EQ(
        setText(HKEY_LOCAL_MACHINE, SettingsKey, QStringLiteral("DefaultLogoSet"), "Blue"), ERROR_SUCCESS);
    ASSERT_EQ(setText(HKEY_LOCAL_MACHINE, QStringLiteral("software\\QUILLMARK\\bootcanvas\\Sub"),
                  QStringLiteral("x"), "1"),
        ERROR_SUCCESS);
    EXPECT_EQ(readHost(hive),
        "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE]\r\n\r\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quillmark]\r\n\r\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quillmark\\Bootcanvas]\r\n"
        "\"DefaultLogoSet\"=\"Blue\"\r\n\r\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quillmark\\Bootcanvas\\Sub]\r\n\"x\"=\"1\"\r\n\r\n");
    EXPECT_FALSE(QFile::exists(platform::currentMachine().userHivePath()));

    // A change made on disk by someone else is seen by the next read.
    writeHost(hive,
        "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quillmark\\Bootcanvas]\n\"DefaultLogoSet\"=\"Red\"\n");
    EXPECT_EQ(
        queryText(HKEY_LOCAL_MACHINE, SettingsKey, QStringLiteral("DefaultLogoSet")), QByteArray("Red", 4));
}

TEST(Registry, DamagedHiveIsKeptAsideReportedOnceAndReplacedOnWrite)
{
    TestMachine machine;
    const QString hive = platform::currentMachine().systemHivePath();
    const QByteArray garbage = "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE]\r\nnonsense\r\n";
    writeHost(hive, garbage);
    writeHost(hive + QStringLiteral(".damaged"), "an older copy");

    EXPECT_EQ(queryText(HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE"), QStringLiteral("x")), "<no key>");
    const std::optional<DamagedFileError> problem = takeRegistryProblem();
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->file(), hive);
    EXPECT_EQ(problem->keptCopy(), hive + QStringLiteral(".damaged-2"));
    EXPECT_TRUE(problem->reason().contains(QStringLiteral("line 3")));
    EXPECT_EQ(readHost(hive + QStringLiteral(".damaged-2")), garbage);
    EXPECT_EQ(readHost(hive + QStringLiteral(".damaged")), "an older copy");
    EXPECT_FALSE(takeRegistryProblem().has_value());

    ASSERT_EQ(setText(HKEY_LOCAL_MACHINE, SettingsKey, QStringLiteral("View"), "1"), ERROR_SUCCESS);
    EXPECT_TRUE(readHost(hive).startsWith("REGEDIT4\r\n"));
    EXPECT_EQ(readHost(hive + QStringLiteral(".damaged-2")), garbage);
}

TEST(Registry, TwoProcessesWritingAtOnceLoseNothing)
{
    TestMachine machine;
    constexpr int Rounds = 50;
    int go[2];
    ASSERT_EQ(::pipe(go), 0);
    QList<pid_t> children;
    for (const char* name : { "First", "Second" }) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            char start;
            ::close(go[1]);
            if (::read(go[0], &start, 1) != 0) // both wait until the pipe closes, then race
                ::_exit(3);
            for (int i = 1; i <= Rounds; ++i)
                if (setText(HKEY_LOCAL_MACHINE, SettingsKey, QString::fromLatin1(name), QByteArray::number(i))
                    != ERROR_SUCCESS)
                    ::_exit(1);
            ::_exit(0);
        }
        children.append(child);
    }
    ::close(go[0]);
    ::close(go[1]);
    for (const pid_t child : children) {
        int status = -1;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(queryText(HKEY_LOCAL_MACHINE, SettingsKey, QStringLiteral("First")), QByteArray("50", 3));
    EXPECT_EQ(queryText(HKEY_LOCAL_MACHINE, SettingsKey, QStringLiteral("Second")), QByteArray("50", 3));
}
