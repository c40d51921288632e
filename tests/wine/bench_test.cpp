// The disk benchmark's Win32 side on the Wine prefix's drive C:, never Z:, which
// is the root of the Linux file system.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "../../bench/disk_test_win32.h"
#include "../../bench/drive_source_win32.h"
#include "../../config/capture_options.h"
#include "harness.h"

namespace {

// The handle's mode (FILE_MODE_INFORMATION) as the system records it.
ULONG FileMode(HANDLE handle) {
    using Query = LONG(WINAPI*)(HANDLE, ULONG_PTR*, ULONG*, ULONG, int);
    const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationFile")));
    ULONG_PTR status[2];
    ULONG mode = 0;
    EXPECT_EQ(query(handle, status, &mode, sizeof mode, 16), 0); // FileModeInformation
    return mode;
}

// The handle the test file code holds: the one open on the test file.
HANDLE HandleOnTestFile() {
    for (ULONG_PTR value = 4; value < 0x10000; value += 4) {
        char path[MAX_PATH];
        HANDLE handle = reinterpret_cast<HANDLE>(value);
        const bool file = GetFileType(handle) == FILE_TYPE_DISK;
        const DWORD length = file ? GetFinalPathNameByHandleA(handle, path, MAX_PATH, 0) : 0;
        if (length > 13 && std::string(path + length - 13) == "\\VELKTRVX.DAT") return handle;
    }
    return nullptr;
}

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

TEST(Win32TestFile, OpensUnbufferedBothTimes) {
    std::ofstream(kTestFile) << "an earlier test's file";
    for (bool writing : {true, false}) {
        Win32TestFile file;
        ASSERT_TRUE(writing ? file.CreateForWriting(kTestFile) : file.OpenForReading(kTestFile));
        HANDLE handle = HandleOnTestFile();
        ASSERT_NE(handle, nullptr);
        const ULONG synchronous = 0x20; // FILE_SYNCHRONOUS_IO_NONALERT: no overlapped transfers
        EXPECT_EQ(FileMode(handle), synchronous | FILE_NO_INTERMEDIATE_BUFFERING) << writing;
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
