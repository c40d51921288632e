// While one lives, a drive that is not ready (no medium) makes the call fail
// instead of showing the platform's "There is no disk in the drive" box, which
// would stop the program where the user cannot see why: we report it ourselves,
// or, for a search or a deletion, go on without it.
#ifndef TARVEX_BASE_QUIET_DRIVE_ERRORS_WIN32_H
#define TARVEX_BASE_QUIET_DRIVE_ERRORS_WIN32_H

#include <windows.h>

class QuietDriveErrors {
public:
    QuietDriveErrors() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    ~QuietDriveErrors() { SetErrorMode(previous_); }
    QuietDriveErrors(const QuietDriveErrors&) = delete;
    QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;

private:
    UINT previous_;
};

#endif
