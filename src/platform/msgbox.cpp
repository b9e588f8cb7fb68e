#include "msgbox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace
{

MsgBoxResponder& responder()
{
    static MsgBoxResponder instance;
    return instance;
}

QMessageBox::Icon iconFor(int buttons)
{
    switch (buttons & 0x70) {
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

QList<ButtonChoice> buttonsFor(int buttons)
{
    switch (buttons & 0x7) {
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
        box.addButton(choice.button);
    const int defaultIndex = (request.buttons & 0xF00) >> 8;
    if (defaultIndex < choices.size())
        box.setDefaultButton(choices[defaultIndex].button);
    const auto chosen = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const ButtonChoice& choice : choices)
        if (choice.button == chosen)
            return choice.result;
    // Closed with Esc or the close box: the runtime answers Cancel, or No where there is no Cancel.
    return (request.buttons & 0x7) == vbYesNo ? vbNo : vbCancel;
}

} // namespace

int MsgBox(const QString& prompt, int buttons, const QString& title)
{
    const MsgBoxRequest request { prompt, buttons, title.isEmpty() ? applicationTitle() : title };
    if (responder())
        return responder()(request);
    return showDialog(request);
}

void setMsgBoxResponder(MsgBoxResponder newResponder)
{
    responder() = std::move(newResponder);
}

QString applicationTitle()
{
    return QStringLiteral("Bootcanvas");
}
