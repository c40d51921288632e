// The program runs without a C runtime, so that it loads on every Windows from
// Windows 95 on: this is its entry point and the few helpers the compiler calls.
#include <windows.h>

#include <cstddef>

extern "C" void WinMainCRTStartup() {
    STARTUPINFOA startup;
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : SW_SHOWDEFAULT;
    char noArguments[] = ""; // the program takes none, whatever it is started with
    ExitProcess(static_cast<UINT>(WinMain(GetModuleHandleA(nullptr), nullptr, noArguments, show)));
}

extern "C" void* memset(void* destination, int value, size_t count) {
    unsigned char* bytes = static_cast<unsigned char*>(destination);
    while (count-- > 0) *bytes++ = static_cast<unsigned char>(value);
    return destination;
}

extern "C" void* memcpy(void* destination, const void* source, size_t count) {
    unsigned char* to = static_cast<unsigned char*>(destination);
    const unsigned char* from = static_cast<const unsigned char*>(source);
    while (count-- > 0) *to++ = *from++;
    return destination;
}

extern "C" void __cxa_pure_virtual() {
    ExitProcess(255);
}
