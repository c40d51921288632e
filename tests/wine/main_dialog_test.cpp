// The main dialog and the processor test from their real templates with the real procedures.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <tuple>

#include "../../app/main_dialog.h"
#include "../../app/program.h"
#include "../../app/secondary_dialogs.h"
#include "../../bench/disk_test.h"
#include "../../logo/logo_win32.h"
#include "../../resources/ids.h"
#include "dialog_harness.h"

namespace {

const char kTestFile[] = "C:\\VELKTRVX.DAT";

int64_t FileSize(const char* name) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(name, GetFileExInfoStandard, &data)) return -1;
    return (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

COLORREF Pixel(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

class MainDialog : public testing::Test {
protected:
    // The process-wide state as start-up leaves it, with the board detection found.
    void Open(uint16_t boardKind, uint16_t boardType = kPciBoard) {
        LoadText(IDS_PROGRAM_CAPTION, programCaption, sizeof programCaption);
        captureOptions = CaptureOptions{0, boardType, {1, 0, 0, 0}};
        captureBoard = CaptureBoard{boardKind, kPciDefaultLimits};
        runFlags = RunFlags{};
        driveTable = DriveTable{};
        driveList = EmptyDriveList();
        recordedMessages.clear();
        helpCommands.clear();
        messageAnswer = IDYES;
        d_.reset(new TestDialog(IDD_MAIN_WIDE, MainDialogProc));
        ASSERT_NE(d_->Handle(), nullptr);
    }
    void TearDown() override { d_.reset(); }

    LRESULT Send(UINT message, WPARAM wParam = 0) { return MainDialogProc(d_->Handle(), message, wParam, 0); }
    LRESULT Command(int id, int notification = 0) { return Send(WM_COMMAND, MAKEWPARAM(id, notification)); }
    void Select(int position) {
        SendMessageA(d_->Control(IDC_DRIVE_LIST), CB_SETCURSEL, position, 0);
        Command(IDC_DRIVE_LIST, CBN_SELCHANGE);
        Repaint();
    }
    void Repaint() {
        InvalidateRect(d_->Handle(), nullptr, TRUE);
        d_->Paint();
    }
    // The messages shown since the dialog opened, as "text flags" one after the other.
    std::string Shown() const {
        std::string shown;
        for (const RecordedMessage& m : recordedMessages) {
            shown += m.text + ' ' + std::to_string(m.flags) + (m.owner == d_->Handle() ? "" : " not owned");
        }
        return shown;
    }

    std::unique_ptr<TestDialog> d_;
};

TEST_F(MainDialog, InitialisesFromTheOptionsAndTheBoardFound) {
    const struct { uint16_t kind, type; const char* boards; } cases[] = {
        {kNoBoardDriver, kPciBoard, "72- 400 401x"}, {kIsaDriverOnly, kIsaBoard, "72 400x 401-"},
        {kPciInterface, kPciBoard, "72 400- 401x"},  {kPciInterfaceWithIsaCodec, kPciBoard, "72 400 401x"},
        {kPciInterface, 0, "72 400- 401"}, // no board type: neither checked
    };
    for (const auto& c : cases) {
        Open(c.kind, c.type);
        EXPECT_EQ(d_->Describe({72, 400, 401, 70, 74, 83, 84, 417, 418, 409, 411, 415, 413}),
                  std::string(c.boards) + " 70 74h 83x 84 417 418 409x 411x 415x 413x") << c.kind;
        EXPECT_TRUE(SendMessageA(d_->Control(IDC_DRIVE_LIST), CB_GETCOUNT, 0, 0) > 0 &&
                    SendMessageA(d_->Control(IDC_DRIVE_LIST), CB_GETCURSEL, 0, 0) == 0 && d_->HasFocus(IDC_CLOSE));
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
        CheckRadioButton(d_->Handle(), IDC_PAL, IDC_NTSC, c.norm);
        CheckDlgButton(d_->Handle(), IDC_TV_CROPPING, c.cropping ? BST_CHECKED : BST_UNCHECKED);
        Repaint();
        EXPECT_EQ(d_->Describe({14, 18, 19, 20, 15, 16, 17, 203, 204}),
                  std::string(c.shown) + " 203:4000 kB/s 204:9000 kB/s");
    }
}

TEST_F(MainDialog, OptionCommandsSetTheOptionsAndReestimate) {
    Open(kNoBoardDriver);
    driveTable.entry[0] = DriveEntry{1, 0, 3, 3000, 4000, 0, 0, 0, 0};
    const struct { int id; uint16_t AudioSettings::*field; uint16_t value; } audio[] = {
        {IDC_RATE_44K, &AudioSettings::sampleRate, 2}, {IDC_RATE_11K, &AudioSettings::sampleRate, 0},
        {IDC_STEREO, &AudioSettings::channels, 1},     {IDC_SAMPLE_16, &AudioSettings::sampleWidth, 1},
        {IDC_DMA_16, &AudioSettings::dmaWidth, 1},     {IDC_DMA_8, &AudioSettings::dmaWidth, 0},
    };
    for (const auto& a : audio) {
        EXPECT_EQ(Command(a.id), TRUE);
        EXPECT_EQ(captureOptions.audio.*a.field, a.value) << a.id;
    }
    for (const auto& [id, type, rate] : {std::make_tuple(IDC_ISA, kIsaBoard, 1000u), {IDC_PCI, kPciBoard, 1924u}}) {
        EXPECT_EQ(Command(id), TRUE);
        EXPECT_EQ(captureOptions.boardType, type);
        EXPECT_EQ(driveTable.entry[0].reachableRate, rate); // estimated with the board's limits
    }
    EXPECT_EQ(Command(IDCANCEL) + Command(999), FALSE); // Escape and what is not ours
    EXPECT_TRUE(IsWindow(d_->Handle()) && recordedMessages.empty());

    // The estimate reads the norm, cropping and audio checks from the dialog; audio's settings grey without it.
    const struct { int id; bool checked; uint32_t compression; } checks[] = {
        {IDC_NTSC, true, 93}, {IDC_TV_CROPPING, true, 84}, {IDC_PAL, true, 98}, {IDC_TV_CROPPING, false, 112},
        {IDC_AUDIO_RECORDING, true, 120}, {IDC_AUDIO_RECORDING, false, 112}};
    for (const auto& c : checks) {
        if (c.id == IDC_PAL || c.id == IDC_NTSC) CheckRadioButton(d_->Handle(), IDC_PAL, IDC_NTSC, c.id);
        else CheckDlgButton(d_->Handle(), c.id, c.checked ? BST_CHECKED : BST_UNCHECKED);
        EXPECT_EQ(Command(c.id), TRUE);
        EXPECT_EQ(driveTable.entry[0].compression, c.compression) << c.id;
        Repaint();
        EXPECT_EQ(d_->Describe({408, 409, 410, 411, 412, 415, 416, 413, 414, 419}),
                  c.id == IDC_AUDIO_RECORDING && c.checked
                      ? "408 409x 410 411x 412 415x 416 413x 414 419:Audio cardtype:"
                      : "408- 409x- 410- 411x- 412- 415x- 416- 413x- 414- 419-:Audio cardtype:");
    }
}

TEST_F(MainDialog, SelectingADriveShowsItsResultsOrNone) {
    Open(kPciInterface);
    ASSERT_GE(SendMessageA(d_->Control(IDC_DRIVE_LIST), CB_GETCOUNT, 0, 0), 2);
    driveTable.entry[0] = DriveEntry{1, 0, 3, 3000, 4000, 0, 0, 0, 0};
    driveTable.entry[1] = DriveEntry{1, 0, 3, 6000, 8000, 0, 0, 0, 0};
    Select(1);
    EXPECT_EQ(d_->Describe({14, 203}), "14:3100 kB/s 203:6000 kB/s"); // estimated
    Select(0);
    EXPECT_EQ(d_->Text(IDC_REACHABLE_RATE), "1924 kB/s");

    // The bar: the colour from the inner left edge, the background behind it.
    HWND bar = d_->Control(IDC_WRITE_BAR);
    RECT client;
    GetClientRect(bar, &client);
    const LONG end = 1 + static_cast<LONG>(3000 / (8000 / (client.right - 3))), y = client.bottom / 2;
    const COLORREF colour = RGB(0, 192, 192);
    EXPECT_TRUE(Pixel(bar, 1, y) == colour && Pixel(bar, end - 1, y) == colour && Pixel(bar, end + 1, y) != colour);

    driveTable.entry[1].tested = 0;
    Select(1);
    EXPECT_EQ(d_->Describe({14, 15, 16, 17, 18, 19, 20, 203, 204}),
              "14 15 16 17 18 19 20 203h:3000 kB/s 204h:4000 kB/s");
    EXPECT_NE(Pixel(bar, 1, y), colour); // the old bar is erased
}

TEST_F(MainDialog, StoreWritesTestedResultsOnly) {
    Open(kPciInterface);
    d_->Paint();
    const std::string systemIni = WindowsFile("system.ini"), saved = systemIni + ".saved";
    const char *ini = systemIni.c_str(), *aside = saved.c_str();
    const struct { uint32_t tested; bool writable; const char* shown; int focus; } cases[] = {
        {0, true, "Hard disk not yet tested 48", IDC_START_TEST},
        {1, false, "Data rate could not be stored in SYSTEM.INI 16", IDC_STORE},
        {1, true, "", IDC_DRIVE_LIST},
    };
    for (const auto& c : cases) {
        driveTable.entry[0] = DriveEntry{c.tested, 0, 3, 3000, 4000, 1924, 112, 0, 0};
        // A SYSTEM.INI that cannot be written: a folder in its place.
        ASSERT_TRUE(c.writable || (MoveFileA(ini, aside) && CreateDirectoryA(ini, nullptr)));
        recordedMessages.clear();
        EXPECT_EQ(Command(IDC_STORE), FALSE);
        ASSERT_TRUE(c.writable || (RemoveDirectoryA(ini) && MoveFileA(aside, ini)));
        EXPECT_EQ(Shown(), c.shown);
        EXPECT_TRUE(d_->HasFocus(c.focus)) << c.focus;
        EXPECT_EQ(runFlags.resultsStored, *c.shown != '\0' ? 0u : 1u);
    }
    WritePrivateProfileStringA("velkCI.DLL", nullptr, nullptr, "SYSTEM.INI");
}

TEST_F(MainDialog, EndingTheSessionOrClosingDeletesTheTestFilesClosingAsksWhenTestedResultsWereNotStored) {
    const auto openWithTestFile = [&](uint16_t kind) {
        Open(kind);
        d_->Paint();
        std::ofstream(kTestFile) << "test";
        driveTable.entry[SlotOfDriveC()].testFileCreated = 1;
    };
    // The session's end deletes the test files and nothing else.
    openWithTestFile(kPciInterface);
    runFlags.testAttempted = 1;
    EXPECT_EQ(Send(WM_ENDSESSION, FALSE), TRUE);
    EXPECT_TRUE(FileSize(kTestFile) == -1 && IsWindowVisible(d_->Handle()) && recordedMessages.empty());
    EXPECT_EQ(Send(WM_QUERYDRAGICON), reinterpret_cast<LRESULT>(programIcon));

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
            EXPECT_EQ(Shown(), c.asks ? "Data rate for selected hard disk still not saved\nAbort program ? 8500" : "");
            const bool stays = c.asks && answer == IDNO;
            EXPECT_EQ(std::make_tuple(IsWindowVisible(d_->Handle()) != FALSE, FileSize(kTestFile) != -1,
                                      d_->HasFocus(IDC_STORE)),
                      std::make_tuple(stays, stays, stays)) << c.kind << ' ' << answer;
            EXPECT_EQ(helpCommands, std::vector<UINT>{HELP_QUIT});
            DeleteFileA(kTestFile);
        }
    }
}

