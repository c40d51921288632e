// The least a dialog program can do: show the wide main dialog template, with
// nothing behind it, until it is closed. Built with tarvex.exe's flags and
// resources, it is the start-up benchmark's yardstick.
#include <windows.h>

#include "../../resources/ids.h"

namespace {

INT_PTR CALLBACK BareDialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message != WM_CLOSE) return FALSE;
    EndDialog(dialog, 0);
    return TRUE;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN_WIDE), nullptr, BareDialogProc, 0);
    return 0;
}
