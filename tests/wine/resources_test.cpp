// What the program's resources must be beyond what its dialogs show in use:
// one language throughout, exactly the resources and strings it names, icons
// old systems can draw, and every icon a dialog names found.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "../../base/program_text_win32.h"

namespace {

std::string NameOf(LPCSTR name) {
    return IS_INTRESOURCE(name) ? std::to_string(reinterpret_cast<ULONG_PTR>(name)) : name;
}

// Each resource as "type name language"; the string blocks, which follow from the
// string identifiers, as "6 strings language".
BOOL CALLBACK AddLanguage(HMODULE, LPCSTR type, LPCSTR name, WORD language, LONG_PTR found) {
    reinterpret_cast<std::set<std::string>*>(found)->insert(
        NameOf(type) + (type == RT_STRING ? " strings " : " " + NameOf(name) + " ") + std::to_string(language));
    return TRUE;
}

BOOL CALLBACK AddName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR found) {
    return EnumResourceLanguagesA(module, type, name, AddLanguage, found);
}

BOOL CALLBACK AddType(HMODULE module, LPSTR type, LONG_PTR found) {
    return EnumResourceNamesA(module, type, AddName, found);
}

TEST(Resources, AreTheFourDialogsThreeIconsAndTheStringsAllInGermanGermany) {
    std::set<std::string> found;
    EnumResourceTypesA(nullptr, AddType, reinterpret_cast<LONG_PTR>(&found));
    // Icon images (3), dialogs (5), the string blocks (6) and group icons (14), all German (Germany): 1031.
    EXPECT_EQ(found, (std::set<std::string>{"3 1 1031", "3 2 1031", "3 3 1031", "5 101 1031", "5 102 1031",
                                            "5 103 1031", "5 104 1031", "6 strings 1031", "14 100 1031",
                                            "14 HDSPEEDICON 1031", "14 VELKICON 1031"}));
    std::vector<int> strings, expectedStrings{10, 11, 21, 22, 23, 30, 31, 32, 34, 35, 36, 37, 38, 64, 65, 66};
    for (int id = 250; id <= 261; ++id) expectedStrings.push_back(id);
    for (int id = 0; id < 1024; ++id) {
        char text[256];
        LoadText(static_cast<uint16_t>(id), text, sizeof text);
        if (text[0] != '\0') strings.push_back(id);
    }
    EXPECT_EQ(strings, expectedStrings);
}

TEST(Icons, AreOne32By32SixteenColourImageEachAndEveryDialogFindsItsIcon) {
    for (int image = 1; image <= 3; ++image) {
        HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(image), RT_ICON);
        const auto* bits = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(nullptr, found)));
        ASSERT_NE(bits, nullptr) << image;
        // Twice the height, for the colour bits and the 1-bit mask below them.
        EXPECT_EQ(std::make_tuple(bits->biWidth, bits->biHeight, bits->biBitCount), std::make_tuple(32, 64, 4))
            << image;
        EXPECT_EQ(SizeofResource(nullptr, found), sizeof *bits + 16 * sizeof(RGBQUAD) + 32 * 32 / 2 + 32 * 32 / 8);
    }
    for (int dialogId = 101; dialogId <= 104; ++dialogId) {
        HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(dialogId), nullptr, nullptr, 0);
        ASSERT_NE(dialog, nullptr) << dialogId;
        int icons = 0; // shown, not just named: only an icon control answers with an icon
        for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
            icons += SendMessageA(c, STM_GETICON, 0, 0) != 0;
        }
        EXPECT_EQ(icons, 1) << dialogId;
        DestroyWindow(dialog);
    }
}

} // namespace
