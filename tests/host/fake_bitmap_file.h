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
    explicit MemorySource(std::vector<uint8_t> bytes, uint32_t start = 0) : bytes_(std::move(bytes)), at_(start) {}

    std::vector<uint32_t> reads; // the size every read asked for
    bool failSeek = false; // seeks move, but report failure, so that only the report can stop the reader
    uint32_t pretendSize = 0; // when set, the file claims this size, but reads end with its bytes

    uint32_t Read(void* destination, uint32_t count) override {
        reads.push_back(count);
        const uint32_t left = at_ < bytes_.size() ? static_cast<uint32_t>(bytes_.size()) - at_ : 0;
        const uint32_t read = count < left ? count : left;
        if (read != 0) std::memcpy(destination, bytes_.data() + at_, read);
        at_ += read;
        return read;
    }
    bool Seek(uint32_t position) override {
        at_ = position;
        return !failSeek;
    }
    bool Position(uint32_t& position) override {
        position = at_;
        return true;
    }
    bool Remaining(uint32_t& remaining) override {
        remaining = Size() > at_ ? Size() - at_ : 0;
        return true;
    }

private:
    uint32_t Size() const { return pretendSize != 0 ? pretendSize : static_cast<uint32_t>(bytes_.size()); }

    std::vector<uint8_t> bytes_;
    uint32_t at_;
};

// Blocks of exactly the size asked for, so that the sanitizers see every byte past them.
class CountingBlocks final : public BlockMemory {
public:
    std::map<BlockHandle, uint32_t> live; // block and size
    bool failAllocate = false;
    bool failEnlarge = false;
    uint32_t failLock = 0; // when set, the lock of this number, counted from 1, fails
    uint32_t locks = 0;
    uint64_t mostAsked = 0;

    BlockHandle Allocate(uint32_t size) override {
        mostAsked = size > mostAsked ? size : mostAsked;
        if (failAllocate) return nullptr;
        BlockHandle block = std::malloc(size == 0 ? 1 : size);
        live[block] = size;
        return block;
    }
    BlockHandle Enlarge(BlockHandle block, uint32_t size) override {
        mostAsked = size > mostAsked ? size : mostAsked;
        if (failEnlarge) return nullptr;
        live.erase(block);
        BlockHandle enlarged = std::realloc(block, size == 0 ? 1 : size);
        live[enlarged] = size;
        return enlarged;
    }
    uint8_t* Lock(BlockHandle block) override {
        return ++locks == failLock ? nullptr : static_cast<uint8_t*>(block);
    }
    void Unlock(BlockHandle) override {}
    void Release(BlockHandle block) override {
        if (live.erase(block) != 1) std::abort(); // not a block of ours
        std::free(block);
    }
};

#endif
