#pragma once

// Makes MsgBox ask through a QMessageBox owned by the active window. Called once by a program
// with windows, after its QApplication exists.
void installMsgBoxDialog();
