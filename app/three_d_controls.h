// The optional 3-D controls library: used when it can be found, never required.
#ifndef TARVEX_APP_THREE_D_CONTROLS_H
#define TARVEX_APP_THREE_D_CONTROLS_H

#include <windows.h>

using ThreeDControlsEntry = BOOL(WINAPI*)(HINSTANCE);

struct ThreeDControls {
    HMODULE library; // not null while loaded
    ThreeDControlsEntry registerApp;
    ThreeDControlsEntry autoSubclass;
    ThreeDControlsEntry unregisterApp;
};

// Loads the library when a file of its name can be found; registers the program
// with it only when all three entry points exist.
void LoadThreeDControls(HINSTANCE instance, ThreeDControls& controls);

// Unregisters, if the library has the entry point for it, and frees the library.
void UnloadThreeDControls(HINSTANCE instance, ThreeDControls& controls);

#endif
