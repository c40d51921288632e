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

// The block the reader makes of the file, checked against its layout's size; empty when it refuses the file.
Bytes ReadFrom(const Bytes& file, CountingBlocks& memory) {
    MemorySource source(file);
    BlockHandle block = ReadBitmapFile(source, memory);
    if (block == nullptr) return {};
    const uint8_t* bytes = memory.Lock(block);
    const Bytes read(bytes, bytes + memory.live.at(block));
    EXPECT_EQ(read.size(), BitmapBlockSize(bytes));
    memory.Release(block);
    return read;
}

TEST(ReadBitmapFile, GivesHeaderTableAndPixelsBackToBack) {
    const struct { const char* name; Bytes file, block; } cases[] = {
        {"20 colours used, pixels after a gap", FileHeader(14 + 40 + 80 + 3) + Info(2, 2, 8, 0, 20) + Table(20, 4) +
         Bytes(3) + Pixels(8) + Bytes(4), Info(2, 2, 8, 8, 20) + Table(20, 4) + Pixels(8)},
        {"core header", Core(100, 50, 4) + Table(16, 3) + Pixels(2600),
         Info(100, 50, 4, 2600, 16, 0, 16, 0) + Table(16, 4, 0) + Pixels(2600)},
        {"logo size", FileHeader(1078) + Info(150, 276, 8) + Table(256, 4) + Pixels(41952),
         Info(150, 276, 8, 41952, 256) + Table(256, 4) + Pixels(41952)},
        {"no pixels", Info(0, 0, 24), Info(0, 0, 24, 0, 0)},
    };
    for (const auto& c : cases) {
        CountingBlocks memory;
        EXPECT_TRUE(ReadFrom(c.file, memory) == c.block) << c.name;
    }
}

TEST(ReadBitmapFile, RefusesWhatItCannotRead) {
    const Bytes valid = Info(2, 2, 8) + Table(256, 4) + Pixels(8);
    enum Memory { kEnough, kNone, kNoneForPixels };
    const struct { const char* name; Bytes file; Memory memory = kEnough; } cases[] = {
        {"13 bytes", Bytes(13, 'B')},
        {"whole core bitmap in under 40 bytes", Core(2, 2, 1) + Table(2, 3) + Pixels(8)},
        {"64-byte header", Info(2, 2, 24, 0, 0, 0, 0, 0, 64) + Bytes(100)},
        {"table cut short", FileHeader(14) + Info(2, 2, 8) + Table(100, 4)}, // pixels in the header
        {"pixels cut short", Info(2, 2, 24) + Pixels(15)},
        {"top-down without image size", Info(0, -2, 24) + Pixels(16)},
        {"negative width without image size", Info(-1, 0, 1) + Pixels(16)},
        {"rows beyond 32 bits", Info(0x40000000, 0x40000000, 128) + Pixels(16)}, // 2^64 bytes in all
        {"image beyond 32 bits", Info(0x10000, 0x10000, 32) + Pixels(16)},
        {"16384 colours", Info(2, 2, 8, 0, 16384) + Table(256, 4) + Bytes(70000)},
        {"65536 colours", Info(2, 2, 8, 0, 0x10000) + Table(256, 4) + Pixels(8)},
        {"no memory", valid, kNone},
        {"no memory for the pixels", valid, kNoneForPixels},
    };
    for (const auto& c : cases) {
        CountingBlocks memory;
        memory.failAllocate = c.memory == kNone;
        memory.failEnlarge = c.memory == kNoneForPixels;
        EXPECT_TRUE(ReadFrom(c.file, memory).empty()) << c.name;
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
        {"4-bit runs at 8 bits", 8, 2, 5, 3, {5, 7, 0, 1}, false},
        {"top-down", 8, 1, 5, -3, rle8, false},
        {"negative width", 8, 1, -5, 3, rle8, false},
    };
    for (const auto& c : cases) {
        CountingBlocks memory;
        const Bytes header = Info(c.width, c.height, c.bits, static_cast<uint32_t>(c.stream.size()), 0, c.compression);
        const Bytes block = ReadFrom(header + Table(1u << c.bits, 4) + c.stream, memory);
        ASSERT_FALSE(block.empty()) << c.name;
        EXPECT_EQ(BlockHoldsPixels(block.data()), c.draws) << c.name;
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
