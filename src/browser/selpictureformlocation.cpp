#include "selpictureform.h"

#include "app/pathhelpers.h"
#include "platform/displaypath.h"
#include "platform/files.h"
#include "platform/msgbox.h"
#include "platform/windowspath.h"
#include "platform/winpath.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>
#include <functional>

// The editable location: Ctrl+L opens a field over the folder's path where a Windows path or a host
// path can be typed; Enter goes there, Esc closes the field and leaves the dialog open.

namespace
{

class LocationEdit : public QLineEdit
{
public:
    using QLineEdit::QLineEdit;
    std::function<void()> cancelled;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Escape && cancelled) {
            cancelled();
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
};

} // namespace

void SelPictureForm::createLocationField()
{
    auto* field = new LocationEdit(this);
    field->setObjectName(QStringLiteral("Location"));
    field->setAccessibleName(tr("Location"));
    field->setPlaceholderText(tr("Type a folder, such as C:\\Pictures or /home"));
    field->setGeometry(CurPath->geometry().adjusted(0, -3, 0, 3));
    field->hide();
    field->cancelled = [this] { hideLocationField(); };
    connect(field, &QLineEdit::returnPressed, this, [this, field] {
        if (goToLocation(field->text()))
            hideLocationField();
    });
    Location = field;
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this);
    connect(shortcut, &QShortcut::activated, this, &SelPictureForm::showLocationField);
}

void SelPictureForm::showLocationField()
{
    Location->setGeometry(CurPath->geometry().adjusted(0, -3, 0, 3));
    Location->setText(platform::pathForDisplay(CurrentFolder));
    CurPath->hide();
    Location->show();
    Location->setFocus();
    Location->selectAll();
}

void SelPictureForm::hideLocationField()
{
    Location->hide();
    CurPath->show();
    LogoList->setFocus();
}

bool SelPictureForm::goToLocation(const QString& typed)
{
    const QString path = platform::pathFromDisplay(typed.trimmed());
    QString folder;
    try {
        folder = AddBackslash(platform::parseWindowsPath(path).toString());
    } catch (const std::exception&) {
        folder.clear();
    }
    if (folder.isEmpty() || !platform::folderExists(folder)) {
        MsgBox(tr("The folder %1 cannot be found.").arg(typed.trimmed()), vbExclamation);
        return false;
    }
    const int drive = Drive1->findText(folder.left(2).toLower(), Qt::MatchStartsWith);
    if (drive >= 0)
        Drive1->setCurrentIndex(drive);
    CurrentFolder = folder;
    FillList(CurrentFolder);
    showFolderCaption(folder.size() > 3 ? folder.chopped(1) : folder);
    return true;
}
