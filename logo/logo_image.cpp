#include "logo_image.h"

#include "bitmap_reader.h"

namespace {

constexpr uint32_t kUncompressed = 0;
constexpr uint32_t kBitFields = 3;
constexpr uint32_t kMaskBytes = 12; // red, green and blue masks behind the header

// Red runs fastest, then green, then blue, each in even steps.
PaletteColour FixedColour(uint32_t i) {
    return PaletteColour{static_cast<uint8_t>(i % 8 * 32), static_cast<uint8_t>(i / 8 % 8 * 32),
                         static_cast<uint8_t>(i / 64 * 64), 0};
}

} // namespace

uint16_t PaletteSize(const uint8_t* block) {
    const uint16_t colours = BitmapColorCount(block);
    if (colours != 0) return colours;
    return DecodeInfoHeader(block).biBitCount == 24 ? kFixedPaletteSize : 0;
}

void FillPalette(const uint8_t* block, PaletteColour* entries) {
    const uint16_t colours = BitmapColorCount(block);
    if (colours == 0) {
        for (uint32_t i = 0; i < kFixedPaletteSize; ++i) entries[i] = FixedColour(i);
        return;
    }
    const uint32_t size = DecodeInfoHeader(block).biSize;
    const uint32_t step = size == kCoreHeaderSize ? 3 : 4;
    const uint8_t* table = block + size;
    for (uint32_t i = 0; i < colours; ++i) {
        const uint8_t* entry = table + step * i; // blue, green, red
        entries[i] = PaletteColour{entry[2], entry[1], entry[0], 0};
    }
}

bool BlockHoldsPixels(const uint8_t* block) {
    const uint32_t blockSize = BitmapBlockSize(block);
    const BitmapInfoHeader h = DecodeInfoHeader(block);
    if (h.biCompression != kUncompressed && h.biCompression != kBitFields) return false;
    if (h.biCompression == kBitFields && blockSize < kInfoHeaderSize + kMaskBytes) return false;
    if (h.biWidth < 0) return false;
    const uint64_t stride = (uint64_t{h.biBitCount} * static_cast<uint32_t>(h.biWidth) + 31) / 32 * 4;
    const uint64_t rows = h.biHeight < 0 ? static_cast<uint64_t>(-int64_t{h.biHeight}) : uint64_t(h.biHeight);
    const uint64_t pixelsAt = uint64_t{h.biSize} + BitmapColorTableSize(block);
    if (pixelsAt > blockSize) return false;
    return stride == 0 || rows <= (blockSize - pixelsAt) / stride;
}
