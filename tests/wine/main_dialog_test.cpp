// The main dialog from the real wide template with the real procedure.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "../../app/main_dialog.h"
#include "../../app/program.h"
#include "../../resources/ids.h"
#include "dialog_harness.h"
#include "fake_help.h"
#include "fake_message_box.h"

namespace {

const char kTestFile[] = "C:\\VELKTRVX.DAT";

bool FileExists(const char* name) {
    return GetFileAttributesA(name) != INVALID_FILE_ATTRIBUTES;
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
        helpRequests.clear();
        messageAnswer = IDYES;
        dialog_.reset(new TestDialog(IDD_MAIN_WIDE, MainDialogProc));
        ASSERT_NE(dialog_->Handle(), nullptr);
    }
    void TearDown() override { dialog_.reset(); }

    LRESULT Send(UINT message, WPARAM wParam = 0) {
        return MainDialogProc(dialog_->Handle(), message, wParam, 0);
    }
    LRESULT Command(int id, int notification = 0) { return Send(WM_COMMAND, MAKEWPARAM(id, notification)); }
    // A drive tested with these figures, at a position of the drive list.
    void Tested(uint16_t slot, uint32_t writeRate, uint32_t readRate, uint32_t reachable, uint32_t compression) {
        DriveEntry& entry = driveTable.entry[slot];
        entry.tested = 1;
        entry.writeRate = writeRate;
        entry.readRate = readRate;
        entry.reachableRate = reachable;
        entry.compression = compression;
    }
    void Select(int position) {
        SendMessageA(dialog_->Control(IDC_DRIVE_LIST), CB_SETCURSEL, position, 0);
        Command(IDC_DRIVE_LIST, CBN_SELCHANGE);
    }
    void Repaint() {
        InvalidateRect(dialog_->Handle(), nullptr, TRUE);
        dialog_->Paint();
    }
    int DriveCount() { return static_cast<int>(SendMessageA(dialog_->Control(IDC_DRIVE_LIST), CB_GETCOUNT, 0, 0)); }

    std::unique_ptr<TestDialog> dialog_;
};

TEST_F(MainDialog, InitialisesFromTheOptionsAndTheBoardFound) {
    const struct {
        uint16_t kind, type;
        bool store, isa, pci;    // enabled
        bool isaChecked, pciChecked;
    } cases[] = {
        {kNoBoardDriver, kPciBoard, false, true, true, false, true},
        {kIsaDriverOnly, kIsaBoard, true, true, false, true, false},
        {kPciInterface, kPciBoard, true, false, true, false, true},
        {kPciInterfaceWithIsaCodec, kPciBoard, true, true, true, false, true},
        {kPciInterface, 0, true, false, true, false, false}, // no board type: neither checked
    };
    for (const auto& c : cases) {
        Open(c.kind, c.type);
        const TestDialog& d = *dialog_;
        EXPECT_EQ(d.Enabled(IDC_STORE), c.store) << c.kind;
        EXPECT_EQ(d.Enabled(IDC_ISA), c.isa) << c.kind;
        EXPECT_EQ(d.Enabled(IDC_PCI), c.pci) << c.kind;
        EXPECT_EQ(IsDlgButtonChecked(d.Handle(), IDC_ISA) == BST_CHECKED, c.isaChecked) << c.kind;
        EXPECT_EQ(IsDlgButtonChecked(d.Handle(), IDC_PCI) == BST_CHECKED, c.pciChecked) << c.kind;
        EXPECT_TRUE(d.Enabled(IDC_HELP_BUTTON));
        EXPECT_FALSE(d.Visible(IDC_MORE));
        for (int id : {IDC_PAL, IDC_RATE_22K, IDC_MONO, IDC_SAMPLE_8, IDC_DMA_8}) {
            EXPECT_EQ(IsDlgButtonChecked(d.Handle(), id), BST_CHECKED) << id;
        }
        for (int id : {IDC_NTSC, IDC_AUDIO_RECORDING, IDC_TV_CROPPING}) {
            EXPECT_EQ(IsDlgButtonChecked(d.Handle(), id), BST_UNCHECKED) << id;
        }
        EXPECT_GT(DriveCount(), 0);
        EXPECT_EQ(SendMessageA(d.Control(IDC_DRIVE_LIST), CB_GETCURSEL, 0, 0), 0);
        EXPECT_TRUE(d.HasFocus(IDC_CLOSE));
    }
}

