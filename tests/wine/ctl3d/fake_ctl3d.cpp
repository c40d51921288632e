// A stand-in for the 3-D controls library: it writes each call it gets, in
// order, into calls.txt beside itself. Built with and without Ctl3dUnregister.
#include <windows.h>

namespace {

HMODULE self;

void Record(const char* call) {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(self, path, MAX_PATH);
    DWORD folder = length;
    while (folder > 0 && path[folder - 1] != '\\') --folder;
    lstrcpyA(path + folder, "calls.txt");
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, call, lstrlenA(call), &written, nullptr);
    WriteFile(file, " ", 1, &written, nullptr);
    CloseHandle(file);
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) self = instance;
    // Without a reserved pointer the library is freed, not torn down with the process.
    if (reason == DLL_PROCESS_DETACH && reserved == nullptr) Record("free");
    return TRUE;
}

extern "C" __declspec(dllexport) BOOL WINAPI Ctl3dRegister(HINSTANCE) {
    Record("register");
    return TRUE;
}

extern "C" __declspec(dllexport) BOOL WINAPI Ctl3dAutoSubclass(HINSTANCE) {
    Record("autosubclass");
    return TRUE;
}

#ifndef WITHOUT_UNREGISTER
extern "C" __declspec(dllexport) BOOL WINAPI Ctl3dUnregister(HINSTANCE) {
    Record("unregister");
    return TRUE;
}
#endif
