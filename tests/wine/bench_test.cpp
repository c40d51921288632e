// The disk benchmark's Win32 side on the Wine prefix's drive C:, never Z:, which
// is the root of the Linux file system.
#include <gtest/gtest.h>

#include "../../bench/disk_test_win32.h"
#include "../../bench/drive_source_win32.h"
#include "../../config/capture_options.h"
#include "harness.h"

namespace {

// The address space that nothing holds or reserves.
uint64_t FreeAddressSpace() {
    uint64_t free = 0;
    MEMORY_BASIC_INFORMATION region;
    for (const char* at = nullptr; VirtualQuery(at, &region, sizeof region) != 0;
         at = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_FREE) free += region.RegionSize;
    }
    return free;
}

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

// A user who tests C: a couple of hundred times in one run gets back the 96 kB
// transfer buffer each time.
TEST(RunDiskTest, GivesBackItsBufferAfterEveryTest) {
    DriveEntry entry{0, uint64_t{1} << 40, 3, 0, 0, 0, 0, 0, 0};
    const DriveListItem item{0, "", "C:"};
    uint32_t attempted = 0;
    ASSERT_EQ(RunDiskTest(nullptr, entry, item, kPciBoard, attempted), 1);
    const uint64_t before = FreeAddressSpace();
    for (int test = 0; test < 200; ++test) RunDiskTest(nullptr, entry, item, kPciBoard, attempted);
    EXPECT_NEAR(static_cast<double>(FreeAddressSpace()), static_cast<double>(before), 4 << 20);
    DeleteFileA(kTestFile);
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
