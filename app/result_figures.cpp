#include "result_figures.h"

#include "../resources/ids.h"

namespace {

constexpr uint32_t kFullBarRate = 8000; // kB/s

Ratio RatioOf(uint32_t tenfold) {
    return Ratio{tenfold / 10, tenfold % 10};
}

} // namespace

FrameRatios RatiosFor(uint32_t compression) {
    const uint32_t half = compression / 2;
    return FrameRatios{RatioOf(half / 2), RatioOf(half), RatioOf(compression)};
}

uint16_t FrameSizeStringId(int columnControl, bool ntsc, bool cropping) {
    return static_cast<uint16_t>(IDS_FRAME_SIZES + (IDC_FRAME_FULL - columnControl) + 3 * ntsc + 6 * cropping);
}

uint32_t BarWidth(int32_t clientWidth, uint32_t rate) {
    const int32_t inner = clientWidth - 2;
    if (inner <= 1) return 0;
    uint32_t scale = kFullBarRate / static_cast<uint32_t>(inner - 1);
    if (scale == 0) scale = 1; // frames wider than 8003 pixels: one kB/s a pixel
    const uint32_t width = rate / scale;
    return width < static_cast<uint32_t>(inner) ? width : static_cast<uint32_t>(inner);
}
