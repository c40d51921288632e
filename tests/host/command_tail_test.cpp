#include <gtest/gtest.h>

#include <string>

#include "../../app/command_tail.h"

namespace {

TEST(CommandTail, SkipsTheProgramNameAndTheBlanksBehindIt) {
    const struct {
        const char* line;
        const char* tail;
    } cases[] = {
        {"tarvex.exe", ""},
        {"tarvex.exe fromCONFIG", "fromCONFIG"},
        {"C:\\TARVEX\\TARVEX.EXE  \t FROMFORMAT x", "FROMFORMAT x"},
        {"\"C:\\Program Files\\tarvex.exe\" fromFORMAT", "fromFORMAT"},
        {"\"C:\\Program Files\\tarvex.exe\"", ""},
        {"\"unterminated quote", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        std::string line = c.line;
        EXPECT_STREQ(CommandTail(line.data()), c.tail) << c.line;
    }
}

} // namespace
