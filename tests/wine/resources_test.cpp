// The program's resources, read from the module's own resource bytes.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "../../base/program_text_win32.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr WORD kNone = 0xFFFF;
constexpr WORD kButton = 0x80, kStatic = 0x82, kCombo = 0x85;
constexpr LANGID kGerman = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);

// id, class atom, style, x, y, cx, cy, text
using Control = std::tuple<WORD, WORD, DWORD, short, short, short, short, std::string>;
// style, extended style, x, y, cx, cy, caption, font, points
using Header = std::tuple<DWORD, DWORD, short, short, short, short, std::string, std::string, WORD>;

struct Template {
    Header header;
    std::vector<Control> controls;
};

// Reads the classic template format: header, then each item on a 4-byte boundary.
class TemplateReader {
public:
    explicit TemplateReader(const BYTE* bytes) : start_(bytes), at_(bytes) {}

    Template Read() {
        Template t{};
        auto& [style, extendedStyle, x, y, cx, cy, caption, font, points] = t.header;
        style = Dword();
        extendedStyle = Dword();
        const WORD count = Word();
        x = Short(), y = Short(), cx = Short(), cy = Short();
        EXPECT_EQ(Word(), 0) << "a menu";
        EXPECT_EQ(Word(), 0) << "a class of its own";
        caption = String();
        if (style & DS_SETFONT) points = Word(), font = String();
        for (WORD i = 0; i < count; ++i) t.controls.push_back(ReadControl());
        return t;
    }

private:
    Control ReadControl() {
        Align();
        Control c{};
        auto& [id, classAtom, style, x, y, cx, cy, text] = c;
        style = Dword();
        EXPECT_EQ(Dword(), 0u) << "extended styles";
        x = Short(), y = Short(), cx = Short(), cy = Short();
        id = Word();
        EXPECT_EQ(Word(), 0xFFFF) << "a predefined class";
        classAtom = Word();
        text = String();
        EXPECT_EQ(Word(), 0) << "creation data";
        return c;
    }
    WORD Word() {
        const WORD value = static_cast<WORD>(at_[0] | at_[1] << 8);
        at_ += 2;
        return value;
    }
    short Short() { return static_cast<short>(Word()); }
    DWORD Dword() { const DWORD low = Word(); return low | static_cast<DWORD>(Word()) << 16; }
    std::string String() {
        std::string text;
        for (WORD c = Word(); c != 0; c = Word()) text += static_cast<char>(c);
        return text;
    }
    void Align() { at_ = start_ + ((at_ - start_ + 3) & ~3); }

    const BYTE* start_;
    const BYTE* at_;
};

// The bytes and size of one of the module's resources; null when it is missing.
const BYTE* ResourceBytes(LPCSTR type, LPCSTR name, DWORD* size = nullptr) {
    HRSRC found = FindResourceExA(nullptr, type, name, kGerman);
    EXPECT_NE(found, nullptr);
    if (found == nullptr) return nullptr;
    if (size != nullptr) *size = SizeofResource(nullptr, found);
    return static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
}

Template LoadTemplate(WORD id) {
    const BYTE* bytes = ResourceBytes(RT_DIALOG, MAKEINTRESOURCEA(id));
    return bytes == nullptr ? Template{} : TemplateReader(bytes).Read();
}

constexpr DWORD G = WS_GROUP, T = WS_TABSTOP;
const DWORD kPush = kChild | BS_PUSHBUTTON | T, kDefault = kChild | BS_DEFPUSHBUTTON, kBox = kChild | BS_GROUPBOX;
const DWORD kRadio = kChild | BS_AUTORADIOBUTTON | T, kCheck = kChild | BS_AUTOCHECKBOX | T;
const DWORD kLeft = kChild | SS_LEFT, kCentre = kChild | SS_CENTER, kRight = kChild | SS_RIGHT;
const DWORD kIcon = kChild | SS_ICON, kBlack = kChild | SS_BLACKFRAME;

