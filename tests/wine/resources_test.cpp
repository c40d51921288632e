// What the program's resources must be beyond what its dialogs show in use:
// one language throughout, exactly the resources and strings it names, icons
// old systems can draw, and every icon a dialog names found.
#include <gtest/gtest.h>

#include <set>
#include <string>
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
    std::set<std::string> found, expected{"6 strings 1031"}; // German (Germany)
    EnumResourceTypesA(nullptr, AddType, reinterpret_cast<LONG_PTR>(&found));
    // Icon images (3), dialogs (5) and group icons (14).
    for (const char* resource : {"3 1", "3 2", "3 3", "5 101", "5 102", "5 103", "5 104", "14 100", "14 HDSPEEDICON",
                                 "14 VELKICON"}) {
        expected.insert(std::string(resource) + " 1031");
    }
    EXPECT_EQ(found, expected);

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
    for (LPCSTR group : {"HDSPEEDICON", "VELKICON", "#100"}) {
        EXPECT_EQ(SizeofResource(nullptr, FindResourceA(nullptr, group, RT_GROUP_ICON)), 6u + 14u); // one image
    }
    for (int image = 1; image <= 3; ++image) {
        HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(image), RT_ICON);
        const auto* bits = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(nullptr, found)));
        ASSERT_NE(bits, nullptr) << image;
        // Twice the height, for the colour bits and the 1-bit mask below them.
        EXPECT_TRUE(bits->biWidth == 32 && bits->biHeight == 64 && bits->biBitCount == 4) << image;
        EXPECT_EQ(SizeofResource(nullptr, found), sizeof *bits + 16 * sizeof(RGBQUAD) + 32 * 32 / 2 + 32 * 32 / 8);
    }
    for (int dialogId = 101; dialogId <= 104; ++dialogId) {
        HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(dialogId), nullptr, nullptr, 0);
        ASSERT_NE(dialog, nullptr) << dialogId;
        int icons = 0; // shown, not just named
        for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
            char kind[16];
            GetClassNameA(c, kind, sizeof kind);
            const bool icon = lstrcmpiA(kind, "Static") == 0 && (GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
            icons += icon && SendMessageA(c, STM_GETICON, 0, 0) != 0;
        }
        EXPECT_EQ(icons, 1) << dialogId;
        DestroyWindow(dialog);
    }
}

} // namespace
