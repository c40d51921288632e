#include "logo_image.h"

#include "bitmap_reader.h"

namespace {

constexpr uint32_t kUncompressed = 0;
constexpr uint32_t kRunLength8 = 1;
constexpr uint32_t kRunLength4 = 2;
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

// Follows a run-length stream as the platform decodes it: true when it comes to
// its end code within size bytes and no run or move leaves the image. A move
// may end right after the last column, as a run that fills a row does, but not
// past the last row.
bool RunLengthStreamEnds(const uint8_t* stream, uint64_t size, const BitmapInfoHeader& h) {
    if (h.biWidth < 0 || h.biHeight < 0) return false; // compressed bitmaps are bottom-up only
    const uint64_t width = static_cast<uint32_t>(h.biWidth), height = static_cast<uint32_t>(h.biHeight);
    uint64_t x = 0, y = 0;
    for (uint64_t at = 0; at + 2 <= size;) {
        const uint8_t count = stream[at], code = stream[at + 1];
        at += 2;
        uint64_t pixels = count; // of the one or two colours in code
        if (count == 0) {
            if (code == 1) return true; // end of bitmap
            if (code == 0) {            // end of line
                x = 0;
                ++y;
                continue;
            }
            if (code == 2) { // a move right and up by the next two bytes
                if (at + 2 > size) return false;
                x += stream[at];
                y += stream[at + 1];
                at += 2;
                if (x > width || y >= height) return false;
                continue;
            }
            pixels = code; // stored as they are, padded to a 16-bit word
            const uint64_t bytes = h.biBitCount == 8 ? code : (code + 1u) / 2;
            at += bytes + bytes % 2;
        }
        if (y >= height || x + pixels > width) return false;
        x += pixels;
    }
    return false;
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
    const uint32_t compression = h.biCompression;
    const bool runLength = (compression == kRunLength8 && h.biBitCount == 8) ||
                           (compression == kRunLength4 && h.biBitCount == 4);
    if (!runLength && compression != kUncompressed && compression != kBitFields) return false;
    if (!DrawableDepth(h.biBitCount)) return false;
    const uint64_t blockSize = BitmapBlockSize(block);
    const uint64_t pixelsAt = uint64_t{h.biSize} + BitmapColorTableSize(block);
    // The platform takes the masks where the colour table starts, and any table behind them.
    const uint64_t masks = compression == kBitFields ? kMaskBytes : 0;
    if (pixelsAt + masks > blockSize) return false;
    // The stream's length is biSizeImage, which is what the block holds after the table.
    if (runLength) return RunLengthStreamEnds(block + pixelsAt, blockSize - pixelsAt, h);
    const uint64_t stride = BytesPerRow(h); // a negative width makes a row no block holds
    const uint64_t rows = h.biHeight < 0 ? static_cast<uint64_t>(-int64_t{h.biHeight}) : uint64_t(h.biHeight);
    return stride == 0 || rows <= (blockSize - pixelsAt) / stride;
}
