// While one lives, a drive that is not ready (no medium) makes the call fail
// instead of showing the platform's "drive not ready" box: we report it ourselves.
#ifndef TARVEX_BENCH_QUIET_DRIVE_ERRORS_WIN32_H
#define TARVEX_BENCH_QUIET_DRIVE_ERRORS_WIN32_H

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
