#include "app/AppGlobals.h"
#include "app/ui/InitWindow.h"
#include "app/ui/MsgDlg.h"
#include "app/ui/QtShell.h"
#include "app/ui/TarvixApplication.h"
#include "data/TxError.h"

#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

TEST(Application, AnExceptionInAnEventIsReportedAndTheProgramGoesOn) {
    TQtShell Shell;
    SetShell(&Shell);
    TfrmInit Init;
    ASSERT_TRUE(Init.isVisible());
    TTarvixApplication::OnBeforeReport() = [&] { Init.hide(); };
    QString Heading, Text;
    bool InitHidden = false;
    TfrmMsgDlg::AnswerQueue().push_back(mrOk);
    TfrmMsgDlg::OnAnswering() = [&](TfrmMsgDlg& Dlg) {
        Heading = Dlg.lblHeading->text();
        Text = Dlg.lblMessage->text();
        InitHidden = !Init.isVisible();
    };
    QEventLoop Loop;
    QTimer::singleShot(0, [] { throw ETxError("Hadith Collection Module not Registered"); });
    QTimer::singleShot(50, &Loop, &QEventLoop::quit);
    Loop.exec();
    EXPECT_EQ(Heading, "A Software Error has occured!");
    EXPECT_EQ(Text.toStdString(),
              "The following Software error has occured: - \r\n\r\n\"Hadith Collection Module not "
              "Registered\"\r\n\r\n\r\n\r\nIf this problem persists, please report it.");
    EXPECT_TRUE(InitHidden);
    TTarvixApplication::OnBeforeReport() = nullptr;
    TfrmMsgDlg::OnAnswering() = nullptr;
    SetShell(nullptr);
}

TEST(Application, StartUpWindowShowsVersionAndSwitchesModes) {
    TfrmInit Init;
    EXPECT_EQ(Init.windowTitle(), "TARVIX Version 1.81");
    EXPECT_EQ(Init.lblVersion->text(), "Version 1.81");
    EXPECT_EQ(Init.Progress->maximum(), 113);
    Init.SetLoadingMode(false);
    EXPECT_EQ(Init.lblLoadCaption->text(), "Installing Translation");
    EXPECT_FALSE(Init.Progress->isVisible());
    Init.SetLoadingMode(true);
    EXPECT_EQ(Init.lblLoadCaption->text(), "Loading...");
    EXPECT_TRUE(Init.Progress->isVisible());
    Init.SetProgressMax(10);
    Init.SetProgressPos(4);
    EXPECT_EQ(Init.Progress->value(), 4);
}
