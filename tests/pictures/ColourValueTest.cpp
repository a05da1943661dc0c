#include "pictures/ColourValue.h"

#include <gtest/gtest.h>

// A skin stores colours as 0x00BBGGRR; the top byte is no part of the colour.
TEST(ColourValue, ConversionsKeepTheSkinLayout)
{
    EXPECT_EQ(qColorFromValue(0xFF563412), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(valueFromQColor(QColor(0x12, 0x34, 0x56)), 0x00563412u);
}
