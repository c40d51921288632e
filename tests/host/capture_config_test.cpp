#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "../../config/capture_config.h"
#include "fake_profile.h"

namespace {

struct DetectionCase {
    const char* name;
    std::optional<std::string> rq7ToMemory;
    std::optional<std::string> memoryToRq7;
    std::optional<std::string> codec; // VIDC.MJPG
    uint16_t boardKind;
    uint16_t boardType;
    uint32_t cardToMemory;
    uint32_t memoryToCard;
    bool memoryToRq7Read;
};

class Detection : public testing::TestWithParam<DetectionCase> {};

TEST_P(Detection, FindsBoardKindTypeAndLimits) {
    const DetectionCase& c = GetParam();
    FakeProfile profile;
    if (c.rq7ToMemory) profile.Set("SYSTEM.INI", "velkCI.DLL", "RQ7ToMemory", *c.rq7ToMemory);
    if (c.memoryToRq7) profile.Set("SYSTEM.INI", "velkCI.DLL", "MemoryToRQ7", *c.memoryToRq7);
    if (c.codec) profile.Set("SYSTEM.INI", "drivers", "VIDC.MJPG", *c.codec);
    CaptureOptions options{0, 0, {9, 9, 9, 9}};
    CaptureBoard board{99, {1, 1}};

    EXPECT_EQ(DetectCaptureBoard(profile, options, board), 1);
    EXPECT_EQ(board.boardKind, c.boardKind);
    EXPECT_EQ(options.boardType, c.boardType);
    EXPECT_EQ(board.limits.cardToMemory, c.cardToMemory);
    EXPECT_EQ(board.limits.memoryToCard, c.memoryToCard);
    const FakeProfile::Key memoryToRq7{"SYSTEM.INI", "velkCI.DLL", "MemoryToRQ7"};
    EXPECT_EQ(std::count(profile.reads.begin(), profile.reads.end(), memoryToRq7), c.memoryToRq7Read ? 1 : 0);
    EXPECT_EQ(options.audio.sampleRate, 1);
    EXPECT_EQ(options.audio.channels, 0);
    EXPECT_EQ(options.audio.sampleWidth, 0);
    EXPECT_EQ(options.audio.dmaWidth, 0);
}

const auto none = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Profiles, Detection,
    testing::Values(
        DetectionCase{"NeitherKey", none, none, none, 0, 2, 10000, 15000, false},
        DetectionCase{"OnlyIsaCodec", none, none, "videorq3.drv", 1, 1, 2000, 2000, false},
        DetectionCase{"IsaCodecInCapitals", none, none, "VIDEORQ3.DRV", 1, 1, 2000, 2000, false},
        DetectionCase{"CodecWithDirectory", none, none, "C:\\WINDOWS\\videorq3.drv", 0, 2, 10000, 15000, false},
        DetectionCase{"CodecWithBlank", none, none, "videorq3.drv ", 0, 2, 10000, 15000, false},
        DetectionCase{"OtherCodec", none, none, "other.drv", 0, 2, 10000, 15000, false},
        DetectionCase{"EmptyRq7ToMemory", "", "9000", "videorq3.drv", 1, 1, 2000, 2000, false},
        DetectionCase{"Lowest", "200", "3000", none, 2, 2, 200, 3000, true},
        DetectionCase{"BelowLowest", "199", "3000", none, 2, 2, 10000, 15000, false},
        DetectionCase{"Highest", "20000", "3000", none, 2, 2, 20000, 3000, true},
        DetectionCase{"AboveHighest", "20001", "3000", none, 2, 2, 10000, 15000, false},
        DetectionCase{"MinusOne", "-1", none, none, 2, 2, 2531, 15000, true},
        DetectionCase{"FiveK", "5k", "3000", none, 2, 2, 10000, 15000, false},
        DetectionCase{"NoMemoryToRq7", "8000", none, none, 2, 2, 8000, 15000, true},
        DetectionCase{"MemoryToRq7Zero", "8000", "0", none, 2, 2, 8000, 0, true},
        DetectionCase{"MemoryToRq7Unchecked", "8000", "99999", none, 2, 2, 8000, 99999, true},
        DetectionCase{"PciWithIsaCodec", "8000", "9000", "VideoRQ3.drv", 3, 2, 8000, 9000, true},
        DetectionCase{"OutOfRangeWithIsaCodec", "5", "9000", "videorq3.drv", 3, 2, 10000, 15000, false}),
    [](const testing::TestParamInfo<DetectionCase>& param) { return param.param.name; });

