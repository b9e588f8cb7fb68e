#pragma once

#include <QObject>
#include <array>
#include <functional>

class QAction;
class QMenu;
class QPoint;
class QWidget;

// What a click on a previewed picture does: view it at actual size, open it in Paint or in the
// custom program. Every action works on settings().ActionImageFile. The main window owns one and
// lends it to the logo browser, so both windows offer the same menu.
class PictureActions : public QObject
{
    Q_OBJECT
public:
    // `owner` parents the menu and the actual-size viewer.
    explicit PictureActions(QWidget* owner);

    // The open-with menu: "&View actual size", "&Open Paint", "Open custom program".
    QMenu* menu() const { return m_menu; }
    const std::array<QAction*, 3>& actions() const { return m_actions; }

    // Pops up the menu at the mouse pointer, or at `at`, with the default action (DefaultAction) in bold.
    void showMenu();
    void showMenu(const QPoint& at);
    // Runs the default action (DefaultAction) on the picture.
    void runDefault();
    // Runs one action: 0 actual size, 1 Paint, 2 the custom program; any other number does nothing.
    void run(int index);

    // Offered when no custom program is set: opens the preferences.
    std::function<void()> choosePreferences;

private:
    void openInCustomProgram(const QString& picture);

    QWidget* m_owner;
    QMenu* m_menu;
    std::array<QAction*, 3> m_actions {};
};
