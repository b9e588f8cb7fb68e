#include "scriptedmsgbox.h"

ScriptedMsgBox::ScriptedMsgBox(int fallback)
    : m_fallback(fallback)
{
    setMsgBoxResponder([this](const MsgBoxRequest& request) {
        shown.append(request);
        return m_answers.isEmpty() ? m_fallback : m_answers.takeFirst();
    });
}

ScriptedMsgBox::~ScriptedMsgBox()
{
    setMsgBoxResponder({});
}
