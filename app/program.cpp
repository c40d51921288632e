#include "program.h"

char programCaption[kCaptionSize];
CaptureOptions captureOptions;
CaptureBoard captureBoard;
RunFlags runFlags;
DriveTable driveTable;
DriveList driveList = EmptyDriveList();

void LoadText(uint16_t stringId, char* buffer, int size) {
    if (LoadStringA(GetModuleHandleA(nullptr), stringId, buffer, size) <= 0) buffer[0] = '\0';
}
