// The main dialog from its real template with the real procedure.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <string>
#include <tuple>

#include "../../app/main_dialog.h"
#include "../../app/program.h"
#include "../../app/three_d_controls.h"
#include "../../bench/disk_test.h"
#include "../../resources/ids.h"
#include "harness.h"

namespace {

constexpr int kDriveC = 0; // the first of the prefix's drives, C: and Z:

// -1 for no file.
int64_t FileSize(const char* name) {
    return std::ifstream(name, std::ios::binary | std::ios::ate).tellg();
}

COLORREF Pixel(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

std::string TextOf(HWND window) {
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The dialog made from its template, as a modeless one, with the process-wide state that start-up leaves.
class MainDialog : public testing::Test {
protected:
    void Open(uint16_t boardKind, uint16_t boardType = kPciBoard, int layout = IDD_MAIN_NARROW) {
        TearDown();
        LoadText(IDS_PROGRAM_CAPTION, programCaption, sizeof programCaption);
        captureOptions = CaptureOptions{0, boardType, {1, 0, 0, 0}};
        captureBoard = CaptureBoard{boardKind, kPciDefaultLimits};
        runFlags = RunFlags{};
        driveTable = DriveTable{};
        driveList = EmptyDriveList();
        recordedMessages.clear();
        helpCommands.clear();
        messageAnswer = IDYES;
        dialog_ = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(layout), nullptr, MainDialogProc, 0);
        ASSERT_NE(dialog_, nullptr);
    }
    void TearDown() override {
        if (dialog_ != nullptr) DestroyWindow(dialog_);
        PumpMessages();
        dialog_ = nullptr;
    }

    HWND Control(int id) const { return GetDlgItem(dialog_, id); }
    std::string Text(int id) const { return TextOf(Control(id)); }
    bool HasFocus(int id) const { return GetFocus() == Control(id); }
    // The controls' states in one line: each id, with "x" when checked, "-" when disabled,
    // "h" when hidden and, for a static control, ":" and its text ("72- 400x 14:3100 kB/s").
    std::string Describe(std::initializer_list<int> ids) const {
        std::string states;
        for (int id : ids) {
            char kind[8] = "";
            GetClassNameA(Control(id), kind, sizeof kind);
            const bool shown = GetWindowLongA(Control(id), GWL_STYLE) & WS_VISIBLE;
            states += (states.empty() ? "" : " ") + std::to_string(id) + (IsDlgButtonChecked(dialog_, id) ? "x" : "") +
                      (IsWindowEnabled(Control(id)) ? "" : "-") + (shown ? "" : "h") +
                      (lstrcmpiA(kind, "Static") == 0 && !Text(id).empty() ? ":" + Text(id) : "");
        }
        return states;
    }
    LRESULT Send(UINT message, WPARAM wParam = 0) { return MainDialogProc(dialog_, message, wParam, 0); }
    LRESULT Command(int id, int notification = 0) { return Send(WM_COMMAND, MAKEWPARAM(id, notification)); }
    void Select(int position) {
        SendMessageA(Control(IDC_DRIVE_LIST), CB_SETCURSEL, position, 0);
        Command(IDC_DRIVE_LIST, CBN_SELCHANGE);
        Repaint();
    }
    // Shows the dialog and paints it whole.
    void Repaint() {
        ShowWindow(dialog_, SW_SHOWNORMAL);
        InvalidateRect(dialog_, nullptr, TRUE);
        UpdateWindow(dialog_);
        PumpMessages();
    }
    // The messages shown since the dialog opened, as "text flags" one after the other.
    std::string Shown() const {
        std::string shown;
        for (const RecordedMessage& m : recordedMessages) {
            char flags[12];
            std::snprintf(flags, sizeof flags, " %#x", m.flags);
            shown += m.text + flags + (m.owner == dialog_ ? "" : " not owned");
        }
        return shown;
    }
    // The drive list's items, each up to its first blank ("(C:) (Z:)").
    std::string Items() const {
        std::string items;
        char text[kDriveTextSize];
        HWND list = Control(IDC_DRIVE_LIST);
        for (WPARAM i = 0; SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text)) != CB_ERR; ++i) {
            items += (i == 0 ? "" : " ") + std::string(text).substr(0, std::string(text).find(' '));
        }
        return items;
    }

