// The test file on a POSIX system: O_DIRECT transfers from a page-aligned buffer.
// Used by the disk benchmark tool.
#ifndef TARVEX_BENCH_TEST_FILE_POSIX_H
#define TARVEX_BENCH_TEST_FILE_POSIX_H

#include "disk_test.h"

class PosixTestFile final : public TestFile {
public:
    PosixTestFile() = default;
    ~PosixTestFile() { Close(); }
    PosixTestFile(const PosixTestFile&) = delete;
    PosixTestFile& operator=(const PosixTestFile&) = delete;

    void* AllocateBuffer(uint32_t size) override;
    void FreeBuffer(void* buffer) override;
    // Names use "\" as the separator, as on the drives they stand for.
    bool CreateForWriting(const char* name) override;
    bool OpenForReading(const char* name) override;
    bool Write(const void* buffer, uint32_t size, uint32_t& moved) override;
    bool Read(void* buffer, uint32_t size, uint32_t& moved) override;
    void Close() override;
    void Delete(const char* name) override;

    // False once a file system refused O_DIRECT and a file was opened through the cache.
    bool Unbuffered() const { return !cacheFallback_; }

private:
    bool Open(const char* name, int flags);

    int fd_ = -1;
    bool cacheFallback_ = false;
};

// The monotonic clock, whose milliseconds stand in for the tick count.
class PosixClock final : public Clock {
public:
    ClockReading Now() override;
};

#endif
