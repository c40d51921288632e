// The estimate for a drive list entry, with the dialog's norm, audio and cropping checks.
#ifndef TARVEX_BENCH_ESTIMATE_WIN32_H
#define TARVEX_BENCH_ESTIMATE_WIN32_H

#include <windows.h>

#include "estimate.h"

void EstimateDataRate(HWND dialog, DriveEntry& entry, const CaptureOptions& options, CaptureBoard& board);

#endif
