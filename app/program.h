// The running program's process-wide state, one instance of each, and the
// helpers every window of it uses.
#ifndef TARVEX_APP_PROGRAM_H
#define TARVEX_APP_PROGRAM_H

#include <windows.h>

#include <cstdint>

#include "../bench/drive_table.h"
#include "../config/capture_options.h"

struct RunFlags {
    uint32_t resultsStored;
    uint32_t testAttempted;
};

constexpr int kCaptionSize = 80;

extern char programCaption[kCaptionSize];
extern CaptureOptions captureOptions;
extern CaptureBoard captureBoard;
extern RunFlags runFlags;
extern DriveTable driveTable;
extern DriveList driveList;

// Loads a string of this program's string table; an empty text when there is none.
void LoadText(uint16_t stringId, char* buffer, int size);

// A message box with the string's text, titled with the program caption.
int ShowMessage(HWND owner, uint16_t stringId, uint32_t flags);

#endif
