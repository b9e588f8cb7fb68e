#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A machine in a fresh temporary folder, made the current machine for the test's lifetime:
// drive C on drive_c with C:\WINDOWS, C:\WINDOWS\TEMP and the program folder
// C:\Program Files\Bootcanvas; the hives start empty.
class TestMachine
{
public:
    explicit TestMachine(const QByteArray& extraIni = {});
    ~TestMachine();
    TestMachine(const TestMachine&) = delete;
    TestMachine& operator=(const TestMachine&) = delete;

    QString folder() const { return m_dir.path(); }
    // Host path of a Windows path on drive C (or any drive of the machine).
    QString host(const QString& windowsPath) const;
    void writeFile(const QString& windowsPath, const QByteArray& bytes) const;
    QByteArray readFile(const QString& windowsPath) const;
    bool exists(const QString& windowsPath) const;
    void makeFolder(const QString& windowsPath) const;
    // Adds a drive letter mapped to a new folder inside the machine.
    void addDrive(QChar letter, const QString& type = QStringLiteral("fixed"));

private:
    void writeIni() const;

    QTemporaryDir m_dir;
    QByteArray m_extraIni;
    QByteArray m_extraDrives;
};
