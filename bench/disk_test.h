// The timed write and read test of a drive, and the deletion of test files.
#ifndef TARVEX_BENCH_DISK_TEST_H
#define TARVEX_BENCH_DISK_TEST_H

#include <cstdint>

#include "drive_table.h"

// Moves bytes to and from one test file without the platform's file cache.
class TestFile {
public:
    // A buffer fit for unbuffered transfers (page-aligned), or null.
    virtual void* AllocateBuffer(uint32_t size) = 0;
    virtual void FreeBuffer(void* buffer) = 0;
    // Replaces an existing file.
    virtual bool CreateForWriting(const char* name) = 0;
    virtual bool OpenForReading(const char* name) = 0;
    // moved receives the bytes the call says it moved.
    virtual bool Write(const void* buffer, uint32_t size, uint32_t& moved) = 0;
    virtual bool Read(void* buffer, uint32_t size, uint32_t& moved) = 0;
    virtual void Close() = 0;
    virtual void Delete(const char* name) = 0;

protected:
    ~TestFile() = default;
};

// One reading of the two clocks a phase is timed by: a fine one in microseconds,
// and the platform's millisecond tick count, coarse but steady, which wraps
// every 49.7 days.
struct ClockReading {
    uint64_t microseconds;
    uint32_t milliseconds;
};

class Clock {
public:
    virtual ClockReading Now() = 0;

protected:
    ~Clock() = default;
};

// What the user sees of a test: message boxes, the caption, the cursor.
class Prompts {
public:
    // Shows the string in a message box with the given flags; returns the answer.
    virtual int Message(uint16_t stringId, uint32_t flags) = 0;
    virtual void Caption(uint16_t stringId) = 0;
    virtual void WaitCursor(bool wait) = 0;

protected:
    ~Prompts() = default;
};

struct DiskTestPlatform {
    TestFile& file;
    Clock& clock;
    Prompts& prompts;
};

// Message box flags, as the platform defines them.
constexpr uint32_t kBoxOk = 0x0;
constexpr uint32_t kBoxOkCancel = 0x1;
constexpr uint32_t kBoxStop = 0x10;
constexpr uint32_t kBoxExclamation = 0x30;
constexpr uint32_t kBoxTaskModal = 0x2000;
constexpr int kAnswerCancel = 2;

struct TestPlan {
    uint32_t blockSize;     // bytes
    uint32_t blockCount;
    uint32_t rateNumerator; // whole kB moved, times 1000
};

TestPlan PlanFor(uint16_t boardType);

// The microseconds between two readings: the fine clock's, unless it ran
// backwards or strays from the tick count by more than a tick's step, as a
// performance counter may leap under bus load or differ between processors;
// then the tick count's.
uint64_t PhaseMicroseconds(const ClockReading& start, const ClockReading& end);

// kB/s of a phase that took elapsed microseconds: at least one is counted, and
// a figure beyond 32 bits is held at the largest. Over whole milliseconds this
// is the rate numerator over the milliseconds.
uint32_t PhaseRate(uint32_t rateNumerator, uint64_t elapsedMicroseconds);

constexpr uint64_t kMinimumFreeBytes = 20u << 20;
constexpr uint64_t kComfortableFreeBytes = 40u << 20;

// Writes the drive's test file, reads it back, and records both rates in kB/s
// when both phases went through. Returns 1 when the phases ran (even when a
// transfer failed on the way), 0 when the test was refused, cancelled, or its
// file could not be created or reopened.
uint16_t RunDiskTest(DiskTestPlatform& platform, DriveEntry& entry, const DriveListItem& item,
                     uint16_t boardType, uint32_t& testAttempted);

// Deletes the test file of every drive on which a test created one.
void DeleteTestFiles(TestFile& file, Prompts& prompts, const DriveTable& table, const DriveList& list);

#endif
