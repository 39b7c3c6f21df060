#include "controls/ui/OrvURLLabel.h"

#include <QEnterEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class OrvUrlLabelTest : public ::testing::Test {
protected:
    void SetUp() override {
        Saved = TOrvURLLabel::UrlOpener();
        TOrvURLLabel::UrlOpener() = [this](const QString& Address) { Opened << Address; };
    }
    void TearDown() override { TOrvURLLabel::UrlOpener() = Saved; }
    TOrvURLLabel::TUrlOpener Saved;
    QStringList Opened;
};

} // namespace

TEST_F(OrvUrlLabelTest, ClickOpensThePrefixedAddressOfItsType) {
    const struct {
        TURLType Type;
        const char* Prefix;
    } Cases[] = {{utHTTP, "http://"},
                 {utFTP, "ftp://"},
                 {utFILE, "file:///"},
                 {utUNC, "\\\\"},
                 {utNONE, ""}};
    for (const auto& C : Cases) {
        TOrvURLLabel Label;
        EXPECT_EQ(Label.URL(), "www.tarvix.org");
        EXPECT_EQ(Label.text(), "www.tarvix.org");
        Label.SetURLType(C.Type);
        EXPECT_EQ(Label.URLPrefix(), C.Prefix);
        Label.SetURL("host/path");
        Opened.clear();
        QTest::mouseClick(&Label, Qt::LeftButton);
        const QStringList Expected =
            C.Type == utNONE ? QStringList() : QStringList{QString(C.Prefix) + "host/path"};
        EXPECT_EQ(Opened, Expected);
    }
}

TEST_F(OrvUrlLabelTest, OpenUrlUsesTheGivenTypeAndAddressOnly) {
    TOrvURLLabel Label;
    Label.SetURLType(utNONE);
    Label.OpenURL(utHTTP, "www.example.org/news");
    Label.OpenURL(utFTP, "files.example.org");
    EXPECT_EQ(Opened, QStringList({"http://www.example.org/news", "ftp://files.example.org"}));
    // Other buttons and a release away from the label open nothing.
    Opened.clear();
    Label.SetURLType(utHTTP);
    QTest::mouseClick(&Label, Qt::RightButton);
    QTest::mousePress(&Label, Qt::LeftButton);
    QTest::mouseRelease(&Label, Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_TRUE(Opened.isEmpty());
}

TEST_F(OrvUrlLabelTest, HoverShowsTheHighlightFontAndLeavingRestoresTheOwnFont) {
    TOrvURLLabel Label;
    QFont Own = Label.font();
    Own.setBold(true);
    Label.setFont(Own);
    QPalette P = Label.palette();
    P.setColor(QPalette::WindowText, QColor(0xC0, 0xC0, 0xC0));
    Label.setPalette(P);
    EXPECT_TRUE(Label.HighlightFont.underline());

    QEnterEvent Enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(&Label, &Enter);
    EXPECT_TRUE(Label.IsHighlighted());
    EXPECT_TRUE(Label.font().underline());
    EXPECT_EQ(Label.palette().color(QPalette::WindowText), QColor(Qt::blue));

    QEvent Leave(QEvent::Leave);
    QCoreApplication::sendEvent(&Label, &Leave);
    EXPECT_FALSE(Label.IsHighlighted());
    EXPECT_EQ(Label.font(), Own);
    EXPECT_EQ(Label.palette().color(QPalette::WindowText), QColor(0xC0, 0xC0, 0xC0));
}
