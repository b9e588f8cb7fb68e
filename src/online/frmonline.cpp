#include "frmonline.h"

#include "versionnumber.h"
#include "webvrchk.h"

#include "app/shellhelpers.h"
#include "app/twips.h"
#include "platform/msgbox.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace
{

const QString StartStatus = QStringLiteral("Press 'Check!' to receive the latest information...");

QLabel* label(QWidget* parent, const QString& text, const QRect& geometry, bool bold, bool blue)
{
    auto* control = new QLabel(text, parent);
    control->setGeometry(geometry);
    if (bold) {
        QFont font = control->font();
        font.setBold(true);
        control->setFont(font);
    }
    if (blue) {
        QPalette palette = control->palette();
        palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
        control->setPalette(palette);
    }
    return control;
}

} // namespace

FrmOnline::FrmOnline(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmOnline"));
    setWindowTitle(QStringLiteral("Online check"));
    setModal(true);
    setFixedSize(twips(5250), twips(4665));
    createControls();

    WebVrChk1 = new WebVrChk(this);
    WebVrChk1->setUrl(updateFileAddress());
    WebVrChk1->setVersion(QStringLiteral(BOOTCANVAS_VERSION));
    connect(WebVrChk1, &WebVrChk::UpdateAvailable, this, &FrmOnline::WebVrChk1_UpdateAvailable);
    connect(WebVrChk1, &WebVrChk::ErrorInDownload, this, &FrmOnline::WebVrChk1_ErrorInDownload);
    connect(BtnCheck, &QPushButton::clicked, this, &FrmOnline::BtnCheck_Click);
    connect(BtnDownload, &QPushButton::clicked, this, &FrmOnline::BtnDownload_Click);
    connect(BtnClose, &QPushButton::clicked, this, &FrmOnline::BtnClose_Click);
}

void FrmOnline::createControls()
{
    BtnDownload = new QPushButton(QStringLiteral("Download from the web"), this);
    BtnDownload->setGeometry(twipsRect(1800, 4200, 2055, 375));
    BtnDownload->setVisible(false);
    BtnClose = new QPushButton(QStringLiteral("&Close"), this);
    BtnClose->setGeometry(twipsRect(3960, 4200, 1215, 375));

    Frame2 = new QGroupBox(QStringLiteral("Bootcanvas"), this);
    Frame2->setGeometry(twipsRect(120, 1680, 5055, 2415));
    Descript = new QPlainTextEdit(Frame2);
    Descript->setGeometry(twipsRect(120, 1320, 4815, 975));
    Descript->setReadOnly(true);
    Descript->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Descript->setAccessibleName(QStringLiteral("Information"));
    LblLatestVersion = label(Frame2, QString(), twipsRect(1920, 720, 1575, 195), true, true);
    LblCurVersion = label(Frame2, displayVersion(QStringLiteral(BOOTCANVAS_VERSION)),
        twipsRect(1920, 360, 1575, 195), true, true);
    Label4[2]
        = label(Frame2, QStringLiteral("&Latest version:"), twipsRect(120, 720, 1575, 195), false, false);
    Label4[1] = label(
        Frame2, QStringLiteral("&You are using version:"), twipsRect(120, 360, 1575, 195), false, false);
    Label4[0] = label(Frame2, QStringLiteral("&Information"), twipsRect(120, 1080, 975, 255), false, false);
    // The labels' access keys lead to the one control of the frame that takes the focus.
    for (QLabel* caption : Label4)
        caption->setBuddy(Descript);

    Frame1 = new QGroupBox(QStringLiteral("Online check"), this);
    Frame1->setGeometry(twipsRect(120, 120, 5055, 1335));
    BtnCheck = new QPushButton(QStringLiteral("C&heck!"), Frame1);
    BtnCheck->setGeometry(twipsRect(3600, 360, 1215, 375));
    BtnCheck->setDefault(true);
    LblStatus = label(Frame1, StartStatus, twipsRect(840, 960, 4095, 255), false, true);
    Label2 = label(Frame1, QStringLiteral("Status:"), twipsRect(120, 960, 735, 255), true, false);
    Label1 = label(Frame1,
        QStringLiteral("Press 'Check!' to receive the latest information about Bootcanvas over the Internet"),
        twipsRect(120, 360, 3375, 495), false, false);
    Label1->setWordWrap(true);

    setTabOrder(BtnCheck, Descript);
    setTabOrder(Descript, BtnDownload);
    setTabOrder(BtnDownload, BtnClose);
}

void FrmOnline::BtnCheck_Click()
{
    // Each check starts afresh: an earlier result must not hide this one's.
    UpdateFound = false;
    CheckFailed = false;
    LblStatus->setText(QStringLiteral("Checking the Bootcanvas website for updates..."));
    BtnCheck->setEnabled(false);
    WebVrChk1->check();
    BtnCheck->setEnabled(true);
    if (!UpdateFound && !CheckFailed) {
        LblStatus->setText(QStringLiteral("Your version is updated!"));
        LblLatestVersion->setText(LblCurVersion->text());
    }
}

void FrmOnline::WebVrChk1_UpdateAvailable(
    const QString& sNewVersion, const QString& sDownloadURL, const QString&, const QString& sCustomData)
{
    UpdateFound = true;
    LblLatestVersion->setText(sNewVersion);
    BtnDownload->setVisible(true);
    BtnDownloadTag = sDownloadURL;
    Descript->setPlainText(sCustomData);
    LblStatus->setText(QStringLiteral("New version available"));
}

void FrmOnline::WebVrChk1_ErrorInDownload(qint32 Error)
{
    CheckFailed = true;
    if (Error == WebVrChk::NoConnection)
        MsgBox(QStringLiteral("Could not connect to web site - are you connected to the Internet?"), vbOKOnly,
            applicationTitle());
    else if (Error == WebVrChk::FileNotFound)
        MsgBox(QStringLiteral("File not found on Web Server"), vbOKOnly, applicationTitle());
    LblStatus->setText(StartStatus);
}

void FrmOnline::BtnDownload_Click()
{
    ShellOpen(BtnDownloadTag, this);
}

void FrmOnline::BtnClose_Click()
{
    reject();
}
