#pragma once

#include <QString>

// The program-wide variables: the in-memory copies of the user's settings and the few values that
// several windows share. One object, reached through settings(); nothing else holds them.
struct Settings {
    QString AppPath; // the program folder, with a trailing "\"
    QString WinPath; // the Windows folder, with a trailing "\"
    QString HelpFile; // AppPath & "bootcanvas.hlp"
    QString StartupFolder; // the Start menu's StartUp folder, with a trailing "\"
    QString LogoPath; // the logo folder, with a trailing "\"
    QString DefaultLogoSet;
    QString StartUpDrive; // "C:\"
    QString SearchLogoPath;
    QString CustomProgName;
    QString CustomProgPath;
    QString ActionImageFile;
    QString OpenFileTitle;
    qint16 SynchronizeLogos = 0;
    qint16 DefaultAction = 0;
    qint16 ActionOnDoubleClick = 0;
    qint16 DeleteInRecycleBin = 0;
    qint16 ConfirmLogosetDelete = 0;
    qint16 ConfirmLogoTypeChange = 0;
    qint16 ShowSplashScreen = 0;
    qint16 LogoOption = 0;
    qint16 AnimatedBar = 0; // 1 = pictures converted for the startup slot get a moving bar
};

Settings& settings();
// Back to the state of a program that has just started (every test begins with it).
void resetSettings();

// Where the settings live: HKEY_LOCAL_MACHINE & this key.
inline const QString SettingsKey = QStringLiteral("SOFTWARE\\Quillmark\\Bootcanvas");
// Stands for "no installed set is known".
inline const QString DontKnow = QStringLiteral("<Don't know>");