TEST_F(MainDialog, ShowsTheSelectedDrivesFigures) {
    const struct {
        uint16_t type;
        uint32_t compression;
        int checked[2];
        const char *rate, *quarter, *half, *full, *sizes[3];
    } cases[] = {
        {kPciBoard, 69, {0, 0}, "3100 kB/s", "1,7:1", "3,4:1", "6,9:1", {"384x288", "384x576", "768x576"}},
        {kPciBoard, 5, {IDC_TV_CROPPING, 0}, "3100 kB/s", "0,1:1", "0,2:1", "0,5:1", {"360x270", "360x540", "720x540"}},
        {kIsaBoard, 0, {IDC_NTSC, 0}, "3100 kB/s", "", "", "", {"320x240", "320x480", "640x480"}},
        {kPciBoard, 69, {IDC_NTSC, IDC_TV_CROPPING}, "3100 kB/s", "1,7:1", "3,4:1", "6,9:1", {"304x228", "304x456", "608x456"}},
    };
    for (const auto& c : cases) {
        Open(kPciInterface, c.type);
        Tested(0, 4000, 9000, 3100, c.compression);
        for (int id : c.checked) {
            if (id == IDC_NTSC) CheckRadioButton(dialog_->Handle(), IDC_PAL, IDC_NTSC, IDC_NTSC);
            if (id == IDC_TV_CROPPING) CheckDlgButton(dialog_->Handle(), id, BST_CHECKED);
        }
        Repaint();
        const TestDialog& d = *dialog_;
        EXPECT_EQ(d.Text(IDC_REACHABLE_RATE), c.rate);
        EXPECT_EQ(d.Text(IDC_RATIO_QUARTER), c.quarter) << c.compression;
        EXPECT_EQ(d.Text(IDC_RATIO_HALF), c.half) << c.compression;
        EXPECT_EQ(d.Text(IDC_RATIO_FULL), c.full) << c.compression;
        EXPECT_EQ(d.Text(IDC_FRAME_QUARTER), c.sizes[0]);
        EXPECT_EQ(d.Text(IDC_FRAME_HALF), c.sizes[1]);
        EXPECT_EQ(d.Text(IDC_FRAME_FULL), c.sizes[2]);
        EXPECT_EQ(d.Text(IDC_WRITE_RATE), "4000 kB/s");
        EXPECT_EQ(d.Text(IDC_READ_RATE), "9000 kB/s");
        EXPECT_TRUE(d.Visible(IDC_WRITE_RATE) && d.Visible(IDC_READ_RATE));
        // Only the PCI board has the middle and right columns.
        const bool pci = c.type == kPciBoard;
        for (int id : {IDC_FRAME_HALF, IDC_FRAME_FULL, IDC_RATIO_HALF, IDC_RATIO_FULL}) EXPECT_EQ(d.Enabled(id), pci) << id;
        EXPECT_TRUE(d.Enabled(IDC_FRAME_QUARTER) && d.Enabled(IDC_RATIO_QUARTER));
    }
}

TEST_F(MainDialog, AudioControlsFollowTheAudioCheckBox) {
    Open(kPciInterface);
    const int audioControls[] = {IDC_RATE_11K, IDC_RATE_22K, IDC_RATE_44K, IDC_MONO, IDC_STEREO, IDC_SAMPLE_8,
                                 IDC_SAMPLE_16, IDC_DMA_8, IDC_DMA_16, IDC_AUDIO_CARD_LABEL};
    for (bool audio : {true, false}) {
        CheckDlgButton(dialog_->Handle(), IDC_AUDIO_RECORDING, audio ? BST_CHECKED : BST_UNCHECKED);
        EXPECT_EQ(Command(IDC_AUDIO_RECORDING), TRUE);
        Repaint();
        for (int id : audioControls) EXPECT_EQ(dialog_->Enabled(id), audio) << id;
    }
    EXPECT_EQ(IsDlgButtonChecked(dialog_->Handle(), IDC_RATE_22K), BST_CHECKED);
}

