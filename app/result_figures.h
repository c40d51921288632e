// The arithmetic behind what the main dialog shows: compression ratios per frame
// size, which frame-size string goes where, and how wide a rate bar is.
#ifndef TARVEX_APP_RESULT_FIGURES_H
#define TARVEX_APP_RESULT_FIGURES_H

#include <cstdint>

// A ratio shown as "whole,tenth:1".
struct Ratio {
    uint32_t whole;
    uint32_t tenth;
};

// The ratios for the quarter, half and full frame, from the full frame's
// compression figure (ten times the ratio): C / 4, C / 2 and C, each halving truncated.
struct FrameRatios {
    Ratio quarter;
    Ratio half;
    Ratio full;
};
FrameRatios RatiosFor(uint32_t compression);

// The string of the frame size shown in column control 15 (quarter), 16 (half)
// or 17 (full frame) for the norm and cropping.
uint16_t FrameSizeStringId(int columnControl, bool ntsc, bool cropping);

// Pixels of a rate bar inside a black frame whose client area is clientWidth
// wide: about 8000 kB/s fills the inner width (one pixel in from each side),
// never more than it. Frames too narrow to scale draw nothing.
uint32_t BarWidth(int32_t clientWidth, uint32_t rate);

// False for a platform whose minor version number (the second byte of the
// version value) is above 90.
constexpr bool VersionIsSupported(uint32_t version) {
    return ((version >> 8) & 0xFFu) <= 90u;
}

#endif
