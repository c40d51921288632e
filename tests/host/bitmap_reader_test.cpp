#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../logo/bitmap_reader.h"
#include "../../logo/logo_image.h"
#include "fake_bitmap_file.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes Le(uint32_t value, int bytes) {
    Bytes out;
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> 8 * i));
    return out;
}

Bytes Info(int32_t width, int32_t height, uint16_t bits, uint32_t sizeImage = 0, uint32_t clrUsed = 0,
           uint32_t compression = 0, uint32_t clrImportant = 9, uint32_t pels = 7, uint32_t size = 40) {
    return Le(size, 4) + Le(static_cast<uint32_t>(width), 4) + Le(static_cast<uint32_t>(height), 4) + Le(1, 2) +
           Le(bits, 2) + Le(compression, 4) + Le(sizeImage, 4) + Le(pels, 4) + Le(pels, 4) + Le(clrUsed, 4) +
           Le(clrImportant, 4);
}
Bytes Core(uint16_t width, uint16_t height, uint16_t bits) {
    return Le(12, 4) + Le(width, 2) + Le(height, 2) + Le(1, 2) + Le(bits, 2);
}
Bytes FileHeader(uint32_t pixelOffset) {
    return Bytes{'B', 'M'} + Le(0, 4) + Le(0, 4) + Le(pixelOffset, 4);
}
// Entry i is blue i, green i + 1, red i + 2 and, in 4-byte entries, the fourth byte.
Bytes Table(uint32_t count, uint32_t entryBytes, uint8_t fourth = 0xA0) {
    Bytes out;
    for (uint32_t i = 0; i < count; ++i) {
        out = out + Bytes{uint8_t(i), uint8_t(i + 1), uint8_t(i + 2)};
        if (entryBytes == 4) out.push_back(fourth);
    }
    return out;
}
Bytes Pixels(uint32_t count) {
    Bytes out(count);
    for (uint32_t i = 0; i < count; ++i) out[i] = static_cast<uint8_t>(i * 7 + 3);
    return out;
}

struct Read {
    Bytes block; // empty when the reader refused the file
    std::vector<uint32_t> reads;
    CountingBlocks memory;
};

using Arrange = void (*)(MemorySource&, CountingBlocks&);

void ReadFrom(const Bytes& file, Read& result, uint32_t start = 0, Arrange arrange = nullptr) {
    MemorySource source(file, start);
    if (arrange != nullptr) arrange(source, result.memory);
    BlockHandle block = ReadBitmapFile(source, result.memory);
    if (block != nullptr) {
        const uint32_t size = result.memory.live.at(block);
        const uint8_t* bytes = result.memory.Lock(block);
        result.block.assign(bytes, bytes + size);
        EXPECT_EQ(size, BitmapBlockSize(bytes));
        result.memory.Release(block);
    }
    result.reads = source.reads;
    // No file makes the reader ask for more than it holds, besides the header block.
    EXPECT_LE(result.memory.mostAsked, file.size() + 40 + 4 * 16383);
}

TEST(ReadBitmapFile, GivesHeaderTableAndPixelsBackToBack) {
    const Bytes smallBlock = Info(2, 2, 8, 8, 256) + Table(256, 4) + Pixels(8);
    const struct {
        const char* name; Bytes file; uint32_t start; Bytes block;
        std::vector<uint32_t> lastReads; // of the pixel array
    } cases[] = {
        {"inside a larger file", Bytes(9) + FileHeader(14 + 1064 + 3) + Info(2, 2, 8) + Table(256, 4) + Bytes(3) +
         Pixels(8) + Bytes(4), 9, smallBlock, {8}},
        {"20 colours used", Info(2, 2, 8, 0, 20) + Table(20, 4) + Pixels(8),
         0, Info(2, 2, 8, 8, 20) + Table(20, 4) + Pixels(8), {8}},
        {"core header", Core(100, 50, 4) + Table(16, 3) + Pixels(2600),
         0, Info(100, 50, 4, 2600, 16, 0, 16, 0) + Table(16, 4, 0) + Pixels(2600), {2600}},
        {"logo size", FileHeader(1078) + Info(150, 276, 8) + Table(256, 4) + Pixels(41952),
         0, Info(150, 276, 8, 41952, 256) + Table(256, 4) + Pixels(41952), {32768, 9184}},
        {"one whole chunk", Info(128, 256, 8) + Table(256, 4) + Pixels(32768),
         0, Info(128, 256, 8, 32768, 256) + Table(256, 4) + Pixels(32768), {1024, 32768}},
        {"no pixels", Info(0, 0, 24), 0, Info(0, 0, 24, 0, 0), {0}},
    };
    for (const auto& c : cases) {
        Read read;
        ReadFrom(c.file, read, c.start);
        EXPECT_TRUE(read.block == c.block) << c.name;
        ASSERT_GE(read.reads.size(), c.lastReads.size());
        EXPECT_EQ(std::vector<uint32_t>(read.reads.end() - c.lastReads.size(), read.reads.end()), c.lastReads)
            << c.name;
        EXPECT_TRUE(read.memory.live.empty());
    }
}

