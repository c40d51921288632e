#include "estimate_win32.h"

#include "../resources/ids.h"

void EstimateDataRate(HWND dialog, DriveEntry& entry, const CaptureOptions& options, CaptureBoard& board) {
    const EstimateChecks checks{IsDlgButtonChecked(dialog, IDC_NTSC) == BST_CHECKED,
                                IsDlgButtonChecked(dialog, IDC_AUDIO_RECORDING) == BST_CHECKED,
                                IsDlgButtonChecked(dialog, IDC_TV_CROPPING) == BST_CHECKED};
    EstimateDataRate(entry, checks, options, board);
}
