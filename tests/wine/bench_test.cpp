// The disk benchmark's Win32 side on the Wine prefix's drive C:, never Z:, which
// is the root of the Linux file system.
#include <gtest/gtest.h>

#include "../../bench/disk_test_win32.h"
#include "../../bench/drive_source_win32.h"
#include "harness.h"

namespace {

// The file cache bypassed both times, or the figures on Windows are its speed, not the disk's.
TEST(Win32TestFile, OpensUnbufferedBothTimes) {
    for (bool writing : {true, false}) {
        Win32TestFile file;
        createFileFlags = 0;
        ASSERT_TRUE(writing ? file.CreateForWriting(kTestFile) : file.OpenForReading(kTestFile));
        EXPECT_EQ(createFileFlags, DWORD{FILE_ATTRIBUTE_NORMAL | FILE_FLAG_NO_BUFFERING}) << writing;
    }
    ASSERT_TRUE(DeleteFileA(kTestFile));
}

// Windows 95 before OSR2 has the older call alone: it must give C:'s sizes, far
// beyond 4 GB here, as the 64-bit query does.
TEST(OlderDiskSpace, GivesTheSizesOfThe64BitQuery) {
    uint64_t freeBytes = 0, totalBytes = 0;
    ASSERT_TRUE(OlderDiskSpace("C:\\", freeBytes, totalBytes));
    ULARGE_INTEGER available, total;
    ASSERT_TRUE(GetDiskFreeSpaceExA("C:\\", &available, &total, nullptr));
    EXPECT_EQ(totalBytes, total.QuadPart);
    EXPECT_NEAR(static_cast<double>(freeBytes), static_cast<double>(available.QuadPart), 64 << 20);
}

} // namespace
