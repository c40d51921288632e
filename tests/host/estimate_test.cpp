#include <gtest/gtest.h>

#include <tuple>

#include "../../bench/estimate.h"

namespace {

constexpr EstimateChecks kPal{false, false, false};
constexpr AudioSettings kDefaultAudio{1, 0, 0, 0};
const CaptureOptions kPciOptions{0, kPciBoard, kDefaultAudio};
const CaptureBoard kPciBoardFound{kPciInterface, kPciDefaultLimits};

// reachable rate, compression, format class
using Result = std::tuple<uint32_t, uint32_t, uint16_t>;

Result Estimate(uint32_t writeRate, uint32_t readRate, EstimateChecks checks, CaptureOptions options,
                CaptureBoard board) {
    DriveEntry entry{1, 0, 3, writeRate, readRate, 0, 0, 0, 0};
    EstimateDataRate(entry, checks, options, board);
    return Result{entry.reachableRate, entry.compression, entry.formatClass};
}

TEST(EstimateDataRate, GivesRateCompressionAndClass) {
    // A 3 kB/s drive on an unlimited bus reaches 1 kB/s: the compression is the norm's constant itself.
    const CaptureBoard unlimited{kPciInterface, {UINT32_MAX, UINT32_MAX}};
    const CaptureBoard wide{kPciInterface, {20000, 20000}};
    const ThroughputLimits kept{8000, 9000};
    const struct {
        uint32_t writeRate, readRate; EstimateChecks checks; CaptureOptions options; CaptureBoard board;
        Result result;
    } cases[] = {
        {3000, 4000, kPal, kPciOptions, kPciBoardFound, {1924, 112, 0}},
        {3, 3, kPal, kPciOptions, unlimited, {1, 216000, 2}},
        {3, 3, {false, false, true}, kPciOptions, unlimited, {1, 189844, 2}},
        {3, 3, {true, false, false}, kPciOptions, unlimited, {1, 180000, 2}},
        {3, 3, {true, false, true}, kPciOptions, unlimited, {1, 162450, 2}},
        {9000, 9000, kPal, kPciOptions, kPciBoardFound, {3100, 69, 0}},
        {9000, 9000, {true, false, false}, kPciOptions, kPciBoardFound, {3700, 48, 0}},
        // The format class changes at 110 and 220 kB/s: the write side alone sets these.
        {132, 20000, kPal, kPciOptions, wide, {109, 1981, 2}}, {133, 20000, kPal, kPciOptions, wide, {110, 1963, 1}},
        {267, 20000, kPal, kPciOptions, wide, {219, 986, 1}},  {268, 20000, kPal, kPciOptions, wide, {220, 981, 0}},
        // Nothing reachable: no compression would do.
        {0, 5000, kPal, kPciOptions, {kPciInterface, {0, 15000}}, {0, 0, 2}},
        // Without a board driver, or with the ISA codec, the board type sets the limits; else they are kept.
        {3000, 4000, kPal, kPciOptions, {kPciInterfaceWithIsaCodec, kept}, {1924, 112, 0}},
        {3000, 4000, kPal, {0, kIsaBoard, kDefaultAudio}, {kPciInterfaceWithIsaCodec, kept}, {1000, 216, 0}},
        {3000, 4000, kPal, {0, kIsaBoard, kDefaultAudio}, {kNoBoardDriver, kept}, {1000, 216, 0}},
        {3000, 4000, kPal, kPciOptions, {kNoBoardDriver, kept}, {1924, 112, 0}},
        {3000, 4000, kPal, {0, kIsaBoard, kDefaultAudio}, {kPciInterface, kept}, {1818, 118, 0}},
        {3000, 4000, kPal, kPciOptions, {kIsaDriverOnly, kept}, {1818, 118, 0}},
        {3000, 4000, kPal, kPciOptions, {kPciInterface, {10000, 0}}, {0, 0, 2}},
        {9, 4000, {false, true, false}, {0, kPciBoard, {0, 0, 0, 0}}, kPciBoardFound, {0, 0, 2}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Estimate(c.writeRate, c.readRate, c.checks, c.options, c.board), c.result)
            << c.writeRate << ' ' << c.board.limits.cardToMemory << ' ' << c.checks.ntsc << c.checks.cropping;
    }
}

} // namespace
