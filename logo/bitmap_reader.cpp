#include "bitmap_reader.h"

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint16_t kFileType = 0x4D42; // "BM"
// Colour tables of this many entries or more cannot be sized in 16 bits.
constexpr uint32_t kMostColours = 16384;

uint16_t Load16(const uint8_t* bytes) {
    return static_cast<uint16_t>(bytes[0] | bytes[1] << 8);
}

uint32_t Load32(const uint8_t* bytes) {
    return Load16(bytes) | static_cast<uint32_t>(Load16(bytes + 2)) << 16;
}

void Store16(uint8_t* bytes, uint16_t value) {
    bytes[0] = static_cast<uint8_t>(value);
    bytes[1] = static_cast<uint8_t>(value >> 8);
}

void Store32(uint8_t* bytes, uint32_t value) {
    Store16(bytes, static_cast<uint16_t>(value));
    Store16(bytes + 2, static_cast<uint16_t>(value >> 16));
}

void EncodeInfoHeader(const BitmapInfoHeader& h, uint8_t* bytes) {
    Store32(bytes, h.biSize);
    Store32(bytes + 4, static_cast<uint32_t>(h.biWidth));
    Store32(bytes + 8, static_cast<uint32_t>(h.biHeight));
    Store16(bytes + 12, h.biPlanes);
    Store16(bytes + 14, h.biBitCount);
    Store32(bytes + 16, h.biCompression);
    Store32(bytes + 20, h.biSizeImage);
    Store32(bytes + 24, static_cast<uint32_t>(h.biXPelsPerMeter));
    Store32(bytes + 28, static_cast<uint32_t>(h.biYPelsPerMeter));
    Store32(bytes + 32, h.biClrUsed);
    Store32(bytes + 36, h.biClrImportant);
}

uint16_t ColoursForDepth(uint16_t bitCount) {
    switch (bitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}

// The 12-byte core header in the 40-byte form.
BitmapInfoHeader FromCoreHeader(const uint8_t* core, uint16_t colours) {
    BitmapInfoHeader h{};
    h.biSize = kInfoHeaderSize;
    h.biWidth = Load16(core + 4);
    h.biHeight = Load16(core + 6);
    h.biPlanes = Load16(core + 8);
    h.biBitCount = Load16(core + 10);
    h.biClrUsed = colours;
    h.biClrImportant = colours;
    return h;
}

// Rows made up to whole 32-bit words, over the whole height; false when the
// image has no such size or its size does not fit 32 bits.
bool ComputeImageSize(const BitmapInfoHeader& h, uint32_t& size) {
    if (h.biWidth < 0 || h.biHeight < 0) return false;
    const uint64_t bytesPerRow = BytesPerRow(h);
    if (bytesPerRow > UINT32_MAX) return false;
    const uint64_t image = bytesPerRow * static_cast<uint32_t>(h.biHeight);
    if (image > UINT32_MAX) return false;
    size = static_cast<uint32_t>(image);
    return true;
}

// Widens 3-byte entries to 4 bytes in place, from the last to the first.
void WidenColourTable(uint8_t* table, uint16_t count) {
    for (uint32_t i = count; i-- > 0;) {
        uint8_t* to = table + 4 * i;
        const uint8_t* from = table + 3 * i;
        to[2] = from[2];
        to[1] = from[1];
        to[0] = from[0];
        to[3] = 0;
    }
}

struct HeaderRead {
    BitmapInfoHeader header; // as the block will hold it
    uint16_t colours;
    bool core;               // 3-byte colour table entries
    uint32_t pixelOffset;    // from the file header; 0 for none
    uint64_t pixelStart;     // where the pixel array starts
};

// Reads and normalises the header; false for a file this reader does not take.
// The file stands right behind the header afterwards.
bool ReadNormalisedHeader(ByteSource& file, HeaderRead& read) {
    uint32_t start = 0;
    uint8_t bytes[kInfoHeaderSize];
    if (!file.Position(start) || file.Read(bytes, kFileHeaderSize) != kFileHeaderSize) return false;
    read.pixelOffset = 0;
    uint32_t headerStart = start + kFileHeaderSize;
    if (Load16(bytes) == kFileType) {
        read.pixelOffset = Load32(bytes + 10);
    } else {
        headerStart = start;
        if (!file.Seek(start)) return false;
    }
    if (file.Read(bytes, kInfoHeaderSize) != kInfoHeaderSize) return false;

    read.colours = BitmapColorCount(bytes);
    const uint32_t headerSize = Load32(bytes);
    read.core = headerSize == kCoreHeaderSize;
    if (read.core) {
        read.header = FromCoreHeader(bytes, read.colours);
        if (!file.Seek(headerStart + kCoreHeaderSize)) return false; // give back what was read along
    } else if (headerSize == kInfoHeaderSize) {
        read.header = DecodeInfoHeader(bytes);
        if (read.header.biClrUsed >= kMostColours) return false;
    } else {
        return false;
    }
    BitmapInfoHeader& h = read.header;
    if (h.biSizeImage == 0 && !ComputeImageSize(h, h.biSizeImage)) return false;
    if (h.biClrUsed == 0) h.biClrUsed = ColoursForDepth(h.biBitCount);

    const uint64_t tableEnd = uint64_t{headerStart} + headerSize + BitmapColorTableSize(bytes);
    read.pixelStart = read.pixelOffset != 0 ? uint64_t{start} + read.pixelOffset : tableEnd;
    // What the header declares must be in the file, before anything is allocated for it.
    uint32_t here = 0;
    uint32_t remaining = 0;
    if (!file.Position(here) || !file.Remaining(remaining)) return false;
    const uint64_t end = uint64_t{here} + remaining;
    const uint64_t blockSize = uint64_t{kInfoHeaderSize} + 4u * read.colours + h.biSizeImage;
    return tableEnd <= end && read.pixelStart + h.biSizeImage <= end && blockSize <= UINT32_MAX;
}

} // namespace

