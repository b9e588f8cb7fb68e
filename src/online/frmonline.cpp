#include "frmonline.h"

#include "versionnumber.h"
#include "webvrchk.h"

#include "app/settings.h"
#include "app/shellhelpers.h"
#include "app/twips.h"
#include "platform/msgbox.h"
#include "windows/dialoglayout.h"
#include "windows/helpwindow.h"
#include "windows/labelcolour.h"
#include "windows/namedcontrol.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <array>

namespace
{

// The help topic about checking for a newer version.
constexpr int OnlineCheckTopic = 13;

QString startStatus()
{
    return FrmOnline::tr("Press 'Check!' to receive the latest information...");
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, bool bold, bool blue)
{
    auto* control = named<QLabel>(name, text, parent);
    if (bold) {
        QFont font = control->font();
        font.setBold(true);
        control->setFont(font);
    }
    if (blue)
        setTextColour(control, QColor(0, 0, 255));
    return control;
}

} // namespace

FrmOnline::FrmOnline(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmOnline"));
    setWindowTitle(tr("Online check"));
    setModal(true);
    createControls();
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this,
        [this] { showHelpTopic(settings().HelpFile, OnlineCheckTopic, this); });

    WebVrChk1 = new WebVrChk(this);
    WebVrChk1->setObjectName(QStringLiteral("WebVrChk1"));
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
    // Laid out in the designed arrangement, but by layouts: fixed positions cut the texts off under the
    // larger fonts of today's desktops.
    auto* checkFrame = named<QGroupBox>("Frame1", tr("Online check"), this);
    auto* intro = label(checkFrame, QStringLiteral("Label1"),
        tr("Press 'Check!' to receive the latest information about Bootcanvas over the Internet"), false,
        false);
    intro->setWordWrap(true);
    BtnCheck = named<QPushButton>("BtnCheck", tr("C&heck!"), checkFrame);
    BtnCheck->setDefault(true);
    BtnCheck->setMinimumWidth(twips(1215));
    auto* statusCaption = label(checkFrame, QStringLiteral("Label2"), tr("Status:"), true, false);
    LblStatus = label(checkFrame, QStringLiteral("LblStatus"), startStatus(), false, true);
    auto* checkGrid = new QGridLayout(checkFrame);
    checkGrid->addWidget(intro, 0, 0, 1, 2);
    checkGrid->addWidget(BtnCheck, 0, 2, Qt::AlignTop);
    checkGrid->addWidget(statusCaption, 1, 0);
    checkGrid->addWidget(LblStatus, 1, 1, 1, 2);
    checkGrid->setColumnStretch(1, 1);

    auto* versionFrame = named<QGroupBox>("Frame2", tr("Bootcanvas"), this);
    std::array<QLabel*, 3> captions {};
    captions[1] = label(versionFrame, QStringLiteral("Label41"), tr("&You are using version:"), false, false);
    LblCurVersion = label(versionFrame, QStringLiteral("LblCurVersion"),
        displayVersion(QStringLiteral(BOOTCANVAS_VERSION)), true, true);
    captions[2] = label(versionFrame, QStringLiteral("Label42"), tr("&Latest version:"), false, false);
    LblLatestVersion = label(versionFrame, QStringLiteral("LblLatestVersion"), QString(), true, true);
    captions[0] = label(versionFrame, QStringLiteral("Label40"), tr("&Information"), false, false);
    Descript = new QPlainTextEdit(versionFrame);
    Descript->setObjectName(QStringLiteral("Descript"));
    Descript->setReadOnly(true);
    Descript->setAccessibleName(tr("Information"));
    Descript->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Descript->setFixedHeight(Descript->fontMetrics().lineSpacing() * 5 + 2 * Descript->frameWidth() + 8);
    // The labels' access keys lead to the one control of the frame that takes the focus.
    for (QLabel* caption : captions)
        caption->setBuddy(Descript);
    auto* versionGrid = new QGridLayout(versionFrame);
    versionGrid->addWidget(captions[1], 0, 0);
    versionGrid->addWidget(LblCurVersion, 0, 1);
    versionGrid->addWidget(captions[2], 1, 0);
    versionGrid->addWidget(LblLatestVersion, 1, 1);
    versionGrid->addWidget(captions[0], 2, 0, 1, 2);
    versionGrid->addWidget(Descript, 3, 0, 1, 2);
    versionGrid->setColumnStretch(1, 1);

    BtnDownload = named<QPushButton>("BtnDownload", tr("Download from the web"), this);
    BtnDownload->setVisible(false);
    BtnClose = named<QPushButton>("BtnClose", tr("&Close"), this);
    BtnClose->setMinimumWidth(twips(1215));
    layOutDialog(this, checkFrame, versionFrame, { BtnDownload, BtnClose });
    checkFrame->setMinimumWidth(twips(5055));

    setTabOrder(BtnCheck, Descript);
    setTabOrder(Descript, BtnDownload);
    setTabOrder(BtnDownload, BtnClose);
}

void FrmOnline::BtnCheck_Click()
{
    // Each check starts afresh: an earlier result must not hide this one's.
    UpdateFound = false;
    CheckFailed = false;
    LblStatus->setText(tr("Checking the Bootcanvas website for updates..."));
    BtnCheck->setEnabled(false);
    WebVrChk1->check();
    BtnCheck->setEnabled(true);
    if (!UpdateFound && !CheckFailed) {
        LblStatus->setText(tr("Your version is updated!"));
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
    LblStatus->setText(tr("New version available"));
}

void FrmOnline::WebVrChk1_ErrorInDownload(qint32 Error)
{
    CheckFailed = true;
    if (Error == WebVrChk::NoConnection)
        MsgBox(tr("Could not connect to web site - are you connected to the Internet?"), vbOKOnly,
            applicationTitle());
    else if (Error == WebVrChk::FileNotFound)
        MsgBox(tr("File not found on Web Server"), vbOKOnly, applicationTitle());
    LblStatus->setText(startStatus());
}

void FrmOnline::BtnDownload_Click()
{
    ShellOpen(BtnDownloadTag, this);
}

void FrmOnline::BtnClose_Click()
{
    reject();
}
