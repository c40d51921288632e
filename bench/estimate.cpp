#include "estimate.h"

namespace {

constexpr uint32_t kEfficiency = 834; // per thousand
constexpr uint32_t kPalCap = 3100;
constexpr uint32_t kNtscCap = 3700;

// Ten times the kB/s of uncompressed full frames, 2 bytes a pixel.
uint32_t FullFrameConstant(const EstimateChecks& checks) {
    if (checks.ntsc) return checks.cropping ? 162450 : 180000; // 608x456 or 640x480 at 30 fps
    return checks.cropping ? 189844 : 216000;                  // 720x540 or 768x576 at 25 fps
}

// A drive rate and a bus limit take turns, less the audio track. The products
// are taken in 64 bits, which gives every result that fits 32 bits unchanged.
uint32_t Side(uint32_t driveRate, uint32_t limit, uint32_t audio) {
    if (driveRate < audio) return 0;
    const uint64_t turns = static_cast<uint64_t>(driveRate) + limit;
    if (turns == 0) return 0;
    const uint64_t combined = static_cast<uint64_t>(driveRate - audio) * limit / turns;
    return static_cast<uint32_t>(combined * (kEfficiency - audio) / 1000);
}

uint16_t FormatClass(uint32_t rate) {
    if (rate < 110) return 2; // HIGH
    if (rate < 220) return 1; // MID
    return 0;                 // LOW
}

} // namespace

uint32_t AudioTerm(const AudioSettings& audio) {
    uint32_t samples = audio.sampleRate == 1 ? 22050 : 11025;
    if (audio.sampleRate == 2) samples = 11025 * 4;
    if (audio.channels == 1) samples *= 2;
    if (audio.sampleWidth == 1) samples *= 2;
    if (audio.dmaWidth == 1) samples >>= 1;
    return samples >> 10;
}

void EstimateDataRate(DriveEntry& entry, const EstimateChecks& checks, const CaptureOptions& options,
                      CaptureBoard& board) {
    if (entry.tested == 0) return;

    if (board.boardKind == kNoBoardDriver || board.boardKind == kPciInterfaceWithIsaCodec) {
        if (options.boardType == kIsaBoard) board.limits = kIsaLimits;
        if (options.boardType == kPciBoard) board.limits = kPciDefaultLimits;
    }

    const uint32_t audio = checks.audio ? AudioTerm(options.audio) : 0;
    const uint32_t writeSide = Side(entry.writeRate, board.limits.cardToMemory, audio);
    const uint32_t readSide = Side(entry.readRate, board.limits.memoryToCard, audio);
    uint32_t rate = writeSide < readSide ? writeSide : readSide;
    const uint32_t cap = checks.ntsc ? kNtscCap : kPalCap;
    if (rate > cap) rate = cap;

    entry.reachableRate = rate;
    // No rate is reachable at all: no compression would do, and 0 says so.
    entry.compression = rate == 0 ? 0 : FullFrameConstant(checks) / rate;
    entry.formatClass = FormatClass(rate);
}
