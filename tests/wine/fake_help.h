// The Wine test program's stand-in for the help viewer: it records each request.
#ifndef TARVEX_TESTS_WINE_FAKE_HELP_H
#define TARVEX_TESTS_WINE_FAKE_HELP_H

#include <windows.h>

#include <vector>

struct HelpRequest {
    HWND window;
    UINT command;
};

extern std::vector<HelpRequest> helpRequests;

#endif
