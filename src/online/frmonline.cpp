#include "frmonline.h"

#include "versionnumber.h"
#include "webvrchk.h"

#include "app/settings.h"
#include "app/shellhelpers.h"
#include "app/twips.h"
#include "platform/msgbox.h"
#include "windows/helpwindow.h"
#include "windows/labelcolour.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace
{

// The help topic about checking for a newer version.
constexpr int OnlineCheckTopic = 13;

const QString StartStatus = QStringLiteral("Press 'Check!' to receive the latest information...");

QLabel* label(QWidget* parent, const QString& text, bool bold, bool blue)
{
    auto* control = new QLabel(text, parent);
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
    setWindowTitle(QStringLiteral("Online check"));
    setModal(true);
    createControls();
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this,
        [this] { showHelpTopic(settings().HelpFile, OnlineCheckTopic, this); });

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
    // Laid out in the designed arrangement, but by layouts: fixed positions cut the texts off under the
    // larger fonts of today's desktops.
    Frame1 = new QGroupBox(QStringLiteral("Online check"), this);
    Label1 = label(Frame1,
        QStringLiteral("Press 'Check!' to receive the latest information about Bootcanvas over the Internet"),
        false, false);
    Label1->setWordWrap(true);
    BtnCheck = new QPushButton(QStringLiteral("C&heck!"), Frame1);
    BtnCheck->setDefault(true);
    BtnCheck->setMinimumWidth(twips(1215));
    Label2 = label(Frame1, QStringLiteral("Status:"), true, false);
    LblStatus = label(Frame1, StartStatus, false, true);
    auto* checkGrid = new QGridLayout(Frame1);
    checkGrid->addWidget(Label1, 0, 0, 1, 2);
    checkGrid->addWidget(BtnCheck, 0, 2, Qt::AlignTop);
    checkGrid->addWidget(Label2, 1, 0);
    checkGrid->addWidget(LblStatus, 1, 1, 1, 2);
    checkGrid->setColumnStretch(1, 1);

    Frame2 = new QGroupBox(QStringLiteral("Bootcanvas"), this);
    Label4[1] = label(Frame2, QStringLiteral("&You are using version:"), false, false);
    LblCurVersion = label(Frame2, displayVersion(QStringLiteral(BOOTCANVAS_VERSION)), true, true);
    Label4[2] = label(Frame2, QStringLiteral("&Latest version:"), false, false);
    LblLatestVersion = label(Frame2, QString(), true, true);
    Label4[0] = label(Frame2, QStringLiteral("&Information"), false, false);
    Descript = new QPlainTextEdit(Frame2);
    Descript->setReadOnly(true);
    Descript->setAccessibleName(QStringLiteral("Information"));
    Descript->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Descript->setFixedHeight(Descript->fontMetrics().lineSpacing() * 5 + 2 * Descript->frameWidth() + 8);
    // The labels' access keys lead to the one control of the frame that takes the focus.
    for (QLabel* caption : Label4)
        caption->setBuddy(Descript);
    auto* versionGrid = new QGridLayout(Frame2);
    versionGrid->addWidget(Label4[1], 0, 0);
    versionGrid->addWidget(LblCurVersion, 0, 1);
    versionGrid->addWidget(Label4[2], 1, 0);
    versionGrid->addWidget(LblLatestVersion, 1, 1);
    versionGrid->addWidget(Label4[0], 2, 0, 1, 2);
    versionGrid->addWidget(Descript, 3, 0, 1, 2);
    versionGrid->setColumnStretch(1, 1);

    BtnDownload = new QPushButton(QStringLiteral("Download from the web"), this);
    BtnDownload->setVisible(false);
    BtnClose = new QPushButton(QStringLiteral("&Close"), this);
    BtnClose->setMinimumWidth(twips(1215));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BtnDownload);
    buttons->addWidget(BtnClose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(Frame2, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Frame1->setMinimumWidth(twips(5055));

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
