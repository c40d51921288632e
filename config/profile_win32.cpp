#include "profile_win32.h"

#include <windows.h>

uint32_t Win32Profile::ReadString(const char* file, const char* section, const char* key, char* buffer,
                                  uint32_t size) {
    return GetPrivateProfileStringA(section, key, "", buffer, size, file);
}

uint32_t Win32Profile::ReadInteger(const char* file, const char* section, const char* key, uint32_t fallback) {
    return GetPrivateProfileIntA(section, key, static_cast<INT>(fallback), file);
}

bool Win32Profile::WriteString(const char* file, const char* section, const char* key, const char* value) {
    return WritePrivateProfileStringA(section, key, value, file) != FALSE;
}

void Win32Profile::Flush(const char* file) {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file); // answers FALSE whether or not it flushed
}
