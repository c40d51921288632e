#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "../../config/capture_config.h"

namespace {

// Profile files in memory, every write logged as "section key=value", a flush as "flush file".
class FakeProfile final : public Profile {
public:
    std::map<std::string, std::string> values; // "file section key"
    std::vector<std::string> writes;
    size_t failWriteAt = 0; // 1-based number of the write that fails; 0 never

    uint32_t ReadString(const char* file, const char* section, const char* key, char* buffer, uint32_t size) override {
        return static_cast<uint32_t>(std::snprintf(buffer, size, "%s", Value(file, section, key).c_str()));
    }
    uint32_t ReadInteger(const char* file, const char* section, const char* key, uint32_t fallback) override {
        const std::string value = Value(file, section, key);
        return value.empty() ? fallback : static_cast<uint32_t>(std::stoul(value));
    }
    bool WriteString(const char* file, const char* section, const char* key, const char* value) override {
        writes.push_back(std::string(section) + " " + key + "=" + value);
        EXPECT_STREQ(file, "SYSTEM.INI");
        return writes.size() != failWriteAt;
    }
    void Flush(const char* file) override { writes.push_back(std::string("flush ") + file); }

private:
    std::string Value(const char* file, const char* section, const char* key) {
        return values[std::string(file) + " " + section + " " + key];
    }
};

TEST(DetectCaptureBoard, FindsBoardKindTypeAndLimits) {
    const char* const none = nullptr;
    const struct {
        const char *rq7ToMemory, *memoryToRq7, *codec; // codec: VIDC.MJPG
        uint16_t boardKind, boardType; uint32_t cardToMemory, memoryToCard;
    } cases[] = {
        {none, none, "VIDEORQ3.DRV", 1, 1, 2000, 2000},
        {none, none, "videorq3", 0, 2, 10000, 15000}, // only the start of the name
        {"", "9000", "videorq3.drv", 1, 1, 2000, 2000},
        {"200", "3000", none, 2, 2, 200, 3000},
        {"199", "3000", none, 2, 2, 10000, 15000},
        {"20000", "3000", none, 2, 2, 20000, 3000},
        {"20001", "3000", none, 2, 2, 10000, 15000},
        {"8000", "99999", none, 2, 2, 8000, 99999},
        {"-1", "5k", none, 2, 2, 2531, 109}, // every byte counts as a digit: '-' as 253, 'k' as 59
        {"8000", "", none, 2, 2, 8000, 15000},
        {"8000", "9000", "VideoRQ3.drv", 3, 2, 8000, 9000},
        {"5", "9000", "videorq3.drv", 3, 2, 10000, 15000},
    };
    for (const auto& c : cases) {
        FakeProfile profile;
        if (c.rq7ToMemory) profile.values["SYSTEM.INI velkCI.DLL RQ7ToMemory"] = c.rq7ToMemory;
        if (c.memoryToRq7) profile.values["SYSTEM.INI velkCI.DLL MemoryToRQ7"] = c.memoryToRq7;
        if (c.codec) profile.values["SYSTEM.INI drivers VIDC.MJPG"] = c.codec;
        CaptureOptions options{0, 0, {9, 9, 9, 9}};
        CaptureBoard board{99, {1, 1}};
        EXPECT_EQ(DetectCaptureBoard(profile, options, board), 1);
        const AudioSettings& a = options.audio;
        EXPECT_EQ(std::tie(board.boardKind, options.boardType, board.limits.cardToMemory, board.limits.memoryToCard),
                  std::tie(c.boardKind, c.boardType, c.cardToMemory, c.memoryToCard))
            << (c.rq7ToMemory ? c.rq7ToMemory : "-") << ' ' << (c.codec ? c.codec : "-");
        EXPECT_EQ(std::tie(a.sampleRate, a.channels, a.sampleWidth, a.dmaWidth), std::make_tuple(1, 0, 0, 0));
    }
}

TEST(VideoNormFromCountry, NtscForTheCountriesThatUseIt) {
    const struct { const char* country; uint16_t norm; } cases[] = {
        {"1", 1}, {"2", 1}, {"52", 1}, {"82", 1}, {"886", 1}, {"33", 0}, {"49", 0}, {"81", 0}, {"0", 0}, {"", 0}};
    for (const auto& c : cases) {
        FakeProfile profile;
        profile.values["WIN.INI intl iCountry"] = c.country;
        EXPECT_EQ(VideoNormFromCountry(profile), c.norm) << c.country;
    }
}

// What was written reaches the file even when a later write failed.
TEST(Store, WritesTheKeysOfTheBoardsSectionInOrderStopsAtAFailedWriteAndFlushes) {
    using W = std::vector<std::string>;
    const std::string rate7 = "velkCI.DLL DataRate=7", drive = "velkCI.DLL CaptureDrive=D:", flush = "flush SYSTEM.INI";
    const struct {
        uint16_t boardType; uint32_t rate; uint16_t formatClass; size_t failWriteAt; bool stored; W writes;
    } cases[] = {
        {2, 150, 1, 0, true, {"velkCI.DLL DataRate=150", drive, "velkCI.DLL DefCapFormat=MID", flush}},
        {2, 79, 2, 0, true, {"velkCI.DLL DataRate=79", drive, "velkCI.DLL DefCapFormat=HIGH", flush}},
        {1, 1439, 2, 0, true, {"VIDEORQ3 DataRate=1439", "VIDEORQ3 CaptureDrive=D:", flush}},
        {2, 7, 0, 1, false, {rate7, flush}},
        {2, 7, 0, 2, false, {rate7, drive, flush}},
        {2, 7, 0, 3, false, {rate7, drive, "velkCI.DLL DefCapFormat=LOW", flush}},
    };
    for (const auto& c : cases) {
        FakeProfile profile;
        profile.failWriteAt = c.failWriteAt;
        EXPECT_EQ(StoreDriveResults(profile, c.rate, c.formatClass, "D:", c.boardType), c.stored) << c.rate;
        EXPECT_EQ(profile.writes, c.writes) << c.rate;
    }
}

} // namespace
