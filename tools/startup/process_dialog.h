// The visible dialog of a process, for the programs that start ours and wait
// for its main dialog.
#ifndef TARVEX_TOOLS_STARTUP_PROCESS_DIALOG_H
#define TARVEX_TOOLS_STARTUP_PROCESS_DIALOG_H

#include <windows.h>

#include <cstring>

struct DialogSearch {
    DWORD process;
    HWND dialog;
};

inline BOOL CALLBACK MatchProcessDialog(HWND window, LPARAM search) {
    auto& s = *reinterpret_cast<DialogSearch*>(search);
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != s.process || std::strcmp(className, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
    s.dialog = window;
    return FALSE;
}

// Null while the process shows no dialog.
inline HWND ProcessDialog(DWORD process) {
    DialogSearch search{process, nullptr};
    EnumWindows(MatchProcessDialog, reinterpret_cast<LPARAM>(&search));
    return search.dialog;
}

#endif
