// Any file through the logo's bitmap reader: whatever it accepts must be a
// block of exactly its layout's size, and what the pixel check passes must lie
// inside it, or the sanitizers stop the run.
#include <cstdlib>
#include <vector>

#include "../../logo/bitmap_reader.h"
#include "../../logo/logo_image.h"
#include "../host/fake_bitmap_file.h"

namespace {

// Reads every byte the platform would read for the device bitmap.
uint32_t TouchPixels(const uint8_t* block) {
    const BitmapInfoHeader h = DecodeInfoHeader(block);
    const uint64_t stride = (uint64_t{h.biBitCount} * static_cast<uint32_t>(h.biWidth) + 31) / 32 * 4;
    const uint64_t rows = h.biHeight < 0 ? static_cast<uint64_t>(-int64_t{h.biHeight}) : uint64_t(h.biHeight);
    const uint8_t* pixels = block + h.biSize + BitmapColorTableSize(block);
    uint32_t sum = 0;
    for (uint64_t i = 0; i < stride * rows; ++i) sum += pixels[i];
    if (h.biCompression == 3) sum += block[h.biSize + 11]; // the last byte of the bit-field masks
    return sum;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MemorySource file(std::vector<uint8_t>(data, data + size));
    CountingBlocks memory;
    BlockHandle block = ReadBitmapFile(file, memory);
    if (block != nullptr) {
        const uint8_t* bytes = memory.Lock(block);
        if (memory.live.at(block) != BitmapBlockSize(bytes)) std::abort();
        std::vector<PaletteColour> palette(PaletteSize(bytes));
        if (!palette.empty()) FillPalette(bytes, palette.data());
        if (BlockHoldsPixels(bytes)) TouchPixels(bytes);
        memory.Release(block);
    }
    if (!memory.live.empty()) std::abort();
    return 0;
}
