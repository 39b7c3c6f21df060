#include <gtest/gtest.h>

#include "app/AppGlobals.h"
#include "app/Shell.h"
#include "support/FakeShell.h"

TEST(Shell, MessagesReachTheInstalledShellAndItsAnswerComesBack) {
    TFakeShell Fake;
    Fake.Answers.push_back(mrNo);
    EXPECT_EQ(ShowMsgDlg(mkConfirmation, MsgHeightSmall, true, "Head", "Body", mbsYesNo), mrNo);
    ASSERT_EQ(Fake.Messages.size(), 1u);
    EXPECT_EQ(Fake.Messages[0].Heading, "Head");
    EXPECT_EQ(Fake.Messages[0].Buttons, mbsYesNo);
    InitCaption("Loading...");
    InitProgressPos(3);
    EXPECT_EQ(Fake.Captions.back(), "Loading...");
    EXPECT_EQ(Fake.ProgressPositions.back(), 3);
}

TEST(AppGlobals, PicturePrefixesFollowTheProgramFolder) {
    SetAppPath("/opt/tarvix");
    EXPECT_EQ(AppPath, "/opt/tarvix/");
    EXPECT_EQ(GImgURL, "res:///opt/tarvix/tarvix/GIMG/");
    EXPECT_EQ(HImgURL, "res:///opt/tarvix/tarvix/HIMG/");
    ResetAppGlobals();
    EXPECT_TRUE(AppPath.empty());
    EXPECT_EQ(OSKind, OSKindUnknown);
}
