// The main dialog: drive, options, the disk test, results and Store.
#ifndef TARVEX_APP_MAIN_DIALOG_H
#define TARVEX_APP_MAIN_DIALOG_H

#include <windows.h>

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
