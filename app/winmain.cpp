// Start-up and shutdown: the little state everything else needs, then the main
// dialog, whose message loop is the program's only one.
#include <windows.h>

#include "../base/find_function_win32.h"
#include "../config/capture_config_win32.h"
#include "../logo/logo_win32.h"
#include "../resources/ids.h"
#include "main_dialog.h"
#include "program.h"
#include "result_figures.h"

namespace {

// From Windows XP on, a window that handles no message for five seconds gives way
// to a ghost that offers to end the program; a test phase on a slow drive holds
// the dialog longer than that, and ending it would leave the test file behind.
// Windows 95 to 2000 have no ghosts and no such function, so it is looked up.
void TurnOffGhosting() {
    using Disable = void(WINAPI*)();
    const auto disable = FindFunction<Disable>(GetModuleHandleA("USER32.DLL"), "DisableProcessWindowsGhosting");
    if (disable != nullptr) disable();
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    programIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROGRAM));
    if (programIcon == nullptr) return 255;
    LoadText(IDS_PROGRAM_CAPTION, programCaption, sizeof programCaption);
    captureOptions.videoNorm = VideoNormFromCountry();

    if (!VersionIsSupported(GetVersion())) {
        ShowMessage(nullptr, IDS_NEED_WINDOWS_95, MB_ICONHAND | MB_TASKMODAL);
        return 0;
    }
    runFlags = RunFlags{};
    TurnOffGhosting();
    DetectCaptureBoard(captureOptions, captureBoard);
    LoadThreeDControls(instance, threeDControls);

    const int mainTemplate = ProbeLogo() ? IDD_MAIN_WIDE : IDD_MAIN_NARROW;
    const INT_PTR result = DialogBoxParamA(instance, MAKEINTRESOURCEA(mainTemplate), nullptr, MainDialogProc, 0);
    if (LOWORD(result) == 0xFFFF) ShowMessage(nullptr, IDS_NO_MEMORY, MB_ICONHAND | MB_TASKMODAL);

    UnloadThreeDControls(instance, threeDControls);
    return 0;
}