    HWND dialog_ = nullptr;
};

TEST_F(MainDialog, InitialisesFromTheOptionsAndTheBoardFound) {
    // Store, ISA, PCI ("x" checked, "-" greyed, "h" hidden)
    const struct { uint16_t kind, type; const char* boards; } cases[] = {
        {kNoBoardDriver, kPciBoard, "72- 400 401x"}, {kIsaDriverOnly, kIsaBoard, "72 400x 401-"},
        {kPciInterface, kPciBoard, "72 400- 401x"},  {kPciInterfaceWithIsaCodec, kPciBoard, "72 400 401x"},
    };
    for (const auto& c : cases) {
        Open(c.kind, c.type);
        // Help, More; PAL, NTSC; audio, cropping; 22,050 Hz, mono, 8 bit, 8-bit DMA
        EXPECT_EQ(Describe({72, 400, 401, 70, 74, 83, 84, 417, 418, 409, 411, 415, 413}),
                  std::string(c.boards) + " 70 74h 83x 84 417 418 409x 411x 415x 413x") << c.kind;
        // Every fixed drive of the prefix, the first chosen; the focus on Close.
        EXPECT_EQ(std::make_tuple(Items(), SendMessageA(Control(IDC_DRIVE_LIST), CB_GETCURSEL, 0, 0),
                                  HasFocus(IDC_CLOSE)),
                  std::make_tuple("(C:) (Z:)", LRESULT{0}, true));
    }
}

TEST_F(MainDialog, ShowsTheSelectedDrivesFigures) {
    const struct { uint16_t type; uint32_t compression; int norm; bool cropping; const char* shown; } cases[] = {
        {kPciBoard, 69, IDC_PAL, false, "14:3100 kB/s 18:1,7:1 19:3,4:1 20:6,9:1 15:384x288 16:384x576 17:768x576"},
        {kPciBoard, 5, IDC_PAL, true, "14:3100 kB/s 18:0,1:1 19:0,2:1 20:0,5:1 15:360x270 16:360x540 17:720x540"},
        {kIsaBoard, 0, IDC_NTSC, false, "14:3100 kB/s 18 19- 20- 15:320x240 16-:320x480 17-:640x480"},
        {kPciBoard, 69, IDC_NTSC, true, "14:3100 kB/s 18:1,7:1 19:3,4:1 20:6,9:1 15:304x228 16:304x456 17:608x456"},
    };
    for (const auto& c : cases) {
        Open(kPciInterface, c.type);
        driveTable.entry[0] = DriveEntry{1, 0, 3, 4000, 9000, 3100, c.compression, 0, 0};
        // The rate; the ratios and frame sizes of the quarter, half and full frame; the two drive rates
        CheckRadioButton(dialog_, IDC_PAL, IDC_NTSC, c.norm);
        CheckDlgButton(dialog_, IDC_TV_CROPPING, c.cropping ? BST_CHECKED : BST_UNCHECKED);
        Repaint();
        EXPECT_EQ(Describe({14, 18, 19, 20, 15, 16, 17, 203, 204}),
                  std::string(c.shown) + " 203:4000 kB/s 204:9000 kB/s");
    }
}

