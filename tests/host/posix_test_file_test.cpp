// A real test through the POSIX test file, in a folder beside the tests.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "../../bench/disk_test.h"
#include "../../bench/test_file_posix.h"
#include "fakes.h"

namespace {

class PosixDiskTest : public testing::Test {
protected:
    void SetUp() override {
        char folder[] = "tvxXXXXXX"; // relative: a root path holds at most 23 characters
        ASSERT_NE(mkdtemp(folder), nullptr);
        folder_ = folder;
        std::snprintf(item_.rootPath, kRootPathSize, "%s", folder);
        entry_.freeBytes = 1ull << 40;
    }
    void TearDown() override { rmdir(folder_.c_str()); }

    off_t TestFileSize() const {
        struct stat info {};
        return stat((folder_ + "/VELKTRVX.DAT").c_str(), &info) == 0 ? info.st_size : -1;
    }

    std::string folder_;
    DriveEntry entry_{};
    DriveListItem item_{0, "", ""};
};

TEST_F(PosixDiskTest, WritesTheWholeFileReadsItBackAndDeletesIt) {
    for (uint16_t board : {uint16_t{2}, uint16_t{1}}) {
        PosixTestFile file;
        PosixClock clock;
        FakePrompts prompts;
        DiskTestPlatform platform{file, clock, prompts};
        uint32_t attempted = 0;

        ASSERT_EQ(RunDiskTest(platform, entry_, item_, board, attempted), 1);
        EXPECT_TRUE(prompts.messages.empty());
        EXPECT_EQ(entry_.tested, 1u);
        EXPECT_GT(entry_.writeRate, 0u);
        EXPECT_GT(entry_.readRate, 0u);
        EXPECT_EQ(TestFileSize(), board == 2 ? 20938752 : 20971520);

        DriveTable table{};
        table.entry[0] = entry_;
        DriveList list = EmptyDriveList();
        list.item[0] = item_;
        DeleteTestFiles(file, prompts, table, list);
        EXPECT_EQ(TestFileSize(), -1);
    }
}

} // namespace
