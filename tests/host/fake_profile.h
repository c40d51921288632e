// Profile files in memory: values by file, section and key, and every write in order.
#ifndef TARVEX_TESTS_HOST_FAKE_PROFILE_H
#define TARVEX_TESTS_HOST_FAKE_PROFILE_H

#include <cstring>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "../../config/profile.h"

class FakeProfile final : public Profile {
public:
    using Key = std::tuple<std::string, std::string, std::string>; // file, section, key

    std::map<Key, std::string> values;
    std::vector<Key> reads;
    std::vector<std::pair<Key, std::string>> writes;
    size_t failWriteAt = 0; // 1-based number of the write that fails; 0 never

    void Set(const char* file, const char* section, const char* key, const std::string& value) {
        values[{file, section, key}] = value;
    }

    uint32_t ReadString(const char* file, const char* section, const char* key, char* buffer,
                        uint32_t size) override {
        reads.push_back({file, section, key});
        const auto found = values.find({file, section, key});
        const std::string value = found == values.end() ? "" : found->second.substr(0, size - 1);
        std::memcpy(buffer, value.c_str(), value.size() + 1);
        return static_cast<uint32_t>(value.size());
    }
    uint32_t ReadInteger(const char* file, const char* section, const char* key, uint32_t fallback) override {
        reads.push_back({file, section, key});
        const auto found = values.find({file, section, key});
        return found == values.end() ? fallback : static_cast<uint32_t>(std::stoul(found->second));
    }
    bool WriteString(const char* file, const char* section, const char* key, const char* value) override {
        writes.push_back({{file, section, key}, value});
        if (writes.size() == failWriteAt) return false;
        values[{file, section, key}] = value;
        return true;
    }
};

#endif