TEST_F(MainDialog, OptionCommandsSetTheOptionsAndReestimate) {
    Open(kNoBoardDriver);
    driveTable.entry[0] = DriveEntry{1, 0, 3, 3000, 4000, 0, 0, 0, 0};
    // Every audio button in turn, with the track recorded: its share of 21 kB/s becomes 43, 86, 172, 86, 21, 43,
    // 21, 10 and 21 again.
    CheckDlgButton(dialog_, IDC_AUDIO_RECORDING, BST_CHECKED);
    const struct { int id; uint32_t rate; } audio[] = {
        {IDC_RATE_44K, 1798}, {IDC_STEREO, 1676}, {IDC_SAMPLE_16, 1439}, {IDC_DMA_16, 1676}, {IDC_RATE_11K, 1862},
        {IDC_RATE_22K, 1798}, {IDC_MONO, 1862},   {IDC_SAMPLE_8, 1895},  {IDC_DMA_8, 1862},
    };
    for (const auto& a : audio) {
        EXPECT_EQ(Command(a.id), TRUE);
        EXPECT_EQ(driveTable.entry[0].reachableRate, a.rate) << a.id;
    }
    CheckDlgButton(dialog_, IDC_AUDIO_RECORDING, BST_UNCHECKED);
    for (const auto& [id, type, rate] : {std::make_tuple(IDC_ISA, kIsaBoard, 1000u), {IDC_PCI, kPciBoard, 1924u}}) {
        EXPECT_EQ(Command(id), TRUE); // estimated with the board's limits
        EXPECT_EQ(std::tie(captureOptions.boardType, driveTable.entry[0].reachableRate), std::tie(type, rate));
    }
    EXPECT_EQ(Command(IDCANCEL) + Command(999), FALSE); // Escape and what is not ours
    EXPECT_EQ(std::make_tuple(IsWindow(dialog_), recordedMessages.size()), std::make_tuple(TRUE, size_t{0}));

    // The estimate reads the norm, cropping and audio checks from the dialog.
    const struct { int id; bool checked; uint32_t compression; } checks[] = {
        {IDC_NTSC, true, 93}, {IDC_TV_CROPPING, true, 84}, {IDC_PAL, true, 98}, {IDC_TV_CROPPING, false, 112},
        {IDC_AUDIO_RECORDING, true, 116}, {IDC_AUDIO_RECORDING, false, 112}};
    for (const auto& c : checks) {
        if (c.id == IDC_PAL || c.id == IDC_NTSC) CheckRadioButton(dialog_, IDC_PAL, IDC_NTSC, c.id);
        else CheckDlgButton(dialog_, c.id, c.checked ? BST_CHECKED : BST_UNCHECKED);
        EXPECT_EQ(Command(c.id), TRUE);
        EXPECT_EQ(driveTable.entry[0].compression, c.compression) << c.id;
    }
}

TEST_F(MainDialog, SelectingADriveShowsItsResultsOrNone) {
    Open(kPciInterface);
    driveTable.entry[0] = DriveEntry{1, 0, 3, 3000, 4000, 0, 0, 0, 0};
    driveTable.entry[1] = DriveEntry{1, 0, 3, 6000, 8000, 0, 0, 0, 0};
    Select(1);
    EXPECT_EQ(Describe({14, 203}), "14:3100 kB/s 203:6000 kB/s"); // estimated: the rate, the write rate
    Select(0);
    EXPECT_EQ(Text(IDC_REACHABLE_RATE), "1924 kB/s");

    // The bar: the colour from the inner left edge, the background behind it.
    HWND bar = Control(IDC_WRITE_BAR);
    RECT client;
    GetClientRect(bar, &client);
    const LONG end = 1 + static_cast<LONG>(3000 / (8000 / (client.right - 3))), y = client.bottom / 2;
    const COLORREF colour = RGB(0, 192, 192);
    EXPECT_EQ(std::make_tuple(Pixel(bar, 1, y), Pixel(bar, end - 1, y)), std::make_tuple(colour, colour));
    EXPECT_NE(Pixel(bar, end + 1, y), colour);

    driveTable.entry[1].tested = 0;
    Select(1);
    // Rate, frame sizes and ratios emptied, the drive rates hidden
    EXPECT_EQ(Describe({14, 15, 16, 17, 18, 19, 20, 203, 204}),
              "14 15 16 17 18 19 20 203h:3000 kB/s 204h:4000 kB/s");
    EXPECT_NE(Pixel(bar, 1, y), colour); // the old bar is erased
}

