#include <gtest/gtest.h>

#include "../../app/result_figures.h"

namespace {

TEST(BarWidth, FillsAtAbout8000KilobytesAndNeverOverflowsTheFrame) {
    const struct { int32_t clientWidth; uint32_t rate; uint32_t width; } cases[] = {
        {3, 0xFFFFFFFF, 0}, // one inner pixel: nothing to scale by
        {4, 7999, 0}, {4, 8000, 1}, {135, 0xFFFFFFFF, 133}, {8004, 4000, 4000}, // wider than 8003: a kB/s a pixel
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BarWidth(c.clientWidth, c.rate), c.width) << c.clientWidth << " " << c.rate;
    }
}

TEST(VersionIsSupported, RefusesMinorVersionsAbove90) {
    const struct {
        uint32_t version; bool supported;
    } cases[] = {{0xC0000004, true}, {0xC0005A04, true}, {0x00005B04, false}, {0xC000FF04, false}};
    for (const auto& c : cases) EXPECT_EQ(VersionIsSupported(c.version), c.supported) << std::hex << c.version;
}

} // namespace
