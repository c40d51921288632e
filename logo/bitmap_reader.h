// Reads a bitmap file into one block that the platform's device-independent
// bitmap calls take as it is: the 40-byte info header, the colour table in
// 4-byte entries, and the pixel array, back to back. Files with or without the
// 14-byte file header, with the 40-byte or the 12-byte core header, are read;
// everything else, and every file whose declared sizes it does not hold, is not.
#ifndef TARVEX_LOGO_BITMAP_READER_H
#define TARVEX_LOGO_BITMAP_READER_H

#include <cstdint>

// A file's bytes; positions are absolute.
class ByteSource {
public:
    // Returns how many bytes were read.
    virtual uint32_t Read(void* destination, uint32_t count) = 0;
    virtual bool Seek(uint32_t position) = 0;
    virtual bool Position(uint32_t& position) = 0;
    // The bytes from the current position to the end.
    virtual bool Remaining(uint32_t& remaining) = 0;

protected:
    ~ByteSource() = default;
};

// A block that may move when it grows, so it is reached by handle.
using BlockHandle = void*;

class BlockMemory {
public:
    // Null when the memory cannot be had.
    virtual BlockHandle Allocate(uint32_t size) = 0;
    // The enlarged block, which replaces the old one; null when it cannot be
    // had, and the old one stays.
    virtual BlockHandle Enlarge(BlockHandle block, uint32_t size) = 0;
    // Null when the block cannot be locked.
    virtual uint8_t* Lock(BlockHandle block) = 0;
    virtual void Unlock(BlockHandle block) = 0;
    virtual void Release(BlockHandle block) = 0;

protected:
    ~BlockMemory() = default;
};

// The 40-byte info header's fields, in their order in the file.
struct BitmapInfoHeader {
    uint32_t biSize;
    int32_t biWidth;
    int32_t biHeight;
    uint16_t biPlanes;
    uint16_t biBitCount;
    uint32_t biCompression;
    uint32_t biSizeImage;
    int32_t biXPelsPerMeter;
    int32_t biYPelsPerMeter;
    uint32_t biClrUsed;
    uint32_t biClrImportant;
};

constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kChunkSize = 32768; // the most one read of the pixel array asks for

BitmapInfoHeader DecodeInfoHeader(const uint8_t* bytes);
// A row's bits made up to whole 32-bit words; the width is taken as unsigned.
uint64_t BytesPerRow(const BitmapInfoHeader& header);

// The colour table's entries and bytes for a header of either form, as stored.
uint16_t BitmapColorCount(const uint8_t* header);
uint16_t BitmapColorTableSize(const uint8_t* header);
// The bytes of a block with this 40-byte header: header, colour table, pixels.
uint32_t BitmapBlockSize(const uint8_t* header);

// The block of header, colour table and pixels; null on failure, with nothing
// left allocated. The block is handed over unlocked.
BlockHandle ReadBitmapFile(ByteSource& file, BlockMemory& memory);
// The block of header and colour table alone, with the file at the first byte
// of the pixel array; null on failure.
BlockHandle ReadBitmapHeader(ByteSource& file, BlockMemory& memory);
// Copies the block's 40 header bytes; 0 when there is no block or it cannot be
// locked.
int GetBitmapHeader(BlockMemory& memory, BlockHandle block, uint8_t (&header)[kInfoHeaderSize]);
// Reads count bytes in reads of at most kChunkSize; count when all came, 0 as
// soon as one read comes short.
uint32_t ReadChunked(ByteSource& file, uint8_t* destination, uint32_t count);

#endif
