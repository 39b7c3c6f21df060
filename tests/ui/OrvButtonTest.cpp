#include "controls/ui/OrvButton.h"

#include <QEnterEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {

int CountColour(const QImage& Image, const QColor& Colour) {
    int N = 0;
    for (int y = 2; y < Image.height() - 2; ++y)
        for (int x = 2; x < Image.width() - 2; ++x)
            if (Image.pixelColor(x, y) == Colour)
                ++N;
    return N;
}

} // namespace

TEST(OrvButton, CaptionColourAndFrameFollowHotAndEnabledStates) {
    const QColor Silver(0xC0, 0xC0, 0xC0), Grey(0x80, 0x80, 0x80), White(Qt::white);
    TOrvButton Button("Verify Now");
    QFont F = Button.font();
    F.setPixelSize(16);
    F.setBold(true);
    Button.setFont(F);
    Button.resize(120, 30);
    auto Shot = [&] { return Button.grab().toImage().convertToFormat(QImage::Format_RGB32); };

    QImage Idle = Shot();
    EXPECT_GT(CountColour(Idle, Silver), 0);
    EXPECT_EQ(CountColour(Idle, White), 0);

    QEnterEvent Enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&Button, &Enter);
    ASSERT_TRUE(Button.IsHot());
    QImage Hot = Shot();
    EXPECT_GT(CountColour(Hot, White), 0);
    EXPECT_EQ(Hot.pixelColor(0, 0), White); // raised frame
    EXPECT_EQ(Hot.pixelColor(119, 29), Grey); // its shadow along the outer edge
    EXPECT_EQ(Hot.pixelColor(119, 15), Grey);

    // Disabled under the mouse: grey caption in the plain silver outline.
    Button.setEnabled(false);
    QImage Disabled = Shot();
    EXPECT_GT(CountColour(Disabled, Grey), 0);
    EXPECT_EQ(CountColour(Disabled, White), 0);
    EXPECT_EQ(CountColour(Disabled, Silver), 0);
    EXPECT_EQ(Disabled.pixelColor(0, 0), Silver);
    EXPECT_EQ(Disabled.pixelColor(119, 29), Silver);
}
