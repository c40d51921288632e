// The capture options and what detection found out about the capture board.
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

// Bus throughput of the board in kB/s: card to memory pairs with a drive's
// write rate, memory to card with its read rate.
struct ThroughputLimits {
    uint32_t cardToMemory;
    uint32_t memoryToCard;
};

constexpr ThroughputLimits kPciDefaultLimits{10000, 15000};
constexpr ThroughputLimits kIsaLimits{2000, 2000};

// What detection found; boardKind never changes afterwards.
struct CaptureBoard {
    uint16_t boardKind; // see BoardKind
    ThroughputLimits limits;
};

enum BoardKind : uint16_t {
    kNoBoardDriver = 0,
    kIsaDriverOnly = 1,
    kPciInterface = 2,
    kPciInterfaceWithIsaCodec = 3,
};

#endif