const std::vector<Control> kWideControls = {
    {2, kStatic, kChild | SS_GRAYFRAME, 209, 8, 150, 276, ""},
    {1, kButton, kPush, 152, 9, 52, 14, "Close"},
    {70, kButton, kPush, 152, 28, 52, 14, "&Help"},
    {73, kButton, kPush, 152, 47, 52, 14, "&Info about..."},
    {kNone, kStatic, kIcon, 168, 68, 18, 20, "hdspeedicon"},
    {71, kButton, kDefault | T, 151, 96, 52, 14, "S&tart test"},
    {72, kButton, kPush, 151, 115, 52, 14, "&Store"},
    {74, kButton, kPush, 151, 134, 52, 14, "&More..."},
    {82, kButton, kBox, 5, 5, 141, 57, "Analyse-Result"},
    {kNone, kStatic, kLeft | G, 10, 19, 37, 10, "Format:"},
    {15, kStatic, kCentre | G, 50, 19, 28, 10, ""},
    {16, kStatic, kCentre | G, 82, 19, 28, 10, ""},
    {17, kStatic, kCentre | G, 114, 19, 28, 10, ""},
    {kNone, kStatic, kLeft | G, 10, 33, 49, 10, "Compression:"},
    {18, kStatic, kCentre | G, 57, 33, 18, 10, ""},
    {19, kStatic, kCentre | G, 87, 33, 20, 10, ""},
    {20, kStatic, kCentre | G, 120, 33, 20, 10, ""},
    {kNone, kStatic, kLeft | G, 10, 47, 96, 10, "Reachable video datarate:"},
    {14, kStatic, kRight | G, 108, 47, 34, 10, ""},
    {kNone, kButton, kBox, 5, 65, 141, 83, "Harddisk speed"},
    {12, kCombo, kChild | CBS_DROPDOWNLIST | T | WS_VSCROLL, 11, 78, 130, 51, ""},
    {kNone, kStatic, kLeft | G, 10, 94, 36, 10, "Write:"},
    {kNone, kStatic, kLeft | G, 10, 119, 36, 10, "Read:"},
    {203, kStatic, kLeft | G, 106, 106, 35, 8, ""},
    {204, kStatic, kLeft | G, 106, 131, 35, 8, ""},
    {201, kStatic, kBlack, 11, 105, 90, 11, ""},
    {200, kStatic, kBlack, 11, 130, 90, 11, ""},
    {kNone, kButton, kBox, 5, 151, 198, 45, ""},
    {83, kButton, kRadio | G, 11, 160, 54, 10, "PAL/SECAM"},
    {84, kButton, kRadio, 11, 170, 54, 10, "NTSC"},
    {401, kButton, kRadio | G, 71, 160, 130, 10, "PCI technology (Corvana RQ7)"},
    {400, kButton, kRadio, 71, 170, 130, 10, "ISA technology (Corvana RQ3)"},
    {418, kButton, kCheck | G, 11, 180, 80, 10, "TV Cropping"},
    {kNone, kButton, kBox, 5, 199, 198, 84, "Audio settings"},
    {417, kButton, kCheck, 11, 214, 160, 10, "Audio recording (uncompressed)"},
    {408, kButton, kRadio | G, 11, 227, 54, 10, "11,025 kHz"},
    {409, kButton, kRadio, 11, 237, 54, 10, "22,050 kHz"},
    {410, kButton, kRadio, 11, 247, 54, 10, "44,100 kHz"},
    {411, kButton, kRadio | G, 76, 227, 37, 10, "Mono"},
    {412, kButton, kRadio, 76, 237, 37, 10, "Stereo"},
    {415, kButton, kRadio | G, 127, 227, 71, 10, "8 Bit sampling"},
    {416, kButton, kRadio, 127, 237, 72, 10, "16 Bit sampling"},
    {kNone, kStatic, kBlack, 6, 262, 196, 1, ""},
    {419, kStatic, kLeft | G, 11, 268, 57, 11, "Audio cardtype:"},
    {413, kButton, kRadio | G, 76, 268, 45, 10, "8 Bit DMA"},
    {414, kButton, kRadio, 127, 268, 47, 10, "16 Bit DMA"},
};

