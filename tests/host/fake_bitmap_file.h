// A file in memory and a heap that counts, at the bitmap reader's seams.
#ifndef TARVEX_TESTS_HOST_FAKE_BITMAP_FILE_H
#define TARVEX_TESTS_HOST_FAKE_BITMAP_FILE_H

#include <cstdlib>
#include <cstring>
#include <map>
#include <vector>

#include "../../logo/bitmap_reader.h"

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}

    uint32_t Read(void* destination, uint32_t count) override {
        const uint32_t left = at_ < bytes_.size() ? static_cast<uint32_t>(bytes_.size()) - at_ : 0;
        const uint32_t read = count < left ? count : left;
        if (read != 0) std::memcpy(destination, bytes_.data() + at_, read);
        at_ += read;
        return read;
    }
    bool Seek(uint32_t position) override {
        at_ = position;
        return true;
    }
    bool Position(uint32_t& position) override {
        position = at_;
        return true;
    }
    bool Remaining(uint32_t& remaining) override {
        remaining = bytes_.size() > at_ ? static_cast<uint32_t>(bytes_.size()) - at_ : 0;
        return true;
    }

private:
    std::vector<uint8_t> bytes_;
    uint32_t at_ = 0;
};

// Blocks of exactly the size asked for, so that the sanitizers see every byte past them.
class CountingBlocks final : public BlockMemory {
public:
    std::map<BlockHandle, uint32_t> live; // block and size
    bool failAllocate = false;
    bool failEnlarge = false;

    BlockHandle Allocate(uint32_t size) override {
        return failAllocate ? nullptr : Track(std::malloc(size == 0 ? 1 : size), size);
    }
    BlockHandle Enlarge(BlockHandle block, uint32_t size) override {
        if (failEnlarge) return nullptr;
        live.erase(block);
        return Track(std::realloc(block, size == 0 ? 1 : size), size);
    }
    uint8_t* Lock(BlockHandle block) override { return static_cast<uint8_t*>(block); }
    void Unlock(BlockHandle) override {}
    void Release(BlockHandle block) override {
        if (live.erase(block) != 1) std::abort(); // not a block of ours
        std::free(block);
    }

private:
    BlockHandle Track(BlockHandle block, uint32_t size) {
        live[block] = size;
        return block;
    }
};

#endif
