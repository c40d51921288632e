// What the drive table needs to know about the machine's drives.
#ifndef TARVEX_BENCH_DRIVE_SOURCE_H
#define TARVEX_BENCH_DRIVE_SOURCE_H

#include <cstdint>

class DriveSource {
public:
    // Root strings ("C:\" each followed by a terminator) into buffer; returns the
    // length of the whole text without the final terminator, or the size needed
    // when the buffer is too small.
    virtual uint32_t DriveStrings(char* buffer, uint32_t size) = 0;
    // Bit 0 for A:, bit 1 for B:, and so on.
    virtual uint32_t DriveMask() = 0;
    virtual uint32_t DriveType(const char* root) = 0;
    // False when the volume cannot be read (a removable drive without medium).
    virtual bool VolumeLabel(const char* root, char* label, uint32_t size) = 0;
    // False when the sizes cannot be had.
    virtual bool DiskSpace(const char* root, uint64_t& freeBytes, uint64_t& totalBytes) = 0;

protected:
    ~DriveSource() = default;
};

#endif
