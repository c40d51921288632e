#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "../../bench/disk_test.h"
#include "fakes.h"

namespace {

constexpr uint16_t kIsa = 1;
constexpr uint16_t kPci = 2;
constexpr uint64_t kMb = 1 << 20;
const std::string kTestFile = "D:\\VELKTRVX.DAT";

// One drive "D:" with plenty of room, and the fakes around it; the clock's
// readings and the closing of the file are logged among the prompts.
struct Rig {
    FakeTestFile file;
    FakePrompts prompts;
    FakeClock clock;
    DiskTestPlatform platform{file, clock, prompts};
    DriveEntry entry{};
    DriveListItem item{1, "DATA(D:) 999MB free of 999MB", "D:"};
    uint32_t testAttempted = 0;

    explicit Rig(std::deque<uint64_t> microseconds = {0}) : clock(std::move(microseconds), &prompts.events) {
        entry.freeBytes = 999 * kMb;
        file.log = &prompts.events;
    }
    uint16_t Run(uint16_t boardType = kIsa) { return RunDiskTest(platform, entry, item, boardType, testAttempted); }
};

TEST(RunDiskTest, RefusesWarnsOrGoesOnByTheFreeSpace) {
    const struct { uint64_t freeBytes; int answer; uint16_t result; std::vector<ShownMessage> messages; } cases[] = {
        {20971519, 1, 0, {{35, 0x30}}},
        {20971520, 1, 1, {{36, 0x2031}}},
        {41943039, 2, 0, {{36, 0x2031}}}, // cancelled
        {41943040, 2, 1, {}},
        {4 * 1024 * kMb + 10 * kMb, 2, 1, {}},
    };
    for (const auto& c : cases) {
        Rig rig;
        rig.entry.freeBytes = c.freeBytes;
        rig.prompts.answer = c.answer;
        EXPECT_EQ(rig.Run(), c.result) << c.freeBytes;
        EXPECT_EQ(rig.prompts.messages, c.messages) << c.freeBytes;
        EXPECT_EQ(std::make_tuple(rig.testAttempted, rig.file.created.size(), rig.entry.tested, rig.file.buffersHeld),
                  std::make_tuple(1u, size_t{c.result}, uint32_t{c.result}, 0));
    }
}

TEST(RunDiskTest, WritesThenReadsEveryBlockTimingOnlyTheTransfers) {
    const struct {
        uint16_t board; uint32_t blockSize, blockCount;
    } cases[] = {{kIsa, 32768, 640}, {kPci, 98304, 213}, {3, 32768, 640}};
    for (const auto& c : cases) {
        Rig rig;
        ASSERT_EQ(rig.Run(c.board), 1);
        EXPECT_EQ(rig.file.created, std::vector<std::string>{kTestFile});
        EXPECT_EQ(rig.file.opened, std::vector<std::string>{kTestFile});
        EXPECT_EQ(rig.file.writeSizes, std::vector<uint32_t>(c.blockCount, c.blockSize)) << c.board;
        EXPECT_EQ(rig.file.readSizes, std::vector<uint32_t>(c.blockCount, c.blockSize)) << c.board;
        EXPECT_TRUE(!rig.file.open && rig.file.buffersHeld == 0 && rig.entry.tested == 1);
        const std::vector<std::string> events{"caption 30", "wait", "clock", "clock", "arrow", "caption 11", "close",
                                              "caption 31", "wait", "clock", "clock", "arrow", "caption 11", "close"};
        EXPECT_EQ(rig.prompts.events, events);
    }
}

TEST(PhaseRate, IsTheOldMillisecondFigureOverWholeMillisecondsAndFinerBelow) {
    for (uint32_t numerator : {20480000u, 20448000u}) {
        for (uint64_t ms : {1u, 2u, 7u, 21u, 23u, 50u, 1000u, 5000u, 8000u, 65535u, 4294967295u}) {
            EXPECT_EQ(PhaseRate(numerator, ms * 1000), numerator / ms) << numerator << ' ' << ms;
        }
    }
    const struct { uint64_t microseconds; uint32_t rate; } cases[] = {
        {999, 20500500}, {4, UINT32_MAX}, {5, 4096000000u}, {UINT64_MAX, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(PhaseRate(20480000, c.microseconds), c.rate) << c.microseconds;
    EXPECT_EQ(PhaseRate(1000, 0), 1000000u); // no time at all counts as one microsecond
}

TEST(RunDiskTest, RatesFollowTheClockOfEachPhase) {
    const struct {
        uint16_t board; std::deque<uint64_t> microseconds; // write start, write end, read start, read end
        uint32_t writeRate, readRate;
    } cases[] = {
        {kPci, {0, 5000000, 5000000, 10000000}, 4089, 4089},
        {kIsa, {0, 4000000, 4000000, 6000000}, 5120, 10240},
        {kIsa, {0, 20500, 20500, 41000}, 999024, 999024},
        {kIsa, {UINT64_MAX - 999, 7000, 0, 1}, 2560000, UINT32_MAX}, // the count wraps
    };
    for (const auto& c : cases) {
        Rig rig(c.microseconds);
        ASSERT_EQ(rig.Run(c.board), 1);
        EXPECT_EQ(rig.entry.writeRate, c.writeRate) << c.microseconds[1];
        EXPECT_EQ(rig.entry.readRate, c.readRate) << c.microseconds[1];
    }
}

TEST(RunDiskTest, AFailureShowsOneMessageAndKeepsTheFiguresOfTheTestBefore) {
    const struct {
        void (*arrange)(FakeTestFile&); uint16_t result; std::vector<ShownMessage> messages; bool fileCreated;
    } cases[] = {
        {[](FakeTestFile& f) { f.failAllocation = true; }, 0, {{10, 0x2010}}, false},
        {[](FakeTestFile& f) { f.failCreate = true; }, 0, {{34, 0x10}}, false},
        {[](FakeTestFile& f) { f.shortWriteAt = 3; }, 1, {{34, 0x10}}, true},
        {[](FakeTestFile& f) { f.failOpenForReading = true; }, 0, {{34, 0x10}}, true},
        {[](FakeTestFile& f) { f.failReadAt = 7; }, 1, {{34, 0x10}}, true},
    };
    for (const auto& c : cases) {
        for (uint32_t testedBefore : {0u, 1u}) {
            Rig rig;
            rig.entry.tested = testedBefore;
            rig.entry.writeRate = 11;
            rig.entry.readRate = 22;
            c.arrange(rig.file);

            EXPECT_EQ(rig.Run(), c.result);
            EXPECT_EQ(rig.prompts.messages, c.messages);
            EXPECT_EQ(rig.testAttempted, 1u);
            EXPECT_EQ(std::make_tuple(rig.entry.tested, rig.entry.writeRate, rig.entry.readRate),
                      std::make_tuple(testedBefore, 11u, 22u));
            EXPECT_EQ(rig.entry.testFileCreated, c.fileCreated ? 1u : 0u);
            EXPECT_TRUE(rig.file.buffersHeld == 0 && !rig.file.open);
        }
    }
}

TEST(RunDiskTest, StopsWritingAtTheFailedBlockAndStopsTheClockBeforeTheMessage) {
    Rig rig;
    rig.file.failWriteAt = 100;
    ASSERT_EQ(rig.Run(), 1);
    EXPECT_EQ(rig.file.writeSizes.size(), 100u);
    EXPECT_TRUE(rig.file.readSizes.empty());
    const std::vector<std::string> events{"caption 30", "wait", "clock", "clock", "message 34", "arrow", "caption 11",
                                          "close"};
    EXPECT_EQ(rig.prompts.events, events);
}

TEST(DeleteTestFiles, DeletesTheFileOfEveryDriveThatGotOne) {
    DriveTable table{};
    DriveList list = EmptyDriveList();
    const char* roots[kDriveSlots] = {"C:", "E:", "F:", "G:", "H:"};
    for (uint16_t i = 0; i < kDriveSlots; ++i) std::snprintf(list.item[i].rootPath, kRootPathSize, "%s", roots[i]);
    for (uint16_t i : {0, 1, 3, 4}) table.entry[i].testFileCreated = 1;
    table.entry[2].tested = 1; // tested in an earlier run: its file is gone

    FakeTestFile file;
    FakePrompts prompts;
    DeleteTestFiles(file, prompts, table, list);
    const std::vector<std::string> deleted{"C:\\VELKTRVX.DAT", "E:\\VELKTRVX.DAT", "G:\\VELKTRVX.DAT",
                                           "H:\\VELKTRVX.DAT"};
    EXPECT_EQ(file.deleted, deleted);
    EXPECT_EQ(prompts.events, (std::vector<std::string>{"caption 32", "wait", "arrow", "caption 11"}));
}

} // namespace
