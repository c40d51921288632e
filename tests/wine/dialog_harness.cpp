#include "dialog_harness.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "../../app/program.h"
#include "../../base/help_win32.h"

namespace {

WNDPROC originalProcedure;
std::vector<std::string> captions;

} // namespace

TestDialog::TestDialog(int templateId, DLGPROC procedure)
    : dialog_(CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), nullptr, procedure, 0)) {}

TestDialog::~TestDialog() {
    if (originalProcedure != nullptr) {
        SetWindowLongPtrA(dialog_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalProcedure));
        originalProcedure = nullptr;
    }
    DestroyWindow(dialog_);
    PumpMessages();
}

std::string TestDialog::Text(int id) const {
    char text[256] = "";
    GetDlgItemTextA(dialog_, id, text, sizeof text);
    return text;
}

std::string TestDialog::Describe(std::initializer_list<int> ids) const {
    std::string states;
    for (int id : ids) {
        states += (states.empty() ? "" : " ") + std::to_string(id) + (IsDlgButtonChecked(dialog_, id) ? "x" : "") +
                  (Enabled(id) ? "" : "-") + (GetWindowLongA(Control(id), GWL_STYLE) & WS_VISIBLE ? "" : "h");
        char kind[8] = "";
        GetClassNameA(Control(id), kind, sizeof kind);
        if (lstrcmpiA(kind, "Static") == 0 && !Text(id).empty()) states += ":" + Text(id);
    }
    return states;
}

void TestDialog::Paint() {
    ShowWindow(dialog_, SW_SHOWNORMAL);
    UpdateWindow(dialog_);
    PumpMessages();
}

const std::vector<std::string>& TestDialog::Captions() {
    if (originalProcedure == nullptr) {
        captions.clear();
        originalProcedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(dialog_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordCaption)));
    }
    return captions;
}

LRESULT CALLBACK TestDialog::RecordCaption(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT) captions.emplace_back(reinterpret_cast<const char*>(lParam));
    return CallWindowProcA(originalProcedure, window, message, wParam, lParam);
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

std::string FromEnvironment(const char* variable) {
    std::string path = std::string("Z:") + (std::getenv(variable) != nullptr ? std::getenv(variable) : "");
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::string ReadAll(const std::string& path) {
    std::ostringstream content;
    content << std::ifstream(path, std::ios::binary).rdbuf();
    return content.str();
}

std::string WindowsFile(const char* name) {
    char folder[MAX_PATH];
    GetWindowsDirectoryA(folder, sizeof folder);
    return std::string(folder) + "\\" + name;
}

int SlotOfDriveC() {
    for (int i = 0; i < kDriveSlots; ++i) {
        if (std::string(driveList.item[i].rootPath) == "C:") return i;
    }
    return -1;
}

std::vector<RecordedMessage> recordedMessages;
int messageAnswer = IDOK;
std::vector<UINT> helpCommands;

int ShowMessage(HWND owner, uint16_t stringId, uint32_t flags) {
    char text[kCaptionSize];
    LoadText(stringId, text, sizeof text);
    recordedMessages.push_back({owner, text, flags});
    return messageAnswer;
}

void RequestHelp(HWND, UINT command) {
    helpCommands.push_back(command);
}
