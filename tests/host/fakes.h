// Stand-ins for the machine at the disk benchmark's seams, for the cases a real
// machine cannot produce on demand.
#ifndef TARVEX_TESTS_HOST_FAKES_H
#define TARVEX_TESTS_HOST_FAKES_H

#include <algorithm>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "../../bench/disk_test.h"
#include "../../bench/drive_source.h"

struct FakeDrive {
    char letter;
    uint32_t type;
    std::string label;
    uint64_t freeBytes;
    uint64_t totalBytes;
    bool readable = true; // volume information and sizes can be had
};

class FakeDriveSource final : public DriveSource {
public:
    explicit FakeDriveSource(std::vector<FakeDrive> drives) : drives_(std::move(drives)) {}
    bool needsLargerBuffer = false; // answers the buffer's size, with what fits written

    uint32_t DriveStrings(char* buffer, uint32_t size) override {
        std::string text;
        for (const FakeDrive& drive : drives_) text += std::string(1, drive.letter) + ":\\" + '\0';
        if (needsLargerBuffer || text.size() + 1 > size) {
            std::memcpy(buffer, text.data(), std::min<size_t>(size, text.size()));
            return needsLargerBuffer ? size : static_cast<uint32_t>(text.size() + 1);
        }
        std::memcpy(buffer, text.data(), text.size());
        buffer[text.size()] = '\0';
        return static_cast<uint32_t>(text.size());
    }
    uint32_t DriveMask() override {
        uint32_t mask = 0;
        for (const FakeDrive& drive : drives_) mask |= 1u << (drive.letter - 'A');
        return mask;
    }
    uint32_t DriveType(const char* root) override { return Find(root).type; }
    bool VolumeLabel(const char* root, char* label, uint32_t size) override {
        const FakeDrive& drive = Find(root);
        std::strncpy(label, drive.readable ? drive.label.c_str() : "JUNK", size - 1); // a failure may write too
        label[size - 1] = '\0';
        return drive.readable;
    }
    bool DiskSpace(const char* root, uint64_t& freeBytes, uint64_t& totalBytes) override {
        const FakeDrive& drive = Find(root);
        freeBytes = drive.freeBytes;
        totalBytes = drive.totalBytes;
        return drive.readable;
    }

private:
    const FakeDrive& Find(const char* root) const {
        for (const FakeDrive& drive : drives_) {
            if (drive.letter == root[0] && std::strcmp(root + 1, ":\\") == 0) return drive;
        }
        static const FakeDrive none{'?', 0, "", 0, 0};
        return none;
    }

    std::vector<FakeDrive> drives_;
};

// Records what is done with it; fails where it is told to.
class FakeTestFile final : public TestFile {
public:
    bool failAllocation = false;
    bool failCreate = false;
    bool failOpenForReading = false;
    uint32_t failWriteAt = 0;  // 1-based block number whose write fails; 0 never
    uint32_t failReadAt = 0;
    uint32_t shortWriteAt = 0; // the call succeeds but moves one sector less

    std::vector<std::string> created;
    std::vector<std::string> opened;
    std::vector<std::string> deleted;
    std::vector<uint32_t> writeSizes;
    std::vector<uint32_t> readSizes;
    int buffersHeld = 0;
    bool open = false;
    std::vector<std::string>* log = nullptr; // gets "close", beside what the prompts log

    void* AllocateBuffer(uint32_t size) override {
        if (failAllocation) return nullptr;
        ++buffersHeld;
        storage_.assign(size, 0);
        return storage_.data();
    }
    void FreeBuffer(void*) override { --buffersHeld; }
    bool CreateForWriting(const char* name) override {
        if (failCreate) return false;
        created.push_back(name);
        open = true;
        return true;
    }
    bool OpenForReading(const char* name) override {
        if (failOpenForReading) return false;
        opened.push_back(name);
        open = true;
        return true;
    }
    bool Write(const void*, uint32_t size, uint32_t& moved) override {
        writeSizes.push_back(size);
        const auto block = writeSizes.size();
        if (block == failWriteAt) return false;
        moved = block == shortWriteAt ? size - 512 : size;
        return true;
    }
    bool Read(void*, uint32_t size, uint32_t& moved) override {
        readSizes.push_back(size);
        if (readSizes.size() == failReadAt) return false;
        moved = size;
        return true;
    }
    void Close() override { open = false; if (log != nullptr) log->push_back("close"); }
    void Delete(const char* name) override { deleted.push_back(name); }

private:
    std::vector<unsigned char> storage_;
};

// Gives the readings it was loaded with, then keeps giving the last one; each
// reading is logged as "clock", beside what the prompts log.
class FakeClock final : public Clock {
public:
    explicit FakeClock(std::deque<uint64_t> readings, std::vector<std::string>* log = nullptr)
        : readings_(std::move(readings)), log_(log) {}
    uint64_t Microseconds() override {
        const uint64_t now = readings_.front();
        if (readings_.size() > 1) readings_.pop_front();
        if (log_ != nullptr) log_->push_back("clock");
        return now;
    }

private:
    std::deque<uint64_t> readings_;
    std::vector<std::string>* log_;
};

using ShownMessage = std::pair<uint16_t, uint32_t>; // string id, flags

// Records messages, captions and cursors in the order they were shown.
class FakePrompts final : public Prompts {
public:
    int answer = 1; // IDOK
    std::vector<ShownMessage> messages;
    std::vector<std::string> events; // "caption 30", "wait", "arrow", "message 34"

    int Message(uint16_t stringId, uint32_t flags) override {
        messages.push_back({stringId, flags});
        events.push_back("message " + std::to_string(stringId));
        return answer;
    }
    void Caption(uint16_t stringId) override { events.push_back("caption " + std::to_string(stringId)); }
    void WaitCursor(bool wait) override { events.push_back(wait ? "wait" : "arrow"); }
};

#endif
