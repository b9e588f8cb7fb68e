#include "selpictureform.h"

#include "logosetdeletion.h"
#include "passover.h"
#include "picturereason.h"

#include "app/attempt.h"
#include "app/hourglass.h"
#include "app/pathhelpers.h"
#include "app/settings.h"
#include "app/shellhelpers.h"
#include "app/systemfolders.h"
#include "images/animatedlayer.h"
#include "images/conversionproblem.h"
#include "images/grafica.h"
#include "images/picturereader.h"
#include "platform/files.h"
#include "platform/msgbox.h"
#include "windows/labelcolour.h"
#include "windows/picturebox.h"

#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

namespace
{

// The runtime's Str(): a blank where a negative number's sign would go.
QString runtimeStr(double value)
{
    const QString digits = std::abs(value) < 1e15 && value == std::floor(value)
        ? QString::number(static_cast<qint64>(value))
        : QString::number(value, 'G', 15);
    return value >= 0 ? QLatin1Char(' ') + digits : digits;
}

} // namespace

void SelPictureForm::CheckImage(const QString& MyPath, const QString& MyFile)
{
    GoodBMP = false;
    PicturePath = MyPath;
    const QString extension = GetExtension(MyFile).toUpper();
    PictureIsBitmap = extension == QLatin1String(".SYS") || extension == QLatin1String(".BMP");
    qint32 width = 0, height = 0;
    qint16 bitCount = 0;
    const bool drawn = attempt([&] { DrawPreview(PicturePath, *CurView, width, height, bitCount); })
        && CurView->hasPicture();
    if (!drawn) {
        CurView->setTag(QString());
        ImageInfo->setText(tr("no logo selected"));
        PictureReason->showReason(images::pictureReason(images::hostPathOrEmpty(PicturePath)));
        DisableImage();
        showVerdict(Verdict::NoPicture);
        return;
    }
    PictureReason->clearReason();
    CurView->setTag(PicturePath);
    const bool logoScreen = width == 320 && height == 400 && bitCount == 8 && PictureIsBitmap;
    showVerdict(logoScreen ? Verdict::LogoScreen : Verdict::NeedsConversion);
    EnableImage();
    ImageInfo->setText(QString::number(width) + QStringLiteral(" x") + runtimeStr(height)
        + QStringLiteral(" x") + runtimeStr(std::pow(2.0, bitCount)));
}

void SelPictureForm::showVerdict(Verdict verdict)
{
    PictureVerdict = verdict;
    const QColor colours[] = { NoPictureColour, LogoScreenColour, ConvertColour };
    setTextColour(ImageInfo, colours[int(verdict)]);
}

void SelPictureForm::AddButton_Click(int Index)
{
    if (!GoodBMP)
        return;
    QString slotFile = PicturePath;
    if (PictureVerdict == Verdict::NeedsConversion) {
        const ScopedHourglass hourglass;
        QString temporary;
        // Only the startup screen moves at boot, so only its slot gets the bar.
        const LogoOptions options { Index == 0 && settings().AnimatedBar == 1 ? images::DefaultBarColours
                                                                              : 0 };
        const bool converted
            = attempt([&] { temporary = GetTempFile(); }) && ConvertToLogo(PicturePath, temporary, options);
        if (!converted) {
            // An empty file in the slot would be saved as a broken screen: the slot stays as it was.
            if (!temporary.isEmpty())
                attempt([&] { platform::Kill(temporary); });
            MsgBox(tr("The picture %1 could not be converted into a logo screen.").arg(PicturePath),
                vbExclamation);
            return;
        }
        slotFile = temporary;
        List1.append(temporary);
    }
    SlotsChanged = true;
    CheckBtnStatus();
    drawSlot(Index, PicturePath);
    ImgPreview[Index]->setTag(slotFile);
}

void SelPictureForm::drawSlot(int index, const QString& path)
{
    PictureBox* box = ImgPreview[index];
    if (!attempt([&] {
            qint32 width = 320, height = 400;
            qint16 bitCount = 8;
            DrawPreview(path, *box, width, height, bitCount);
        }))
        box->clearPicture();
}

void SelPictureForm::DeleteButton_Click(int Index)
{
    if (ImgPreview[Index]->hasPicture())
        SlotsChanged = true;
    CheckBtnStatus();
    ImgPreview[Index]->clearPicture();
    ImgPreview[Index]->setTag(QString());
}

void SelPictureForm::ClearAllButton_Click()
{
    for (PictureBox* slot : ImgPreview) {
        slot->clearPicture();
        slot->setTag(QString());
    }
}

void SelPictureForm::EnableImage()
{
    GoodBMP = true;
    for (QPushButton* add : AddButton)
        add->setEnabled(true);
}

void SelPictureForm::DisableImage()
{
    GoodBMP = false;
    for (QPushButton* add : AddButton)
        add->setEnabled(false);
}

void SelPictureForm::CheckBtnStatus()
{
    if (SlotsChanged || NameChanged)
        EliminaSetBtn->setEnabled(false);
    if (LoadedSetName.isEmpty()) {
        OkButton[0]->setEnabled(!NameLogoSet->currentText().isEmpty());
    } else if (SlotsChanged && !NameChanged) {
        OkButton[1]->setEnabled(true);
        OkButton[0]->setEnabled(false);
    } else {
        OkButton[0]->setEnabled(true);
        OkButton[1]->setEnabled(true);
    }
}

void SelPictureForm::NameLogoSet_Change()
{
    if (!NameLogoSet->currentText().isEmpty()) {
        NameChanged = true;
        CheckBtnStatus();
    } else {
        SetEnabled(false, { OkButton[0], OkButton[1] });
    }
}

void SelPictureForm::setNameText(const QString& text)
{
    NameLogoSet->setEditText(text);
    NameLogoSet_Change();
}

void SelPictureForm::ActButton_Click()
{
    if (OptDefShut->isChecked())
        saveDefaultScreens();
    else
        mnuAction->popup(QCursor::pos());
}

void SelPictureForm::saveDefaultScreens()
{
    LibraryChanged = true;
    const QString& logoPath = settings().LogoPath;
    const QString targets[]
        = { logoPath + QStringLiteral("LOGOW.SYS"), logoPath + QStringLiteral("LOGOS.SYS") };
    try {
        for (int i = 1; i <= 2; ++i) {
            const QString source = ImgPreview[i]->tag();
            const QString& target = targets[i - 1];
            passOver([&] {
                if (source.isEmpty())
                    platform::Kill(target);
                else if (source.compare(target, Qt::CaseInsensitive) != 0)
                    platform::FileCopy(source, target);
            });
        }
    } catch (const std::exception&) {
        return;
    }
    markUnchanged();
    attempt([&] { AggiornaDir(); });
}

void SelPictureForm::EliminaSetBtn_Click()
{
    const QString name = NameLogoSet->currentText();
    bool deleted = false;
    attempt([&] { deleted = EliminaLogoSet(settings().LogoPath + name, name); });
    if (!deleted)
        return;
    renameInstalledCaption(name, DontKnow);
    LibraryChanged = true;
    LoadedSetName.clear();
    EliminaSetBtn->setEnabled(false);
    // The row is found by its name: a remembered row number may belong to another set by now.
    const int row = NameLogoSet->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (row >= 0)
        NameLogoSet->removeItem(row);
    NameLogoSet->setCurrentIndex(-1);
    setNameText(QString());
    CreatedSetIndex = -1;
    LoadedSetIndex = -1;
    ClearAllButton_Click();
    attempt([&] { AggiornaDir(); });
}
