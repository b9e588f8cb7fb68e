#include "windows/frmabout.h"
#include "windows/namedcontrol.h"

#include "platform/msgbox.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

FrmAbout::FrmAbout(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(tr("About %1").arg(applicationTitle()));

    auto* icon = new QLabel(this);
    icon->setPixmap(QApplication::windowIcon().pixmap(64, 64));
    icon->setVisible(!icon->pixmap().isNull());

    Title = named<QLabel>("Title", applicationTitle(), this);
    QFont titleFont = Title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    Title->setFont(titleFont);
    Version = named<QLabel>("Version", tr("Version %1").arg(QStringLiteral(BOOTCANVAS_VERSION)), this);
    Version->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* about = new QLabel(
        tr("Keeps a library of startup, wait and shutdown screens for Windows 95 and 98, and installs them."),
        this);
    about->setWordWrap(true);
    auto* licence
        = new QLabel(tr("Free software under the GNU General Public License, version 3 or later."), this);
    licence->setWordWrap(true);

    auto* text = new QVBoxLayout;
    text->addWidget(Title);
    text->addWidget(Version);
    text->addSpacing(8);
    text->addWidget(about);
    text->addWidget(licence);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    setFixedWidth(380);
}
