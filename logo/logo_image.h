// What the logo's platform objects are made of, from a block of the bitmap
// reader: the palette's entries, and whether the block holds every byte the
// platform will read when it makes the device bitmap.
#ifndef TARVEX_LOGO_LOGO_IMAGE_H
#define TARVEX_LOGO_LOGO_IMAGE_H

#include <cstdint>

// One entry of a logical palette, in the platform's byte order.
struct PaletteColour {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
    uint8_t flags;
};

constexpr uint16_t kFixedPaletteSize = 256;

// The palette's entries: those of the colour table, or the fixed 256 for a
// 24-bit image without one; 0 for none.
uint16_t PaletteSize(const uint8_t* block);
// Fills the PaletteSize entries.
void FillPalette(const uint8_t* block, PaletteColour* entries);

// Whether the reader's block holds the pixels the platform reads for its
// header: rows of whole 32-bit words over the whole height, uncompressed or
// with bit-field masks, or a run-length stream at 8 or 4 bits that ends inside
// the block and draws inside the image; other compressions and unknown depths
// are refused.
bool BlockHoldsPixels(const uint8_t* block);

#endif
