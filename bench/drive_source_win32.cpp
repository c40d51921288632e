#include "drive_source_win32.h"

#include <windows.h>

#include "../base/find_function_win32.h"

namespace {

using GetDiskFreeSpaceExFunction = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);

// Windows 95 before OSR2 lacks the 64-bit query, so it is looked up, not imported.
GetDiskFreeSpaceExFunction FindGetDiskFreeSpaceEx() {
    return FindFunction<GetDiskFreeSpaceExFunction>(GetModuleHandleA("KERNEL32.DLL"), "GetDiskFreeSpaceExA");
}

} // namespace

uint32_t Win32DriveSource::DriveStrings(char* buffer, uint32_t size) {
    return GetLogicalDriveStringsA(size, buffer);
}

uint32_t Win32DriveSource::DriveMask() {
    return GetLogicalDrives();
}

uint32_t Win32DriveSource::DriveType(const char* root) {
    return GetDriveTypeA(root);
}

bool Win32DriveSource::VolumeLabel(const char* root, char* label, uint32_t size) {
    char fileSystem[100];
    DWORD serial = 0;
    DWORD componentLength = 0;
    DWORD flags = 0;
    return GetVolumeInformationA(root, label, size, &serial, &componentLength, &flags, fileSystem,
                                 sizeof fileSystem) != FALSE;
}

bool Win32DriveSource::DiskSpace(const char* root, uint64_t& freeBytes, uint64_t& totalBytes) {
    const GetDiskFreeSpaceExFunction getDiskFreeSpaceEx = FindGetDiskFreeSpaceEx();
    if (getDiskFreeSpaceEx != nullptr) {
        ULARGE_INTEGER available;
        ULARGE_INTEGER total;
        ULARGE_INTEGER totalFree;
        if (getDiskFreeSpaceEx(root, &available, &total, &totalFree)) {
            freeBytes = available.QuadPart;
            totalBytes = total.QuadPart;
            return true;
        }
    }
    return OlderDiskSpace(root, freeBytes, totalBytes);
}

bool OlderDiskSpace(const char* root, uint64_t& freeBytes, uint64_t& totalBytes) {
    DWORD sectorsPerCluster = 0;
    DWORD bytesPerSector = 0;
    DWORD freeClusters = 0;
    DWORD totalClusters = 0;
    if (!GetDiskFreeSpaceA(root, &sectorsPerCluster, &bytesPerSector, &freeClusters, &totalClusters)) return false;
    const uint64_t clusterBytes = static_cast<uint64_t>(sectorsPerCluster) * bytesPerSector;
    freeBytes = freeClusters * clusterBytes;
    totalBytes = totalClusters * clusterBytes;
    return true;
}
