// Capture board detection from SYSTEM.INI, the video norm from WIN.INI, and the
// storing of a drive's results for the capture software.
#ifndef TARVEX_CONFIG_CAPTURE_CONFIG_H
#define TARVEX_CONFIG_CAPTURE_CONFIG_H

#include <cstdint>

#include "capture_options.h"
#include "profile.h"

// 1 (NTSC) for the countries that use it, else 0 (PAL/SECAM).
uint16_t VideoNormFromCountry(Profile& profile);

// Sets board kind, board type, limits and the audio defaults; always returns 1.
int DetectCaptureBoard(Profile& profile, CaptureOptions& options, CaptureBoard& board);

// Every byte counts as a digit, its code less 48 modulo 256; wraps modulo 2^32.
uint32_t ParseDecimal(const char* text);

// Writes a tested drive's reachable data rate, its root path as the capture drive
// and, for the PCI board, the capture format class (0 LOW, 1 MID, 2 HIGH) into the
// board driver's section, and writes the file out; false at the first failed write.
bool StoreDriveResults(Profile& profile, uint32_t reachableRate, uint16_t formatClass, const char* captureDrive,
                       uint16_t boardType);

#endif