TEST_F(MainDialog, StartTestMeasuresDriveCAndShowsItsResults) {
    const int c = SlotOfDriveC();
    for (uint16_t board : {uint16_t{kIsaBoard}, uint16_t{kPciBoard}}) { // the smaller file must replace the larger
        Open(kPciInterfaceWithIsaCodec, board);
        d_->Paint();
        Select(c);
        const std::vector<std::string>& captions = d_->Captions();
        LARGE_INTEGER start, end, frequency; // a clock of our own, to time the program's
        QueryPerformanceCounter(&start);
        EXPECT_EQ(Command(IDC_START_TEST), FALSE);
        QueryPerformanceCounter(&end);
        QueryPerformanceFrequency(&frequency);
        const uint64_t whole = (end.QuadPart - start.QuadPart) * 1000000 / frequency.QuadPart;
        EXPECT_EQ(captions, (std::vector<std::string>{"Writing test file... wait", "Tarvex (Durotest)",
                                                      "Reading test file... wait", "Tarvex (Durotest)"}));
        EXPECT_EQ(FileSize(kTestFile), board == kPciBoard ? 20938752 : 20971520);
        const DriveEntry& entry = driveTable.entry[c];
        EXPECT_TRUE(entry.tested + runFlags.testAttempted == 2 && d_->HasFocus(IDC_STORE) && recordedMessages.empty());
        d_->Paint();
        EXPECT_EQ(d_->Text(IDC_WRITE_RATE), std::to_string(entry.writeRate) + " kB/s");
        // A rate r stands for a phase longer than the numerator over r + 1, so both fit
        // in the whole test, and neither moved 20 MB faster than memory (100 GB/s).
        const uint64_t numerator = uint64_t{PlanFor(board).rateNumerator} * 1000;
        EXPECT_LT(numerator / (entry.writeRate + uint64_t{1}) + numerator / (entry.readRate + uint64_t{1}), whole);
        EXPECT_LT(std::max(entry.writeRate, entry.readRate), 100000000u) << entry.writeRate << ' ' << entry.readRate;
    }
    // Too little room now: refused with its message.
    driveTable.entry[c].freeBytes = 20971519;
    EXPECT_EQ(Command(IDC_START_TEST), TRUE);
    EXPECT_EQ(Shown(), "Not enough free hard disk space 48");
    Send(WM_CLOSE);
    EXPECT_EQ(FileSize(kTestFile), -1);
    const std::vector<std::string>& captions = d_->Captions();
    EXPECT_EQ(std::vector<std::string>(captions.end() - 2, captions.end()),
              (std::vector<std::string>{"Deleting created files...", "Tarvex (Durotest)"}));
}