BitmapInfoHeader DecodeInfoHeader(const uint8_t* b) {
    return BitmapInfoHeader{Load32(b),       static_cast<int32_t>(Load32(b + 4)),  static_cast<int32_t>(Load32(b + 8)),
                            Load16(b + 12),  Load16(b + 14),                       Load32(b + 16),
                            Load32(b + 20),  static_cast<int32_t>(Load32(b + 24)), static_cast<int32_t>(Load32(b + 28)),
                            Load32(b + 32),  Load32(b + 36)};
}

uint64_t BytesPerRow(const BitmapInfoHeader& h) {
    return (uint64_t{h.biBitCount} * static_cast<uint32_t>(h.biWidth) + 31) / 32 * 4;
}

uint16_t BitmapColorCount(const uint8_t* header) {
    if (Load32(header) == kCoreHeaderSize) return ColoursForDepth(Load16(header + 10));
    const uint16_t used = Load16(header + 32); // only the low word counts
    return used != 0 ? used : ColoursForDepth(Load16(header + 14));
}

uint16_t BitmapColorTableSize(const uint8_t* header) {
    const uint32_t entryBytes = Load32(header) == kCoreHeaderSize ? 3 : 4;
    return static_cast<uint16_t>(BitmapColorCount(header) * entryBytes);
}

uint32_t BitmapBlockSize(const uint8_t* header) {
    return kInfoHeaderSize + BitmapColorTableSize(header) + Load32(header + 20);
}

BlockHandle ReadBitmapHeader(ByteSource& file, BlockMemory& memory) {
    HeaderRead read{};
    if (!ReadNormalisedHeader(file, read)) return nullptr;

    BlockHandle block = memory.Allocate(kInfoHeaderSize + 4u * read.colours);
    if (block == nullptr) return nullptr;
    uint8_t* bytes = memory.Lock(block);
    bool ok = bytes != nullptr;
    if (ok) {
        EncodeInfoHeader(read.header, bytes);
        const uint32_t tableBytes = (read.core ? 3u : 4u) * read.colours;
        ok = file.Read(bytes + kInfoHeaderSize, tableBytes) == tableBytes;
        if (read.core) WidenColourTable(bytes + kInfoHeaderSize, read.colours);
        memory.Unlock(block);
    }

    if (ok && read.pixelOffset != 0) ok = file.Seek(static_cast<uint32_t>(read.pixelStart));
    if (!ok) {
        memory.Release(block);
        return nullptr;
    }
    return block;
}

int GetBitmapHeader(BlockMemory& memory, BlockHandle block, uint8_t (&header)[kInfoHeaderSize]) {
    const uint8_t* bytes = block != nullptr ? memory.Lock(block) : nullptr;
    if (bytes == nullptr) return 0;
    for (uint32_t i = 0; i < kInfoHeaderSize; ++i) header[i] = bytes[i];
    memory.Unlock(block);
    return 1;
}

BlockHandle ReadBitmapFile(ByteSource& file, BlockMemory& memory) {
    BlockHandle block = ReadBitmapHeader(file, memory);
    if (block == nullptr) return nullptr;
    uint8_t header[kInfoHeaderSize];
    if (GetBitmapHeader(memory, block, header) == 0) {
        memory.Release(block);
        return nullptr;
    }
    const uint32_t pixelsAt = kInfoHeaderSize + BitmapColorTableSize(header);
    const uint32_t blockSize = BitmapBlockSize(header);
    const uint32_t imageSize = blockSize - pixelsAt;
    BlockHandle enlarged = memory.Enlarge(block, blockSize);
    if (enlarged == nullptr) {
        memory.Release(block);
        return nullptr;
    }
    // A pixel array cut short would leave bytes in the block that no file gave.
    uint8_t* bytes = memory.Lock(enlarged);
    const bool complete = bytes != nullptr && ReadChunked(file, bytes + pixelsAt, imageSize) == imageSize;
    if (bytes != nullptr) memory.Unlock(enlarged);
    if (!complete) {
        memory.Release(enlarged);
        return nullptr;
    }
    return enlarged;
}

uint32_t ReadChunked(ByteSource& file, uint8_t* destination, uint32_t count) {
    uint32_t left = count;
    while (left > kChunkSize) {
        if (file.Read(destination, kChunkSize) != kChunkSize) return 0;
        destination += kChunkSize;
        left -= kChunkSize;
    }
    return file.Read(destination, left) == left ? count : 0;
}
