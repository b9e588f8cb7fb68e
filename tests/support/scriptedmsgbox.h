#pragma once

#include "platform/msgbox.h"

#include <QList>

// Answers message boxes for a test: queued answers first, then `fallback`; every request shown is
// kept in `shown`. The real dialog comes back when the object goes.
class ScriptedMsgBox
{
public:
    explicit ScriptedMsgBox(int fallback = vbOK);
    ~ScriptedMsgBox();
    ScriptedMsgBox(const ScriptedMsgBox&) = delete;
    ScriptedMsgBox& operator=(const ScriptedMsgBox&) = delete;

    void answer(int result) { m_answers.append(result); }
    QList<MsgBoxRequest> shown;

private:
    QList<int> m_answers;
    int m_fallback;
};
