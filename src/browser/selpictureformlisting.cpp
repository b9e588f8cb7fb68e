#include "selpictureform.h"

#include "folderlisting.h"

#include "app/attempt.h"
#include "app/pathhelpers.h"
#include "app/settings.h"
#include "app/systemfolders.h"
#include "platform/displaypath.h"
#include "platform/fileerror.h"
#include "platform/files.h"
#include "platform/msgbox.h"
#include "windows/imagelist.h"
#include "windows/pictureactions.h"
#include "windows/picturebox.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>

namespace
{

QString withoutTrailingBackslash(const QString& folder)
{
    return folder.endsWith(QLatin1Char('\\')) ? folder.chopped(1) : folder;
}

// The host folder an image's machine shows for `windowsFolder` (one on a drive the image lacks),
// without a trailing separator; empty where the folder is shown the Windows way.
QString shownHostFolder(const QString& windowsFolder)
{
    QString host = platform::pathForDisplay(windowsFolder);
    if (host == windowsFolder)
        return {};
    if (host.size() > 1 && host.endsWith(u'/'))
        host.chop(1);
    return host;
}

} // namespace

void SelPictureForm::FillList(QString folder)
{
    LogoList->clear();
    if (!folder.endsWith(QLatin1Char('\\')))
        folder += QLatin1Char('\\');
    Dir1Path = folder;
    const FolderContents contents = readFolderContents(folder);
    Dir1 = contents.folders;
    File1 = contents.files;
    // Thousands of entries go in without a repaint or a layout pass each.
    LogoList->setUpdatesEnabled(false);
    if (folder.size() >= 4)
        LogoList->addItem(new QListWidgetItem(imageListIcon(QStringLiteral("up")), QStringLiteral("..")));
    const QIcon folderIcon = imageListIcon(QStringLiteral("closed"));
    for (const QString& name : std::as_const(Dir1))
        LogoList->addItem(new QListWidgetItem(folderIcon, name));
    const QIcon sysIcon = imageListIcon(QStringLiteral("sys"));
    const QIcon imageIcon = imageListIcon(QStringLiteral("image"));
    for (const QString& name : std::as_const(File1))
        LogoList->addItem(
            new QListWidgetItem(iconKeyForFile(name) == QLatin1String("sys") ? sysIcon : imageIcon, name));
    LogoList->setUpdatesEnabled(true);
}

void SelPictureForm::AggiornaDir()
{
    FillList(CurrentFolder);
}

void SelPictureForm::Drive1_Change()
{
    const QString drive = Drive1->currentText();
    try {
        CurrentFolder = drive.left(2).toUpper() + QLatin1Char('\\');
        Dir1Path = CurrentFolder;
        FillList(CurrentFolder);
        showFolderCaption(CurrentFolder.left(2));
    } catch (const std::exception&) {
        MsgBox(tr("Drive %1 isn't accessible! Check it and retry.").arg(drive.left(2).toUpper()), vbCritical);
        const QString appDrive = settings().AppPath.left(2).toLower();
        const int row = Drive1->findText(appDrive, Qt::MatchStartsWith);
        // A program drive that cannot be read either must not bring the message back for ever.
        if (row >= 0 && row != Drive1->currentIndex()) {
            Drive1->setCurrentIndex(row);
            Drive1_Change();
        }
        CurrentFolder = settings().AppPath.left(3);
        Dir1Path = settings().AppPath;
        attempt([&] { FillList(CurrentFolder); });
    }
}

// A drive of the list as "c:"; on an image's machine a drive the image lacks also names the host
// folder behind it, as "p: [/home/...]".
QString driveItemText(QChar letter)
{
    const QString host = shownHostFolder(QString(letter.toUpper()) + QStringLiteral(":\\"));
    const QString item = QString(letter.toLower()) + QLatin1Char(':');
    return host.isEmpty() ? item : item + QStringLiteral(" [") + host + QLatin1Char(']');
}

// The caption above the list names the current folder the Windows way. On an image's machine a
// folder on a drive the image lacks is named as the host folder it is, where the user finds it,
// shortened in the middle to the label's width and whole in its tooltip.
void SelPictureForm::showFolderCaption(const QString& windowsCaption)
{
    const QString host = shownHostFolder(CurrentFolder);
    if (host.isEmpty()) {
        CurPath->setText(windowsCaption);
        CurPath->setToolTip(QString());
        return;
    }
    CurPath->setText(CurPath->fontMetrics().elidedText(host, Qt::ElideMiddle, CurPath->width()));
    CurPath->setToolTip(host);
}

bool SelPictureForm::isFolderEntry(const QString& name) const
{
    return platform::folderExists(CurrentFolder + name);
}

void SelPictureForm::goUp(bool shortenCaption)
{
    if (CurrentFolder.size() <= 3)
        return;
    QString folder = withoutTrailingBackslash(CurrentFolder);
    CurrentFolder = folder.left(folder.lastIndexOf(QLatin1Char('\\')) + 1);
    attempt([&] { FillList(CurrentFolder); });
    const QString shown = withoutTrailingBackslash(CurrentFolder);
    showFolderCaption(shortenCaption ? ShortenPath(shown, 30) : shown);
}

void SelPictureForm::LogoList_DblClick()
{
    const QListWidgetItem* item = LogoList->currentItem();
    if (!item)
        return;
    const QString name = item->text();
    if (name == QLatin1String("..")) {
        goUp(true);
    } else if (isFolderEntry(name)) {
        CurrentFolder += name + QLatin1Char('\\');
        attempt([&] { FillList(CurrentFolder); });
        showFolderCaption(ShortenPath(withoutTrailingBackslash(CurrentFolder), 30));
    } else if (CurView->hasPicture()) {
        LockNameLogoSet = true;
        settings().ActionImageFile = PicturePath;
        if (m_library.pictures)
            m_library.pictures->runDefault();
    }
}

void SelPictureForm::LogoList_ItemClick(QListWidgetItem* item)
{
    if (!item || item->text() == QLatin1String(".."))
        return;
    const QString path = CurrentFolder + item->text();
    if (exists(path, platform::vbNormal))
        CheckImage(path, item->text());
}

void SelPictureForm::LogoList_KeyUp(int key)
{
    switch (key) {
    case Qt::Key_F5:
        itmRefresh_Click();
        break;
    case Qt::Key_F2:
        ItmRename_Click();
        break;
    case Qt::Key_Delete:
        ItmDelete_Click();
        break;
    default:
        break;
    }
}

void SelPictureForm::LogoList_KeyPress(int key)
{
    if (key == Qt::Key_Backspace)
        goUp(false);
}
