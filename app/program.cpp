#include "program.h"

CaptureOptions captureOptions;
CaptureBoard captureBoard;
RunFlags runFlags;
DriveTable driveTable;
DriveList driveList = EmptyDriveList();
