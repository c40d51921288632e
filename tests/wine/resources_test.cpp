// The program's resources, read from the module's own resource bytes.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "../../base/program_text_win32.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr WORD kNone = 0xFFFF;
constexpr WORD kButton = 0x80, kStatic = 0x82, kCombo = 0x85;
constexpr LANGID kGerman = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);

struct Control {
    WORD id;
    WORD classAtom;
    DWORD style;
    short x, y, cx, cy;
    std::string text;
    bool operator==(const Control& o) const {
        return id == o.id && classAtom == o.classAtom && style == o.style && x == o.x && y == o.y && cx == o.cx &&
               cy == o.cy && text == o.text;
    }
};

std::ostream& operator<<(std::ostream& out, const Control& c) {
    return out << c.id << " class " << c.classAtom << " style " << std::hex << c.style << std::dec << " (" << c.x
               << "," << c.y << "," << c.cx << "," << c.cy << ") \"" << c.text << '"';
}

struct Template {
    DWORD style, extendedStyle;
    short x, y, cx, cy;
    std::string caption, font;
    WORD points;
    std::vector<Control> controls;
};

// Reads the classic template format: header, then each item on a 4-byte boundary.
class TemplateReader {
public:
    explicit TemplateReader(const BYTE* bytes) : start_(bytes), at_(bytes) {}

    Template Read() {
        Template t{};
        t.style = Dword();
        t.extendedStyle = Dword();
        const WORD count = Word();
        t.x = Short(), t.y = Short(), t.cx = Short(), t.cy = Short();
        EXPECT_EQ(Word(), 0) << "a menu";
        EXPECT_EQ(Word(), 0) << "a class of its own";
        t.caption = String();
        if (t.style & DS_SETFONT) t.points = Word(), t.font = String();
        for (WORD i = 0; i < count; ++i) {
            Align();
            Control c{};
            c.style = Dword();
            EXPECT_EQ(Dword(), 0u) << "extended styles";
            c.x = Short(), c.y = Short(), c.cx = Short(), c.cy = Short();
            c.id = Word();
            EXPECT_EQ(Word(), 0xFFFF) << "a predefined class";
            c.classAtom = Word();
            c.text = String();
            EXPECT_EQ(Word(), 0) << "creation data";
            t.controls.push_back(c);
        }
        return t;
    }

private:
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

Template LoadTemplate(WORD id) {
    HRSRC found = FindResourceExA(nullptr, MAKEINTRESOURCEA(5), MAKEINTRESOURCEA(id), kGerman);
    EXPECT_NE(found, nullptr) << id;
    if (found == nullptr) return {};
    return TemplateReader(static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)))).Read();
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
    const struct {
        WORD id;
        DWORD style;
        short x, y, cx, cy;
        const char *caption, *font;
        std::vector<Control> controls;
    } dialogs[] = {
        {102, mainStyle, 0, 0, 365, 290, "Tarvex (Durotest)", "MS Sans Serif", kWideControls},
        {101, mainStyle, 0, 0, 209, 290, "Tarvex", "MS Sans Serif", {kWideControls.begin() + 1, kWideControls.end()}},
        {103, WS_POPUP | WS_CAPTION | DS_SETFONT, 50, 50, 150, 110, "For your information", "MS Sans Serif",
         {{kNone, kStatic, kLeft, 15, 5, 140, 10, "Tarvex Version 1.01 "},
          {kNone, kStatic, kLeft, 15, 15, 140, 10, "for Corvana editing products"},
          {kNone, kStatic, kLeft, 15, 25, 140, 10, "Windows 95 Version"},
          {kNone, kStatic, kLeft, 50, 40, 95, 10, "Velkhaven Video GmbH"},
          {kNone, kStatic, kLeft, 50, 50, 95, 10, "Velkweg 12"},
          {kNone, kStatic, kLeft, 50, 60, 95, 10, "00815 Velkhaven"},
          {1, kButton, kDefault, 59, 85, 32, 14, "OK"},
          {kNone, kStatic, kIcon, 11, 46, 18, 20, "hdspeedicon"}}},
        {104, WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 50, 100, 239, 109,
         "Tarvex - prozessor und memorytest", "Arial",
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
        EXPECT_EQ(t.style, d.style) << d.id;
        EXPECT_EQ(t.extendedStyle, 0u) << d.id;
        EXPECT_TRUE(t.x == d.x && t.y == d.y && t.cx == d.cx && t.cy == d.cy) << d.id;
        EXPECT_EQ(t.caption, d.caption);
        EXPECT_EQ(t.points, 8) << d.id;
        EXPECT_EQ(t.font, d.font) << d.id;
        EXPECT_EQ(t.controls, d.controls) << d.id;
    }
}

BOOL CALLBACK AddLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR languages) {
    reinterpret_cast<std::set<WORD>*>(languages)->insert(language);
    return TRUE;
}

BOOL CALLBACK AddLanguagesOfName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR languages) {
    return EnumResourceLanguagesA(module, type, name, AddLanguage, languages);
}

BOOL CALLBACK AddLanguagesOfType(HMODULE module, LPSTR type, LONG_PTR languages) {
    return EnumResourceNamesA(module, type, AddLanguagesOfName, languages);
}

TEST(Resources, AreAllGermanGermany) {
    std::set<WORD> languages;
    EnumResourceTypesA(nullptr, AddLanguagesOfType, reinterpret_cast<LONG_PTR>(&languages));
    EXPECT_EQ(languages, std::set<WORD>{kGerman});
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
        HRSRC group = FindResourceA(nullptr, groups[image - 1], MAKEINTRESOURCEA(14));
        ASSERT_NE(group, nullptr);
        const BYTE* bytes = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, group)));
        // The group header's count, then the one entry: width, height, colours, ..., bit count.
        EXPECT_EQ(bytes[4] | bytes[5] << 8, 1);
        EXPECT_EQ(bytes[6], 32);
        EXPECT_EQ(bytes[7], 32);
        EXPECT_EQ(bytes[8], 16);
        EXPECT_EQ(bytes[12] | bytes[13] << 8, 4);
        EXPECT_EQ(bytes[18] | bytes[19] << 8, image);
    }
}

} // namespace