TEST_F(MainDialog, DrawsTheLogoInsideItsMarginReleasesItAndErasesOnlyWhenMinimised) {
    ASSERT_TRUE(CopyFileA(FromEnvironment("TARVEX_LOGO").c_str(), "VELKLOGO.DIB", FALSE)); // found here first
    struct Remove { ~Remove() { DeleteFileA("VELKLOGO.DIB"); } } remove; // or the program tests would find it
    // The logo's top row is its darkest blue, its bottom row its lightest teal.
    const COLORREF top = RGB(10, 30, 80), bottom = RGB(30, 160, 170);
    for (HMODULE threeD : {HMODULE{}, GetModuleHandleA(nullptr)}) {
        threeDControls.library = threeD; // the margin is wider with the 3-D controls
        Open(kPciInterface);
        Repaint();
        HWND frame = d_->Control(IDC_LOGO_FRAME);
        RECT client;
        GetClientRect(frame, &client);
        const int in = threeD ? 2 : 1, right = client.right - 1 - in, last = client.bottom - 1 - in;
        EXPECT_TRUE(Pixel(frame, in, in) == top && Pixel(frame, right, last) == bottom) << threeD;
        EXPECT_TRUE(Pixel(frame, in - 1, in) != top && Pixel(frame, right, last + 1) != bottom) << threeD;

        // The dialog's background is its own until it is minimised.
        HDC dc = GetDC(d_->Handle());
        SetPixel(dc, 0, 0, RGB(1, 2, 3));
        EXPECT_EQ(Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc)), FALSE);
        EXPECT_EQ(GetPixel(dc, 0, 0), RGB(1, 2, 3));
        ShowWindow(d_->Handle(), SW_MINIMIZE);
        EXPECT_EQ(Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc)), TRUE);
        ReleaseDC(d_->Handle(), dc);

        const LogoState objects = logoState;
        HGDIOBJ bitmap = GetCurrentObject(objects.memoryDc, OBJ_BITMAP);
        d_.reset();
        EXPECT_EQ(GetObjectType(bitmap) + GetObjectType(objects.palette) + GetObjectType(objects.memoryDc), 0u);
    }
    threeDControls.library = nullptr;
}

TEST(ProcessorTestDialog, StartShowsItsStagesAndEndsWithTheProgramCaption) {
    LoadText(IDS_PROGRAM_CAPTION, programCaption, sizeof programCaption);
    TestDialog test(IDD_PROCESSOR_TEST, ProcessorTestDialogProc);
    EXPECT_TRUE(test.Enabled(IDC_HELP_BUTTON));
    recordedMessages.clear();
    const std::vector<std::string>& captions = test.Captions();
    EXPECT_EQ(ProcessorTestDialogProc(test.Handle(), WM_COMMAND, IDC_START_TEST, 0), TRUE);
    EXPECT_EQ(captions, (std::vector<std::string>{"Testing CPU speed...", "Testing bandwidth 2nd level cache...",
                                                  "Testing memory bandwidth...", "Tarvex (Durotest)"}));
    EXPECT_TRUE(recordedMessages.empty());
}

} // namespace
