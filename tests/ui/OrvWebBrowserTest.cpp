#include "app/ui/OrvWebBrowser.h"

#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>

#include <gtest/gtest.h>

TEST(OrvWebBrowser, ALinkClickReportsItsTargetAndNavigatesNowhere) {
    TOrvWebBrowser Browser;
    Browser.resize(400, 300);
    Browser.show();
    Browser.LoadHtml(
        "<BODY><A HREF=\"HCOLL_DORREL_AND_ANVESH_(ENGLISH)_12\">Hadith #12</A></BODY>");
    QSignalSpy Links(&Browser, &TOrvWebBrowser::LinkClicked);
    // Put the cursor on the link and follow it from the keyboard, as a click does.
    Browser.setFocus();
    QTest::keyClick(&Browser, Qt::Key_Tab);
    QTest::keyClick(&Browser, Qt::Key_Return);
    ASSERT_EQ(Links.count(), 1);
    EXPECT_EQ(Links[0][0].toString(), "HCOLL_DORREL_AND_ANVESH_(ENGLISH)_12");
    EXPECT_NE(Browser.toPlainText().indexOf("Hadith #12"), -1); // still the same page
    EXPECT_EQ(Browser.contextMenuPolicy(), Qt::NoContextMenu);
    EXPECT_FALSE(Browser.Writing);
}

TEST(OrvWebBrowser, PictureAddressesMapToResourceGroups) {
    EXPECT_EQ(TOrvWebBrowser::ResourcePath("res:///opt/tarvix/tarvix/GIMG/HDR_GOLD"),
              ":/GIMG/HDR_GOLD");
    EXPECT_EQ(TOrvWebBrowser::ResourcePath("res:///a b/tarvix/HIMG/welcome1"), ":/HIMG/WELCOME1");
    EXPECT_EQ(TOrvWebBrowser::ResourcePath("http://example.org/x.png"), "");
    EXPECT_EQ(TOrvWebBrowser::ResourcePath("res://x"), "");
}

TEST(OrvWebBrowser, ScrollsToTheLastAnchorWhoseNameContainsTheText) {
    TOrvWebBrowser Browser;
    Browser.resize(300, 120);
    Browser.show();
    std::string Html = "<BODY>";
    for (int i = 0; i < 60; ++i) {
        if (i == 20)
            Html += "<A NAME=\"HCLASS_RA\"></A>";
        if (i == 40)
            Html += "<A NAME=\"X_HCLASS_RA_2\"></A>";
        Html += "<P>Line " + std::to_string(i) + "</P>";
    }
    Browser.LoadHtml(Html + "</BODY>");
    const auto Names = Browser.AnchorNames();
    ASSERT_EQ(Names.size(), 2u);
    Browser.ScrollToAnchor("HCLASS_RA");
    const int AtSecond = Browser.verticalScrollBar()->value();
    EXPECT_GT(AtSecond, 0);
    Browser.ScrollAnchorIntoView(0);
    EXPECT_LT(Browser.verticalScrollBar()->value(), AtSecond);
    Browser.ScrollToAnchor("NO_SUCH_ANCHOR"); // nothing moves
    Browser.ScrollAnchorIntoView(7);          // out of range: ignored
}

TEST(OrvWebBrowser, DoubleClickReportsTheWord) {
    TOrvWebBrowser Browser;
    Browser.resize(300, 100);
    Browser.show();
    Browser.LoadHtml("<BODY>salat</BODY>");
    QSignalSpy Words(&Browser, &TOrvWebBrowser::WordDoubleClicked);
    QTest::mouseDClick(Browser.viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_EQ(Words.count(), 1);
    EXPECT_EQ(Words[0][0].toString(), "salat");
    EXPECT_EQ(Browser.GetSelectedText(), "salat");
}

TEST(OrvWebBrowser, PagePicturesComeFromTheProgramResources) {
    for (const char* Name :
         {":/GIMG/HDR_GOLD", ":/GIMG/AUDIO", ":/HIMG/WELCOME1", ":/HIMG/WELCOME2"})
        EXPECT_FALSE(QImage(Name).isNull()) << Name;
    TOrvWebBrowser Browser;
    Browser.LoadHtml("<BODY><IMG SRC=\"res:///opt/tarvix/tarvix/GIMG/HDR_GOLD\"></BODY>");
    const QVariant Picture = Browser.document()->resource(
        QTextDocument::ImageResource, QUrl("res:///opt/tarvix/tarvix/GIMG/HDR_GOLD"));
    EXPECT_EQ(Picture.value<QImage>().size(), QSize(492, 39));
}
