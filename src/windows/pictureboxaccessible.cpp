#include "windows/pictureboxaccessible.h"

#include "windows/picturebox.h"

#include <QAccessibleWidget>

namespace
{

class PictureBoxAccessible : public QAccessibleWidget
{
public:
    explicit PictureBoxAccessible(PictureBox* box)
        : QAccessibleWidget(box, QAccessible::Graphic)
    {
    }

    // Keyboard actions may be switched on after the tree first asked about the box.
    QAccessible::Role role() const override
    {
        return box()->keyboardActions() ? QAccessible::Button : QAccessible::Graphic;
    }

    QStringList actionNames() const override
    {
        if (!box()->keyboardActions())
            return QAccessibleWidget::actionNames();
        return { pressAction(), showMenuAction(), setFocusAction() };
    }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction())
            box()->activate();
        else if (actionName == showMenuAction())
            box()->requestMenu();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    PictureBox* box() const { return static_cast<PictureBox*>(widget()); }
};

QAccessibleInterface* pictureBoxFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("PictureBox") && object && object->isWidgetType())
        return new PictureBoxAccessible(static_cast<PictureBox*>(object));
    return nullptr;
}

} // namespace

void installPictureBoxAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(pictureBoxFactory);
        return true;
    }();
    (void)installed;
}