TEST(ReadBitmapFile, RefusesWhatItCannotReadWithNothingLeftAllocated) {
    const Bytes valid = Info(2, 2, 8) + Table(256, 4) + Pixels(8);
    const Arrange failSeek = [](MemorySource& s, CountingBlocks&) { s.failSeek = true; };
    // Files whose declared sizes the file does not hold are refused before anything is allocated.
    const struct { const char* name; Bytes file; Arrange arrange; bool allocates = false; } cases[] = {
        {"13 bytes", Bytes(13, 'B'), nullptr},
        {"whole core bitmap in under 40 bytes", Core(2, 2, 1) + Table(2, 3) + Pixels(8), nullptr},
        {"64-byte header", Info(2, 2, 24, 0, 0, 0, 0, 0, 64) + Bytes(100), nullptr},
        {"table cut short", FileHeader(14) + Info(2, 2, 8) + Table(100, 4), nullptr}, // pixels in the header
        {"table that cannot be read", FileHeader(14) + Info(0, 0, 8) + Table(100, 4),
         [](MemorySource& s, CountingBlocks&) { s.pretendSize = 14 + 1064; }, true},
        {"pixels cut short", Info(2, 2, 24) + Pixels(15), nullptr},
        {"pixels that cannot be read", Info(2, 2, 24) + Pixels(15),
         [](MemorySource& s, CountingBlocks&) { s.pretendSize = 56; }, true},
        {"seek back to the start fails", valid, failSeek},
        {"seek behind the core header fails", FileHeader(0) + Core(2, 2, 1) + Table(2, 3) + Pixels(8) + Bytes(20),
         failSeek},
        {"seek to the pixels fails", FileHeader(14 + 1064 + 3) + Info(2, 2, 8) + Table(256, 4) + Bytes(3) + Pixels(8),
         failSeek, true},
        {"top-down without image size", Info(0, -2, 24) + Pixels(16), nullptr},
        {"negative width without image size", Info(-1, 0, 1) + Pixels(16), nullptr},
        {"rows beyond 32 bits", Info(0x40000000, 0x40000000, 128) + Pixels(16), nullptr}, // 2^64 bytes in all
        {"image beyond 32 bits", Info(0x10000, 0x10000, 32) + Pixels(16), nullptr},
        {"block beyond 32 bits", FileHeader(14) + Info(2, 2, 8, 0xFFFFFF00u) + Table(256, 4),
         [](MemorySource& s, CountingBlocks&) { s.pretendSize = UINT32_MAX; }},
        {"image larger than the file", Info(2, 2, 24, 0x40000000) + Pixels(16), nullptr},
        {"16384 colours", Info(2, 2, 8, 0, 16384) + Table(256, 4) + Bytes(70000), nullptr},
        {"65536 colours", Info(2, 2, 8, 0, 0x10000) + Table(256, 4) + Pixels(8), nullptr},
        {"no memory", valid, [](MemorySource&, CountingBlocks& m) { m.failAllocate = true; }, true},
        {"no memory for the pixels", valid, [](MemorySource&, CountingBlocks& m) { m.failEnlarge = true; }, true},
        {"header block not locked", valid, [](MemorySource&, CountingBlocks& m) { m.failLock = 1; }, true},
        {"header not locked again", valid, [](MemorySource&, CountingBlocks& m) { m.failLock = 2; }, true},
        {"pixel block not locked", valid, [](MemorySource&, CountingBlocks& m) { m.failLock = 3; }, true},
    };
    for (const auto& c : cases) {
        Read read;
        ReadFrom(c.file, read, 0, c.arrange);
        EXPECT_TRUE(read.block.empty()) << c.name;
        EXPECT_TRUE(read.memory.live.empty()) << c.name;
        EXPECT_EQ(read.memory.mostAsked != 0, c.allocates) << c.name;
    }
}

