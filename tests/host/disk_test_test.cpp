#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../bench/disk_test.h"
#include "fakes.h"

namespace {

constexpr uint16_t kIsa = 1;
constexpr uint16_t kPci = 2;
constexpr uint64_t kMb = 1 << 20;

// One drive "D:" with plenty of room, and the fakes around it.
struct Rig {
    FakeTestFile file;
    FakeClock clock;
    FakePrompts prompts;
    DiskTestPlatform platform{file, clock, prompts};
    DriveEntry entry{};
    DriveListItem item{1, "DATA(D:) 999MB free of 999MB", "D:"};
    uint32_t testAttempted = 0;

    explicit Rig(std::deque<uint32_t> ticks = {0}) : clock(std::move(ticks)) { entry.freeBytes = 999 * kMb; }

    uint16_t Run(uint16_t boardType = kIsa) {
        return RunDiskTest(platform, entry, item, boardType, testAttempted);
    }
};

TEST(PlanFor, BlockSizeAndCountFollowTheBoardType) {
    const TestPlan pci = PlanFor(kPci);
    EXPECT_EQ(pci.blockSize, 98304u);
    EXPECT_EQ(pci.blockCount, 213u);
    EXPECT_EQ(pci.rateNumerator, 20448000u);
    for (uint16_t other : {uint16_t{0}, kIsa, uint16_t{3}}) {
        const TestPlan isa = PlanFor(other);
        EXPECT_EQ(isa.blockSize, 32768u);
        EXPECT_EQ(isa.blockCount, 640u);
        EXPECT_EQ(isa.rateNumerator, 20480000u);
    }
}

struct SpaceCase {
    const char* name;
    uint64_t freeBytes;
    int answer;
    uint16_t result;
    std::vector<ShownMessage> messages;
};

class FreeSpace : public testing::TestWithParam<SpaceCase> {};

TEST_P(FreeSpace, RefusesWarnsOrGoesOn) {
    Rig rig;
    rig.entry.freeBytes = GetParam().freeBytes;
    rig.prompts.answer = GetParam().answer;

    EXPECT_EQ(rig.Run(), GetParam().result);
    EXPECT_EQ(rig.prompts.messages, GetParam().messages);
    EXPECT_EQ(rig.testAttempted, 1u);
    EXPECT_EQ(rig.file.created.size(), GetParam().result);
    EXPECT_EQ(rig.entry.tested, GetParam().result);
    EXPECT_EQ(rig.file.buffersHeld, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, FreeSpace,
    testing::Values(SpaceCase{"Empty", 0, 1, 0, {{35, 0x30}}},
                    SpaceCase{"JustBelow20MB", 20971519, 1, 0, {{35, 0x30}}},
                    SpaceCase{"Exactly20MB", 20971520, 1, 1, {{36, 0x2031}}},
                    SpaceCase{"Exactly20MBCancelled", 20971520, 2, 0, {{36, 0x2031}}},
                    SpaceCase{"JustBelow40MBCancelled", 41943039, 2, 0, {{36, 0x2031}}},
                    SpaceCase{"Exactly40MB", 41943040, 2, 1, {}},
                    SpaceCase{"Beyond4GB", 4 * 1024 * kMb + 10 * kMb, 2, 1, {}}),
    [](const testing::TestParamInfo<SpaceCase>& param) { return param.param.name; });

TEST(RunDiskTest, WritesThenReadsEveryBlockOfThePlan) {
    for (uint16_t board : {kIsa, kPci}) {
        Rig rig;
        ASSERT_EQ(rig.Run(board), 1);
        const TestPlan plan = PlanFor(board);
        EXPECT_EQ(rig.file.created, std::vector<std::string>{"D:\\VELKTRVX.DAT"});
        EXPECT_EQ(rig.file.opened, std::vector<std::string>{"D:\\VELKTRVX.DAT"});
        EXPECT_EQ(rig.file.writeSizes, std::vector<uint32_t>(plan.blockCount, plan.blockSize));
        EXPECT_EQ(rig.file.readSizes, std::vector<uint32_t>(plan.blockCount, plan.blockSize));
        EXPECT_EQ(rig.file.fileSizes["D:\\VELKTRVX.DAT"], board == kPci ? 20938752u : 20971520u);
        EXPECT_FALSE(rig.file.open);
        EXPECT_EQ(rig.file.buffersHeld, 0);
        EXPECT_EQ(rig.entry.tested, 1u);
        EXPECT_TRUE(rig.prompts.messages.empty());
    }
}

TEST(RunDiskTest, ShowsEachPhaseInTheCaptionWithTheWaitCursor) {
    Rig rig;
    ASSERT_EQ(rig.Run(), 1);
    const std::vector<std::string> expected{"caption 30", "wait", "arrow", "caption 11",
                                            "caption 31", "wait", "arrow", "caption 11"};
    EXPECT_EQ(rig.prompts.events, expected);
}

struct RateCase {
    const char* name;
    uint16_t board;
    std::deque<uint32_t> ticks; // write start, write end, read start, read end
    uint32_t writeRate;
    uint32_t readRate;
};

class Rates : public testing::TestWithParam<RateCase> {};

TEST_P(Rates, AreTheWholeKilobytesTimesThousandOverTheMilliseconds) {
    Rig rig(GetParam().ticks);
    ASSERT_EQ(rig.Run(GetParam().board), 1);
    EXPECT_EQ(rig.entry.writeRate, GetParam().writeRate);
    EXPECT_EQ(rig.entry.readRate, GetParam().readRate);
}

INSTANTIATE_TEST_SUITE_P(
    Phases, Rates,
    testing::Values(RateCase{"Isa8000ms", kIsa, {1000, 9000, 20000, 28000}, 2560, 2560},
                    RateCase{"Pci5000ms", kPci, {0, 5000, 5000, 10000}, 4089, 4089},
                    RateCase{"DifferentPhases", kIsa, {0, 4000, 4000, 6000}, 5120, 10240},
                    RateCase{"ZeroMillisecondsCountAsOne", kIsa, {7, 7, 9, 9}, 20480000, 20480000},
                    RateCase{"TickCountWraps", kIsa, {0xFFFFF000u, 0x00000F40u, 0, 1}, 2560, 20480000}),
    [](const testing::TestParamInfo<RateCase>& param) { return param.param.name; });

struct FailureCase {
    const char* name;
    void (*arrange)(FakeTestFile&);
    uint16_t result;
    std::vector<ShownMessage> messages;
    bool readPhase; // the file was opened for reading
    bool fileCreated;
};

class Failures : public testing::TestWithParam<FailureCase> {};

TEST_P(Failures, ShowOneMessageAndLeaveTheEntryAsDocumented) {
    for (uint32_t testedBefore : {0u, 1u}) {
        Rig rig({0, 1000, 2000, 2500});
        rig.entry.tested = testedBefore;
        rig.entry.writeRate = 11;
        rig.entry.readRate = 22;
        GetParam().arrange(rig.file);

        EXPECT_EQ(rig.Run(), GetParam().result);
        EXPECT_EQ(rig.prompts.messages, GetParam().messages);
        EXPECT_EQ(rig.testAttempted, 1u);
        EXPECT_EQ(rig.entry.tested, testedBefore);
        // A failed test keeps the figures of the one before.
        EXPECT_EQ(rig.entry.writeRate, 11u);
        EXPECT_EQ(rig.entry.readRate, 22u);
        EXPECT_EQ(rig.file.opened.size(), GetParam().readPhase ? 1u : 0u);
        EXPECT_EQ(rig.entry.testFileCreated, GetParam().fileCreated ? 1u : 0u);
        EXPECT_EQ(rig.file.buffersHeld, 0);
        EXPECT_FALSE(rig.file.open);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Failures,
    testing::Values(
        FailureCase{"NoBuffer", [](FakeTestFile& f) { f.failAllocation = true; }, 0, {{10, 0x2010}},
                    false, false},
        FailureCase{"CannotCreate", [](FakeTestFile& f) { f.failCreate = true; }, 0, {{34, 0x10}},
                    false, false},
        FailureCase{"WriteFailsAtBlock100", [](FakeTestFile& f) { f.failWriteAt = 100; }, 1, {{34, 0x10}},
                    false, true},
        FailureCase{"ShortWrite", [](FakeTestFile& f) { f.shortWriteAt = 3; }, 1, {{34, 0x10}},
                    false, true},
        FailureCase{"CannotReopen", [](FakeTestFile& f) { f.failOpenForReading = true; }, 0, {{34, 0x10}},
                    false, true},
        FailureCase{"ReadFails", [](FakeTestFile& f) { f.failReadAt = 7; }, 1, {{34, 0x10}},
                    true, true}),
    [](const testing::TestParamInfo<FailureCase>& param) { return param.param.name; });

TEST(RunDiskTest, StopsWritingAtTheFailedBlock) {
    Rig rig({500, 4500});
    rig.file.failWriteAt = 100;
    ASSERT_EQ(rig.Run(), 1);
    EXPECT_EQ(rig.file.writeSizes.size(), 100u);
    EXPECT_TRUE(rig.file.readSizes.empty());
    // The message comes after the clock stopped, while the write caption still shows.
    const std::vector<std::string> expected{"caption 30", "wait", "message 34", "arrow", "caption 11"};
    EXPECT_EQ(rig.prompts.events, expected);
}

TEST(RunDiskTest, SecondTestOfTheSameDriveReplacesItsFileAndRates) {
    Rig rig({0, 1000, 1000, 2000, 2000, 6000, 6000, 10000});
    ASSERT_EQ(rig.Run(), 1);
    EXPECT_EQ(rig.entry.writeRate, 20480u);
    ASSERT_EQ(rig.Run(), 1);
    EXPECT_EQ(rig.file.created.size(), 2u);
    EXPECT_EQ(rig.entry.writeRate, 5120u);
    EXPECT_EQ(rig.entry.readRate, 5120u);
    EXPECT_EQ(rig.entry.tested, 1u);
}

TEST(DeleteTestFiles, DeletesTheFileOfEveryDriveThatGotOneTestedOrNot) {
    DriveTable table{};
    DriveList list = EmptyDriveList();
    const char* roots[kDriveSlots] = {"C:", "E:", "F:", "G:", "H:"};
    for (uint16_t i = 0; i < kDriveSlots; ++i) std::snprintf(list.item[i].rootPath, kRootPathSize, "%s", roots[i]);

    FakeTestFile file;
    FakePrompts prompts;
    FakeClock clock;
    DiskTestPlatform platform{file, clock, prompts};
    uint32_t attempted = 0;
    table.entry[1].freeBytes = table.entry[0].freeBytes = table.entry[3].freeBytes = 999 * kMb;
    RunDiskTest(platform, table.entry[1], list.item[1], kIsa, attempted); // E: goes through
    RunDiskTest(platform, table.entry[0], list.item[0], kIsa, attempted); // then C:
    file.failWriteAt = file.writeSizes.size() + 5;
    RunDiskTest(platform, table.entry[3], list.item[3], kIsa, attempted); // G: fails while writing
    RunDiskTest(platform, table.entry[2], list.item[2], kIsa, attempted); // F: refused, no space
    ASSERT_EQ(table.entry[3].tested, 0u);

    FakePrompts deleting;
    DeleteTestFiles(file, deleting, table, list);
    const std::vector<std::string> expected{"C:\\VELKTRVX.DAT", "E:\\VELKTRVX.DAT", "G:\\VELKTRVX.DAT"};
    EXPECT_EQ(file.deleted, expected);
    const std::vector<std::string> events{"caption 32", "wait", "arrow", "caption 11"};
    EXPECT_EQ(deleting.events, events);
}

} // namespace
