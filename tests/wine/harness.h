// What the Wine tests share: files named from the environment or in the Windows
// folder, the message pump, and what the stand-ins (stand_ins.cpp) for the message
// box and help helpers and for the platform's file functions recorded, and the
// answer they give, so that no box or help viewer blocks a test.
#ifndef TARVEX_TESTS_WINE_HARNESS_H
#define TARVEX_TESTS_WINE_HARNESS_H

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// The test file a disk test of drive C: writes.
inline constexpr char kTestFile[] = "C:\\VELKTRVX.DAT";

// A file named by its Linux path in an environment variable, as Wine shows it on drive Z:.
inline std::string FromEnvironment(const char* variable) {
    std::string path = std::string("Z:") + (std::getenv(variable) != nullptr ? std::getenv(variable) : "");
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// The whole content of a file; empty when it cannot be read.
inline std::string ReadAll(const std::string& path) {
    std::ostringstream content;
    content << std::ifstream(path, std::ios::binary).rdbuf();
    return content.str();
}

// A file in the Windows folder.
inline std::string WindowsFile(const char* name) {
    char folder[MAX_PATH];
    GetWindowsDirectoryA(folder, sizeof folder);
    return std::string(folder) + "\\" + name;
}

// Delivers what is posted, as the modal loop would; drops quit messages.
inline void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

struct RecordedMessage { HWND owner; std::string text; uint32_t flags; };

inline std::vector<RecordedMessage> recordedMessages;
inline int messageAnswer = IDOK;
inline std::vector<UINT> helpCommands;
inline std::string fileCalls;  // the files searched for or deleted: "name", or "name (boxes on)"
inline DWORD createFileFlags; // the flags and attributes of the last file created or opened

#endif
