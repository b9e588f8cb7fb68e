#pragma once

#include <QString>
#include <functional>

// The runtime's MsgBox: one call shows a message or asks a question and returns the button chosen.
// A responder can stand in for the dialog, so tests answer questions and read the texts shown.
// The dialog itself lives with the windows (platformui/msgboxdialog.h); a program without windows
// prints the message to standard error and answers as if it had been closed.
enum VbMsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton1 = 0,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};

enum VbMsgBoxResult : int {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7,
};

struct MsgBoxRequest {
    QString prompt;
    int buttons = vbOKOnly;
    QString title; // the application title when the caller gave none
};

using MsgBoxResponder = std::function<int(const MsgBoxRequest&)>;

// Shows the message box (owned by the active window) and returns a VbMsgBoxResult.
int MsgBox(const QString& prompt, int buttons = vbOKOnly, const QString& title = QString());

// Replaces the dialog by `responder`; an empty responder restores the dialog.
void setMsgBoxResponder(MsgBoxResponder responder);
// The window that asks the user; set once by a program that has windows.
void setMsgBoxDialog(MsgBoxResponder dialog);
// The answer of a message box closed with Esc or the close box: OK where OK is the only button,
// No where there is No but no Cancel, Cancel otherwise.
int closedMsgBoxAnswer(int buttons);

// "Bootcanvas" unless changed.
QString applicationTitle();
