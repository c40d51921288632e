// The bitmap reader's seams on Win32: an open file handle and the global heap.
#ifndef TARVEX_LOGO_BITMAP_FILE_WIN32_H
#define TARVEX_LOGO_BITMAP_FILE_WIN32_H

#include <windows.h>

#include "bitmap_reader.h"

class FileSource final : public ByteSource {
public:
    explicit FileSource(HFILE file) : file_(file) {}

    uint32_t Read(void* destination, uint32_t count) override;
    bool Seek(uint32_t position) override;
    bool Position(uint32_t& position) override;
    bool Remaining(uint32_t& remaining) override;

private:
    HFILE file_;
};

// Movable blocks of the global heap.
class GlobalBlocks final : public BlockMemory {
public:
    BlockHandle Allocate(uint32_t size) override { return GlobalAlloc(GMEM_MOVEABLE, size); }
    BlockHandle Enlarge(BlockHandle block, uint32_t size) override {
        return GlobalReAlloc(block, size, GMEM_MOVEABLE);
    }
    uint8_t* Lock(BlockHandle block) override { return static_cast<uint8_t*>(GlobalLock(block)); }
    void Unlock(BlockHandle block) override { GlobalUnlock(block); }
    void Release(BlockHandle block) override { GlobalFree(block); }
};

#endif
