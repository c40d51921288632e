#include <gtest/gtest.h>

#include <optional>
#include <tuple>
#include <string>
#include <vector>

#include "../../config/capture_config.h"
#include "fake_profile.h"

namespace {

TEST(DetectCaptureBoard, FindsBoardKindTypeAndLimits) {
    const char* const none = nullptr;
    const struct {
        const char *rq7ToMemory, *memoryToRq7, *codec; // codec: VIDC.MJPG
        uint16_t boardKind, boardType; uint32_t cardToMemory, memoryToCard; bool memoryToRq7Read;
    } cases[] = {
        {none, none, none, 0, 2, 10000, 15000, false},
        {none, none, "videorq3.drv", 1, 1, 2000, 2000, false},
        {none, none, "VIDEORQ3.DRV", 1, 1, 2000, 2000, false},
        {none, none, "C:\\WINDOWS\\videorq3.drv", 0, 2, 10000, 15000, false},
        {none, none, "videorq3.drv ", 0, 2, 10000, 15000, false},
        {none, none, "videorq3", 0, 2, 10000, 15000, false}, // only the start of the name
        {"", "9000", "videorq3.drv", 1, 1, 2000, 2000, false},
        {"200", "3000", none, 2, 2, 200, 3000, true},
        {"199", "3000", none, 2, 2, 10000, 15000, false},
        {"20000", "3000", none, 2, 2, 20000, 3000, true},
        {"20001", "3000", none, 2, 2, 10000, 15000, false},
        {"8000", "99999", none, 2, 2, 8000, 99999, true},
        {"8000", "9000", "VideoRQ3.drv", 3, 2, 8000, 9000, true},
        {"5", "9000", "videorq3.drv", 3, 2, 10000, 15000, false},
    };
    const FakeProfile::Key memoryToRq7{"SYSTEM.INI", "velkCI.DLL", "MemoryToRQ7"};
    for (const auto& c : cases) {
        FakeProfile profile;
        if (c.rq7ToMemory) profile.Set("SYSTEM.INI", "velkCI.DLL", "RQ7ToMemory", c.rq7ToMemory);
        if (c.memoryToRq7) profile.Set("SYSTEM.INI", "velkCI.DLL", "MemoryToRQ7", c.memoryToRq7);
        if (c.codec) profile.Set("SYSTEM.INI", "drivers", "VIDC.MJPG", c.codec);
        CaptureOptions options{0, 0, {9, 9, 9, 9}};
        CaptureBoard board{99, {1, 1}};
        const std::string row = std::string(c.rq7ToMemory ? c.rq7ToMemory : "-") + ' ' + (c.codec ? c.codec : "-");

        EXPECT_EQ(DetectCaptureBoard(profile, options, board), 1);
        EXPECT_EQ(std::tie(board.boardKind, options.boardType, board.limits.cardToMemory, board.limits.memoryToCard),
                  std::tie(c.boardKind, c.boardType, c.cardToMemory, c.memoryToCard))
            << row;
        EXPECT_EQ(std::count(profile.reads.begin(), profile.reads.end(), memoryToRq7), c.memoryToRq7Read) << row;
        const AudioSettings& a = options.audio;
        EXPECT_EQ(std::tie(a.sampleRate, a.channels, a.sampleWidth, a.dmaWidth), std::make_tuple(1, 0, 0, 0));
    }
}

TEST(VideoNormFromCountry, NtscForTheCountriesThatUseIt) {
    const struct {
        std::optional<std::string> country; uint16_t norm;
    } cases[] = {{"1", 1},  {"2", 1},  {"52", 1}, {"82", 1}, {"886", 1},
                 {"33", 0}, {"49", 0}, {"81", 0}, {"0", 0},  {std::nullopt, 0}};
    for (const auto& c : cases) {
        FakeProfile profile;
        if (c.country) profile.Set("WIN.INI", "intl", "iCountry", *c.country);
        EXPECT_EQ(VideoNormFromCountry(profile), c.norm) << c.country.value_or("missing");
    }
}

TEST(ParseDecimal, EveryByteCountsAsADigitAndTheValueWraps) {
    const struct { const char* text; uint32_t value; } cases[] = {
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
    const struct { uint16_t boardType; uint32_t rate; uint16_t formatClass; std::vector<W> writes; } cases[] = {
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
