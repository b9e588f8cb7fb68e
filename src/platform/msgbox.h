#pragma once

#include <QString>
#include <functional>

// The runtime's MsgBox: one call shows a message or asks a question and returns the button chosen.
// A responder can stand in for the dialog, so tests answer questions and read the texts shown.
// The dialog itself lives with the windows (platformui/msgboxdialog.h); a program without windows
// prints the message to standard error and answers as if it had been closed.
//
// A style adds up three fields: the buttons, numbered from 0 in the lowest bits; the icon, numbered
// from 1 in bits 4 to 6; and the default button, numbered from 0 in bits 8 and up.
enum VbMsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel,
    vbAbortRetryIgnore,
    vbYesNoCancel,
    vbYesNo,
    vbRetryCancel,
    vbCritical = 1 << 4,
    vbQuestion = 2 << 4,
    vbExclamation = 3 << 4,
    vbInformation = 4 << 4,
    vbDefaultButton1 = 0,
    vbDefaultButton2 = 1 << 8,
    vbDefaultButton3 = 2 << 8,
};
constexpr int MsgBoxButtonsField = 0x7;
constexpr int MsgBoxIconField = 0x70;
constexpr int MsgBoxDefaultButtonField = 0xF00;

// The button chosen, numbered from 1.
enum VbMsgBoxResult : int {
    vbOK = 1,
    vbCancel,
    vbAbort,
    vbRetry,
    vbIgnore,
    vbYes,
    vbNo,
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