TEST(DialogTemplates, HoldEveryControlInOrder) {
    const DWORD mainStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_SETFONT;
    const struct { WORD id; Header header; std::vector<Control> controls; } dialogs[] = {
        {102, {mainStyle, 0, 0, 0, 365, 290, "Tarvex (Durotest)", "MS Sans Serif", 8}, kWideControls},
        {101, {mainStyle, 0, 0, 0, 209, 290, "Tarvex", "MS Sans Serif", 8},
         {kWideControls.begin() + 1, kWideControls.end()}},
        {103, {WS_POPUP | WS_CAPTION | DS_SETFONT, 0, 50, 50, 150, 110, "For your information", "MS Sans Serif", 8},
         {{kNone, kStatic, kLeft, 15, 5, 140, 10, "Tarvex Version 1.01 "},
          {kNone, kStatic, kLeft, 15, 15, 140, 10, "for Corvana editing products"},
          {kNone, kStatic, kLeft, 15, 25, 140, 10, "Windows 95 Version"},
          {kNone, kStatic, kLeft, 50, 40, 95, 10, "Velkhaven Video GmbH"},
          {kNone, kStatic, kLeft, 50, 50, 95, 10, "Velkweg 12"},
          {kNone, kStatic, kLeft, 50, 60, 95, 10, "00815 Velkhaven"},
          {1, kButton, kDefault, 59, 85, 32, 14, "OK"},
          {kNone, kStatic, kIcon, 11, 46, 18, 20, "hdspeedicon"}}},
        {104, {WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 0, 50, 100, 239, 109,
               "Tarvex - prozessor und memorytest", "Arial", 8},
         {{1, kButton, kDefault | T, 2, 86, 50, 14, "&Close"},
          {71, kButton, kPush, 74, 86, 50, 14, "S&tart test"},
          {70, kButton, kPush, 146, 86, 50, 14, "&Help"},
          {kNone, kStatic, kIcon, 216, 84, 18, 20, "hdspeedicon"},
          {kNone, kButton, kBox, 1, 5, 235, 72, "Memory bandwidth"},
          {kNone, kStatic, kLeft | G, 65, 60, 30, 11, "Bad"},
          {kNone, kStatic, kCentre | G, 107, 61, 30, 10, "Good"},
          {kNone, kStatic, kRight | G, 155, 61, 30, 10, "Very good"},
          {24, kStatic, kLeft | G, 5, 18, 56, 11, "Processor:"},
          {25, kStatic, kLeft | G, 5, 31, 59, 11, "2nd level cache:"},
          {26, kStatic, kLeft | G, 5, 45, 56, 10, "Main memory:"},
          {402, kStatic, kBlack, 68, 18, 112, 8, ""},
          {403, kStatic, kBlack, 68, 32, 112, 8, ""},
          {404, kStatic, kBlack, 68, 45, 112, 8, ""},
          {405, kStatic, kLeft | G, 184, 18, 42, 7, ""},
          {406, kStatic, kLeft | G, 184, 32, 42, 7, ""},
          {407, kStatic, kLeft | G, 184, 45, 42, 7, ""}}},
    };
    for (const auto& d : dialogs) {
        const Template t = LoadTemplate(d.id);
        EXPECT_EQ(t.header, d.header) << d.id;
        // One control at a time: a whole list of 46 would be cut short in the failure message.
        EXPECT_EQ(t.controls.size(), d.controls.size()) << d.id;
        for (size_t i = 0; i < t.controls.size() && i < d.controls.size(); ++i) {
            EXPECT_EQ(t.controls[i], d.controls[i]) << d.id << ", control " << i;
        }
    }
}

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
    // The string blocks follow from the string identifiers, which the string table test checks.
    if (type != RT_STRING) found.resources.insert(NameOf(type) + " " + NameOf(name));
    return TRUE;
}

