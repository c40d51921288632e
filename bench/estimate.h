// The reachable video data rate of a tested drive, the compression it needs and
// the capture format class.
#ifndef TARVEX_BENCH_ESTIMATE_H
#define TARVEX_BENCH_ESTIMATE_H

#include <cstdint>

#include "../config/capture_options.h"
#include "drive_table.h"

// The check states of the main dialog that the estimate depends on.
struct EstimateChecks {
    bool ntsc;
    bool audio;    // uncompressed audio is recorded beside the video
    bool cropping; // TV cropping
};

// kB/s that an uncompressed audio track takes.
uint32_t AudioTerm(const AudioSettings& audio);

// Recomputes reachableRate, compression and formatClass of a tested entry. With
// no board driver, or with the ISA codec beside the PCI interface, the limits
// are first set anew from the board type, and stay so.
void EstimateDataRate(DriveEntry& entry, const EstimateChecks& checks, const CaptureOptions& options,
                      CaptureBoard& board);

#endif
