#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class WebVrChk;

// The online check: asks the web server whether a newer release exists, shows the installed and the
// latest version with a description, and offers to open the download address.
class FrmOnline : public QDialog
{
    Q_OBJECT
public:
    explicit FrmOnline(QWidget* parent = nullptr);

    void BtnCheck_Click();
    void BtnDownload_Click();
    void BtnClose_Click();
    void WebVrChk1_UpdateAvailable(const QString& sNewVersion, const QString& sDownloadURL,
        const QString& sAbstract, const QString& sCustomData);
    void WebVrChk1_ErrorInDownload(qint32 Error);

private:
    // Controls, by the names the handlers use (also their object names).
    QPushButton* BtnDownload = nullptr;
    QString BtnDownloadTag; // the download address
    WebVrChk* WebVrChk1 = nullptr;
    QPushButton* BtnClose = nullptr;
    QPlainTextEdit* Descript = nullptr;
    QLabel* LblLatestVersion = nullptr;
    QLabel* LblCurVersion = nullptr;
    QPushButton* BtnCheck = nullptr;
    QLabel* LblStatus = nullptr;

    bool UpdateFound = false;
    bool CheckFailed = false;

    void createControls();
};
