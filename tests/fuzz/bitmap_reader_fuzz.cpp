// Any file through the logo's bitmap reader: whatever it accepts must be a
// block of exactly its layout's size, and what the pixel check passes must lie
// inside it, or the sanitizers stop the run.
#include <cstdlib>
#include <vector>

#include "../../logo/bitmap_reader.h"
#include "../../logo/logo_image.h"
#include "../host/fake_bitmap_file.h"

namespace {

volatile uint32_t touched; // so that the reads are not optimised away

// Decodes a run-length stream as the platform does, to its end code, reading
// each byte it takes; no run may draw, nor a delta move, outside the image.
uint32_t TouchRunLengthStream(const uint8_t* p, const BitmapInfoHeader& h) {
    const auto width = static_cast<uint32_t>(h.biWidth), height = static_cast<uint32_t>(h.biHeight);
    uint32_t sum = 0, x = 0, y = 0;
    for (;;) {
        const uint32_t first = *p++, second = *p++;
        sum += first + second;
        if (first == 0 && second == 1) return sum;
        if (first == 0 && second == 0) {
            x = 0;
            ++y;
        } else if (first == 0 && second == 2) {
            x += *p++;
            y += *p++;
            if (x > width || y >= height) std::abort();
        } else {
            const uint32_t pixels = first != 0 ? first : second;
            if (y >= height || x + pixels > width) std::abort();
            x += pixels;
            const uint32_t literal = first != 0 ? 0 : h.biCompression == 1 ? second : (second + 1) / 2;
            for (uint32_t i = 0; i < (literal + 1) / 2 * 2; ++i) sum += *p++;
        }
    }
}

// Reads every byte the platform may read for the device bitmap: the masks
// where the colour table starts, the table's entries used (at most 256, or
// all of the depth's when none are given), and the rows of pixels or the
// run-length stream.
uint32_t TouchWhatThePlatformReads(const uint8_t* block) {
    const BitmapInfoHeader h = DecodeInfoHeader(block);
    const uint32_t used = h.biClrUsed < 256 ? h.biClrUsed : 256;
    const uint32_t entries = used != 0 || h.biBitCount > 8 ? used : 1u << h.biBitCount;
    const uint32_t infoBytes = 4 * entries + (h.biCompression == 3 ? 12 : 0);
    // Row length worked out here, not by the reader, so that a wrong one there shows.
    const uint64_t stride = (uint64_t{h.biBitCount} * static_cast<uint32_t>(h.biWidth) + 31) / 32 * 4;
    const uint64_t rows = h.biHeight < 0 ? static_cast<uint64_t>(-int64_t{h.biHeight}) : uint64_t(h.biHeight);
    const uint8_t* pixels = block + h.biSize + BitmapColorTableSize(block);
    uint32_t sum = 0;
    for (uint32_t i = 0; i < infoBytes; ++i) sum += block[h.biSize + i];
    if (h.biCompression == 1 || h.biCompression == 2) return sum + TouchRunLengthStream(pixels, h);
    for (uint64_t i = 0; i < stride * rows; ++i) sum += pixels[i];
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
        if (BlockHoldsPixels(bytes)) touched = TouchWhatThePlatformReads(bytes);
        memory.Release(block);
    }
    if (!memory.live.empty()) std::abort();
    return 0;
}
