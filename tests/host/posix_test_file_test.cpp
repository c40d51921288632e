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

TEST(PosixDiskTest, WritesTheWholeFileReadsItBackAndDeletesIt) {
    char folder[] = "tvxXXXXXX"; // relative: a root path holds at most 23 characters
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string testFile = std::string(folder) + "/VELKTRVX.DAT";
    const auto size = [&] {
        struct stat info {};
        return stat(testFile.c_str(), &info) == 0 ? info.st_size : -1;
    };
    DriveTable table{};
    DriveList list = EmptyDriveList();
    std::snprintf(list.item[0].rootPath, kRootPathSize, "%s", folder);
    for (uint16_t board : {uint16_t{2}, uint16_t{1}}) {
        PosixTestFile file;
        PosixClock clock;
        FakePrompts prompts;
        DiskTestPlatform platform{file, clock, prompts};
        DriveEntry& entry = table.entry[0];
        entry.freeBytes = 1ull << 40;
        uint32_t attempted = 0;

        ASSERT_EQ(RunDiskTest(platform, entry, list.item[0], board, attempted), 1);
        EXPECT_TRUE(prompts.messages.empty());
        EXPECT_TRUE(entry.tested == 1 && entry.writeRate > 0 && entry.readRate > 0);
        EXPECT_EQ(size(), board == 2 ? 20938752 : 20971520);
        DeleteTestFiles(file, prompts, table, list);
        EXPECT_EQ(size(), -1);
    }
    rmdir(folder);
}

} // namespace
