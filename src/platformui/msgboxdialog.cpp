#include "msgboxdialog.h"

#include "platform/msgbox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace
{

QMessageBox::Icon iconFor(int buttons)
{
    switch (buttons & MsgBoxIconField) {
    case vbCritical:
        return QMessageBox::Critical;
    case vbQuestion:
        return QMessageBox::Question;
    case vbExclamation:
        return QMessageBox::Warning;
    case vbInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

struct ButtonChoice {
    QMessageBox::StandardButton button;
    int result;
};

// The buttons are named here rather than by Qt, so they speak the program's language even where
// the system has no translations of Qt's own.
QString buttonText(int result)
{
    switch (result) {
    case vbOK:
        return QCoreApplication::translate("MsgBox", "OK");
    case vbCancel:
        return QCoreApplication::translate("MsgBox", "Cancel");
    case vbAbort:
        return QCoreApplication::translate("MsgBox", "&Abort");
    case vbRetry:
        return QCoreApplication::translate("MsgBox", "&Retry");
    case vbIgnore:
        return QCoreApplication::translate("MsgBox", "&Ignore");
    case vbYes:
        return QCoreApplication::translate("MsgBox", "&Yes");
    default:
        return QCoreApplication::translate("MsgBox", "&No");
    }
}

QList<ButtonChoice> buttonsFor(int buttons)
{
    switch (buttons & MsgBoxButtonsField) {
    case vbOKCancel:
        return { { QMessageBox::Ok, vbOK }, { QMessageBox::Cancel, vbCancel } };
    case vbAbortRetryIgnore:
        return { { QMessageBox::Abort, vbAbort }, { QMessageBox::Retry, vbRetry },
            { QMessageBox::Ignore, vbIgnore } };
    case vbYesNoCancel:
        return { { QMessageBox::Yes, vbYes }, { QMessageBox::No, vbNo }, { QMessageBox::Cancel, vbCancel } };
    case vbYesNo:
        return { { QMessageBox::Yes, vbYes }, { QMessageBox::No, vbNo } };
    case vbRetryCancel:
        return { { QMessageBox::Retry, vbRetry }, { QMessageBox::Cancel, vbCancel } };
    default:
        return { { QMessageBox::Ok, vbOK } };
    }
}

int showDialog(const MsgBoxRequest& request)
{
    QMessageBox box(iconFor(request.buttons), request.title, request.prompt, QMessageBox::NoButton,
        QApplication::activeWindow());
    const QList<ButtonChoice> choices = buttonsFor(request.buttons);
    for (const ButtonChoice& choice : choices)
        box.addButton(choice.button)->setText(buttonText(choice.result));
    const int defaultIndex = (request.buttons & MsgBoxDefaultButtonField) >> 8;
    if (defaultIndex < choices.size())
        box.setDefaultButton(choices[defaultIndex].button);
    const auto chosen = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const ButtonChoice& choice : choices)
        if (choice.button == chosen)
            return choice.result;
    return closedMsgBoxAnswer(request.buttons);
}

} // namespace

void installMsgBoxDialog()
{
    setMsgBoxDialog(showDialog);
}
