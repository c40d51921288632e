// The about box and the processor and memory test dialog, both opened modally
// from the main dialog.
#ifndef TARVEX_APP_SECONDARY_DIALOGS_H
#define TARVEX_APP_SECONDARY_DIALOGS_H

#include <windows.h>

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ProcessorTestDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
