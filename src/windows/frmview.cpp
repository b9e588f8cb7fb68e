#include "windows/frmview.h"

#include "images/grafica.h"
#include "windows/picturebox.h"
#include "windows/screenanimator.h"

#include <QKeyEvent>

FrmView::FrmView(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , Preview(new PictureBox(this))
{
    setObjectName(QStringLiteral("FrmView"));
    Preview->setObjectName(QStringLiteral("Preview"));
    Preview->setAccessibleName(tr("Picture at actual size"));
    Preview->setToolTip(tr("Click or press a key to close"));
    Preview->setBackgroundRole(QPalette::Window);
    Preview->setAutoSize(true);
    Preview->move(0, 0);
    new ScreenAnimator(Preview);
    connect(Preview, &PictureBox::mouseReleased, this, [this](Qt::MouseButton, QPoint) { accept(); });
}

void FrmView::loadPicture(const QString& fileName)
{
    ShowFullPicture(fileName, *Preview);
    Preview->setTag(fileName);
    setFixedSize(Preview->size());
}

void FrmView::showPicture(const QString& fileName, QWidget* parent)
{
    FrmView view(parent);
    view.loadPicture(fileName);
    view.exec();
}

void FrmView::keyPressEvent(QKeyEvent* event)
{
    // Only keys that type a character close the viewer; arrows, function keys and modifiers do not.
    if (!event->text().isEmpty()) {
        accept();
        return;
    }
    event->ignore();
}
