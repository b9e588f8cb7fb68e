#pragma once

#include "app/settingsstore.h"

// Stands in for the main window where only the settings matter.
struct FakeSettingsView : SettingsView {
    int viewIndex = -1;
    QString customCaption;
    bool listChecked = true;
    QString defaultCaption = QStringLiteral("<Don't know>");
    bool animationShown = false;

    void ItmViewType_Click(int index) override
    {
        viewIndex = index;
        listChecked = index == 0;
    }
    void setCustomProgramCaption(const QString& caption) override { customCaption = caption; }
    bool isListViewChecked() const override { return listChecked; }
    QString defaultLogoCaption() const override { return defaultCaption; }
    void setAnimationShown(bool shown) override { animationShown = shown; }
    bool isAnimationShown() const override { return animationShown; }
};
