#include "frame/CaptureRun.h"
#include "imageio/BmpReader.h"
#include "imageio/BmpWriter.h"

#include <gtest/gtest.h>

using namespace burgeon;

TEST(CaptureSize, AViewIsCapturedWhenItsFrameHasPixelsAndReadsBackWithinTheBitmapLimit) {
    EXPECT_FALSE(viewCanBeCaptured({5, 100}));
    EXPECT_FALSE(viewCanBeCaptured({100, 5}));
    EXPECT_TRUE(viewCanBeCaptured({6, 6}));
    EXPECT_TRUE(viewCanBeCaptured({800, 600}));
    // The largest square: its 4729 x 4729 frame is 67,095,106 bytes as a bitmap.
    EXPECT_EQ(bmpFileSize(4729, 4729), 67'095'106u);
    EXPECT_TRUE(viewCanBeCaptured({4734, 4734}));
    EXPECT_FALSE(viewCanBeCaptured({4735, 4735}));
    EXPECT_GT(bmpFileSize(4730, 4730), BitmapFileLimit.bytes);
    EXPECT_TRUE(viewCanBeCaptured({8192, 2700}));
    EXPECT_FALSE(viewCanBeCaptured({8192, 8192}));
}
