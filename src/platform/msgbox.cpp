#include "msgbox.h"

#include <QTextStream>
#include <cstdio>

namespace
{

MsgBoxResponder& responder()
{
    static MsgBoxResponder instance;
    return instance;
}

MsgBoxResponder& dialog()
{
    static MsgBoxResponder instance;
    return instance;
}

// Without windows nobody can answer, so the message goes to the terminal and the safe answer back.
int answerInTerminal(const MsgBoxRequest& request)
{
    QTextStream err(stderr);
    err << request.title << ": " << request.prompt << Qt::endl;
    return closedMsgBoxAnswer(request.buttons);
}

} // namespace

int MsgBox(const QString& prompt, int buttons, const QString& title)
{
    const MsgBoxRequest request { prompt, buttons, title.isEmpty() ? applicationTitle() : title };
    if (responder())
        return responder()(request);
    if (dialog())
        return dialog()(request);
    return answerInTerminal(request);
}

void setMsgBoxResponder(MsgBoxResponder newResponder)
{
    responder() = std::move(newResponder);
}

void setMsgBoxDialog(MsgBoxResponder newDialog)
{
    dialog() = std::move(newDialog);
}

int closedMsgBoxAnswer(int buttons)
{
    switch (buttons & MsgBoxButtonsField) {
    case vbOKOnly:
        return vbOK;
    case vbYesNo:
        return vbNo;
    default:
        return vbCancel;
    }
}

QString applicationTitle()
{
    return QStringLiteral("Bootcanvas");
}