BOOL CALLBACK AddLanguagesOfName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR inventory) {
    return EnumResourceLanguagesA(module, type, name, AddLanguage, inventory);
}

BOOL CALLBACK AddNamesOfType(HMODULE module, LPSTR type, LONG_PTR inventory) {
    return EnumResourceNamesA(module, type, AddLanguagesOfName, inventory);
}

TEST(Resources, AreTheFourDialogsAndThreeIconsAllInGermanGermany) {
    Inventory found;
    EnumResourceTypesA(nullptr, AddNamesOfType, reinterpret_cast<LONG_PTR>(&found));
    // Icon images (3), dialogs (5) and group icons (14).
    const std::set<std::string> expected{"3 1",   "3 2",   "3 3",   "5 101",          "5 102",
                                         "5 103", "5 104", "14 100", "14 HDSPEEDICON", "14 VELKICON"};
    EXPECT_EQ(found.resources, expected);
    EXPECT_EQ(found.languages, std::set<WORD>{kGerman});
}

TEST(StringTable, HoldsExactlyTheProgramsTexts) {
    const std::vector<std::pair<int, std::string>> expected = {
        {10, "No free system memory"}, {11, "Tarvex (Durotest)"}, {21, "Hard disk not yet tested"},
        {22, "Data rate for selected hard disk still not saved\nAbort program ?"},
        {23, "Use Windows 95 version of Tarvex"}, {30, "Writing test file... wait"},
        {31, "Reading test file... wait"}, {32, "Deleting created files..."}, {34, "Could not open file"},
        {35, "Not enough free hard disk space"}, {36, "Too little free HD space could falsify the speed test."},
        {37, "free of"}, {38, "Data rate could not be stored in SYSTEM.INI"}, {64, "Testing CPU speed..."},
        {65, "Testing bandwidth 2nd level cache..."}, {66, "Testing memory bandwidth..."},
        {250, "768x576"}, {251, "384x576"}, {252, "384x288"}, {253, "640x480"}, {254, "320x480"},
        {255, "320x240"}, {256, "720x540"}, {257, "360x540"}, {258, "360x270"}, {259, "608x456"},
        {260, "304x456"}, {261, "304x228"}};
    std::vector<std::pair<int, std::string>> found;
    for (int id = 0; id < 1024; ++id) {
        char text[256];
        LoadText(static_cast<uint16_t>(id), text, sizeof text);
        if (text[0] != '\0') found.emplace_back(id, text);
    }
    EXPECT_EQ(found, expected);
}

TEST(Icons, AreOne32By32SixteenColourImageEach) {
    const LPCSTR groups[] = {"HDSPEEDICON", "VELKICON", MAKEINTRESOURCEA(100)};
    for (int image = 1; image <= 3; ++image) {
        const BYTE* group = ResourceBytes(RT_GROUP_ICON, groups[image - 1]);
        ASSERT_NE(group, nullptr) << image;
        // The group header's count, then the one entry: width, height, colours, ..., bit count, ..., image.
        EXPECT_EQ(std::make_tuple(group[4] | group[5] << 8, +group[6], +group[7], +group[8], group[12] | group[13] << 8,
                                  group[18] | group[19] << 8),
                  std::make_tuple(1, 32, 32, 16, 4, image));
        // The image itself: twice the height, for the colour bits and the 1-bit mask below them.
        DWORD size = 0;
        const BYTE* bytes = ResourceBytes(RT_ICON, MAKEINTRESOURCEA(image), &size);
        ASSERT_NE(bytes, nullptr) << image;
        const auto* bits = reinterpret_cast<const BITMAPINFOHEADER*>(bytes);
        EXPECT_TRUE(bits->biWidth == 32 && bits->biHeight == 64 && bits->biBitCount == 4) << image;
        EXPECT_EQ(size, sizeof *bits + 16 * sizeof(RGBQUAD) + 32 * 32 / 2 + 32 * 32 / 8) << image;
    }
}

} // namespace