TEST_F(MainDialog, StoreWritesTestedResultsOnly) {
    Open(kPciInterface);
    Select(1); // Z:, the prefix's second drive
    const std::string systemIni = WindowsFile("system.ini"), saved = systemIni + ".saved";
    const char *ini = systemIni.c_str(), *aside = saved.c_str();
    const struct { uint32_t tested; bool writable; const char* shown; int focus; } cases[] = {
        {0, true, "Hard disk not yet tested 0x30", IDC_START_TEST},
        {1, false, "Data rate could not be stored in SYSTEM.INI 0x10", IDC_STORE},
        {1, true, "", IDC_DRIVE_LIST},
    };
    for (const auto& c : cases) {
        driveTable.entry[1] = DriveEntry{c.tested, 0, 3, 3000, 4000, 1924, 112, 0, 0};
        // A SYSTEM.INI that cannot be written: a folder in its place.
        ASSERT_TRUE(c.writable || (MoveFileA(ini, aside) && CreateDirectoryA(ini, nullptr)));
        recordedMessages.clear();
        EXPECT_EQ(Command(IDC_STORE), FALSE);
        ASSERT_TRUE(c.writable || (RemoveDirectoryA(ini) && MoveFileA(aside, ini)));
        EXPECT_EQ(Shown(), c.shown);
        EXPECT_TRUE(HasFocus(c.focus)) << c.focus;
        EXPECT_EQ(runFlags.resultsStored, *c.shown != '\0' ? 0u : 1u);
    }
    char drive[8] = "";
    GetPrivateProfileStringA("velkCI.DLL", "CaptureDrive", "", drive, sizeof drive, "SYSTEM.INI");
    EXPECT_STREQ(drive, "Z:"); // the drive chosen
}

TEST_F(MainDialog, EndingTheSessionOrClosingDeletesTheTestFilesClosingAsksWhenTestedResultsWereNotStored) {
    const auto openWithTestFile = [&](uint16_t kind) {
        Open(kind);
        Repaint();
        std::ofstream(kTestFile) << "test";
        driveTable.entry[kDriveC].testFileCreated = 1;
    };
    // The session's end deletes the test files and nothing else. It, and the searches along the PATH at start,
    // run with the system's drive boxes off: an empty floppy or CD drive on the PATH, or a medium taken out after
    // its test, would otherwise stop the program with "There is no disk in the drive".
    SetErrorMode(0);
    fileCalls.clear();
    ThreeDControls controls;
    LoadThreeDControls(GetModuleHandleA(nullptr), controls);
    openWithTestFile(kPciInterface); // which loads the logo, as the probe at start reads it
    runFlags.testAttempted = 1;
    EXPECT_EQ(Send(WM_ENDSESSION, FALSE), TRUE);
    EXPECT_EQ(std::make_tuple(FileSize(kTestFile), IsWindowVisible(dialog_), recordedMessages.size()),
              std::make_tuple(int64_t{-1}, TRUE, size_t{0}));
    EXPECT_EQ(std::make_tuple(fileCalls, GetErrorMode()), // the boxes on again after each
              std::make_tuple("CTL3D.DLL, VELKLOGO.DIB, " + std::string(kTestFile), 0u));

    const struct { uint32_t stored, attempted; uint16_t kind; bool asks; } cases[] = {
        {0, 1, kPciInterface, true},   {0, 1, kIsaDriverOnly, true}, {1, 1, kPciInterface, false},
        {0, 0, kPciInterface, false},  {0, 1, kNoBoardDriver, false},
    };
    for (const auto& c : cases) {
        for (int answer : {IDNO, IDYES}) {
            openWithTestFile(c.kind);
            runFlags = RunFlags{c.stored, c.attempted};
            messageAnswer = answer;
            EXPECT_EQ(Command(IDC_CLOSE), TRUE);
            PumpMessages(); // the posted close
            const char* question = "Data rate for selected hard disk still not saved\nAbort program ? 0x2134";
            EXPECT_EQ(Shown(), c.asks ? question : "");
            const bool stays = c.asks && answer == IDNO;
            EXPECT_EQ(std::make_tuple(IsWindowVisible(dialog_) != FALSE, FileSize(kTestFile) != -1,
                                      HasFocus(IDC_STORE)),
                      std::make_tuple(stays, stays, stays)) << c.kind << ' ' << answer;
            EXPECT_EQ(helpCommands, std::vector<UINT>{HELP_QUIT});
        }
    }
}