TEST(VideoNormFromCountry, NtscForTheCountriesThatUseIt) {
    const struct {
        std::optional<std::string> country;
        uint16_t norm;
    } cases[] = {{"1", 1},  {"2", 1},  {"52", 1}, {"82", 1}, {"886", 1},
                 {"33", 0}, {"49", 0}, {"81", 0}, {"0", 0},  {std::nullopt, 0}};
    for (const auto& c : cases) {
        FakeProfile profile;
        if (c.country) profile.Set("WIN.INI", "intl", "iCountry", *c.country);
        EXPECT_EQ(VideoNormFromCountry(profile), c.norm) << c.country.value_or("missing");
    }
}

TEST(ParseDecimal, EveryByteCountsAsADigitAndTheValueWraps) {
    const struct {
        const char* text;
        uint32_t value;
    } cases[] = {
        {"", 0}, {"0", 0}, {"200", 200}, {"20000", 20000}, {"-1", 2531}, {"5k", 109},
        {" 1", 2401}, // a blank counts as 32 - 48 modulo 256 = 240
        {"4294967295", 4294967295u}, {"4294967296", 0}, {"99999999999", 99999999999ull % (1ull << 32)},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseDecimal(c.text), c.value) << '"' << c.text << '"';
}

using W = std::pair<FakeProfile::Key, std::string>;
const FakeProfile::Key kPciRate{"SYSTEM.INI", "velkCI.DLL", "DataRate"};
const FakeProfile::Key kPciDrive{"SYSTEM.INI", "velkCI.DLL", "CaptureDrive"};
const FakeProfile::Key kPciFormat{"SYSTEM.INI", "velkCI.DLL", "DefCapFormat"};
const FakeProfile::Key kIsaRate{"SYSTEM.INI", "VIDEORQ3", "DataRate"};
const FakeProfile::Key kIsaDrive{"SYSTEM.INI", "VIDEORQ3", "CaptureDrive"};

TEST(Store, WritesTheKeysOfTheBoardsSectionInOrder) {
    const struct {
        uint16_t boardType;
        uint32_t rate;
        uint16_t formatClass;
        std::vector<W> writes;
    } cases[] = {
        {2, 3100, 0, {W{kPciRate, "3100"}, W{kPciDrive, "D:"}, W{kPciFormat, "LOW"}}},
        {2, 150, 1, {W{kPciRate, "150"}, W{kPciDrive, "D:"}, W{kPciFormat, "MID"}}},
        {2, 79, 2, {W{kPciRate, "79"}, W{kPciDrive, "D:"}, W{kPciFormat, "HIGH"}}},
        {2, 0, 3, {W{kPciRate, "0"}, W{kPciDrive, "D:"}, W{kPciFormat, "LOW"}}}, // no such class
        {1, 1439, 2, {W{kIsaRate, "1439"}, W{kIsaDrive, "D:"}}},
    };
    for (const auto& c : cases) {
        FakeProfile profile;
        EXPECT_TRUE(StoreDriveResults(profile, c.rate, c.formatClass, "D:", c.boardType));
        EXPECT_EQ(profile.writes, c.writes) << c.rate;
    }
}

TEST(Store, AFailedWriteIsReportedAndNothingIsWrittenAfterIt) {
    for (size_t failing = 1; failing <= 3; ++failing) {
        FakeProfile profile;
        profile.failWriteAt = failing;
        EXPECT_FALSE(StoreDriveResults(profile, 1924, 0, "C:", 2)) << failing;
        EXPECT_EQ(profile.writes.size(), failing);
    }
}

} // namespace
