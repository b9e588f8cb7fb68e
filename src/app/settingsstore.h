#pragma once

#include <QString>

// What loading and saving the settings need of the main window.
class SettingsView
{
public:
    virtual ~SettingsView() = default;
    // Switches the list to list (0) or report (any other index) view and marks the menu entry.
    virtual void ItmViewType_Click(int index) = 0;
    // Caption of the third entry of the picture's open-with menu.
    virtual void setCustomProgramCaption(const QString& caption) = 0;
    virtual bool isListViewChecked() const = 0;
    virtual QString defaultLogoCaption() const = 0;
    // The check mark of "Autoshow animation".
    virtual void setAnimationShown(bool shown) = 0;
    virtual bool isAnimationShown() const = 0;
};

// For programs without a main window (the command-line tool, the companion programs): nothing to
// apply, and the installed set is the one the settings name.
class WindowlessSettingsView : public SettingsView
{
public:
    void ItmViewType_Click(int) override { }
    void setCustomProgramCaption(const QString&) override { }
    bool isListViewChecked() const override { return true; }
    QString defaultLogoCaption() const override;
    void setAnimationShown(bool shown) override { m_animationShown = shown; }
    bool isAnimationShown() const override { return m_animationShown; }

private:
    bool m_animationShown = false;
};

// Reads every setting but "ShowSplashScreen" into settings(), with their defaults, and applies the
// view type and the custom program's caption to the main window. A step that fails is skipped.
void LoadSettings(SettingsView& mainWindow);
// Writes every setting from settings() and from the main window's state. Failures are not shown.
void SaveSettings(const SettingsView& mainWindow);
