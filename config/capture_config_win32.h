// Detection and Store with the process-wide capture options and drive table.
#ifndef TARVEX_CONFIG_CAPTURE_CONFIG_WIN32_H
#define TARVEX_CONFIG_CAPTURE_CONFIG_WIN32_H

#include <windows.h>

#include <cstdint>

uint16_t VideoNormFromCountry();
int DetectCaptureBoard();

// Stores the results of the drive list entry index; false when a write failed.
bool StoreDriveResults(HWND dialog, uint16_t index);

#endif
