#include "capture_config_win32.h"

#include "../app/program.h"
#include "capture_config.h"
#include "profile_win32.h"

uint16_t VideoNormFromCountry() {
    Win32Profile profile;
    return VideoNormFromCountry(profile);
}

int DetectCaptureBoard() {
    Win32Profile profile;
    return DetectCaptureBoard(profile, captureOptions, captureBoard);
}

bool StoreDriveResults(HWND, uint16_t index) {
    if (index >= kDriveSlots) return false;
    Win32Profile profile;
    // The capture drive is named by its root path, as the drive list holds it ("D:").
    return StoreDriveResults(profile, driveTable.entry[index], driveList.item[index].rootPath,
                             captureOptions.boardType);
}
