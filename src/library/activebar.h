#pragma once

#include <QHash>
#include <QObject>
#include <QPoint>
#include <QStringList>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

// The main window's menu bar, drop-down menus and toolbar as one control: tools are actions found
// by name, shared by every band that shows them, so a check mark or an enabled state set once shows
// everywhere. A tool is the command's one action: the window connects to its triggered signal, or
// to toggled for a checkable tool, so the command runs however the tool was chosen.
class ActiveBar : public QObject
{
    Q_OBJECT
public:
    struct ToolDefinition {
        QString name;
        QString caption;
        QString toolTip;
        QString category;
        QString iconTheme; // freedesktop icon name, with a standard icon of the style as fallback
        int standardIcon = -1; // QStyle::StandardPixmap, or -1
        bool checkable = false;
    };

    explicit ActiveBar(QMainWindow* window);

    QAction* addTool(const ToolDefinition& definition);
    // Finds a tool by its name; null when there is none.
    QAction* Tools(const QString& name) const;

    // A drop-down band opened by the menu-bar tool `opener` (and usable as a pop-up menu).
    QMenu* addDropDownBand(
        const QString& name, const QString& caption, const QString& opener, const QStringList& tools);
    void addMenuBarBand(const QString& name, const QStringList& tools);
    QToolBar* addToolBarBand(const QString& name, const QString& caption, const QStringList& tools);
    QMenu* band(const QString& name) const;

    // Shows a drop-down band as a pop-up menu; (-1, -1) means at the mouse pointer.
    void PopupMenu(const QString& bandName, QPoint at = QPoint(-1, -1));

Q_SIGNALS:
    // Raised before the bars' customisation menu would open; setting cancel keeps it closed.
    void PreCustomizeMenu(bool& cancel);

private:
    QMainWindow* m_window;
    QHash<QString, QAction*> m_tools;
    QHash<QString, QMenu*> m_bands;
    QList<QToolBar*> m_toolBars;
};
