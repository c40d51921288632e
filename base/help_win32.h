// Requests to the platform's help viewer for the program's help file. Tests link
// their own, which records the requests instead of starting a viewer.
#ifndef TARVEX_BASE_HELP_WIN32_H
#define TARVEX_BASE_HELP_WIN32_H

#include <windows.h>

// command is HELP_INDEX (open at the contents) or HELP_QUIT (no longer needed).
void RequestHelp(HWND window, UINT command);

#endif