TEST_F(MainDialog, OptionCommandsSetTheOptionsAndReestimate) {
    Open(kNoBoardDriver);
    Tested(0, 3000, 4000, 0, 0);
    const struct {
        int id;
        uint16_t AudioSettings::*field;
        uint16_t value;
    } audio[] = {
        {IDC_RATE_44K, &AudioSettings::sampleRate, 2}, {IDC_RATE_11K, &AudioSettings::sampleRate, 0},
        {IDC_STEREO, &AudioSettings::channels, 1},     {IDC_SAMPLE_16, &AudioSettings::sampleWidth, 1},
        {IDC_DMA_16, &AudioSettings::dmaWidth, 1},     {IDC_DMA_8, &AudioSettings::dmaWidth, 0},
    };
    for (const auto& a : audio) {
        EXPECT_EQ(Command(a.id), TRUE);
        EXPECT_EQ(captureOptions.audio.*a.field, a.value) << a.id;
    }
    EXPECT_EQ(Command(IDC_ISA), TRUE);
    EXPECT_EQ(captureOptions.boardType, kIsaBoard);
    EXPECT_EQ(driveTable.entry[0].reachableRate, 1000u); // the ISA limits now
    EXPECT_EQ(Command(IDC_PCI), TRUE);
    EXPECT_EQ(captureOptions.boardType, kPciBoard);
    EXPECT_EQ(driveTable.entry[0].reachableRate, 1924u);
    EXPECT_EQ(Command(IDCANCEL), FALSE); // Escape
    EXPECT_EQ(Command(999), FALSE);
    EXPECT_TRUE(IsWindow(dialog_->Handle()));
    EXPECT_TRUE(recordedMessages.empty());
}

TEST_F(MainDialog, SelectingADriveShowsItsResultsOrNone) {
    Open(kPciInterface);
    ASSERT_GE(DriveCount(), 2);
    Tested(0, 3000, 4000, 0, 0);
    Tested(1, 6000, 8000, 0, 0);
    Select(1);
    Repaint();
    EXPECT_EQ(dialog_->Text(IDC_WRITE_RATE), "6000 kB/s");
    EXPECT_EQ(dialog_->Text(IDC_REACHABLE_RATE), "3100 kB/s"); // estimated on selection
    Select(0);
    Repaint();
    EXPECT_EQ(dialog_->Text(IDC_REACHABLE_RATE), "1924 kB/s");

    // A bar: the colour from the inner left edge, the background behind it.
    HWND bar = dialog_->Control(IDC_WRITE_BAR);
    RECT client;
    GetClientRect(bar, &client);
    const LONG middle = client.bottom / 2;
    const LONG end = 1 + static_cast<LONG>(3000 / (8000 / (client.right - 3)));
    HDC dc = GetDC(bar);
    EXPECT_EQ(GetPixel(dc, 1, middle), RGB(0, 192, 192));
    EXPECT_EQ(GetPixel(dc, end - 1, middle), RGB(0, 192, 192));
    EXPECT_NE(GetPixel(dc, end + 1, middle), RGB(0, 192, 192));
    ReleaseDC(bar, dc);

    driveTable.entry[1].tested = 0;
    Select(1);
    Repaint();
    for (int id : {IDC_REACHABLE_RATE, IDC_FRAME_QUARTER, IDC_FRAME_HALF, IDC_FRAME_FULL, IDC_RATIO_QUARTER,
                   IDC_RATIO_HALF, IDC_RATIO_FULL}) {
        EXPECT_EQ(dialog_->Text(id), "") << id;
    }
    EXPECT_FALSE(dialog_->Visible(IDC_WRITE_RATE) || dialog_->Visible(IDC_READ_RATE));
    dc = GetDC(bar);
    EXPECT_NE(GetPixel(dc, 1, middle), RGB(0, 192, 192)); // the old bar is erased
    ReleaseDC(bar, dc);
}

