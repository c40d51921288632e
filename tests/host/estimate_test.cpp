#include <gtest/gtest.h>

#include <vector>

#include "../../bench/estimate.h"

namespace {

constexpr EstimateChecks kPal{false, false, false};
constexpr EstimateChecks kNtsc{true, false, false};
constexpr EstimateChecks kNtscCropped{true, false, true};
constexpr EstimateChecks kPalAudio{false, true, false};
constexpr AudioSettings kDefaultAudio{1, 0, 0, 0};
constexpr AudioSettings kLoudestAudio{2, 1, 1, 0}; // 44,100 Hz stereo 16 bit, 8-bit DMA

DriveEntry Tested(uint32_t writeRate, uint32_t readRate) {
    DriveEntry entry{};
    entry.tested = 1;
    entry.writeRate = writeRate;
    entry.readRate = readRate;
    return entry;
}

struct Result {
    uint32_t reachableRate;
    uint32_t compression;
    uint16_t formatClass;
    bool operator==(const Result& o) const {
        return reachableRate == o.reachableRate && compression == o.compression && formatClass == o.formatClass;
    }
};

std::ostream& operator<<(std::ostream& out, const Result& r) {
    return out << r.reachableRate << '/' << r.compression << '/' << r.formatClass;
}

Result Estimate(DriveEntry entry, EstimateChecks checks, CaptureOptions options, CaptureBoard board) {
    EstimateDataRate(entry, checks, options, board);
    return {entry.reachableRate, entry.compression, entry.formatClass};
}

struct ExampleCase {
    const char* name;
    uint32_t writeRate;
    uint32_t readRate;
    EstimateChecks checks;
    CaptureOptions options;
    CaptureBoard board;
    Result result;
};

class WorkedExamples : public testing::TestWithParam<ExampleCase> {};

TEST_P(WorkedExamples, GiveRateCompressionAndClass) {
    const ExampleCase& c = GetParam();
    EXPECT_EQ(Estimate(Tested(c.writeRate, c.readRate), c.checks, c.options, c.board), c.result);
}

const CaptureOptions kPciOptions{0, kPciBoard, kDefaultAudio};
const CaptureBoard kPciBoardFound{kPciInterface, kPciDefaultLimits};

INSTANTIATE_TEST_SUITE_P(
    Cases, WorkedExamples,
    testing::Values(
        ExampleCase{"Pal", 3000, 4000, kPal, kPciOptions, kPciBoardFound, {1924, 112, 0}},
        ExampleCase{"PalLoudAudio", 3000, 4000, kPalAudio, {0, kPciBoard, kLoudestAudio}, kPciBoardFound,
                    {1439, 150, 0}},
        ExampleCase{"NtscCropped", 3000, 4000, kNtscCropped, kPciOptions, kPciBoardFound, {1924, 84, 0}},
        ExampleCase{"CappedPal", 9000, 9000, kPal, kPciOptions, kPciBoardFound, {3100, 69, 0}},
        ExampleCase{"CappedNtsc", 9000, 9000, kNtsc, kPciOptions, kPciBoardFound, {3700, 48, 0}},
        ExampleCase{"SlowDriveOnIsa", 100, 130, kPal, {0, kIsaBoard, kDefaultAudio}, {kIsaDriverOnly, kIsaLimits},
                    {79, 2734, 2}},
        // Sound where the plain formula breaks down:
        ExampleCase{"NoRateNoLimit", 0, 5000, kPal, kPciOptions, {kPciInterface, {0, 15000}}, {0, 0, 2}},
        ExampleCase{"NoReadLimit", 3000, 4000, kPal, kPciOptions, {kPciInterface, {10000, 0}}, {0, 0, 2}},
        ExampleCase{"BothSidesZero", 0, 0, kNtsc, kPciOptions, {kPciInterface, {0, 0}}, {0, 0, 2}},
        ExampleCase{"DriveSlowerThanAudio", 9, 4000, kPalAudio, {0, kPciBoard, {0, 0, 0, 0}}, kPciBoardFound,
                    {0, 0, 2}},
        ExampleCase{"ModernDriveCapped", 2000000, 2000000, kPal, kPciOptions, {kPciInterface, {20000, 99999}},
                    {3100, 69, 0}},
        ExampleCase{"ModernDriveSlowBus", 2000000, 2000000, kPal, kPciOptions, {kPciInterface, {3000, 15000}},
                    {2497, 86, 0}},
        ExampleCase{"ModernDriveWithAudio", 2000000, 2000000, kPalAudio, {0, kPciBoard, kLoudestAudio},
                    {kPciInterface, {3000, 99999}}, {1982, 108, 0}}),
    [](const testing::TestParamInfo<ExampleCase>& param) { return param.param.name; });

// The estimate as a plain 32-bit calculation, for inputs whose products fit.
uint32_t Side32(uint32_t rate, uint32_t limit, uint32_t audio) {
    return (rate - audio) * limit / (rate + limit) * (834 - audio) / 1000;
}

bool Fits32(uint32_t rate, uint32_t limit, uint32_t audio) {
    if (rate < audio || static_cast<uint64_t>(rate) + limit == 0) return false;
    if (static_cast<uint64_t>(rate) + limit > UINT32_MAX) return false;
    if (static_cast<uint64_t>(rate - audio) * limit > UINT32_MAX) return false;
    return static_cast<uint64_t>((rate - audio) * limit / (rate + limit)) * (834 - audio) <= UINT32_MAX;
}

TEST(EstimateDataRate, AgreesWithThePlain32BitFormulaWhereverItsProductsFit) {
    const uint32_t rates[] = {1, 5, 43, 110, 999, 3000, 4000, 9000, 65535, 200000, 429496};
    const uint32_t limits[] = {0, 200, 2000, 9000, 10000, 15000, 20000, 99999};
    std::vector<AudioSettings> audios;
    for (uint16_t rate = 0; rate < 3; ++rate)
        for (uint16_t bits = 0; bits < 8; ++bits)
            audios.push_back({rate, static_cast<uint16_t>(bits & 1), static_cast<uint16_t>(bits >> 1 & 1),
                              static_cast<uint16_t>(bits >> 2)});
    int compared = 0;
    for (uint32_t w : rates)
        for (uint32_t r : rates)
            for (uint32_t l1 : limits)
                for (uint32_t l2 : limits)
                    for (size_t a = 0; a <= audios.size(); ++a) {
                        const bool withAudio = a < audios.size();
                        const AudioSettings audio = withAudio ? audios[a] : kDefaultAudio;
                        const uint32_t term = withAudio ? AudioTerm(audio) : 0;
                        if (!Fits32(w, l1, term) || !Fits32(r, l2, term)) continue;
                        uint32_t rate = std::min(Side32(w, l1, term), Side32(r, l2, term));
                        rate = std::min(rate, 3100u);
                        if (rate == 0) continue;
                        const Result expected{rate, 216000 / rate,
                                              static_cast<uint16_t>(rate < 110 ? 2 : rate < 220 ? 1 : 0)};
                        const Result actual = Estimate(Tested(w, r), {false, withAudio, false},
                                                       {0, kPciBoard, audio}, {kPciInterface, {l1, l2}});
                        ASSERT_EQ(actual, expected) << w << ' ' << r << ' ' << l1 << ' ' << l2 << ' ' << term;
                        ++compared;
                    }
    EXPECT_GT(compared, 50000); // the grid is not passed over wholesale
}

TEST(EstimateDataRate, FormatClassChangesAt110And220) {
    // With the read side far ahead, the write side alone sets the rate: find the
    // drive rates that give the threshold figures.
    const CaptureBoard board{kPciInterface, {20000, 20000}};
    const struct {
        uint32_t rate;
        uint16_t formatClass;
    } thresholds[] = {{109, 2}, {110, 1}, {219, 1}, {220, 0}};
    for (const auto& t : thresholds) {
        bool found = false;
        for (uint32_t w = 1; w < 1000 && !found; ++w) {
            if (Side32(w, 20000, 0) != t.rate) continue;
            EXPECT_EQ(Estimate(Tested(w, 20000), kPal, kPciOptions, board).formatClass, t.formatClass) << t.rate;
            found = true;
        }
        EXPECT_TRUE(found) << t.rate;
    }
}

TEST(AudioTerm, RunsFromFiveTo172) {
    const struct {
        AudioSettings audio;
        uint32_t term;
    } cases[] = {{{0, 0, 0, 0}, 10}, {{0, 0, 0, 1}, 5}, {{2, 1, 1, 0}, 172}, {{1, 0, 1, 0}, 43},
                 {{1, 0, 0, 0}, 21}, {{2, 0, 0, 0}, 43}, {{2, 1, 1, 1}, 86}};
    for (const auto& c : cases) {
        EXPECT_EQ(AudioTerm(c.audio), c.term) << c.audio.sampleRate << c.audio.channels << c.audio.sampleWidth
                                              << c.audio.dmaWidth;
    }
}

TEST(EstimateDataRate, SetsTheLimitsAnewFromTheBoardTypeWithoutABoardOrWithTheIsaCodec) {
    const struct {
        uint16_t boardKind;
        uint16_t boardType;
        ThroughputLimits after;
    } cases[] = {
        {kPciInterfaceWithIsaCodec, kPciBoard, kPciDefaultLimits},
        {kPciInterfaceWithIsaCodec, kIsaBoard, kIsaLimits},
        {kNoBoardDriver, kIsaBoard, kIsaLimits},
        {kNoBoardDriver, kPciBoard, kPciDefaultLimits},
        {kNoBoardDriver, 0, {8000, 9000}},
        {kPciInterface, kPciBoard, {8000, 9000}},
        {kPciInterface, kIsaBoard, {8000, 9000}},
        {kIsaDriverOnly, kPciBoard, {8000, 9000}},
    };
    for (const auto& c : cases) {
        CaptureBoard board{c.boardKind, {8000, 9000}};
        DriveEntry entry = Tested(3000, 4000);
        EstimateDataRate(entry, kPal, {0, c.boardType, kDefaultAudio}, board);
        EXPECT_EQ(board.limits.cardToMemory, c.after.cardToMemory) << c.boardKind << ' ' << c.boardType;
        EXPECT_EQ(board.limits.memoryToCard, c.after.memoryToCard) << c.boardKind << ' ' << c.boardType;
    }
}

TEST(EstimateDataRate, LeavesAnUntestedEntryAndTheLimitsAlone) {
    for (uint16_t kind : {kNoBoardDriver, kPciInterfaceWithIsaCodec}) {
        CaptureBoard board{kind, {8000, 9000}};
        DriveEntry entry = Tested(3000, 4000);
        entry.tested = 0;
        entry.reachableRate = 7;
        entry.compression = 8;
        entry.formatClass = 9;
        EstimateDataRate(entry, kPal, kPciOptions, board);
        EXPECT_EQ(entry.reachableRate, 7u);
        EXPECT_EQ(entry.compression, 8u);
        EXPECT_EQ(entry.formatClass, 9);
        EXPECT_EQ(board.limits.cardToMemory, 8000u);
        EXPECT_EQ(board.limits.memoryToCard, 9000u);
    }
}

} // namespace
