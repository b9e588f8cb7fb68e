#include "activebar.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

ActiveBar::ActiveBar(QMainWindow* window)
    : QObject(window)
    , m_window(window)
{
    // The only customisation menu a main window has is the one its bars offer on a right click.
    window->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(window, &QWidget::customContextMenuRequested, this, [this](const QPoint& position) {
        bool cancel = false;
        Q_EMIT PreCustomizeMenu(cancel);
        if (cancel)
            return;
        if (QMenu* menu = m_window->createPopupMenu()) {
            menu->exec(m_window->mapToGlobal(position));
            delete menu;
        }
    });
}

QAction* ActiveBar::addTool(const ToolDefinition& definition)
{
    auto* tool = new QAction(definition.caption, this);
    tool->setObjectName(definition.name);
    tool->setToolTip(definition.toolTip.isEmpty() ? QString(definition.caption).remove(QLatin1Char('&'))
                                                  : definition.toolTip);
    tool->setData(definition.category);
    tool->setCheckable(definition.checkable);
    QIcon fallback;
    if (definition.standardIcon >= 0)
        fallback
            = m_window->style()->standardIcon(static_cast<QStyle::StandardPixmap>(definition.standardIcon));
    if (!definition.iconTheme.isEmpty() || !fallback.isNull())
        tool->setIcon(QIcon::fromTheme(definition.iconTheme, fallback));
    m_tools.insert(definition.name, tool);
    return tool;
}

QAction* ActiveBar::Tools(const QString& name) const
{
    return m_tools.value(name);
}

QMenu* ActiveBar::addDropDownBand(
    const QString& name, const QString& caption, const QString& opener, const QStringList& tools)
{
    auto* menu = new QMenu(caption, m_window);
    menu->setObjectName(name);
    for (const QString& toolName : tools)
        menu->addAction(Tools(toolName));
    if (QAction* openerTool = Tools(opener))
        openerTool->setMenu(menu);
    m_bands.insert(name, menu);
    return menu;
}

void ActiveBar::addMenuBarBand(const QString& name, const QStringList& tools)
{
    QMenuBar* bar = m_window->menuBar();
    bar->setObjectName(name);
    for (const QString& toolName : tools)
        bar->addAction(Tools(toolName));
}

QToolBar* ActiveBar::addToolBarBand(const QString& name, const QString& caption, const QStringList& tools)
{
    auto* toolBar = new QToolBar(caption, m_window);
    toolBar->setObjectName(name);
    toolBar->setMovable(false);
    toolBar->setIconSize(QSize(16, 16));
    for (const QString& toolName : tools)
        toolBar->addAction(Tools(toolName));
    m_window->addToolBar(Qt::TopToolBarArea, toolBar);
    m_toolBars.append(toolBar);
    return toolBar;
}

QMenu* ActiveBar::band(const QString& name) const
{
    return m_bands.value(name);
}

void ActiveBar::PopupMenu(const QString& bandName, QPoint at)
{
    QMenu* menu = band(bandName);
    if (!menu)
        return;
    menu->popup(at == QPoint(-1, -1) ? QCursor::pos() : at);
}
