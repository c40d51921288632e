#include <gtest/gtest.h>

#include <string>

#include "../../app/program.h"
#include "../../resources/ids.h"

namespace {

std::string Text(uint16_t id) {
    char buffer[256];
    LoadText(id, buffer, sizeof buffer);
    return buffer;
}

TEST(StringTable, HoldsTheProgramsTexts) {
    const struct {
        uint16_t id;
        const char* text;
    } strings[] = {
        {IDS_NO_MEMORY, "No free system memory"},
        {IDS_PROGRAM_CAPTION, "Tarvex (Durotest)"},
        {IDS_WRITING, "Writing test file... wait"},
        {IDS_READING, "Reading test file... wait"},
        {IDS_DELETING, "Deleting created files..."},
        {IDS_CANNOT_OPEN_FILE, "Could not open file"},
        {IDS_NO_SPACE, "Not enough free hard disk space"},
        {IDS_LOW_SPACE, "Too little free HD space could falsify the speed test."},
        {IDS_FREE_OF, "free of"},
        {IDS_NOT_STORED, "Data rate could not be stored in SYSTEM.INI"},
    };
    for (const auto& s : strings) EXPECT_EQ(Text(s.id), s.text) << s.id;
}

TEST(StringTable, HasNoDriveStrings) {
    for (uint16_t id = 45; id <= 49; ++id) EXPECT_EQ(Text(id), "") << id;
}

TEST(StringTable, IsGermanGermany) {
    // String 11 lives in block 1 of the table.
    EXPECT_NE(FindResourceExA(nullptr, MAKEINTRESOURCEA(6), MAKEINTRESOURCEA(1), MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN)),
              nullptr);
}

} // namespace
