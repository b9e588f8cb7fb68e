#include "platform/msgbox.h"

#include <gtest/gtest.h>

namespace
{

// A program without windows (the command-line tool, a companion program) must never have a
// question answered Yes for it.
TEST(MsgBoxWithoutDialog, TakesTheAnswerOfAClosedBox)
{
    setMsgBoxResponder({});
    setMsgBoxDialog({});
    testing::internal::CaptureStderr();
    EXPECT_EQ(MsgBox(QStringLiteral("Delete the set?"), vbYesNo | vbQuestion | vbDefaultButton1), vbNo);
    EXPECT_EQ(MsgBox(QStringLiteral("Go on?"), vbOKCancel), vbCancel);
    EXPECT_EQ(MsgBox(QStringLiteral("Keep?"), vbYesNoCancel), vbCancel);
    EXPECT_EQ(MsgBox(QStringLiteral("Done.")), vbOK);
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_NE(printed.find("Bootcanvas: Delete the set?"), std::string::npos) << printed;
}

TEST(MsgBoxWithoutDialog, AResponderStillComesFirst)
{
    setMsgBoxDialog([](const MsgBoxRequest&) { return int(vbIgnore); });
    setMsgBoxResponder([](const MsgBoxRequest& request) { return request.title == "Own" ? vbYes : vbNo; });
    EXPECT_EQ(MsgBox(QStringLiteral("?"), vbYesNo, QStringLiteral("Own")), vbYes);
    setMsgBoxResponder({});
    EXPECT_EQ(MsgBox(QStringLiteral("?"), vbAbortRetryIgnore), vbIgnore);
    setMsgBoxDialog({});
}

} // namespace
