// The disk test's Win32 side on the Wine prefix's drive C:, never Z:, which is
// the root of the Linux file system.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "../../bench/disk_test_win32.h"

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

// The access granted to the handle: the second field of OBJECT_BASIC_INFORMATION.
ULONG GrantedAccess(HANDLE handle) {
    using Query = LONG(WINAPI*)(HANDLE, int, ULONG*, ULONG, ULONG*);
    const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryObject")));
    ULONG info[14] = {};
    EXPECT_EQ(query(handle, 0, info, sizeof info, nullptr), 0); // ObjectBasicInformation
    return info[1];
}

// The handle the test file code holds: the one open on the test file.
HANDLE HandleOnTestFile() {
    for (ULONG_PTR value = 4; value < 0x10000; value += 4) {
        char path[MAX_PATH];
        HANDLE handle = reinterpret_cast<HANDLE>(value);
        const DWORD length = GetFileType(handle) == FILE_TYPE_DISK ? GetFinalPathNameByHandleA(handle, path, MAX_PATH, 0) : 0;
        if (length > 13 && std::string(path + length - 13) == "\\VELKTRVX.DAT") return handle;
    }
    return nullptr;
}

TEST(Win32TestFile, OpensUnbufferedAndUnsharedReplacingForWritingAndOnlyAnExistingFileForReading) {
    const char name[] = "C:\\VELKTRVX.DAT";
    std::ofstream(name) << "an earlier test's file";
    for (bool writing : {true, false}) {
        Win32TestFile file;
        ASSERT_TRUE(writing ? file.CreateForWriting(name) : file.OpenForReading(name));
        HANDLE handle = HandleOnTestFile();
        ASSERT_NE(handle, nullptr);
        const ULONG synchronous = 0x20; // FILE_SYNCHRONOUS_IO_NONALERT: no overlapped transfers
        EXPECT_EQ(FileMode(handle), synchronous | FILE_NO_INTERMEDIATE_BUFFERING) << writing;
        EXPECT_EQ(GrantedAccess(handle) & (FILE_READ_DATA | FILE_WRITE_DATA),
                  static_cast<ULONG>(writing ? FILE_WRITE_DATA : FILE_READ_DATA));
        EXPECT_EQ(GetFileSize(handle, nullptr), 0u); // an earlier file is replaced, not written over
        EXPECT_EQ(CreateFileA(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                              nullptr),
                  INVALID_HANDLE_VALUE);
    }
    ASSERT_TRUE(DeleteFileA(name));
    EXPECT_FALSE(Win32TestFile().OpenForReading(name));
    EXPECT_EQ(GetFileAttributesA(name), INVALID_FILE_ATTRIBUTES);
}

} // namespace