std::string WindowsFile(const char* name) {
    char folder[MAX_PATH];
    GetWindowsDirectoryA(folder, sizeof folder);
    return std::string(folder) + "\\" + name;
}

TEST_F(MainDialog, StoreWritesTestedResultsOnly) {
    Open(kPciInterface);
    dialog_->Paint();
    EXPECT_EQ(Command(IDC_STORE), FALSE);
    ASSERT_EQ(recordedMessages.size(), 1u);
    EXPECT_EQ(recordedMessages[0].text, "Hard disk not yet tested");
    EXPECT_EQ(recordedMessages[0].flags, static_cast<uint32_t>(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_TRUE(dialog_->HasFocus(IDC_START_TEST));
    EXPECT_EQ(runFlags.resultsStored, 0u);

    // A SYSTEM.INI that cannot be written: a folder in its place.
    const std::string systemIni = WindowsFile("system.ini");
    const std::string saved = systemIni + ".saved";
    Tested(0, 3000, 4000, 1924, 112);
    driveTable.entry[0].formatClass = 1;
    ASSERT_TRUE(MoveFileA(systemIni.c_str(), saved.c_str()));
    CreateDirectoryA(systemIni.c_str(), nullptr);
    recordedMessages.clear();
    EXPECT_EQ(Command(IDC_STORE), FALSE);
    RemoveDirectoryA(systemIni.c_str());
    ASSERT_TRUE(MoveFileA(saved.c_str(), systemIni.c_str()));
    ASSERT_EQ(recordedMessages.size(), 1u);
    EXPECT_EQ(recordedMessages[0].text, "Data rate could not be stored in SYSTEM.INI");
    EXPECT_EQ(recordedMessages[0].flags, static_cast<uint32_t>(MB_OK | MB_ICONHAND));
    EXPECT_TRUE(dialog_->HasFocus(IDC_STORE));
    EXPECT_EQ(runFlags.resultsStored, 0u);

    EXPECT_EQ(Command(IDC_STORE), FALSE);
    char value[16] = "";
    GetPrivateProfileStringA("velkCI.DLL", "DataRate", "", value, sizeof value, "SYSTEM.INI");
    EXPECT_STREQ(value, "1924");
    GetPrivateProfileStringA("velkCI.DLL", "DefCapFormat", "", value, sizeof value, "SYSTEM.INI");
    EXPECT_STREQ(value, "MID");
    GetPrivateProfileStringA("velkCI.DLL", "CaptureDrive", "", value, sizeof value, "SYSTEM.INI");
    EXPECT_STREQ(value, driveList.item[0].rootPath);
    EXPECT_TRUE(dialog_->HasFocus(IDC_DRIVE_LIST));
    EXPECT_EQ(runFlags.resultsStored, 1u);
    WritePrivateProfileStringA("velkCI.DLL", nullptr, nullptr, "SYSTEM.INI");
}

int SlotOfDriveC() {
    for (uint16_t i = 0; i < kDriveSlots; ++i) {
        if (std::string(driveList.item[i].rootPath) == "C:") return i;
    }
    return -1;
}

TEST_F(MainDialog, ClosingAsksOnlyWhenATestedResultWasNotStored) {
    const struct {
        uint32_t stored, attempted;
        uint16_t kind;
        bool asks;
    } cases[] = {
        {0, 1, kPciInterface, true},   {0, 1, kIsaDriverOnly, true}, {1, 1, kPciInterface, false},
        {0, 0, kPciInterface, false},  {0, 1, kNoBoardDriver, false},
    };
    for (const auto& c : cases) {
        for (int answer : {IDNO, IDYES}) {
            Open(c.kind);
            dialog_->Paint();
            const int slot = SlotOfDriveC();
            ASSERT_GE(slot, 0);
            std::ofstream(kTestFile) << "test";
            driveTable.entry[slot].testFileCreated = 1;
            runFlags = RunFlags{c.stored, c.attempted};
            messageAnswer = answer;

            EXPECT_EQ(Command(IDC_CLOSE), TRUE);
            PumpMessages(); // the posted close
            ASSERT_EQ(recordedMessages.size(), c.asks ? 1u : 0u) << c.kind;
            const bool stays = c.asks && answer == IDNO;
            if (c.asks) {
                EXPECT_EQ(recordedMessages[0].text, "Data rate for selected hard disk still not saved\nAbort program ?");
                EXPECT_EQ(recordedMessages[0].flags, 0x2134u);
            }
            EXPECT_EQ(IsWindowVisible(dialog_->Handle()) != FALSE, stays);
            EXPECT_EQ(FileExists(kTestFile), stays);
            if (stays) {
                EXPECT_TRUE(dialog_->HasFocus(IDC_STORE));
            }
            ASSERT_FALSE(helpRequests.empty());
            EXPECT_EQ(helpRequests[0].command, static_cast<UINT>(HELP_QUIT));
            DeleteFileA(kTestFile);
        }
    }
}

TEST_F(MainDialog, EndSessionDeletesTheTestFilesAndStaysOpen) {
    Open(kPciInterface);
    dialog_->Paint();
    const int c = SlotOfDriveC();
    ASSERT_GE(c, 0);
    std::ofstream(kTestFile) << "test";
    driveTable.entry[c].testFileCreated = 1;
    runFlags.testAttempted = 1;
    EXPECT_EQ(Send(WM_ENDSESSION, FALSE), TRUE);
    EXPECT_FALSE(FileExists(kTestFile));
    EXPECT_TRUE(IsWindowVisible(dialog_->Handle()));
    EXPECT_TRUE(recordedMessages.empty());
    EXPECT_EQ(Send(WM_QUERYDRAGICON), reinterpret_cast<LRESULT>(programIcon));
}

TEST_F(MainDialog, InfoAndMoreOpenTheirDialogsOwnedByTheMainDialog) {
    Open(kPciInterface);
    dialog_->Paint();
    for (int id : {IDC_INFO, IDC_MORE}) {
        static std::string caption;
        static HWND owner;
        OnNextModalDialog(
            [](HWND opened, HWND) {
                char text[80];
                GetWindowTextA(opened, text, sizeof text);
                caption = text;
                owner = GetWindow(opened, GW_OWNER);
            },
            dialog_->Handle(), IDC_CLOSE);
        EXPECT_EQ(Command(id), TRUE);
        EXPECT_EQ(caption, id == IDC_INFO ? "For your information" : "Tarvex - prozessor und memorytest");
        EXPECT_EQ(owner, dialog_->Handle());
    }
}

TEST_F(MainDialog, StartTestMeasuresDriveCAndShowsItsResults) {
    Open(kPciInterface);
    dialog_->Paint();
    const int c = SlotOfDriveC();
    ASSERT_GE(c, 0);
    Select(c);
    const std::vector<std::string>& captions = dialog_->Captions();
    EXPECT_EQ(Command(IDC_START_TEST), FALSE);
    PumpMessages();
    EXPECT_EQ(captions, (std::vector<std::string>{"Writing test file... wait", "Tarvex (Durotest)",
                                                  "Reading test file... wait", "Tarvex (Durotest)"}));
    EXPECT_EQ(driveTable.entry[c].tested, 1u);
    EXPECT_EQ(runFlags.testAttempted, 1u);
    EXPECT_TRUE(dialog_->HasFocus(IDC_STORE));
    dialog_->Paint();
    EXPECT_NE(dialog_->Text(IDC_REACHABLE_RATE).find(" kB/s"), std::string::npos);
    EXPECT_EQ(dialog_->Text(IDC_WRITE_RATE), std::to_string(driveTable.entry[c].writeRate) + " kB/s");
    EXPECT_TRUE(dialog_->Visible(IDC_READ_RATE));
    EXPECT_EQ(dialog_->Text(IDC_FRAME_FULL), "768x576");

    messageAnswer = IDYES;
    Send(WM_CLOSE);
    EXPECT_FALSE(FileExists(kTestFile));
}

} // namespace
