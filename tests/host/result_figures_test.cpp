#include <gtest/gtest.h>

#include "../../app/result_figures.h"

namespace {

TEST(BarWidth, FillsAtAbout8000KilobytesAndNeverOverflowsTheFrame) {
    const struct { int32_t clientWidth; uint32_t rate; uint32_t width; } cases[] = {
        {4, 7999, 0}, {4, 8000, 1}, {135, 0xFFFFFFFF, 133},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BarWidth(c.clientWidth, c.rate), c.width) << c.clientWidth << " " << c.rate;
    }
}

} // namespace
