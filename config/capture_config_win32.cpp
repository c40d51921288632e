#include "capture_config_win32.h"

#include "capture_config.h"
#include "profile_win32.h"

uint16_t VideoNormFromCountry() {
    Win32Profile profile;
    return VideoNormFromCountry(profile);
}

int DetectCaptureBoard(CaptureOptions& options, CaptureBoard& board) {
    Win32Profile profile;
    return DetectCaptureBoard(profile, options, board);
}

bool StoreDriveResults(uint32_t reachableRate, uint16_t formatClass, const char* captureDrive, uint16_t boardType) {
    Win32Profile profile;
    return StoreDriveResults(profile, reachableRate, formatClass, captureDrive, boardType);
}
