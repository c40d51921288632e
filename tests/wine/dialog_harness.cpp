#include "dialog_harness.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "../../base/help_win32.h"
#include "../../base/program_text_win32.h"

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
