#include "disk_test_win32.h"

#include "../base/program_text_win32.h"
#include "../base/quiet_drive_errors_win32.h"

namespace {

// Unbuffered transfers want a sector-aligned address; a page suits every sector size.
constexpr uintptr_t kAlignment = 4096;

} // namespace

void* Win32TestFile::AllocateBuffer(uint32_t size) {
    block_ = GlobalAlloc(GMEM_FIXED | GMEM_NODISCARD, size + kAlignment - 1);
    if (block_ == nullptr) return nullptr;
    void* address = GlobalLock(block_);
    if (address == nullptr) {
        GlobalFree(block_);
        block_ = nullptr;
        return nullptr;
    }
    return reinterpret_cast<void*>((reinterpret_cast<uintptr_t>(address) + kAlignment - 1) & ~(kAlignment - 1));
}

void Win32TestFile::FreeBuffer(void*) {
    GlobalUnlock(block_);
    GlobalFree(block_);
    block_ = nullptr;
}

bool Win32TestFile::Open(const char* name, DWORD access, DWORD disposition) {
    Close();
    file_ = CreateFileA(name, access, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_NO_BUFFERING,
                        nullptr);
    return file_ != INVALID_HANDLE_VALUE;
}

bool Win32TestFile::CreateForWriting(const char* name) {
    return Open(name, GENERIC_WRITE, CREATE_ALWAYS);
}

bool Win32TestFile::OpenForReading(const char* name) {
    return Open(name, GENERIC_READ, OPEN_EXISTING);
}

bool Win32TestFile::Write(const void* buffer, uint32_t size, uint32_t& moved) {
    DWORD done = 0;
    const bool called = WriteFile(file_, buffer, size, &done, nullptr) != FALSE;
    moved = done;
    return called;
}

bool Win32TestFile::Read(void* buffer, uint32_t size, uint32_t& moved) {
    DWORD done = 0;
    const bool called = ReadFile(file_, buffer, size, &done, nullptr) != FALSE;
    moved = done;
    return called;
}

void Win32TestFile::Close() {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
}

void Win32TestFile::Delete(const char* name) {
    DeleteFileA(name);
}

int DialogPrompts::Message(uint16_t stringId, uint32_t flags) {
    return ShowMessage(dialog_, stringId, flags);
}

void DialogPrompts::Caption(uint16_t stringId) {
    char caption[kCaptionSize];
    LoadText(stringId, caption, sizeof caption);
    SetWindowTextA(dialog_, caption);
}

void DialogPrompts::WaitCursor(bool wait) {
    SetCursor(LoadCursorA(nullptr, wait ? IDC_WAIT : IDC_ARROW));
}

PerformanceClock::PerformanceClock() {
    LARGE_INTEGER frequency;
    if (QueryPerformanceFrequency(&frequency)) frequency_ = static_cast<uint64_t>(frequency.QuadPart);
}

ClockReading PerformanceClock::Now() {
    const DWORD tick = GetTickCount();
    LARGE_INTEGER counter;
    // Without a performance counter the tick count is the fine clock too; its
    // wrap then looks like a clock running backwards, and the ticks are taken.
    if (frequency_ == 0 || !QueryPerformanceCounter(&counter)) return ClockReading{uint64_t{tick} * 1000, tick};
    const uint64_t count = static_cast<uint64_t>(counter.QuadPart);
    // Whole seconds and the rest apart, so that the product stays in 64 bits.
    return ClockReading{count / frequency_ * 1000000 + count % frequency_ * 1000000 / frequency_, tick};
}

uint16_t RunDiskTest(HWND dialog, DriveEntry& entry, const DriveListItem& item, uint16_t boardType,
                     uint32_t& testAttempted) {
    Win32TestFile file;
    PerformanceClock clock;
    DialogPrompts prompts(dialog);
    DiskTestPlatform platform{file, clock, prompts};
    QuietDriveErrors quiet; // a medium taken out is reported as a file that cannot be opened
    return RunDiskTest(platform, entry, item, boardType, testAttempted);
}

void DeleteTestFiles(HWND dialog, const DriveTable& table, const DriveList& list) {
    Win32TestFile file;
    DialogPrompts prompts(dialog);
    QuietDriveErrors quiet; // a medium taken out after its test
    DeleteTestFiles(file, prompts, table, list);
}
