#include "accesskeys.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <gtest/gtest.h>

namespace
{

QChar accessKey(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1].toLower();
        ++i; // "&&" is a plain ampersand
    }
    return {};
}

QStringList ownTexts(const QWidget& widget)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return { button->text() };
    if (const auto* label = qobject_cast<const QLabel*>(&widget); label && label->buddy())
        return { label->text() };
    if (const auto* frame = qobject_cast<const QGroupBox*>(&widget))
        return { frame->title() };
    QStringList texts;
    if (const auto* tabs = qobject_cast<const QTabBar*>(&widget))
        for (int i = 0; i < tabs->count(); ++i)
            texts.append(tabs->tabText(i));
    if (const auto* bar = qobject_cast<const QMenuBar*>(&widget))
        texts = entryTexts(bar->actions());
    return texts;
}

} // namespace

QStringList sharedAccessKeys(const QStringList& texts)
{
    QMap<QChar, QStringList> claims;
    for (const QString& text : texts)
        if (const QChar key = accessKey(text); !key.isNull())
            claims[key].append(text);
    QStringList shared;
    for (const QStringList& claimants : claims)
        if (claimants.size() > 1)
            shared.append(claimants.join(QLatin1String(" / ")));
    return shared;
}

QStringList entryTexts(const QList<QAction*>& actions)
{
    QStringList texts;
    for (const QAction* action : actions)
        if (!action->isSeparator() && action->isVisible())
            texts.append(action->text());
    return texts;
}

QStringList windowTexts(const QWidget& window, Pages pages)
{
    QStringList texts;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        // Pop-up menus and owned dialogs are windows of their own, checked on their own.
        if (widget->window() != &window || (pages == Pages::ShownPage && !widget->isVisibleTo(&window)))
            continue;
        texts += ownTexts(*widget);
    }
    return texts;
}

int expectUniqueAccessKeysInMenus(const QWidget& window)
{
    int menus = 0;
    for (const QMenu* menu : window.findChildren<QMenu*>()) {
        EXPECT_EQ(sharedAccessKeys(entryTexts(menu->actions())), QStringList())
            << (window.objectName() + u'/' + menu->objectName() + u' ' + menu->title()).toStdString();
        ++menus;
    }
    return menus;
}
