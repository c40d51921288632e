#include "estimate_win32.h"

#include "../app/program.h"
#include "../resources/ids.h"
#include "estimate.h"

void EstimateDataRate(HWND dialog, uint16_t index) {
    if (index >= kDriveSlots) return;
    const EstimateChecks checks{IsDlgButtonChecked(dialog, IDC_NTSC) == BST_CHECKED,
                                IsDlgButtonChecked(dialog, IDC_AUDIO_RECORDING) == BST_CHECKED,
                                IsDlgButtonChecked(dialog, IDC_TV_CROPPING) == BST_CHECKED};
    EstimateDataRate(driveTable.entry[index], checks, captureOptions, captureBoard);
}
