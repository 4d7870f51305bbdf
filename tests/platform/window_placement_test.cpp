// Where the window goes when it leaves full screen, and how the remembered choice is read.
#include <gtest/gtest.h>

#include <string>

#include "platform/window_placement.h"
#include "platform/window_settings.h"

namespace {

using platform::FrameSize;
using platform::Rect;
using platform::WindowedArea;

std::string Text(const Rect& r) {
    return std::to_string(r.w) + "x" + std::to_string(r.h) + "+" + std::to_string(r.x) + "+" +
           std::to_string(r.y);
}

TEST(WindowPlacement, AWindowOfTheCanvasShapeFitsWithItsFrameAndIsCentred) {
    const FrameSize none;
    const FrameSize frame{25, 4, 4, 4};
    struct Case {
        Rect usable;
        FrameSize frame;
        int canvasW, canvasH;
        const char* expected;
    };
    const Case cases[] = {
        // Room for the whole canvas: its own size, centred.
        {{0, 0, 1920, 1080}, none, 1440, 900, "1440x900+240+90"},
        {{0, 0, 1920, 1080}, frame, 1440, 900, "1440x900+240+100"},
        // A screen of the canvas's size: without a frame it fills it; with one the height
        // limits (900 - 29 = 871 high, 1393 wide) and the frame stays on the screen.
        {{0, 0, 1440, 900}, none, 1440, 900, "1440x900+0+0"},
        {{0, 0, 1440, 900}, frame, 1440, 900, "1393x871+23+25"},
        // The height limits on a wide screen, the width on a narrow one; a panel's strip at the
        // top is left free.
        {{0, 0, 1366, 768}, none, 1440, 900, "1228x768+69+0"},
        {{0, 0, 1024, 768}, none, 1440, 900, "1024x640+0+64"},
        {{0, 32, 1024, 736}, frame, 1024, 768, "942x707+41+57"},
        // A second display to the right and below.
        {{1920, 200, 2560, 1440}, frame, 1440, 900, "1440x900+2480+480"},
        // Nothing to fit in: still a window of at least one pixel.
        {{0, 0, 10, 10}, frame, 1440, 900, "1x1+4+25"},
        {{0, 0, 0, 0}, none, 0, 0, "1x1+0+0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Text(c.usable));
        const Rect r = WindowedArea(c.usable, c.frame, c.canvasW, c.canvasH);
        EXPECT_EQ(Text(r), c.expected);
        if (c.usable.w > 20) {
            // With its frame the window lies inside the usable area.
            EXPECT_GE(r.x - c.frame.left, c.usable.x);
            EXPECT_GE(r.y - c.frame.top, c.usable.y);
            EXPECT_LE(r.x + r.w + c.frame.right, c.usable.x + c.usable.w);
            EXPECT_LE(r.y + r.h + c.frame.bottom, c.usable.y + c.usable.h);
        }
    }
}

TEST(WindowPlacement, CoveringNeedsTheDisplaysPlaceAndSize) {
    const Rect display{0, 0, 1920, 1080};
    EXPECT_TRUE(platform::CoversDisplay({0, 0, 1920, 1080}, display));
    // The window a bare server leaves where it was asked to open, and one a pixel short.
    EXPECT_FALSE(platform::CoversDisplay({448, 156, 1024, 768}, display));
    EXPECT_FALSE(platform::CoversDisplay({0, 0, 1920, 1079}, display));
    EXPECT_FALSE(platform::CoversDisplay({1, 0, 1920, 1080}, display));
    EXPECT_TRUE(platform::CoversDisplay({1920, 0, 2560, 1440}, {1920, 0, 2560, 1440}));
}

TEST(WindowSettings, OnlyAWholeLineAsksForAWindow) {
    using platform::ParseWindowedSetting;
    EXPECT_TRUE(ParseWindowedSetting("windowed=1\n"));
    EXPECT_TRUE(ParseWindowedSetting("windowed=1"));
    EXPECT_TRUE(ParseWindowedSetting("windowed=1\r\n"));
    EXPECT_TRUE(ParseWindowedSetting("volume=40\nwindowed=1\nkey=F5\n"));
    EXPECT_FALSE(ParseWindowedSetting("windowed=0\n"));
    EXPECT_FALSE(ParseWindowedSetting(""));
    // Damaged or impossible: full screen, the default.
    EXPECT_FALSE(ParseWindowedSetting("windowed=2\n"));
    EXPECT_FALSE(ParseWindowedSetting("windowed=11\n"));
    EXPECT_FALSE(ParseWindowedSetting(" windowed=1\n"));
    EXPECT_FALSE(ParseWindowedSetting("xwindowed=1\n"));
    EXPECT_FALSE(ParseWindowedSetting(std::string("\0\0windowed=1\0", 13)));
    EXPECT_FALSE(ParseWindowedSetting("garbage windowed=1 garbage"));
    // The last line of the setting counts, whatever it says.
    EXPECT_FALSE(ParseWindowedSetting("windowed=1\nwindowed=0\n"));
    EXPECT_FALSE(ParseWindowedSetting("windowed=1\nwindowed=yes\n"));
    EXPECT_TRUE(ParseWindowedSetting("windowed=0\nwindowed=1\n"));
}

}  // namespace
