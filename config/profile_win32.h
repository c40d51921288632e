// Profile files through the platform's profile functions, which find the bare
// names "SYSTEM.INI" and "WIN.INI" in the Windows folder.
#ifndef TARVEX_CONFIG_PROFILE_WIN32_H
#define TARVEX_CONFIG_PROFILE_WIN32_H

#include "profile.h"

class Win32Profile final : public Profile {
public:
    uint32_t ReadString(const char* file, const char* section, const char* key, char* buffer,
                        uint32_t size) override;
    uint32_t ReadInteger(const char* file, const char* section, const char* key, uint32_t fallback) override;
    bool WriteString(const char* file, const char* section, const char* key, const char* value) override;
    void Flush(const char* file) override;
};

#endif