// Run-length streams of a 5 x 3 image through the reader, then checked as the platform would decode them;
// the fuzzer finds streams that would make it read or draw outside.
TEST(BlockHoldsPixels, TakesARunLengthStreamThatEndsInsideTheImage) {
    const Bytes rle8 = {2, 7, 0, 3, 1, 2, 3, 0, 0, 0, 0, 2, 1, 1, 4, 9, 0, 1}; // every code once
    const Bytes rle4 = {0, 5, 0x12, 0x34, 0x50, 0, 0, 0, 0, 2, 1, 1, 4, 0x99, 0, 1};
    const struct {
        const char* name; uint16_t bits; uint32_t compression; int32_t width, height; Bytes stream; bool draws;
    } cases[] = {
        {"8 bits", 8, 1, 5, 3, rle8, true},
        {"4 bits", 4, 2, 5, 3, rle4, true},
        {"cut short", 8, 1, 5, 3, Bytes(rle8.begin(), rle8.end() - 1), false},
        {"8-bit runs at 4 bits", 4, 1, 5, 3, {5, 7, 0, 1}, false},
        {"top-down", 8, 1, 5, -3, rle8, false},
        {"negative width", 8, 1, -5, 3, rle8, false},
    };
    for (const auto& c : cases) {
        Read read;
        const auto size = static_cast<uint32_t>(c.stream.size());
        ReadFrom(Info(c.width, c.height, c.bits, size, 0, c.compression) + Table(1u << c.bits, 4) + c.stream, read);
        ASSERT_FALSE(read.block.empty()) << c.name;
        EXPECT_EQ(BlockHoldsPixels(read.block.data()), c.draws) << c.name;
    }
}

TEST(CreateBitmapPalette, TakesTheColourTableOrTheFixedPalette) {
    const auto entry = [](uint8_t r, uint8_t g, uint8_t b) { return std::vector<uint8_t>{r, g, b, 0}; };
    const struct {
        const char* name; Bytes block; uint16_t size; std::vector<std::pair<int, std::vector<uint8_t>>> entries;
    } cases[] = {
        {"24 bits", Info(1, 1, 24, 4, 0), 256,
         {{9, entry(32, 32, 0)}, {63, entry(224, 224, 0)}, {64, entry(0, 0, 64)}, {255, entry(224, 224, 192)}}},
        {"24 bits with a table", Info(1, 1, 24, 4, 2) + Table(2, 4), 2, {{0, entry(2, 1, 0)}, {1, entry(3, 2, 1)}}},
        {"8 bits", Info(1, 1, 8, 4, 256) + Table(256, 4), 256, {{0, entry(2, 1, 0)}, {200, entry(202, 201, 200)}}},
        {"16 bits", Info(1, 1, 16, 4, 0), 0, {}},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(PaletteSize(c.block.data()), c.size) << c.name;
        std::vector<PaletteColour> palette(c.size);
        if (c.size != 0) FillPalette(c.block.data(), palette.data());
        for (const auto& [i, colour] : c.entries) {
            const PaletteColour& p = palette[i];
            EXPECT_EQ((std::vector<uint8_t>{p.red, p.green, p.blue, p.flags}), colour) << c.name << ' ' << i;
        }
    }
}

} // namespace