TEST_F(MainDialog, StartTestMeasuresDriveCAndShowsItsResults) {
    for (uint16_t board : {uint16_t{kIsaBoard}, uint16_t{kPciBoard}}) { // the smaller file must replace the larger
        Open(kPciInterfaceWithIsaCodec, board);
        Select(kDriveC);
        LARGE_INTEGER start, end, frequency; // a clock of our own, to time the program's
        QueryPerformanceCounter(&start);
        EXPECT_EQ(Command(IDC_START_TEST), FALSE);
        QueryPerformanceCounter(&end);
        QueryPerformanceFrequency(&frequency);
        const uint64_t whole = (end.QuadPart - start.QuadPart) * 1000000 / frequency.QuadPart;
        EXPECT_EQ(FileSize(kTestFile), board == kPciBoard ? 20938752 : 20971520);
        const DriveEntry& entry = driveTable.entry[kDriveC];
        // The narrow layout's title, "Tarvex", gives way to the program caption after the phases.
        EXPECT_EQ(std::make_tuple(entry.tested, runFlags.testAttempted, HasFocus(IDC_STORE), TextOf(dialog_), Shown()),
                  std::make_tuple(1u, 1u, true, std::string("Tarvex (Durotest)"), std::string()));
        // A rate r stands for a phase longer than the numerator over r + 1, so both fit
        // in the whole test, and neither moved 20 MB faster than memory (100 GB/s).
        const uint64_t numerator = uint64_t{PlanFor(board).rateNumerator} * 1000;
        EXPECT_LT(numerator / (entry.writeRate + uint64_t{1}) + numerator / (entry.readRate + uint64_t{1}), whole);
        EXPECT_LT(std::max(entry.writeRate, entry.readRate), 100000000u) << entry.writeRate << ' ' << entry.readRate;
    }
    // Too little room now: refused with its message.
    driveTable.entry[kDriveC].freeBytes = 20971519;
    EXPECT_EQ(Command(IDC_START_TEST), TRUE);
    EXPECT_EQ(Shown(), "Not enough free hard disk space 0x30");
    DeleteFileA(kTestFile);
}

TEST_F(MainDialog, DrawsTheLogoInsideItsMarginAndErasesOnlyWhenMinimised) {
    struct Remove { ~Remove() { DeleteFileA("VELKLOGO.DIB"); } } remove; // or the program tests would find it
    const std::string data = FromEnvironment("TARVEX_TEST_DATA") + "\\", rle8 = ReadAll(data + "logo-rle8.dib");
    std::string noEndCode = rle8;
    noEndCode.back() = '\0'; // the end of bitmap becomes an end of line, past which the platform would draw
    // The top and bottom rows inside a margin of one pixel: our logo's darkest blue and lightest teal, also run-length
    // encoded at 8 bits; at 4 bits, whose ramp has 8 steps, its 8th and 120th colour; nothing without the end code.
    const COLORREF top = RGB(10, 30, 80), bottom = RGB(30, 160, 170), face = GetSysColor(COLOR_3DFACE);
    const struct { std::string logo; COLORREF top, bottom; } cases[] = {
        {ReadAll(FromEnvironment("TARVEX_LOGO")), top, bottom}, {rle8, top, bottom},
        {ReadAll(data + "logo-rle4.dib"), RGB(11, 38, 85), RGB(28, 152, 165)}, {noEndCode, face, face}};
    for (const auto& c : cases) {
        std::ofstream("VELKLOGO.DIB", std::ios::binary) << c.logo; // found here first
        Open(kPciInterface, kPciBoard, IDD_MAIN_WIDE);
        Repaint();
        Send(WM_PAINT); // a paint of the dialog alone, after which the frame does not draw itself again
        HWND frame = Control(IDC_LOGO_FRAME);
        RECT client;
        GetClientRect(frame, &client);
        const int right = client.right - 2, last = client.bottom - 2;
        EXPECT_EQ(std::make_tuple(Pixel(frame, 1, 1), Pixel(frame, right, last)), std::make_tuple(c.top, c.bottom));
        EXPECT_NE(Pixel(frame, 0, 1), c.top);
        EXPECT_NE(Pixel(frame, right, last + 1), c.bottom);
    }

    // The dialog's background is its own until it is minimised.
    HDC dc = GetDC(dialog_);
    SetPixel(dc, 0, 0, RGB(1, 2, 3));
    EXPECT_EQ(Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc)), FALSE);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(1, 2, 3));
    ShowWindow(dialog_, SW_MINIMIZE);
    EXPECT_EQ(Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc)), TRUE);
    ReleaseDC(dialog_, dc);
}

} // namespace
