// The drive table and the disk test against the Wine prefix's drive C:.
// Never Z:, which is the root of the Linux file system.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "../../app/program.h"
#include "../../bench/disk_test_win32.h"
#include "../../bench/drive_table_win32.h"
#include "../../resources/ids.h"
#include "dialog_harness.h"

namespace {

// The process-wide table as a fresh start of the program fills it.
uint16_t FilledCount() {
    LoadText(IDS_PROGRAM_CAPTION, programCaption, sizeof programCaption);
    driveTable = DriveTable{};
    driveList = EmptyDriveList();
    return FillDriveTable(nullptr, driveTable, driveList);
}

TEST(FillDriveTable, ListsDriveCWithItsSizesAndTheComboHoldsTheList) {
    const uint16_t count = FilledCount();
    const int c = SlotOfDriveC();
    ASSERT_GE(c, 0);
    ULARGE_INTEGER available, total;
    ASSERT_TRUE(GetDiskFreeSpaceExA("C:\\", &available, &total, nullptr));
    const DriveEntry& entry = driveTable.entry[c];
    EXPECT_EQ(entry.driveType, static_cast<uint32_t>(DRIVE_FIXED));
    // Free space moves a little while other programs work: allow 64 MB.
    EXPECT_NEAR(static_cast<double>(entry.freeBytes), static_cast<double>(available.QuadPart), 64.0 * (1 << 20));
    const std::string text = driveList.item[c].text;
    const std::string sizes = "MB free of " + std::to_string(total.QuadPart >> 20) + "MB";
    EXPECT_NE(text.find("(C:) " + std::to_string(entry.freeBytes >> 20) + sizes), std::string::npos) << text;
    EXPECT_EQ(FillDriveTable(nullptr, driveTable, driveList), 0);

    TestDialog dialog(IDD_MAIN_WIDE, InertDialogProc);
    EXPECT_EQ(GetSelectedDriveKey(dialog.Handle(), IDC_DRIVE_LIST, driveList), 0); // an empty combo
    EXPECT_EQ(FillDriveCombo(dialog.Handle(), IDC_DRIVE_LIST, driveList, count, 0), 0u);
    ASSERT_EQ(SendDlgItemMessageA(dialog.Handle(), IDC_DRIVE_LIST, CB_GETCOUNT, 0, 0), count);
    for (uint16_t i = 0; i < count; ++i) {
        char shown[kDriveTextSize];
        SendDlgItemMessageA(dialog.Handle(), IDC_DRIVE_LIST, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(shown));
        EXPECT_STREQ(shown, driveList.item[i].text);
    }
    SendDlgItemMessageA(dialog.Handle(), IDC_DRIVE_LIST, CB_SETCURSEL, count - 1, 0);
    EXPECT_EQ(GetSelectedDriveKey(dialog.Handle(), IDC_DRIVE_LIST, driveList), count - 1);
}

TEST(PerformanceClock, CountsMicrosecondsFinerThanTheTick) {
    PerformanceClock clock;
    const uint64_t start = clock.Microseconds();
    Sleep(20);
    const uint64_t slept = clock.Microseconds() - start;
    EXPECT_TRUE(slept >= 15000 && slept < 2000000) << slept;
    uint64_t finest = UINT64_MAX;
    for (int step = 0; step < 100; ++step) {
        const uint64_t before = clock.Microseconds();
        uint64_t after;
        while ((after = clock.Microseconds()) == before) {}
        finest = std::min(finest, after - before);
    }
    EXPECT_LT(finest, 1000u);
}

} // namespace
