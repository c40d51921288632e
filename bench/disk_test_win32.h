// The disk test's platform on Win32: unbuffered file, performance counter, dialog prompts.
#ifndef TARVEX_BENCH_DISK_TEST_WIN32_H
#define TARVEX_BENCH_DISK_TEST_WIN32_H

#include <windows.h>

#include "disk_test.h"

class Win32TestFile final : public TestFile {
public:
    Win32TestFile() = default;
    ~Win32TestFile() { Close(); }
    Win32TestFile(const Win32TestFile&) = delete;
    Win32TestFile& operator=(const Win32TestFile&) = delete;

    void* AllocateBuffer(uint32_t size) override;
    void FreeBuffer(void* buffer) override;
    bool CreateForWriting(const char* name) override;
    bool OpenForReading(const char* name) override;
    bool Write(const void* buffer, uint32_t size, uint32_t& moved) override;
    bool Read(void* buffer, uint32_t size, uint32_t& moved) override;
    void Close() override;
    void Delete(const char* name) override;

private:
    bool Open(const char* name, DWORD access, DWORD disposition);

    HANDLE file_ = INVALID_HANDLE_VALUE;
    HGLOBAL block_ = nullptr;
};

// The performance counter, where there is one, beside the tick count.
class PerformanceClock final : public Clock {
public:
    PerformanceClock();
    ClockReading Now() override;

private:
    uint64_t frequency_ = 0; // counts a second; 0 without a performance counter
};

// Message boxes owned by the dialog, progress in its caption, the cursor.
class DialogPrompts final : public Prompts {
public:
    explicit DialogPrompts(HWND dialog) : dialog_(dialog) {}

    int Message(uint16_t stringId, uint32_t flags) override;
    void Caption(uint16_t stringId) override;
    void WaitCursor(bool wait) override;

private:
    HWND dialog_;
};

// The test of one drive, prompting through the dialog.
uint16_t RunDiskTest(HWND dialog, DriveEntry& entry, const DriveListItem& item, uint16_t boardType,
                     uint32_t& testAttempted);

// Deletes the test files written during this run.
void DeleteTestFiles(HWND dialog, const DriveTable& table, const DriveList& list);

#endif
