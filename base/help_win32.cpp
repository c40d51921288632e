#include "help_win32.h"

void RequestHelp(HWND window, UINT command) {
    WinHelpA(window, "VELKTRVX.HLP", command, 0);
}
