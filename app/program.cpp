#include "program.h"

HICON programIcon;
ThreeDControls threeDControls;
CaptureOptions captureOptions;
CaptureBoard captureBoard;
RunFlags runFlags;
DriveTable driveTable;
DriveList driveList = EmptyDriveList();
