#include "popupaccessibility.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QWindow>

namespace
{

bool namesApplicationAsParent(const QAccessibleInterface* root)
{
    const QAccessibleInterface* parent = root->parent();
    return parent && parent->object() == qApp;
}

// The application's children: its windows, and the open menus that would be nobody's child.
QObjectList applicationChildren()
{
    QObjectList children;
    const QWindowList windows = QGuiApplication::topLevelWindows();
    for (QWindow* window : windows) {
        if (window->type() == Qt::Desktop)
            continue;
        QAccessibleInterface* root = window->accessibleRoot();
        if (!root || !root->object())
            continue;
        if (window->type() == Qt::Popup && !(window->isVisible() && namesApplicationAsParent(root)))
            continue;
        children.append(root->object());
    }
    return children;
}

class ApplicationWithPopups : public QAccessibleInterface
{
public:
    bool isValid() const override { return qApp != nullptr; }
    QObject* object() const override { return qApp; }
    QAccessibleInterface* parent() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return int(applicationChildren().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QObjectList children = applicationChildren();
        return index >= 0 && index < children.size()
            ? QAccessible::queryAccessibleInterface(children.at(index))
            : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? int(applicationChildren().indexOf(child->object())) : -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        QWindow* window = QGuiApplication::focusWindow();
        return window ? window->accessibleRoot() : nullptr;
    }
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return QGuiApplication::applicationName();
        if (kind == QAccessible::Description)
            return QGuiApplication::applicationFilePath();
        return {};
    }
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Application; }
    QAccessible::State state() const override { return {}; }
};

// Tells the assistive tools that the application has a new child while such a menu is open.
class MenuShowWatcher : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* menu = event->type() == QEvent::Show ? qobject_cast<QMenu*>(watched) : nullptr;
        const QAccessibleInterface* entry = menu ? QAccessible::queryAccessibleInterface(menu) : nullptr;
        if (entry && namesApplicationAsParent(entry)) {
            QAccessibleEvent created(menu, QAccessible::ObjectCreated);
            QAccessible::updateAccessibility(&created);
        }
        return false;
    }
};

QAccessibleInterface* applicationFactory(const QString&, QObject* object)
{
    if (!object || object != qApp)
        return nullptr;
    qApp->installEventFilter(new MenuShowWatcher(qApp));
    return new ApplicationWithPopups;
}

} // namespace

void installPopupAccessibility()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(applicationFactory);
    installed = true;
}
