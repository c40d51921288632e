#include "secondary_dialogs.h"

#include <initializer_list>

#include "../base/help_win32.h"
#include "../base/program_text_win32.h"
#include "../resources/ids.h"

namespace {

constexpr SIZE_T kTestBlockSize = 65536;

// A fixed global block, locked while it lives; freed whether or not the lock took.
class LockedBlock {
public:
    explicit LockedBlock(SIZE_T size) : handle_(GlobalAlloc(GMEM_FIXED, size)) {
        if (handle_ != nullptr) data_ = GlobalLock(handle_);
    }
    ~LockedBlock() {
        if (data_ != nullptr) GlobalUnlock(handle_);
        if (handle_ != nullptr) GlobalFree(handle_);
    }
    LockedBlock(const LockedBlock&) = delete;
    LockedBlock& operator=(const LockedBlock&) = delete;

    bool Held() const { return data_ != nullptr; }

private:
    HGLOBAL handle_;
    void* data_ = nullptr;
};

// The test only shows its three stages in the caption; it measures nothing.
void RunProcessorTest(HWND dialog) {
    const LockedBlock block(kTestBlockSize);
    if (!block.Held()) {
        ShowMessage(dialog, IDS_NO_MEMORY, MB_OK | MB_ICONHAND | MB_TASKMODAL);
        return;
    }
    for (uint16_t stage : {IDS_TESTING_CPU, IDS_TESTING_CACHE, IDS_TESTING_MEMORY}) {
        char caption[kCaptionSize];
        LoadText(stage, caption, sizeof caption);
        SetWindowTextA(dialog, caption);
    }
    SetWindowTextA(dialog, programCaption);
}

} // namespace

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message != WM_COMMAND) return FALSE;
    const WORD id = LOWORD(wParam);
    if (id != IDOK && id != IDCANCEL) return FALSE;
    EndDialog(dialog, 1);
    return TRUE;
}

INT_PTR CALLBACK ProcessorTestDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        EnableWindow(GetDlgItem(dialog, IDC_HELP_BUTTON), TRUE);
        return TRUE;
    }
    if (message != WM_COMMAND) return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK:
    case IDCANCEL:
        RequestHelp(dialog, HELP_QUIT);
        EndDialog(dialog, 1);
        return TRUE;
    case IDC_HELP_BUTTON:
        RequestHelp(dialog, HELP_INDEX);
        return TRUE;
    case IDC_START_TEST:
        RunProcessorTest(dialog);
        return TRUE;
    default:
        return FALSE;
    }
}
