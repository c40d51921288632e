// Detection and Store with the process-wide capture options and drive table.
#ifndef TARVEX_CONFIG_CAPTURE_CONFIG_WIN32_H
#define TARVEX_CONFIG_CAPTURE_CONFIG_WIN32_H

#include <cstdint>

#include "capture_options.h"

uint16_t VideoNormFromCountry();
int DetectCaptureBoard(CaptureOptions& options, CaptureBoard& board);

// Stores a drive's results; false when a write failed.
bool StoreDriveResults(uint32_t reachableRate, uint16_t formatClass, const char* captureDrive, uint16_t boardType);

#endif
