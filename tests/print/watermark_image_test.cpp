// The background picture of the printed page.
#include "print/watermark_image.h"

#include <gtest/gtest.h>

namespace {

// Anti-aliased light blue on white: every pixel lies between the two colours.
bool IsWhiteOrInk(QRgb pixel) {
    return qRed(pixel) >= kWatermarkInk.red() && qGreen(pixel) >= kWatermarkInk.green() &&
           qBlue(pixel) == 255 &&
           std::abs((255 - qRed(pixel)) * (255 - kWatermarkInk.green()) -
                    (255 - qGreen(pixel)) * (255 - kWatermarkInk.red())) <= 255 * 3;
}

TEST(WatermarkImage, IsAnOpaqueWhitePageOfA4Proportions) {
    const QImage image = MakeWatermarkImage();
    EXPECT_EQ(image.size(), QSize(794, 1123));
    EXPECT_FALSE(image.hasAlphaChannel());
    int white = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            ASSERT_TRUE(IsWhiteOrInk(pixel)) << x << "," << y << " " << std::hex << pixel;
            white += pixel == qRgb(255, 255, 255);
        }
    // Mostly paper: the address is light decoration.
    EXPECT_GT(white, image.width() * image.height() * 3 / 4);
}

// The page in two columns of ten bands; each holds one line of the address.
TEST(WatermarkImage, AddressIsWrittenSlantedInTwoColumnsOfTenLines) {
    const QImage image = MakeWatermarkImage();
    const int columnWidth = image.width() / 2;
    const int bandHeight = image.height() / 10;
    for (int column = 0; column < 2; ++column)
        for (int band = 0; band < 10; ++band) {
            int fullInk = 0;
            double leftY = 0, rightY = 0;
            int left = 0, right = 0;
            for (int y = band * bandHeight; y < (band + 1) * bandHeight; ++y)
                for (int x = column * columnWidth; x < (column + 1) * columnWidth; ++x) {
                    const QRgb pixel = image.pixel(x, y);
                    if (pixel == kWatermarkInk.rgb())
                        ++fullInk;
                    if (pixel == qRgb(255, 255, 255))
                        continue;
                    if (x < column * columnWidth + columnWidth / 2) {
                        leftY += y;
                        ++left;
                    } else {
                        rightY += y;
                        ++right;
                    }
                }
            EXPECT_GT(fullInk, 200) << "column " << column << " band " << band;
            ASSERT_GT(left, 0);
            ASSERT_GT(right, 0);
            // Rising to the right: the right half's ink sits clearly higher.
            EXPECT_GT(leftY / left - rightY / right, 20) << "column " << column << " band " << band;
        }
}

} // namespace
