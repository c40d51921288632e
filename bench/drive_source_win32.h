// The machine's drives, as the platform reports them.
#ifndef TARVEX_BENCH_DRIVE_SOURCE_WIN32_H
#define TARVEX_BENCH_DRIVE_SOURCE_WIN32_H

#include "drive_source.h"

class Win32DriveSource final : public DriveSource {
public:
    uint32_t DriveStrings(char* buffer, uint32_t size) override;
    uint32_t DriveMask() override;
    uint32_t DriveType(const char* root) override;
    bool VolumeLabel(const char* root, char* label, uint32_t size) override;
    bool DiskSpace(const char* root, uint64_t& freeBytes, uint64_t& totalBytes) override;
};

// The sizes from the call that every version has, and Windows 95 before OSR2
// alone; Windows 95 to ME give at most 2 GB through it.
bool OlderDiskSpace(const char* root, uint64_t& freeBytes, uint64_t& totalBytes);

#endif
