// The estimate reads the norm, audio and cropping checks from the dialog.
#include <gtest/gtest.h>

#include "../../app/program.h"
#include "../../bench/estimate_win32.h"
#include "../../resources/ids.h"

namespace {

class CheckBoxes {
public:
    CheckBoxes() {
        window_ = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr, nullptr,
                                  nullptr);
        for (int id : {IDC_NTSC, IDC_AUDIO_RECORDING, IDC_TV_CROPPING}) {
            CreateWindowExA(0, "BUTTON", "", WS_CHILD | BS_AUTOCHECKBOX, 0, 0, 10, 10, window_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
        }
    }
    ~CheckBoxes() { DestroyWindow(window_); }
    HWND Window() const { return window_; }
    void Check(int id) { CheckDlgButton(window_, id, BST_CHECKED); }

private:
    HWND window_;
};

TEST(EstimateDataRate, TakesNormAudioAndCroppingFromTheDialog) {
    const struct {
        int checked[2];
        uint32_t reachableRate;
        uint32_t compression;
    } cases[] = {
        {{0, 0}, 1924, 112},                   // PAL/SECAM
        {{IDC_NTSC, 0}, 1924, 93},             // NTSC
        {{IDC_TV_CROPPING, 0}, 1924, 98},      // PAL/SECAM cropped
        {{IDC_NTSC, IDC_TV_CROPPING}, 1924, 84},
        {{IDC_AUDIO_RECORDING, 0}, 1439, 150}, // PAL/SECAM with the loudest audio
    };
    for (const auto& c : cases) {
        CheckBoxes boxes;
        for (int id : c.checked) {
            if (id != 0) boxes.Check(id);
        }
        captureOptions = CaptureOptions{0, kPciBoard, {2, 1, 1, 0}};
        captureBoard = CaptureBoard{kPciInterface, kPciDefaultLimits};
        driveTable.entry[4] = DriveEntry{};
        driveTable.entry[4].tested = 1;
        driveTable.entry[4].writeRate = 3000;
        driveTable.entry[4].readRate = 4000;

        EstimateDataRate(boxes.Window(), driveTable.entry[4], captureOptions, captureBoard);
        EXPECT_EQ(driveTable.entry[4].reachableRate, c.reachableRate);
        EXPECT_EQ(driveTable.entry[4].compression, c.compression);
    }
    driveTable.entry[4] = DriveEntry{};
}

} // namespace
