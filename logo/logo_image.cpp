#include "logo_image.h"

#include "bitmap_reader.h"

namespace {

constexpr uint32_t kUncompressed = 0;
constexpr uint32_t kBitFields = 3;
constexpr uint32_t kMaskBytes = 12; // the red, green and blue masks

// Red runs fastest, then green, then blue, each in even steps.
PaletteColour FixedColour(uint32_t i) {
    return PaletteColour{static_cast<uint8_t>(i % 8 * 32), static_cast<uint8_t>(i / 8 % 8 * 32),
                         static_cast<uint8_t>(i / 64 * 64), 0};
}

// For any other depth the platform's reading of the block is not known.
bool DrawableDepth(uint16_t bitCount) {
    switch (bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: return true;
    default: return false;
    }
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
    const uint8_t* table = block + kInfoHeaderSize; // the reader's blocks have 4-byte entries
    for (uint32_t i = 0; i < colours; ++i) {
        const uint8_t* entry = table + 4 * i; // blue, green, red
        entries[i] = PaletteColour{entry[2], entry[1], entry[0], 0};
    }
}

bool BlockHoldsPixels(const uint8_t* block) {
    const BitmapInfoHeader h = DecodeInfoHeader(block);
    if (h.biCompression != kUncompressed && h.biCompression != kBitFields) return false;
    if (!DrawableDepth(h.biBitCount)) return false;
    const uint64_t blockSize = BitmapBlockSize(block);
    const uint64_t pixelsAt = uint64_t{h.biSize} + BitmapColorTableSize(block);
    // The platform takes the masks where the colour table starts, and any table behind them.
    const uint64_t masks = h.biCompression == kBitFields ? kMaskBytes : 0;
    if (pixelsAt + masks > blockSize) return false;
    const uint64_t stride = BytesPerRow(h); // a negative width makes a row no block holds
    const uint64_t rows = h.biHeight < 0 ? static_cast<uint64_t>(-int64_t{h.biHeight}) : uint64_t(h.biHeight);
    return stride == 0 || rows <= (blockSize - pixelsAt) / stride;
}
