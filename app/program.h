// The running program's process-wide state, one instance of each.
#ifndef TARVEX_APP_PROGRAM_H
#define TARVEX_APP_PROGRAM_H

#include <windows.h>

#include <cstdint>

#include "../base/program_text_win32.h"
#include "../bench/drive_table.h"
#include "../config/capture_options.h"
#include "three_d_controls.h"

struct RunFlags {
    uint32_t resultsStored;
    uint32_t testAttempted;
};

extern HICON programIcon;
extern ThreeDControls threeDControls;
extern CaptureOptions captureOptions;
extern CaptureBoard captureBoard;
extern RunFlags runFlags;
extern DriveTable driveTable;
extern DriveList driveList;

#endif
