// The splash's and About box's bevels: which pixel of each ring is lit and which is shaded.

#include "app/BevelPanel.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

TEST(BevelPanel, RaisedOuterAndLoweredInnerRingsLightTheirEdges)
{
    BevelPanel panel;
    panel.resize(20, 10);
    panel.SetColor(QColor(0x112233));
    panel.SetBevelOuter(BevelPanel::Bevel::Raised);
    panel.SetBevelInner(BevelPanel::Bevel::Lowered);
    panel.SetBevelWidth(2);
    const QImage picture = panel.grab().toImage();
    const QRgb white = 0xFFFFFFFF, grey = 0xFF808080, fill = 0xFF112233;

    // Outer raised rings (0 and 1): lit top and left, shaded bottom and right; the top-right and
    // bottom-left corners belong to the shade.
    for (int ring : {0, 1}) {
        const int r = 19 - ring, b = 9 - ring;
        EXPECT_EQ(picture.pixel(ring, ring), white) << ring;
        EXPECT_EQ(picture.pixel(r - 1, ring), white) << ring;
        EXPECT_EQ(picture.pixel(r, ring), grey) << ring;
        EXPECT_EQ(picture.pixel(ring, b), grey) << ring;
        EXPECT_EQ(picture.pixel(r, b), grey) << ring;
    }
    // Inner lowered rings (2 and 3): the other way round.
    for (int ring : {2, 3}) {
        const int r = 19 - ring, b = 9 - ring;
        EXPECT_EQ(picture.pixel(ring, ring), grey) << ring;
        EXPECT_EQ(picture.pixel(r, b), white) << ring;
        EXPECT_EQ(picture.pixel(ring, b), white) << ring;
    }
    EXPECT_EQ(picture.pixel(4, 4), fill);
    EXPECT_EQ(panel.FrameWidth(), 4);
}

}  // namespace
