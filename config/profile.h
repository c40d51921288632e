// The platform's profile files ("SYSTEM.INI", "WIN.INI"), as far as the capture
// configuration reads and writes them.
#ifndef TARVEX_CONFIG_PROFILE_H
#define TARVEX_CONFIG_PROFILE_H

#include <cstdint>

class Profile {
public:
    // Reads a value with an empty default into buffer (size counts the terminator);
    // returns the number of characters read, 0 for a missing or empty key.
    virtual uint32_t ReadString(const char* file, const char* section, const char* key, char* buffer,
                                uint32_t size) = 0;
    virtual uint32_t ReadInteger(const char* file, const char* section, const char* key, uint32_t fallback) = 0;
    // Creates the section and the key as needed; false when the file could not be written.
    virtual bool WriteString(const char* file, const char* section, const char* key, const char* value) = 0;
    // Writes out what the platform holds of the file in memory.
    virtual void Flush(const char* file) = 0;

protected:
    ~Profile() = default;
};

#endif
