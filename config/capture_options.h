// The options that the disk test, the estimate and Store work with.
#ifndef TARVEX_CONFIG_CAPTURE_OPTIONS_H
#define TARVEX_CONFIG_CAPTURE_OPTIONS_H

#include <cstdint>

constexpr uint16_t kIsaBoard = 1;
constexpr uint16_t kPciBoard = 2;

struct AudioSettings {
    uint16_t sampleRate;  // 0 = 11,025 Hz, 1 = 22,050 Hz, 2 = 44,100 Hz
    uint16_t channels;    // 0 mono, 1 stereo
    uint16_t sampleWidth; // 0 = 8 bit, 1 = 16 bit
    uint16_t dmaWidth;    // 0 = 8-bit DMA, 1 = 16-bit DMA
};

struct CaptureOptions {
    uint16_t videoNorm; // default for the norm buttons: 0 PAL/SECAM, 1 NTSC
    uint16_t boardType; // kIsaBoard or kPciBoard
    AudioSettings audio;
};

#endif
