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

constexpr LANGID kGerman = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);

struct Inventory {
    std::set<std::string> resources;
    std::set<WORD> languages;
};

std::string NameOf(LPCSTR name) {
    return IS_INTRESOURCE(name) ? std::to_string(reinterpret_cast<ULONG_PTR>(name)) : name;
}

BOOL CALLBACK AddLanguage(HMODULE, LPCSTR type, LPCSTR name, WORD language, LONG_PTR inventory) {
    Inventory& found = *reinterpret_cast<Inventory*>(inventory);
    found.languages.insert(language);
    // The string blocks follow from the string identifiers, checked below.
    if (type != RT_STRING) found.resources.insert(NameOf(type) + " " + NameOf(name));
    return TRUE;
}

BOOL CALLBACK AddLanguagesOfName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR inventory) {
    return EnumResourceLanguagesA(module, type, name, AddLanguage, inventory);
}

BOOL CALLBACK AddNamesOfType(HMODULE module, LPSTR type, LONG_PTR inventory) {
    return EnumResourceNamesA(module, type, AddLanguagesOfName, inventory);
}

TEST(Resources, AreTheFourDialogsThreeIconsAndTheStringsAllInGermanGermany) {
    Inventory found;
    EnumResourceTypesA(nullptr, AddNamesOfType, reinterpret_cast<LONG_PTR>(&found));
    // Icon images (3), dialogs (5) and group icons (14).
    const std::set<std::string> expected{"3 1",   "3 2",   "3 3",   "5 101",          "5 102",
                                         "5 103", "5 104", "14 100", "14 HDSPEEDICON", "14 VELKICON"};
    EXPECT_EQ(found.resources, expected);
    EXPECT_EQ(found.languages, std::set<WORD>{kGerman});

    std::vector<int> strings;
    for (int id = 0; id < 1024; ++id) {
        char text[256];
        LoadText(static_cast<uint16_t>(id), text, sizeof text);
        if (text[0] != '\0') strings.push_back(id);
    }
    std::vector<int> expectedStrings{10, 11, 21, 22, 23, 30, 31, 32, 34, 35, 36, 37, 38, 64, 65, 66};
    for (int id = 250; id <= 261; ++id) expectedStrings.push_back(id);
    EXPECT_EQ(strings, expectedStrings);
}

TEST(Icons, AreOne32By32SixteenColourImageEachAndEveryDialogFindsItsIcon) {
    const LPCSTR groups[] = {"HDSPEEDICON", "VELKICON", MAKEINTRESOURCEA(100)};
    for (int image = 1; image <= 3; ++image) {
        const auto* group = static_cast<const BYTE*>(
            LockResource(LoadResource(nullptr, FindResourceExA(nullptr, RT_GROUP_ICON, groups[image - 1], kGerman))));
        ASSERT_NE(group, nullptr) << image;
        // The group header's count, then the one entry: width, height, colours, ..., bit count, ..., image.
        EXPECT_EQ(std::make_tuple(group[4] | group[5] << 8, +group[6], +group[7], +group[8], group[12] | group[13] << 8,
                                  group[18] | group[19] << 8),
                  std::make_tuple(1, 32, 32, 16, 4, image));
        // The image: twice the height, for the colour bits and the 1-bit mask below them.
        HRSRC found = FindResourceExA(nullptr, RT_ICON, MAKEINTRESOURCEA(image), kGerman);
        const auto* bits = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(nullptr, found)));
        ASSERT_NE(bits, nullptr) << image;
        EXPECT_TRUE(bits->biWidth == 32 && bits->biHeight == 64 && bits->biBitCount == 4) << image;
        EXPECT_EQ(SizeofResource(nullptr, found), sizeof *bits + 16 * sizeof(RGBQUAD) + 32 * 32 / 2 + 32 * 32 / 8);
    }
    for (int dialogId = 101; dialogId <= 104; ++dialogId) {
        HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(dialogId), nullptr, nullptr, 0);
        ASSERT_NE(dialog, nullptr) << dialogId;
        int icons = 0;
        for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
            char kind[16];
            GetClassNameA(c, kind, sizeof kind);
            if (lstrcmpiA(kind, "Static") != 0 || (GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) continue;
            EXPECT_NE(SendMessageA(c, STM_GETICON, 0, 0), 0) << dialogId;
            ++icons;
        }
        EXPECT_EQ(icons, 1) << dialogId;
        DestroyWindow(dialog);
    }
}

} // namespace
