#include "three_d_controls.h"

#include <cstdint>

#include "../base/find_function_win32.h"
#include "../base/quiet_drive_errors_win32.h"

namespace {

const char kLibrary[] = "CTL3D.DLL";

} // namespace

void LoadThreeDControls(HINSTANCE instance, ThreeDControls& controls) {
    controls = ThreeDControls{};
    OFSTRUCT found;
    QuietDriveErrors quiet; // the search goes along the PATH, which may name an empty drive
    if (OpenFile(kLibrary, &found, OF_EXIST) == HFILE_ERROR) return;
    HMODULE library = LoadLibraryA(kLibrary);
    // Results below 32 are the error codes of the 16-bit loader.
    if (reinterpret_cast<uintptr_t>(library) < 32) return;
    controls.library = library;

    // The lookup stops at the first entry point that is missing.
    if ((controls.registerApp = FindFunction<ThreeDControlsEntry>(library, "Ctl3dRegister")) == nullptr) return;
    if ((controls.autoSubclass = FindFunction<ThreeDControlsEntry>(library, "Ctl3dAutoSubclass")) == nullptr) return;
    if ((controls.unregisterApp = FindFunction<ThreeDControlsEntry>(library, "Ctl3dUnregister")) == nullptr) return;
    controls.registerApp(instance);
    controls.autoSubclass(instance);
}

void UnloadThreeDControls(HINSTANCE instance, ThreeDControls& controls) {
    if (controls.library == nullptr) return;
    if (controls.unregisterApp != nullptr) controls.unregisterApp(instance);
    FreeLibrary(controls.library);
    controls = ThreeDControls{};
}
