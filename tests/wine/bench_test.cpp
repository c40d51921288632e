// The drive table and the disk test against the Wine prefix's drive C:.
// Never Z:, which is the root of the Linux file system.
#include <gtest/gtest.h>

#include <string>

#include "../../app/program.h"
#include "../../bench/disk_test_win32.h"
#include "../../bench/drive_table_win32.h"
#include "../../resources/ids.h"
#include "fake_message_box.h"

namespace {

constexpr int kDriveCombo = 12;
const char kTestFile[] = "C:\\VELKTRVX.DAT";

// The process-wide table as a fresh start of the program fills it.
uint16_t FilledCount() {
    LoadText(IDS_PROGRAM_CAPTION, programCaption, sizeof programCaption);
    driveTable = DriveTable{};
    driveList = EmptyDriveList();
    return FillDriveTable(nullptr, driveTable, driveList);
}

int SlotOfDriveC() {
    const uint16_t count = FilledCount();
    for (uint16_t i = 0; i < count; ++i) {
        if (std::string(driveList.item[i].rootPath) == "C:") return i;
    }
    return -1;
}

int64_t FileSize(const char* name) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(name, GetFileExInfoStandard, &data)) return -1;
    return (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// A top-level window with the drive combo box, standing in for the main dialog.
class Window {
public:
    Window() {
        handle_ = CreateWindowExA(0, "STATIC", "Tarvex (Durotest)", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                                  nullptr, nullptr, nullptr);
        CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 10, 10, 200, 100, handle_,
                        reinterpret_cast<HMENU>(kDriveCombo), nullptr, nullptr);
    }
    ~Window() { DestroyWindow(handle_); }
    HWND Handle() const { return handle_; }
    std::string Caption() const {
        char caption[100];
        GetWindowTextA(handle_, caption, sizeof caption);
        return caption;
    }

private:
    HWND handle_;
};

TEST(FillDriveTable, ListsDriveCWithItsSizes) {
    const int c = SlotOfDriveC();
    ASSERT_GE(c, 0);
    ULARGE_INTEGER available;
    ULARGE_INTEGER total;
    ASSERT_TRUE(GetDiskFreeSpaceExA("C:\\", &available, &total, nullptr));
    const DriveEntry& entry = driveTable.entry[c];
    EXPECT_EQ(entry.driveType, static_cast<uint32_t>(DRIVE_FIXED));
    // Free space moves a little while other programs work: allow 64 MB.
    EXPECT_NEAR(static_cast<double>(entry.freeBytes), static_cast<double>(available.QuadPart), 64.0 * (1 << 20));

    const std::string text = driveList.item[c].text;
    const std::string sizes = " free of " + std::to_string(total.QuadPart >> 20) + "MB";
    EXPECT_NE(text.find("(C:) " + std::to_string(entry.freeBytes >> 20) + "MB" + sizes), std::string::npos) << text;
    EXPECT_EQ(FillDriveTable(nullptr, driveTable, driveList), 0);
}

TEST(DriveCombo, HoldsTheListInOrderAndAnswersTheSelectedKey) {
    Window window;
    const uint16_t count = FilledCount();
    ASSERT_GT(count, 0);
    EXPECT_EQ(FillDriveCombo(window.Handle(), kDriveCombo, driveList, count, 0), 0u);
    ASSERT_EQ(SendDlgItemMessageA(window.Handle(), kDriveCombo, CB_GETCOUNT, 0, 0), count);
    for (uint16_t i = 0; i < count; ++i) {
        char text[kDriveTextSize];
        SendDlgItemMessageA(window.Handle(), kDriveCombo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(text, driveList.item[i].text);
    }
    EXPECT_EQ(GetSelectedDriveKey(window.Handle(), kDriveCombo, driveList), 0);
    SendDlgItemMessageA(window.Handle(), kDriveCombo, CB_SETCURSEL, count - 1, 0);
    EXPECT_EQ(GetSelectedDriveKey(window.Handle(), kDriveCombo, driveList), count - 1);
}

TEST(DriveCombo, EmptyComboAnswersItemZerosKey) {
    Window window;
    EXPECT_EQ(GetSelectedDriveKey(window.Handle(), kDriveCombo, driveList), 0);
}

TEST(RunDiskTest, WritesTheTestFileOnDriveCThenDeleteTestFilesRemovesIt) {
    const int c = SlotOfDriveC();
    ASSERT_GE(c, 0);
    Window window;
    recordedMessages.clear();
    for (uint16_t board : {uint16_t{kPciBoard}, uint16_t{kIsaBoard}}) {
        captureOptions.boardType = board;
        ASSERT_EQ(RunDiskTest(window.Handle(), driveTable.entry[c], driveList.item[c], board, runFlags.testAttempted), 1);
        EXPECT_EQ(FileSize(kTestFile), board == kPciBoard ? 20938752 : 20971520);
        EXPECT_GT(driveTable.entry[c].writeRate, 0u);
        EXPECT_GT(driveTable.entry[c].readRate, 0u);
        EXPECT_EQ(window.Caption(), "Tarvex (Durotest)");
    }
    EXPECT_TRUE(recordedMessages.empty());
    EXPECT_EQ(driveTable.entry[c].tested, 1u);
    EXPECT_EQ(runFlags.testAttempted, 1u);

    DeleteTestFiles(window.Handle(), driveTable, driveList);
    EXPECT_EQ(FileSize(kTestFile), -1);
    EXPECT_EQ(window.Caption(), "Tarvex (Durotest)");
}

TEST(RunDiskTest, RefusesADriveWithoutRoomWithItsMessage) {
    const int c = SlotOfDriveC();
    ASSERT_GE(c, 0);
    Window window;
    recordedMessages.clear();
    const DriveEntry saved = driveTable.entry[c];
    driveTable.entry[c].freeBytes = 20971519;

    EXPECT_EQ(RunDiskTest(window.Handle(), driveTable.entry[c], driveList.item[c], kPciBoard, runFlags.testAttempted), 0);
    ASSERT_EQ(recordedMessages.size(), 1u);
    EXPECT_EQ(recordedMessages[0].text, "Not enough free hard disk space");
    EXPECT_EQ(recordedMessages[0].flags, static_cast<uint32_t>(MB_OK | MB_ICONEXCLAMATION));
    EXPECT_EQ(recordedMessages[0].owner, window.Handle());
    driveTable.entry[c] = saved;
}

} // namespace
